#pragma once

#include "app/shell/CSplashWnd.h"
#include "core/settings/CommandLine.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace wsc {

class CMainFrame;
class CSplashWnd;
class DialogRunner;
class HelpKey;
class HelpService;
class ProfileStore;
class Prompter;

// The application: reads the command line, shows the splash window, creates the main window
// and opens the database the command line asks for.
class CWscalcApp {
public:
    // What the program runs with; anything left empty is made here (tests pass their own).
    struct Environment {
        ProfileStore* profile = nullptr;
        Prompter* prompter = nullptr;
        DialogRunner* runner = nullptr;
        HelpService* help = nullptr;
        // The Data database shipped with the program, used when none is set.
        QString shippedDataFile;
        // Where backups of recipe databases go; the per-user data folder when empty.
        QString backupRoot;
        // The tips file; found beside the program when empty.
        QString tipsFile;
        // Whether the user's system measures in metric units, for the question of the first
        // start; the program reads it from the system locale, and nothing is asked when unknown.
        std::optional<bool> metricLocale;
    };

    CWscalcApp();
    explicit CWscalcApp(Environment env);
    ~CWscalcApp();
    CWscalcApp(const CWscalcApp&) = delete;
    CWscalcApp& operator=(const CWscalcApp&) = delete;

    // `arguments` without the program name. False when the main window could not be made.
    bool InitInstance(const QStringList& arguments);

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    CSplashWnd* splash() const { return m_splash; }
    const CommandLine& commandLine() const { return m_commandLine; }
    ProfileStore& profile() const { return *m_env.profile; }

    // The shipped Data database beside the program or in the build tree, or an empty text.
    static QString findShippedDataFile();
    // "backups" in the per-user data folder.
    static QString defaultBackupRoot();

private:
    Environment m_env;
    std::unique_ptr<ProfileStore> m_ownProfile;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<DialogRunner> m_ownRunner;
    std::unique_ptr<HelpService> m_ownHelp;
    std::unique_ptr<HelpKey> m_helpKey;
    CommandLine m_commandLine;
    QPointer<CSplashWnd> m_splash;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

} // namespace wsc
