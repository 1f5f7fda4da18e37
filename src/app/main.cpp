#include "settings/ProfileStore.h"
#include "shell/CMainFrame.h"
#include "shell/CWscalcApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer started;
    started.start();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(wsc::ProfileStore::kCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(wsc::ProfileStore::kApplication));
    QApplication::setApplicationVersion(QStringLiteral(WSC_VERSION));

    wsc::CWscalcApp wscalc;
    if (!wscalc.InitInstance(QApplication::arguments().mid(1)))
        return 1;

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
