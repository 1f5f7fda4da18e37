#include "reference/Lookups.h"

#include "db/records/CRecordSetAdjuncts.h"
#include "db/records/CRecordSetExtracts.h"
#include "db/records/CRecordSetGrains.h"
#include "db/records/CRecordSetHops.h"
#include "db/records/CRecordSetKits.h"
#include "db/records/CRecordSetYeast.h"

namespace wsc {
namespace {

QString f1(double v) {
    return QString::asprintf("%.1f", v);
}
QString f2(double v) {
    return QString::asprintf("%.2f", v);
}
QString f3(double v) {
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
         98339},
        {LookupKind::Grains,
         "Category,Name",
         {kSortText, kSortText},
         {6, 5},
         "IndexGrainsCategoryName",
         "Grain",
         98340},
        {LookupKind::Extracts,
         "Manufacturer,Name",
         {kSortText, kSortText},
         {6, 5},
         "IndexExtractsManufName",
         "Extract",
         98385},
        {LookupKind::Kits,
         "Manufacturer,Style",
         {kSortText, kSortText},
         {6, 5},
         "IndexKitsManufStyle",
         "Kit",
         98386},
        {LookupKind::Yeast,
         "Manufacturer,Strain",
         {kSortText, kSortText},
         {6, 5},
         "IndexYeastManufStrain",
         "Yeast",
         98343},
        {LookupKind::Adjuncts, "Name", {kSortText}, {8}, "IndexAdjunctsName", "Adjuncts", 98404},
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

std::vector<LookupRow> Lookups::rows(CDaoDatabase& data, LookupKind kind, AdjunctMode mode) {
    std::vector<LookupRow> out;
    const char* index = SpecOf(kind).index;
    switch (kind) {
    case LookupKind::Hops:
        walk<CRecordSetHops>(data, index, [&](CRecordSetHops& r) {
            out.push_back({r.m_HopsID, {r.m_HopsName, f1(r.m_HopsAlpha), r.m_HopsOrigin}});
            return true;
        });
        break;
    case LookupKind::Grains:
        walk<CRecordSetGrains>(data, index, [&](CRecordSetGrains& r) {
            out.push_back({r.m_GrainsID, {r.m_GrainsCategory, r.m_GrainsName}});
            return true;
        });
        break;
    case LookupKind::Extracts:
        walk<CRecordSetExtracts>(data, index, [&](CRecordSetExtracts& r) {
            out.push_back({r.m_ExtractsID, {r.m_ExtractsManuf, r.m_ExtractsName}});
            return true;
        });
        break;
    case LookupKind::Kits:
        walk<CRecordSetKits>(data, index, [&](CRecordSetKits& r) {
            out.push_back({r.m_KitsID, {r.m_KitsManuf, r.m_KitsStyle}});
            return true;
        });
        break;
    case LookupKind::Yeast:
        walk<CRecordSetYeast>(data, index, [&](CRecordSetYeast& r) {
            out.push_back({r.m_YeastID, {r.m_YeastManuf, r.m_YeastStrain}});
            return true;
        });
        break;
    case LookupKind::Adjuncts:
        if (mode == AdjunctMode::PrimingOnly) {
            out.push_back({kForcedCarbonation, {QStringLiteral("Forced Carbonation")}});
            out.push_back({kDryMaltExtract, {QStringLiteral("Dry Malt Extract")}});
        }
        walk<CRecordSetAdjuncts>(data, index, [&](CRecordSetAdjuncts& r) {
            const bool shown = mode == AdjunctMode::All ||
                               (mode == AdjunctMode::FermentableOnly && r.m_AdjunctsFermentable) ||
                               (mode == AdjunctMode::PrimingOnly && r.m_AdjunctsPriming);
            if (shown)
                out.push_back({r.m_AdjunctsID, {r.m_AdjunctsName}});
            return true;
        });
        break;
    }
    return out;
}

std::optional<LookupResult> Lookups::result(CDaoDatabase& data, LookupKind kind, long id) {
    std::optional<LookupResult> found;
    const char* index = SpecOf(kind).index;
    switch (kind) {
    case LookupKind::Hops:
        walk<CRecordSetHops>(data, index, [&](CRecordSetHops& r) {
            if (r.m_HopsID != id)
                return true;
            LookupResult x;
            x.name = r.m_HopsName;
            x.alpha = r.m_HopsAlpha;
            found = x;
            return false;
        });
        break;
    case LookupKind::Grains:
        walk<CRecordSetGrains>(data, index, [&](CRecordSetGrains& r) {
            if (r.m_GrainsID != id)
                return true;
            LookupResult x;
            x.name = r.m_GrainsName;
            x.specificGravity = r.m_GrainsSPGrav;
            x.color = r.m_GrainsColor;
            found = x;
            return false;
        });
        break;
    case LookupKind::Extracts:
        walk<CRecordSetExtracts>(data, index, [&](CRecordSetExtracts& r) {
            if (r.m_ExtractsID != id)
                return true;
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
            found = x;
            return false;
        });
        break;
    case LookupKind::Kits:
        walk<CRecordSetKits>(data, index, [&](CRecordSetKits& r) {
            if (r.m_KitsID != id)
                return true;
            LookupResult x;
            x.manufacturer = r.m_KitsManuf;
            x.style = r.m_KitsStyle;
            x.hbu = r.m_KitsHBU;
            x.unitsText = r.m_KitsUnits == 0 ? QStringLiteral("lbs") : QStringLiteral("kg");
            x.weight = r.m_KitsWeight;
            x.specificGravity = r.m_KitsStartSPGrav;
            x.color = r.m_KitsColor;
            found = x;
            return false;
        });
        break;
    case LookupKind::Yeast:
        walk<CRecordSetYeast>(data, index, [&](CRecordSetYeast& r) {
            if (r.m_YeastID != id)
                return true;
            LookupResult x;
            x.manufacturer = r.m_YeastManuf;
            x.name = r.m_YeastStrain;
            x.yeastType = r.m_YeastType;
            x.yeastForm = r.m_YeastForm;
            x.attenuation = r.m_YeastAttenuation <= 0 ? 75.0 : r.m_YeastAttenuation;
            found = x;
            return false;
        });
        break;
    case LookupKind::Adjuncts:
        if (id == kForcedCarbonation || id == kDryMaltExtract) {
            LookupResult x;
            x.name = id == kForcedCarbonation ? QStringLiteral("Forced Carbonation")
                                              : QStringLiteral("Dry Malt Extract");
            return x;
        }
        walk<CRecordSetAdjuncts>(data, index, [&](CRecordSetAdjuncts& r) {
            if (r.m_AdjunctsID != id)
                return true;
            LookupResult x;
            x.name = r.m_AdjunctsName;
            x.fermentable = r.m_AdjunctsFermentable;
            x.specificGravity = r.m_AdjunctsSPGrav;
            x.color = r.m_AdjunctsColor;
            found = x;
            return false;
        });
        break;
    }
    return found;
}

std::optional<QString> Lookups::info(CDaoDatabase& data, LookupKind kind, long id) {
    std::optional<QString> text;
    const char* index = SpecOf(kind).index;
    auto a = [](const char* pattern, const QString& one, const QString& two = {}) {
        return QString::fromLatin1(pattern).arg(one, two);
    };
    switch (kind) {
    case LookupKind::Hops:
        walk<CRecordSetHops>(data, index, [&](CRecordSetHops& r) {
            if (r.m_HopsID != id)
                return true;
            static const char* stability[] = {"Poor", "Fair", "Good", "Very Good", "Excellent"};
            const int s = r.m_HopsStability;
            text = a("Name:\t\t%1\nAlpha:\t\t%2\n", r.m_HopsName, f1(r.m_HopsAlpha)) +
                   a("Alpha Range, Low:\t%1\nAlpha Range, High:\t%2\n", f1(r.m_HopsAlphaLo),
                     f1(r.m_HopsAlphaHi)) +
                   a("Stability:\t\t%1\nOrigin:\t\t%2\n",
                     s >= 0 && s <= 4 ? QString::fromLatin1(stability[s]) : QString::number(s),
                     r.m_HopsOrigin) +
                   a("Comments:\n%1\n", r.m_HopsComments);
            return false;
        });
        break;
    case LookupKind::Grains:
        walk<CRecordSetGrains>(data, index, [&](CRecordSetGrains& r) {
            if (r.m_GrainsID != id)
                return true;
            text = a("Category:\t%1\n", r.m_GrainsCategory) +
                   a("Name: \t%1\nColor: \t%2\n", r.m_GrainsName, f1(r.m_GrainsColor)) +
                   a("Protein: \t%1\nYield: \t%2\n", f1(r.m_GrainsProtein), f2(r.m_GrainsYield)) +
                   a("Specific Gravity: \t%1\nDegrees Balling: \t%2\n", f3(r.m_GrainsSPGrav),
                     f1(r.m_GrainsDegreesBalling)) +
                   a("Comments:\n%1\n", r.m_GrainsComments);
            return false;
        });
        break;
    case LookupKind::Extracts:
        walk<CRecordSetExtracts>(data, index, [&](CRecordSetExtracts& r) {
            if (r.m_ExtractsID != id)
                return true;
            text = a("Manufacturer:\t%1\n", r.m_ExtractsManuf) +
                   a("Type:\t\t%1\n", r.m_ExtractsName) +
                   a("HBU:\t\t%1\nWeight:\t\t%2\n", f1(r.m_ExtractsHBU), f1(r.m_ExtractsWeight)) +
                   a("Form:\t\t%1\n",
                     r.m_ExtractsForm == 0 ? QStringLiteral("Syrup") : QStringLiteral("Dry")) +
                   a("Hopped:\t\t%1\n",
                     r.m_ExtractsHopped ? QStringLiteral("Yes") : QStringLiteral("No")) +
                   a("Specific Gravity: \t%1\nDegrees Balling: \t%2\n",
                     f3(r.m_ExtractsSpecificGravity), f1(r.m_ExtractsDegreesBalling)) +
                   a("Color:\t\t%1\n", f1(r.m_ExtractsColor));
            return false;
        });
        break;
    case LookupKind::Kits:
        walk<CRecordSetKits>(data, index, [&](CRecordSetKits& r) {
            if (r.m_KitsID != id)
                return true;
            text = a("Manufacturer:\t%1\nStyle:\t\t%2\n", r.m_KitsManuf, r.m_KitsStyle) +
                   a("HBU:\t\t%1\nWeight:\t\t%2\n", f1(r.m_KitsHBU), f1(r.m_KitsWeight)) +
                   a("Units:\t\t%1\n",
                     r.m_KitsUnits == 0 ? QStringLiteral("lbs") : QStringLiteral("kg")) +
                   a("SP Gravity:\t%1\n", f3(r.m_KitsStartSPGrav));
            return false;
        });
        break;
    case LookupKind::Yeast:
        walk<CRecordSetYeast>(data, index, [&](CRecordSetYeast& r) {
            if (r.m_YeastID != id)
                return true;
            text = a("Manufacturer:\t%1\n", r.m_YeastManuf) +
                   a("Name:\t\t%1\nType:\t\t%2\n", r.m_YeastStrain,
                     r.m_YeastType == 0 ? QStringLiteral("Lager") : QStringLiteral("Ale")) +
                   a("Form:\t\t%1\n",
                     r.m_YeastForm == 0 ? QStringLiteral("Liquid") : QStringLiteral("Dry")) +
                   a("Comments:\n%1\n", r.m_YeastComments) +
                   a("Attenuation:\t%1\n", f2(r.m_YeastAttenuation));
            return false;
        });
        break;
    case LookupKind::Adjuncts:
        walk<CRecordSetAdjuncts>(data, index, [&](CRecordSetAdjuncts& r) {
            if (r.m_AdjunctsID != id)
                return true;
            text = a("Name: \t%1\n", r.m_AdjunctsName) +
                   a("Fermentable: \t%1\n",
                     r.m_AdjunctsFermentable ? QStringLiteral("Yes") : QStringLiteral("No")) +
                   a("Factor: \t\t%1\n", f2(r.m_AdjunctsYield)) +
                   a("Specific Gravity: \t%1\nDegrees Balling: \t%2\n", f3(r.m_AdjunctsSPGrav),
                     f1(r.m_AdjunctsDegreesBalling)) +
                   a("Comments:\n%1\n", r.m_AdjunctsComments);
            return false;
        });
        break;
    }
    return text;
}

} // namespace wsc
