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
inline constexpr const char* kHelpMenu = "&Help";
inline constexpr const char* kHelpReferenceMenu = "&Reference";

// File dialogs: their titles and filters.
inline constexpr const char* kOpenTitle = "Open";
inline constexpr const char* kAnyFileFilter = ";;All files (*)"; // after the program's own
inline constexpr const char* kCompressTitle = "Compress";
inline constexpr const char* kRepairTitle = "Repair";
inline constexpr const char* kDatabaseFilter = "Databases (*.mdb)";
inline constexpr const char* kImportTitle = "Import Recipes";
inline constexpr const char* kBeerXmlOpenFilter = "BeerXML files (*.xml);;All files (*)";
inline constexpr const char* kExportAllTitle = "Export All Recipes";
inline constexpr const char* kExportOneTitle = "Export Recipe";
inline constexpr const char* kBeerXmlSaveFilter = "BeerXML files (*.xml)";
inline constexpr const char* kExportPdfTitle = "Export PDF";
inline constexpr const char* kPdfFilter = "PDF files (*.pdf)";

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

} // namespace wsc::Labels
