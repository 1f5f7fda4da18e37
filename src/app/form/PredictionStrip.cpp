#include "app/form/PredictionStrip.h"
#include "core/settings/WindowTexts.h"

#include "core/calc/BeerColor.h"

#include <QHBoxLayout>
#include <QPainter>

#include <algorithm>

namespace wsc {
namespace {

constexpr int kPad = 3;
constexpr int kBarHeight = 5;
const QColor kOutside(255, 0, 0); // as the Target Style grid shows a figure out of range

} // namespace

PredictionGauge::PredictionGauge(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PredictionGauge::setLine(const PredictionLine& line) {
    m_line = line;
    setObjectName(QStringLiteral("prediction") + line.brief);
    QString tip = line.name + QStringLiteral(": ") + line.shown;
    if (line.range)
        tip += QString::fromLatin1(Labels::kStyleRangeTip)
                   .arg(line.low, line.high,
                        QString::fromLatin1(line.where < 0   ? Labels::kBelow
                                            : line.where > 0 ? Labels::kAbove
                                                             : Labels::kWithin));
    setToolTip(line.shown.isEmpty() ? line.name : tip);
    update();
}

void PredictionGauge::setSwatch(std::optional<QColor> color) {
    m_swatch = color;
    update();
}

QString PredictionGauge::rangeText() const {
    return m_line.range ? m_line.low + QStringLiteral("\u2013") + m_line.high : QString();
}

std::optional<double> PredictionGauge::markerAt() const {
    if (!m_line.range || m_line.shown.isEmpty())
        return std::nullopt;
    // The range takes the middle half of the bar; beyond a quarter of the range's width on
    // either side the marker stays at the end.
    const auto [lo, hi] = *m_line.range;
    const double width = hi > lo ? hi - lo : std::max(std::abs(hi) * 0.1, 1e-3);
    const double at = 0.25 + (m_line.value - lo) / width * 0.5;
    return std::clamp(at, 0.0, 1.0);
}

QSize PredictionGauge::sizeHint() const {
    const QFontMetrics fm(font());
    const int lines = 2 * fm.height() + kBarHeight + 4 * kPad;
    return {fm.horizontalAdvance(QStringLiteral("BU:GU 1.000")) + 2 * kPad + fm.height(), lines};
}

QSize PredictionGauge::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("OG 1.000")) + 2 * kPad, sizeHint().height()};
}

void PredictionGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const QRect area = rect().adjusted(kPad, kPad, -kPad, -kPad);
    const bool outside = m_line.range && m_line.where != 0 && !m_line.shown.isEmpty();
    // First line: the short name, then the value in bold, red when out of the style.
    int x = area.left();
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(x, area.top(), area.width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
               m_line.brief);
    x += fm.horizontalAdvance(m_line.brief + u' ');
    if (m_swatch) {
        const int side = fm.height() - 4;
        const QRect patch(x, area.top() + 2, side, side);
        p.fillRect(patch, *m_swatch);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(patch.adjusted(0, 0, -1, -1));
        x += side + 3;
    }
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(outside ? kOutside : palette().color(QPalette::WindowText));
    const bool withUnit = !m_line.unit.isEmpty() && !m_line.shown.isEmpty();
    p.drawText(QRect(x, area.top(), area.right() - x, fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter,
               withUnit ? m_line.shown + u' ' + m_line.unit : m_line.shown);
    p.setFont(font());
    // Second line: the style's range, blank without a style.
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(QRect(area.left(), area.top() + fm.height(), area.width(), fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, rangeText());
    const std::optional<double> at = markerAt();
    if (!at)
        return;
    const QRect bar(area.left(), area.top() + 2 * fm.height() + kPad, area.width(), kBarHeight);
    p.fillRect(bar, palette().color(QPalette::Midlight));
    p.fillRect(QRect(bar.left() + bar.width() / 4, bar.top(), bar.width() / 2, bar.height()),
               palette().color(QPalette::Mid));
    const int mx = bar.left() + static_cast<int>(*at * (bar.width() - 3));
    p.fillRect(QRect(mx, bar.top() - 2, 3, bar.height() + 4),
               outside ? kOutside : palette().color(QPalette::WindowText));
}

PredictionStrip::PredictionStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("predictionStrip"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (const PredictionLine& l : PredictionLines(Predictions{}, std::nullopt)) {
        auto* g = new PredictionGauge(this);
        g->setLine(l);
        layout->addWidget(g, 1);
        m_gauges.push_back(g);
    }
    clear();
}

void PredictionStrip::showPredictions(const Predictions& predictions,
                                      const std::optional<StyleRanges>& style,
                                      const UnitChoice& units) {
    const std::vector<PredictionLine> lines = PredictionLines(predictions, style, units);
    for (std::size_t i = 0; i < lines.size() && i < m_gauges.size(); ++i) {
        m_gauges[i]->setLine(lines[i]);
        // The colour line, in SRM or EBC, carries the beer's colour.
        m_gauges[i]->setSwatch(i + 1 == lines.size()
                                   ? std::optional(QColor::fromRgb(SrmRgb(predictions.srm())))
                                   : std::nullopt);
    }
}

void PredictionStrip::clear() {
    for (PredictionGauge* g : m_gauges) {
        PredictionLine blank;
        blank.name = g->line().name;
        blank.brief = g->line().brief;
        g->setLine(blank);
        g->setSwatch(std::nullopt);
    }
}

PredictionGauge* PredictionStrip::gauge(const QString& brief) const {
    for (PredictionGauge* g : m_gauges) {
        if (g->line().brief == brief)
            return g;
    }
    return nullptr;
}

} // namespace wsc
