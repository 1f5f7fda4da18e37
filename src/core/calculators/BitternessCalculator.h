#pragma once

#include "core/calculators/SolverCalculator.h"

namespace wsc {

class UtilizationTable;

// IBUs = alpha × utilization × mg/l of alpha acids added, solved for the IBUs, the hop weight,
// the alpha acid or the boil volume. The utilization comes from the table for the boil time
// and gravity; the HBUs follow the weight, alpha and boil time.
class BitternessCalculator : public SolverCalculator {
public:
    enum Field { Ibu, Weight, Alpha, Volume, Gravity, Time, Utilization, Hbu };

    BitternessCalculator(Prompter& prompter, const UtilizationTable& table);

    QString title() const override { return QStringLiteral("Bitterness Calculator"); }
    const std::vector<CalcFieldSpec>& fields() const override;
    int quantityCount() const override { return 4; }
    QStringList unknownNames() const override;
    void setText(int field, const QString& text) override;

    bool metric() const { return m_metric; }
    // The units for the next calculation, without calculating.
    void useMetric(bool metric) { m_metric = metric; }
    // "&English" or "&Metric" clicked: the units change and the unknown is solved again.
    bool setMetric(bool metric);
    QString weightUnit() const;
    QString volumeUnit() const;

    // The gravity or boil time field lost the focus: a changed value looks its utilization up
    // again. False when the lookup found none, and the focus goes back to that field.
    bool leaveGravityOrTime();
    double utilization() const { return m_utilization; }

    // A hop chosen from the lookup: its alpha acid goes into the alpha field.
    void chooseHop(const QString& name, double alpha);
    // "None Selected, 0.0" or the chosen hop with its alpha.
    QString hopLabel() const;

protected:
    std::optional<int> solve(Work& work) override;
    void reset() override;
    int clearFocusField() const override { return Weight; }

private:
    double lookup(long minutes, double gravity);

    const UtilizationTable& m_table;
    bool m_metric = false;
    bool m_gravityOrTimeChanged = false;
    double m_utilization = 0;
    QString m_hopName;
    double m_hopAlpha = 0;
};

} // namespace wsc
