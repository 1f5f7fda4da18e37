#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace wsc {

// The start-up picture: a top-most window centred on the screen that closes itself after
// 2.5 seconds, or at once on a key or mouse press (which it swallows).
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2500;

    explicit CSplashWnd(QWidget* parent = nullptr);
    static CSplashWnd* ShowSplashScreen(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QTimer m_timer;
};

} // namespace wsc
