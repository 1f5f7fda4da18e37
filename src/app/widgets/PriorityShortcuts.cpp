#include "app/widgets/PriorityShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace wsc {

PriorityShortcuts::PriorityShortcuts(QWidget* scope, std::function<QList<QAction*>()> actions)
    : QObject(scope), m_scope(scope), m_actions(std::move(actions)) {
    qApp->installEventFilter(this);
}

PriorityShortcuts::~PriorityShortcuts() {
    qApp->removeEventFilter(this);
}

bool PriorityShortcuts::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !(w == m_scope || m_scope->isAncestorOf(w)))
        return false;
    const QKeySequence pressed(key->keyCombination());
    for (QAction* a : m_actions()) {
        if (!a || !a->shortcuts().contains(pressed))
            continue;
        if (type == QEvent::ShortcutOverride) {
            // No shortcut gets it either: the action follows on the key press.
            event->accept();
        } else if (!key->isAutoRepeat()) {
            a->trigger();
        }
        return true;
    }
    return false;
}

} // namespace wsc
