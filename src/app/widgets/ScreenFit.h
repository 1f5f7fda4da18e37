#pragma once

class QWidget;

namespace wsc {

// Sizes a window that is about to be shown so that all of it, its title bar included, lies on
// the available part of the screen of `near` (the primary screen without it), and centres it
// over `near` as far as the screen allows.
void FitOnScreen(QWidget& window, const QWidget* near = nullptr);

} // namespace wsc
