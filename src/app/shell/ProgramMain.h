#pragma once

#include <functional>

namespace wsc {

class CWscalcApp;

// The program as a user starts it: the application object, the handling of SIGINT, SIGTERM
// and SIGHUP, start-up and the event loop. `beforeStart` runs once everything is in place and
// before the database opens (the signal tests use it to drive the real window).
int RunProgram(int argc, char** argv, const std::function<void(CWscalcApp&)>& beforeStart = {});

// Ends the program at once, wherever it is, without asking anything: the open transactions
// are rolled back, the locks released and the settings written, then the process exits with
// status 0. No window is touched, so a question or dialog that is open does not matter.
[[noreturn]] void EndProgramNow(CWscalcApp& app);

} // namespace wsc
