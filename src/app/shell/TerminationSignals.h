#pragma once

#include <QObject>

class QSocketNotifier;

namespace wsc {

// Turns SIGTERM and SIGHUP (a logout, a shutdown, a closed terminal) into a Qt signal on the
// event loop, where the program can close its database cleanly instead of dying mid-way.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace wsc
