#pragma once

#include "core/calculators/SolverCalculator.h"

namespace wsc {

// Alcohol by volume to or from alcohol by weight: ABV = ABW × 1.25.
class AbvAbwConverter : public SolverCalculator {
public:
    enum Field { Abv, Abw };

    explicit AbvAbwConverter(Prompter& prompter);

    QString title() const override {
        return QStringLiteral("Alcohol by Volume to/from Alcohol by Weight");
    }
    const std::vector<CalcFieldSpec>& fields() const override;
    int quantityCount() const override { return 2; }
    QStringList unknownNames() const override { return {}; }

protected:
    std::optional<int> solve(Work& work) override;
    void reset() override;
    int initialUnknown() const override { return Abw; }
};

} // namespace wsc
