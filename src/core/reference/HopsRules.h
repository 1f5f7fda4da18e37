#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace wsc {

class CDaoRecordset;

// The rules of the Hops dialog beyond required fields: the alpha acid and its range, and the
// list of up to four substitute hops.
class HopsRules {
public:
    static constexpr int kMaxSubstitutes = 4;
    static constexpr double kSpinLow = 1.0;
    static constexpr double kSpinHigh = 20.0;

    struct Problem {
        QString message;
        const char* focus; // the column whose control gets the focus
    };
    // Alpha A, low L and high H as typed (unreadable text counts as 0): each of them must be
    // from 1 to 20 (L and H may be 0), and A must lie in L..H when a range is given. Nothing
    // when the values are acceptable.
    static std::optional<Problem> checkAlpha(const QString& alpha, const QString& low,
                                             const QString& high);

    // The substitutes a row holds, in field order, without the empty ones.
    static QStringList substitutes(const CDaoRecordset& hops);
    // Writes the list into the four fields: all set empty (null), then filled from the first
    // four non-empty entries.
    static void storeSubstitutes(CDaoRecordset& hops, const QStringList& list);
};

} // namespace wsc
