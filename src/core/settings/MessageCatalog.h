#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace wsc {

// The ids of the catalogue's texts that the program names in its code; the texts are in
// MessageCatalog.cpp under these names.
namespace Msg {
inline constexpr int kMaintenanceSucceeded = 4;
inline constexpr int kRecipeNeedsName = 8;
inline constexpr int kEfficiencyExpectedTip = 10;
inline constexpr int kEfficiencyCalculatedTip = 11;
inline constexpr int kCalculationWarnings = 12;
inline constexpr int kNoCalculationMessages = 13;
inline constexpr int kPlannedFunction = 19;
inline constexpr int kRecipeWord = 26;
inline constexpr int kConfirmDelete = 32;
inline constexpr int kConfirmCopy = 37;
inline constexpr int kSaveChanges = 68;
inline constexpr int kOneRecipeDatabaseOnly = 72;
inline constexpr int kToolNotLoaded = 78;
inline constexpr int kRecipeLogColumns = 79;
inline constexpr int kNoReferenceRows = 82;
inline constexpr int kCopyComplete = 83;
inline constexpr int kRecipeNeedsBatchNumber = 85;
inline constexpr int kBatchNumberNotUnique = 86;
inline constexpr int kTextTip = 130;
inline constexpr int kNameTip = 131;
inline constexpr int kRecipeFormName = 138;
inline constexpr int kAllGrainNoExtracts = 142;
inline constexpr int kDegreesTip = 143;
inline constexpr int kVolumeTip = 147;
inline constexpr int kGravityTip = 148;
inline constexpr int kBadGravityWarning = 149;
inline constexpr int kKitNeedsKit = 150;
inline constexpr int kKitRowNeedsKitMethod = 152;
inline constexpr int kHopBoundsWarning = 156;
inline constexpr int kNotARecipeDatabase = 168;
inline constexpr int kNotADataDatabase = 171;
inline constexpr int kTargetGravityRange = 172;
inline constexpr int kTargetIbuRange = 173;
inline constexpr int kTargetWord = 174;
inline constexpr int kTargetAlcoholRange = 175;
inline constexpr int kTargetColorRange = 176;
inline constexpr int kIngredientsWord = 186;
inline constexpr int kTargetStyleNotFound = 188;
inline constexpr int kBatchTip = 195;
inline constexpr int kDateTip = 196;
inline constexpr int kDisplayOnlyTip = 197;
inline constexpr int kProcessTip = 198;
inline constexpr int kMeasureTip = 199;
inline constexpr int kDaysTip = 200;
inline constexpr int kStepTimeTip = 201;
inline constexpr int kStepTemperatureTip = 202;
inline constexpr int kWaterAddedTip = 203;
inline constexpr int kMashBoiledTip = 204;
inline constexpr int kPhTip = 205;
inline constexpr int kReadingTemperatureTip = 207;
inline constexpr int kAllGrainNeedsGrain = 208;
inline constexpr int kBoilSizeZero = 210;
inline constexpr int kSizeIsZero = 211;
inline constexpr int kBatchSizeZero = 212;
inline constexpr int kAmountMissing = 213;
inline constexpr int kMashLengthTip = 217;
inline constexpr int kTemperatureAchievedTip = 218;
inline constexpr int kFinalTemperatureTip = 219;
inline constexpr int kMashOutLengthTip = 220;
inline constexpr int kBitternessOneMustBeZero = 221;
inline constexpr int kBitternessOnlyOneZero = 222;
inline constexpr int kBitternessNeedsBoilAndGravity = 223;
inline constexpr int kNoDataPath = 224;
inline constexpr int kDatabaseAndLastUsed = 230;
inline constexpr int kZeroBoilTime = 233;
inline constexpr int kBadColorWarning = 234;
inline constexpr int kCalcMessageColumns = 235;
inline constexpr int kBadAttenuationWarning = 236;
inline constexpr int kDefaultAttenuationUsed = 237;
inline constexpr int kGravityOneMustBeZero = 238;
inline constexpr int kGravityOnlyOneZero = 239;
inline constexpr int kGravityNeedsEfficiency = 240;
inline constexpr int kAlcoholOneMustBeZero = 242;
inline constexpr int kAlcoholOnlyOneZero = 243;
inline constexpr int kAlcoholNeedsAttenuation = 244;
inline constexpr int kTerminalNotBelowOriginal = 245;
inline constexpr int kAlcoholGravityRange = 246;
inline constexpr int kAttenuationRange = 247;
inline constexpr int kEfficiencyRange = 248;
inline constexpr int kPotentialRange = 249;
inline constexpr int kOnlyRecipe = 250;
inline constexpr int kBallingOneMustBeZero = 265;
inline constexpr int kBallingOnlyOneZero = 266;
inline constexpr int kSpecificGravityRange = 267;
inline constexpr int kBallingRange = 268;
inline constexpr int kAlcoholByOneMustBeZero = 270;
inline constexpr int kAlcoholByOnlyOneZero = 271;
inline constexpr int kByVolumeRange = 274;
inline constexpr int kByWeightRange = 275;
inline constexpr int kWeightMissing = 285;
inline constexpr int kAssumedPotential = 286;
inline constexpr int kAssumedAttenuation = 287;
inline constexpr int kAssumedEfficiency = 288;
inline constexpr int kBatchSizeZeroInOg = 289;
inline constexpr int kProgramName = 57344;
} // namespace Msg

// The program's string table: every user-visible text that has a string id, by that id.
// The id is also the help context of the message box that shows it.
class MessageCatalog {
public:
    // The text of string `id`; an empty string for an id the table does not hold.
    static QString text(int id);
    static bool contains(int id);
    // Every id the table holds, in order.
    static std::vector<int> ids();
    // The ids of the texts shown in a message box, in order.
    static std::vector<int> messageBoxIds();

    // Replaces "%1" and "%2" (and "%3" when there is a third insert) by the inserts, and "%d"
    // by `row` when it is not negative, in one pass, so an insert that itself holds "%2", "%d"
    // or any per-cent sign comes through unchanged.
    static QString substitute(const QString& pattern, const QStringList& inserts, long row = -1);

    // text(id) with the inserts substituted.
    static QString format(int id, const QStringList& inserts = {});

    // "Seek failed on " + the keys joined by ", " + ".  Contact Quillbarrow Software."
    static QString seekFailed(const QStringList& keys);
};

// Texts that the program shows without a string id.
namespace Texts {
inline constexpr const char* kCleanWorkspaceFailed =
    "Error in GetNewWorkspace, cleanWorkspace returned FAILURE";
inline constexpr const char* kNoWorkspaceObject =
    "Error in GetNewWorkspace, Could not allocate new workspace.";
inline constexpr const char* kUnknownWorkspace =
    "Error in GetNewWorkspace, Unknown workspace name.";
inline constexpr const char* kNoDatabaseObject =
    "Error in CDocumentPlus::GetNewWorkspace, failed to allocate database object.";
inline constexpr const char* kDatabaseNotOpen =
    "Error in CDocumentPlus::GetNewWorkspace, failed to open database.";
inline constexpr const char* kAddChgWorkspaceFailed =
    "Error in CAddChgDAO::GetNewWorkspace, CDocument::GetNewWorkspace failed";
inline constexpr const char* kLogViewWorkspaceFailed =
    "Error in CRecipeLogView::GetNewWorkspace, CDocument::GetNewWorkspace failed";
inline constexpr const char* kDaoErrorWithRecord = "%s   (%d)\n\nWould you like to see help?";
inline constexpr const char* kDaoErrorStatusOnly =
    "ERROR:CDaoException\n\nSCODE_CODE\t\t=%d\nSCODE_FACILITY\t=%d\nSCODE_SEVERITY\t=%d\n"
    "ResultFromScode\t=%d\n";
// %1 the file, %2 the summary of what was added and left out.
inline constexpr const char* kImportComplete = "Information:\nImport of %1 complete.\n\n%2";
// %1 kExportedOne or kExportedAll, %2 the file.
inline constexpr const char* kExportComplete = "Information:\nThe %1 written to %2.";
inline constexpr const char* kExportedOne = "recipe was";
inline constexpr const char* kExportedAll = "recipes were";
// What went wrong in a window's event handler, which the program survives: %1 what.
inline constexpr const char* kUnexpectedError = "Error:\n%1";
// %1 the printer.
inline constexpr const char* kReportNotPrinted = "The report could not be printed on %1.";
// Followed by why.
inline constexpr const char* kPdfNotWritten = "The PDF file was not written:\n";
// Followed by the running system's facts.
inline constexpr const char* kSystemInformation = "System Information:\n";
// %1 the bitmap a credits line names.
inline constexpr const char* kCreditsBitmapMissing =
    "Could not find bitmap resource \"%1\". Be sure to assign the bitmap a QUOTED resource "
    "name";
// Said in the status bar for a few seconds after a recipe is written.
inline constexpr const char* kSavedBatch = "Saved batch %1";
inline constexpr int kSavedNoteMilliseconds = 4000;
inline constexpr const char* kSeekFailedBatch = "Seek failed on batch number ";
inline constexpr const char* kSeekFailedOn = "Seek failed on ";
inline constexpr const char* kContactUs = ".  Contact Quillbarrow Software.";
inline constexpr const char* kMemoryError =
    "Memory Error: Not enough memory for WSC.  Please close other applications.";
inline constexpr const char* kNoDefaultDatabase = "Error_opening_DefaultDatabase";
inline constexpr const char* kBoilTimeTip = "Minutes\nFormat = 999";
inline constexpr const char* kNoSuchIngredient =
    "Cannot use delete command on non-existant ingredient.";
inline constexpr const char* kGridLayoutMissing =
    "Configuration Error:\nThe grid layout file %1 is missing or empty.\nThe built-in layout is "
    "used instead.  Please reinstall Wortsmith Calculator.";
// %1 the layout file, %2 what is wrong with it.
inline constexpr const char* kGridLayoutGarbled =
    "Configuration Error:\nThe grid layout file %1 cannot be used: %2.\nThe built-in layout is "
    "used instead.  Please reinstall Wortsmith Calculator.";
// %1 the database, %2 who holds it.
inline constexpr const char* kDatabaseInUse =
    "File Error:\nThe data base %1 is open for changes in another program (%2).\nOnly one "
    "program at a time can change a recipe data base.  Close it there, then open it here.";
// %1 the switches the program does not know.
inline constexpr const char* kUnknownSwitches =
    "Command Line Error:\nThe switch %1 is not known and was left out.\nWortsmith Calculator "
    "takes /l (open the last-used database), /s (no splash window) and a database file; a file "
    "whose name begins with \"-\" may also be given after \"--\".";
// A stored text longer than its field takes: %1 the characters shown, %2 those stored.
inline constexpr const char* kTextShownCut =
    "Only the first %1 of its %2 characters are shown: the text is longer than this field "
    "takes.  It stays as it is stored and cannot be changed here.";
// The Info of the two priming methods the priming lookup offers beside the Adjuncts table.
inline constexpr const char* kForcedCarbonationInfo =
    "Forced Carbonation\nNo sugar is added at bottling or kegging: the beer is carbonated with "
    "carbon dioxide from a cylinder, in the keg, at the pressure and temperature that give the "
    "wanted volumes of CO2.";
inline constexpr const char* kDryMaltExtractInfo =
    "Dry Malt Extract\nPrimes with malt rather than sugar: about 1 1/4 cups (about 160 g) per "
    "5 gallons, boiled in a little water.  It ferments more slowly than corn sugar and leaves a "
    "little more body and a finer head.";
// A database engine's "database is locked": %1 the database, %2 who holds it.
inline constexpr const char* kDatabaseBusy =
    "Couldn't use %1; it is locked by %2, which is reading or changing it.  Wait until it has "
    "finished, or close it there, then try again.";
// %1 the database, %2 why.
inline constexpr const char* kBackupFailed =
    "Warning:\nNo backup copy of the data base %1 could be made (%2).\nYou can go on working; "
    "the data base itself is not affected.";
// %1 the batch number, %2 one line per field.
inline constexpr const char* kStoredValueProblems =
    "Data Error:\nRecipe %1 holds values this program cannot use:\n%2\nThey are shown as 0 or "
    "empty and stay as stored unless you change those fields.";
// %1 the highest batch number in use.
inline constexpr const char* kNoNextBatchNumber =
    "Data Error:\nNo batch number is left after %1, the highest one in use.\nPlease give a "
    "recipe a lower batch number, then add again.";
// The maintenance dialogs of the reference tables.
inline constexpr const char* kSaveDataRecord = "Save changes to current data record?";
inline constexpr const char* kRequiredDataMissing = "Data Error:\nRequired data is missing.";
inline constexpr const char* kAlphaBetween = "Data Error:\nAlpha values must be between 1 and 20. ";
inline constexpr const char* kAlphaRange =
    "Data Error:\nHops Alpha value is not between Low and High values OR\nLow and/or High value "
    "missing OR\nLow and High values inconsistent";
inline constexpr const char* kDeleteLastBrewer = "Should delete of last brewer be allowed?";
inline constexpr const char* kAddChgRefreshError =
    "CAddChgDAO::OnRecordRefresh; DAO logic error\"\nContact Quillbarrow Software (see "
    "Help-About).\"";
// %1 the address or site, %2 the error number.
inline constexpr const char* kContactFailed =
    "Support Program Error:\nAn error occurred while trying to contact \n%1\nvia the Internet "
    "or E-mail.\n\nError = %2";
// %1 the text that is no address.
inline constexpr const char* kNotAnEmailAddress =
    "Data Error:\n\"%1\" is not an e-mail address.  Please enter an address like "
    "brewer@example.com.";
inline constexpr const char* kNotAWebSite =
    "Data Error:\n\"%1\" is not a web site address.  Please enter an address like "
    "www.example.com or https://www.example.com.";
// The description of a duplicate key (3022).
inline constexpr const char* kDuplicateKey =
    "The changes you requested to the table were not successful because they would create "
    "duplicate values in the index, primary key, or relationship.  Change the data in the field "
    "or fields that contain duplicate data, remove the index, or redefine the index to permit "
    "duplicate entries and try again.";

// A calculation input that is no number of 0 or more. %1 the quantity ("Boil Time"), %2 the
// text as typed or stored, %3 the kind of ingredient; %d the row.
inline constexpr const char* kBadCellValue =
    "Warning: %1 of %2 invalid in %3 number %d.  Please enter a number of 0 or more.  This "
    "ingredient was excluded from the calculations.";
// A recipe field the calculations need that is no number of 0 or more; %1 the field ("Batch
// Size"), %2 its text.
inline constexpr const char* kBadRecipeValueBypassed =
    "Warning: The recipe's %1 of %2 is not a valid number.  Calculations have been bypassed.";
inline constexpr const char* kBadEfficiencyAssumed =
    "Warning: The recipe's %1 of %2 is not a valid number.  A system efficiency of 80% was "
    "assumed.";
inline constexpr const char* kJudgeScoreTooHigh =
    "Data Error:\nThe Judge's score must be 50 or less.";
inline constexpr const char* kJudgeScoreTip = "Judge's score, max of 50\nFormat = 99";
// A numeric field that holds no number; %1 is the field's label.
inline constexpr const char* kEnterWholeNumber =
    "Data Error:\nPlease enter a whole number from 0 to 2147483647 in the field \"%1\".";
// A whole number with bounds (a score of the tasting scale, a temperature in °C): %1 the field,
// %2 and %3 its range.
inline constexpr const char* kScoreOutOfRange =
    "Data Error:\nPlease enter a whole number from %2 to %3 in the field \"%1\".";
inline constexpr const char* kEnterNumber =
    "Data Error:\nPlease enter a number in the field \"%1\".";
inline constexpr const char* kEnterQuantity =
    "Data Error:\nPlease enter a number of 0 or more in the field \"%1\".";
// Asked once at the first start of a user whose system measures in metric units.
inline constexpr const char* kOfferMetricUnits =
    "Your computer is set to metric measure.\n\nShow and enter quantities in litres, "
    "kilograms, degrees Celsius, degrees Plato and EBC?\n\nRecipes are stored the same "
    "either way.  You can change this at any time in Tools > Options, on the Units page.";
// A number with bounds, given in the unit the field is typed in.
inline constexpr const char* kEnterNumberFromTo =
    "Data Error:\nPlease enter a number from %2 to %3 in the field \"%1\".";
// The brewing calculators. %1 the quantity asked for, %2 the value that leaves nothing to
// divide by, %3 its text.
inline constexpr const char* kCalcUnsolvable =
    "Data Error:\nThe %1 cannot be calculated: with %2 = %3 the equation has no answer (it would "
    "divide by zero).\nPlease change the values entered.";
// %1 the quantity asked for.
inline constexpr const char* kCalcOutOfReach =
    "Data Error:\nThe %1 would be too large to show.  Please check the values entered.";
inline constexpr const char* kBitternessMethod = "Tinseth's";
// Scaling a recipe.
inline constexpr const char* kScaleNoBatchSize =
    "Data Error:\nThe recipe has no batch size to scale from.  Please enter its batch size "
    "first.";
// %1 and %2 the smallest and largest batch sizes, %3 their unit.
inline constexpr const char* kScaleBadBatchSize =
    "Data Error:\nPlease enter a batch size from %1 to %2 %3 to scale the recipe to.";
inline constexpr const char* kScaleBadEfficiency =
    "Data Error:\nPlease enter an efficiency from 1 to 100 % to scale the recipe to.";
// %1 the batch size, %2 the one asked for, %3 how many times it is.
inline constexpr const char* kScaleKits =
    "Data Error:\nA kit is a whole can: a recipe with kits scales only to a whole number of "
    "times its batch size (%1 to %2 is %3 times).";
// %1 the copy's batch number, %2 the original's figures beside the copy's.
inline constexpr const char* kScaledCopyMade = "The scaled copy is complete: batch %1.\n\n%2";
// %1 the batch number.
inline constexpr const char* kScaleNoSuchBatch = "Data Error:\nThere is no recipe with batch %1.";
// The brew-day tools. %1 and %2 the two quantities.
inline constexpr const char* kToolOneOfTwo =
    "Data Error:\nPlease leave either the %1 or the %2 blank to have it calculated, and enter "
    "the other.";
// %1 the field, %2 its text, %3 and %4 its range, in the field's unit.
inline constexpr const char* kToolOutOfRange =
    "Data Error:\nThe %1 entered (%2) must be between %3 and %4.";
// %1 the temperature, %2 the CO2 the beer holds at it, %3 the volumes asked for.
inline constexpr const char* kPrimingNoSugar =
    "Data Error:\nAt %1 the beer still holds %2 volumes of CO2: no sugar is needed for %3 "
    "volumes.";
// %1 and %2 the two temperatures' names, %3 and %4 their values.
inline constexpr const char* kToolNotAbove = "Data Error:\nThe %1 (%2) must be above the %3 (%4).";
// Reports. %1 the engine's error code, %2 its text.
inline constexpr const char* kEngineDidNotOpen =
    "Support Program Error:\nThe print engine did not open.  Reports will be disabled.\nThis is "
    "probably due to an installation error.  Try Setup again.\n If problem persists, contact "
    "Quillbarrow Software.\n\nError code = %1\nError text = %2";
inline constexpr const char* kErrorOpeningReport = "Error opening report.\n";
inline constexpr const char* kUnsavedRecipeReport =
    "Warning:\nYou have asked to preview or print the current recipe, however the latest "
    "change(s) have not been saved.\n\nAre you sure you want to continue?";
inline constexpr const char* kReportErrorCode = "\nError code = ";
// %1 the most characters, %2 the path.
inline constexpr const char* kReportPathTooLong =
    "Report Error:\nA report can read a data base whose path has at most %1 characters; this "
    "one has more:\n%2\nPlease move the data base to a folder with a shorter path.";
inline constexpr const char* kNoReportSelected =
    "No report has been selected yet.  Please choose one with Select a Report.";
// %1 the section, %2 why.
inline constexpr const char* kSectionLeftOut = "Section %1 of this report is left out: %2";
// BeerXML. %1 the file, %2 what is wrong with it and where.
inline constexpr const char* kImportFailed =
    "Data Error:\nThe file %1 cannot be imported:\n%2\n\nNothing was imported.";
inline constexpr const char* kExportFailed =
    "File Error:\nThe recipes could not be written to %1:\n%2";
// Reference data. %1 the file, %2 what is wrong with it.
inline constexpr const char* kDataImportFailed =
    "Data Error:\nThe file %1 cannot be imported:\n%2\n\nThe Data database was not changed.";
// %1 the file, %2 added, %3 replaced, %4 left as they were.
inline constexpr const char* kDataImportComplete =
    "Information:\nImport of %1 complete.\n\nAdded: %2\nReplaced: %3\nLeft as they were: %4";
// %1 the file, %2 why.
inline constexpr const char* kDataExportFailed =
    "File Error:\nThe reference data could not be written to %1:\n%2";
// %1 the file.
inline constexpr const char* kDataExportComplete =
    "Information:\nThe styles, hops, grains, extracts, adjuncts and yeasts were written to %1.";
// %1 the help file.
inline constexpr const char* kHelpMissing =
    "Configuration Error:\nThe help file %1 is missing or cannot be read.\nPlease reinstall "
    "Wortsmith Calculator.";
// Why an import is refused: %1 the file's size, %2 the most that is read.
inline constexpr const char* kImportTooLarge = "the file has %1 bytes; at most %2 are read";
// Long work that a signal (Ctrl+C, a logout) stopped where it was.
inline constexpr const char* kStoppedBySignal =
    "The work was stopped by a signal; what it had begun was undone.";
// Why a path is refused: %1 what it names ("a FIFO (named pipe)", "a character device").
inline constexpr const char* kNotAFile = "it is %1, not a file";
// %1 the settings file, %2 what it names instead of a file.
inline constexpr const char* kSettingsNotAFile =
    "Configuration Error:\nThe settings file %1 is %2, not a file.  The settings are not read, "
    "and what you change is kept only until the program ends.";
// Why the desktop did not open an address: %1 its kind ("mailto", "https").
inline constexpr const char* kNoProgramForAddress =
    "the desktop has no program set up for %1 addresses";
// Why a grid layout file is not used.
inline constexpr const char* kLayoutMissing = "the file is missing or empty";
inline constexpr const char* kLayoutUnreadable = "it cannot be read as a layout file";
// %1 the most sheets.
inline constexpr const char* kLayoutNoSheetCount =
    "its number of sheets (\"Sheets\" in [Grid]) is missing or not a number from 1 to %1";
// %1 the sheets the file has, %2 the sheets needed.
inline constexpr const char* kLayoutSheetCount = "it has %1 sheets where %2 are needed";
// %1 the sheet, %2 the columns needed.
inline constexpr const char* kLayoutColumnCount = "sheet %1 does not have the %2 columns it needs";
// %1 the column, %2 the sheet, %3 the widest a column may be.
inline constexpr const char* kLayoutColumnWidth = "column %1 of sheet %2 has no width from 0 to %3";
// %1 the column, %2 the sheet, %3 the type the file names.
inline constexpr const char* kLayoutCellType =
    "column %1 of sheet %2 has the cell type \"%3\", which is none of Edit, DropDownList, "
    "ComboBox, CheckBox, Int, Float and Header";
// A report preview asked for where no window can show it.
inline constexpr const char* kNoPreviewWindow = "There is no window to show the report in.";
// Why the About box did not open an address.
inline constexpr const char* kNotOurAddress = "the address is not one of the program's";
} // namespace Texts

} // namespace wsc
