#include "form/CRecipeFormSheet.h"
#include "settings/ProfileStore.h"
#include "shell/CMainFrame.h"
#include "shell/CWscalcApp.h"
#include "shell/QtPrompter.h"
#include "shell/TerminationSignals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <exception>

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
            wsc::QtPrompter prompter;
            prompter.text(QStringLiteral("Error:\n%1").arg(QString::fromUtf8(e.what())),
                          wsc::PromptIcon::Stop);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer started;
    started.start();
    WscApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(wsc::ProfileStore::kCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(wsc::ProfileStore::kApplication));
    QApplication::setApplicationVersion(QStringLiteral(WSC_VERSION));

    // The handlers go in before the database opens: a logout during start-up still closes it
    // cleanly instead of killing the program with the file open.
    wsc::CWscalcApp wscalc;
    bool ending = false;
    wsc::TerminationSignals termination;
    QObject::connect(&termination, &wsc::TerminationSignals::terminationRequested, [&](int) {
        ending = true;
        if (wscalc.mainFrame())
            wscalc.mainFrame()->CloseWithoutQuestions();
        QApplication::quit();
    });

    if (!wscalc.InitInstance(QApplication::arguments().mid(1)))
        return ending ? 0 : 1;
    if (ending)
        return 0;

    // A desktop logout first asks to save: the form puts its usual question when the session
    // lets it, and Cancel keeps the session going.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&](QSessionManager& manager) {
        wsc::CRecipeFormSheet* form = wscalc.mainFrame()->recipeForm();
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
