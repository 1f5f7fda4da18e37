#include "core/reference/Lookups.h"

#include "core/settings/MessageCatalog.h"

#include "core/help/HelpContexts.h"

#include "core/db/records/CRecordSetAdjuncts.h"
#include "core/db/records/CRecordSetExtracts.h"
#include "core/db/records/CRecordSetGrains.h"
#include "core/db/records/CRecordSetHops.h"
#include "core/db/records/CRecordSetKits.h"
#include "core/db/records/CRecordSetYeast.h"

#include <functional>

namespace wsc {
namespace {

// A stored figure as the lists and the Info lines show it, to so many decimals.
QString decimals1(double v) {
    return QString::asprintf("%.1f", v);
}
QString decimals2(double v) {
    return QString::asprintf("%.2f", v);
}
QString decimals3(double v) {
    return QString::asprintf("%.3f", v);
}

// Opens the set on its index and calls `each` for every row until it returns false.
template <class Set, class Each> void walk(CDaoDatabase& data, const char* index, Each each) {
    Set rs(&data);
    rs.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    rs.SetCurrentIndex(QString::fromLatin1(index));
    rs.MoveFirst();
    while (!rs.IsEOF()) {
        if (!each(rs))
            return;
        rs.MoveNext();
    }
}

} // namespace

const LookupSpec& SpecOf(LookupKind kind) {
    static const LookupSpec specs[] = {
        {LookupKind::Hops,
         "Name,Alpha,Origin",
         {kSortText, kSortNumber, kSortText},
         {4, 2, 4},
         "IndexHopsNameAlpha",
         "Hops",
         HelpContext::kHops},
        {LookupKind::Grains,
         "Category,Name",
         {kSortText, kSortText},
         {6, 5},
         "IndexGrainsCategoryName",
         "Grain",
         HelpContext::kGrains},
        {LookupKind::Extracts,
         "Manufacturer,Name",
         {kSortText, kSortText},
         {6, 5},
         "IndexExtractsManufName",
         "Extract",
         HelpContext::kExtracts},
        {LookupKind::Kits,
         "Manufacturer,Style",
         {kSortText, kSortText},
         {6, 5},
         "IndexKitsManufStyle",
         "Kit",
         HelpContext::kKits},
        {LookupKind::Yeast,
         "Manufacturer,Strain",
         {kSortText, kSortText},
         {6, 5},
         "IndexYeastManufStrain",
         "Yeast",
         HelpContext::kYeasts},
        {LookupKind::Adjuncts,
         "Name",
         {kSortText},
         {8},
         "IndexAdjunctsName",
         "Adjuncts",
         HelpContext::kAdjuncts},
    };
    return specs[static_cast<int>(kind)];
}

QString AdjunctHeader(AdjunctMode mode) {
    switch (mode) {
    case AdjunctMode::FermentableOnly:
        return QStringLiteral("Name (Fermentable Only)");
    case AdjunctMode::PrimingOnly:
        return QStringLiteral("Name (Priming Only)");
    case AdjunctMode::All:
        break;
    }
    return QStringLiteral("Name");
}

namespace {

// An Info line of a pattern with its values.
QString infoLine(const char* pattern, const QString& one) {
    return QString::fromLatin1(pattern).arg(one);
}
QString infoLine(const char* pattern, const QString& one, const QString& two) {
    return QString::fromLatin1(pattern).arg(one, two);
}

// Each kind once: the row's identifier, its list texts, what choosing it returns and its
// "Info" lines.
struct HopsKind {
    using Set = CRecordSetHops;
    static long id(const Set& r) { return r.m_HopsID; }
    static QStringList texts(const Set& r) {
        return {r.m_HopsName, decimals1(r.m_HopsAlpha), r.m_HopsOrigin};
    }
    static LookupResult result(const Set& r) {
        LookupResult x;
        x.name = r.m_HopsName;
        x.alpha = r.m_HopsAlpha;
        return x;
    }
    static QString info(const Set& r) {
        static const char* stability[] = {"Poor", "Fair", "Good", "Very Good", "Excellent"};
        const int s = r.m_HopsStability;
        return infoLine("Name:\t\t%1\nAlpha:\t\t%2\n", r.m_HopsName, decimals1(r.m_HopsAlpha)) +
               infoLine("Alpha Range, Low:\t%1\nAlpha Range, High:\t%2\n",
                        decimals1(r.m_HopsAlphaLo), decimals1(r.m_HopsAlphaHi)) +
               infoLine("Stability:\t\t%1\nOrigin:\t\t%2\n",
                        s >= 0 && s <= 4 ? QString::fromLatin1(stability[s]) : QString::number(s),
                        r.m_HopsOrigin) +
               infoLine("Comments:\n%1\n", r.m_HopsComments);
    }
};

struct GrainsKind {
    using Set = CRecordSetGrains;
    static long id(const Set& r) { return r.m_GrainsID; }
    static QStringList texts(const Set& r) { return {r.m_GrainsCategory, r.m_GrainsName}; }
    static LookupResult result(const Set& r) {
        LookupResult x;
        x.name = r.m_GrainsName;
        x.specificGravity = r.m_GrainsSPGrav;
        x.color = r.m_GrainsColor;
        return x;
    }
    static QString info(const Set& r) {
        return infoLine("Category:\t%1\n", r.m_GrainsCategory) +
               infoLine("Name: \t%1\nColor: \t%2\n", r.m_GrainsName, decimals1(r.m_GrainsColor)) +
               infoLine("Protein: \t%1\nYield: \t%2\n", decimals1(r.m_GrainsProtein),
                        decimals2(r.m_GrainsYield)) +
               infoLine("Specific Gravity: \t%1\nDegrees Balling: \t%2\n",
                        decimals3(r.m_GrainsSPGrav), decimals1(r.m_GrainsDegreesBalling)) +
               infoLine("Comments:\n%1\n", r.m_GrainsComments);
    }
};

struct ExtractsKind {
    using Set = CRecordSetExtracts;
    static long id(const Set& r) { return r.m_ExtractsID; }
    static QStringList texts(const Set& r) { return {r.m_ExtractsManuf, r.m_ExtractsName}; }
    static LookupResult result(const Set& r) {
        LookupResult x;
        x.manufacturer = r.m_ExtractsManuf;
        x.name = r.m_ExtractsName;
        x.hbu = r.m_ExtractsHBU;
        x.weight = r.m_ExtractsWeight;
        x.unitsText = r.m_ExtractsUnits == 0 ? QStringLiteral("lbs") : QStringLiteral("kg");
        x.formText = r.m_ExtractsForm == 0 ? QStringLiteral("Syrup") : QStringLiteral("Dry");
        x.hopped = r.m_ExtractsHopped;
        x.specificGravity = r.m_ExtractsSpecificGravity;
        x.color = r.m_ExtractsColor;
        return x;
    }
    static QString info(const Set& r) {
        return infoLine("Manufacturer:\t%1\n", r.m_ExtractsManuf) +
               infoLine("Type:\t\t%1\n", r.m_ExtractsName) +
               infoLine("HBU:\t\t%1\nWeight:\t\t%2\n", decimals1(r.m_ExtractsHBU),
                        decimals1(r.m_ExtractsWeight)) +
               infoLine("Form:\t\t%1\n",
                        r.m_ExtractsForm == 0 ? QStringLiteral("Syrup") : QStringLiteral("Dry")) +
               infoLine("Hopped:\t\t%1\n",
                        r.m_ExtractsHopped ? QStringLiteral("Yes") : QStringLiteral("No")) +
               infoLine("Specific Gravity: \t%1\nDegrees Balling: \t%2\n",
                        decimals3(r.m_ExtractsSpecificGravity),
                        decimals1(r.m_ExtractsDegreesBalling)) +
               infoLine("Color:\t\t%1\n", decimals1(r.m_ExtractsColor));
    }
};

struct KitsKind {
    using Set = CRecordSetKits;
    static long id(const Set& r) { return r.m_KitsID; }
    static QStringList texts(const Set& r) { return {r.m_KitsManuf, r.m_KitsStyle}; }
    static LookupResult result(const Set& r) {
        LookupResult x;
        x.manufacturer = r.m_KitsManuf;
        x.style = r.m_KitsStyle;
        x.hbu = r.m_KitsHBU;
        x.unitsText = r.m_KitsUnits == 0 ? QStringLiteral("lbs") : QStringLiteral("kg");
        x.weight = r.m_KitsWeight;
        x.specificGravity = r.m_KitsStartSPGrav;
        x.color = r.m_KitsColor;
        return x;
    }
    static QString info(const Set& r) {
        return infoLine("Manufacturer:\t%1\nStyle:\t\t%2\n", r.m_KitsManuf, r.m_KitsStyle) +
               infoLine("HBU:\t\t%1\nWeight:\t\t%2\n", decimals1(r.m_KitsHBU),
                        decimals1(r.m_KitsWeight)) +
               infoLine("Units:\t\t%1\n",
                        r.m_KitsUnits == 0 ? QStringLiteral("lbs") : QStringLiteral("kg")) +
               infoLine("SP Gravity:\t%1\n", decimals3(r.m_KitsStartSPGrav));
    }
};

struct YeastKind {
    using Set = CRecordSetYeast;
    static long id(const Set& r) { return r.m_YeastID; }
    static QStringList texts(const Set& r) { return {r.m_YeastManuf, r.m_YeastStrain}; }
    static LookupResult result(const Set& r) {
        LookupResult x;
        x.manufacturer = r.m_YeastManuf;
        x.name = r.m_YeastStrain;
        x.yeastType = r.m_YeastType;
        x.yeastForm = r.m_YeastForm;
        x.attenuation = r.m_YeastAttenuation <= 0 ? 75.0 : r.m_YeastAttenuation;
        return x;
    }
    static QString info(const Set& r) {
        return infoLine("Manufacturer:\t%1\n", r.m_YeastManuf) +
               infoLine("Name:\t\t%1\nType:\t\t%2\n", r.m_YeastStrain,
                        r.m_YeastType == 0 ? QStringLiteral("Lager") : QStringLiteral("Ale")) +
               infoLine("Form:\t\t%1\n",
                        r.m_YeastForm == 0 ? QStringLiteral("Liquid") : QStringLiteral("Dry")) +
               infoLine("Comments:\n%1\n", r.m_YeastComments) +
               infoLine("Attenuation:\t%1\n", decimals2(r.m_YeastAttenuation));
    }
};

struct AdjunctsKind {
    using Set = CRecordSetAdjuncts;
    static long id(const Set& r) { return r.m_AdjunctsID; }
    static QStringList texts(const Set& r) { return {r.m_AdjunctsName}; }
    static LookupResult result(const Set& r) {
        LookupResult x;
        x.name = r.m_AdjunctsName;
        x.fermentable = r.m_AdjunctsFermentable;
        x.specificGravity = r.m_AdjunctsSPGrav;
        x.color = r.m_AdjunctsColor;
        return x;
    }
    static QString info(const Set& r) {
        return infoLine("Name: \t%1\n", r.m_AdjunctsName) +
               infoLine("Fermentable: \t%1\n",
                        r.m_AdjunctsFermentable ? QStringLiteral("Yes") : QStringLiteral("No")) +
               infoLine("Factor: \t\t%1\n", decimals2(r.m_AdjunctsYield)) +
               infoLine("Specific Gravity: \t%1\nDegrees Balling: \t%2\n",
                        decimals3(r.m_AdjunctsSPGrav), decimals1(r.m_AdjunctsDegreesBalling)) +
               infoLine("Comments:\n%1\n", r.m_AdjunctsComments);
    }
};

template <class Kind>
std::vector<LookupRow> rowsOf(CDaoDatabase& data, const char* index,
                              const std::function<bool(const typename Kind::Set&)>& shown) {
    std::vector<LookupRow> out;
    walk<typename Kind::Set>(data, index, [&](typename Kind::Set& r) {
        if (!shown || shown(r))
            out.push_back({Kind::id(r), Kind::texts(r), {}});
        return true;
    });
    return out;
}

// Calls `use` with the row of identifier `id`.
template <class Kind, class Use>
void withRow(CDaoDatabase& data, const char* index, long id, Use use) {
    walk<typename Kind::Set>(data, index, [&](typename Kind::Set& r) {
        if (Kind::id(r) != id)
            return true;
        use(r);
        return false;
    });
}

// Runs `F::template run<Kind>()` for the kind's traits.
template <class F> auto dispatch(LookupKind kind, F&& f) {
    switch (kind) {
    case LookupKind::Hops:
        return f.template operator()<HopsKind>();
    case LookupKind::Grains:
        return f.template operator()<GrainsKind>();
    case LookupKind::Extracts:
        return f.template operator()<ExtractsKind>();
    case LookupKind::Kits:
        return f.template operator()<KitsKind>();
    case LookupKind::Yeast:
        return f.template operator()<YeastKind>();
    case LookupKind::Adjuncts:
        break;
    }
    return f.template operator()<AdjunctsKind>();
}

} // namespace

std::vector<LookupRow> Lookups::rows(CDaoDatabase& data, LookupKind kind, AdjunctMode mode) {
    const char* index = SpecOf(kind).index;
    if (kind != LookupKind::Adjuncts)
        return dispatch(kind, [&]<class Kind>() { return rowsOf<Kind>(data, index, {}); });
    std::vector<LookupRow> out;
    if (mode == AdjunctMode::PrimingOnly) {
        out.push_back({kForcedCarbonation, {QStringLiteral("Forced Carbonation")}, {}});
        out.push_back({kDryMaltExtract, {QStringLiteral("Dry Malt Extract")}, {}});
    }
    const auto adjuncts = rowsOf<AdjunctsKind>(data, index, [mode](const CRecordSetAdjuncts& r) {
        return mode == AdjunctMode::All ||
               (mode == AdjunctMode::FermentableOnly && r.m_AdjunctsFermentable) ||
               (mode == AdjunctMode::PrimingOnly && r.m_AdjunctsPriming);
    });
    out.insert(out.end(), adjuncts.begin(), adjuncts.end());
    return out;
}

std::optional<LookupResult> Lookups::result(CDaoDatabase& data, LookupKind kind, long id) {
    if (kind == LookupKind::Adjuncts && (id == kForcedCarbonation || id == kDryMaltExtract)) {
        LookupResult x;
        x.name = id == kForcedCarbonation ? QStringLiteral("Forced Carbonation")
                                          : QStringLiteral("Dry Malt Extract");
        return x;
    }
    std::optional<LookupResult> found;
    dispatch(kind, [&]<class Kind>() {
        withRow<Kind>(data, SpecOf(kind).index, id,
                      [&](const typename Kind::Set& r) { found = Kind::result(r); });
    });
    return found;
}

std::optional<QString> Lookups::info(CDaoDatabase& data, LookupKind kind, long id) {
    // The priming methods that are no row of the Adjuncts table say what they are.
    if (kind == LookupKind::Adjuncts && id == kForcedCarbonation)
        return QString::fromLatin1(Texts::kForcedCarbonationInfo);
    if (kind == LookupKind::Adjuncts && id == kDryMaltExtract)
        return QString::fromLatin1(Texts::kDryMaltExtractInfo);
    std::optional<QString> text;
    dispatch(kind, [&]<class Kind>() {
        withRow<Kind>(data, SpecOf(kind).index, id,
                      [&](const typename Kind::Set& r) { text = Kind::info(r); });
    });
    return text;
}

} // namespace wsc
