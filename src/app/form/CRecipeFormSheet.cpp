#include "app/form/CRecipeFormSheet.h"

#include "app/form/CScaleRecipeDlg.h"
#include "app/form/PredictionStrip.h"
#include "core/calc/Predictions.h"
#include "core/db/records/Columns.h"
#include "core/settings/WindowTexts.h"

#include "core/shell/ProgramFiles.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"

#include "app/calc/CCalcMessagesDlg.h"
#include "app/calc/CTargetStyleDlg.h"
#include "app/calculators/CalculatorDialogs.h"
#include "app/form/CRecipeComments.h"
#include "app/form/CRecipeFormHeading.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipeIngredientsPage.h"
#include "app/form/CRecipeMash.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/form/CRecipeRatingDlg.h"
#include "app/form/CRecipeRecipePage.h"
#include "app/form/CRecipeSpecGravities.h"
#include "app/reference/CAddChgDlg.h"
#include "app/reference/CLookupDlg.h"
#include "app/widgets/CColorLabel.h"
#include "app/widgets/CControlTipWnd.h"
#include "app/widgets/Commands.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/IconFactory.h"
#include "app/widgets/PriorityShortcuts.h"
#include "app/widgets/RecordBinder.h"
#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace wsc {
namespace {
QString g_gridLayoutDirectory;
} // namespace

void CRecipeFormSheet::setGridLayoutDirectory(const QString& directory) {
    g_gridLayoutDirectory = directory;
}

QString CRecipeFormSheet::gridLayoutDirectory() {
    return g_gridLayoutDirectory.isEmpty()
               ? ProgramFiles::installedFolderHolding(QStringLiteral("GWIngredients.gws"))
               : g_gridLayoutDirectory;
}

CRecipeFormSheet::CRecipeFormSheet(CWscalcDoc& doc, DialogRunner& runner, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_runner(runner),
      m_grid(new CRecipeGrid1(
          doc, runner,
          CRecipeGrid1::Hooks{[this] { return m_cmd ? m_cmd->currentRecipeId() : 0L; },
                              [this] { setModifiedByUser(); },
                              [this] { return m_cmd->preferences().displayDeleteWarnings; },
                              [this](int row, bool unitFlag) {
                                  m_calc.setInputs(calcInputs());
                                  m_calc.CalcHopRow(row, unitFlag);
                              }})),
      m_calc(*m_grid, doc.utilization()) {
    setObjectName(QStringLiteral("recipeForm"));
    SetHelpContext(this, HelpContext::kRecipeForm);
    m_cmd = std::make_unique<RecipeRecordCommands>(doc, *this, this);
    m_calc.setPrompter(&doc.services().prompter);
    m_calc.setModifiedHandler([this] { setModifiedByUser(); });
    m_calc.setStatusHandler([this] { showCalcStatus(); });
    buildControls();
    registerCommandHandlers();
    new PriorityShortcuts(this, [this] {
        QList<QAction*> actions;
        for (int id : Layout::RecordPopup()) {
            if (id != 0 && m_actionFor)
                actions << m_actionFor(id);
        }
        return actions;
    });
    readPreferences();
    // The form keeps to the document size where its pages allow; the frame scrolls the rest.
    for (QLayout* l : findChildren<QLayout*>()) {
        l->setSpacing(4);
        if (qobject_cast<QGroupBox*>(l->parentWidget()))
            l->setContentsMargins(6, 4, 6, 4);
    }
    setMinimumSize(layout()->minimumSize());
}

QSize CRecipeFormSheet::sizeHint() const {
    return QSize(m_doc.formWidth(), m_doc.formHeight());
}

CRecipeFormSheet::~CRecipeFormSheet() {
    m_doc.removeView(this);
}

void CRecipeFormSheet::buildControls() {
    m_heading = new CRecipeFormHeading(m_doc.services().prompter, this);
    connect(m_heading, &CRecipeFormHeading::modified, this, [this] { setModifiedByUser(); });
    connect(m_heading, &CRecipeFormHeading::messagesAsked, this, [this] { OnMsgs(); });
    connect(m_heading, &CRecipeFormHeading::targetStyleAsked, this, [this] { OnTargetStyle(); });

    m_sheet = new CRecipePropertySheet(this);
    m_recipePage = new CRecipeRecipePage(m_doc.database(), m_doc.services(), m_sheet);
    m_sheet->addPage(m_recipePage, MessageCatalog::text(Msg::kRecipeWord));
    Prompter& prompter = m_doc.services().prompter;
    HelpService* help = m_doc.services().help;
    m_grid->Create(gridLayoutDirectory());
    m_sheet->addPage(new CRecipeIngredientsPage(m_grid, prompter, help, m_sheet),
                     MessageCatalog::text(Msg::kIngredientsWord));
    auto* mash = new CRecipeMash(prompter, help, m_sheet);
    mash->setEfficiencyCalculator([this]() -> std::optional<double> {
        return RecipeCalculator::systemEfficiencyActual(*m_grid, m_doc.utilization(), calcInputs(),
                                                        m_cmd->record().m_RecipeSGOriginal);
    });
    m_sheet->addPage(mash, QString::fromUtf8(Labels::kMash));
    auto* fermentation = new CRecipeSpecGravities(prompter, help, m_sheet);
    fermentation->setCalculationRunner([this] {
        // A run started by the page changes no field the user typed: the changed state of the
        // recipe stays as it was.
        const bool modified = m_cmd->isModified();
        runCalculations(false);
        m_cmd->setModified(modified);
        return m_calc.PredictedOG;
    });
    fermentation->setPrimingChooser([this]() -> QString {
        CLookupDlg lookup(LookupKind::Adjuncts, m_doc.services(), this, &m_runner);
        lookup.setAdjunctMode(AdjunctMode::PrimingOnly);
        lookup.OnInitDialog();
        if (m_runner.exec(lookup) != QDialog::Accepted || !lookup.lookupResult())
            return {};
        return lookup.lookupResult()->name;
    });
    m_sheet->addPage(fermentation, QString::fromUtf8(Labels::kFermentationInfo));
    m_sheet->addPage(new CRecipeComments(prompter, help, m_sheet),
                     QString::fromUtf8(Labels::kComments));
    m_sheet->addPage(new CRecipeRatingDlg(prompter, help, m_runner, m_sheet),
                     QString::fromUtf8(Labels::kRating));
    for (int i = 0; i < m_sheet->pageCount(); ++i) {
        m_sheet->page(i)->setRecord(&m_cmd->record());
        connect(m_sheet->page(i), &CRecipePage::modified, this, [this] { setModifiedByUser(); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_sheet, 1);
}

void CRecipeFormSheet::readPreferences() {
    m_cmd->readPreferences();
    const auto& prefs = m_cmd->preferences();
    m_calc.setDisplayWarnings(prefs.displayWarnings);
    m_heading->setToolTipsShown(prefs.displayToolTips);
    for (int i = 0; i < m_sheet->pageCount(); ++i) {
        m_sheet->page(i)->setToolTipsShown(prefs.displayToolTips);
        m_sheet->page(i)->setUnits(prefs.units);
    }
    m_grid->setUnits(prefs.units);
    schedulePredictions();
}

bool CRecipeFormSheet::OnInitialUpdate() {
    IInfoStatusBar* bar = m_doc.services().statusBar;
    auto progress = [bar](int position) {
        if (bar)
            bar->SetProgress(position, position == -1 ? -1 : 100);
    };
    progress(10);
    progress(15);
    const bool opened = m_cmd->open();
    progress(20);
    // Every page is activated once, as it would be by a click on its tab, and the first page is
    // left on top.
    for (int page :
         {PageIngredients, PageMash, PageFermentation, PageComments, PageRating, PageRecipe})
        m_sheet->SetActivePage(page);
    progress(100);
    if (opened)
        m_cmd->beginFirstTransaction();
    progress(-1);
    if (bar) {
        bar->ClearLines(true);
        bar->SetPaneText(QString(), 0);
    }
    showTargetStyle();
    m_heading->setMessagesEnabled(false);
    focusControl(FormControl::kName);
    commandStateChanged();
    return opened;
}

RecipeInputs CRecipeFormSheet::calcInputs() const {
    // What the pages show, committed or not: a run always uses the values on screen.
    RecipeInputs in = RecipeInputs::of(m_cmd->record());
    auto shown = [this](const char* column) -> std::optional<QVariant> {
        for (int i = 0; i < m_sheet->pageCount(); ++i) {
            if (auto v = m_sheet->page(i)->shownValue(column))
                return v;
        }
        return std::nullopt;
    };
    auto number = [&](const char* column, double& value, QString& text) {
        if (const auto v = shown(column)) {
            const bool isText = v->typeId() == QMetaType::QString;
            value = isText ? std::nan("") : v->toDouble();
            text = isText ? v->toString() : QString();
        }
    };
    number(col::recipe::RecipeBatchSize, in.batchSize, in.batchSizeText);
    number(col::recipe::RecipeBoilSize, in.boilSize, in.boilSizeText);
    number(col::recipe::RecipeSystemEfficiencyExpected, in.efficiencyExpected, in.efficiencyText);
    if (const auto priming = shown(col::recipe::RecipeFermPrimingName))
        in.primingName = priming->toString();
    if (const int measure = m_heading->measureShown(); measure >= 0)
        in.measureEnglish = measure;
    return in;
}

bool CRecipeFormSheet::QuerySaveRecipe() {
    m_grid->commitOpenEditor();
    return m_cmd->QuerySaveRecipe();
}

bool CRecipeFormSheet::saveControls(CRecordSetRecipe& r) {
    commitPendingEdits();
    // Only what a control shows differently from the record is moved into it.
    bool ok = true;
    // Of the heading only the batch number can be refused (the names are texts).
    if (!m_heading->save(r)) {
        focusControl(FormControl::kBatchNo);
        ok = false;
    }
    for (int i = 0; i < m_sheet->pageCount(); ++i) {
        if (!m_sheet->page(i)->saveRecord(r))
            ok = false;
    }
    // The efficiency the actual gravity shows goes with a changed recipe.
    RecipeCalculator::storeSystemEfficiencyActual(r, *m_grid, m_doc.utilization(), calcInputs());
    return ok;
}

void CRecipeFormSheet::scaleRecipe() {
    const CRecordSetRecipe& r = m_cmd->record();
    if (!r.HasCurrentRecord())
        return;
    // The sizes as the pages show them, typed or not.
    const RecipeInputs in = calcInputs();
    CScaleRecipeDlg dlg(m_doc.services().prompter, m_cmd->preferences().units, in.batchSize,
                        in.efficiencyExpected, this);
    if (m_runner.exec(dlg) != QDialog::Accepted)
        return;
    m_cmd->OnRecordScale(dlg.request());
}

void CRecipeFormSheet::commitPendingEdits() {
    m_grid->commitOpenEditor();
}

void CRecipeFormSheet::loadControls(const CRecordSetRecipe& r) {
    m_loading = true;
    const bool has = r.HasCurrentRecord();
    if (has)
        m_heading->load(r);
    else
        m_heading->clear();

    // The ingredient rows of the shown recipe, as stored in the open transaction. Without a
    // recipe there is nothing the rows could belong to.
    m_grid->bindAll();
    for (int i = 1; i < m_sheet->pageCount(); ++i)
        m_sheet->page(i)->setEnabled(has);
    for (int i = 0; i < m_sheet->pageCount(); ++i)
        m_sheet->page(i)->loadRecord(r);
    m_calc.resetResults();
    m_calc.status = CalcStatus::NotDone;
    showTargetStyle();
    showCalcStatus();
    m_loading = false;
    schedulePredictions();
}

void CRecipeFormSheet::setModifiedByUser() {
    if (m_loading)
        return;
    m_cmd->setModified(true);
    schedulePredictions();
}

void CRecipeFormSheet::setPredictionStrip(PredictionStrip* strip) {
    m_strip = strip;
    schedulePredictions();
}

void CRecipeFormSheet::schedulePredictions() {
    if (m_predictionsPending)
        return;
    m_predictionsPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_predictionsPending = false;
            updatePredictions();
        },
        Qt::QueuedConnection);
}

void CRecipeFormSheet::updatePredictions() {
    const CRecordSetRecipe& r = m_cmd->record();
    if (!r.HasCurrentRecord()) {
        if (m_strip)
            m_strip->clear();
        m_recipePage->showGlance({});
        return;
    }
    // One run serves the strip and the Recipe page.
    const Predictions p = Predict(*m_grid, m_doc.utilization(), calcInputs());
    if (m_strip)
        m_strip->showPredictions(p, RecipeStyleRanges(r), m_cmd->preferences().units);
    m_recipePage->showGlance(GlanceOf(*m_grid, p));
}

QString CRecipeFormSheet::nameText() const {
    return m_heading->nameText();
}

QString CRecipeFormSheet::batchText() const {
    return m_heading->batchText();
}

ProcessChecks CRecipeFormSheet::processChecks() const {
    return m_heading->processChecks();
}

QWidget* CRecipeFormSheet::control(int id) const {
    return m_heading->control(id);
}

void CRecipeFormSheet::focusControl(int id) {
    if (QWidget* w = control(id)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->selectAll();
    }
}

void CRecipeFormSheet::showPage(int page) {
    m_sheet->SetActivePage(page);
}

void CRecipeFormSheet::ingredientsTakeUpSavedRows() {
    m_grid->bindAll();
    m_recipePage->loadRecord(m_cmd->record());
}

const IngredientSheets& CRecipeFormSheet::ingredientSheets() {
    return *m_grid;
}

void CRecipeFormSheet::resetTargetStyle() {
    m_heading->resetTarget();
}

void CRecipeFormSheet::showTargetStyle() {
    const CRecordSetRecipe& r = m_cmd->record();
    m_heading->showTarget(r.m_RecipeTargetStyle, r.m_RecipeTargetCategory,
                          r.m_RecipeTargetSubcategory);
    IInfoStatusBar* bar = m_doc.services().statusBar;
    if (!bar)
        return;
    const QString target = MessageCatalog::text(Msg::kTargetWord);
    auto range = [](double lo, double hi, const char* format) {
        return QStringList{QString::asprintf(format, lo), QString::asprintf(format, hi)};
    };
    bar->ClearLines(true);
    bar->AddLine(target + MessageCatalog::format(
                              Msg::kTargetGravityRange,
                              range(r.m_RecipeTargetSpGravLo, r.m_RecipeTargetSpGravHi, "%.3f")),
                 true, false);
    bar->AddLine(target + MessageCatalog::format(
                              Msg::kTargetAlcoholRange,
                              range(r.m_RecipeTargetAlcoLo, r.m_RecipeTargetAlcoHi, "%.1f")),
                 true, false);
    bar->AddLine(
        target + MessageCatalog::format(Msg::kTargetIbuRange, range(r.m_RecipeTargetIBULo,
                                                                    r.m_RecipeTargetIBUHi, "%.0f")),
        true, false);
    bar->AddLine(target + MessageCatalog::format(
                              Msg::kTargetColorRange,
                              range(r.m_RecipeTargetColorLo, r.m_RecipeTargetColorHi, "%.1f")),
                 true, false);
    for (int i = 0; i < 3; ++i)
        bar->NextLine();
}

void CRecipeFormSheet::showCalcStatus() {
    m_heading->showStatus(LookOf(m_calc.status), m_calc.status == CalcStatus::Errors);
}

void CRecipeFormSheet::runCalculations(bool showWarning) {
    m_calc.setInputs(calcInputs());
    m_calc.RunCalculations(showWarning);
    showCalcStatus();
}

void CRecipeFormSheet::OnMsgs() {
    m_calc.setInputs(calcInputs());
    const bool open = m_calc.OnMsgs();
    showCalcStatus();
    if (open) {
        CCalcMessagesDlg dlg(m_calc.CalcMessages, this);
        m_runner.exec(dlg);
    }
}

void CRecipeFormSheet::OnTargetStyle() {
    CRecordSetRecipe& r = m_cmd->record();
    CTargetStyleDlg::Inputs in;
    {
        WaitCursor wait(m_doc.services().statusBar);
        runCalculations(true);
    }
    in.target = {r.m_RecipeTargetStyle, r.m_RecipeTargetCategory, r.m_RecipeTargetSubcategory};
    in.og = m_calc.PredictedOG;
    in.abv = m_calc.PredictedABV;
    in.ibu = m_calc.TotalIBU;
    in.color = m_calc.PredictedColor;
    in.hbu = m_calc.TotalHBU;
    in.messageCount = m_calc.CalcMessageCount;
    CTargetStyleDlg dlg(m_doc.services(), gridLayoutDirectory(), in, this);
    dlg.setMessagesHandler([this] {
        CCalcMessagesDlg messages(m_calc.CalcMessages, this);
        m_runner.exec(messages);
    });
    dlg.OnInitDialog();
    if (m_runner.exec(dlg) != QDialog::Accepted || !dlg.chosen())
        return;
    const StyleRow& s = *dlg.chosen();
    r.m_RecipeTargetStyle = s.key.name;
    r.m_RecipeTargetCategory = s.key.category;
    r.m_RecipeTargetSubcategory = s.key.subcategory;
    r.m_RecipeTargetSpGravLo = s.ranges.gravityLo;
    r.m_RecipeTargetSpGravHi = s.ranges.gravityHi;
    r.m_RecipeTargetAlcoLo = s.ranges.alcoholLo;
    r.m_RecipeTargetAlcoHi = s.ranges.alcoholHi;
    r.m_RecipeTargetIBULo = s.ranges.ibuLo;
    r.m_RecipeTargetIBUHi = s.ranges.ibuHi;
    r.m_RecipeTargetColorLo = s.ranges.colorLo;
    r.m_RecipeTargetColorHi = s.ranges.colorHi;
    showTargetStyle();
    m_cmd->setModified(true);
    schedulePredictions();
}

bool CRecipeFormSheet::hasUnsavedChanges() {
    commitPendingEdits();
    return m_cmd->canRefresh();
}

std::int64_t CRecipeFormSheet::currentBatch() const {
    return m_cmd->record().m_RecipeBatchNo;
}

void CRecipeFormSheet::setPrintRecipeHandler(std::function<void()> handler) {
    m_recipePage->setPrintHandler(std::move(handler));
}

void CRecipeFormSheet::commandStateChanged() {
    if (m_onCommandState)
        m_onCommandState();
}

void CRecipeFormSheet::OnUpdate(IDocumentView*, long hint, const CRowViewHint* object) {
    switch (HintEventOf(hint)) {
    case HintEvent::Initial:
        m_doc.setForm(this);
        break;
    case HintEvent::GoToBatch:
        m_cmd->GoToBatch(object ? object->batchNo : (hint & 0xFFFF));
        break;
    default:
        break;
    }
}

void CRecipeFormSheet::fillCommandState(CommandState& state) const {
    state.record = m_cmd->hasRecord();
    state.canCopy = m_cmd->canCopy();
    state.canRefresh = m_cmd->canRefresh();
    state.canDelete = m_cmd->canDelete();
    state.canCommit = m_cmd->canCommit();
}

bool CRecipeFormSheet::commandEnabled(int id) const {
    const CommandInfo* c = FindCommand(id);
    if (!c || c->owner != CommandOwner::RecipeForm)
        return false;
    CommandState state;
    state.database = state.form = state.formActive = true;
    fillCommandState(state);
    return CommandEnabled(*c, state);
}

void CRecipeFormSheet::registerCommandHandlers() {
    // The handlers of the form's commands, as their rows name them.
#define WSC_HANDLER_RecipeForm(id, handler) m_handlers[id] = [this] { handler; };
#define WSC_HANDLER_Frame(id, handler)
#define WSC_HANDLER_MaintenanceDialog(id, handler)
#define WSC_FORM_HANDLER(id, number, text, keys, prompt, glyph, owner, when, handler)              \
    WSC_HANDLER_##owner(id, handler)
    WSC_COMMANDS(WSC_FORM_HANDLER)
#undef WSC_FORM_HANDLER
#undef WSC_HANDLER_MaintenanceDialog
#undef WSC_HANDLER_Frame
#undef WSC_HANDLER_RecipeForm
}

void CRecipeFormSheet::openReferenceDialog(ReferenceKind kind) {
    std::unique_ptr<CAddChgDlg> dlg = CAddChgDlg::create(kind, m_doc.services(), m_runner, this);
    if (dlg->OnInitDialog())
        m_runner.exec(*dlg);
}

void CRecipeFormSheet::runCommand(int id) {
    if (!commandEnabled(id))
        return;
    if (auto it = m_handlers.find(id); it != m_handlers.end())
        it->second();
    commandStateChanged();
}

QMenu* CRecipeFormSheet::createPopupMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("recipeFormPopup"));
    for (int id : Layout::RecordPopup()) {
        if (id == 0) {
            menu->addSeparator();
        } else if (QAction* a = m_actionFor ? m_actionFor(id) : nullptr) {
            a->setEnabled(commandEnabled(id));
            menu->addAction(a);
        }
    }
    return menu;
}

void CRecipeFormSheet::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5))
                                                                     : event->globalPos();
    QMenu* menu = createPopupMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

} // namespace wsc
