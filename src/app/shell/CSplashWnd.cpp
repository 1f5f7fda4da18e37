#include "app/shell/CSplashWnd.h"

#include "app/widgets/IconFactory.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace wsc {

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(IconFactory::splash()) {
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
    m_timer.start(kShowMs);
}

CSplashWnd* CSplashWnd::ShowSplashScreen(QWidget* parent) {
    auto* splash = new CSplashWnd(parent);
    splash->show();
    splash->repaint();
    return splash;
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void CSplashWnd::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

void CSplashWnd::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

} // namespace wsc
