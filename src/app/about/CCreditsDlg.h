#pragma once

#include "core/shell/CreditLines.h"

#include <QDialog>
#include <QPixmap>
#include <QTimer>

namespace wsc {

class Prompter;

// "Credits": the credit lines scroll upwards, one pixel a tick, round and round.
class CCreditsDlg : public QDialog {
    Q_OBJECT
public:
    CCreditsDlg(Prompter& prompter, QWidget* parent = nullptr);

    // One timer tick (the timer calls it every 10 ms).
    void OnTimer();
    const CreditsRoll& roll() const { return m_roll; }
    QTimer& timer() { return m_timer; }
    QWidget* display() const { return m_display; }
    // Bitmap names the dialog knows; a test may take one away.
    void forgetBitmap(const QString& name) { m_bitmaps.remove(name); }

    static QFont fontOf(char code);
    static QColor colourOf(char code);

protected:
    // Enter closes the credits, as Escape does: the dialog has no button to press.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int heightOf(int line) const;
    void drawStrip();

    Prompter& m_prompter;
    QWidget* m_display = nullptr;
    QPixmap m_surface;
    QTimer m_timer;
    CreditsRoll m_roll;
    QHash<QString, QPixmap> m_bitmaps;
    // The bitmap line being scrolled in, and how many of its rows are in.
    QPixmap m_bitmap;
    int m_bitmapRows = 0;
    bool m_inBitmap = false;
    int m_scrolled = 0;

    friend class CreditsDisplay;
};

} // namespace wsc
