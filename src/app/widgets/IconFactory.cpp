#include "app/widgets/IconFactory.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include <map>

namespace wsc {
namespace {

const QColor kInk(0x33, 0x3d, 0x4a);
const QColor kPaper(0xfb, 0xfb, 0xf6);
const QColor kAmber(0xd9, 0x8e, 0x1f);
const QColor kGreen(0x2e, 0x8b, 0x3e);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kBlue(0x2f, 0x6d, 0xb5);

void page(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void lines(QPainter& p, QRectF r, int n) {
    p.setPen(QPen(kInk.lighter(160), 1.2));
    for (int i = 0; i < n; ++i) {
        const double y = r.top() + 4 + i * 3.5;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

void triangle(QPainter& p, double x, double dir) {
    QPainterPath path;
    path.moveTo(x, 12);
    path.lineTo(x + 7 * dir, 6);
    path.lineTo(x + 7 * dir, 18);
    path.closeSubpath();
    p.fillPath(path, kBlue);
}

void drawGlyph(QPainter& p, Glyph g) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (g) {
    case Glyph::None:
        break;
    case Glyph::Open: {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kAmber.lighter(130));
        p.drawRect(QRectF(3, 7, 16, 12));
        QPainterPath lid;
        lid.moveTo(3, 19);
        lid.lineTo(7, 11);
        lid.lineTo(22, 11);
        lid.lineTo(19, 19);
        lid.closeSubpath();
        p.setBrush(kAmber);
        p.drawPath(lid);
        break;
    }
    case Glyph::Save:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 4, 10, 6));
        p.drawRect(QRectF(7, 13, 10, 7));
        break;
    case Glyph::Cut:
        p.setPen(QPen(kInk, 1.6));
        p.drawLine(QPointF(8, 4), QPointF(15, 15));
        p.drawLine(QPointF(16, 4), QPointF(9, 15));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 18), 3, 3);
        p.drawEllipse(QPointF(16, 18), 3, 3);
        break;
    case Glyph::Copy:
        page(p, QRectF(4, 3, 11, 14));
        page(p, QRectF(9, 7, 11, 14));
        lines(p, QRectF(9, 7, 11, 14), 3);
        break;
    case Glyph::Paste:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kAmber);
        p.drawRoundedRect(QRectF(4, 5, 14, 16), 2, 2);
        p.setBrush(kInk);
        p.drawRect(QRectF(8, 3, 6, 4));
        page(p, QRectF(10, 10, 10, 11));
        break;
    case Glyph::Print:
        page(p, QRectF(7, 3, 10, 7));
        p.setBrush(kInk.lighter(220));
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
        page(p, QRectF(7, 14, 10, 7));
        break;
    case Glyph::Preview:
        page(p, QRectF(4, 3, 13, 17));
        lines(p, QRectF(4, 3, 13, 17), 3);
        p.setPen(QPen(kBlue, 2));
        p.setBrush(QColor(255, 255, 255, 180));
        p.drawEllipse(QPointF(14, 14), 4, 4);
        p.drawLine(QPointF(17, 17), QPointF(21, 21));
        break;
    case Glyph::Find:
        p.setPen(QPen(kInk, 2.4));
        p.setBrush(QColor(200, 225, 255));
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
        break;
    case Glyph::Form:
        page(p, QRectF(3, 3, 18, 18));
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(10, 6 + i * 5, 8, 3));
        p.setPen(QPen(kBlue, 1.2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(5, 7.5 + i * 5), QPointF(8, 7.5 + i * 5));
        break;
    case Glyph::Log:
        page(p, QRectF(3, 3, 18, 18));
        p.setPen(QPen(kBlue, 1.2));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(5, 7 + i * 4), QPointF(7, 7 + i * 4));
            p.drawLine(QPointF(9, 7 + i * 4), QPointF(19, 7 + i * 4));
        }
        break;
    case Glyph::Label: {
        QPainterPath bottle;
        bottle.moveTo(10, 2);
        bottle.lineTo(14, 2);
        bottle.lineTo(14, 7);
        bottle.quadTo(18, 9, 18, 13);
        bottle.lineTo(18, 22);
        bottle.lineTo(6, 22);
        bottle.lineTo(6, 13);
        bottle.quadTo(6, 9, 10, 7);
        bottle.closeSubpath();
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kGreen.darker(120));
        p.drawPath(bottle);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 13, 10, 6));
        break;
    }
    case Glyph::First:
        p.fillRect(QRectF(5, 6, 2, 12), kBlue);
        triangle(p, 8, 1);
        triangle(p, 13, 1);
        break;
    case Glyph::Previous:
        triangle(p, 9, 1);
        break;
    case Glyph::Next:
        triangle(p, 15, -1);
        break;
    case Glyph::Last:
        triangle(p, 11, -1);
        triangle(p, 16, -1);
        p.fillRect(QRectF(17, 6, 2, 12), kBlue);
        break;
    case Glyph::Add:
        p.setPen(QPen(kGreen, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 5), QPointF(12, 19));
        p.drawLine(QPointF(5, 12), QPointF(19, 12));
        break;
    case Glyph::CopyRecord:
        page(p, QRectF(3, 3, 11, 14));
        lines(p, QRectF(3, 3, 11, 14), 3);
        p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 11), QPointF(17, 21));
        p.drawLine(QPointF(12, 16), QPointF(22, 16));
        break;
    case Glyph::Refresh: {
        p.setPen(QPen(kBlue, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 14, 14), 60 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(16, 2);
        head.lineTo(21, 7);
        head.lineTo(14, 9);
        head.closeSubpath();
        p.fillPath(head, kBlue);
        break;
    }
    case Glyph::Delete:
        p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 12), QPointF(19, 12));
        break;
    case Glyph::Commit:
        p.setPen(QPen(kGreen, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
        break;
    case Glyph::About: {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        p.drawPoint(QPointF(12, 7.5));
        break;
    }
    case Glyph::ContextHelp: {
        QPainterPath arrow;
        arrow.moveTo(3, 3);
        arrow.lineTo(3, 17);
        arrow.lineTo(7, 13);
        arrow.lineTo(10, 19);
        arrow.lineTo(12, 18);
        arrow.lineTo(9, 12);
        arrow.lineTo(14, 12);
        arrow.closeSubpath();
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(kBlue);
        p.drawText(QRectF(12, 2, 11, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}

QPixmap render(Glyph g, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.scale(size / 24.0, size / 24.0);
    drawGlyph(p, g);
    return pm;
}

void drawGlass(QPainter& p, QRectF r) {
    QPainterPath glass;
    glass.moveTo(r.left(), r.top());
    glass.lineTo(r.right(), r.top());
    glass.lineTo(r.right() - r.width() * 0.12, r.bottom());
    glass.lineTo(r.left() + r.width() * 0.12, r.bottom());
    glass.closeSubpath();
    QLinearGradient beer(r.topLeft(), r.topRight());
    beer.setColorAt(0, kAmber.darker(115));
    beer.setColorAt(0.5, kAmber.lighter(125));
    beer.setColorAt(1, kAmber.darker(130));
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(beer);
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfa, 0xf3, 0xe0));
    const double foam = r.height() * 0.18;
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(r.left() + r.width() * (0.1 + i * 0.2), r.top()), r.width() * 0.14,
                      foam * 0.8);
    p.drawRect(QRectF(r.left(), r.top() - foam * 0.2, r.width(), foam * 0.9));
}

} // namespace

// A glyph drawn at the size it is first shown in, not at every size when the command is made:
// the start draws only what the tool bar and the first menus show.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap& drawn = m_drawn[side];
        if (drawn.isNull())
            drawn = render(m_glyph, side);
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return drawn;
        // Disabled and selected looks as the style makes them for any icon.
        QStyleOption option;
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }
    QString key() const override { return QStringLiteral("wsc-glyph"); }

private:
    Glyph m_glyph;
    std::map<int, QPixmap> m_drawn;
};

QIcon IconFactory::icon(Glyph glyph) {
    if (glyph == Glyph::None)
        return QIcon();
    return QIcon(new GlyphIconEngine(glyph));
}

QPixmap IconFactory::splash() {
    QPixmap pm(480, 300);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 300);
    bg.setColorAt(0, QColor(0x3b, 0x24, 0x12));
    bg.setColorAt(1, QColor(0x1c, 0x10, 0x08));
    p.fillRect(pm.rect(), bg);
    drawGlass(p, QRectF(50, 90, 110, 170));
    QFont title = p.font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xf5, 0xd6, 0x8a));
    p.drawText(QRectF(180, 95, 290, 90), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Wortsmith\nCalculator"));
    QFont sub = p.font();
    sub.setPixelSize(14);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0xe8, 0xdc, 0xc4));
    p.drawText(QRectF(182, 190, 280, 44), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Recipes and calculations for home brewers"));
    p.drawText(QRectF(182, 250, 290, 24), Qt::AlignLeft,
               QStringLiteral("Quillbarrow Software  ·  version " WSC_VERSION));
    return pm;
}

QIcon IconFactory::ingredientIcon(int kind) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    p.setPen(QPen(kInk, 0.8));
    switch (kind) {
    case 0: // kit: a box
        p.setBrush(kAmber.lighter(120));
        p.drawRect(QRectF(2, 4, 12, 10));
        p.drawLine(QPointF(2, 7), QPointF(14, 7));
        break;
    case 1: // extract: a can
        p.setBrush(kAmber.darker(110));
        p.drawRoundedRect(QRectF(4, 2, 8, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 6, 8, 4));
        break;
    case 2: // grain: an ear
        p.setBrush(QColor(0xe0, 0xb8, 0x50));
        for (int i = 0; i < 3; ++i) {
            p.drawEllipse(QRectF(4, 2 + i * 3.5, 3.5, 4));
            p.drawEllipse(QRectF(8.5, 2 + i * 3.5, 3.5, 4));
        }
        p.drawLine(QPointF(8, 12), QPointF(8, 15));
        break;
    case 3: // adjunct: a cube
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 9, 9));
        p.drawLine(QPointF(3, 5), QPointF(6, 2));
        p.drawLine(QPointF(12, 5), QPointF(15, 2));
        p.drawLine(QPointF(6, 2), QPointF(15, 2));
        p.drawLine(QPointF(15, 2), QPointF(15, 11));
        p.drawLine(QPointF(15, 11), QPointF(12, 14));
        break;
    case 4: // hop: a cone
        p.setBrush(kGreen.lighter(130));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QRectF(4 + i * 0.5, 3 + i * 3.5, 8 - i, 5));
        break;
    default: // yeast: a flask
    {
        QPainterPath flask;
        flask.moveTo(6, 1.5);
        flask.lineTo(10, 1.5);
        flask.lineTo(10, 6);
        flask.lineTo(14, 14.5);
        flask.lineTo(2, 14.5);
        flask.lineTo(6, 6);
        flask.closeSubpath();
        p.setBrush(QColor(0xf2, 0xe6, 0xc8));
        p.drawPath(flask);
        break;
    }
    }
    return QIcon(pm);
}

QIcon IconFactory::appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        drawGlass(p, QRectF(size * 0.2, size * 0.22, size * 0.6, size * 0.7));
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace wsc
