#pragma once

#include "core/calculators/SolverCalculator.h"

namespace wsc {

// ABV = (OG − TG) points × 0.1275, solved for the alcohol, the original or the terminal
// gravity. Without a terminal gravity the alcohol is predicted from the yeast's attenuation;
// the alcohol by weight is shown beside it.
class AlcoholCalculator : public SolverCalculator {
public:
    enum Field { Abv, Og, Tg, Attenuation, Abw };

    explicit AlcoholCalculator(Prompter& prompter);

    QString title() const override { return QStringLiteral("Alcohol Content Calculator"); }
    const std::vector<CalcFieldSpec>& fields() const override;
    int quantityCount() const override { return 3; }
    QStringList unknownNames() const override;

protected:
    std::optional<int> solve(Work& work) override;
    void reset() override;
};

} // namespace wsc
