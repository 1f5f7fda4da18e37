#include "settings/CommandLine.h"

#include "settings/ProfileStore.h"
#include "settings/Prompter.h"

namespace wsc {

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine cl;
    for (const QString& arg : arguments) {
        // "/" also starts every absolute path here: only a single letter after it is a switch.
        const bool isSwitch =
            (arg.size() >= 2 && arg.at(0) == u'-') || (arg.size() == 2 && arg.at(0) == u'/');
        if (!isSwitch) {
            if (cl.file.isEmpty())
                cl.file = arg;
            continue;
        }
        const QString name = arg.mid(1).toLower();
        if (name == u"l")
            cl.openLast = true;
        else if (name == u"s")
            cl.noSplash = true;
        else
            cl.unknownSwitches << arg;
    }
    return cl;
}

QString CommandLine::databaseToOpen(const ProfileStore& profile, Prompter& prompter) const {
    if (openLast && !file.isEmpty()) {
        prompter.message(230, {file}, PromptIcon::Information);
        return {};
    }
    if (openLast)
        return profile.text(Setting::RecentFile1);
    return file;
}

} // namespace wsc
