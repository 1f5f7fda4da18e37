#include "app/shell/UserTools.h"

#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QAction>
#include <QDir>
#include <QProcess>

namespace wsc {
namespace {

const Setting kToolNames[UserTools::kCount] = {Setting::NameTool1, Setting::NameTool2,
                                               Setting::NameTool3};
const Setting kToolPaths[UserTools::kCount] = {Setting::PathTool1, Setting::PathTool2,
                                               Setting::PathTool3};

QString placeholderTool(int n) {
    return QString::fromLatin1(Labels::kToolName).arg(n + 1);
}

} // namespace

void UserTools::run(int n) {
    const QString path = m_profile.text(kToolPaths[n]);
    const bool started = !path.isEmpty() && QProcess::startDetached(path, {}, QDir::currentPath());
    if (!started)
        m_prompter.message(Msg::kToolNotLoaded, {path, QString()}, PromptIcon::Exclamation);
}

bool UserTools::configured(int n) const {
    return !m_profile.text(kToolNames[n]).isEmpty();
}

void UserTools::nameItems(const std::function<QAction*(int n)>& item) {
    for (int n = 0; n < kCount; ++n) {
        const QString name = m_profile.text(kToolNames[n]);
        QAction* a = item(n);
        a->setText(name.isEmpty() ? placeholderTool(n) : name);
        a->setEnabled(a->text() != placeholderTool(n));
    }
}

} // namespace wsc
