#include "app/widgets/Commands.h"

#include <QKeyEvent>

#include <algorithm>

namespace wsc {
namespace {

constexpr auto kNoKey = QKeySequence::UnknownKey;
constexpr int kCtrl = static_cast<int>(Qt::CTRL);
constexpr int kAlt = static_cast<int>(Qt::ALT);
constexpr int kShift = static_cast<int>(Qt::SHIFT);
constexpr int kPad = static_cast<int>(Qt::KeypadModifier);

} // namespace

const std::vector<CommandInfo>& CommandTable() {
    static const std::vector<CommandInfo> table = {
        {ID_FILE_OPEN, "&Open...", QKeySequence::Open, 0, "Open an existing recipe database\nOpen",
         Glyph::Open},
        {ID_FILE_CLOSE, "&Close", kNoKey, 0, "Close the recipe database\nClose", Glyph::None},
        {ID_FILE_SAVE, "&Save", kNoKey, 0, "Save the current recipe\nSave", Glyph::Save},
        {ID_FILE_COMPRESS, "Co&mpress...", kNoKey, 0,
         "Compress a database file to reclaim unused space\nCompress", Glyph::None},
        {ID_FILE_REPAIR, "R&epair...", kNoKey, 0, "Repair a damaged database file\nRepair",
         Glyph::None},
        {ID_FILE_PRINT, "&Print...", kNoKey, 0, "Print the selected report\nPrint", Glyph::Print},
        {ID_FILE_PRINT_PREVIEW, "Print Pre&view", kNoKey, 0,
         "Preview the selected report\nPrint Preview", Glyph::Preview},
        {ID_FILE_PRINT_SETUP, "P&rint Setup...", kNoKey, 0,
         "Change the printer and printing options\nPrint Setup", Glyph::None},
        {ID_APP_EXIT, "E&xit", QKeySequence::Quit, 0, "Quit the program\nExit", Glyph::None},
        {ID_EDIT_CUT, "Cu&t", QKeySequence::Cut, 0,
         "Cut the selection and put it on the Clipboard\nCut", Glyph::Cut},
        {ID_EDIT_COPY, "&Copy", QKeySequence::Copy, 0,
         "Copy the selection and put it on the Clipboard\nCopy", Glyph::Copy},
        {ID_EDIT_PASTE, "&Paste", QKeySequence::Paste, 0, "Insert Clipboard contents\nPaste",
         Glyph::Paste},
        {ID_RECORD_FIRST, "&First", kNoKey, kCtrl | Qt::Key_F,
         "Go to the recipe with the lowest batch number\nFirst Recipe", Glyph::First},
        {ID_RECORD_PREV, "&Previous", kNoKey, kCtrl | Qt::Key_P,
         "Go to the previous recipe\nPrevious Recipe", Glyph::Previous},
        {ID_RECORD_NEXT, "&Next", kNoKey, kCtrl | Qt::Key_N, "Go to the next recipe\nNext Recipe",
         Glyph::Next},
        {ID_RECORD_LAST, "&Last", kNoKey, kCtrl | Qt::Key_L,
         "Go to the recipe with the highest batch number\nLast Recipe", Glyph::Last},
        {ID_RECORD_ADD, "&Add", kNoKey, kCtrl | kPad | Qt::Key_Plus, "Add a new recipe\nAdd Recipe",
         Glyph::Add},
        // Ctrl+Alt+keypad + is what the recipe form always took; many X11 keyboard maps turn
        // it into a video-mode switch before it reaches any program, so Ctrl+Shift+keypad +,
        // which every session delivers, is the one the menu shows.
        {ID_RECORD_SCALE, "&Scale Recipe...", kNoKey, 0,
         "Copy the recipe at another batch size or efficiency\nScale Recipe", Glyph::None},
        {ID_RECORD_COPY, "&Copy", kNoKey, kCtrl | kShift | kPad | Qt::Key_Plus,
         "Copy the current recipe into a new one\nCopy Recipe", Glyph::CopyRecord,
         kCtrl | kAlt | kPad | Qt::Key_Plus},
        {ID_RECORD_REFRESH, "&Refresh", kNoKey, kCtrl | Qt::Key_R,
         "Discard the changes to the current recipe\nRefresh Recipe", Glyph::Refresh},
        {ID_RECORD_DELETE, "&Delete", kNoKey, kCtrl | kPad | Qt::Key_Minus,
         "Delete the current recipe\nDelete Recipe", Glyph::Delete},
        {ID_RECORD_COMMIT, "Commit Add/Update", kNoKey, kCtrl | Qt::Key_S,
         "Save the current recipe\nCommit Add/Update", Glyph::Commit},
        {ID_VIEW_RECIPE_FORM, "Recipe &Form", kNoKey, 0,
         "View the current recipe on the form\nRecipe Form", Glyph::Form},
        {ID_VIEW_RECIPE_LOG, "Recipe &Log", kNoKey, 0, "View the list of all recipes\nRecipe Log",
         Glyph::Log},
        {ID_VIEW_RECIPE_LABEL, "Recipe La&bel", kNoKey, 0,
         "View the Current Recipe's Label\nLabel View", Glyph::Label},
        {ID_FILE_IMPORT_RECIPES, "&Import Recipes...", kNoKey, 0,
         "Add the recipes of a BeerXML file\nImport Recipes", Glyph::None},
        {ID_FILE_EXPORT_RECIPE, "&Export Recipe...", kNoKey, 0,
         "Write the current recipe as a BeerXML file\nExport Recipe", Glyph::None},
        {ID_FILE_EXPORT_ALL, "Export &All Recipes...", kNoKey, 0,
         "Write every recipe as one BeerXML file\nExport All Recipes", Glyph::None},
        {ID_TOOLS_OPTIONS, "&Options...", kNoKey, 0, "Change the program's settings\nOptions",
         Glyph::None},
        {ID_TOOLS_TOOL1, "Tool 1", kNoKey, 0, "Run user tool 1\nTool 1", Glyph::None},
        {ID_TOOLS_TOOL2, "Tool 2", kNoKey, 0, "Run user tool 2\nTool 2", Glyph::None},
        {ID_TOOLS_TOOL3, "Tool 3", kNoKey, 0, "Run user tool 3\nTool 3", Glyph::None},
        // F1 is not this command's: it opens the topic of the window with the focus.
        {ID_HELP_INDEX, "&Help Topics", kNoKey, 0, "List the help topics\nHelp Topics",
         Glyph::None},
        {ID_HELP_GLOSSARY, "&Glossary", kNoKey, 0, "Brewing terms explained\nGlossary",
         Glyph::None},
        {ID_HELP_HOW_TO_BREW, "How to &Brew", kNoKey, 0, "How to brew beer\nHow to Brew",
         Glyph::None},
        {ID_REFERENCE_ADJUNCT, "&Adjunct...", kNoKey, 0, "About adjuncts\nAdjuncts", Glyph::None},
        {ID_REFERENCE_GRAIN, "&Grain...", kNoKey, 0, "About grains\nGrains", Glyph::None},
        {ID_REFERENCE_HOP, "&Hop...", kNoKey, 0, "About hops\nHops", Glyph::None},
        {ID_REFERENCE_KIT, "&Kit...", kNoKey, 0, "About kits\nKits", Glyph::None},
        {ID_REFERENCE_EXTRACT, "&Extract...", kNoKey, 0, "About malt extracts\nExtracts",
         Glyph::None},
        {ID_REFERENCE_RECIPE, "&Recipe...", kNoKey, 0, "About recipes\nRecipes", Glyph::None},
        {ID_REFERENCE_STYLE, "&Style...", kNoKey, 0, "About beer styles\nStyles", Glyph::None},
        {ID_REFERENCE_WATER, "&Water...", kNoKey, 0, "About brewing water\nWater", Glyph::None},
        {ID_REFERENCE_YEAST, "&Yeast...", kNoKey, 0, "About yeasts\nYeasts", Glyph::None},
        {ID_TIP_OF_THE_DAY, "Ti&p of the Day...", kNoKey, 0,
         "Show a brewing or program tip\nTip of the Day", Glyph::None},
        {ID_HELP_USING, "&Using Help", kNoKey, 0, "How to use the help\nUsing Help", Glyph::None},
        {ID_DATA_STYLE, "&Style...", kNoKey, 0, "Add/Chg/Delete Beer Styles Data\nStyles",
         Glyph::None},
        {ID_DATA_KIT, "&Kit...", kNoKey, 0, "Add/Chg/Delete Kits Data\nKits", Glyph::None},
        {ID_DATA_EXTRACT, "&Extract...", kNoKey, 0, "Add/Chg/Delete Extracts Data\nExtracts",
         Glyph::None},
        {ID_DATA_GRAIN, "&Grain...", kNoKey, 0, "Add/Chg/Delete Grains Data\nGrains", Glyph::None},
        {ID_DATA_HOP, "&Hop...", kNoKey, 0, "Add/Chg/Delete Hops Data\nHops", Glyph::None},
        {ID_DATA_YEAST, "&Yeast...", kNoKey, 0, "Add/Chg/Delete Yeasts Data\nYeasts", Glyph::None},
        {ID_DATA_WATER, "&Water...", kNoKey, 0, "Add/Chg/Delete Waters Data\nWaters", Glyph::None},
        {ID_DATA_ADJUNCT, "&Adjunct...", kNoKey, 0, "Add/Chg/Delete Adjuncts Data\nAdjuncts",
         Glyph::None},
        {ID_DATA_GLOSSARY, "G&lossary...", kNoKey, 0, "Add/Chg/Delete Glossary terms\nGlossary",
         Glyph::None},
        {ID_DATA_SUPPLIER, "S&upplier...", kNoKey, 0, "Add/Chg/Delete Suppliers Data\nSuppliers",
         Glyph::None},
        {ID_DATA_BREWER, "Brewer's &Information...", kNoKey, 0,
         "Update Brewer's Information\nBrewer", Glyph::None},
        {ID_CALC_BITTERNESS, "&Bitterness Calculator...", kNoKey, 0,
         "Calculate bitterness related items\nBitterness Calculator", Glyph::None},
        {ID_CALC_GRAVITY, "&Original Gravity Calculator...", kNoKey, 0,
         "Calculate original gravity related items\nOriginal Gravity Calculator", Glyph::None},
        {ID_CALC_ALCOHOL, "&Alcohol Calculator...", kNoKey, 0,
         "Calculate alcohol related items\nAlcohol Calculator", Glyph::None},
        {ID_CALC_SG_BALLING, "&Specific Gravity to/from Balling...", kNoKey, 0,
         "Convert density related measures\nSpecific Gravity to/from Balling", Glyph::None},
        {ID_CALC_ABV_ABW, "Alcohol by &Volume to/from by Weight...", kNoKey, 0,
         "Convert alcohol related measures\nAlcohol by Volume to/from by Weight", Glyph::None},
        {ID_CALC_PRIMING, "&Priming and Carbonation...", kNoKey, 0,
         "Priming sugar for a carbonation, or the carbonation of a weight of sugar\nPriming",
         Glyph::None},
        {ID_CALC_HYDROMETER, "&Hydrometer Temperature Correction...", kNoKey, 0,
         "Correct a hydrometer reading for the sample's temperature\nHydrometer", Glyph::None},
        {ID_CALC_REFRACTOMETER, "&Refractometer...", kNoKey, 0,
         "A refractometer's Brix as a gravity, before or during fermentation\nRefractometer",
         Glyph::None},
        {ID_CALC_STRIKE, "S&trike Water...", kNoKey, 0,
         "The strike water's temperature and volume for a mash\nStrike Water", Glyph::None},
        {ID_CALC_INFUSION, "Mash &Infusion...", kNoKey, 0,
         "The hot water to add for the next mash rest\nMash Infusion", Glyph::None},
        {ID_CALC_DILUTION, "&Dilution and Boil-off...", kNoKey, 0,
         "The water to add or boil off for a gravity\nDilution and Boil-off", Glyph::None},
        {ID_REPORT_SELECT, "&Select a Report...", kNoKey, 0,
         "Choose a report to preview or print\nSelect a Report", Glyph::None},
        {ID_REPORT_PREVIEW, "Pre&view Selected Report", kNoKey, 0,
         "Preview the report chosen last\nPreview Report", Glyph::Preview},
        {ID_REPORT_PRINT, "Prin&t Selected Report", kNoKey, 0,
         "Print the report chosen last\nPrint Report", Glyph::Print},
        {ID_RECORD_FIND, "&Find", kNoKey, 0, "Find a new record\nFind Record", Glyph::Find},
        {ID_APP_ABOUT, "&About Wortsmith Calculator...", kNoKey, 0,
         "Program information, version number and copyright\nAbout", Glyph::About},
        {ID_CONTEXT_HELP, "What's &This?", QKeySequence::WhatsThis, 0,
         "Help on the item clicked next\nHelp", Glyph::ContextHelp},
    };
    return table;
}

const CommandInfo* FindCommand(int id) {
    const auto& t = CommandTable();
    auto it = std::find_if(t.begin(), t.end(), [id](const CommandInfo& c) { return c.id == id; });
    return it == t.end() ? nullptr : &*it;
}

bool IsRecordCommand(int id) {
    switch (id) {
    case ID_RECORD_FIRST:
    case ID_RECORD_PREV:
    case ID_RECORD_NEXT:
    case ID_RECORD_LAST:
    case ID_RECORD_ADD:
    case ID_RECORD_COPY:
    case ID_RECORD_SCALE:
    case ID_RECORD_REFRESH:
    case ID_RECORD_DELETE:
    case ID_RECORD_COMMIT:
    case ID_FILE_SAVE:
        return true;
    default:
        return false;
    }
}

std::optional<ReferenceKind> ReferenceKindOf(int commandId) {
    static const std::pair<int, ReferenceKind> kinds[] = {
        {ID_DATA_STYLE, ReferenceKind::Styles},      {ID_DATA_KIT, ReferenceKind::Kits},
        {ID_DATA_EXTRACT, ReferenceKind::Extracts},  {ID_DATA_GRAIN, ReferenceKind::Grains},
        {ID_DATA_HOP, ReferenceKind::Hops},          {ID_DATA_YEAST, ReferenceKind::Yeast},
        {ID_DATA_WATER, ReferenceKind::Water},       {ID_DATA_ADJUNCT, ReferenceKind::Adjuncts},
        {ID_DATA_GLOSSARY, ReferenceKind::Glossary}, {ID_DATA_SUPPLIER, ReferenceKind::Suppliers},
        {ID_DATA_BREWER, ReferenceKind::Brewer},
    };
    for (const auto& [id, kind] : kinds) {
        if (id == commandId)
            return kind;
    }
    return std::nullopt;
}

const std::vector<int>& DataMenuLayout() {
    static const std::vector<int> layout = {
        ID_DATA_STYLE,    ID_DATA_KIT,      ID_DATA_EXTRACT,
        ID_DATA_GRAIN,    ID_DATA_HOP,      ID_DATA_YEAST,
        ID_DATA_WATER,    ID_DATA_ADJUNCT,  0,
        ID_DATA_GLOSSARY, ID_DATA_SUPPLIER, 0,
        ID_DATA_BREWER,
    };
    return layout;
}

const std::vector<int>& ReportsMenuLayout() {
    static const std::vector<int> layout = {ID_REPORT_SELECT, ID_REPORT_PREVIEW, ID_REPORT_PRINT};
    return layout;
}

const std::vector<int>& CalculatorsMenuLayout() {
    static const std::vector<int> layout = {
        ID_CALC_BITTERNESS,
        ID_CALC_GRAVITY,
        ID_CALC_ALCOHOL,
        0,
        ID_CALC_SG_BALLING,
        ID_CALC_ABV_ABW,
        0,
        ID_CALC_PRIMING,
        ID_CALC_HYDROMETER,
        ID_CALC_REFRACTOMETER,
        ID_CALC_STRIKE,
        ID_CALC_INFUSION,
        ID_CALC_DILUTION,
    };
    return layout;
}

bool IsCalculatorCommand(int id) {
    const auto& l = CalculatorsMenuLayout();
    return id != 0 && std::find(l.begin(), l.end(), id) != l.end();
}

int RecordAccelerator(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    const bool pad = mods & Qt::KeypadModifier;
    if (!ctrl || (mods & Qt::MetaModifier))
        return 0;
    if (pad && event.key() == Qt::Key_Plus)
        return alt || (mods & Qt::ShiftModifier) ? ID_RECORD_COPY : ID_RECORD_ADD;
    if (alt)
        return 0;
    if (pad && event.key() == Qt::Key_Minus)
        return ID_RECORD_DELETE;
    if (mods & Qt::ShiftModifier)
        return 0;
    switch (event.key()) {
    case Qt::Key_F:
        return ID_RECORD_FIRST;
    case Qt::Key_L:
        return ID_RECORD_LAST;
    case Qt::Key_N:
        return ID_RECORD_NEXT;
    case Qt::Key_P:
        return ID_RECORD_PREV;
    case Qt::Key_R:
        return ID_RECORD_REFRESH;
    default:
        return 0;
    }
}

const std::vector<int>& ToolBarLayout() {
    static const std::vector<int> layout = {
        ID_FILE_OPEN,
        ID_FILE_SAVE,
        0,
        ID_EDIT_CUT,
        ID_EDIT_COPY,
        ID_EDIT_PASTE,
        0,
        ID_FILE_PRINT,
        ID_FILE_PRINT_PREVIEW,
        0,
        ID_VIEW_RECIPE_FORM,
        ID_VIEW_RECIPE_LOG,
        ID_VIEW_RECIPE_LABEL,
        0,
        ID_RECORD_FIRST,
        ID_RECORD_PREV,
        ID_RECORD_NEXT,
        ID_RECORD_LAST,
        0,
        ID_RECORD_ADD,
        ID_RECORD_COPY,
        ID_RECORD_REFRESH,
        ID_RECORD_DELETE,
        0,
        ID_RECORD_COMMIT,
        0,
        ID_APP_ABOUT,
        ID_CONTEXT_HELP,
    };
    return layout;
}

} // namespace wsc
