#pragma once

#include "core/calculators/SolverCalculator.h"

#include <limits>

namespace wsc {

// A converter between two readings of one thing, each found from the other by a straight
// line: second = (first − base) × toSecond, first = second × toFirst + base.
class TwoWayConverter : public SolverCalculator {
public:
    struct Reading {
        CalcFieldSpec field;
        const char* cleared; // the text Clear leaves
        int decimals;
        // A value above 0 outside [low, high] is refused with this message.
        double low;
        double high;
        int outOfRange;
    };
    struct Conversion {
        const char* title;
        Reading first;
        Reading second;
        double base;
        double toSecond;
        double toFirst;
        int noneZero; // solveOneOfTwo's messages
        int bothZero;
    };
    static constexpr double kNoLimit = std::numeric_limits<double>::infinity();

    TwoWayConverter(Prompter& prompter, const Conversion& conversion);

    QString title() const override { return QString::fromUtf8(m_conversion.title); }
    const std::vector<CalcFieldSpec>& fields() const override { return m_fields; }
    int quantityCount() const override { return 2; }
    QStringList unknownNames() const override { return {}; }

protected:
    std::optional<int> solve(Work& work) override;
    void reset() override;
    int initialUnknown() const override { return 1; }

private:
    const Reading& reading(int field) const;

    const Conversion& m_conversion;
    std::vector<CalcFieldSpec> m_fields;
};

// Alcohol by volume to or from alcohol by weight: ABV = ABW × 1.25.
class AbvAbwConverter : public TwoWayConverter {
public:
    enum Field { Abv, Abw };
    explicit AbvAbwConverter(Prompter& prompter);
};

// Specific gravity to or from degrees Balling: SG = B° × 0.004 + 1.
class SgBallingConverter : public TwoWayConverter {
public:
    enum Field { Sg, Balling };
    explicit SgBallingConverter(Prompter& prompter);
};

} // namespace wsc
