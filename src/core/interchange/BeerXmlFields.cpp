#include "core/interchange/BeerXmlFields.h"

#include "core/db/records/Columns.h"

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
    {"NAME", r::RecipeName, Conv::Text},
    {"BREWER", r::RecipeBrewer, Conv::Text},
    {"BATCH_SIZE", r::RecipeBatchSize, Conv::Volume},
    {"BOIL_SIZE", r::RecipeBoilSize, Conv::Volume},
    {"BOIL_TIME", r::RecipeBoilLth, Conv::Whole},
    {"EFFICIENCY", r::RecipeSystemEfficiencyExpected, Conv::Number},
    {"NOTES", r::RecipeComments, Conv::Text},
    {"TASTE_NOTES", r::RecipeRatingNotes, Conv::Text},
    {"OG", r::RecipeSGOriginal, Conv::Gravity},
    {"FG", r::RecipeSGFinal, Conv::Gravity},
    {"DATE", r::RecipeDateBrewed, Conv::Date},
    {"PRIMARY_AGE", r::RecipeFermPrimary, Conv::Whole},
    {"PRIMARY_TEMP", r::RecipeFermAvgTempPri, Conv::Temperature},
    {"SECONDARY_AGE", r::RecipeFermSecondary, Conv::Whole},
    {"SECONDARY_TEMP", r::RecipeFermAvgTempSec, Conv::Temperature},
    {"PRIMING_SUGAR_NAME", r::RecipeFermPrimingName, Conv::Text},
};

constexpr Field kStyleFields[] = {
    {"NAME", r::RecipeTargetStyle, Conv::Text},
    {"CATEGORY", r::RecipeTargetCategory, Conv::Text},
    {"IBU_MIN", r::RecipeTargetIBULo, Conv::Number},
    {"IBU_MAX", r::RecipeTargetIBUHi, Conv::Number},
    {"COLOR_MIN", r::RecipeTargetColorLo, Conv::Number},
    {"COLOR_MAX", r::RecipeTargetColorHi, Conv::Number},
    {"ABV_MIN", r::RecipeTargetAlcoLo, Conv::Number},
    {"ABV_MAX", r::RecipeTargetAlcoHi, Conv::Number},
};

namespace k = col::kits;
constexpr Field kKitsFields[] = {
    {"NAME", k::IngKitsStyle, Conv::Text},
    {"SUPPLIER", k::IngKitsManuf, Conv::Text},
    {"YIELD", k::IngKitsStartSPGrav, Conv::Yield},
    {"COLOR", k::IngKitsColor, Conv::Number},
};
namespace e = col::extracts;
constexpr Field kExtractsFields[] = {
    {"NAME", e::IngExtractsName, Conv::Text},
    {"SUPPLIER", e::IngExtractsManuf, Conv::Text},
    {"YIELD", e::IngExtractsSPGrav, Conv::Yield},
    {"COLOR", e::IngExtractsColor, Conv::Number},
};
namespace g = col::grains;
constexpr Field kGrainsFields[] = {
    {"NAME", g::IngGrainsName, Conv::Text},
    {"YIELD", g::IngGrainsSPGrav, Conv::Yield},
    {"COLOR", g::IngGrainsColor, Conv::Number},
};
namespace a = col::adjuncts;
constexpr Field kAdjunctsFields[] = {
    {"NAME", a::IngAdjunctsName, Conv::Text},
    {"YIELD", a::IngAdjunctsSPGrav, Conv::Yield},
    {"COLOR", a::IngAdjunctsColor, Conv::Number},
};
namespace h = col::hops;
constexpr Field kHopsFields[] = {
    {"NAME", h::IngHopsName, Conv::Text},
    {"ALPHA", h::IngHopsAlpha, Conv::Number},
};
namespace y = col::yeasts;
constexpr Field kYeastsFields[] = {
    {"NAME", y::IngYeastName, Conv::Text},
    {"TYPE", y::IngYeastType, Conv::Text},
    {"FORM", y::IngYeastForm, Conv::Text},
    {"LABORATORY", y::IngYeastManuf, Conv::Text},
    {"ATTENUATION", y::IngYeastAttenuation, Conv::Number},
};

} // namespace

const TableMap& Recipes() {
    static const TableMap m{"Recipes", "RECIPE",      nullptr,  nullptr,        nullptr,
                            nullptr,   r::RecipeName, "Recipe", kRecipeColumns, kRecipeFields};
    return m;
}

std::span<const Field> StyleFields() {
    return kStyleFields;
}

const TableMap& Kits() {
    static const TableMap m{"Ingredients_Kits",   "FERMENTABLE", "Kits",          col::data::KitsID,
                            col::data::KitsStyle, k::IngKitsID,  k::IngKitsStyle, "Kit",
                            kKitsColumns,         kKitsFields};
    return m;
}

const TableMap& Extracts() {
    static const TableMap m{
        "Ingredients_Extracts",  "FERMENTABLE",    "Extracts",         col::data::ExtractsID,
        col::data::ExtractsName, e::IngExtractsID, e::IngExtractsName, "Extract",
        kExtractsColumns,        kExtractsFields};
    return m;
}

const TableMap& Grains() {
    static const TableMap m{
        "Ingredients_Grains",  "FERMENTABLE",  "Grains",         col::data::GrainsID,
        col::data::GrainsName, g::IngGrainsID, g::IngGrainsName, "Grain",
        kGrainsColumns,        kGrainsFields};
    return m;
}

const TableMap& Adjuncts() {
    static const TableMap m{
        "Ingredients_Adjuncts",  "MISC",           "Adjuncts",         col::data::AdjunctsID,
        col::data::AdjunctsName, a::IngAdjunctsID, a::IngAdjunctsName, "Adjunct",
        kAdjunctsColumns,        kAdjunctsFields};
    return m;
}

const TableMap& Hops() {
    static const TableMap m{"Ingredients_Hops",  "HOP",        "Hops",         col::data::HopsID,
                            col::data::HopsName, h::IngHopsID, h::IngHopsName, "Hop",
                            kHopsColumns,        kHopsFields};
    return m;
}

const TableMap& Yeasts() {
    static const TableMap m{
        "Ingredients_Yeasts", "YEAST",         "Yeast", col::data::YeastID, col::data::YeastStrain,
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
    return QStringLiteral("WORTSMITH_") + QString::fromLatin1(column);
}

} // namespace wsc::beerxml
