#include "cli/CliCommands.h"

#include "core/db/dao/CDaoDatabase.h"
#include "core/settings/StopRequest.h"
#include "core/shell/SignalWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>

#include <unistd.h>

int main(int argc, char** argv) {
    // Output to a closed pipe (`| head`) fails the write, not the program: it still ends
    // cleanly.
    std::signal(SIGPIPE, SIG_IGN);
    // Ctrl+C, SIGTERM and SIGHUP stop the command where it is: whatever it began (an import's
    // transaction, a compress, a file under its temporary name) is undone as it unwinds, and
    // the tool exits with 128 and the signal's number, as shells expect.
    wsc::SignalWatch watch({{}, [](int signal) {
                                // The command did not come to a stop in time: its database
                                // work is rolled back from here.
                                wsc::CDaoDatabase::abandonAll();
                                ::_exit(128 + signal);
                            }});
    // Only reports need fonts and a paint system; they get one that needs no display.
    const bool report = argc > 1 && qstrcmp(argv[1], "report") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (report) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int rc = wsc::cli::Run(args);
    if (const int signal = wsc::StopRequest::signal(); signal != 0) {
        if (!wsc::SignalWatch::claimEnding())
            wsc::SignalWatch::waitForTheEnd();
        std::fprintf(stderr, "wscalc-cli: stopped by %s; what the command had begun was undone\n",
                     signal == SIGINT    ? "Ctrl+C (SIGINT)"
                     : signal == SIGTERM ? "SIGTERM"
                                         : "SIGHUP");
        return 128 + signal;
    }
    return rc;
}
