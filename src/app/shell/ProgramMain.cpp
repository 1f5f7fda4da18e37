#include "app/shell/ProgramMain.h"

#include "app/form/CRecipeFormSheet.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CWscalcApp.h"
#include "app/shell/TerminationSignals.h"
#include "app/widgets/QtPrompter.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/shell/SignalWatch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <exception>

#include <unistd.h>

namespace wsc {
namespace {

// The last guard: an error no command caught is shown, and the program keeps running with
// the open transaction as it was, so nothing typed is lost to a crash.
class WscApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QtPrompter prompter;
            prompter.text(
                QString::fromLatin1(Texts::kUnexpectedError).arg(QString::fromUtf8(e.what())),
                PromptIcon::Stop);
        }
        return false;
    }
};

} // namespace

void EndProgramNow(CWscalcApp& app) {
    // The watching thread may be ending the program already, if this one was slow to come.
    if (!SignalWatch::claimEnding())
        SignalWatch::waitForTheEnd();
    // A signal may come while a command is inside a question or a dialog: closing the windows
    // from there would pull the form out from under the command. Nothing the user typed is
    // committed (nobody is there to be asked), so the transactions are simply rolled back.
    CDaoDatabase::abandonAll();
    if (CMainFrame* frame = app.mainFrame())
        frame->savePlacement();
    app.profile().sync();
    std::fflush(nullptr);
    ::_exit(0);
}

int RunProgram(int argc, char** argv, const std::function<void(CWscalcApp&)>& beforeStart) {
    QElapsedTimer started;
    started.start();
    WscApplication qtApp(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(ProfileStore::kCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(ProfileStore::kApplication));
    QApplication::setApplicationVersion(QStringLiteral(WSC_VERSION));

    // The handlers go in before the database opens: a logout during start-up, even while a
    // start-up message is showing, still closes it cleanly.
    CWscalcApp wscalc;
    TerminationSignals termination([&](int) {
        // The main thread is busy where it cannot look up: what it holds of the databases is
        // rolled back from here, and the settings it has set are written by a store of the same
        // file (the windows, and so their placement, belong to the main thread).
        CDaoDatabase::abandonAll();
        QSettings(wscalc.profile().fileName(), QSettings::IniFormat).sync();
        std::fflush(nullptr);
        ::_exit(0);
    });
    QObject::connect(&termination, &TerminationSignals::terminationRequested,
                     [&](int) { EndProgramNow(wscalc); });
    if (beforeStart)
        beforeStart(wscalc);

    if (!wscalc.InitInstance(QApplication::arguments().mid(1)))
        return 1;

    // A desktop logout first asks to save: the form puts its usual question when the session
    // lets it, and Cancel keeps the session going.
    QObject::connect(&qtApp, &QGuiApplication::commitDataRequest, [&](QSessionManager& manager) {
        CRecipeFormSheet* form = wscalc.mainFrame()->recipeForm();
        if (form && manager.allowsInteraction()) {
            const bool goOn = form->QuerySaveRecipe();
            manager.release();
            if (!goOn)
                manager.cancel();
        }
    });
    // For the start-up benchmark: report the time to the first shown form and quit.
    if (qEnvironmentVariableIsSet("WSC_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, [&] {
            std::printf("shown after %lld ms\n", static_cast<long long>(started.elapsed()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

} // namespace wsc
