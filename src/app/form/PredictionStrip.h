#pragma once

#include "core/calc/Predictions.h"

#include <QColor>
#include <QFrame>
#include <QWidget>

#include <optional>
#include <vector>

namespace wsc {

// One prediction on the strip: its short name and value, the style's range under it, and a bar
// with the range marked and a marker where the prediction falls: black inside the range, red
// outside it, as the Target Style grid colours them. Without a range the bar is left out.
class PredictionGauge : public QWidget {
    Q_OBJECT
public:
    explicit PredictionGauge(QWidget* parent = nullptr);
    void setLine(const PredictionLine& line);
    // A patch of the beer's colour beside the value.
    void setSwatch(std::optional<QColor> color);
    const PredictionLine& line() const { return m_line; }
    std::optional<QColor> swatch() const { return m_swatch; }
    QString rangeText() const;
    // Where the marker stands across the bar, 0 to 1; none without a range.
    std::optional<double> markerAt() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PredictionLine m_line;
    std::optional<QColor> m_swatch;
};

// The recipe at a glance: what the recipe on the form is predicted to be, each figure beside its
// target style's range.
class PredictionStrip : public QFrame {
    Q_OBJECT
public:
    explicit PredictionStrip(QWidget* parent = nullptr);
    // The gravities and the colour in `units`.
    void showPredictions(const Predictions& predictions, const std::optional<StyleRanges>& style,
                         const UnitChoice& units = {});
    // No recipe shown: every figure blank.
    void clear();
    // The gauge of a line by its short name ("OG", "SRM"), or null.
    PredictionGauge* gauge(const QString& brief) const;

private:
    std::vector<PredictionGauge*> m_gauges;
};

} // namespace wsc
