#include "core/reference/HopsRules.h"

#include "core/db/dao/CDaoRecordset.h"
#include "core/db/records/Columns.h"
#include "core/document/FieldExchange.h"
#include "core/settings/MessageCatalog.h"

#include <cmath>

namespace wsc {
namespace {

const char* const kSubstitutes[HopsRules::kMaxSubstitutes] = {
    col::data::HopsSubstitute1, col::data::HopsSubstitute2, col::data::HopsSubstitute3,
    col::data::HopsSubstitute4};

double readOrZero(const QString& text) {
    bool ok = false;
    const double v = ReadTypedNumber(text, &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

bool outside(double v) {
    return v < 1 || v > 20;
}

} // namespace

std::optional<HopsRules::Problem> HopsRules::checkAlpha(const QString& alpha, const QString& low,
                                                        const QString& high) {
    const double a = readOrZero(alpha);
    const double l = readOrZero(low);
    const double h = readOrZero(high);
    const char* focus = nullptr;
    if (h != 0 && outside(h))
        focus = col::data::HopsAlphaHi;
    if (l != 0 && outside(l))
        focus = col::data::HopsAlphaLo;
    if (a == 0 || outside(a))
        focus = col::data::HopsAlpha;
    if (focus)
        return Problem{QString::fromLatin1(Texts::kAlphaBetween), focus};
    if (l + h == 0)
        return std::nullopt;
    if (h < l || l == 0 || a < l || a > h)
        return Problem{QString::fromLatin1(Texts::kAlphaRange), col::data::HopsAlpha};
    return std::nullopt;
}

QStringList HopsRules::substitutes(const CDaoRecordset& hops) {
    QStringList list;
    for (const char* column : kSubstitutes) {
        const QString name = hops.GetFieldValue(QString::fromLatin1(column)).toString();
        if (!name.isEmpty())
            list << name;
    }
    return list;
}

void HopsRules::storeSubstitutes(CDaoRecordset& hops, const QStringList& list) {
    QStringList names;
    for (const QString& n : list) {
        if (!n.isEmpty() && names.size() < kMaxSubstitutes)
            names << n;
    }
    for (int i = 0; i < kMaxSubstitutes; ++i)
        hops.SetFieldValue(QString::fromLatin1(kSubstitutes[i]),
                           i < names.size() ? QVariant(names.at(i)) : QVariant());
}

} // namespace wsc
