#pragma once

// The texts the windows show that are no message: titles, menus, buttons, file dialogs and the
// lines of the About box. The messages are in MessageCatalog.h. Each text is written once here
// and named where a window shows it.
namespace wsc::Labels {

// The main window. The program's own name is the catalogue's (Msg::kProgramName).
inline constexpr const char* kProgramWithFile = "%1 - %2"; // the name, the open file's title
inline constexpr const char* kRecipeFormTitle = "Recipe Form";
inline constexpr const char* kStandardToolBar = "Standard";
inline constexpr const char* kToolName = "Tool %1"; // a tool of the Tools menu without a name
inline constexpr const char* kPredictionsDock = "&Predictions";
inline constexpr const char* kPredictionsTip =
    "Show or hide the recipe's predictions against its target style";

// The main window's menus and their own entries.
inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kEditMenu = "&Edit";
inline constexpr const char* kRecordMenu = "&Record";
inline constexpr const char* kDataMenu = "&Data";
inline constexpr const char* kCalculatorsMenu = "&Calculators";
inline constexpr const char* kReportsMenu = "Re&ports";
inline constexpr const char* kViewMenu = "&View";
inline constexpr const char* kStatusBarToggle = "&Status Bar";
inline constexpr const char* kToolsMenu = "&Tools";
inline constexpr const char* kWindowMenu = "&Window";
inline constexpr const char* kCascade = "&Cascade";
inline constexpr const char* kTile = "&Tile";
inline constexpr const char* kHelpReferenceMenu = "&Reference";

// File dialogs: their titles and filters.
inline constexpr const char* kOpenTitle = "Open";
inline constexpr const char* kAnyFileFilter = ";;All files (*)"; // after the program's own
inline constexpr const char* kCompressTitle = "Compress";
inline constexpr const char* kRepairTitle = "Repair";
inline constexpr const char* kDatabaseFilter = "Databases (*.mdb)";
inline constexpr const char* kImportTitle = "Import Recipes";
inline constexpr const char* kRecipeFileOpenFilter =
    "Recipe files (*.xml *.json);;BeerXML files (*.xml);;BeerJSON files (*.json);;All files (*)";
inline constexpr const char* kExportAllTitle = "Export All Recipes";
inline constexpr const char* kExportOneTitle = "Export Recipe";
inline constexpr const char* kRecipeFileSaveFilter =
    "BeerXML files (*.xml);;BeerJSON files (*.json)";
inline constexpr const char* kDataImportTitle = "Import Reference Data";
inline constexpr const char* kDataExportTitle = "Export Reference Data";
inline constexpr const char* kDataFileSaveFilter = "BeerJSON files (*.json);;BeerXML files (*.xml)";
// The preview of a reference import.
inline constexpr const char* kDataPreviewIntro =
    "Tick what to add or replace. New records are ticked; a record that differs from the one "
    "of its name replaces it only when ticked.";
inline constexpr const char* kDataPreviewImport = "&Import";
inline constexpr const char* kDataPreviewHeadings = "Kind|Name|In the Data database|Not kept";
inline constexpr const char* kExportPdfTitle = "Export PDF";
inline constexpr const char* kPdfFilter = "PDF files (*.pdf)";
// The progress of long work, shown once it has taken a second: %1 the file.
inline constexpr const char* kImportingFrom = "Importing the recipes of %1...";
inline constexpr const char* kExportingTo = "Writing the recipes to %1...";

// The report preview.
inline constexpr const char* kPrintButton = "&Print...";
inline constexpr const char* kExportPdfButton = "&Export PDF...";
inline constexpr const char* kPageOf = "Page %1 of %2";

// The About box and the credits.
inline constexpr const char* kAboutTitle = "About Wortsmith Calculator";
inline constexpr const char* kProductVersion = "%1  Product Version %2";
inline constexpr const char* kFileVersion = "File Version %1";
inline constexpr const char* kWriteToUs = "Write to us";
inline constexpr const char* kVisitWebSite = "Visit our web site";
inline constexpr const char* kAddressAndPhone = "%1   Telephone %2";
inline constexpr const char* kSystemInfoButton = "System Info...";
inline constexpr const char* kMoreInfoButton = "More Info...";
inline constexpr const char* kCreditsButton = "Credits...";
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kCreditsTitle = "Credits";
// The lines of System Info.
inline constexpr const char* kSystemOs = "Operating system: %1";
inline constexpr const char* kSystemKernel = "Kernel: %1 %2";
inline constexpr const char* kSystemProcessor = "Processor: %1";
inline constexpr const char* kSystemComputer = "Computer name: %1";
inline constexpr const char* kSystemQt = "Qt version: %1";
inline constexpr const char* kSystemLanguage = "Language: %1";
inline constexpr const char* kSystemScreen = "Screen: %1 x %2, %3 dpi";

// The help button of the recipe form's pages.
inline constexpr const char* kPageHelp = "Help";
// The status bar's target style pane.
inline constexpr const char* kTargetStyleInfoTip = "Current recipe's target style info";
// The prediction strip's tips: %1 the low end, %2 the high end, %3 kBelow, kAbove or kWithin.
inline constexpr const char* kStyleRangeTip = ", style %1 to %2, %3";
inline constexpr const char* kBelow = "below";
inline constexpr const char* kAbove = "above";
inline constexpr const char* kWithin = "within";
// The splash picture.
inline constexpr const char* kSplashTitle = "Wortsmith\nCalculator";
inline constexpr const char* kSplashLine = "Recipes and calculations for home brewers";

// Buttons many dialogs have; "&Help" is also the main window's Help menu.
inline constexpr const char* kOk = "&OK";
inline constexpr const char* kCancel = "&Cancel";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kAdd = "&Add";

// The recipe form and the target style beside it.
inline constexpr const char* kNotAvailable = "(N/A)"; // a target style line with nothing to show
inline constexpr const char* kMsgsButton = "Msgs";
inline constexpr const char* kTargetStyleTitle = "Target Style";
inline constexpr const char* kShowAllStyles = "&Show All Styles";
inline constexpr const char* kExpandAll = "Expand All";
inline constexpr const char* kCollapseAll = "Collapse All";
inline constexpr const char* kStyleLevels = "Style, Category, Subcategory";
inline constexpr const char* kCurrentSelection = "Current Selection:";
inline constexpr const char* kCalculations = "Calculations:";
// The target style's own word for calculations with messages, a blank before it.
inline constexpr const char* kTargetStyleErrors = " Errors";
inline constexpr const char* kCalcMessagesTitle = "Calculation Messages";
inline constexpr const char* kGlanceColumn = "Grist % / IBU";
inline constexpr const char* kPrintRecipe = "Pr&int";

// The lookup.
inline constexpr const char* kLookupTitle = "Lookup Ingredient";
inline constexpr const char* kLookupFind = "&Find:";
inline constexpr const char* kLookupFindHint = "Type to narrow the list";
inline constexpr const char* kLookupSelect = "&Select";
inline constexpr const char* kLookupInfo = "&Info";

// The hops' substitutes.
inline constexpr const char* kSubstitutes = "Substitutes";
inline constexpr const char* kAddSubstitute = "+";
inline constexpr const char* kRemoveSubstitute = "-";
inline constexpr const char* kSubstitutesTip =
    "Click on + or - buttons to select another hop\nSelect up to four";

// Select Report.
inline constexpr const char* kSelectReportTitle = "Select Report";
inline constexpr const char* kReportColumn = "Report";
inline constexpr const char* kReportLabel = "&Report:";
inline constexpr const char* kReportAction = "Action";
inline constexpr const char* kPreviewChoice = "Pre&view";
inline constexpr const char* kPrintChoice = "&Print";

// CRecipeSpecGravities.
inline constexpr const char* kSpecificGravities = "&Specific Gravities";
inline constexpr const char* kTemp = "Temp";
inline constexpr const char* kTempPattern = "Temp (%1)";
inline constexpr const char* kTempIndented = " Temp";
inline constexpr const char* kPredicted = "Predicted";
inline constexpr const char* kTempAdjust = "Temp Adjust...";
inline constexpr const char* kFermentation = "Fermentat&ion";
inline constexpr const char* kDays = "Days";
inline constexpr const char* kDaysIndented = " Days";
inline constexpr const char* kDates = "Dates";
inline constexpr const char* kSizeGallons = "Si&ze (Gallons)";
inline constexpr const char* kSizePattern = "Si&ze (%1)";
inline constexpr const char* kBoil = "Boil";
inline constexpr const char* kBatch = "Batch";
inline constexpr const char* kYield = "&Yield";
inline constexpr const char* kPriming = "Priming";
inline constexpr const char* kSelectAMethod = "Select a method...";
inline constexpr const char* kMethod = "Method";
inline constexpr const char* kAmount = "Amount";
inline constexpr const char* kLengthOfConditioning = "Length of Conditioning";
inline constexpr const char* kWeeks = "Weeks";

// Shared by several windows.
inline constexpr const char* kUnits = "Units";
inline constexpr const char* kMeasurement = "Measurement";
inline constexpr const char* kMetric = "&Metric";
inline constexpr const char* kName = "&Name";
inline constexpr const char* kComments = "Comments";
inline constexpr const char* kSGToFromBalling = "&SG to/from Balling...";
inline constexpr const char* kClose = "&Close";

// CWSOptionsSheet.
inline constexpr const char* kForm = "Form";
inline constexpr const char* kLog = "Log";
inline constexpr const char* kDefaultView = "Default &View";
inline constexpr const char* kNovice = "Novice";
inline constexpr const char* kIntermediate = "Intermediate";
inline constexpr const char* kAdvanced = "Advanced";
inline constexpr const char* kCurrentUserSSkillLevelWith =
    "Current User's &Skill Level with Wortsmith Calculator";
inline constexpr const char* kDisplayToolTips = "Display &Tool Tips";
inline constexpr const char* kRecipeScrolling = "Recipe Scrolling";
inline constexpr const char* kShowRecipeTab = "Show Recipe tab";
inline constexpr const char* kStayOnCurrentTab = "Stay on current tab";
inline constexpr const char* kDisplayWarningMessages = "Display &Warning Messages";
inline constexpr const char* kDisplayDeleteWarningMessages = "Display &Delete Warning Messages";
inline constexpr const char* kTools = "Tools";
inline constexpr const char* kNameLocationPattern = "&%1: Name + Location";
inline constexpr const char* kBrowse = "Browse...";
inline constexpr const char* kBrowseTitle = "Browse";
inline constexpr const char* kPrograms = "Programs (*)";
inline constexpr const char* kDefaultFiles = "Default Files";
inline constexpr const char* kRecipe = "&Recipe";
inline constexpr const char* kWortsmithCalculatorRecipesMdbMDB =
    "Wortsmith Calculator Recipes (*.mdb *.MDB)";
inline constexpr const char* kWortsmithCalculatorDataMdbMDB =
    "Wortsmith Calculator Data (*.mdb *.MDB)";
inline constexpr const char* kPreferences = "Preferences";
inline constexpr const char* kLocations = "Locations";
inline constexpr const char* kHints = "Hints";

// CRecipeFormSheet.
inline constexpr const char* kEnglish = "Eng&lish";
inline constexpr const char* kProcess = "Pr&ocess";
inline constexpr const char* kKit = "Kit";
inline constexpr const char* kExtract = "Extract";
inline constexpr const char* kPartialMash = "Partial Mash";
inline constexpr const char* kAllGrain = "All Grain";
inline constexpr const char* kTarget = "Target";
inline constexpr const char* kTargetStyle = "Tar&get Style...";
inline constexpr const char* kBrewer = "&Brewer";
inline constexpr const char* kBatchLabel = "B&atch #";
inline constexpr const char* kMash = "Mash";
inline constexpr const char* kFermentationInfo = "Fermentation Info";
inline constexpr const char* kRating = "Rating";
inline constexpr const char* kBatchField = "&Batch #";

// CRecipeMash.
inline constexpr const char* kMashType = "Mash Type";
inline constexpr const char* kMashSchedule = "Mash Schedule";
inline constexpr const char* kTime = "Time";
inline constexpr const char* kVolume = "Volume";
inline constexpr const char* kTemperature = "Temperature";
inline constexpr const char* kPHAdjustment = "pH Adjustment";
inline constexpr const char* kSparge = "Sparge";
inline constexpr const char* kWaterVolume = "Water Volume";
inline constexpr const char* kWaterVolumePattern = "Water Volume (%1)";
inline constexpr const char* kTemperaturePattern = "Temperature (%1)";
inline constexpr const char* kTemperatureSparge = "Temperature (sparge)";
inline constexpr const char* kPHAdjustmentSparge = "pH Adjustment (sparge)";
inline constexpr const char* kWort = "Wort";
inline constexpr const char* kVolumeCollected = "Volume Collected";
inline constexpr const char* kVolumeCollectedPattern = "Volume Collected (%1)";
inline constexpr const char* kSystemEfficiency = "System Efficiency (%)";
inline constexpr const char* kExpected = "Expected";
inline constexpr const char* kCalculated = "Calculated";

// CRecipeGrid1.
inline constexpr const char* kOther = "(other)";
inline constexpr const char* kIngredient = "Ingredient ";
inline constexpr const char* kRecipeIngredients = "Recipe Ingredients";
inline constexpr const char* kSelectIngredientS = "&Select Ingredient\tS";
inline constexpr const char* kSelectAnIngredientToAddTo =
    "Select an ingredient to add to the recipe";
inline constexpr const char* kCalculateBitternessC = "&Calculate Bitterness\tC";
inline constexpr const char* kCalculateHopsBitterness = "Calculate Hops Bitterness";
inline constexpr const char* kDeleteIngredientD = "&Delete Ingredient\tD";
inline constexpr const char* kDeleteTheIngredientFromTheRecipe =
    "Delete the ingredient from the recipe";
inline constexpr const char* kCancelMenuEsc = "Cancel Menu\tEsc";
inline constexpr const char* kDismissPopupMenu = "Dismiss popup menu";

// HelpWindow.
inline constexpr const char* kWortsmithCalculatorHelp = "Wortsmith Calculator Help";
inline constexpr const char* kContents = "&Contents";
inline constexpr const char* kTypeAWordToLookUp = "Type a word to look up";
inline constexpr const char* kLookFor = "&Look for:";
inline constexpr const char* kIndex = "&Index";
inline constexpr const char* kSearch = "&Search";
inline constexpr const char* kBack = "< &Back";
inline constexpr const char* kForward = "&Forward >";
inline constexpr const char* kContentsButton = "Co&ntents";

// CCompetitionResultsDlg.
inline constexpr const char* kCompetitionResults = "Competition Results";
inline constexpr const char* kPrizesWon = "&Prizes Won";
inline constexpr const char* kJudgesScore = "&Judges Score";
inline constexpr const char* kCommentsField = "&Comments";
inline constexpr const char* kDate = "&Date";

// CRecipeRatingDlg.
inline constexpr const char* kRatingScaleGroup = "20 Point Scale";
inline constexpr const char* kRatingOverallParts =
    "Hop/Malt Balance (4)\nAftertaste (3)\nMouth-feel (3)";
inline constexpr const char* kTotal = "Total =";
inline constexpr const char* kScoringGuide = "Scoring Guide";
inline constexpr const char* kTastingNotes = "Ta&sting Notes";
inline constexpr const char* kDatesSampled = "Dates Sampled";
inline constexpr const char* kCompetitionResultsButton = "Competition Results...";

// COGCalcDlg.
inline constexpr const char* kPounds = "&Pounds";
inline constexpr const char* kKilograms = "&Kilograms";
inline constexpr const char* kGallons = "Gallons";
inline constexpr const char* kPredictedOriginalGravityFormula =
    "Predicted Original Gravity Formula";
inline constexpr const char* kPotentialInPointsNote =
    "- Extract Potential is stated in points (e.g., 1.035 = 35 SG points)";

// CBitternessCalcDlg.
inline constexpr const char* kSelectAHop = "&Select a Hop...";
inline constexpr const char* kBitternessGravityRange = "Valid values:\n1.030 - 1.130";
inline constexpr const char* kBoilTimeRange = "3-120 minutes";
inline constexpr const char* kUtilizationSource =
    "(determined from original gravity and time of boil)";
inline constexpr const char* kEnglishChoice = "&English";
inline constexpr const char* kMethodPattern = "Method:  %1";
inline constexpr const char* kIbuFormula =
    "IBUs = decimal alpha acid utilization * mg/l of added alpha acids";

// CAlcoholCalcDlg.
inline constexpr const char* kPredictedAbvNote =
    "*Note: To calculate PREDICTED ABV, leave TG blank";
inline constexpr const char* kAttenuationGroup = "Used for predicting Terminal Gravity only";
inline constexpr const char* kAttenuationHint =
    "Attenuation is normally 70-80%\n  (if unknown, assume 75%)";
inline constexpr const char* kAbvFormula =
    "%ABV = ( ( Original Gravity - Terminal Gravity ) * .1275";
inline constexpr const char* kAbwFormula =
    "%ABW = ( ( Original Gravity - Terminal Gravity ) * .102";
inline constexpr const char* kGravitiesInPointsNote =
    "- Gravities are stated in points (e.g., 1.035 = 35 SG points)";
inline constexpr const char* kAbvAbwButton = "&ABV to/from ABW...";

// CAddChgDlg.
inline constexpr const char* kLow = "Low";
inline constexpr const char* kHigh = "High";

// CScaleRecipeDlg.
inline constexpr const char* kScaleRecipe = "Scale Recipe";
inline constexpr const char* kNewBatchSizePattern = "New &batch size (%1)";
inline constexpr const char* kExpectedEfficiency = "Expected &efficiency (%)";
inline constexpr const char* kNewBatchSize = "New batch size";
inline constexpr const char* kExpectedEfficiencyField = "Expected efficiency";

// ReportMenu.
inline constexpr const char* kPreviewSelectedReport = "Pre&view Selected Report";
inline constexpr const char* kPreview = "Pre&view: ";
inline constexpr const char* kPrintSelectedReport = "Prin&t Selected Report";
inline constexpr const char* kPrint = "Prin&t: ";

// CCalculatorDlg.
inline constexpr const char* kCurrentlySolvingFor = "Currently solving for:";
inline constexpr const char* kCalculate = "&Calculate";
inline constexpr const char* kRecalculate = "&Recalculate";
inline constexpr const char* kClear = "C&lear";
inline constexpr const char* kCloseButton = "Close";

// CTipOfTheDayDlg.
inline constexpr const char* kTipOfTheDay = "Tip of the Day";
inline constexpr const char* kShowTipsOnStartUp = "&Show Tips on StartUp";
inline constexpr const char* kNextTip = "&Next Tip";

// CRecipeComments.
inline constexpr const char* kSourceOfRecipe = "&Source of recipe";
inline constexpr const char* kDateObtained = "Date Obta&ined";

// CAddChgSuppliers.
inline constexpr const char* kSendMessage = "Send &Message";
inline constexpr const char* kVisitSupplierWebSite = "Visit We&b Site";

// CRecipeIngredientsPage.
inline constexpr const char* kTotalBoilTimeMin = "Total Boil T&ime (Min)";
inline constexpr const char* kTotalBoilTimeField = "Total Boil Time (Min)";

// CLabelView.
inline constexpr const char* kWortsmithLabelTest = "Wortsmith Label Test";
inline constexpr const char* kLabelPlannedNote =
    "This routine is planned for a future version of Wortsmith Calculator.";

// CABVABWDlg.
inline constexpr const char* kAbvFromAbwFormula = "ABV = ABW * 1.25";
inline constexpr const char* kAbwFromAbvFormula = "ABW = ABV * 0.8";
inline constexpr const char* kAbvFieldTip = "Alcohol by Volume\nPercentage\nFormat = 99.99";
inline constexpr const char* kAbwFieldTip = "Alcohol by Weight\nPercentage\nFormat = 99.99";

// CTargetStyleGrid2.
inline constexpr const char* kSpecificGravity = "Specific Gravity";
inline constexpr const char* kGravityPattern = "Gravity (%1)";

// CSGBallingDlg.
inline constexpr const char* kGravityFromBallingFormula = "SG = (B°)(.004) + 1.0";
inline constexpr const char* kBallingFromGravityFormula = "B° = (SG - 1.0) / .004";
inline constexpr const char* kBallingFieldTip =
    "Debrees Balling, which is another density scale\nFormat = 99.9";

} // namespace wsc::Labels
