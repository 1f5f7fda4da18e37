#pragma once

#include <QKeySequence>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QObject;

namespace wsc {

// The pictures of the tool bar and menus: each glyph and the artwork file IconFactory draws
// it from (data/icons/<file>.svg).
#define WSC_GLYPHS(X)                                                                              \
    X(Open, "open")                                                                                \
    X(Save, "save")                                                                                \
    X(Cut, "cut")                                                                                  \
    X(Copy, "copy")                                                                                \
    X(Paste, "paste")                                                                              \
    X(Print, "print")                                                                              \
    X(Preview, "preview")                                                                          \
    X(Form, "form")                                                                                \
    X(Log, "log")                                                                                  \
    X(Label, "label")                                                                              \
    X(First, "first")                                                                              \
    X(Previous, "previous")                                                                        \
    X(Next, "next")                                                                                \
    X(Last, "last")                                                                                \
    X(Add, "add")                                                                                  \
    X(CopyRecord, "copy-record")                                                                   \
    X(Refresh, "refresh")                                                                          \
    X(Delete, "delete")                                                                            \
    X(Commit, "commit")                                                                            \
    X(About, "about")                                                                              \
    X(ContextHelp, "context-help")                                                                 \
    X(Find, "find")

enum class Glyph {
    None,
#define WSC_GLYPH_ENUM(name, file) name,
    WSC_GLYPHS(WSC_GLYPH_ENUM)
#undef WSC_GLYPH_ENUM
};

// The keys of a command: a platform's standard key, or up to two combinations of Qt keys of
// which the menu shows the first.
struct Keys {
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    int key = 0;
    int alternate = 0;
    Keys() = default;
    Keys(QKeySequence::StandardKey s) : standard(s) {}
    Keys(int k, int alt = 0) : key(k), alternate(alt) {}
    QList<QKeySequence> sequences() const;
};

// Who carries a command out: the main window, the recipe form of the open database (while it
// is the active window), or only the maintenance dialogs' record bar.
enum class CommandOwner { Frame, RecipeForm, MaintenanceDialog };

// When a command can be chosen, read against CommandState by CommandEnabled().
enum class When {
    Always,
    OpenAllowed,   // no database is open, or the form is active (and says why not)
    DatabaseOpen,  // a recipe database is open
    NoActiveForm,  // the recipe form is not the active window
    FormOpen,      // the recipe form is open
    FormActive,    // the recipe form is the active window
    FormHasRecord, // the form shows a stored recipe
    ReportChosen,  // the form is open and a report has been chosen
    ToolConfigured,
    CanCopy,
    CanRefresh,
    CanDelete,
    CanCommit,
};

// Every command, declared once: X(id, number, menu text with its mnemonic, keys, status-bar
// text then "\n" and the tool tip, glyph, owner, when it is enabled, handler). The ids are the
// numbers help contexts and tests use. The handler is the call that carries the command out,
// made by its owner (the main window or the recipe form) with the owner's members in scope:
// a new command is this row and, at most, the one function it calls.
// clang-format off
#define WSC_COMMANDS(X) \
    X(ID_FILE_OPEN, 57601, "&Open...", (Keys{QKeySequence::Open}),                                 \
      "Open an existing recipe database\nOpen", Open, Frame, OpenAllowed,                          \
      openFromDialog())                                                                            \
    X(ID_FILE_CLOSE, 57602, "&Close", Keys{},                                                      \
      "Close the recipe database\nClose", None, Frame, DatabaseOpen,                               \
      closeDocument())                                                                             \
    X(ID_FILE_SAVE, 57603, "&Save", Keys{},                                                        \
      "Save the current recipe\nSave", Save, RecipeForm, CanCommit,                                \
      m_cmd->OnRecordCommit())                                                                     \
    X(ID_FILE_COMPRESS, 32842, "Co&mpress...", Keys{},                                             \
      "Compress a database file to reclaim unused space\nCompress", None, Frame, NoActiveForm,     \
      m_maintenance->compress())                                                                   \
    X(ID_FILE_REPAIR, 32843, "R&epair...", Keys{},                                                 \
      "Repair a damaged database file\nRepair", None, Frame, NoActiveForm,                         \
      m_maintenance->repair())                                                                     \
    X(ID_FILE_PRINT, 57607, "&Print...", Keys{},                                                   \
      "Print the selected report\nPrint", Print, Frame, ReportChosen,                              \
      runReport(ID_FILE_PRINT))                                                                    \
    X(ID_FILE_PRINT_PREVIEW, 57609, "Print Pre&view", Keys{},                                      \
      "Preview the selected report\nPrint Preview", Preview, Frame, ReportChosen,                  \
      runReport(ID_FILE_PRINT_PREVIEW))                                                            \
    X(ID_FILE_PRINT_SETUP, 57606, "P&rint Setup...", Keys{},                                       \
      "Change the printer and printing options\nPrint Setup", None, Frame, Always,                 \
      m_reports->setUpPrinter(this))                                                               \
    X(ID_APP_EXIT, 57665, "E&xit", (Keys{QKeySequence::Quit}),                                     \
      "Quit the program\nExit", None, Frame, Always,                                               \
      close())                                                                                     \
    X(ID_EDIT_CUT, 57635, "Cu&t", (Keys{QKeySequence::Cut}),                                       \
      "Cut the selection and put it on the Clipboard\nCut", Cut, Frame, Always,                    \
      editFocusedLine(&QLineEdit::cut))                                                            \
    X(ID_EDIT_COPY, 57634, "&Copy", (Keys{QKeySequence::Copy}),                                    \
      "Copy the selection and put it on the Clipboard\nCopy", Copy, Frame, Always,                 \
      editFocusedLine(&QLineEdit::copy))                                                           \
    X(ID_EDIT_PASTE, 57637, "&Paste", (Keys{QKeySequence::Paste}),                                 \
      "Insert Clipboard contents\nPaste", Paste, Frame, Always,                                    \
      editFocusedLine(&QLineEdit::paste))                                                          \
    X(ID_RECORD_FIRST, 59648, "&First", (Keys{kCtrl | Qt::Key_F}),                                 \
      "Go to the recipe with the lowest batch number\nFirst Recipe",                               \
      First, RecipeForm, FormActive,                                                               \
      m_cmd->OnRecordMove(RecordSession::Move::First))                                             \
    X(ID_RECORD_PREV, 59651, "&Previous", (Keys{kCtrl | Qt::Key_P}),                               \
      "Go to the previous recipe\nPrevious Recipe", Previous, RecipeForm, FormActive,              \
      m_cmd->OnRecordMove(RecordSession::Move::Previous))                                          \
    X(ID_RECORD_NEXT, 59650, "&Next", (Keys{kCtrl | Qt::Key_N}),                                   \
      "Go to the next recipe\nNext Recipe", Next, RecipeForm, FormActive,                          \
      m_cmd->OnRecordMove(RecordSession::Move::Next))                                              \
    X(ID_RECORD_LAST, 59649, "&Last", (Keys{kCtrl | Qt::Key_L}),                                   \
      "Go to the recipe with the highest batch number\nLast Recipe", Last, RecipeForm, FormActive, \
      m_cmd->OnRecordMove(RecordSession::Move::Last))                                              \
    X(ID_RECORD_ADD, 32771, "&Add", (Keys{kCtrl | kPad | Qt::Key_Plus}),                           \
      "Add a new recipe\nAdd Recipe", Add, RecipeForm, FormActive,                                 \
      m_cmd->OnRecordAdd())                                                                        \
    /* Ctrl+Alt+keypad + is what the recipe form always took; many X11 keyboard maps turn */       \
    /* it into a video-mode switch before it reaches any program, so Ctrl+Shift+keypad +, */       \
    /* which every session delivers, is the one the menu shows. */                                 \
    X(ID_RECORD_COPY, 32845, "&Copy",                                                              \
      (Keys{kCtrl | kShift | kPad | Qt::Key_Plus, kCtrl | kAlt | kPad | Qt::Key_Plus}),            \
      "Copy the current recipe into a new one\nCopy Recipe", CopyRecord, RecipeForm, CanCopy,      \
      m_cmd->OnRecordCopy())                                                                       \
    X(ID_RECORD_SCALE, 32891, "&Scale Recipe...", Keys{},                                          \
      "Copy the recipe at another batch size or efficiency\nScale Recipe",                         \
      None, RecipeForm, CanCopy,                                                                   \
      scaleRecipe())                                                                               \
    X(ID_RECORD_REFRESH, 32831, "&Refresh", (Keys{kCtrl | Qt::Key_R}),                             \
      "Discard the changes to the current recipe\nRefresh Recipe",                                 \
      Refresh, RecipeForm, CanRefresh,                                                             \
      m_cmd->OnRecordRefresh())                                                                    \
    X(ID_RECORD_DELETE, 32830, "&Delete", (Keys{kCtrl | kPad | Qt::Key_Minus}),                    \
      "Delete the current recipe\nDelete Recipe", Delete, RecipeForm, CanDelete,                   \
      m_cmd->OnRecordDelete())                                                                     \
    X(ID_RECORD_COMMIT, 101, "Commit Add/Update", (Keys{kCtrl | Qt::Key_S}),                       \
      "Save the current recipe\nCommit Add/Update", Commit, RecipeForm, CanCommit,                 \
      m_cmd->OnRecordCommit())                                                                     \
    X(ID_VIEW_RECIPE_FORM, 32811, "Recipe &Form", Keys{},                                          \
      "View the current recipe on the form\nRecipe Form", Form, Frame, DatabaseOpen,               \
      createOrActivateForm())                                                                      \
    X(ID_VIEW_RECIPE_LOG, 32832, "Recipe &Log", Keys{},                                            \
      "View the list of all recipes\nRecipe Log", Log, Frame, DatabaseOpen,                        \
      createOrActivateLog())                                                                       \
    X(ID_VIEW_RECIPE_LABEL, 32813, "Recipe La&bel", Keys{},                                        \
      "View the Current Recipe's Label\nLabel View", Label, Frame, DatabaseOpen,                   \
      showPlannedFunction())                                                                       \
    X(ID_FILE_IMPORT_RECIPES, 32900, "&Import Recipes...", Keys{},                                 \
      "Add the recipes of a BeerXML file\nImport Recipes", None, Frame, FormOpen,                  \
      m_transfer->importRecipes())                                                                 \
    X(ID_FILE_EXPORT_RECIPE, 32901, "&Export Recipe...", Keys{},                                   \
      "Write the current recipe as a BeerXML file\nExport Recipe", None, Frame, FormHasRecord,     \
      m_transfer->exportRecipes(false))                                                            \
    X(ID_FILE_EXPORT_ALL, 32902, "Export &All Recipes...", Keys{},                                 \
      "Write every recipe as one BeerXML file\nExport All Recipes", None, Frame, FormOpen,         \
      m_transfer->exportRecipes(true))                                                             \
    X(ID_TOOLS_OPTIONS, 32866, "&Options...", Keys{},                                              \
      "Change the program's settings\nOptions", None, Frame, Always,                               \
      runOptions())                                                                                \
    X(ID_TOOLS_TOOL1, 32876, "Tool 1", Keys{},                                                     \
      "Run user tool 1\nTool 1", None, Frame, ToolConfigured,                                      \
      m_tools->run(0))                                                                             \
    X(ID_TOOLS_TOOL2, 32877, "Tool 2", Keys{},                                                     \
      "Run user tool 2\nTool 2", None, Frame, ToolConfigured,                                      \
      m_tools->run(1))                                                                             \
    X(ID_TOOLS_TOOL3, 32878, "Tool 3", Keys{},                                                     \
      "Run user tool 3\nTool 3", None, Frame, ToolConfigured,                                      \
      m_tools->run(2))                                                                             \
    /* F1 is not this command's: it opens the topic of the window with the focus. */               \
    X(ID_HELP_INDEX, 57666, "&Help Topics", Keys{},                                                \
      "List the help topics\nHelp Topics", None, Frame, Always,                                    \
      showHelp(HelpContext::kContents))                                                            \
    X(ID_HELP_GLOSSARY, 32873, "&Glossary", Keys{},                                                \
      "Brewing terms explained\nGlossary", None, Frame, Always,                                    \
      showHelp(HelpContext::kGlossary))                                                            \
    X(ID_HELP_HOW_TO_BREW, 32874, "How to &Brew", Keys{},                                          \
      "How to brew beer\nHow to Brew", None, Frame, Always,                                        \
      showHelp(HelpContext::kHowToBrew))                                                           \
    X(ID_REFERENCE_ADJUNCT, 32869, "&Adjunct...", Keys{},                                          \
      "About adjuncts\nAdjuncts", None, Frame, Always,                                             \
      showHelp(HelpContext::kAdjuncts))                                                            \
    X(ID_REFERENCE_GRAIN, 32804, "&Grain...", Keys{}, "About grains\nGrains", None, Frame, Always, \
      showHelp(HelpContext::kGrains))                                                              \
    X(ID_REFERENCE_HOP, 32871, "&Hop...", Keys{}, "About hops\nHops", None, Frame, Always,         \
      showHelp(HelpContext::kHops))                                                                \
    X(ID_REFERENCE_KIT, 32870, "&Kit...", Keys{}, "About kits\nKits", None, Frame, Always,         \
      showHelp(HelpContext::kKits))                                                                \
    X(ID_REFERENCE_EXTRACT, 32849, "&Extract...", Keys{},                                          \
      "About malt extracts\nExtracts", None, Frame, Always,                                        \
      showHelp(HelpContext::kExtracts))                                                            \
    X(ID_REFERENCE_RECIPE, 32808, "&Recipe...", Keys{},                                            \
      "About recipes\nRecipes", None, Frame, Always,                                               \
      showHelp(HelpContext::kRecipes))                                                             \
    X(ID_REFERENCE_STYLE, 32802, "&Style...", Keys{},                                              \
      "About beer styles\nStyles", None, Frame, Always,                                            \
      showHelp(HelpContext::kStyles))                                                              \
    X(ID_REFERENCE_WATER, 32806, "&Water...", Keys{},                                              \
      "About brewing water\nWater", None, Frame, Always,                                           \
      showHelp(HelpContext::kWater))                                                               \
    X(ID_REFERENCE_YEAST, 32807, "&Yeast...", Keys{}, "About yeasts\nYeasts", None, Frame, Always, \
      showHelp(HelpContext::kYeasts))                                                              \
    X(ID_TIP_OF_THE_DAY, 32814, "Ti&p of the Day...", Keys{},                                      \
      "Show a brewing or program tip\nTip of the Day", None, Frame, Always,                        \
      showTipOfTheDay(false))                                                                      \
    X(ID_HELP_USING, 57668, "&Using Help", Keys{},                                                 \
      "How to use the help\nUsing Help", None, Frame, Always,                                      \
      showHelp(HelpContext::kUsingHelp))                                                           \
    X(ID_DATA_STYLE, 32793, "&Style...", Keys{},                                                   \
      "Add/Chg/Delete Beer Styles Data\nStyles", None, RecipeForm, FormActive,                     \
      openReferenceDialog(ReferenceKind::Styles))                                                  \
    X(ID_DATA_KIT, 32848, "&Kit...", Keys{},                                                       \
      "Add/Chg/Delete Kits Data\nKits", None, RecipeForm, FormActive,                              \
      openReferenceDialog(ReferenceKind::Kits))                                                    \
    X(ID_DATA_EXTRACT, 32846, "&Extract...", Keys{},                                               \
      "Add/Chg/Delete Extracts Data\nExtracts", None, RecipeForm, FormActive,                      \
      openReferenceDialog(ReferenceKind::Extracts))                                                \
    X(ID_DATA_GRAIN, 32798, "&Grain...", Keys{},                                                   \
      "Add/Chg/Delete Grains Data\nGrains", None, RecipeForm, FormActive,                          \
      openReferenceDialog(ReferenceKind::Grains))                                                  \
    X(ID_DATA_HOP, 32782, "&Hop...", Keys{},                                                       \
      "Add/Chg/Delete Hops Data\nHops", None, RecipeForm, FormActive,                              \
      openReferenceDialog(ReferenceKind::Hops))                                                    \
    X(ID_DATA_YEAST, 32796, "&Yeast...", Keys{},                                                   \
      "Add/Chg/Delete Yeasts Data\nYeasts", None, RecipeForm, FormActive,                          \
      openReferenceDialog(ReferenceKind::Yeast))                                                   \
    X(ID_DATA_WATER, 32785, "&Water...", Keys{},                                                   \
      "Add/Chg/Delete Waters Data\nWaters", None, RecipeForm, FormActive,                          \
      openReferenceDialog(ReferenceKind::Water))                                                   \
    X(ID_DATA_ADJUNCT, 32865, "&Adjunct...", Keys{},                                               \
      "Add/Chg/Delete Adjuncts Data\nAdjuncts", None, RecipeForm, FormActive,                      \
      openReferenceDialog(ReferenceKind::Adjuncts))                                                \
    X(ID_DATA_GLOSSARY, 32789, "G&lossary...", Keys{},                                             \
      "Add/Chg/Delete Glossary terms\nGlossary", None, RecipeForm, FormActive,                     \
      openReferenceDialog(ReferenceKind::Glossary))                                                \
    X(ID_DATA_SUPPLIER, 32790, "S&upplier...", Keys{},                                             \
      "Add/Chg/Delete Suppliers Data\nSuppliers", None, RecipeForm, FormActive,                    \
      openReferenceDialog(ReferenceKind::Suppliers))                                               \
    X(ID_DATA_BREWER, 104, "Brewer's &Information...", Keys{},                                     \
      "Update Brewer's Information\nBrewer", None, RecipeForm, FormActive,                         \
      openReferenceDialog(ReferenceKind::Brewer))                                                  \
    X(ID_DATA_IMPORT, 32903, "Im&port...", Keys{},                                                 \
      "Add or replace styles, hops, malts and yeasts from a BeerJSON or BeerXML file\n"            \
      "Import Reference Data", None, Frame, Always,                                                \
      m_transfer->importReference())                                                               \
    X(ID_DATA_EXPORT, 32904, "E&xport...", Keys{},                                                 \
      "Write the styles, hops, malts and yeasts to a BeerJSON or BeerXML file\n"                   \
      "Export Reference Data", None, Frame, Always,                                                \
      m_transfer->exportReference())                                                               \
    X(ID_CALC_BITTERNESS, 102, "&Bitterness Calculator...", Keys{},                                \
      "Calculate bitterness related items\nBitterness Calculator", None, RecipeForm, FormActive,   \
      RunCalculatorCommand(ID_CALC_BITTERNESS, m_doc, m_runner, this))                             \
    X(ID_CALC_GRAVITY, 32880, "&Original Gravity Calculator...", Keys{},                           \
      "Calculate original gravity related items\nOriginal Gravity Calculator",                     \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_GRAVITY, m_doc, m_runner, this))                                \
    X(ID_CALC_ALCOHOL, 32882, "&Alcohol Calculator...", Keys{},                                    \
      "Calculate alcohol related items\nAlcohol Calculator", None, RecipeForm, FormActive,         \
      RunCalculatorCommand(ID_CALC_ALCOHOL, m_doc, m_runner, this))                                \
    X(ID_CALC_SG_BALLING, 32883, "&Specific Gravity to/from Balling...", Keys{},                   \
      "Convert density related measures\nSpecific Gravity to/from Balling",                        \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_SG_BALLING, m_doc, m_runner, this))                             \
    X(ID_CALC_ABV_ABW, 32884, "Alcohol by &Volume to/from by Weight...", Keys{},                   \
      "Convert alcohol related measures\nAlcohol by Volume to/from by Weight",                     \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_ABV_ABW, m_doc, m_runner, this))                                \
    X(ID_CALC_PRIMING, 32885, "&Priming and Carbonation...", Keys{},                               \
      "Priming sugar for a carbonation, or the carbonation of a weight of sugar\nPriming",         \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_PRIMING, m_doc, m_runner, this))                                \
    X(ID_CALC_HYDROMETER, 32886, "&Hydrometer Temperature Correction...", Keys{},                  \
      "Correct a hydrometer reading for the sample's temperature\nHydrometer",                     \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_HYDROMETER, m_doc, m_runner, this))                             \
    X(ID_CALC_REFRACTOMETER, 32887, "&Refractometer...", Keys{},                                   \
      "A refractometer's Brix as a gravity, before or during fermentation\nRefractometer",         \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_REFRACTOMETER, m_doc, m_runner, this))                          \
    X(ID_CALC_STRIKE, 32888, "S&trike Water...", Keys{},                                           \
      "The strike water's temperature and volume for a mash\nStrike Water",                        \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_STRIKE, m_doc, m_runner, this))                                 \
    X(ID_CALC_INFUSION, 32889, "Mash &Infusion...", Keys{},                                        \
      "The hot water to add for the next mash rest\nMash Infusion", None, RecipeForm, FormActive,  \
      RunCalculatorCommand(ID_CALC_INFUSION, m_doc, m_runner, this))                               \
    X(ID_CALC_DILUTION, 32890, "&Dilution and Boil-off...", Keys{},                                \
      "The water to add or boil off for a gravity\nDilution and Boil-off",                         \
      None, RecipeForm, FormActive,                                                                \
      RunCalculatorCommand(ID_CALC_DILUTION, m_doc, m_runner, this))                               \
    X(ID_REPORT_SELECT, 32837, "&Select a Report...", Keys{},                                      \
      "Choose a report to preview or print\nSelect a Report", None, Frame, FormOpen,               \
      runReport(ID_REPORT_SELECT))                                                                 \
    X(ID_REPORT_PREVIEW, 32838, "Pre&view Selected Report", Keys{},                                \
      "Preview the report chosen last\nPreview Report", Preview, Frame, ReportChosen,              \
      runReport(ID_REPORT_PREVIEW))                                                                \
    X(ID_REPORT_PRINT, 32839, "Prin&t Selected Report", Keys{},                                    \
      "Print the report chosen last\nPrint Report", Print, Frame, ReportChosen,                    \
      runReport(ID_REPORT_PRINT))                                                                  \
    X(ID_RECORD_FIND, 32820, "&Find", Keys{},                                                      \
      "Find a new record\nFind Record", Find, MaintenanceDialog, Always,                           \
      m_records->OnRecordFind())                                                                   \
    X(ID_APP_ABOUT, 57664, "&About Wortsmith Calculator...", Keys{},                               \
      "Program information, version number and copyright\nAbout", About, Frame, Always,            \
      showAbout())                                                                                 \
    X(ID_CONTEXT_HELP, 57669, "What's &This?", (Keys{QKeySequence::WhatsThis}),                    \
      "Help on the item clicked next\nHelp", ContextHelp, Frame, Always,                           \
      QWhatsThis::enterWhatsThisMode())
// clang-format on

enum CommandId : int {
#define WSC_COMMAND_ID(id, number, ...) id = number,
    WSC_COMMANDS(WSC_COMMAND_ID)
#undef WSC_COMMAND_ID
    // Not a menu command: the Recipe page's Print button, routed like one.
    ID_RECORD_PRINT_RECIPE = 1316,
};

struct CommandInfo {
    int id;
    const char* text;
    Keys keys;
    const char* prompt;
    Glyph glyph;
    CommandOwner owner;
    When when;
};

const std::vector<CommandInfo>& CommandTable();
const CommandInfo* FindCommand(int id);

// What the enabled rules read, gathered by the main window (or the form for its own menu).
struct CommandState {
    bool database = false;
    bool form = false;
    bool formActive = false;
    bool record = false;
    bool reportChosen = false;
    bool canCopy = false;
    bool canRefresh = false;
    bool canDelete = false;
    bool canCommit = false;
    std::array<bool, 3> tools{};
};
bool CommandEnabled(const CommandInfo& command, const CommandState& state);

// An action for a command: its text (without the mnemonic when asked), icon, prompts and
// keys, keys that do not repeat while held.
QAction* MakeCommandAction(const CommandInfo& command, QObject* parent, bool mnemonic = true);

// The menus, the tool bar and the maintenance dialogs' record bar, each in order; 0 is a
// separator.
namespace Layout {
const std::vector<int>& FileMenu(bool databaseOpen);
const std::vector<int>& EditMenu();
// The recipe form's own menu is the Record menu without the commands after its last
// separator.
const std::vector<int>& RecordPopup();
const std::vector<int>& RecordMenu();
const std::vector<int>& DataMenu();
const std::vector<int>& CalculatorsMenu();
const std::vector<int>& ReportsMenu();
const std::vector<int>& ViewMenu();
const std::vector<int>& ToolsMenu();
const std::vector<int>& HelpMenu();
const std::vector<int>& HelpReferenceMenu();
const std::vector<int>& HelpMenuEnd();
const std::vector<int>& ToolBar();
const std::vector<int>& MaintenanceBar();
} // namespace Layout

} // namespace wsc
