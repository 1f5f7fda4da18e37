#include "app/shell/TerminationSignals.h"

#include "core/shell/SignalWatch.h"

namespace wsc {

TerminationSignals::TerminationSignals(std::function<void(int)> endNow, QObject* parent)
    : QObject(parent) {
    SignalWatch::Handlers handlers;
    handlers.notify = [this](int number) {
        QMetaObject::invokeMethod(
            this, [this, number] { emit terminationRequested(number); }, Qt::QueuedConnection);
    };
    handlers.endNow = std::move(endNow);
    m_watch = std::make_unique<SignalWatch>(std::move(handlers));
}

TerminationSignals::~TerminationSignals() = default;

} // namespace wsc
