#pragma once

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace wsc {

// Long work in the window (an import, an export): nothing shows for its first second, then a
// progress dialog over the window with Cancel, moved on as the work reports. Each report lets
// the window answer (repaints, Cancel, a signal that ends the program).
class WorkProgress {
public:
    virtual ~WorkProgress() = default;
    // False once the user has cancelled: the work stops there and undoes what it began.
    virtual bool step(qint64 done, qint64 total) = 0;
    virtual bool cancelled() const = 0;
};

class DialogWorkProgress : public WorkProgress {
public:
    DialogWorkProgress(QWidget* parent, const QString& label);
    ~DialogWorkProgress() override;
    bool step(qint64 done, qint64 total) override;
    bool cancelled() const override { return m_cancelled; }

private:
    QWidget* m_parent;
    QString m_label;
    QElapsedTimer m_started;
    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_cancelled = false;
};

} // namespace wsc
