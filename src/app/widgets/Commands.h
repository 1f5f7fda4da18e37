#pragma once

#include "core/reference/ReferenceTables.h"

#include <QKeySequence>
#include <QString>

#include <optional>
#include <vector>

class QKeyEvent;

namespace wsc {

// Command ids of the program's menus, tool bar and buttons. Help contexts and tests use the
// numbers.
enum CommandId : int {
    ID_RECORD_COMMIT = 101,
    ID_CALC_BITTERNESS = 102,
    ID_DATA_BREWER = 104,
    ID_DATA_HOP = 32782,
    ID_DATA_WATER = 32785,
    ID_DATA_GLOSSARY = 32789,
    ID_DATA_SUPPLIER = 32790,
    ID_DATA_STYLE = 32793,
    ID_DATA_YEAST = 32796,
    ID_DATA_GRAIN = 32798,
    ID_RECORD_FIND = 32820,
    ID_DATA_EXTRACT = 32846,
    ID_DATA_KIT = 32848,
    ID_DATA_ADJUNCT = 32865,
    ID_RECORD_ADD = 32771,
    ID_REFERENCE_GRAIN = 32804,
    ID_REFERENCE_STYLE = 32802,
    ID_REFERENCE_WATER = 32806,
    ID_REFERENCE_YEAST = 32807,
    ID_REFERENCE_RECIPE = 32808,
    ID_VIEW_RECIPE_FORM = 32811,
    ID_VIEW_RECIPE_LABEL = 32813,
    ID_TIP_OF_THE_DAY = 32814,
    ID_RECORD_DELETE = 32830,
    ID_REPORT_SELECT = 32837,
    ID_REPORT_PREVIEW = 32838,
    ID_REPORT_PRINT = 32839,
    // Not a menu command: the Recipe page's Print button, routed like one.
    ID_RECORD_PRINT_RECIPE = 1316,
    ID_RECORD_REFRESH = 32831,
    ID_VIEW_RECIPE_LOG = 32832,
    ID_FILE_COMPRESS = 32842,
    ID_FILE_REPAIR = 32843,
    ID_RECORD_COPY = 32845,
    ID_REFERENCE_EXTRACT = 32849,
    ID_TOOLS_OPTIONS = 32866,
    // Recipes in and out as BeerXML.
    ID_FILE_IMPORT_RECIPES = 32900,
    ID_FILE_EXPORT_RECIPE = 32901,
    ID_FILE_EXPORT_ALL = 32902,
    ID_REFERENCE_ADJUNCT = 32869,
    ID_REFERENCE_KIT = 32870,
    ID_REFERENCE_HOP = 32871,
    ID_HELP_GLOSSARY = 32873,
    ID_HELP_HOW_TO_BREW = 32874,
    ID_TOOLS_TOOL1 = 32876,
    ID_TOOLS_TOOL2 = 32877,
    ID_TOOLS_TOOL3 = 32878,
    ID_CALC_GRAVITY = 32880,
    ID_CALC_ALCOHOL = 32882,
    ID_CALC_SG_BALLING = 32883,
    ID_CALC_ABV_ABW = 32884,
    ID_CALC_PRIMING = 32885,
    ID_CALC_HYDROMETER = 32886,
    ID_CALC_REFRACTOMETER = 32887,
    ID_CALC_STRIKE = 32888,
    ID_CALC_INFUSION = 32889,
    ID_CALC_DILUTION = 32890,
    ID_RECORD_SCALE = 32891,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_INDEX = 57666,
    ID_HELP_USING = 57668,
    ID_CONTEXT_HELP = 57669,
    ID_RECORD_FIRST = 59648,
    ID_RECORD_LAST = 59649,
    ID_RECORD_NEXT = 59650,
    ID_RECORD_PREV = 59651,
};

// The pictures of the tool bar and menus, drawn by IconFactory.
enum class Glyph {
    None,
    Open,
    Save,
    Cut,
    Copy,
    Paste,
    Print,
    Preview,
    Form,
    Log,
    Label,
    First,
    Previous,
    Next,
    Last,
    Add,
    CopyRecord,
    Refresh,
    Delete,
    Commit,
    About,
    ContextHelp,
    Find,
};

struct CommandInfo {
    int id;
    const char* text; // menu text with its mnemonic
    QKeySequence::StandardKey standardKey;
    int key;            // a Qt key combination, 0 for none
    const char* prompt; // status-bar text, then "\n" and the tool tip
    Glyph glyph;
    int alternateKey = 0; // a second key combination that works as well; the menu shows `key`
};

// Every command, declared once.
const std::vector<CommandInfo>& CommandTable();
const CommandInfo* FindCommand(int id);

// The commands of the Record menu and File > Save, which the recipe form handles.
bool IsRecordCommand(int id);

// The reference table a command of the Data menu (or Brewer's Information) maintains.
std::optional<ReferenceKind> ReferenceKindOf(int commandId);
// The Data menu in order; 0 is a separator.
const std::vector<int>& DataMenuLayout();
// The Reports menu in order.
const std::vector<int>& ReportsMenuLayout();
// The Calculators menu in order; 0 is a separator.
const std::vector<int>& CalculatorsMenuLayout();
bool IsCalculatorCommand(int id);

// The record command of the accelerators a recipe form or a maintenance dialog takes before
// any of its controls sees the key: Ctrl+F, L, N, P, R, Ctrl with keypad plus (add) and minus
// (delete), Ctrl+Alt with keypad plus (copy); 0 for any other key.
int RecordAccelerator(const QKeyEvent& event);

// The ids of the tool bar in order; 0 is a separator.
const std::vector<int>& ToolBarLayout();

} // namespace wsc
