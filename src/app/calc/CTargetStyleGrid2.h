#pragma once

#include "app/grid/CGWGrid.h"
#include "core/calc/Units.h"

namespace wsc {

class Prompter;
struct StyleRanges;

// The comparison grid of the target style dialog: the five predictions between the style's
// low and high bounds, "-" or "+" beside a value out of range, drawn red.
class CTargetStyleGrid2 : public CGWGrid {
    Q_OBJECT
public:
    static constexpr const char* kLayoutFile = "GWTargetStyle.gws";
    enum Row { RowGravity = 1, RowAlcohol, RowIBU, RowColor, RowHBU };

    static constexpr int kColumns = 6;

    // A layout file that cannot be used is reported through `prompter` and replaced by the
    // built-in one.
    CTargetStyleGrid2(const QString& layoutDirectory, Prompter* prompter,
                      QWidget* parent = nullptr);

    void setPredictions(double og, double abv, double ibu, double color, double hbu);
    void showRanges(const StyleRanges& ranges);
    double prediction(int row) const { return m_values[row]; }
    // The gravities in °Plato or as specific gravities; set before the predictions.
    void setGravityUnit(Unit unit);

private:
    QString gravityText(double sg) const;

    double m_values[6] = {};
    Unit m_gravityUnit = Unit::SpecificGravity;
};

} // namespace wsc
