#include "core/reference/ReferenceTables.h"

#include "core/help/HelpContexts.h"

#include "core/db/records/CRecordSetAdjuncts.h"
#include "core/db/records/CRecordSetBrewer.h"
#include "core/db/records/CRecordSetExtracts.h"
#include "core/db/records/CRecordSetGlossary.h"
#include "core/db/records/CRecordSetGrains.h"
#include "core/db/records/CRecordSetHops.h"
#include "core/db/records/CRecordSetKits.h"
#include "core/db/records/CRecordSetStyles.h"
#include "core/db/records/CRecordSetSuppliers.h"
#include "core/db/records/CRecordSetWater.h"
#include "core/db/records/CRecordSetYeast.h"

#include <array>

namespace wsc {

// Each reference table has its maintenance dialog and that dialog its help context.
static_assert(kReferenceKinds == HelpContext::kAddChgDialogs);
namespace {

// The tips of the fields, as the dialogs show them.
constexpr const char* kName50 = "Enter a name\nUp to 50 characters";
constexpr const char* kName30 = "Enter a name\nUp to 30 characters";
constexpr const char* kName35 = "Enter a name\nUp to 35 characters";
constexpr const char* kDescriptive =
    "Enter any descriptive information\nUse Ctrl+Enter to force line break";
constexpr const char* kAddress = "Enter a street or mailing address";
constexpr const char* kSelectOne = "Select one";
constexpr const char* kDropDown =
    "Select one from the drop down list\nClick on the arrow button, then on a row in the list";
constexpr const char* kColor = "Degrees Lovibond\nFormat 999.9";
constexpr const char* kGravity = "Specific Gravity\nFormat = 9.999";
constexpr const char* kBalling = "Debrees Balling, which is another density scale\nNote: Specific "
                                 "Gravity scale used in calculations\nFormat = 99.9";
constexpr const char* kYield = "Ratio of weight (dried) of soluble material to\n  initial weight "
                               "of malt\nPercentage\nFormat = 99.9";
constexpr const char* kProtein =
    "Protein content of malt\nExpressed as a percentage\nFormat = 99.9";
constexpr const char* kHbu = "Home Bittering Units\nEnter contribution to recipe\nFormat = 99.9";
constexpr const char* kWeight = "Weight\nFormat = 99.9";
constexpr const char* kLowPercent = "Enter low limit\nPercentage\nFormat = 99.9";
constexpr const char* kHighPercent = "Enter high limit\nPercentage\nFormat = 99.9";
constexpr const char* kUnits = "Pounds;Kilograms";
constexpr const char* kPerPound = "for 1 lb/gal";

using F = FieldKind;

QString joined(const std::function<QString(const char*)>& shown, const char* a, const char* b) {
    return shown(a) + QStringLiteral(", ") + shown(b);
}

std::vector<ReferenceTable> makeTables() {
    std::vector<ReferenceTable> t;
    t.push_back(ReferenceTable{
        ReferenceKind::Styles,
        "Add/Change Styles Data",
        "Styles",
        "IndexStylesNameCatSubcat",
        {
            {"StylesName", "Style", F::Text, 35, kName35},
            {"StylesCategory", "Category", F::Text, 50, kName50},
            {"StylesSubcategory", "Subcategory", F::Text, 50, kName50},
            {"StylesType", "Type", F::DropList, 0, kDropDown, "Ale;Lager;Hybrid Beers"},
            {"StylesGravityLo", "SP Gravity", F::Gravity, 0, "Enter low limit\nFormat = 9.999",
             nullptr, "Category Ranges", 1, true},
            {"StylesGravityHi", "SP Gravity", F::Gravity, 0, "Enter high limit\nFormat = 9.999",
             nullptr, "Category Ranges", 2, true},
            {"StylesAlcoLo", "Alco % by Vol", F::Tenths, 0, kLowPercent, nullptr, "Category Ranges",
             1},
            {"StylesAlcoHi", "Alco % by Vol", F::Tenths, 0, kHighPercent, nullptr,
             "Category Ranges", 2},
            {"StylesIBULo", "IBUs", F::Number, 0, "Enter low limit\nFormat = 999", nullptr,
             "Category Ranges", 1},
            {"StylesIBUHi", "IBUs", F::Number, 0, "Enter high limit\nFormat = 999", nullptr,
             "Category Ranges", 2},
            {"StylesColorLo", "Color", F::Tenths, 0, "Enter low limit\nFormat = 999.9", nullptr,
             "Category Ranges", 1},
            {"StylesColorHi", "Color", F::Tenths, 0, "Enter high limit\nFormat = 999.9", nullptr,
             "Category Ranges", 2},
            {"StylesComments", "Comments", F::Memo, 0, kDescriptive},
        },
        {"StylesName", "StylesCategory"},
        "Style",
        [](const std::function<QString(const char*)>& shown) {
            QString key = joined(shown, "StylesName", "StylesCategory");
            const QString sub = shown("StylesSubcategory");
            if (!sub.isEmpty() && sub != QLatin1String(" "))
                key += QStringLiteral(", ") + sub;
            return key;
        },
        {{"StylesName", QString()},
         {"StylesCategory", QString()},
         {"StylesSubcategory", QString()},
         // The type as the table's fixed-width text field holds it.
         {"StylesType", QStringLiteral("Ale         ")}},
        {{"StylesCategory", " "}, {"StylesSubcategory", " "}},
        "StylesName",
        160,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Kits,
        "Add/Change Beer Kits Data",
        "Kits",
        "IndexKitsManufStyle",
        {
            {"KitsManuf", "Manufacturer", F::Text, 50, kName50},
            {"KitsStyle", "Style", F::Text, 30, kName30},
            {"KitsHBU", "Home Bitterness Units (HBU)", F::Tenths, 0, kHbu},
            {"KitsColor", "Color (Lovibond)", F::Tenths, 0, kColor},
            {"KitsWeight", "Weight", F::Tenths, 0, kWeight},
            {"KitsUnits", "Units", F::Radios, 0, kSelectOne, kUnits},
            {"KitsStartSPGrav", "Starting Specific Gravity", F::Gravity, 0, kGravity, nullptr,
             nullptr, 0, true},
            {"KitsDescription", "Description", F::Memo, 0, kDescriptive},
        },
        {"KitsManuf", "KitsStyle"},
        "Kit",
        [](const std::function<QString(const char*)>& shown) {
            return joined(shown, "KitsManuf", "KitsStyle");
        },
        {{"KitsManuf", QString()}, {"KitsStyle", QString()}},
        {},
        "KitsManuf",
        161,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Extracts,
        "Add/Change Extract Data",
        "Extracts",
        "IndexExtractsManufName",
        {
            {"ExtractsManuf", "Manufacturer", F::Text, 50, kName50},
            {"ExtractsName", "Extract Type", F::Text, 30, kName30},
            {"ExtractsColor", "Color (Lovibond)", F::Tenths, 0, kColor},
            {"ExtractsForm", "Form", F::Radios, 0, kSelectOne, "Syrup;Dry"},
            {"ExtractsHopped", "Hopped", F::Check, 0, "Select to indicate \"yes\""},
            {"ExtractsSpecificGravity", "Specific Gravity", F::Gravity, 0, kGravity},
            {"ExtractsDegreesBalling", "Degrees Balling", F::Tenths, 0, kBalling},
            {"ExtractsHBU", "Home Bitterness Units (HBU)", F::Tenths, 0, kHbu},
            {"ExtractsWeight", "Weight", F::Tenths, 0, kWeight},
            {"ExtractsUnits", "Units", F::Radios, 0, kSelectOne, kUnits},
            {"ExtractsComments", "Comments", F::Memo, 0, kDescriptive},
        },
        {"ExtractsManuf", "ExtractsName"},
        "Malt Extract",
        [](const std::function<QString(const char*)>& shown) { return shown("ExtractsName"); },
        {{"ExtractsManuf", QString()}, {"ExtractsName", QString()}},
        {},
        "ExtractsManuf",
        162,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Grains,
        "Add/Change Grain Data",
        "Grains",
        "IndexGrainsCategoryName",
        {
            {"GrainsManuf", "Manufacturer", F::Text, 50, kName50},
            {"GrainsCategory", "Category", F::DropList, 0, kDropDown,
             "Light Pale Malts;Light-Colored Specialty Malts;Crystal, Caramel, Carastan Malts;"
             "Dark-Colored Specialty Malts;Unusual Specialties"},
            {"GrainsName", "Grain Name", F::Text, 30, kName30},
            {"GrainsColor", "Color (Lovibond)", F::Tenths, 0, kColor},
            {"GrainsYield", "Yield %", F::Tenths, 0, kYield, nullptr, kPerPound},
            {"GrainsProtein", "% Protein", F::Tenths, 0, kProtein, nullptr, kPerPound},
            {"GrainsSPGrav", "Specific Gravity", F::Gravity, 0, kGravity, nullptr, kPerPound},
            {"GrainsDegreesBalling", "Degrees Balling", F::Tenths, 0, kBalling, nullptr, kPerPound},
            {"GrainsComments", "Comments", F::Memo, 0, kDescriptive},
        },
        {"GrainsCategory", "GrainsName"},
        "Grain",
        [](const std::function<QString(const char*)>& shown) { return shown("GrainsName"); },
        {{"GrainsName", QString()}},
        {},
        "GrainsName",
        163,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Hops,
        "Add/Change Hops Data",
        "Hops",
        "IndexHopsNameAlpha",
        {
            {"HopsName", "Variety Name", F::Text, 30, kName30},
            {"HopsAlpha", "Alpha Acid Percent", F::Tenths, 0,
             "Alpha Acid Units\nPercentage\nFormat = 99.9"},
            {"HopsAlphaLo", "Variety Alpha Range", F::Tenths, 0, kLowPercent, nullptr, nullptr, 1},
            {"HopsAlphaHi", "Variety Alpha Range", F::Tenths, 0, kHighPercent, nullptr, nullptr, 2},
            {"HopsOrigin", "Origin", F::Text, 30, "Country/Region name\nUp to 30 characters"},
            {"HopsStability", "Stability", F::Radios, 0, kSelectOne,
             "Poor;Fair;Good;Very Good;Excellent"},
            {"HopsComments", "Comments", F::Memo, 0, kDescriptive},
        },
        {"HopsName", "HopsAlpha"},
        "Hops",
        [](const std::function<QString(const char*)>& shown) {
            return joined(shown, "HopsName", "HopsAlpha") + u'%';
        },
        {{"HopsName", QString()},
         {"HopsAlpha", 1.0},
         {"HopsStability", 2},
         {"HopsAlphaLo", 1.0},
         {"HopsAlphaHi", 1.0}},
        {},
        "HopsName",
        164,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Yeast,
        "Add/Change Yeast Data",
        "Yeast",
        "IndexYeastManufStrain",
        {
            {"YeastManuf", "Manufacturer", F::Text, 50, kName50},
            {"YeastStrain", "Yeast Strain", F::Text, 30, kName30},
            {"YeastType", "Type", F::Radios, 0, kSelectOne, "Lager;Ale"},
            {"YeastForm", "Form", F::Radios, 0, kSelectOne, "Liquid;Dry"},
            {"YeastAttenuation", "Attenuation", F::Number, 0,
             "Yeast effectiveness rating\nDefaults to 75 if not entered\nFormat = 99.99"},
            {"YeastComments", "Comments", F::Memo, 0, kDescriptive},
        },
        {"YeastManuf", "YeastStrain"},
        "Yeast",
        [](const std::function<QString(const char*)>& shown) { return shown("YeastStrain"); },
        {{"YeastManuf", QString()}, {"YeastStrain", QString()}},
        {},
        "YeastManuf",
        165,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Water,
        "Add/Change Water Data",
        "Water",
        "IndexWaterType",
        {
            {"WaterType", "Water Type", F::Text, 20, "Descriptive name\nUp to 20 characters"},
            {"WaterHardness", "Hardness", F::Radios, 0, kSelectOne,
             "Soft;Medium Hard;Hard;Very Hard"},
            {"WaterInfo", "Info", F::Memo, 0, kDescriptive},
        },
        {"WaterType"},
        "Water",
        [](const std::function<QString(const char*)>& shown) { return shown("WaterType"); },
        {{"WaterType", QString()}, {"WaterHardness", 0}},
        {},
        "WaterType",
        166,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Adjuncts,
        "Add/Change Adjuncts Data",
        "Adjuncts",
        "IndexAdjunctsName",
        {
            {"AdjunctsName", "Adjunct Name", F::Text, 50, kName50},
            {"AdjunctsFermentable", "Fermentable", F::Check, 0,
             "Check if ferments\rWill be used during OG calculation"},
            {"AdjunctsPriming", "Priming", F::Check, 0,
             "Check if may be used for priming\rWill be displayed when requested during recipe "
             "creation"},
            {"AdjunctsColor", "Color (Lovibond)", F::Tenths, 0, kColor},
            {"AdjunctsYield", "Yield %", F::Tenths, 0, kYield, nullptr, kPerPound},
            {"AdjunctsProtein", "% Protein", F::Tenths, 0, kProtein, nullptr, kPerPound},
            {"AdjunctsSPGrav", "Specific Gravity", F::Gravity, 0, kGravity, nullptr, kPerPound},
            {"AdjunctsDegreesBalling", "Degrees Balling", F::Tenths, 0, kBalling, nullptr,
             kPerPound},
            {"AdjunctsComments", "Comments", F::Memo, 0, kDescriptive},
        },
        {"AdjunctsName"},
        "Adjuncts",
        [](const std::function<QString(const char*)>& shown) { return shown("AdjunctsName"); },
        {{"AdjunctsName", QString()}},
        {},
        "AdjunctsName",
        167,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Glossary,
        "Add/Change Glossary Data",
        "Glossary",
        "IndexGlossaryTerm",
        {
            {"GlossaryTerm", "Term or Phrase", F::Text, 50,
             "Enter any term or phrase\nUp to 50 characters"},
            {"GlossaryInfo", "Info", F::Memo, 0, kDescriptive},
        },
        {"GlossaryTerm"},
        "Glossary",
        [](const std::function<QString(const char*)>& shown) { return shown("GlossaryTerm"); },
        {{"GlossaryTerm", QString()}},
        {},
        "GlossaryTerm",
        168,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Suppliers,
        "Add/Change Suppliers Data",
        "Suppliers",
        "IndexSuppliersName",
        {
            {"SuppliersName", "Supplier's Name", F::Text, 50, kName50},
            {"SuppliersAddress", "Supplier's Address", F::Memo, 0, kAddress},
            {"SuppliersInfo", "Info", F::Memo, 0, kDescriptive},
            {"SuppliersEMail", "E-Mail Address", F::Text, 50,
             "Full e-mail address - brewer@example.com\nUp to 50 characters"},
            {"SuppliersInternet", "Internet Web Site", F::Text, 100,
             "Full web site address - www.example.com\nUp to 100 characters"},
        },
        {"SuppliersName"},
        "Supplier",
        [](const std::function<QString(const char*)>& shown) { return shown("SuppliersName"); },
        {{"SuppliersName", QString()}},
        {},
        "SuppliersName",
        169,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Brewer,
        "Brewer's Information",
        "Brewer",
        "IndexBrewerName",
        {
            {"BrewerName", "Brewer's Name", F::Text, 50, kName50},
            {"BrewerAddress", "Brewer's Address", F::Memo, 0, kAddress},
            {"BrewerSkill", "Brewer's Level", F::Radios, 0, "Select a brewing skill level",
             "Novice;Advanced Novice;Experienced;Advanced Experienced"},
        },
        {"BrewerName"},
        "Brewer",
        [](const std::function<QString(const char*)>& shown) { return shown("BrewerName"); },
        {{"BrewerName", QString()}},
        {},
        "BrewerName",
        170,
    });
    return t;
}

template <class Set>
std::unique_ptr<CDaoRecordset> make(CDaoDatabase* db, const ProfileStore* profile,
                                    Prompter* prompter) {
    return std::make_unique<Set>(db, profile, prompter);
}

} // namespace

const ReferenceField* ReferenceTable::field(const QString& column) const {
    for (const ReferenceField& f : fields) {
        if (column == QLatin1String(f.column))
            return &f;
    }
    return nullptr;
}

std::unique_ptr<CDaoRecordset> ReferenceTable::makeRecordset(CDaoDatabase* database,
                                                             const ProfileStore* profile,
                                                             Prompter* prompter) const {
    switch (kind) {
    case ReferenceKind::Styles:
        return make<CRecordSetStyles>(database, profile, prompter);
    case ReferenceKind::Kits:
        return make<CRecordSetKits>(database, profile, prompter);
    case ReferenceKind::Extracts:
        return make<CRecordSetExtracts>(database, profile, prompter);
    case ReferenceKind::Grains:
        return make<CRecordSetGrains>(database, profile, prompter);
    case ReferenceKind::Hops:
        return make<CRecordSetHops>(database, profile, prompter);
    case ReferenceKind::Yeast:
        return make<CRecordSetYeast>(database, profile, prompter);
    case ReferenceKind::Water:
        return make<CRecordSetWater>(database, profile, prompter);
    case ReferenceKind::Adjuncts:
        return make<CRecordSetAdjuncts>(database, profile, prompter);
    case ReferenceKind::Glossary:
        return make<CRecordSetGlossary>(database, profile, prompter);
    case ReferenceKind::Suppliers:
        return make<CRecordSetSuppliers>(database, profile, prompter);
    case ReferenceKind::Brewer:
        break;
    }
    return make<CRecordSetBrewer>(database, profile, prompter);
}

const ReferenceTable& ReferenceTableOf(ReferenceKind kind) {
    static const std::vector<ReferenceTable> tables = makeTables();
    return tables.at(static_cast<std::size_t>(kind));
}

} // namespace wsc
