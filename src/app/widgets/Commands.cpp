#include "app/widgets/Commands.h"

#include "app/widgets/IconFactory.h"

#include <QAction>

#include <algorithm>

namespace wsc {
namespace {

// Two commands of one number would both answer to it: the build refuses that.
#define WSC_COMMAND_NUMBER(id, number, ...) number,
constexpr int kCommandNumbers[] = {WSC_COMMANDS(WSC_COMMAND_NUMBER)};
#undef WSC_COMMAND_NUMBER
constexpr bool NumbersAreUnique() {
    for (std::size_t i = 0; i < std::size(kCommandNumbers); ++i) {
        for (std::size_t j = i + 1; j < std::size(kCommandNumbers); ++j) {
            if (kCommandNumbers[i] == kCommandNumbers[j])
                return false;
        }
    }
    return true;
}
static_assert(NumbersAreUnique(), "two commands of WSC_COMMANDS share a number");

constexpr int kCtrl = static_cast<int>(Qt::CTRL);
constexpr int kAlt = static_cast<int>(Qt::ALT);
constexpr int kShift = static_cast<int>(Qt::SHIFT);
constexpr int kPad = static_cast<int>(Qt::KeypadModifier);

} // namespace

QList<QKeySequence> Keys::sequences() const {
    if (key != 0 && alternate != 0)
        return {QKeySequence(key), QKeySequence(alternate)};
    if (key != 0)
        return {QKeySequence(key)};
    if (standard != QKeySequence::UnknownKey)
        return QKeySequence::keyBindings(standard);
    return {};
}

const std::vector<CommandInfo>& CommandTable() {
    using enum CommandOwner;
    using enum When;
    using enum Glyph;
#define WSC_COMMAND_ROW(id, number, text, keys, prompt, glyph, owner, when, handler)               \
    {id, text, keys, prompt, glyph, owner, when},
    static const std::vector<CommandInfo> table = {WSC_COMMANDS(WSC_COMMAND_ROW)};
#undef WSC_COMMAND_ROW
    return table;
}

const CommandInfo* FindCommand(int id) {
    const auto& t = CommandTable();
    auto it = std::find_if(t.begin(), t.end(), [id](const CommandInfo& c) { return c.id == id; });
    return it == t.end() ? nullptr : &*it;
}

bool CommandEnabled(const CommandInfo& c, const CommandState& s) {
    switch (c.when) {
    case When::Always:
        return true;
    case When::OpenAllowed:
        return !s.database || s.formActive;
    case When::DatabaseOpen:
        return s.database;
    case When::NoActiveForm:
        return !s.formActive;
    case When::FormOpen:
        return s.form;
    case When::FormActive:
        return s.formActive;
    case When::FormHasRecord:
        return s.form && s.record;
    case When::ReportChosen:
        return s.form && s.reportChosen;
    case When::ToolConfigured: {
        const int n = c.id - ID_TOOLS_TOOL1;
        return n >= 0 && n < static_cast<int>(s.tools.size()) && s.tools[std::size_t(n)];
    }
    case When::CanCopy:
        return s.formActive && s.canCopy;
    case When::CanRefresh:
        return s.formActive && s.canRefresh;
    case When::CanDelete:
        return s.formActive && s.canDelete;
    case When::CanCommit:
        return s.formActive && s.canCommit;
    }
    return false;
}

QAction* MakeCommandAction(const CommandInfo& c, QObject* parent, bool mnemonic) {
    QString text = QString::fromLatin1(c.text);
    if (!mnemonic)
        text.remove(u'&');
    auto* a = new QAction(IconFactory::icon(c.glyph), text, parent);
    a->setObjectName(QStringLiteral("command%1").arg(c.id));
    a->setData(c.id);
    const QStringList prompt = QString::fromLatin1(c.prompt).split(u'\n');
    a->setStatusTip(prompt.value(0));
    a->setToolTip(prompt.value(1, prompt.value(0)));
    a->setShortcuts(c.keys.sequences());
    // A held key acts once, as a recipe form's record keys always did.
    a->setAutoRepeat(false);
    return a;
}

namespace Layout {

const std::vector<int>& FileMenu(bool databaseOpen) {
    static const std::vector<int> open = {ID_FILE_OPEN,
                                          ID_FILE_CLOSE,
                                          ID_FILE_SAVE,
                                          0,
                                          ID_FILE_IMPORT_RECIPES,
                                          ID_FILE_EXPORT_RECIPE,
                                          ID_FILE_EXPORT_ALL,
                                          0,
                                          ID_FILE_COMPRESS,
                                          ID_FILE_REPAIR,
                                          0,
                                          ID_FILE_PRINT,
                                          ID_FILE_PRINT_PREVIEW,
                                          ID_FILE_PRINT_SETUP};
    static const std::vector<int> closed = {ID_FILE_OPEN,   0, ID_FILE_COMPRESS,
                                            ID_FILE_REPAIR, 0, ID_FILE_PRINT_SETUP};
    return databaseOpen ? open : closed;
}

const std::vector<int>& EditMenu() {
    static const std::vector<int> layout = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    return layout;
}

const std::vector<int>& RecordPopup() {
    static const std::vector<int> layout = {
        ID_RECORD_FIRST, ID_RECORD_PREV, ID_RECORD_NEXT,    ID_RECORD_LAST,   0,
        ID_RECORD_ADD,   ID_RECORD_COPY, ID_RECORD_REFRESH, ID_RECORD_DELETE, 0,
        ID_RECORD_COMMIT};
    return layout;
}

const std::vector<int>& RecordMenu() {
    static const std::vector<int> layout = [] {
        std::vector<int> l = RecordPopup();
        l.insert(l.end(), {0, ID_RECORD_SCALE});
        return l;
    }();
    return layout;
}

const std::vector<int>& DataMenu() {
    static const std::vector<int> layout = {
        ID_DATA_STYLE,
        ID_DATA_KIT,
        ID_DATA_EXTRACT,
        ID_DATA_GRAIN,
        ID_DATA_HOP,
        ID_DATA_YEAST,
        ID_DATA_WATER,
        ID_DATA_ADJUNCT,
        0,
        ID_DATA_GLOSSARY,
        ID_DATA_SUPPLIER,
        0,
        ID_DATA_BREWER,
        0,
        ID_DATA_IMPORT,
        ID_DATA_EXPORT,
    };
    return layout;
}

const std::vector<int>& CalculatorsMenu() {
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

const std::vector<int>& ReportsMenu() {
    static const std::vector<int> layout = {ID_REPORT_SELECT, ID_REPORT_PREVIEW, ID_REPORT_PRINT};
    return layout;
}

const std::vector<int>& ViewMenu() {
    static const std::vector<int> layout = {0, ID_VIEW_RECIPE_FORM, ID_VIEW_RECIPE_LOG,
                                            ID_VIEW_RECIPE_LABEL};
    return layout;
}

const std::vector<int>& ToolsMenu() {
    static const std::vector<int> layout = {ID_TOOLS_TOOL1, ID_TOOLS_TOOL2, ID_TOOLS_TOOL3, 0,
                                            ID_TOOLS_OPTIONS};
    return layout;
}

const std::vector<int>& HelpMenu() {
    static const std::vector<int> layout = {ID_HELP_INDEX, ID_HELP_GLOSSARY, ID_HELP_HOW_TO_BREW};
    return layout;
}

const std::vector<int>& HelpReferenceMenu() {
    static const std::vector<int> layout = {
        ID_REFERENCE_ADJUNCT, ID_REFERENCE_EXTRACT, ID_REFERENCE_GRAIN,
        ID_REFERENCE_HOP,     ID_REFERENCE_KIT,     ID_REFERENCE_RECIPE,
        ID_REFERENCE_STYLE,   ID_REFERENCE_WATER,   ID_REFERENCE_YEAST};
    return layout;
}

const std::vector<int>& HelpMenuEnd() {
    static const std::vector<int> layout = {ID_HELP_USING,   0, ID_TIP_OF_THE_DAY,
                                            ID_CONTEXT_HELP, 0, ID_APP_ABOUT};
    return layout;
}

const std::vector<int>& ToolBar() {
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

const std::vector<int>& MaintenanceBar() {
    static const std::vector<int> layout = {ID_RECORD_FIRST,
                                            ID_RECORD_PREV,
                                            ID_RECORD_NEXT,
                                            ID_RECORD_LAST,
                                            0,
                                            ID_RECORD_ADD,
                                            ID_RECORD_REFRESH,
                                            ID_RECORD_DELETE,
                                            0,
                                            ID_RECORD_FIND};
    return layout;
}

} // namespace Layout

} // namespace wsc
