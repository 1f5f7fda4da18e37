#include "core/settings/CommandLine.h"

#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

#include <QFileInfo>

namespace wsc {

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine cl;
    bool switchesEnded = false;
    for (const QString& arg : arguments) {
        // After "--" every word is a file, as in other programs.
        if (!switchesEnded && arg == u"--") {
            switchesEnded = true;
            continue;
        }
        // "/" also starts every absolute path here: only a single letter after it is a switch.
        // A file whose name begins with "-" is a file when it is there.
        const bool isSwitch =
            !switchesEnded && ((arg.size() >= 2 && arg.at(0) == u'-' && !QFileInfo::exists(arg)) ||
                               (arg.size() == 2 && arg.at(0) == u'/'));
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
    if (!unknownSwitches.isEmpty())
        prompter.text(MessageCatalog::substitute(QString::fromLatin1(Texts::kUnknownSwitches),
                                                 {unknownSwitches.join(u' ')}),
                      PromptIcon::Exclamation);
    if (openLast && !file.isEmpty()) {
        prompter.message(Msg::kDatabaseAndLastUsed, {file}, PromptIcon::Information);
        return {};
    }
    if (openLast)
        return profile.text(Setting::RecentFile1);
    return file;
}

} // namespace wsc
