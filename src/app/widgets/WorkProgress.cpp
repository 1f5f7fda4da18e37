#include "app/widgets/WorkProgress.h"

#include "core/settings/WindowTexts.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace wsc {

namespace {
constexpr qint64 kQuietMs = 1000;
constexpr int kSteps = 1000;
} // namespace

DialogWorkProgress::DialogWorkProgress(QWidget* parent, const QString& label)
    : m_parent(parent), m_label(label) {
    m_started.start();
}

DialogWorkProgress::~DialogWorkProgress() = default;

bool DialogWorkProgress::step(qint64 done, qint64 total) {
    if (m_cancelled)
        return false;
    if (!m_dialog && m_started.elapsed() >= kQuietMs) {
        m_dialog = std::make_unique<QProgressDialog>(m_label, QString::fromLatin1(Labels::kCancel),
                                                     0, kSteps, m_parent);
        m_dialog->setObjectName(QStringLiteral("workProgress"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->show();
    }
    if (m_dialog) {
        const int at = total > 0 ? static_cast<int>(std::min(done, total) * kSteps / total) : 0;
        // Moving the bar of a window-modal dialog lets the window answer meanwhile.
        if (at != m_dialog->value())
            m_dialog->setValue(at);
        else
            QCoreApplication::processEvents();
        m_cancelled = m_dialog->wasCanceled();
    }
    return !m_cancelled;
}

} // namespace wsc
