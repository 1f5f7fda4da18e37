#pragma once

#include "core/calc/Units.h"
#include "core/calculators/SolverCalculator.h"

#include <deque>

namespace wsc {

// A calculator whose fields are in the brewer's units: the labels say the unit, the values are
// typed and shown in it and worked in US measure inside, so every unit gives the same answer.
class UnitCalculator : public SolverCalculator {
public:
    const std::vector<CalcFieldSpec>& fields() const override { return m_fields; }
    // Every tool solves for one of its first two fields.
    int quantityCount() const override { return 2; }
    const UnitChoice& units() const { return m_units; }

protected:
    UnitCalculator(Prompter& prompter, const UnitChoice& units);
    // Clear: every field as the tool opened with it.
    void reset() override { start(); }

    // A field whose label may hold %1 for `unit`'s symbol.
    void add(const char* key, const QString& label, CalcFieldKind kind, const QString& initial,
             std::optional<Unit> unit = std::nullopt, const char* choices = nullptr);
    // The value of a field in US measure, and a US value in the field's unit as its text.
    double us(const Work& work, int field) const;
    void show(Work& work, int field, double usValue, int decimals = -1) const;
    std::optional<Unit> unitOf(int field) const { return m_unitOfField.at(std::size_t(field)); }

    // The two quantities: the one left blank (0) is solved for; none or both is refused.
    std::optional<int> oneOfTwo(const Work& work);
    // Refuses a field outside its range (given in US measure, shown in the field's unit).
    bool within(const Work& work, int field, double lowUs, double highUs);

    // Small weights (sugar) in ounces or grams; volumes of mash water in quarts or litres.
    Unit smallWeight() const;
    bool metricVolume() const { return m_units.volume == Unit::Litre; }

private:
    const char* keep(const QString& text);

    UnitChoice m_units;
    std::vector<CalcFieldSpec> m_fields;
    std::vector<std::optional<Unit>> m_unitOfField;
    std::deque<QByteArray> m_strings;
};

// Priming sugar for a carbonation: the sugar's weight or the volumes of CO₂ it gives, from the
// beer's volume and the highest temperature it reached after fermentation (the CO₂ still held,
// 3.0378 − 0.050062 T + 0.00026555 T², T in °F) and the sugar's fermentable share.
class PrimingCalculator : public UnitCalculator {
public:
    enum Field { Sugar, Volumes, Beer, Temperature, Kind, Residual };
    enum SugarKind { CornSugar, TableSugar, DryMaltExtract, Honey };

    PrimingCalculator(Prompter& prompter, const UnitChoice& units);
    QString title() const override { return QStringLiteral("Priming and Carbonation"); }
    QStringList unknownNames() const override;
    // Grams of the sugar per litre of beer for one volume of CO₂.
    static double gramsPerLitreVolume(int kind);
    // The volumes of CO₂ a beer holds at `fahrenheit`.
    static double residualVolumes(double fahrenheit);

protected:
    std::optional<int> solve(Work& work) override;
};

// A hydrometer read away from its calibration temperature: the gravity it would show at that
// temperature, by the ratio of water's density (a published cubic in °F) at the two.
class HydrometerCorrection : public UnitCalculator {
public:
    enum Field { Reading, Corrected, SampleTemperature, Calibration };

    HydrometerCorrection(Prompter& prompter, const UnitChoice& units);
    QString title() const override { return QStringLiteral("Hydrometer Temperature Correction"); }
    QStringList unknownNames() const override;
    // Water's density relative to its density at 60 °F.
    static double densityFactor(double fahrenheit);

protected:
    std::optional<int> solve(Work& work) override;
};

// A refractometer's Brix as a gravity: before fermentation through the wort correction factor,
// and once alcohol is present by Terrill's cubic (2011) from the original and current readings.
class RefractometerCalculator : public UnitCalculator {
public:
    enum Field { OriginalBrix, OriginalGravity, CurrentBrix, Correction, CurrentGravity, Abv };

    RefractometerCalculator(Prompter& prompter, const UnitChoice& units);
    QString title() const override { return QStringLiteral("Refractometer"); }
    QStringList unknownNames() const override;
    static double gravityOfBrix(double brix);
    static double brixOfGravity(double sg);
    // The current gravity from the original and current Brix, both already corrected.
    static double terrill(double originalBrix, double currentBrix);

protected:
    std::optional<int> solve(Work& work) override;
};

// The strike water: its temperature for a mash temperature, or the mash temperature it gives,
// from the grain's weight and temperature and the water-to-grain ratio (Tw = 0.2/r (T2 − T1) +
// T2 in quarts per pound and °F), plus what the tun takes; and its volume.
class StrikeWaterCalculator : public UnitCalculator {
public:
    enum Field { Strike, Target, Grain, Ratio, GrainTemperature, Allowance, Volume };

    StrikeWaterCalculator(Prompter& prompter, const UnitChoice& units);
    QString title() const override { return QStringLiteral("Strike Water"); }
    QStringList unknownNames() const override;

protected:
    std::optional<int> solve(Work& work) override;

private:
    bool metricRatio() const;
};

// An infusion to the next mash step: the hot water to add, or the temperature an amount of it
// reaches (Wa = (T2 − T1)(0.2 G + Wm) / (Tw − T2), quarts, pounds and °F).
class MashInfusionCalculator : public UnitCalculator {
public:
    enum Field { Water, Target, Grain, MashWater, Current, WaterTemperature };

    MashInfusionCalculator(Prompter& prompter, const UnitChoice& units);
    QString title() const override { return QStringLiteral("Mash Infusion"); }
    QStringList unknownNames() const override;

protected:
    std::optional<int> solve(Work& work) override;
};

// Dilution and boil-off: the volume a wort reaches a gravity at, or the gravity at a volume,
// its gravity points kept; water to add (below 0: to boil off).
class DilutionCalculator : public UnitCalculator {
public:
    enum Field { FinalVolume, FinalGravity, Volume, Gravity, WaterToAdd };

    DilutionCalculator(Prompter& prompter, const UnitChoice& units);
    QString title() const override { return QStringLiteral("Dilution and Boil-off"); }
    QStringList unknownNames() const override;

protected:
    std::optional<int> solve(Work& work) override;
};

} // namespace wsc
