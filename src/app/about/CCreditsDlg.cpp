#include "app/about/CCreditsDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "app/widgets/IconFactory.h"
#include "core/help/HelpContexts.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QVBoxLayout>

#include <QKeyEvent>

namespace wsc {

// The sunken display area: shows the drawing surface.
class CreditsDisplay : public QFrame {
public:
    CreditsDisplay(CCreditsDlg& dlg, QWidget* parent) : QFrame(parent), m_dlg(dlg) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setMinimumSize(320, 240);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), m_dlg.m_surface);
    }
    void resizeEvent(QResizeEvent*) override {
        QPixmap bigger(contentsRect().size());
        bigger.fill(Qt::white);
        QPainter p(&bigger);
        p.drawPixmap(0, bigger.height() - m_dlg.m_surface.height(), m_dlg.m_surface);
        m_dlg.m_surface = bigger;
    }

private:
    CCreditsDlg& m_dlg;
};

QFont CCreditsDlg::fontOf(char code) {
    auto make = [](const char* family, int height, int weight, bool underline) {
        QFont f(QString::fromLatin1(family));
        f.setPixelSize(height);
        f.setWeight(weight >= 700 ? QFont::Bold : QFont::Thin);
        f.setUnderline(underline);
        f.setItalic(false);
        return f;
    };
    switch (code) {
    case Credits::kTitle:
        return make("Times New Roman", 21, 700, true);
    case Credits::kMaker:
        return make("Bauhaus 93", 19, 700, false);
    case Credits::kGroup:
        return make("Arial", 17, 700, false);
    case Credits::kSubGroup:
        return make("Arial", 15, 100, true);
    default:
        return make("Arial", 15, 100, false);
    }
}

QColor CCreditsDlg::colourOf(char code) {
    switch (code) {
    case Credits::kTitle:
        return QColor(255, 0, 0);
    case Credits::kMaker:
        return QColor(0, 0, 255);
    case Credits::kGroup:
    case Credits::kSubGroup:
        return QColor(255, 0, 255);
    default:
        return QColor(0, 0, 0);
    }
}

CCreditsDlg::CCreditsDlg(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setWindowTitle(QString::fromLatin1(Labels::kCreditsTitle));
    SetHelpContext(this, HelpContext::kCredits);
    m_bitmaps.insert(QStringLiteral("IDB_MainFrame"), IconFactory::appIcon().pixmap(64, 64));
    m_display = new CreditsDisplay(*this, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_display);
    m_surface = QPixmap(m_display->contentsRect().size());
    m_surface.fill(Qt::white);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &CCreditsDlg::OnTimer);
    m_timer.start();
}

void CCreditsDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

int CCreditsDlg::heightOf(int line) const {
    const QString& text = Credits::Lines().at(line);
    if (text.isEmpty())
        return 0; // a blank keeps the previous height
    const char code = Credits::CodeOf(text);
    if (code == Credits::kBitmap)
        return 1;
    return QFontMetrics(fontOf(code)).height();
}

void CCreditsDlg::OnTimer() {
    if (m_inBitmap) {
        // One more pixel row of the bitmap; the next line follows once all of it is in.
        ++m_bitmapRows;
        drawStrip();
        if (m_bitmapRows >= m_bitmap.height())
            m_inBitmap = false;
        m_display->update();
        return;
    }
    if (m_roll.tick([this](int line) { return heightOf(line); })) {
        m_scrolled = 0;
        const QString& line = Credits::Lines().at(m_roll.current());
        if (Credits::CodeOf(line) == Credits::kBitmap && !line.isEmpty()) {
            const QString name = Credits::TextOf(line).trimmed();
            if (!m_bitmaps.contains(name)) {
                m_timer.stop();
                m_prompter.text(QString::fromLatin1(Texts::kCreditsBitmapMissing).arg(name),
                                PromptIcon::Exclamation);
                return;
            }
            m_bitmap = m_bitmaps.value(name);
            m_bitmapRows = 1;
            m_inBitmap = true;
            drawStrip();
            m_inBitmap = m_bitmap.height() > 1;
            m_display->update();
            return;
        }
    }
    ++m_scrolled;
    drawStrip();
    m_display->update();
}

// Scrolls the surface up by one pixel and draws what shows in the freed bottom row.
void CCreditsDlg::drawStrip() {
    if (m_surface.isNull() || m_surface.height() < 2)
        return;
    const int w = m_surface.width();
    const int h = m_surface.height();
    QPixmap next(m_surface.size());
    next.fill(Qt::white);
    QPainter p(&next);
    p.drawPixmap(0, -1, m_surface);
    p.setClipRect(0, h - 1, w, 1);
    if (m_inBitmap) {
        const int x = (w - m_bitmap.width()) / 2;
        p.drawPixmap(x, h - m_bitmapRows, m_bitmap);
    } else if (m_roll.current() >= 0) {
        const QString& line = Credits::Lines().at(m_roll.current());
        if (!line.isEmpty() && Credits::CodeOf(line) != Credits::kBitmap) {
            const char code = Credits::CodeOf(line);
            p.setFont(fontOf(code));
            p.setPen(colourOf(code));
            // The line's top follows what has scrolled in so far.
            const QRect r(0, h - m_scrolled, w, m_roll.height());
            p.drawText(r, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                       Credits::TextOf(line));
        }
    }
    p.end();
    m_surface = next;
}

} // namespace wsc
