#include "core/settings/MessageCatalog.h"

#include <algorithm>
#include <iterator>

namespace wsc {

namespace {

// A text shown as a message box offers the help topic of its id.
enum Shown { Text, Box };

struct Entry {
    int id;
    Shown shown;
    const char* text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {Msg::kMaintenanceSucceeded, Box,
     "Support Program Message:\nThe %1 of the data base (%2) was successful."},
    {Msg::kRecipeNeedsName, Box, "Data Error:\nThe recipe must have a name."},
    {Msg::kEfficiencyExpectedTip, Text,
     "Percent expected from your system\nIf not entered, will assume 80%"},
    {Msg::kEfficiencyCalculatedTip, Text, "Percent calculated from actual OG"},
    {Msg::kCalculationWarnings, Box,
     "Warning:  During the recipe calculations for predicted Original Gravity, Alcohol content, "
     "Bitterness (IBU) and Color one or more potential errors were encountered.  Please check the "
     "Calculation Messages list for details by selecting that button in the Target Style window."},
    {Msg::kNoCalculationMessages, Box,
     "Information:  There are no longer any recipe calculation messages to display."},
    {14, Text, "Quillbarrow Software"},
    {Msg::kPlannedFunction, Box,
     "Information:\nThis function is planned for a future version of Wortsmith Calculator."},
    {Msg::kRecipeWord, Text, "Recipe"},
    {Msg::kConfirmDelete, Box, "Please confirm delete -\n%1 - %2"},
    {Msg::kConfirmCopy, Box, "Please confirm copy -\n%1 - %2"},
    {66, Text, "Settings"},
    {67, Text, "View"},
    {Msg::kSaveChanges, Box, "Save changes to current recipe?\n%1"},
    {Msg::kOneRecipeDatabaseOnly, Box,
     "File Error:\nOnly one Recipe database can be open at a time.\nTo open another database, "
     "please close this one."},
    {74, Text, "Tools"},
    {75, Text, "PathTool1"},
    {76, Text, "PathTool2"},
    {Msg::kToolNotLoaded, Box,
     "Configuration Error:\nThe tool you requested was not loaded.  Please verify that the "
     "path and progam name information is correct.\nTool=%1\nFile=%2"},
    {Msg::kRecipeLogColumns, Text, "Batch,Recipe Name,Brew Date,Style,Category,Subcategory"},
    {Msg::kNoReferenceRows, Text, "No %1.  Use Data-%1 command to add."},
    {Msg::kCopyComplete, Box, "The recipe copy is complete."},
    {Msg::kRecipeNeedsBatchNumber, Box,
     "Data Error:\nThe recipe must have a batch number.  It must also be unique from all other "
     "recipes."},
    {Msg::kBatchNumberNotUnique, Box,
     "Data Error:\nThe batch number for each recipe must be unique.  Please change."},
    {111, Text, "UserSkill"},
    {113, Text, "DisplayWarnings"},
    {118, Text, "DisplayDeleteWarnings"},
    {Msg::kTextTip, Text, "Enter any descriptive information\nUse Ctrl+Enter to force line break"},
    {Msg::kNameTip, Text, "Enter a name\nUp to 50 characters"},
    {Msg::kRecipeFormName, Text, "Recipe Form (More Information)"},
    {Msg::kAllGrainNoExtracts, Box,
     "Data Error:\nWhen 'All Grain' process method is selected, then\n1) You can't select "
     "Kit, Extract nor Partial Mash\n2) Mash data is required."},
    {Msg::kDegreesTip, Text, "Degrees\nFormat = 999"},
    {Msg::kVolumeTip, Text, "Volume\nFormat = 99.99"},
    {Msg::kGravityTip, Text, "Specific Gravity\nFormat = 9.999"},
    {Msg::kBadGravityWarning, Box,
     "Warning: Specific Gravity of %1 invalid in %2 number %d.  Please enter a value between "
     "1.000 and 1.200."},
    {Msg::kKitNeedsKit, Box,
     "Data Error:\nWhen 'Kit' process method is selected you must enter at least one kit as "
     "an ingredient."},
    {Msg::kKitRowNeedsKitMethod, Box,
     "Data Error: \nYou entered at least one kit as an ingredient.  Therefore, the 'Kit' "
     "process method must be selected."},
    {153, Text, "DefaultRecipeFile"},
    {155, Text, "DefaultDataFile"},
    {Msg::kHopBoundsWarning, Box,
     "Warning: During Hops IBU calculation the %1 (%2) was outside the bounds of the "
     "Utilization table."},
    {166, Text, "          "},
    {167, Text, "                                        "},
    {Msg::kNotARecipeDatabase, Box,
     "File Error:\nThe data base you tried to open is not a Wortsmith Calculator recipe data "
     "base.  Please select another.\n\nData base name = %1."},
    {Msg::kNotADataDatabase, Box,
     "File Error:\nThe data base you entered is not the right type of Wortsmith Calculator "
     "data base.  Please select another.\n\nData base name = %1."},
    {Msg::kTargetGravityRange, Text, "Specific Gravity %1 - %2"},
    {Msg::kTargetIbuRange, Text, "IBU %1 - %2"},
    {Msg::kTargetWord, Text, "Target "},
    {Msg::kTargetAlcoholRange, Text, "Alcohol %1 - %2"},
    {Msg::kTargetColorRange, Text, "Color %1 - %2"},
    {Msg::kIngredientsWord, Text, "Ingredients"},
    {Msg::kTargetStyleNotFound, Text, "The target style's data was not found."},
    {189, Text, "DisplayToolTips"},
    {190, Text, "RecipeScroll"},
    {Msg::kBatchTip, Text,
     "Automatically assigned, but can override.\nMust be unique.\nFormat = 999"},
    {Msg::kDateTip, Text,
     "Date\nWithout a checkmark this date is actually empty\nFormat = 99/99/9999"},
    {Msg::kDisplayOnlyTip, Text, "Display only.  To change, select Ingredients tab"},
    {Msg::kProcessTip, Text, "Select one or more"},
    {Msg::kMeasureTip, Text, "Only English currently supported"},
    {Msg::kDaysTip, Text, "Days\nFormat = 99"},
    {Msg::kStepTimeTip, Text, "How long\nMinutes\nFormat = 999"},
    {Msg::kStepTemperatureTip, Text, "Average temp\nFormat = 999"},
    {Msg::kWaterAddedTip, Text, "Volume of water added\nFormat = 99.99"},
    {Msg::kMashBoiledTip, Text, "Volume of mash boiled\nFormat = 99.9"},
    {Msg::kPhTip, Text, "Ph adjusted to\nFormat = 9.9"},
    {Msg::kReadingTemperatureTip, Text, "Temperature at SG reading.\nDegrees\nFormat = 999"},
    {Msg::kAllGrainNeedsGrain, Box,
     "Data Error:\nWhen 'All Grain' process method is selected you must enter at least one "
     "grain as an ingredient.  Additionally, you cannot enter any kits nor any extracts."},
    {Msg::kBoilSizeZero, Box,
     "Warning: The recipe's Boil Size is zero.  Calculations have been bypassed."},
    {Msg::kSizeIsZero, Box,
     "Data Error:\n%1 Size is zero.\nBecause it is critical to several calculations, please "
     "record on the Fermentation Info tab of the Recipe Form.\nIf you are not sure of this "
     "information, use \"1\" and note to correct it so calculations can be done."},
    {Msg::kBatchSizeZero, Box,
     "Warning: The recipe's Batch Size is zero.  Calculations have been bypassed."},
    {Msg::kAmountMissing, Box,
     "Warning: Amount is zero or missing for %1 %2.  This ingredient was excluded from the "
     "calculations."},
    {216, Text, "MSInfoPath"},
    {Msg::kMashLengthTip, Text, "Mash length\nMinutes\nFormat = 999"},
    {Msg::kTemperatureAchievedTip, Text, "Temp achieved\nFormat = 999"},
    {Msg::kFinalTemperatureTip, Text, "Final temp\nFormat = 999"},
    {Msg::kMashOutLengthTip, Text, "Mash out length\nMinutes\nFormat = 999"},
    {Msg::kBitternessOneMustBeZero, Box,
     "Data Error:\nOne of these must be zero\nWeight, Alpha, Volume, IBUs"},
    {Msg::kBitternessOnlyOneZero, Box,
     "Data Error:\nOnly one of these can be zero\nWeight, Alpha, Volume, IBUs"},
    {Msg::kBitternessNeedsBoilAndGravity, Box,
     "Data Error:\nBoil Time and Original Gravity must be entered"},
    {Msg::kNoDataPath, Box,
     "File Error:\nNo path has been set for the Ingredients database.\nPossible cause is an "
     "error during installation.  Please uninstall and reinstall.\nContact Quillbarrow "
     "Software for further information"},
    {225, Text, "PathTool3"},
    {226, Text, "NameTool1"},
    {227, Text, "NameTool2"},
    {228, Text, "NameTool3"},
    {Msg::kDatabaseAndLastUsed, Box,
     "Command Line Error:\nYou specified a database to open and also requested to open the "
     "last-used database.\nWortsmith Calculator will not load either database.\n\nDatabase = %1"},
    {232, Text, "RecipeFileOpened"},
    {Msg::kZeroBoilTime, Box,
     "Information: During Hops IBU calculation the Boil Time was zero.  These will be assumed "
     "to be finishing  hops, and not contribute to bitterness."},
    {Msg::kBadColorWarning, Box,
     "Warning: Color (degrees Lovibond) of %1 invalid in %2 number %d.  Please enter a value "
     "between 1and 500 (English measures) or 1 and 2000 (Metric)"},
    {Msg::kCalcMessageColumns, Text, "#,Level,Message"},
    {Msg::kBadAttenuationWarning, Box,
     "Warning: Attenuation of %1 invalid in %2 number %d.  Please enter a value between 1 and "
     "100."},
    {Msg::kDefaultAttenuationUsed, Box,
     "Information: Multiple yeasts are in recipe.  Or, no yeast with a valid attenuation was "
     "found.  Default attenuation of 75 used in alcohol calculation."},
    {Msg::kGravityOneMustBeZero, Box,
     "Data Error:\nOne of these must be zero\nWeight, Extract Potential, Volume, Original Gravity"},
    {Msg::kGravityOnlyOneZero, Box,
     "Data Error:\nOnly one of these can be zero\nWeight, Extract Potential, Volume, Original "
     "Gravity"},
    {Msg::kGravityNeedsEfficiency, Box, "Data Error:\nEfficiency must be entered"},
    {Msg::kAlcoholOneMustBeZero, Box,
     "Data Error:\nOne of these must be zero\nOriginal Gravity, Terminal Gravity, % Alcohol "
     "by Volume"},
    {Msg::kAlcoholOnlyOneZero, Box,
     "Data Error:\nOnly one of these can be zero\nOriginal Gravity, Terminal Gravity, % "
     "Alcohol by Volume"},
    {Msg::kAlcoholNeedsAttenuation, Box,
     "Data Error:\nYeast Attenuation must be entered if Terminal Gravity is zero (to predict "
     "TG from OG using Attenuation)"},
    {Msg::kTerminalNotBelowOriginal, Box,
     "Data Error:\nTerminal Gravity must be less than Original Gravity"},
    {Msg::kAlcoholGravityRange, Box,
     "Data Error:\nThe %1 Gravity entered (%2) must be between 1.000 and 1.200"},
    {Msg::kAttenuationRange, Box,
     "Data Error:\nThe Attenuation entered (%1) must be between 50 and 95"},
    {Msg::kEfficiencyRange, Box,
     "Data Error:\nThe Efficiency entered (%1) must be between 25 and 100"},
    {Msg::kPotentialRange, Box,
     "Data Error:\nThe Extract Potential entered (%1) must be between 1.000 and 1.200"},
    {Msg::kOnlyRecipe, Box,
     "Error:\nYou cannot delete the only recipe in the database.\n Please add at least one "
     "other recipe, then delete this recipe."},
    {Msg::kBallingOneMustBeZero, Box,
     "Data Error:\nOne of the two fields must be zero\nSpecific Gravity, Balling"},
    {Msg::kBallingOnlyOneZero, Box,
     "Data Error:\nOnly one of the fields can be zero\nSpecific Gravity, Balling"},
    {Msg::kSpecificGravityRange, Box,
     "Data Error:\nThe Specific Gravity entered (%1) must be between 1.000 and 1.200"},
    {Msg::kBallingRange, Box, "Data Error:\nThe Balling entered (%1) must be between 0 and 50"},
    {Msg::kAlcoholByOneMustBeZero, Box,
     "Data Error:\nOne of the two fields must be zero\nBy Volume, By Weight"},
    {Msg::kAlcoholByOnlyOneZero, Box,
     "Data Error:\nOnly one of the fields can be zero\nBy Volume, By Weight"},
    {Msg::kByVolumeRange, Box,
     "Data Error:\nThe By Volume entered (%1) must be between 0.5 and 20.00"},
    {Msg::kByWeightRange, Box,
     "Data Error:\nThe By Weight entered (%1) must be between 0.4 and 16.00"},
    {Msg::kWeightMissing, Box,
     "Warning: Weight is zero or missing for %1 %2.  This ingredient was excluded from the "
     "calculations."},
    {Msg::kAssumedPotential, Box,
     "Information: Assumed extract potential of %1 due to invalid SG on %2 %d"},
    {Msg::kAssumedAttenuation, Box,
     "Information: Assumed attenuation of %1 percent due to invalid attenuation on %2 %d"},
    {Msg::kAssumedEfficiency, Box,
     "Information: System efficiency of %1 assumed because not entered on Mash tab"},
    {Msg::kBatchSizeZeroInOg, Box,
     "Warning: The recipe's Batch Size is zero during OG calc.  Calculations have been bypassed."},
    {Msg::kProgramName, Text, "Wortsmith Calculator"},
};

const Entry* find(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int key) { return e.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? it : nullptr;
}

} // namespace

QString MessageCatalog::text(int id) {
    const Entry* e = find(id);
    return e ? QString::fromUtf8(e->text) : QString();
}

std::vector<int> MessageCatalog::ids() {
    std::vector<int> out;
    for (const Entry& e : kStrings)
        out.push_back(e.id);
    return out;
}

std::vector<int> MessageCatalog::messageBoxIds() {
    std::vector<int> out;
    for (const Entry& e : kStrings) {
        if (e.shown == Box)
            out.push_back(e.id);
    }
    return out;
}

bool MessageCatalog::contains(int id) {
    return find(id) != nullptr;
}

QString MessageCatalog::substitute(const QString& pattern, const QStringList& inserts, long row) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size()) {
            const QChar n = pattern.at(i + 1);
            if (n == u'1' || n == u'2') {
                const int index = n.digitValue() - 1;
                if (index < inserts.size())
                    out += inserts.at(index);
                ++i;
                continue;
            }
            // Texts of our own may take a third insert; a text without one keeps "%3".
            if (n == u'3' && inserts.size() > 2) {
                out += inserts.at(2);
                ++i;
                continue;
            }
            if (n == u'd' && row >= 0) {
                out += QString::number(row);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString MessageCatalog::seekFailed(const QStringList& keys) {
    return QString::fromLatin1(Texts::kSeekFailedOn) + keys.join(QStringLiteral(", ")) +
           QString::fromLatin1(Texts::kContactUs);
}

QString MessageCatalog::format(int id, const QStringList& inserts) {
    return substitute(text(id), inserts);
}

} // namespace wsc
