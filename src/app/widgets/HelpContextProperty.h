#pragma once

class QWidget;

namespace wsc {

// A window's help context travels with the window as a property, so F1 finds it by walking up
// from the widget that has the focus.
void SetHelpContext(QWidget* widget, int context);
// The context of `widget` or of the nearest window around it that has one; 0 (the contents)
// when none has.
int HelpContextOf(const QWidget* widget);

} // namespace wsc
