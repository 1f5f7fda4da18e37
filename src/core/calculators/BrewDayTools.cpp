#include "core/calculators/BrewDayTools.h"

#include "core/settings/MessageCatalog.h"

#include <algorithm>
#include <cmath>

namespace wsc {
namespace {

constexpr double kInfinity = 1e12;
// Quarts per pound from litres per kilogram.
constexpr double kQuartsPerLbPerLitrePerKg = 4 * units::kKgPerLb / units::kLitresPerGallon;
constexpr double kLitresPerQuart = units::kLitresPerGallon / 4;

QString symbol(Unit unit) {
    return QString::fromUtf8(InfoOf(unit).symbol);
}

QString number(double v, int decimals) {
    QString t = QString::number(v, 'f', decimals);
    if (t.startsWith(u'-') && t.toDouble() == 0)
        t.remove(0, 1);
    return t;
}

} // namespace

UnitCalculator::UnitCalculator(Prompter& prompter, const UnitChoice& units)
    : SolverCalculator(prompter), m_units(units) {}

const char* UnitCalculator::keep(const QString& text) {
    m_strings.push_back(text.toUtf8());
    return m_strings.back().constData();
}

void UnitCalculator::add(const char* key, const QString& label, CalcFieldKind kind,
                         const QString& initial, std::optional<Unit> unit, const char* choices) {
    const QString shown = unit ? label.arg(symbol(*unit)) : label;
    CalcFieldSpec f{key, keep(shown), kind, keep(initial), "", false, choices};
    m_fields.push_back(f);
    m_unitOfField.push_back(unit);
}

double UnitCalculator::us(const Work& work, int field) const {
    const double v = work.values.at(std::size_t(field));
    const auto unit = unitOf(field);
    return unit ? ToStored(*unit, v) : v;
}

void UnitCalculator::show(Work& work, int field, double usValue, int decimals) const {
    const auto unit = unitOf(field);
    if (decimals < 0)
        decimals = unit ? InfoOf(*unit).decimals : 2;
    const double v = unit ? FromStored(*unit, usValue) : usValue;
    work.values[std::size_t(field)] = rounded(v, decimals);
    work.texts[field] = number(v, decimals);
}

std::optional<int> UnitCalculator::oneOfTwo(const Work& work) {
    const bool first = work.values[0] == 0;
    const bool second = work.values[1] == 0;
    if (first == second)
        return dataErrorText(
            QString::fromLatin1(Texts::kToolOneOfTwo).arg(FieldName(field(0)), FieldName(field(1))),
            0);
    return first ? 0 : 1;
}

bool UnitCalculator::within(const Work& work, int f, double lowUs, double highUs) {
    const double v = us(work, f);
    if (v >= lowUs - 1e-9 && v <= highUs + 1e-9)
        return true;
    const auto unit = unitOf(f);
    const int decimals = unit ? InfoOf(*unit).decimals : 2;
    auto inUnit = [&](double x) { return number(unit ? FromStored(*unit, x) : x, decimals); };
    dataErrorText(QString::fromLatin1(Texts::kToolOutOfRange)
                      .arg(FieldName(field(f)), work.texts.value(f).trimmed(), inUnit(lowUs),
                           highUs >= kInfinity ? QStringLiteral("any more") : inUnit(highUs)),
                  f);
    return false;
}

Unit UnitCalculator::smallWeight() const {
    return m_units.weight == Unit::Kilogram ? Unit::Gram : Unit::Ounce;
}

// ---- Priming ----

PrimingCalculator::PrimingCalculator(Prompter& prompter, const UnitChoice& units)
    : UnitCalculator(prompter, units) {
    using K = CalcFieldKind;
    add("sugar", QStringLiteral("&Sugar (%1)"), K::Text, QString(), smallWeight());
    add("volumes", QStringLiteral("&Volumes of CO2"), K::Text, QString());
    add("beer", QStringLiteral("&Beer volume (%1)"), K::Number, QString(), units.volume);
    add("temperature", QStringLiteral("Beer &temperature (%1)"), K::Number, QString(),
        units.temperature);
    add("kind", QStringLiteral("Sugar &kind"), K::Whole, QStringLiteral("0"), std::nullopt,
        "corn sugar (dextrose);table sugar (sucrose);dry malt extract;honey");
    add("residual", QStringLiteral("CO2 still in the beer"), K::Result, QString());
    start();
}

QStringList PrimingCalculator::unknownNames() const {
    return {QStringLiteral("Sugar"), QStringLiteral("Volumes of CO2")};
}

double PrimingCalculator::gramsPerLitreVolume(int kind) {
    // One volume of CO2 in a litre is 1.977 g of it; glucose gives 0.4886 g of CO2 a gram as it
    // ferments. The share of each sugar that ferments as glucose would: sucrose gives more.
    constexpr double kGlucose = 1.977 / 0.4886;
    constexpr double kShare[] = {1.0, 1.0526, 0.70, 0.80};
    return kGlucose / kShare[std::clamp(kind, 0, 3)];
}

double PrimingCalculator::residualVolumes(double f) {
    return 3.0378 - 0.050062 * f + 0.00026555 * f * f;
}

std::optional<int> PrimingCalculator::solve(Work& w) {
    const auto unknown = oneOfTwo(w);
    if (!unknown)
        return std::nullopt;
    if (!within(w, Beer, 0.01, 10000) || !within(w, Temperature, 32, 100) ||
        !within(w, Kind, 0, 3) || (*unknown != Volumes && !within(w, Volumes, 0, 6)))
        return std::nullopt;
    const double fahrenheit = us(w, Temperature);
    const double residual = residualVolumes(fahrenheit);
    const double litres = us(w, Beer) * units::kLitresPerGallon;
    const double perVolume = gramsPerLitreVolume(int(w.values[Kind]));
    if (*unknown == Sugar) {
        const double added = w.values[Volumes] - residual;
        if (added < 0)
            return dataErrorText(
                QString::fromLatin1(Texts::kPrimingNoSugar)
                    .arg(w.texts[Temperature].trimmed() + u' ' + symbol(units().temperature),
                         number(residual, 2), w.texts[Volumes].trimmed()),
                Volumes);
        show(w, Sugar, added * litres * perVolume / 1000 / units::kKgPerLb);
    } else {
        const double grams = us(w, Sugar) * units::kKgPerLb * 1000;
        show(w, Volumes, residual + grams / (litres * perVolume), 2);
    }
    show(w, Residual, residual, 2);
    return unknown;
}

// ---- Hydrometer ----

HydrometerCorrection::HydrometerCorrection(Prompter& prompter, const UnitChoice& units)
    : UnitCalculator(prompter, units) {
    using K = CalcFieldKind;
    const bool celsius = units.temperature == Unit::Celsius;
    add("reading", QStringLiteral("&Reading"), K::Text, QString());
    add("corrected", QStringLiteral("&Corrected gravity"), K::Text, QString());
    add("sample", QStringLiteral("&Sample temperature (%1)"), K::Number, QString(),
        units.temperature);
    add("calibration", QStringLiteral("Ca&librated at (%1)"), K::Number,
        celsius ? QStringLiteral("20") : QStringLiteral("60"), units.temperature);
    start();
}

QStringList HydrometerCorrection::unknownNames() const {
    return {QStringLiteral("Reading"), QStringLiteral("Corrected gravity")};
}

double HydrometerCorrection::densityFactor(double t) {
    return 1.00130346 - 0.000134722124 * t + 0.00000204052596 * t * t -
           0.00000000232820948 * t * t * t;
}

std::optional<int> HydrometerCorrection::solve(Work& w) {
    const auto unknown = oneOfTwo(w);
    if (!unknown)
        return std::nullopt;
    const int given = *unknown == Reading ? Corrected : Reading;
    if (!within(w, given, 0.990, 1.2) || !within(w, SampleTemperature, 32, 212) ||
        !within(w, Calibration, 32, 212))
        return std::nullopt;
    const double ratio =
        densityFactor(us(w, SampleTemperature)) / densityFactor(us(w, Calibration));
    if (*unknown == Corrected)
        show(w, Corrected, w.values[Reading] * ratio, 3);
    else
        show(w, Reading, w.values[Corrected] / ratio, 3);
    return unknown;
}

// ---- Refractometer ----

RefractometerCalculator::RefractometerCalculator(Prompter& prompter, const UnitChoice& units)
    : UnitCalculator(prompter, units) {
    using K = CalcFieldKind;
    add("brix", QStringLiteral("&Original Brix"), K::Text, QString());
    add("og", QStringLiteral("Original &gravity"), K::Text, QString());
    add("current", QStringLiteral("C&urrent Brix (0 before fermentation)"), K::Number,
        QStringLiteral("0"));
    add("factor", QStringLiteral("&Wort correction factor"), K::Number, QStringLiteral("1.04"));
    add("gravity", QStringLiteral("Current gravity"), K::Result, QString());
    add("abv", QStringLiteral("Alcohol (% by volume)"), K::Result, QString());
    start();
}

QStringList RefractometerCalculator::unknownNames() const {
    return {QStringLiteral("Original Brix"), QStringLiteral("Original gravity")};
}

double RefractometerCalculator::gravityOfBrix(double b) {
    return 1 + b / (258.6 - b / 258.2 * 227.1);
}

double RefractometerCalculator::brixOfGravity(double sg) {
    // The exact inverse of gravityOfBrix.
    const double g = sg - 1;
    return 258.6 * g / (1 + g * 227.1 / 258.2);
}

double RefractometerCalculator::terrill(double ri, double rf) {
    return 1.0 - 0.0044993 * ri + 0.011774 * rf + 0.00027581 * ri * ri - 0.0012717 * rf * rf -
           0.0000072800 * ri * ri * ri + 0.000063293 * rf * rf * rf;
}

std::optional<int> RefractometerCalculator::solve(Work& w) {
    const auto unknown = oneOfTwo(w);
    if (!unknown)
        return std::nullopt;
    if (!within(w, Correction, 0.9, 1.2))
        return std::nullopt;
    const double factor = w.values[Correction];
    if (*unknown == OriginalGravity) {
        if (!within(w, OriginalBrix, 0, 40))
            return std::nullopt;
        show(w, OriginalGravity, gravityOfBrix(w.values[OriginalBrix] / factor), 3);
    } else {
        if (!within(w, OriginalGravity, 1.0, 1.2))
            return std::nullopt;
        show(w, OriginalBrix, brixOfGravity(w.values[OriginalGravity]) * factor, 1);
    }
    w.texts[CurrentGravity].clear();
    w.texts[Abv].clear();
    if (w.values[CurrentBrix] > 0) {
        if (!within(w, CurrentBrix, 0, w.values[OriginalBrix]))
            return std::nullopt;
        const double fg = terrill(w.values[OriginalBrix] / factor, w.values[CurrentBrix] / factor);
        show(w, CurrentGravity, fg, 3);
        show(w, Abv, (gravityOfBrix(w.values[OriginalBrix] / factor) - fg) * 131.25, 1);
    }
    return unknown;
}

// ---- Strike water ----

StrikeWaterCalculator::StrikeWaterCalculator(Prompter& prompter, const UnitChoice& units)
    : UnitCalculator(prompter, units) {
    using K = CalcFieldKind;
    const QString degrees = symbol(units.temperature);
    add("strike", QStringLiteral("&Strike water temperature (%1)"), K::Text, QString(),
        units.temperature);
    add("target", QStringLiteral("&Target mash temperature (%1)"), K::Text, QString(),
        units.temperature);
    add("grain", QStringLiteral("&Grain weight (%1)"), K::Number, QString(), units.weight);
    add("ratio",
        metricRatio() ? QStringLiteral("Water to grain &ratio (L/kg)")
                      : QStringLiteral("Water to grain &ratio (qt/lb)"),
        K::Number, metricRatio() ? QStringLiteral("2.6") : QStringLiteral("1.25"));
    add("grain-temperature", QStringLiteral("Grain t&emperature (%1)"), K::Number, QString(),
        units.temperature);
    add("allowance", QStringLiteral("Tun heat loss &allowance (%1)").arg(degrees), K::Number,
        QStringLiteral("0"));
    add("volume", QStringLiteral("Strike water (%1)"), K::Result, QString(), units.volume);
    start();
}

bool StrikeWaterCalculator::metricRatio() const {
    return units().volume == Unit::Litre && units().weight == Unit::Kilogram;
}

QStringList StrikeWaterCalculator::unknownNames() const {
    return {QStringLiteral("Strike water temperature"), QStringLiteral("Mash temperature")};
}

std::optional<int> StrikeWaterCalculator::solve(Work& w) {
    const auto unknown = oneOfTwo(w);
    if (!unknown)
        return std::nullopt;
    const int given = *unknown == Strike ? Target : Strike;
    // The allowance is what the tun takes out of the water: a few degrees, in either scale.
    if (!within(w, given, 32, 212) || !within(w, Grain, 0.01, kInfinity) ||
        !within(w, GrainTemperature, 0, 212) || !within(w, Allowance, 0, 30))
        return std::nullopt;
    const double ratioUs =
        metricRatio() ? w.values[Ratio] * kQuartsPerLbPerLitrePerKg : w.values[Ratio];
    if (ratioUs < 0.5 || ratioUs > 5) {
        const double f = metricRatio() ? kQuartsPerLbPerLitrePerKg : 1;
        return dataErrorText(QString::fromLatin1(Texts::kToolOutOfRange)
                                 .arg(FieldName(field(Ratio)), w.texts[Ratio].trimmed(),
                                      number(0.5 / f, 2), number(5 / f, 2)),
                             Ratio);
    }
    // The allowance is a difference of degrees: no offset between the scales.
    const double allowance =
        units().temperature == Unit::Celsius ? w.values[Allowance] * 9 / 5 : w.values[Allowance];
    const double k = 0.2 / ratioUs;
    const double grain = us(w, GrainTemperature);
    if (*unknown == Strike)
        show(w, Strike, k * (us(w, Target) - grain) + us(w, Target) + allowance);
    else
        show(w, Target, (us(w, Strike) - allowance + k * grain) / (1 + k));
    show(w, Volume, us(w, Grain) * ratioUs / 4);
    return unknown;
}

// ---- Mash infusion ----

MashInfusionCalculator::MashInfusionCalculator(Prompter& prompter, const UnitChoice& units)
    : UnitCalculator(prompter, units) {
    using K = CalcFieldKind;
    const QString water = metricVolume() ? QStringLiteral("L") : QStringLiteral("qt");
    const bool celsius = units.temperature == Unit::Celsius;
    add("water", QStringLiteral("&Hot water to add (%1)").arg(water), K::Text, QString());
    add("target", QStringLiteral("&Target temperature (%1)"), K::Text, QString(),
        units.temperature);
    add("grain", QStringLiteral("&Grain weight (%1)"), K::Number, QString(), units.weight);
    add("mash-water", QStringLiteral("&Water in the mash (%1)").arg(water), K::Number, QString());
    add("current", QStringLiteral("&Current mash temperature (%1)"), K::Number, QString(),
        units.temperature);
    add("water-temperature", QStringLiteral("Hot water t&emperature (%1)"), K::Number,
        celsius ? QStringLiteral("100") : QStringLiteral("212"), units.temperature);
    start();
}

QStringList MashInfusionCalculator::unknownNames() const {
    return {QStringLiteral("Hot water to add"), QStringLiteral("Target temperature")};
}

std::optional<int> MashInfusionCalculator::solve(Work& w) {
    const auto unknown = oneOfTwo(w);
    if (!unknown)
        return std::nullopt;
    if (!within(w, Grain, 0.01, kInfinity) || !within(w, Current, 32, 212) ||
        !within(w, WaterTemperature, 32, 212) || (*unknown == Water && !within(w, Target, 32, 212)))
        return std::nullopt;
    const double toQuarts = metricVolume() ? 1 / kLitresPerQuart : 1;
    const double mass = 0.2 * us(w, Grain) + w.values[MashWater] * toQuarts;
    const double t1 = us(w, Current);
    const double tw = us(w, WaterTemperature);
    auto refuse = [&](int high, int low) {
        return dataErrorText(QString::fromLatin1(Texts::kToolNotAbove)
                                 .arg(FieldName(field(high)), w.texts[high].trimmed(),
                                      FieldName(field(low)), w.texts[low].trimmed()),
                             high);
    };
    if (*unknown == Water) {
        const double t2 = us(w, Target);
        if (tw <= t2)
            return refuse(WaterTemperature, Target);
        if (t2 <= t1)
            return refuse(Target, Current);
        const double quarts = (t2 - t1) * mass / (tw - t2);
        w.values[Water] = rounded(quarts / toQuarts, 2);
        w.texts[Water] = number(quarts / toQuarts, 2);
    } else {
        const double quarts = w.values[Water] * toQuarts;
        show(w, Target, (quarts * tw + mass * t1) / (quarts + mass));
    }
    return unknown;
}

// ---- Dilution ----

DilutionCalculator::DilutionCalculator(Prompter& prompter, const UnitChoice& units)
    : UnitCalculator(prompter, units) {
    using K = CalcFieldKind;
    add("final-volume", QStringLiteral("&Volume after (%1)"), K::Text, QString(), units.volume);
    add("final-gravity", QStringLiteral("&Gravity after"), K::Text, QString());
    add("volume", QStringLiteral("Volume &now (%1)"), K::Number, QString(), units.volume);
    add("gravity", QStringLiteral("Gravity n&ow"), K::Number, QString());
    add("water", QStringLiteral("Water to add, below 0 to boil off (%1)"), K::Result, QString(),
        units.volume);
    start();
}

QStringList DilutionCalculator::unknownNames() const {
    return {QStringLiteral("Volume after"), QStringLiteral("Gravity after")};
}

std::optional<int> DilutionCalculator::solve(Work& w) {
    const auto unknown = oneOfTwo(w);
    if (!unknown)
        return std::nullopt;
    if (!within(w, Volume, 0.01, kInfinity) || !within(w, Gravity, 1.001, 1.2))
        return std::nullopt;
    const double points = us(w, Volume) * (w.values[Gravity] - 1);
    double after = 0;
    if (*unknown == FinalVolume) {
        if (!within(w, FinalGravity, 1.001, 1.2))
            return std::nullopt;
        after = points / (w.values[FinalGravity] - 1);
        show(w, FinalVolume, after);
    } else {
        if (!within(w, FinalVolume, 0.01, kInfinity))
            return std::nullopt;
        after = us(w, FinalVolume);
        show(w, FinalGravity, 1 + points / after, 3);
    }
    show(w, WaterToAdd, after - us(w, Volume));
    return unknown;
}

} // namespace wsc
