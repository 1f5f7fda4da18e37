#pragma once

#include "core/calculators/SolverCalculator.h"

namespace wsc {

// OG = 1 + pounds × extract points / boil gallons × efficiency, solved for the original
// gravity, the weight of the fermentable, its extract potential or the boil volume; the
// original gravity is shown in degrees Balling too.
class GravityCalculator : public SolverCalculator {
public:
    enum Field { Og, Weight, Potential, Volume, Efficiency, Balling };
    enum class Source { Extract, Grain, Adjunct };

    explicit GravityCalculator(Prompter& prompter);

    QString title() const override { return QStringLiteral("Original Gravity Calculator"); }
    const std::vector<CalcFieldSpec>& fields() const override;
    int quantityCount() const override { return 4; }
    QStringList unknownNames() const override;

    bool kilograms() const { return m_kilograms; }
    // Used at the next calculation.
    void setKilograms(bool kilograms) { m_kilograms = kilograms; }

    // A fermentable chosen from a lookup: its gravity becomes the extract potential; extracts
    // and adjuncts are used at 100% efficiency (the field locked), grains at 80%.
    void chooseSource(Source source, const QString& name, double specificGravity);
    const QString& sourceName() const { return m_sourceName; }
    bool efficiencyLocked() const { return m_efficiencyLocked; }

protected:
    std::optional<int> solve(Work& work) override;
    void reset() override;
    int clearFocusField() const override { return Weight; }

private:
    bool m_kilograms = false;
    bool m_efficiencyLocked = false;
    QString m_sourceName;
};

} // namespace wsc
