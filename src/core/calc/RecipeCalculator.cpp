#include "core/calc/RecipeCalculator.h"

#include "core/calc/NumberLimits.h"
#include "core/calc/Units.h"

#include "core/db/records/CRecordSetRecipe.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <algorithm>
#include <cmath>

namespace wsc {

namespace {

constexpr double kKitVolumeEnglish = 5.0;
constexpr double kKitVolumeMetric = 18.92706;
constexpr double kDefaultEfficiency = 0.8;
constexpr double kDefaultAttenuation = 0.75;
constexpr double kAlcoholPerPoint = 0.1275;
constexpr double kPrimingAllowance = 0.5;

bool validGravity(double g) {
    return g >= 1.0 && g <= 1.2;
}

QString rowText(long row) {
    return QString::asprintf("%lu", static_cast<unsigned long>(row));
}

QString numberText(double value, const QString& typed) {
    return typed.isEmpty() ? QString::asprintf("%g", value) : typed;
}

} // namespace

RecipeInputs RecipeInputs::of(const CRecordSetRecipe& r) {
    return {r.m_RecipeBatchSize, r.m_RecipeBoilSize, r.m_RecipeMeasureEnglish,
            r.m_RecipeSystemEfficiencyExpected, r.m_RecipeFermPrimingName};
}

CalcStatusLook LookOf(CalcStatus status) {
    switch (status) {
    case CalcStatus::Errors:
        return {QStringLiteral("Errors"), 0xFF0000};
    case CalcStatus::NoErrors:
        return {QStringLiteral("No Errors"), 0x0000FF};
    case CalcStatus::NotDone:
        break;
    }
    return {QStringLiteral("Not Done"), 0x000000};
}

std::vector<CalcMessageLine> CalcMessageLines(QStringList& messages) {
    std::sort(messages.begin(), messages.end());
    messages.erase(std::unique(messages.begin(), messages.end()), messages.end());
    std::vector<CalcMessageLine> lines;
    unsigned long n = 0;
    for (const QString& m : messages) {
        const qsizetype colon = m.indexOf(u':');
        CalcMessageLine line{++n, m, QString()};
        if (colon >= 0) {
            line.level = m.left(colon);
            line.message = m.mid(colon + 2);
        }
        lines.push_back(line);
    }
    return lines;
}

int CompareWithRange(double value, double low, double high) {
    if (value < low)
        return -1;
    if (value > high)
        return 1;
    return 0;
}

RecipeCalculator::RecipeCalculator(IngredientSheets& sheets, const UtilizationTable& table)
    : m_sheets(sheets), m_table(table) {}

void RecipeCalculator::resetResults() {
    PredictedOG = PredictedABV = PredictedFG = TotalIBU = TotalHBU = PredictedColor = 0;
}

void RecipeCalculator::storeSystemEfficiencyActual(CRecordSetRecipe& recipe,
                                                   IngredientSheets& sheets,
                                                   const UtilizationTable& table,
                                                   const RecipeInputs& inputs) {
    if (recipe.m_RecipeSGOriginal <= 1.0)
        return;
    if (const auto e = systemEfficiencyActual(sheets, table, inputs, recipe.m_RecipeSGOriginal))
        recipe.m_RecipeSystemEfficiencyActual = *e;
}

std::optional<double> RecipeCalculator::systemEfficiencyActual(IngredientSheets& sheets,
                                                               const UtilizationTable& table,
                                                               RecipeInputs inputs,
                                                               double actualOG) {
    if (actualOG <= 1.0)
        return std::nullopt;
    inputs.efficiencyExpected = 100;
    RecipeCalculator full(sheets, table);
    full.setInputs(inputs);
    full.CalcOriginalGravity();
    const double points = (full.PredictedOG - 1) * 1000;
    if (!(points > 0))
        return std::nullopt;
    return (actualOG - 1) * 1000 / points * 100;
}

double RecipeCalculator::hopOunces(double weight, const QString& unit) {
    // Grams are converted whatever the caller; every other unit counts as ounces.
    return unit == QLatin1String("g") ? weight / units::kGramsPerOz : weight;
}

double RecipeCalculator::pounds(double weight, const QString& unit) {
    if (unit == QLatin1String("oz"))
        return weight * 0.0625;
    if (unit == QLatin1String("kg"))
        return weight * 2.2;
    if (unit == QLatin1String("g"))
        return weight * 0.0022;
    return weight;
}

void RecipeCalculator::AddCalcMessage(const QString& text) {
    CalcMessages << text;
    ++CalcMessageCount;
}

void RecipeCalculator::addFormatted(int id, const QStringList& inserts, long row) {
    AddCalcMessage(MessageCatalog::substitute(MessageCatalog::text(id), inserts, row));
}

std::optional<double> RecipeCalculator::quantity(int sheet, int row, int col, const char* what,
                                                 const char* kind) {
    const QString text = m_sheets.cellText(sheet, row, col);
    // What another tool stored beyond any batch (1e26 pounds) counts as a bad value too, as it
    // would be refused where it is typed.
    const double v = ReadDouble(text);
    if (CheckNumber(v, true) == NumberFault::None)
        return v;
    AddCalcMessage(MessageCatalog::substitute(
        QString::fromLatin1(Texts::kBadCellValue),
        {QString::fromLatin1(what), text.trimmed(), QString::fromLatin1(kind)}, row));
    return std::nullopt;
}

bool RecipeCalculator::usableSize(double value, const QString& text, const char* field,
                                  int zeroMessage) {
    if (value > 0 && CheckNumber(value, true) == NumberFault::None)
        return true;
    if (value == 0 && text.isEmpty())
        addFormatted(zeroMessage, {});
    else
        AddCalcMessage(
            MessageCatalog::substitute(QString::fromLatin1(Texts::kBadRecipeValueBypassed),
                                       {QString::fromLatin1(field), numberText(value, text)}));
    return false;
}

double RecipeCalculator::gravityPart(int sheet, int weightCol, int unitCol, int gravityCol,
                                     const char* word,
                                     const std::function<double(int row)>& assumed, int skipCol,
                                     int zeroMessage, const QString& zeroWord) {
    double sum = 0;
    const int n = m_sheets.ingredientCount(sheet);
    for (int r = 1; r <= n; ++r) {
        if (skipCol >= 0 && m_sheets.cellText(sheet, r, skipCol) == QLatin1String("0"))
            continue;
        const auto weight =
            quantity(sheet, r, weightCol, sheet == SheetAdjuncts ? "Amount" : "Weight", word);
        if (!weight)
            continue;
        const double w = pounds(*weight, m_sheets.cellText(sheet, r, unitCol));
        if (w == 0) {
            addFormatted(zeroMessage, {zeroWord, rowText(r)});
            continue;
        }
        const QString gText = m_sheets.cellText(sheet, r, gravityCol);
        const double g = ReadDouble(gText);
        double p = g - 1;
        if (!validGravity(g)) {
            addFormatted(Msg::kBadGravityWarning, {gText, QString::fromLatin1(word)}, r);
            p = assumed(r);
        }
        sum += p * w;
    }
    return sum;
}

void RecipeCalculator::CalcOriginalGravity() {
    m_ogComputed = true;
    if (m_ogReplay.active && m_ogReplay.valid) {
        PredictedOG = m_ogReplay.og;
        for (const QString& m : m_ogReplay.messages)
            AddCalcMessage(m);
        return;
    }
    const qsizetype firstMessage = CalcMessages.size();
    computeOriginalGravity();
    if (m_ogReplay.active) {
        m_ogReplay.valid = true;
        m_ogReplay.og = PredictedOG;
        m_ogReplay.messages = CalcMessages.mid(firstMessage);
    }
}

void RecipeCalculator::computeOriginalGravity() {
    PredictedOG = 0;
    const double b = m_in.batchSize;
    if (!usableSize(b, m_in.batchSizeText, "Batch Size", Msg::kBatchSizeZeroInOg))
        return;
    const double v = m_in.measureEnglish == 1 ? kKitVolumeMetric : kKitVolumeEnglish;

    double kitPoints = 0;
    for (int r = 1; r <= m_sheets.ingredientCount(SheetKits); ++r) {
        const QString gText = m_sheets.cellText(SheetKits, r, 5);
        const double g = ReadDouble(gText);
        if (validGravity(g))
            kitPoints += g - 1;
        else
            addFormatted(Msg::kBadGravityWarning, {gText, QStringLiteral("Kit")}, r);
    }
    const double kitPart = kitPoints * v / b;

    const double extractSum = gravityPart(
        SheetExtracts, 3, 4, 7, "Extract",
        [this](int r) {
            const bool dry = m_sheets.cellText(SheetExtracts, r, 5) == QLatin1String("Dry");
            addFormatted(
                Msg::kAssumedPotential,
                {dry ? QStringLiteral(".045") : QStringLiteral(".037"), QStringLiteral("Extract")},
                r);
            return dry ? 0.045 : 0.037;
        },
        -1, Msg::kWeightMissing, QStringLiteral("Extract"));

    const double grainSum = gravityPart(
        SheetGrains, 1, 2, 3, "Grain",
        [this](int r) {
            addFormatted(Msg::kAssumedPotential, {QStringLiteral(".028"), QStringLiteral("Grain")},
                         r);
            return 0.028;
        },
        -1, Msg::kWeightMissing, QStringLiteral("Grain"));
    double e = m_in.efficiencyExpected * 0.01;
    if (m_in.efficiencyExpected == 0 && m_in.efficiencyText.isEmpty()) {
        e = kDefaultEfficiency;
        addFormatted(Msg::kAssumedEfficiency, {QStringLiteral("80%")});
    } else if (!(m_in.efficiencyExpected > 0) || !std::isfinite(m_in.efficiencyExpected)) {
        e = kDefaultEfficiency;
        AddCalcMessage(
            MessageCatalog::substitute(QString::fromLatin1(Texts::kBadEfficiencyAssumed),
                                       {QStringLiteral("Expected Efficiency"),
                                        numberText(m_in.efficiencyExpected, m_in.efficiencyText)}));
    }

    const double adjunctSum = gravityPart(
        SheetAdjuncts, 1, 2, 4, "Adjunct",
        [this](int r) {
            addFormatted(Msg::kAssumedPotential,
                         {QStringLiteral(".042"), QStringLiteral("Adjunct")}, r);
            return 0.042;
        },
        3, Msg::kAmountMissing, QStringLiteral("Adjunct"));

    PredictedOG = 1 + kitPart + extractSum / b + grainSum / b * e + adjunctSum / b;
}

void RecipeCalculator::CalcHopRow(int row, bool /*unitFlag*/) {
    if (!usableSize(m_in.boilSize, m_in.boilSizeText, "Boil Size", Msg::kBoilSizeZero))
        return;
    CalcOriginalGravity();
    const auto time = quantity(SheetHops, row, 4, "Boil Time", "Hops");
    const auto alphaValue = quantity(SheetHops, row, 1, "Alpha", "Hops");
    const auto weight = quantity(SheetHops, row, 2, "Weight", "Hops");
    if (!time || !alphaValue || !weight) {
        // A row with a quantity that cannot be has no bitterness, not a negative one.
        writeHopCells(row, 0, 0);
        return;
    }
    const long t = ReadWhole(m_sheets.cellText(SheetHops, row, 4));
    const double u = m_table.lookup(t, PredictedOG, false, nullptr,
                                    [this](const QString& m) { AddCalcMessage(m); });
    const double alpha = *alphaValue;
    const double w = hopOunces(*weight, m_sheets.cellText(SheetHops, row, 3));
    const double ibu = alpha * 0.01 * w * u * 7490 / m_in.boilSize;
    const double hbu = static_cast<double>(t) * (1.0 / 60) * w * alpha;
    writeHopCells(row, ibu, hbu);
}

void RecipeCalculator::writeHopCells(int row, double ibu, double hbu) {
    const QString ibuText = QString::asprintf("%.0f", ibu);
    const QString hbuText = QString::asprintf("%.1f", hbu);
    if (ibuText != m_sheets.cellText(SheetHops, row, 5)) {
        m_sheets.setCellText(SheetHops, row, 5, ibuText);
        m_sheets.redrawCell(SheetHops, row, 5);
        if (m_onModified)
            m_onModified();
    }
    QString oldHbu = m_sheets.cellText(SheetHops, row, 6);
    if (!oldHbu.contains(u'.'))
        oldHbu += QStringLiteral(".0");
    if (hbuText != oldHbu) {
        m_sheets.setCellText(SheetHops, row, 6, hbuText);
        m_sheets.redrawCell(SheetHops, row, 6);
        if (m_onModified)
            m_onModified();
    }
    m_sheets.redrawRow(SheetHops, row);
}

void RecipeCalculator::CalcBitterness() {
    TotalIBU = 0;
    TotalHBU = 0;
    m_ogReplay = OgReplay{};
    m_ogReplay.active = true;
    for (int r = 1; r <= m_sheets.ingredientCount(SheetHops); ++r) {
        CalcHopRow(r, false);
        TotalIBU += ReadDouble(m_sheets.cellText(SheetHops, r, 5));
        TotalHBU += ReadDouble(m_sheets.cellText(SheetHops, r, 6));
    }
    m_ogReplay = OgReplay{};
    for (int r = 1; r <= m_sheets.ingredientCount(SheetKits); ++r)
        TotalHBU += quantity(SheetKits, r, 2, "HBU", "Kit").value_or(0);
    for (int r = 1; r <= m_sheets.ingredientCount(SheetExtracts); ++r)
        TotalHBU += quantity(SheetExtracts, r, 2, "HBU", "Extract").value_or(0);
}

void RecipeCalculator::CalcAlcohol() {
    int validCount = 0;
    double valid = 0;
    for (int r = 1; r <= m_sheets.ingredientCount(SheetYeasts); ++r) {
        const auto amount = quantity(SheetYeasts, r, 4, "Amount", "Yeast");
        if (!amount)
            continue;
        if (*amount == 0) {
            addFormatted(Msg::kAmountMissing, {QStringLiteral("Yeast"), rowText(r)});
            continue;
        }
        const QString aText = m_sheets.cellText(SheetYeasts, r, 6);
        const double a = ReadDouble(aText);
        if (a >= 1 && a < 100) {
            ++validCount;
            valid = a;
        } else {
            addFormatted(Msg::kBadAttenuationWarning, {aText, QStringLiteral("Yeast")}, r);
            addFormatted(Msg::kAssumedAttenuation, {QStringLiteral("75"), QStringLiteral("Yeast")},
                         r);
        }
    }
    double attenuation = valid * 0.01;
    if (validCount != 1) {
        addFormatted(Msg::kDefaultAttenuationUsed, {});
        attenuation = kDefaultAttenuation;
    }
    // "Corn Sugar (Dextrose)" is a sugar as much as "cane sugar" is.
    const double priming = m_in.primingName.contains(QLatin1String("sugar"), Qt::CaseInsensitive)
                               ? kPrimingAllowance
                               : 0;
    PredictedABV =
        PredictedOG > 1.0 ? (PredictedOG - 1) * 1000 * attenuation * kAlcoholPerPoint + priming : 0;
    PredictedFG = PredictedOG > 1.0 ? 1 + (PredictedOG - 1) * (1 - attenuation) : 0;
}

void RecipeCalculator::CalcColor() {
    PredictedColor = 0;
    const double b = m_in.batchSize;
    if (!usableSize(b, m_in.batchSizeText, "Batch Size", Msg::kBatchSizeZero))
        return;
    const bool metric = m_in.measureEnglish == 1;
    const double v = metric ? kKitVolumeMetric : kKitVolumeEnglish;
    const double top = metric ? 2000 : 500;
    auto validColor = [top](double l) { return l >= 1 && l <= top; };

    double kitSum = 0;
    for (int r = 1; r <= m_sheets.ingredientCount(SheetKits); ++r) {
        const QString lText = m_sheets.cellText(SheetKits, r, 6);
        const double l = ReadDouble(lText);
        if (validColor(l))
            kitSum += l;
        else
            addFormatted(Msg::kBadColorWarning, {lText, QStringLiteral("Kit")}, r);
    }
    const double kitPart = v / b * kitSum;

    struct Kind {
        int sheet, weightCol, unitCol, colorCol, skipCol, zeroMessage;
        const char* word;
    };
    const Kind kinds[] = {{SheetExtracts, 3, 4, 8, -1, Msg::kWeightMissing, "Extract"},
                          {SheetGrains, 1, 2, 4, -1, Msg::kWeightMissing, "Grain"},
                          {SheetAdjuncts, 1, 2, 5, 3, Msg::kAmountMissing, "Adjunct"}};
    double sum = 0;
    for (const Kind& k : kinds) {
        const QString word = QString::fromLatin1(k.word);
        for (int r = 1; r <= m_sheets.ingredientCount(k.sheet); ++r) {
            if (k.skipCol >= 0 && m_sheets.cellText(k.sheet, r, k.skipCol) == QLatin1String("0"))
                continue;
            const auto weight = quantity(k.sheet, r, k.weightCol,
                                         k.sheet == SheetAdjuncts ? "Amount" : "Weight", k.word);
            if (!weight)
                continue;
            const double w = pounds(*weight, m_sheets.cellText(k.sheet, r, k.unitCol));
            if (w == 0) {
                addFormatted(k.zeroMessage, {word, rowText(r)});
                continue;
            }
            const QString lText = m_sheets.cellText(k.sheet, r, k.colorCol);
            const double l = ReadDouble(lText);
            if (validColor(l))
                sum += w * l;
            else
                addFormatted(Msg::kBadColorWarning, {lText, word}, r);
        }
    }
    PredictedColor = kitPart + sum / b;
}

CalcStatus RecipeCalculator::RunCalculations(bool showWarning) {
    CalcMessageCount = 0;
    CalcMessages.clear();
    m_ogComputed = false;
    CalcBitterness();
    // Without a hop row step the gravity would be left over from an earlier recipe.
    if (!m_ogComputed)
        CalcOriginalGravity();
    CalcAlcohol();
    CalcColor();
    status = CalcMessageCount > 0 ? CalcStatus::Errors : CalcStatus::NoErrors;
    if (m_onStatus)
        m_onStatus();
    if (status == CalcStatus::Errors && m_displayWarnings && showWarning && m_prompter)
        m_prompter->message(Msg::kCalculationWarnings, {}, PromptIcon::Information);
    return status;
}

bool RecipeCalculator::OnMsgs() {
    RunCalculations(false);
    if (CalcMessageCount > 0)
        return true;
    if (m_displayWarnings && m_prompter)
        m_prompter->message(Msg::kNoCalculationMessages, {}, PromptIcon::Information);
    return false;
}

} // namespace wsc
