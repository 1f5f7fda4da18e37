#include "app/widgets/CControlTipWnd.h"

#include "core/settings/MessageCatalog.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace wsc {

CControlTipWnd::CControlTipWnd(QWidget* owner) : QObject(owner), m_owner(owner) {
    m_tip = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_tip->setObjectName(QStringLiteral("controlTip"));
    m_tip->setCursor(Qt::ArrowCursor);
    m_tip->setMargin(4);
    m_tip->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid #767676; }"));
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(kShowDelayMs);
    m_checkTimer.setInterval(kCheckMs);
    connect(&m_showTimer, &QTimer::timeout, this, &CControlTipWnd::showTip);
    connect(&m_checkTimer, &QTimer::timeout, this, &CControlTipWnd::check);
}

CControlTipWnd::~CControlTipWnd() {
    delete m_tip;
}

bool CControlTipWnd::AddTool(QWidget* control, int stringId) {
    return AddTool(control, MessageCatalog::text(stringId));
}

bool CControlTipWnd::AddTool(QWidget* control, const QString& text) {
    if (!control || toolAt(control))
        return false;
    m_tools.push_back({control, text});
    control->setMouseTracking(true);
    control->installEventFilter(this);
    return true;
}

void CControlTipWnd::setActive(bool active) {
    m_active = active;
    if (!active)
        hideTip();
}

const CControlTipWnd::Tool* CControlTipWnd::toolAt(const QWidget* w) const {
    for (const Tool& t : m_tools) {
        if (t.control == w)
            return &t;
    }
    return nullptr;
}

QString CControlTipWnd::textFor(const QWidget* control) const {
    const Tool* t = toolAt(control);
    return t ? t->text : QString();
}

bool CControlTipWnd::isTipShown() const {
    return m_tip->isVisible();
}

QString CControlTipWnd::shownText() const {
    return m_tip->isVisible() ? m_tip->text() : QString();
}

void CControlTipWnd::hideTip() {
    m_showTimer.stop();
    m_checkTimer.stop();
    m_tip->hide();
}

bool CControlTipWnd::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (m_active && w != m_current && toolAt(w)) {
            hideTip();
            m_current = w;
            m_showTimer.start();
        }
        break;
    case QEvent::Leave:
        if (w == m_current && !m_tip->isVisible()) {
            m_showTimer.stop();
            m_current = nullptr;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::MouseButtonDblClick:
        hideTip();
        break;
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton ||
            !m_tip->geometry().contains(me->globalPosition().toPoint()))
            hideTip();
        break;
    }
    default:
        break;
    }
    return false;
}

void CControlTipWnd::showTip() {
    if (!m_active || !m_current)
        return;
    const Tool* t = toolAt(m_current);
    if (!t)
        return;
    m_tip->setText(t->text);
    m_tip->adjustSize();
    QPoint pos = QCursor::pos() + QPoint(12, 20);
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen) {
        const QRect area = screen->geometry();
        if (pos.x() + m_tip->width() > area.right())
            pos.setX(area.right() - m_tip->width());
        if (pos.x() < area.left())
            pos.setX(area.left());
        if (pos.y() + m_tip->height() > area.bottom())
            pos.setY(m_current->mapToGlobal(QPoint(0, 0)).y() - m_tip->height() - 2);
    }
    m_tip->move(pos);
    m_tip->show();
    m_shownFor.start();
    m_checkTimer.start();
}

void CControlTipWnd::check() {
    const QPoint cursor = QCursor::pos();
    const bool overControl =
        m_current && m_current->rect().contains(m_current->mapFromGlobal(cursor));
    const bool overTip = m_tip->geometry().contains(cursor);
    if (m_shownFor.elapsed() >= kShowForMs || (!overControl && !overTip)) {
        hideTip();
        if (!overControl)
            m_current = nullptr;
    }
}

} // namespace wsc
