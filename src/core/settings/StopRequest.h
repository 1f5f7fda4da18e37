#pragma once

namespace wsc {

// A request to stop, made by a signal (Ctrl+C, a logout, a shutdown): the database connections
// fail their statements while it stands, and the long work of the program (reading a file,
// laying out a report) looks at it between its steps, so that whatever was begun is undone and
// the program can end. The first signal's number is kept.
class StopRequest {
public:
    // Safe in a signal handler.
    static void set(int signalNumber) noexcept;
    // The signal that asked to stop, or 0.
    static int signal() noexcept;
    static bool pending() noexcept { return signal() != 0; }
    // Only tests take a request back.
    static void clear() noexcept;
};

} // namespace wsc
