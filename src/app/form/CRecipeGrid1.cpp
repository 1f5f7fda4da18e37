#include "app/form/CRecipeGrid1.h"

#include "app/reference/CLookupDlg.h"
#include "app/widgets/DialogRunner.h"
#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/CWscalcDoc.h"
#include "core/document/FieldExchange.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QDir>

#include <QKeyEvent>
#include <QMenu>
#include <QTableWidget>
#include <algorithm>

namespace wsc {
namespace {

// What each sheet's new row starts with, column by column; "#" is the recipe identifier.
const std::vector<std::vector<const char*>>& NewRowDefaults() {
    static const std::vector<std::vector<const char*>> defaults = {
        {"<new>", "<new>", "0.0", "0.0", "lbs", "0.000", "0.0", "#"},
        {"<new>", "<new>", "0.0", "0.0", "lbs", "Syrup", "0", "1.000", "0.0", "#"},
        {"<new>", "0.0", "lbs", "1.000", "0.0", "#"},
        {"<new>", "0.0", "oz", "0", "0.000", "0.0", "#"},
        {"<new>", "0.0", "0.0", "oz", "0", "0", "0.0", "#"},
        {"<new>", "<new>", "Ale", "Dry", "0", "pkg", "75.0", "#"},
    };
    return defaults;
}

LookupKind LookupFor(int sheet) {
    switch (sheet) {
    case SheetKits:
        return LookupKind::Kits;
    case SheetExtracts:
        return LookupKind::Extracts;
    case SheetGrains:
        return LookupKind::Grains;
    case SheetAdjuncts:
        return LookupKind::Adjuncts;
    case SheetHops:
        return LookupKind::Hops;
    default:
        return LookupKind::Yeast;
    }
}

QString f1(double v) {
    return QString::asprintf("%.1f", v);
}
QString f3(double v) {
    return QString::asprintf("%.3f", v);
}

} // namespace

CRecipeGrid1::CRecipeGrid1(CWscalcDoc& doc, DialogRunner& runner, Hooks hooks, QWidget* parent)
    : CGWGrid(parent), m_doc(doc), m_runner(runner), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("ingredientsGrid"));
}

QString CRecipeGrid1::kindName(int sheet) {
    static const char* names[] = {"Kit", "Malt Extract", "Grain", "Adjunct", "Hops", "Yeast"};
    return sheet >= 0 && sheet < SheetCount ? QString::fromLatin1(names[sheet]) : QString();
}

void CRecipeGrid1::Create(const QString& layoutDirectory) {
    m_layoutDirectory = layoutDirectory;
    InitGridLook();
    createSheets();
    InitSheets();
}

void CRecipeGrid1::InitGridLook() {
    const QString path = QDir(m_layoutDirectory).filePath(QString::fromLatin1(kLayoutFile));
    std::vector<int> columns;
    for (const auto& sheet : NewRowDefaults())
        columns.push_back(static_cast<int>(sheet.size()));
    const QString problem = SetSettingsFile(path, columns);
    if (!problem.isEmpty())
        m_doc.services().prompter.text(layoutProblemMessage(path, problem),
                                       PromptIcon::Exclamation);
    QFont f = font();
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    setFont(f);
}

void CRecipeGrid1::InitSheets() {
    if (sheetCount() != SheetCount)
        return;
    IInfoStatusBar* bar = m_doc.services().statusBar;
    if (bar)
        bar->SetProgress(30, 100);
    int progress = 40;
    for (int sheet :
         {SheetKits, SheetHops, SheetExtracts, SheetGrains, SheetAdjuncts, SheetYeasts}) {
        if (bar)
            bar->SetProgress(progress, 100);
        progress += 10;
        BindSheet(sheet);
    }
}

void CRecipeGrid1::bindAll() {
    if (sheetCount() != SheetCount)
        return;
    for (int sheet = 0; sheet < SheetCount; ++sheet)
        BindSheet(sheet);
}

void CRecipeGrid1::BindSheet(int sheet) {
    setSheetBinding(sheet, m_doc.database(), QString::fromLatin1(SheetQueryName(sheet)),
                    RecipeIngredientRows::tableName(static_cast<RecipeIngredientRows::Kind>(sheet)),
                    m_hooks.recipeId ? m_hooks.recipeId() : 0);
    try {
        readSheet(sheet);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_doc.services().prompter, m_doc.services().help);
    }
}

void CRecipeGrid1::OnDatabaseError(const std::exception& e) {
    if (const auto* dao = dynamic_cast<const CDaoException*>(&e))
        ReportDaoError(*dao, m_doc.services().prompter, m_doc.services().help);
}

void CRecipeGrid1::OnInvalidCell(const QString& heading, const QString& text) {
    // A number too large gets the range; anything else (a text, below 0, a fraction in a cell
    // of whole numbers) the specified message.
    double v = 0;
    const NumberFault fault = CheckTypedNumber(text, v);
    m_doc.services().prompter.text(fault == NumberFault::TooLarge
                                       ? NumberFaultText(fault, heading)
                                       : QString::fromLatin1(Texts::kEnterQuantity).arg(heading),
                                   PromptIcon::Exclamation);
}

void CRecipeGrid1::deleteStoredRow(int sheet, int row) {
    try {
        if (BoundQuerySheet* b = binding(sheet))
            b->deleteRow(row - 1);
        readSheet(sheet);
    } catch (const CDaoException& e) {
        OnDatabaseError(e);
    }
}

bool CRecipeGrid1::GetNewRowDefault(bool, int col, QString& text) {
    const int sheet = currentSheet();
    const auto& defaults = NewRowDefaults()[static_cast<std::size_t>(sheet)];
    if (col < 0 || col >= static_cast<int>(defaults.size()))
        return false;
    text = QString::fromLatin1(defaults[static_cast<std::size_t>(col)]);
    if (text == u"lbs" || text == u"oz")
        text = IngredientUnitText(text == u"oz", m_units);
    if (text == u"#")
        text = QString::asprintf("%lu", static_cast<unsigned long>(m_hooks.recipeId()));
    if (m_hooks.setModified)
        m_hooks.setModified();
    return true;
}

void CRecipeGrid1::OnCellSet() {
    if (m_hooks.setModified)
        m_hooks.setModified();
}

void CRecipeGrid1::OnCellActivated(int row, int col) {
    if (row < 1)
        return;
    if (col == 0) {
        selectIngredient();
        return;
    }
    if (isAppendRow(row)) {
        startNewRow(row);
        return;
    }
    if (currentSheet() == SheetHops && (col == 5 || col == 6))
        m_hooks.calcHopRow(row, false);
}

void CRecipeGrid1::OnCellChanged(int row, int, const QString&) {
    if (m_hooks.setModified)
        m_hooks.setModified();
    if (currentSheet() == SheetHops && !isAppendRow(row) && row >= 1)
        m_hooks.calcHopRow(row, true);
}

bool CRecipeGrid1::startNewRow(int row) {
    return trySetCellText(row, 0, QStringLiteral("<new>"));
}

void CRecipeGrid1::selectIngredient() {
    int row = 0;
    int col = 0;
    GetCurrentCell(row, col);
    if (row < 1)
        return;
    const int sheet = currentSheet();
    const bool started = isAppendRow(row);
    if (started) {
        if (!startNewRow(row))
            return;
        SetCurrentCell(row, 0, sheet);
    }
    CLookupDlg dlg(LookupFor(sheet), m_doc.services(), this, &m_runner);
    dlg.setAdjunctMode(AdjunctMode::All);
    dlg.OnInitDialog();
    SelectRow(row);
    const int answer = m_runner.exec(dlg);
    SelectRow(-1);
    if (answer == QDialog::Accepted && dlg.lookupResult()) {
        const LookupResult& r = *dlg.lookupResult();
        auto set = [&](int c, const QString& text) { SetCellText(row, c, text, sheet); };
        try {
            switch (sheet) {
            case SheetKits:
                set(0, r.manufacturer);
                set(1, r.style);
                set(2, f1(r.hbu));
                set(3, f1(r.weight));
                set(4, r.unitsText);
                set(5, f3(r.specificGravity));
                set(6, f1(r.color));
                break;
            case SheetExtracts: {
                set(0, r.manufacturer);
                set(1, r.name);
                set(2, f1(r.hbu));
                set(3, f1(r.weight));
                set(4, r.unitsText);
                set(5, r.formText);
                set(6, r.hopped ? QStringLiteral("1") : QStringLiteral("0"));
                // A reference without a gravity gets the usual one of its form.
                const double sg = r.specificGravity != 0 ? r.specificGravity
                                                         : (r.formText == u"Dry" ? 1.045 : 1.037);
                set(7, f3(sg));
                set(8, f1(r.color));
                break;
            }
            case SheetGrains:
                set(0, r.name);
                set(1, QStringLiteral("0.0"));
                set(2, IngredientUnitText(false, m_units));
                set(3, f3(r.specificGravity));
                set(4, f1(r.color));
                break;
            case SheetAdjuncts:
                set(0, r.name);
                set(1, QStringLiteral("0.0"));
                set(2, QString::fromUtf8(Labels::kOther));
                set(3, r.fermentable ? QStringLiteral("1") : QStringLiteral("0"));
                set(4, f3(r.specificGravity));
                set(5, f1(r.color));
                break;
            case SheetHops:
                set(0, r.name);
                set(1, f1(r.alpha));
                set(2, QStringLiteral("0.0"));
                set(3, IngredientUnitText(true, m_units));
                set(4, QStringLiteral("0"));
                set(5, QStringLiteral("0"));
                set(6, QStringLiteral("0.0"));
                break;
            case SheetYeasts:
                set(0, r.manufacturer);
                set(1, r.name);
                set(2, r.yeastType == 0 ? QStringLiteral("Lager") : QStringLiteral("Ale"));
                set(3, r.yeastForm == 0 ? QStringLiteral("Liquid") : QStringLiteral("Dry"));
                set(5, QStringLiteral("pkg"));
                set(6, QString::asprintf("%.2f", r.attenuation));
                break;
            default:
                break;
            }
        } catch (const CDaoException& e) {
            OnDatabaseError(e);
        }
        if (m_hooks.setModified)
            m_hooks.setModified();
    } else if (started) {
        // Nothing chosen for a row started for the choice: the row goes again, so no "<new>"
        // is left to stop the commit.
        deleteStoredRow(sheet, row);
        SetCurrentCell(std::min(row, GetRowCount(sheet) - 1), 0, sheet);
        return;
    }
    RedrawRow(row);
}

void CRecipeGrid1::deleteIngredient() {
    int row = 0;
    int col = 0;
    GetCurrentCell(row, col);
    const int sheet = currentSheet();
    const int last = static_cast<int>(table(sheet)->columnCount()) - 1;
    if (row < 1 || GetCellNumber(row, last) == 0) {
        m_doc.services().prompter.text(QString::fromLatin1(Texts::kNoSuchIngredient));
        SelectRow(-1);
        return;
    }
    if (m_hooks.deleteWarnings && m_hooks.deleteWarnings()) {
        const QString what = GetCellText(row, sheet == SheetExtracts ? 1 : 0);
        if (m_doc.services().prompter.message(
                Msg::kConfirmDelete,
                {QString::fromUtf8(Labels::kIngredient) + kindName(sheet), what},
                PromptIcon::Question, PromptButtons::OkCancel) != PromptAnswer::Ok) {
            SelectRow(-1);
            return;
        }
    }
    // The row chosen goes, found by its own identifier: a hop used twice loses only this one.
    deleteStoredRow(sheet, row);
    SelectRow(-1);
    if (m_hooks.setModified)
        m_hooks.setModified();
}

void CRecipeGrid1::calculateBitterness() {
    int row = 0;
    int col = 0;
    GetCurrentCell(row, col);
    SelectRow(-1);
    if (currentSheet() != SheetHops || row < 1 || isAppendRow(row))
        return;
    m_hooks.calcHopRow(row, false);
}

QMenu* CRecipeGrid1::createPopupMenu(int row) {
    if (row < 1)
        return nullptr;
    SelectRow(row);
    auto* menu = new QMenu(QString::fromUtf8(Labels::kRecipeIngredients), this);
    menu->setObjectName(QStringLiteral("ingredientsPopup"));
    const bool append = isAppendRow(row);
    auto add = [&](const QString& text, int id, const QString& tip, bool enabled) {
        QAction* a = menu->addAction(text);
        a->setData(id);
        a->setStatusTip(tip);
        a->setEnabled(enabled);
        return a;
    };
    // The keys shown are the ones the grid takes: the letters alone (Ctrl+S commits the recipe).
    QAction* select = add(QString::fromUtf8(Labels::kSelectIngredientS), ID_SELECT_INGREDIENT,
                          QString::fromUtf8(Labels::kSelectAnIngredientToAddTo), true);
    QAction* calc = add(QString::fromUtf8(Labels::kCalculateBitternessC), ID_CALCULATE_BITTERNESS,
                        QString::fromUtf8(Labels::kCalculateHopsBitterness),
                        currentSheet() == SheetHops && !append);
    menu->addSeparator();
    QAction* del = add(QString::fromUtf8(Labels::kDeleteIngredientD), ID_DELETE_INGREDIENT,
                       QString::fromUtf8(Labels::kDeleteTheIngredientFromTheRecipe), !append);
    menu->addSeparator();
    QAction* cancel = add(QString::fromUtf8(Labels::kCancelMenuEsc), ID_CANCEL_MENU,
                          QString::fromUtf8(Labels::kDismissPopupMenu), true);
    connect(select, &QAction::triggered, this, [this] { selectIngredient(); });
    connect(calc, &QAction::triggered, this, [this] { calculateBitterness(); });
    connect(del, &QAction::triggered, this, [this] { deleteIngredient(); });
    connect(cancel, &QAction::triggered, this, [this] { SelectRow(-1); });
    return menu;
}

void CRecipeGrid1::runPopup(const QPoint& globalPos) {
    int row = 0;
    int col = 0;
    GetCurrentCell(row, col);
    QMenu* menu = createPopupMenu(row);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        if (!menu->activeAction())
            SelectRow(-1);
    });
    menu->popup(globalPos);
}

void CRecipeGrid1::OnRightButtonUp(const QPoint& pos) {
    int row = -1;
    int col = -1;
    HitTestCell(pos, row, col);
    if (row < 1)
        return;
    SetCurrentCell(row, std::max(col, 0));
    runPopup(table(-1)->viewport()->mapToGlobal(pos));
}

bool CRecipeGrid1::isCommandKey(const QKeyEvent& event) const {
    if (event.modifiers() & ~Qt::KeypadModifier & ~Qt::ShiftModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_M:
    case Qt::Key_D:
    case Qt::Key_S:
    case Qt::Key_C:
        return true;
    default:
        return false;
    }
}

void CRecipeGrid1::OnKeyUp(int key) {
    switch (key) {
    case Qt::Key_M: {
        int row = 0;
        int col = 0;
        GetCurrentCell(row, col);
        const QRect cell = GetCellRect(row, col);
        runPopup(table(-1)->viewport()->mapToGlobal(cell.topLeft() + QPoint(5, 10)));
        break;
    }
    case Qt::Key_D:
        deleteIngredient();
        break;
    case Qt::Key_S:
        selectIngredient();
        break;
    case Qt::Key_C:
        if (currentSheet() == SheetHops)
            calculateBitterness();
        break;
    default:
        break;
    }
}

} // namespace wsc
