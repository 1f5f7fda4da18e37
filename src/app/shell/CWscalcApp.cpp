#include "app/shell/CWscalcApp.h"

#include "app/help/HelpKey.h"
#include "app/help/QtHelpService.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CSplashWnd.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/QtPrompter.h"
#include "core/settings/ProfileStore.h"
#include "core/shell/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace wsc {

namespace {
CWscalcApp::Environment SystemEnvironment() {
    CWscalcApp::Environment env;
    // The bare "C" locale says metric but is no one's choice.
    const QLocale system = QLocale::system();
    env.metricLocale =
        system.language() != QLocale::C && system.measurementSystem() == QLocale::MetricSystem;
    return env;
}
} // namespace

CWscalcApp::CWscalcApp() : CWscalcApp(SystemEnvironment()) {}

CWscalcApp::CWscalcApp(Environment env) : m_env(std::move(env)) {
    if (!m_env.profile) {
        m_ownProfile = std::make_unique<ProfileStore>();
        m_env.profile = m_ownProfile.get();
    }
    if (!m_env.prompter) {
        m_ownPrompter = std::make_unique<QtPrompter>();
        m_env.prompter = m_ownPrompter.get();
    }
    if (!m_env.runner) {
        m_ownRunner = std::make_unique<DialogRunner>();
        m_env.runner = m_ownRunner.get();
    }
    if (!m_env.help) {
        m_ownHelp = std::make_unique<QtHelpService>(*m_env.prompter, QtHelpService::findHelpFile(),
                                                    QtHelpService::defaultCacheFolder());
        m_env.help = m_ownHelp.get();
    }
    if (auto* qt = dynamic_cast<QtPrompter*>(m_env.prompter))
        qt->setHelp(m_env.help);
    // F1 anywhere in the program.
    m_helpKey = std::make_unique<HelpKey>(*m_env.help);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(m_helpKey.get());
}

CWscalcApp::~CWscalcApp() {
    if (m_splash)
        m_splash->close();
}

QString CWscalcApp::findShippedDataFile() {
    const QString name = QStringLiteral("WortsmithData.mdb");
    const QString candidates[] = {
        QDir(ProgramFiles::installedFolderHolding(name)).filePath(name),
        // The build tree: build/<preset>/src/app/wscalc next to build/<preset>/data.
        QDir(ProgramFiles::programFolder()).filePath(QStringLiteral("../../data/") + name),
    };
    for (const QString& c : candidates) {
        if (QFileInfo(c).isFile())
            return QFileInfo(c).absoluteFilePath();
    }
    return {};
}

QString CWscalcApp::defaultBackupRoot() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("backups"));
}

bool CWscalcApp::InitInstance(const QStringList& arguments) {
    ProfileStore& profile = *m_env.profile;
    m_commandLine = CommandLine::parse(arguments);
    if (!m_commandLine.noSplash)
        m_splash = CSplashWnd::ShowSplashScreen();

    if (profile.text(Setting::DefaultDataFile).isEmpty()) {
        const QString shipped =
            m_env.shippedDataFile.isEmpty() ? findShippedDataFile() : m_env.shippedDataFile;
        if (!shipped.isEmpty() && QFileInfo(shipped).isFile()) {
            const QString userData =
                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
            const bool installed = QFileInfo(shipped).absolutePath() == ProgramFiles::shareFolder();
            profile.setText(Setting::DefaultDataFile,
                            ProgramFiles::dataFileForUser(shipped, userData, installed));
        }
    }

    m_mainFrame = std::make_unique<CMainFrame>(profile, *m_env.prompter, *m_env.runner, m_env.help);
    if (auto* qt = dynamic_cast<QtPrompter*>(m_env.prompter))
        qt->setParent(m_mainFrame.get());
    m_mainFrame->setBackupRoot(m_env.backupRoot.isEmpty() ? defaultBackupRoot() : m_env.backupRoot);
    m_mainFrame->showFirst();
    if (m_splash)
        m_splash->raise();
    if (!profile.refusal().isEmpty())
        m_env.prompter->text(profile.refusal(), PromptIcon::Exclamation);

    const QString database = m_commandLine.databaseToOpen(profile, *m_env.prompter);
    if (!database.isEmpty())
        m_mainFrame->OpenDocumentFile(database);

    if (m_env.metricLocale)
        m_mainFrame->offerMetricUnits(*m_env.metricLocale);
    if (!m_env.tipsFile.isEmpty())
        m_mainFrame->setTipsFile(m_env.tipsFile);
    m_mainFrame->showTipOfTheDay(true);
    return true;
}

} // namespace wsc
