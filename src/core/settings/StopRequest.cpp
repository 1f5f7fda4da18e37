#include "core/settings/StopRequest.h"

#include <atomic>

namespace wsc {
namespace {

std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free "
                                                     "atomics");

} // namespace

void StopRequest::set(int signalNumber) noexcept {
    int none = 0;
    g_signal.compare_exchange_strong(none, signalNumber);
}

int StopRequest::signal() noexcept {
    return g_signal.load(std::memory_order_relaxed);
}

void StopRequest::clear() noexcept {
    g_signal.store(0);
}

} // namespace wsc
