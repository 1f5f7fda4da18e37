#include "app/widgets/IconFactory.h"
#include "core/settings/WindowTexts.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <iterator>
#include <map>

namespace wsc {
namespace {

const QColor kAmber(0xd9, 0x8e, 0x1f);

QString artwork(const char* file) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file));
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

// A picture drawn from its artwork at the size it is first shown in, so it stays sharp at any
// scale, and not at every size when the command is made.
class ArtworkIconEngine : public QIconEngine {
public:
    explicit ArtworkIconEngine(QString file) : m_file(std::move(file)) {}

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
        if (drawn.isNull()) {
            drawn = QPixmap(side, side);
            drawn.fill(Qt::transparent);
            QSvgRenderer renderer(m_file);
            QPainter p(&drawn);
            renderer.render(&p, QRectF(0, 0, side, side));
        }
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return drawn;
        // Disabled and selected looks as the style makes them for any icon.
        QStyleOption option;
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QIconEngine* clone() const override { return new ArtworkIconEngine(*this); }
    QString key() const override { return QStringLiteral("wsc-artwork"); }

private:
    QString m_file;
    std::map<int, QPixmap> m_drawn;
};

QIcon IconFactory::icon(Glyph glyph) {
    static const std::map<Glyph, const char*> files = {
#define WSC_GLYPH_FILE(name, file) {Glyph::name, file},
        WSC_GLYPHS(WSC_GLYPH_FILE)
#undef WSC_GLYPH_FILE
    };
    const auto it = files.find(glyph);
    return it == files.end() ? QIcon() : QIcon(new ArtworkIconEngine(artwork(it->second)));
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
               QString::fromLatin1(Labels::kSplashTitle));
    QFont sub = p.font();
    sub.setPixelSize(14);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0xe8, 0xdc, 0xc4));
    p.drawText(QRectF(182, 190, 280, 44), Qt::AlignLeft | Qt::TextWordWrap,
               QString::fromLatin1(Labels::kSplashLine));
    p.drawText(QRectF(182, 250, 290, 24), Qt::AlignLeft,
               QStringLiteral("Quillbarrow Software  ·  version " WSC_VERSION));
    return pm;
}

QIcon IconFactory::ingredientIcon(int kind) {
    static const char* const files[] = {"kit", "extract", "grain", "adjunct", "hop", "yeast"};
    // Any other kind is yeast.
    const bool known = kind >= 0 && kind < static_cast<int>(std::size(files)) - 1;
    return QIcon(new ArtworkIconEngine(artwork(files[known ? kind : std::size(files) - 1])));
}

QIcon IconFactory::appIcon() {
    return QIcon(new ArtworkIconEngine(artwork("app")));
}

} // namespace wsc
