#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace wsc {

// The keys of a window's own commands, before any of its controls sees them. A line edit takes
// Ctrl+F, N and P for itself (Emacs keys) before a shortcut fires, and Qt's shortcut map reads
// a keypad key as the main keyboard's, so neither would reach the action. For a key pressed in
// `scope` or any widget inside it, the one among `actions()` with that exact key is triggered
// (once, however long the key is held) and no control sees the key.
class PriorityShortcuts : public QObject {
public:
    PriorityShortcuts(QWidget* scope, std::function<QList<QAction*>()> actions);
    ~PriorityShortcuts() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_scope;
    std::function<QList<QAction*>()> m_actions;
};

} // namespace wsc
