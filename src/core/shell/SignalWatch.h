#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace wsc {

// Ends a program cleanly on SIGINT (Ctrl+C), SIGTERM and SIGHUP, wherever it is. The handler
// only records the request (StopRequest) and wakes a thread of its own; that thread tells the
// program at once (`notify`: the window's event loop, say) while the database connections stop
// whatever they run. A program whose main thread is too busy to end within `grace` (a long
// layout, a loop that never looks up) is ended from the watching thread by `endNow`, which
// must not return; so is one that gets a second signal meanwhile.
class SignalWatch {
public:
    struct Handlers {
        std::function<void(int signal)> notify;
        std::function<void(int signal)> endNow;
        std::chrono::milliseconds grace{1500};
    };

    explicit SignalWatch(Handlers handlers);
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    // Whoever ends the program first, the main thread or the watching one, claims it: the
    // other must then stop where it is and let the first finish (true for the first caller).
    static bool claimEnding();
    // Blocks the calling thread for good: the program is being ended by the other.
    [[noreturn]] static void waitForTheEnd();

private:
    void watch();

    Handlers m_handlers;
    int m_fds[2] = {-1, -1};
    std::thread m_thread;
};

} // namespace wsc
