#include "app/calc/CTargetStyleGrid2.h"

#include "core/calc/RecipeCalculator.h"
#include "core/calc/TargetStyles.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include "app/grid/CGWTabGridCtrl.h"

#include <QDir>
#include <QHeaderView>
#include <QTableWidget>

namespace wsc {

CTargetStyleGrid2::CTargetStyleGrid2(const QString& layoutDirectory, Prompter* prompter,
                                     QWidget* parent)
    : CGWGrid(parent) {
    setObjectName(QStringLiteral("targetStyleGrid"));
    const QString path = QDir(layoutDirectory).filePath(QString::fromLatin1(kLayoutFile));
    const QString problem = SetSettingsFile(path, {kColumns});
    if (!problem.isEmpty() && prompter)
        prompter->text(layoutProblemMessage(path, problem), PromptIcon::Exclamation);
    createSheets();
    tabs()->tabBar()->hide();
    const char* labels[] = {"Specific Gravity", "Alcohol %", "IBU", "Color", "HBU"};
    for (int r = 0; r < 5; ++r)
        SetCellText(r + 1, 0, QString::fromLatin1(labels[r]), 0);
    if (QTableWidget* t = table(0)) {
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setFocusPolicy(Qt::NoFocus);
    }
}

void CTargetStyleGrid2::setGravityUnit(Unit unit) {
    m_gravityUnit = unit;
    SetCellText(RowGravity, 0,
                unit == Unit::SpecificGravity ? QString::fromUtf8(Labels::kSpecificGravity)
                                              : QString::fromUtf8(Labels::kGravityPattern)
                                                    .arg(QString::fromUtf8(InfoOf(unit).symbol)),
                0);
}

QString CTargetStyleGrid2::gravityText(double sg) const {
    return FormatInUnit(m_gravityUnit, sg, -1, false);
}

void CTargetStyleGrid2::setPredictions(double og, double abv, double ibu, double color,
                                       double hbu) {
    m_values[RowGravity] = og;
    m_values[RowAlcohol] = abv;
    m_values[RowIBU] = ibu;
    m_values[RowColor] = color;
    m_values[RowHBU] = hbu;
    SetCellText(RowGravity, 3, gravityText(og), 0);
    SetCellText(RowAlcohol, 3, QString::asprintf("%.1f", abv), 0);
    SetCellText(RowIBU, 3, QString::asprintf("%.1f", ibu), 0);
    SetCellText(RowColor, 3, QString::asprintf("%.1f", color), 0);
    SetCellText(RowHBU, 3, QString::asprintf("%.1f", hbu), 0);
}

void CTargetStyleGrid2::showRanges(const StyleRanges& r) {
    const double lows[] = {0, r.gravityLo, r.alcoholLo, r.ibuLo, r.colorLo};
    const double highs[] = {0, r.gravityHi, r.alcoholHi, r.ibuHi, r.colorHi};
    for (int row = RowGravity; row <= RowColor; ++row) {
        auto shown = [&](double v) {
            return row == RowGravity ? gravityText(v) : QString::asprintf("%.1f", v);
        };
        SetCellText(row, 1, shown(lows[row]), 0);
        SetCellText(row, 5, shown(highs[row]), 0);
        SetCellText(row, 2, QString(), 0);
        SetCellText(row, 4, QString(), 0);
        const int where = CompareWithRange(m_values[row], lows[row], highs[row]);
        setCellTextColor(row, 3, where == 0 ? QColor(0, 0, 0) : QColor(255, 0, 0), 0);
        if (where < 0)
            SetCellText(row, 2, QStringLiteral("-"), 0);
        else if (where > 0)
            SetCellText(row, 4, QStringLiteral("+"), 0);
    }
}

} // namespace wsc
