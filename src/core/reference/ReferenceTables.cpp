#include "core/reference/ReferenceTables.h"

#include "core/db/records/Columns.h"
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
            {col::data::StylesName, "Style", F::Text, 35, kName35},
            {col::data::StylesCategory, "Category", F::Text, 50, kName50},
            {col::data::StylesSubcategory, "Subcategory", F::Text, 50, kName50},
            {col::data::StylesType, "Type", F::DropList, 0, kDropDown, "Ale;Lager;Hybrid Beers"},
            {col::data::StylesGravityLo, "SP Gravity", F::Gravity, 0,
             "Enter low limit\nFormat = 9.999", nullptr, "Category Ranges", 1, true},
            {col::data::StylesGravityHi, "SP Gravity", F::Gravity, 0,
             "Enter high limit\nFormat = 9.999", nullptr, "Category Ranges", 2, true},
            {col::data::StylesAlcoLo, "Alco % by Vol", F::Tenths, 0, kLowPercent, nullptr,
             "Category Ranges", 1},
            {col::data::StylesAlcoHi, "Alco % by Vol", F::Tenths, 0, kHighPercent, nullptr,
             "Category Ranges", 2},
            {col::data::StylesIBULo, "IBUs", F::Number, 0, "Enter low limit\nFormat = 999", nullptr,
             "Category Ranges", 1},
            {col::data::StylesIBUHi, "IBUs", F::Number, 0, "Enter high limit\nFormat = 999",
             nullptr, "Category Ranges", 2},
            {col::data::StylesColorLo, "Color", F::Tenths, 0, "Enter low limit\nFormat = 999.9",
             nullptr, "Category Ranges", 1},
            {col::data::StylesColorHi, "Color", F::Tenths, 0, "Enter high limit\nFormat = 999.9",
             nullptr, "Category Ranges", 2},
            {col::data::StylesComments, "Comments", F::Memo, 0, kDescriptive},
        },
        {col::data::StylesName, col::data::StylesCategory},
        "Style",
        [](const std::function<QString(const char*)>& shown) {
            QString key = joined(shown, col::data::StylesName, col::data::StylesCategory);
            const QString sub = shown(col::data::StylesSubcategory);
            if (!sub.isEmpty() && sub != QLatin1String(" "))
                key += QStringLiteral(", ") + sub;
            return key;
        },
        {{col::data::StylesName, QString()},
         {col::data::StylesCategory, QString()},
         {col::data::StylesSubcategory, QString()},
         // The type as the table's fixed-width text field holds it.
         {col::data::StylesType, QStringLiteral("Ale         ")}},
        {{col::data::StylesCategory, " "}, {col::data::StylesSubcategory, " "}},
        col::data::StylesName,
        160,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Kits,
        "Add/Change Beer Kits Data",
        "Kits",
        "IndexKitsManufStyle",
        {
            {col::data::KitsManuf, "Manufacturer", F::Text, 50, kName50},
            {col::data::KitsStyle, "Style", F::Text, 30, kName30},
            {col::data::KitsHBU, "Home Bitterness Units (HBU)", F::Tenths, 0, kHbu},
            {col::data::KitsColor, "Color (Lovibond)", F::Tenths, 0, kColor},
            {col::data::KitsWeight, "Weight", F::Tenths, 0, kWeight},
            {col::data::KitsUnits, "Units", F::Radios, 0, kSelectOne, kUnits},
            {col::data::KitsStartSPGrav, "Starting Specific Gravity", F::Gravity, 0, kGravity,
             nullptr, nullptr, 0, true},
            {col::data::KitsDescription, "Description", F::Memo, 0, kDescriptive},
        },
        {col::data::KitsManuf, col::data::KitsStyle},
        "Kit",
        [](const std::function<QString(const char*)>& shown) {
            return joined(shown, col::data::KitsManuf, col::data::KitsStyle);
        },
        {{col::data::KitsManuf, QString()}, {col::data::KitsStyle, QString()}},
        {},
        col::data::KitsManuf,
        161,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Extracts,
        "Add/Change Extract Data",
        "Extracts",
        "IndexExtractsManufName",
        {
            {col::data::ExtractsManuf, "Manufacturer", F::Text, 50, kName50},
            {col::data::ExtractsName, "Extract Type", F::Text, 30, kName30},
            {col::data::ExtractsColor, "Color (Lovibond)", F::Tenths, 0, kColor},
            {col::data::ExtractsForm, "Form", F::Radios, 0, kSelectOne, "Syrup;Dry"},
            {col::data::ExtractsHopped, "Hopped", F::Check, 0, "Select to indicate \"yes\""},
            {col::data::ExtractsSpecificGravity, "Specific Gravity", F::Gravity, 0, kGravity},
            {col::data::ExtractsDegreesBalling, "Degrees Balling", F::Tenths, 0, kBalling},
            {col::data::ExtractsHBU, "Home Bitterness Units (HBU)", F::Tenths, 0, kHbu},
            {col::data::ExtractsWeight, "Weight", F::Tenths, 0, kWeight},
            {col::data::ExtractsUnits, "Units", F::Radios, 0, kSelectOne, kUnits},
            {col::data::ExtractsComments, "Comments", F::Memo, 0, kDescriptive},
        },
        {col::data::ExtractsManuf, col::data::ExtractsName},
        "Malt Extract",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::ExtractsName);
        },
        {{col::data::ExtractsManuf, QString()}, {col::data::ExtractsName, QString()}},
        {},
        col::data::ExtractsManuf,
        162,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Grains,
        "Add/Change Grain Data",
        "Grains",
        "IndexGrainsCategoryName",
        {
            {col::data::GrainsManuf, "Manufacturer", F::Text, 50, kName50},
            {col::data::GrainsCategory, "Category", F::DropList, 0, kDropDown,
             "Light Pale Malts;Light-Colored Specialty Malts;Crystal, Caramel, Carastan Malts;"
             "Dark-Colored Specialty Malts;Unusual Specialties"},
            {col::data::GrainsName, "Grain Name", F::Text, 30, kName30},
            {col::data::GrainsColor, "Color (Lovibond)", F::Tenths, 0, kColor},
            {col::data::GrainsYield, "Yield %", F::Tenths, 0, kYield, nullptr, kPerPound},
            {col::data::GrainsProtein, "% Protein", F::Tenths, 0, kProtein, nullptr, kPerPound},
            {col::data::GrainsSPGrav, "Specific Gravity", F::Gravity, 0, kGravity, nullptr,
             kPerPound},
            {col::data::GrainsDegreesBalling, "Degrees Balling", F::Tenths, 0, kBalling, nullptr,
             kPerPound},
            {col::data::GrainsComments, "Comments", F::Memo, 0, kDescriptive},
        },
        {col::data::GrainsCategory, col::data::GrainsName},
        "Grain",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::GrainsName);
        },
        {{col::data::GrainsName, QString()}},
        {},
        col::data::GrainsName,
        163,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Hops,
        "Add/Change Hops Data",
        "Hops",
        "IndexHopsNameAlpha",
        {
            {col::data::HopsName, "Variety Name", F::Text, 30, kName30},
            {col::data::HopsAlpha, "Alpha Acid Percent", F::Tenths, 0,
             "Alpha Acid Units\nPercentage\nFormat = 99.9"},
            {col::data::HopsAlphaLo, "Variety Alpha Range", F::Tenths, 0, kLowPercent, nullptr,
             nullptr, 1},
            {col::data::HopsAlphaHi, "Variety Alpha Range", F::Tenths, 0, kHighPercent, nullptr,
             nullptr, 2},
            {col::data::HopsOrigin, "Origin", F::Text, 30,
             "Country/Region name\nUp to 30 characters"},
            {col::data::HopsStability, "Stability", F::Radios, 0, kSelectOne,
             "Poor;Fair;Good;Very Good;Excellent"},
            {col::data::HopsComments, "Comments", F::Memo, 0, kDescriptive},
        },
        {col::data::HopsName, col::data::HopsAlpha},
        "Hops",
        [](const std::function<QString(const char*)>& shown) {
            return joined(shown, col::data::HopsName, col::data::HopsAlpha) + u'%';
        },
        {{col::data::HopsName, QString()},
         {col::data::HopsAlpha, 1.0},
         {col::data::HopsStability, 2},
         {col::data::HopsAlphaLo, 1.0},
         {col::data::HopsAlphaHi, 1.0}},
        {},
        col::data::HopsName,
        164,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Yeast,
        "Add/Change Yeast Data",
        "Yeast",
        "IndexYeastManufStrain",
        {
            {col::data::YeastManuf, "Manufacturer", F::Text, 50, kName50},
            {col::data::YeastStrain, "Yeast Strain", F::Text, 30, kName30},
            {col::data::YeastType, "Type", F::Radios, 0, kSelectOne, "Lager;Ale"},
            {col::data::YeastForm, "Form", F::Radios, 0, kSelectOne, "Liquid;Dry"},
            {col::data::YeastAttenuation, "Attenuation", F::Number, 0,
             "Yeast effectiveness rating\nDefaults to 75 if not entered\nFormat = 99.99"},
            {col::data::YeastComments, "Comments", F::Memo, 0, kDescriptive},
        },
        {col::data::YeastManuf, col::data::YeastStrain},
        "Yeast",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::YeastStrain);
        },
        {{col::data::YeastManuf, QString()}, {col::data::YeastStrain, QString()}},
        {},
        col::data::YeastManuf,
        165,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Water,
        "Add/Change Water Data",
        "Water",
        "IndexWaterType",
        {
            {col::data::WaterType, "Water Type", F::Text, 20,
             "Descriptive name\nUp to 20 characters"},
            {col::data::WaterHardness, "Hardness", F::Radios, 0, kSelectOne,
             "Soft;Medium Hard;Hard;Very Hard"},
            {col::data::WaterInfo, "Info", F::Memo, 0, kDescriptive},
        },
        {col::data::WaterType},
        "Water",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::WaterType);
        },
        {{col::data::WaterType, QString()}, {col::data::WaterHardness, 0}},
        {},
        col::data::WaterType,
        166,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Adjuncts,
        "Add/Change Adjuncts Data",
        "Adjuncts",
        "IndexAdjunctsName",
        {
            {col::data::AdjunctsName, "Adjunct Name", F::Text, 50, kName50},
            {col::data::AdjunctsFermentable, "Fermentable", F::Check, 0,
             "Check if ferments\rWill be used during OG calculation"},
            {col::data::AdjunctsPriming, "Priming", F::Check, 0,
             "Check if may be used for priming\rWill be displayed when requested during recipe "
             "creation"},
            {col::data::AdjunctsColor, "Color (Lovibond)", F::Tenths, 0, kColor},
            {col::data::AdjunctsYield, "Yield %", F::Tenths, 0, kYield, nullptr, kPerPound},
            {col::data::AdjunctsProtein, "% Protein", F::Tenths, 0, kProtein, nullptr, kPerPound},
            {col::data::AdjunctsSPGrav, "Specific Gravity", F::Gravity, 0, kGravity, nullptr,
             kPerPound},
            {col::data::AdjunctsDegreesBalling, "Degrees Balling", F::Tenths, 0, kBalling, nullptr,
             kPerPound},
            {col::data::AdjunctsComments, "Comments", F::Memo, 0, kDescriptive},
        },
        {col::data::AdjunctsName},
        "Adjuncts",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::AdjunctsName);
        },
        {{col::data::AdjunctsName, QString()}},
        {},
        col::data::AdjunctsName,
        167,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Glossary,
        "Add/Change Glossary Data",
        "Glossary",
        "IndexGlossaryTerm",
        {
            {col::data::GlossaryTerm, "Term or Phrase", F::Text, 50,
             "Enter any term or phrase\nUp to 50 characters"},
            {col::data::GlossaryInfo, "Info", F::Memo, 0, kDescriptive},
        },
        {col::data::GlossaryTerm},
        "Glossary",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::GlossaryTerm);
        },
        {{col::data::GlossaryTerm, QString()}},
        {},
        col::data::GlossaryTerm,
        168,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Suppliers,
        "Add/Change Suppliers Data",
        "Suppliers",
        "IndexSuppliersName",
        {
            {col::data::SuppliersName, "Supplier's Name", F::Text, 50, kName50},
            {col::data::SuppliersAddress, "Supplier's Address", F::Memo, 0, kAddress},
            {col::data::SuppliersInfo, "Info", F::Memo, 0, kDescriptive},
            {col::data::SuppliersEMail, "E-Mail Address", F::Text, 50,
             "Full e-mail address - brewer@example.com\nUp to 50 characters"},
            {col::data::SuppliersInternet, "Internet Web Site", F::Text, 100,
             "Full web site address - www.example.com\nUp to 100 characters"},
        },
        {col::data::SuppliersName},
        "Supplier",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::SuppliersName);
        },
        {{col::data::SuppliersName, QString()}},
        {},
        col::data::SuppliersName,
        169,
    });
    t.push_back(ReferenceTable{
        ReferenceKind::Brewer,
        "Brewer's Information",
        "Brewer",
        "IndexBrewerName",
        {
            {col::data::BrewerName, "Brewer's Name", F::Text, 50, kName50},
            {col::data::BrewerAddress, "Brewer's Address", F::Memo, 0, kAddress},
            {col::data::BrewerSkill, "Brewer's Level", F::Radios, 0, "Select a brewing skill level",
             "Novice;Advanced Novice;Experienced;Advanced Experienced"},
        },
        {col::data::BrewerName},
        "Brewer",
        [](const std::function<QString(const char*)>& shown) {
            return shown(col::data::BrewerName);
        },
        {{col::data::BrewerName, QString()}},
        {},
        col::data::BrewerName,
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
