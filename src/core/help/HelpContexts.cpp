#include "core/help/HelpContexts.h"

#include "core/reference/ReferenceTables.h"
#include "core/settings/MessageCatalog.h"

namespace wsc {

const std::vector<HelpContextUse>& WindowHelpContexts() {
    using namespace HelpContext;
    static const std::vector<HelpContextUse> uses = [] {
        std::vector<HelpContextUse> u = {
            {kStyles, "Help > Reference > Style, the status bar's help button"},
            {kHops, "Help > Reference > Hop, the hop lookup"},
            {kGrains, "Help > Reference > Grain, the grain lookup"},
            {kWater, "Help > Reference > Water"},
            {kYeasts, "Help > Reference > Yeast, the yeast lookup"},
            {kRecipes, "Help > Reference > Recipe"},
            {kExtracts, "Help > Reference > Extract, the extract lookup"},
            {kKits, "Help > Reference > Kit, the kit lookup"},
            {kAdjuncts, "Help > Reference > Adjunct, the adjunct lookup"},
            {kGlossary, "Help > Glossary"},
            {kHowToBrew, "Help > How to Brew"},
            {kTempAdjust, "Fermentation Info: Temp Adjust..."},
            {kUsingHelp, "Help > Using Help"},
            {kTargetStyle, "Target Style"},
            {kComments, "Comments page"},
            {kRating, "Rating page"},
            {kLookup, "Lookup Ingredient"},
            {kMash, "Mash page"},
            {kFermentation, "Fermentation Info page"},
            {kRecipeForm, "Recipe form"},
            {kIngredients, "Ingredients page"},
            {kRecipePage, "Recipe page"},
            {kCalcMessages, "Calculation Messages"},
            {kCompetitionResults, "Competition Results"},
            {kRecipeLog, "Recipe Log"},
            {kLabelView, "Recipe Label"},
            {kMainWindow, "Main window"},
            {kSelectReport, "Select Report"},
            {kReportPreview, "Report preview"},
            {kBitternessCalc, "Bitterness Calculator"},
            {kGravityCalc, "Original Gravity Calculator"},
            {kAlcoholCalc, "Alcohol Calculator"},
            {kSgBalling, "Specific Gravity to/from Balling"},
            {kAbvAbw, "Alcohol by Volume to/from by Weight"},
            {kOptionsPreferences, "Options: Preferences"},
            {kOptionsLocations, "Options: Locations"},
            {kOptionsHints, "Options: Hints"},
            {kOptionsUnits, "Options: Units"},
            {kPriming, "Priming and Carbonation"},
            {kHydrometer, "Hydrometer Temperature Correction"},
            {kRefractometer, "Refractometer"},
            {kStrikeWater, "Strike Water"},
            {kMashInfusion, "Mash Infusion"},
            {kDilution, "Dilution and Boil-off"},
            {kScaleRecipe, "Scale Recipe"},
            {kTipOfTheDay, "Tip of the Day"},
            {kAbout, "About Wortsmith Calculator"},
            {kCredits, "Credits"},
        };
        for (int k = 0; k < kReferenceKinds; ++k)
            u.push_back({addChg(k), "a Data menu maintenance dialog"});
        return u;
    }();
    return uses;
}

std::vector<int> MessageHelpContexts() {
    // A string is a message box when it starts with one of the kinds the boxes name.
    static const char* const kinds[] = {
        "Data Error",
        "File Error",
        "Warning",
        "Information",
        "Error:",
        "Support Program",
        "Configuration Error",
        "Command Line Error",
        "Memory Error",
        "Please confirm",
        "Save changes",
        "The recipe copy",
    };
    std::vector<int> ids;
    for (int id : MessageCatalog::ids()) {
        const QString text = MessageCatalog::text(id);
        for (const char* kind : kinds) {
            if (text.startsWith(QLatin1String(kind))) {
                ids.push_back(id);
                break;
            }
        }
    }
    return ids;
}

} // namespace wsc
