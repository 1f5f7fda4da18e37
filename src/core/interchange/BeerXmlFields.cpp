#include "core/interchange/BeerXmlFields.h"

#include "core/db/records/Columns.h"
#include "core/interchange/BeerXmlElements.h"

namespace wsc::beerxml {
namespace {

#define WSC_BEERXML_NAME(name, type, init) #name,
constexpr const char* kRecipeColumns[] = {WSC_RECIPE_COLUMNS(WSC_BEERXML_NAME)};
constexpr const char* kKitsColumns[] = {WSC_RECINGKITS_COLUMNS(WSC_BEERXML_NAME)};
constexpr const char* kExtractsColumns[] = {WSC_RECINGEXTRACTS_COLUMNS(WSC_BEERXML_NAME)};
constexpr const char* kGrainsColumns[] = {WSC_RECINGGRAINS_COLUMNS(WSC_BEERXML_NAME)};
constexpr const char* kAdjunctsColumns[] = {WSC_RECINGADJUNCTS_COLUMNS(WSC_BEERXML_NAME)};
constexpr const char* kHopsColumns[] = {WSC_RECINGHOPS_COLUMNS(WSC_BEERXML_NAME)};
constexpr const char* kYeastsColumns[] = {WSC_RECINGYEASTS_COLUMNS(WSC_BEERXML_NAME)};
#undef WSC_BEERXML_NAME

namespace r = col::recipe;
constexpr Field kRecipeFields[] = {
    {el::Name, r::RecipeName, Conv::Text},
    {el::Brewer, r::RecipeBrewer, Conv::Text},
    {el::BatchSize, r::RecipeBatchSize, Conv::Volume},
    {el::BoilSize, r::RecipeBoilSize, Conv::Volume},
    {el::BoilTime, r::RecipeBoilLth, Conv::Whole},
    {el::Efficiency, r::RecipeSystemEfficiencyExpected, Conv::Number},
    {el::Notes, r::RecipeComments, Conv::Text},
    {el::TasteNotes, r::RecipeRatingNotes, Conv::Text},
    {el::Og, r::RecipeSGOriginal, Conv::Gravity},
    {el::Fg, r::RecipeSGFinal, Conv::Gravity},
    {el::Date, r::RecipeDateBrewed, Conv::Date},
    {el::PrimaryAge, r::RecipeFermPrimary, Conv::Whole},
    {el::PrimaryTemp, r::RecipeFermAvgTempPri, Conv::Temperature},
    {el::SecondaryAge, r::RecipeFermSecondary, Conv::Whole},
    {el::SecondaryTemp, r::RecipeFermAvgTempSec, Conv::Temperature},
    {el::PrimingSugarName, r::RecipeFermPrimingName, Conv::Text},
};

constexpr Field kStyleFields[] = {
    {el::Name, r::RecipeTargetStyle, Conv::Text},
    {el::Category, r::RecipeTargetCategory, Conv::Text},
    {el::IbuMin, r::RecipeTargetIBULo, Conv::Number},
    {el::IbuMax, r::RecipeTargetIBUHi, Conv::Number},
    {el::ColorMin, r::RecipeTargetColorLo, Conv::Number},
    {el::ColorMax, r::RecipeTargetColorHi, Conv::Number},
    {el::AbvMin, r::RecipeTargetAlcoLo, Conv::Number},
    {el::AbvMax, r::RecipeTargetAlcoHi, Conv::Number},
};

namespace k = col::kits;
constexpr Field kKitsFields[] = {
    {el::Name, k::IngKitsStyle, Conv::Text},
    {el::Supplier, k::IngKitsManuf, Conv::Text},
    {el::Yield, k::IngKitsStartSPGrav, Conv::Yield},
    {el::Color, k::IngKitsColor, Conv::Number},
};
namespace e = col::extracts;
constexpr Field kExtractsFields[] = {
    {el::Name, e::IngExtractsName, Conv::Text},
    {el::Supplier, e::IngExtractsManuf, Conv::Text},
    {el::Yield, e::IngExtractsSPGrav, Conv::Yield},
    {el::Color, e::IngExtractsColor, Conv::Number},
};
namespace g = col::grains;
constexpr Field kGrainsFields[] = {
    {el::Name, g::IngGrainsName, Conv::Text},
    {el::Yield, g::IngGrainsSPGrav, Conv::Yield},
    {el::Color, g::IngGrainsColor, Conv::Number},
};
namespace a = col::adjuncts;
constexpr Field kAdjunctsFields[] = {
    {el::Name, a::IngAdjunctsName, Conv::Text},
    {el::Yield, a::IngAdjunctsSPGrav, Conv::Yield},
    {el::Color, a::IngAdjunctsColor, Conv::Number},
};
namespace h = col::hops;
constexpr Field kHopsFields[] = {
    {el::Name, h::IngHopsName, Conv::Text},
    {el::Alpha, h::IngHopsAlpha, Conv::Number},
};
namespace y = col::yeasts;
constexpr Field kYeastsFields[] = {
    {el::Name, y::IngYeastName, Conv::Text},
    {el::Type, y::IngYeastType, Conv::Text},
    {el::Form, y::IngYeastForm, Conv::Text},
    {el::Laboratory, y::IngYeastManuf, Conv::Text},
    {el::Attenuation, y::IngYeastAttenuation, Conv::Number},
};

} // namespace

const TableMap& Recipes() {
    static const TableMap m{"Recipes", el::Recipe,    nullptr,  nullptr,        nullptr,
                            nullptr,   r::RecipeName, "Recipe", kRecipeColumns, kRecipeFields};
    return m;
}

std::span<const Field> StyleFields() {
    return kStyleFields;
}

const TableMap& Kits() {
    static const TableMap m{
        "Ingredients_Kits", el::Fermentable, "Kits", col::data::KitsID, col::data::KitsStyle,
        k::IngKitsID,       k::IngKitsStyle, "Kit",  kKitsColumns,      kKitsFields};
    return m;
}

const TableMap& Extracts() {
    static const TableMap m{
        "Ingredients_Extracts",  el::Fermentable,  "Extracts",         col::data::ExtractsID,
        col::data::ExtractsName, e::IngExtractsID, e::IngExtractsName, "Extract",
        kExtractsColumns,        kExtractsFields};
    return m;
}

const TableMap& Grains() {
    static const TableMap m{
        "Ingredients_Grains",  el::Fermentable, "Grains",         col::data::GrainsID,
        col::data::GrainsName, g::IngGrainsID,  g::IngGrainsName, "Grain",
        kGrainsColumns,        kGrainsFields};
    return m;
}

const TableMap& Adjuncts() {
    static const TableMap m{
        "Ingredients_Adjuncts",  el::Misc,         "Adjuncts",         col::data::AdjunctsID,
        col::data::AdjunctsName, a::IngAdjunctsID, a::IngAdjunctsName, "Adjunct",
        kAdjunctsColumns,        kAdjunctsFields};
    return m;
}

const TableMap& Hops() {
    static const TableMap m{"Ingredients_Hops",  el::Hop,      "Hops",         col::data::HopsID,
                            col::data::HopsName, h::IngHopsID, h::IngHopsName, "Hop",
                            kHopsColumns,        kHopsFields};
    return m;
}

const TableMap& Yeasts() {
    static const TableMap m{
        "Ingredients_Yeasts", el::Yeast,       "Yeast", col::data::YeastID, col::data::YeastStrain,
        y::IngYeastID,        y::IngYeastName, "Yeast", kYeastsColumns,     kYeastsFields};
    return m;
}

std::span<const TableMap* const> IngredientTables() {
    static const TableMap* const all[] = {&Kits(),     &Extracts(), &Grains(),
                                          &Adjuncts(), &Hops(),     &Yeasts()};
    return all;
}

bool IsIdentity(const QString& column) {
    return column == QLatin1String(r::RecipeID) || column == QLatin1String(r::RecipeBatchNo) ||
           column == QLatin1String(h::IngRecipeID) || column == QLatin1String("IngRowID");
}

QString ExtensionFor(const char* column) {
    return QLatin1String(kOwnPrefix) + QLatin1String(column);
}

} // namespace wsc::beerxml
