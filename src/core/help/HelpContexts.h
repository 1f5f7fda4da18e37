#pragma once

#include <vector>

namespace wsc {

// Every help context the program asks for, declared once. Windows, dialogs and pages use
// 131072 plus their resource number, the brewing reference topics 0x10000 plus a topic
// number, message boxes the id of their string.
namespace HelpContext {

inline constexpr int kContents = 0;
inline constexpr int kDialogBase = 131072;
constexpr int dialog(int resource) {
    return kDialogBase + resource;
}

// The brewing reference (Help menu, lookups, the status bar's style button).
inline constexpr int kStyles = 98338;
inline constexpr int kHops = 98339;
inline constexpr int kGrains = 98340;
inline constexpr int kWater = 98342;
inline constexpr int kYeasts = 98343;
inline constexpr int kRecipes = 98344;
inline constexpr int kExtracts = 98385;
inline constexpr int kKits = 98386;
inline constexpr int kAdjuncts = 98404;
inline constexpr int kGlossary = 98409;
inline constexpr int kHowToBrew = 98410;
inline constexpr int kTempAdjust = 65699;
// How the help window itself is used.
inline constexpr int kUsingHelp = 57668;

// The recipe form, its pages and the windows of a recipe database.
inline constexpr int kTargetStyle = dialog(127);
inline constexpr int kComments = dialog(149);
inline constexpr int kRating = dialog(150);
inline constexpr int kLookup = dialog(158);
inline constexpr int kMash = dialog(176);
inline constexpr int kFermentation = dialog(177);
inline constexpr int kRecipeForm = dialog(192);
inline constexpr int kIngredients = dialog(193);
inline constexpr int kRecipePage = dialog(194);
inline constexpr int kCalcMessages = dialog(204);
inline constexpr int kCompetitionResults = dialog(301);
inline constexpr int kRecipeLog = dialog(302);
inline constexpr int kLabelView = dialog(303);
inline constexpr int kMainWindow = dialog(304);
// Reports.
inline constexpr int kSelectReport = dialog(310);
inline constexpr int kReportPreview = dialog(311);
// The brewing calculators.
inline constexpr int kBitternessCalc = dialog(320);
inline constexpr int kGravityCalc = dialog(321);
inline constexpr int kAlcoholCalc = dialog(322);
inline constexpr int kSgBalling = dialog(323);
inline constexpr int kAbvAbw = dialog(324);
// The maintenance dialogs, one per reference table in the order of ReferenceKind.
inline constexpr int kFirstAddChg = dialog(330);
constexpr int addChg(int kindIndex) {
    return kFirstAddChg + kindIndex;
}
// Options, tips, About.
inline constexpr int kOptionsPreferences = dialog(350);
inline constexpr int kOptionsLocations = dialog(351);
inline constexpr int kOptionsHints = dialog(352);
inline constexpr int kTipOfTheDay = dialog(353);
inline constexpr int kAbout = dialog(354);
inline constexpr int kCredits = dialog(355);
inline constexpr int kOptionsUnits = dialog(356);
// The brew-day tools.
inline constexpr int kPriming = dialog(357);
inline constexpr int kHydrometer = dialog(358);
inline constexpr int kRefractometer = dialog(359);
inline constexpr int kStrikeWater = dialog(360);
inline constexpr int kMashInfusion = dialog(361);
inline constexpr int kDilution = dialog(362);
inline constexpr int kScaleRecipe = dialog(363);

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
