#include "app/help/HelpKey.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/settings/Prompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace wsc {

int HelpKey::currentContext() {
    QWidget* start = QApplication::activeModalWidget();
    if (!start)
        start = QApplication::activePopupWidget();
    QWidget* focus = QApplication::focusWidget();
    // The focus inside the modal dialog says more than the dialog itself.
    if (focus && (!start || start->isAncestorOf(focus)))
        start = focus;
    if (!start)
        start = QApplication::activeWindow();
    return HelpContextOf(start);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            !key->isAutoRepeat()) {
            // The key goes to the widget with the focus: its window decides the topic.
            auto* widget = qobject_cast<QWidget*>(watched);
            m_help.show(widget ? HelpContextOf(widget) : currentContext());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace wsc
