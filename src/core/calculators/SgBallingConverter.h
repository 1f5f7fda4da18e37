#pragma once

#include "core/calculators/SolverCalculator.h"

namespace wsc {

// Specific gravity to or from degrees Balling: SG = B° × 0.004 + 1.
class SgBallingConverter : public SolverCalculator {
public:
    enum Field { Sg, Balling };

    explicit SgBallingConverter(Prompter& prompter);

    QString title() const override {
        return QStringLiteral("Specific Gravity to/from Balling Converter");
    }
    const std::vector<CalcFieldSpec>& fields() const override;
    int quantityCount() const override { return 2; }
    QStringList unknownNames() const override { return {}; }

protected:
    std::optional<int> solve(Work& work) override;
    void reset() override;
    int initialUnknown() const override { return Balling; }
};

} // namespace wsc
