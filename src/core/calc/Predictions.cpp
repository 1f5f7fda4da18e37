#include "core/calc/Predictions.h"

#include "core/calc/BeerColor.h"
#include "core/db/records/CRecordSetRecipe.h"

namespace wsc {

QString OverlaySheets::cellText(int sheet, int row, int col) const {
    const auto it = m_written.find({sheet, row, col});
    return it == m_written.end() ? m_under.cellText(sheet, row, col) : it->second;
}

void OverlaySheets::setCellText(int sheet, int row, int col, const QString& text) {
    m_written[{sheet, row, col}] = text;
}

double Predictions::srm() const {
    return MoreySrm(mcu);
}

double Predictions::buGu() const {
    const double points = (og - 1) * 1000;
    return points > 0 ? ibu / points : 0;
}

Predictions Predict(const IngredientSheets& sheets, const UtilizationTable& table,
                    const RecipeInputs& inputs) {
    OverlaySheets scratch(sheets);
    RecipeCalculator calc(scratch, table);
    calc.setDisplayWarnings(false);
    calc.setInputs(inputs);
    calc.RunCalculations(false);
    Predictions p = PredictionsOf(calc);
    for (int r = 1; r <= scratch.ingredientCount(SheetHops); ++r)
        p.hopIbu.push_back(scratch.cellText(SheetHops, r, 5));
    return p;
}

Predictions PredictionsOf(const RecipeCalculator& calc) {
    Predictions p;
    p.status = calc.status;
    p.og = calc.PredictedOG;
    p.fg = calc.PredictedFG;
    p.abv = calc.PredictedABV;
    p.ibu = calc.TotalIBU;
    p.hbu = calc.TotalHBU;
    p.mcu = calc.PredictedColor;
    return p;
}

std::vector<GristShare> GristShares(const IngredientSheets& sheets) {
    struct Kind {
        int sheet, nameCol, weightCol, unitCol, fermentableCol;
    };
    const Kind kinds[] = {
        {SheetExtracts, 1, 3, 4, -1}, {SheetGrains, 0, 1, 2, -1}, {SheetAdjuncts, 0, 1, 2, 3}};
    std::vector<GristShare> bill;
    for (const Kind& k : kinds) {
        for (int r = 1; r <= sheets.ingredientCount(k.sheet); ++r) {
            if (k.fermentableCol >= 0 &&
                sheets.cellText(k.sheet, r, k.fermentableCol) == QLatin1String("0"))
                continue;
            const QString unit = sheets.cellText(k.sheet, r, k.unitCol).trimmed();
            // An adjunct measured by the spoon or cup has no weight to share.
            if (k.sheet == SheetAdjuncts && unit != QLatin1String("oz") &&
                unit != QLatin1String("lbs") && unit != QLatin1String("g") &&
                unit != QLatin1String("kg"))
                continue;
            bool ok = false;
            const double w = sheets.cellText(k.sheet, r, k.weightCol).toDouble(&ok);
            if (ok && w > 0)
                bill.push_back({k.sheet, r, sheets.cellText(k.sheet, r, k.nameCol),
                                RecipeCalculator::pounds(w, unit), 0});
        }
    }
    double total = 0;
    for (const GristShare& g : bill)
        total += g.pounds;
    for (GristShare& g : bill)
        g.percent = g.pounds / total * 100;
    return bill;
}

QString IngredientGlance::textFor(int sheet, int row) const {
    if (sheet == SheetHops) {
        const auto i = static_cast<std::size_t>(row - 1);
        return row >= 1 && i < hopIbu.size() && !hopIbu[i].isEmpty() ? hopIbu[i] + " IBU"
                                                                     : QString();
    }
    const auto it = share.find({sheet, row});
    return it == share.end() ? QString() : QString::asprintf("%.0f %%", it->second);
}

IngredientGlance GlanceOf(const IngredientSheets& sheets, const Predictions& predictions) {
    IngredientGlance g;
    for (const GristShare& s : GristShares(sheets))
        g.share[{s.sheet, s.row}] = s.percent;
    g.hopIbu = predictions.hopIbu;
    return g;
}

std::optional<StyleRanges> RecipeStyleRanges(const CRecordSetRecipe& r) {
    if (r.m_RecipeTargetStyle.trimmed().isEmpty())
        return std::nullopt;
    StyleRanges s;
    s.gravityLo = r.m_RecipeTargetSpGravLo;
    s.gravityHi = r.m_RecipeTargetSpGravHi;
    s.alcoholLo = r.m_RecipeTargetAlcoLo;
    s.alcoholHi = r.m_RecipeTargetAlcoHi;
    s.ibuLo = r.m_RecipeTargetIBULo;
    s.ibuHi = r.m_RecipeTargetIBUHi;
    s.colorLo = r.m_RecipeTargetColorLo;
    s.colorHi = r.m_RecipeTargetColorHi;
    return s;
}

std::vector<PredictionLine> PredictionLines(const Predictions& p,
                                            const std::optional<StyleRanges>& style,
                                            const UnitChoice& units) {
    using Range = std::optional<std::pair<double, double>>;
    auto of = [&](double lo, double hi) -> Range {
        return style ? Range(std::pair{lo, hi}) : std::nullopt;
    };
    const StyleRanges s = style.value_or(StyleRanges{});
    struct Made {
        const char* name;
        const char* brief;
        double value;
        const char* format;
        Range range;
        std::optional<Unit> unit = std::nullopt; // shown in this unit when not the stored one
    };
    const Made made[] = {
        {"Original Gravity", "OG", p.og, "%.3f", of(s.gravityLo, s.gravityHi), units.gravity},
        {"Final Gravity", "FG", p.fg, "%.3f", std::nullopt, units.gravity},
        {"Alcohol (% by volume)", "ABV", p.abv, "%.1f", of(s.alcoholLo, s.alcoholHi)},
        {"Bitterness (IBU)", "IBU", p.ibu, "%.0f", of(s.ibuLo, s.ibuHi)},
        {"Bitterness (HBU)", "HBU", p.hbu, "%.1f", std::nullopt},
        {"BU:GU", "BU:GU", p.buGu(), "%.2f", std::nullopt},
        {"Color (MCU)", "MCU", p.mcu, "%.1f", of(s.colorLo, s.colorHi)},
        // Style guides give colour in SRM: the range in malt colour units carried over.
        {"Color (SRM)", "SRM", p.srm(), "%.1f", of(MoreySrm(s.colorLo), MoreySrm(s.colorHi)),
         units.color},
    };
    std::vector<PredictionLine> out;
    for (const Made& m : made) {
        PredictionLine l;
        l.name = QString::fromLatin1(m.name);
        l.brief = QString::fromLatin1(m.brief);
        l.value = m.value;
        l.shown = QString::asprintf(m.format, m.value);
        l.range = m.range;
        if (m.range) {
            l.low = QString::asprintf(m.format, m.range->first);
            l.high = QString::asprintf(m.format, m.range->second);
            l.where = CompareWithRange(m.value, m.range->first, m.range->second);
        }
        // Another unit: the same figure and range, converted; where it falls stays as worked
        // out in the stored unit.
        if (m.unit && *m.unit != InfoOf(*m.unit).stored) {
            const Unit u = *m.unit;
            const QString symbol = QString::fromUtf8(InfoOf(u).symbol);
            if (u == Unit::Ebc) {
                l.name = QStringLiteral("Color (EBC)");
                l.brief = symbol;
            } else {
                l.name += QStringLiteral(" (%1)").arg(symbol);
                l.unit = symbol;
            }
            l.value = FromStored(u, m.value);
            l.shown = FormatInUnit(u, m.value, -1, false);
            if (m.range) {
                l.range = std::pair{FromStored(u, m.range->first), FromStored(u, m.range->second)};
                l.low = FormatInUnit(u, m.range->first, -1, false);
                l.high = FormatInUnit(u, m.range->second, -1, false);
            }
        }
        out.push_back(l);
    }
    return out;
}

} // namespace wsc
