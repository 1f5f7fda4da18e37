#include "app/widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace wsc {

void FitOnScreen(QWidget& window, const QWidget* near) {
    QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    // Room for the frame the window manager adds: a title bar above, borders around.
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const int border = 8;
    const QSize room(free.width() - 2 * border, free.height() - title - border);
    window.resize(window.size().boundedTo(room));
    const QPoint centre = near ? near->frameGeometry().center() : free.center();
    QRect r(QPoint(0, 0), window.size());
    r.moveCenter(centre);
    r.moveLeft(std::clamp(r.left(), free.left() + border, free.right() - border - r.width()));
    r.moveTop(std::clamp(r.top(), free.top() + title, free.bottom() - border - r.height()));
    window.move(r.topLeft());
}

} // namespace wsc
