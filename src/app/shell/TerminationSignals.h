#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace wsc {

class SignalWatch;

// SIGINT (Ctrl+C in the terminal the program was started from), SIGTERM and SIGHUP (a logout,
// a shutdown, a closed terminal) as a Qt signal on the event loop, where the program can close
// its database cleanly instead of dying mid-way. When the main thread is too busy to get there
// in time, `endNow` ends the program from the watching thread.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void(int)> endNow, QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    std::unique_ptr<SignalWatch> m_watch;
};

} // namespace wsc
