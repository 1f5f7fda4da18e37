#include "core/shell/SignalWatch.h"

#include "core/settings/StopRequest.h"

#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace wsc {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
// The write end of the watching thread's pipe; -1 while nobody watches.
std::atomic<int> g_wake{-1};
std::atomic<bool> g_ending{false};

// Only async-signal-safe work here: the request is noted and the number goes down the pipe.
void onSignal(int number) {
    const int saved = errno;
    StopRequest::set(number);
    const int fd = g_wake.load();
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(number);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}

} // namespace

SignalWatch::SignalWatch(Handlers handlers) : m_handlers(std::move(handlers)) {
    if (::pipe2(m_fds, O_CLOEXEC) != 0)
        return;
    g_wake.store(m_fds[1]);
    m_thread = std::thread([this] { watch(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals)
        sigaction(s, &action, nullptr);
}

SignalWatch::~SignalWatch() {
    for (const int s : kSignals)
        std::signal(s, SIG_DFL);
    g_wake.store(-1);
    if (m_thread.joinable()) {
        const unsigned char stop = 0;
        [[maybe_unused]] const ssize_t n = ::write(m_fds[1], &stop, 1);
        m_thread.join();
    }
    for (int& fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool SignalWatch::claimEnding() {
    return !g_ending.exchange(true);
}

void SignalWatch::waitForTheEnd() {
    for (;;)
        ::pause();
}

void SignalWatch::watch() {
    // The watching thread takes no signal itself: they go to the main thread, whose system
    // calls they interrupt.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    auto next = [this](int timeoutMs) -> int {
        pollfd p{m_fds[0], POLLIN, 0};
        const int ready = ::poll(&p, 1, timeoutMs);
        if (ready <= 0)
            return -1;
        unsigned char byte = 0;
        return ::read(m_fds[0], &byte, 1) == 1 ? byte : 0;
    };
    int signal = -1;
    while (signal < 0)
        signal = next(-1);
    if (signal == 0)
        return;
    if (m_handlers.notify)
        m_handlers.notify(signal);
    // The main thread has the grace period to end the program; a second signal ends it now.
    const auto deadline = std::chrono::steady_clock::now() + m_handlers.grace;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int again = left.count() > 0 ? next(static_cast<int>(left.count())) : -1;
        if (again == 0)
            return;
        if (again < 0 && std::chrono::steady_clock::now() < deadline)
            continue;
        break;
    }
    // The main thread came to the end meanwhile: it finishes.
    if (!claimEnding())
        return;
    if (m_handlers.endNow)
        m_handlers.endNow(signal);
}

} // namespace wsc
