#include "core/interchange/BeerJsonFields.h"

#include "core/interchange/BeerXmlElements.h"

namespace wsc::beerjson {
namespace {

namespace el = beerxml::el;

constexpr Field kRecipe[] = {
    {el::Name, "name", Conv::Text},
    {el::Type, "type", Conv::Word},
    {el::Brewer, "author", Conv::Text},
    {el::Date, "created", Conv::Text},
    {el::BatchSize, "batch_size", Conv::Volume},
    {el::Efficiency, "efficiency/brewhouse", Conv::Percent},
    {el::Notes, "notes", Conv::Text},
    {el::Og, "original_gravity", Conv::Gravity},
    {el::Fg, "final_gravity", Conv::Gravity},
    {el::BoilSize, "boil/pre_boil_size", Conv::Volume},
    {el::BoilTime, "boil/boil_time", Conv::Minutes},
    {el::TasteNotes, "taste/notes", Conv::Text},
    {el::TasteRating, "taste/rating", Conv::Number},
    {el::EstAbv, "alcohol_by_volume", Conv::Percent},
    {el::EstColor, "color_estimate", Conv::Color},
    {el::PrimaryAge, "fermentation/fermentation_steps/0/step_time", Conv::Days},
    {el::PrimaryTemp, "fermentation/fermentation_steps/0/start_temperature", Conv::Temperature},
    {el::SecondaryAge, "fermentation/fermentation_steps/1/step_time", Conv::Days},
    {el::SecondaryTemp, "fermentation/fermentation_steps/1/start_temperature", Conv::Temperature},
};
constexpr Word kRecipeWords[] = {
    {"All Grain", "all grain"}, {"Partial Mash", "partial mash"},
    {"Extract", "extract"},     {"All Grain", "cider"},
    {"All Grain", "kombucha"},  {"All Grain", "soda"},
    {"All Grain", "other"},     {"All Grain", "mead"},
    {"All Grain", "wine"},
};

constexpr Field kStyle[] = {
    {el::Name, "name", Conv::Text},
    {el::Category, "category", Conv::Text},
    {el::CategoryNumber, "category_number", Conv::Integer},
    {el::StyleLetter, "style_letter", Conv::Letter},
    {el::StyleGuide, "style_guide", Conv::Text},
    {el::Type, "type", Conv::Word},
};
constexpr Word kStyleWords[] = {
    {"Ale", "beer"},       {"Lager", "beer"},  {"Wheat", "beer"},  {"Mixed", "beer"},
    {"Mead", "mead"},      {"Cider", "cider"}, {"Mixed", "other"}, {"Mixed", "wine"},
    {"Mixed", "kombucha"}, {"Mixed", "soda"},
};

constexpr Field kMash[] = {
    {el::Name, "name", Conv::Text},
    {el::GrainTemp, "grain_temperature", Conv::Temperature},
    {el::Notes, "notes", Conv::Text},
};
constexpr Field kMashStep[] = {
    {el::Name, "name", Conv::Text},
    {el::Type, "type", Conv::Word},
    {el::InfuseAmount, "amount", Conv::Volume},
    {el::StepTemp, "step_temperature", Conv::Temperature},
    {el::StepTime, "step_time", Conv::Minutes},
    {el::RampTime, "ramp_time", Conv::Minutes},
    {el::EndTemp, "end_temperature", Conv::Temperature},
};
constexpr Word kMashStepWords[] = {
    {"Infusion", "infusion"},        {"Temperature", "temperature"},
    {"Decoction", "decoction"},      {"Temperature", "souring mash"},
    {"Temperature", "souring wort"}, {"Temperature", "drain mash tun"},
    {"Temperature", "sparge"},
};

constexpr Field kFermentable[] = {
    {el::Name, "name", Conv::Text},
    {el::Type, "type", Conv::Word},
    {el::Supplier, "producer", Conv::Text},
    {el::Origin, "origin", Conv::Text},
    {el::Yield, "yield/fine_grind", Conv::Percent},
    {el::Yield, "yield/potential", Conv::Potential},
    {el::Color, "color", Conv::Lovibond},
    {el::Amount, "amount", Conv::Mass},
    {el::IsMashed, "timing/use", Conv::Use},
};
constexpr Word kFermentableWords[] = {
    {"Grain", "grain"},     {"Sugar", "sugar"},
    {"Extract", "extract"}, {"Dry Extract", "dry extract"},
    {"Adjunct", "grain"},   {"Sugar", "honey"},
    {"Sugar", "fruit"},     {"Sugar", "juice"},
    {"Adjunct", "other"},
};
// Mashed or not.
constexpr Word kFermentableUses[] = {
    {"TRUE", "add_to_mash"},
    {"FALSE", "add_to_boil"},
    {"FALSE", "add_to_fermentation"},
    {"FALSE", "add_to_package"},
};

constexpr Field kHop[] = {
    {el::Name, "name", Conv::Text},         {el::Alpha, "alpha_acid", Conv::Percent},
    {el::Beta, "beta_acid", Conv::Percent}, {el::Form, "form", Conv::Word},
    {el::Origin, "origin", Conv::Text},     {el::Amount, "amount", Conv::Mass},
    {el::Use, "timing/use", Conv::Use},     {el::Time, "timing/time", Conv::Minutes},
};
constexpr Word kHopWords[] = {
    {"Pellet", "pellet"},   {"Leaf", "leaf"},     {"Plug", "plug"},
    {"Leaf", "leaf (wet)"}, {"Pellet", "powder"}, {"Pellet", "extract"},
};
constexpr Word kHopUses[] = {
    {"Boil", "add_to_boil"},  {"Dry Hop", "add_to_fermentation"},
    {"Mash", "add_to_mash"},  {"First Wort", "add_to_boil"},
    {"Aroma", "add_to_boil"}, {"Dry Hop", "add_to_package"},
};

constexpr Field kMisc[] = {
    {el::Name, "name", Conv::Text},       {el::Type, "type", Conv::Word},
    {el::Use, "timing/use", Conv::Use},   {el::Time, "timing/time", Conv::Minutes},
    {el::Amount, "amount", Conv::Amount},
};
constexpr Word kMiscWords[] = {
    {"Spice", "spice"}, {"Fining", "fining"}, {"Water Agent", "water agent"},
    {"Herb", "herb"},   {"Flavor", "flavor"}, {"Other", "other"},
    {"Other", "wood"},
};
constexpr Word kMiscUses[] = {
    {"Boil", "add_to_boil"},
    {"Mash", "add_to_mash"},
    {"Primary", "add_to_fermentation"},
    {"Secondary", "add_to_fermentation"},
    {"Bottling", "add_to_package"},
};

constexpr Field kYeast[] = {
    {el::Name, "name", Conv::Text},
    {el::Type, "type", Conv::Word},
    {el::Form, "form", Conv::Word},
    {el::Laboratory, "producer", Conv::Text},
    {el::ProductId, "product_id", Conv::Text},
    {el::Amount, "amount", Conv::Amount},
    {el::Attenuation, "attenuation", Conv::Percent},
    {el::TimesCultured, "times_cultured", Conv::Integer},
};
// Type and form of a culture share one list: no word is in both.
constexpr Word kYeastWords[] = {
    {"Ale", "ale"},           {"Lager", "lager"},
    {"Wine", "wine"},         {"Champagne", "champagne"},
    {"Ale", "kveik"},         {"Wheat", "ale"},
    {"Ale", "bacteria"},      {"Ale", "brett"},
    {"Ale", "lacto"},         {"Ale", "malolactic"},
    {"Ale", "mixed-culture"}, {"Ale", "other"},
    {"Ale", "pedio"},         {"Ale", "spontaneous"},
    {"Liquid", "liquid"},     {"Dry", "dry"},
    {"Slant", "slant"},       {"Culture", "culture"},
    {"Culture", "dregs"},
};

} // namespace

const Record& RecipeRecord() {
    static const Record r{el::Recipe, el::Recipes, "recipes", kRecipe, kRecipeWords, {}, false};
    return r;
}
const Record& StyleRecord() {
    static const Record r{el::Style, nullptr, "style", kStyle, kStyleWords, {}, true};
    return r;
}
const Record& MashRecord() {
    static const Record r{el::Mash, nullptr, "mash", kMash, {}, {}, false};
    return r;
}
const Record& MashStepRecord() {
    static const Record r{el::MashStep, el::MashSteps, "mash_steps", kMashStep, kMashStepWords,
                          {},           false};
    return r;
}

std::span<const Record* const> IngredientRecords() {
    static const Record fermentables{el::Fermentable,
                                     el::Fermentables,
                                     "fermentable_additions",
                                     kFermentable,
                                     kFermentableWords,
                                     kFermentableUses,
                                     true};
    static const Record hops{el::Hop, el::Hops, "hop_additions", kHop, kHopWords, kHopUses, true};
    static const Record miscs{el::Misc,  el::Miscs, "miscellaneous_additions", kMisc, kMiscWords,
                              kMiscUses, true};
    static const Record yeasts{el::Yeast, el::Yeasts, "culture_additions", kYeast, kYeastWords,
                               {},        true};
    static const Record* const all[] = {&fermentables, &hops, &miscs, &yeasts};
    return all;
}

} // namespace wsc::beerjson
