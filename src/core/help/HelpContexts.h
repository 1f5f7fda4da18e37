#pragma once

#include <vector>

namespace wsc {

// Every help context the program asks for, declared once. Windows, dialogs and pages use
// 131072 plus their resource number, the brewing reference topics 0x10000 plus a topic
// number, message boxes the id of their string.
namespace HelpContext {

inline constexpr int kContents = 0;
inline constexpr int kDialogBase = 131072;
constexpr int Dialog(int resource) {
    return kDialogBase + resource;
}
// Each context with what asks for it, declared once: the constants below and the list of
// WindowHelpContexts() are both made from this table.
#define WSC_WINDOW_HELP_CONTEXTS(X)                                                                \
    /* The brewing reference (Help menu, lookups, the status bar's style button). */               \
    X(kStyles, 98338, "Help > Reference > Style, the status bar's help button")                    \
    X(kHops, 98339, "Help > Reference > Hop, the hop lookup")                                      \
    X(kGrains, 98340, "Help > Reference > Grain, the grain lookup")                                \
    X(kWater, 98342, "Help > Reference > Water")                                                   \
    X(kYeasts, 98343, "Help > Reference > Yeast, the yeast lookup")                                \
    X(kRecipes, 98344, "Help > Reference > Recipe")                                                \
    X(kExtracts, 98385, "Help > Reference > Extract, the extract lookup")                          \
    X(kKits, 98386, "Help > Reference > Kit, the kit lookup")                                      \
    X(kAdjuncts, 98404, "Help > Reference > Adjunct, the adjunct lookup")                          \
    X(kGlossary, 98409, "Help > Glossary")                                                         \
    X(kHowToBrew, 98410, "Help > How to Brew")                                                     \
    X(kTempAdjust, 65699, "Fermentation Info: Temp Adjust...")                                     \
    /* How the help window itself is used. */                                                      \
    X(kUsingHelp, 57668, "Help > Using Help")                                                      \
    /* The recipe form, its pages and the windows of a recipe database. */                         \
    X(kTargetStyle, Dialog(127), "Target Style")                                                   \
    X(kComments, Dialog(149), "Comments page")                                                     \
    X(kRating, Dialog(150), "Rating page")                                                         \
    X(kLookup, Dialog(158), "Lookup Ingredient")                                                   \
    X(kMash, Dialog(176), "Mash page")                                                             \
    X(kFermentation, Dialog(177), "Fermentation Info page")                                        \
    X(kRecipeForm, Dialog(192), "Recipe form")                                                     \
    X(kIngredients, Dialog(193), "Ingredients page")                                               \
    X(kRecipePage, Dialog(194), "Recipe page")                                                     \
    X(kCalcMessages, Dialog(204), "Calculation Messages")                                          \
    X(kCompetitionResults, Dialog(301), "Competition Results")                                     \
    X(kRecipeLog, Dialog(302), "Recipe Log")                                                       \
    X(kLabelView, Dialog(303), "Recipe Label")                                                     \
    X(kMainWindow, Dialog(304), "Main window")                                                     \
    /* Reports. */                                                                                 \
    X(kSelectReport, Dialog(310), "Select Report")                                                 \
    X(kReportPreview, Dialog(311), "Report preview")                                               \
    /* The brewing calculators. */                                                                 \
    X(kBitternessCalc, Dialog(320), "Bitterness Calculator")                                       \
    X(kGravityCalc, Dialog(321), "Original Gravity Calculator")                                    \
    X(kAlcoholCalc, Dialog(322), "Alcohol Calculator")                                             \
    X(kSgBalling, Dialog(323), "Specific Gravity to/from Balling")                                 \
    X(kAbvAbw, Dialog(324), "Alcohol by Volume to/from by Weight")                                 \
    /* Options, tips, About. */                                                                    \
    X(kOptionsPreferences, Dialog(350), "Options: Preferences")                                    \
    X(kOptionsLocations, Dialog(351), "Options: Locations")                                        \
    X(kOptionsHints, Dialog(352), "Options: Hints")                                                \
    X(kTipOfTheDay, Dialog(353), "Tip of the Day")                                                 \
    X(kAbout, Dialog(354), "About Wortsmith Calculator")                                           \
    X(kCredits, Dialog(355), "Credits")                                                            \
    X(kOptionsUnits, Dialog(356), "Options: Units")                                                \
    /* The brew-day tools. */                                                                      \
    X(kPriming, Dialog(357), "Priming and Carbonation")                                            \
    X(kHydrometer, Dialog(358), "Hydrometer Temperature Correction")                               \
    X(kRefractometer, Dialog(359), "Refractometer")                                                \
    X(kStrikeWater, Dialog(360), "Strike Water")                                                   \
    X(kMashInfusion, Dialog(361), "Mash Infusion")                                                 \
    X(kDilution, Dialog(362), "Dilution and Boil-off")                                             \
    X(kScaleRecipe, Dialog(363), "Scale Recipe")                                                   \
    X(kReferenceImport, Dialog(364), "Import Reference Data")

#define WSC_DECLARE_HELP_CONTEXT(name, value, askedBy) inline constexpr int name = value;
WSC_WINDOW_HELP_CONTEXTS(WSC_DECLARE_HELP_CONTEXT)
#undef WSC_DECLARE_HELP_CONTEXT

// The maintenance dialogs, one per reference table in the order of ReferenceKind.
inline constexpr int kAddChgDialogs = 11;
inline constexpr int kFirstAddChg = Dialog(330);
constexpr int AddChg(int kindIndex) {
    return kFirstAddChg + kindIndex;
}

} // namespace HelpContext

struct HelpContextUse {
    int context;
    const char* askedBy;
};

// Every context a window, page, dialog, menu command or button asks for.
const std::vector<HelpContextUse>& WindowHelpContexts();

// The string ids of the messages shown in a message box: each box offers the topic of its id.
std::vector<int> MessageHelpContexts();

} // namespace wsc
