#include "app/shell/CMainFrame.h"

#include "app/form/PredictionStrip.h"

#include "app/about/CAboutBoxDlg.h"
#include "app/about/CTipOfTheDayDlg.h"
#include "app/document/CRecipeLogView.h"
#include "app/document/CWscalcFrame.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/options/CWSOptionsSheet.h"
#include "app/reports/FormReportContext.h"
#include "app/reports/ReportMenu.h"
#include "app/shell/DatabaseMaintenance.h"
#include "app/shell/DocTemplates.h"
#include "app/shell/RecipeTransfer.h"
#include "app/shell/UserTools.h"
#include "app/widgets/CInfoStatusBar.h"
#include "app/widgets/Commands.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/HelpContextProperty.h"
#include "app/widgets/IconFactory.h"
#include "core/calc/UnitPreference.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/CWscalcDoc.h"
#include "core/help/HelpContexts.h"
#include "core/interchange/BeerXml.h"
#include "core/settings/FileNodes.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowPlacement.h"
#include "core/settings/WindowTexts.h"
#include "core/shell/ProgramFiles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>

namespace wsc {
namespace {

// Cut, Copy and Paste act on the line edit with the focus.
template <class Edit> void editFocusedLine(Edit edit) {
    if (auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        (e->*edit)();
}

constexpr const char* kBarStateKey = "State";

const Setting kRecent[4] = {Setting::RecentFile1, Setting::RecentFile2, Setting::RecentFile3,
                            Setting::RecentFile4};

} // namespace

CMainFrame::CMainFrame(ProfileStore& profile, Prompter& prompter, DialogRunner& runner,
                       HelpService* help, QWidget* parent)
    : QMainWindow(parent), m_profile(profile), m_prompter(prompter), m_runner(runner),
      m_help(help) {
    setObjectName(QStringLiteral("mainFrame"));
    SetHelpContext(this, HelpContext::kMainWindow);
    // BeerXML files dropped on the window are imported.
    setAcceptDrops(true);
    setWindowTitle(MessageCatalog::text(Msg::kProgramName));
    setWindowIcon(IconFactory::appIcon());
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdi);
    m_status = new CInfoStatusBar(this, CInfoStatusBar::ArrowButtons | CInfoStatusBar::HelpButton |
                                            CInfoStatusBar::ProgressBar);
    m_status->setHelpService(help);
    setStatusBar(m_status);
    m_services =
        std::make_unique<CoreServices>(CoreServices{m_prompter, m_profile, m_status, m_help});
    // The report files lie beside the program, or in the installed share folder.
    m_reports = std::make_unique<ReportMenu>(
        m_prompter, m_runner, m_mdi,
        ProgramFiles::installedFolderHolding(QStringLiteral("Recipe.rpt")));
    m_transfer = std::make_unique<RecipeTransfer>(*this, *m_services, m_runner);
    m_maintenance = std::make_unique<DatabaseMaintenance>(this, *m_services, m_runner);
    m_tools = std::make_unique<UserTools>(m_profile, m_prompter);
    createActions();
    createToolBar();
    createPredictions();
    buildMenus();
    restoreState(QByteArray::fromBase64(m_profile
                                            .raw(QString::fromLatin1(ProfileStore::kBarStatePrefix),
                                                 QString::fromLatin1(kBarStateKey))
                                            .toByteArray()));
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { updateCommandStates(); });
    updateCommandStates();
    resize(980, 720);
}

CMainFrame::~CMainFrame() {
    closeViewsAndDocument();
}

// The recipe at a glance: a strip above the windows, kept up to date by the recipe form. Shown
// or hidden from the View menu, and the choice kept.
void CMainFrame::createPredictions() {
    m_predictions = new QDockWidget(QString::fromLatin1(Labels::kPredictionsDock), this);
    m_predictions->setObjectName(QStringLiteral("predictionsDock"));
    m_predictions->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_predictions->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    // No title bar: the strip is one line of figures; the View menu hides it.
    m_predictions->setTitleBarWidget(new QWidget(m_predictions));
    m_strip = new PredictionStrip(m_predictions);
    m_predictions->setWidget(m_strip);
    addDockWidget(Qt::TopDockWidgetArea, m_predictions);
    m_predictions->setVisible(m_profile.integer(Setting::ShowPredictions) != 0);
    QAction* toggle = m_predictions->toggleViewAction();
    toggle->setObjectName(QStringLiteral("viewPredictions"));
    toggle->setStatusTip(QString::fromLatin1(Labels::kPredictionsTip));
    // The user's choice only: the dock also hides as the window goes, which is no choice.
    connect(toggle, &QAction::triggered, this,
            [this](bool on) { m_profile.setInteger(Setting::ShowPredictions, on ? 1 : 0); });
}

void CMainFrame::setBackupRoot(const QString& folder) {
    m_services->backupRoot = folder;
    m_services->backupWhenShown = true;
}

CoreServices& CMainFrame::services() {
    return *m_services;
}

QAction* CMainFrame::action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::createActions() {
    for (const CommandInfo& c : CommandTable()) {
        QAction* a = MakeCommandAction(c, this);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        const int id = c.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions[id] = a;
    }

    // The handlers of the window's own commands, as their rows name them.
#define WSC_HANDLER_Frame(id, handler) m_handlers[id] = [this] { handler; };
#define WSC_HANDLER_RecipeForm(id, handler)
#define WSC_HANDLER_MaintenanceDialog(id, handler)
#define WSC_FRAME_HANDLER(id, number, text, keys, prompt, glyph, owner, when, handler)             \
    WSC_HANDLER_##owner(id, handler)
    WSC_COMMANDS(WSC_FRAME_HANDLER)
#undef WSC_FRAME_HANDLER
#undef WSC_HANDLER_MaintenanceDialog
#undef WSC_HANDLER_RecipeForm
#undef WSC_HANDLER_Frame
}

void CMainFrame::showAbout() {
    CAboutBoxDlg about(m_prompter, m_runner, m_profile, this);
    m_runner.exec(about);
}

void CMainFrame::showPlannedFunction() {
    m_prompter.message(Msg::kPlannedFunction, {}, PromptIcon::Information);
}

void CMainFrame::createToolBar() {
    m_toolBar = addToolBar(QString::fromLatin1(Labels::kStandardToolBar));
    m_toolBar->setObjectName(QStringLiteral("standardToolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : Layout::ToolBar()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(id));
    }
}

QMenu* CMainFrame::menu(const QString& title) const {
    for (QAction* a : menuBar()->actions()) {
        if (a->menu() && a->text().remove(u'&') == title)
            return a->menu();
    }
    return nullptr;
}

void CMainFrame::buildMenus() {
    menuBar()->clear();
    const bool open = m_doc != nullptr;
    auto add = [this](QMenu* m, const std::vector<int>& ids) {
        for (int id : ids) {
            if (id == 0)
                m->addSeparator();
            else
                m->addAction(action(id));
        }
    };

    QMenu* file = menuBar()->addMenu(QString::fromLatin1(Labels::kFileMenu));
    add(file, Layout::FileMenu(open));
    file->addSeparator();
    for (int i = 0; i < kRecentFiles; ++i) {
        const QString path = m_profile.text(kRecent[i]);
        if (path.isEmpty())
            continue;
        QAction* a = file->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        a->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, path] { OpenDocumentFile(path); });
    }
    file->addSeparator();
    add(file, {ID_APP_EXIT});

    if (open) {
        for (const auto& [title, layout] :
             {std::pair{Labels::kEditMenu, &Layout::EditMenu()},
              std::pair{Labels::kRecordMenu, &Layout::RecordMenu()},
              std::pair{Labels::kDataMenu, &Layout::DataMenu()},
              std::pair{Labels::kCalculatorsMenu, &Layout::CalculatorsMenu()},
              std::pair{Labels::kReportsMenu, &Layout::ReportsMenu()}})
            add(menuBar()->addMenu(QString::fromLatin1(title)), *layout);
    }
    QMenu* view = menuBar()->addMenu(QString::fromLatin1(Labels::kViewMenu));
    view->addAction(m_toolBar->toggleViewAction());
    QAction* statusToggle = view->addAction(QString::fromLatin1(Labels::kStatusBarToggle));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(m_status->isVisible() || !isVisible());
    connect(statusToggle, &QAction::toggled, m_status, &QWidget::setVisible);
    view->addAction(m_predictions->toggleViewAction());
    if (open)
        add(view, Layout::ViewMenu());

    QMenu* tools = menuBar()->addMenu(QString::fromLatin1(Labels::kToolsMenu));
    add(tools, Layout::ToolsMenu());
    connect(tools, &QMenu::aboutToShow, this, [this] { updateToolsMenu(); });

    if (open) {
        QMenu* window = menuBar()->addMenu(QString::fromLatin1(Labels::kWindowMenu));
        connect(window, &QMenu::aboutToShow, this, [this, window] { fillWindowMenu(window); });
        fillWindowMenu(window);
    }

    QMenu* help = menuBar()->addMenu(QString::fromLatin1(Labels::kHelp));
    add(help, Layout::HelpMenu());
    add(help->addMenu(QString::fromLatin1(Labels::kHelpReferenceMenu)),
        Layout::HelpReferenceMenu());
    add(help, Layout::HelpMenuEnd());
    for (QAction* a : menuBar()->actions()) {
        if (a->menu())
            connect(a->menu(), &QMenu::aboutToShow, this, [this] { updateCommandStates(); });
    }
    updateToolsMenu();
}

void CMainFrame::fillWindowMenu(QMenu* window) {
    window->clear();
    window->addAction(QString::fromLatin1(Labels::kCascade), m_mdi, &QMdiArea::cascadeSubWindows);
    window->addAction(QString::fromLatin1(Labels::kTile), m_mdi, &QMdiArea::tileSubWindows);
    const QList<QMdiSubWindow*> open = m_mdi->subWindowList();
    if (!open.isEmpty())
        window->addSeparator();
    int n = 0;
    for (QMdiSubWindow* w : open) {
        QAction* a = window->addAction(QStringLiteral("&%1 %2").arg(++n).arg(w->windowTitle()));
        a->setObjectName(QStringLiteral("window%1").arg(n));
        a->setCheckable(true);
        a->setChecked(w == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] {
            if (m_mdi->subWindowList().contains(w)) {
                m_mdi->setActiveSubWindow(w);
                w->raise();
            }
        });
    }
}

void CMainFrame::updateToolsMenu() {
    m_tools->nameItems([this](int n) { return action(ID_TOOLS_TOOL1 + n); });
}

CWscalcFrame* CMainFrame::formFrame() const {
    for (QMdiSubWindow* w : m_mdi->subWindowList()) {
        if (auto* f = qobject_cast<CWscalcFrame*>(w); f && f->form())
            return f;
    }
    return nullptr;
}

CRecipeFormSheet* CMainFrame::recipeForm() const {
    CWscalcFrame* f = formFrame();
    return f ? f->form() : nullptr;
}

CRecipeFormSheet* CMainFrame::activeForm() const {
    CWscalcFrame* frame = formFrame();
    const QMdiSubWindow* active = m_mdi->activeSubWindow();
    return frame && (active == nullptr || active == frame) ? frame->form() : nullptr;
}

CommandState CMainFrame::commandState() const {
    CommandState state;
    state.database = m_doc != nullptr;
    if (CRecipeFormSheet* form = recipeForm()) {
        state.form = true;
        state.record = form->commands().hasRecord();
        state.reportChosen = !m_reports->noReportSelected();
    }
    if (CRecipeFormSheet* form = activeForm()) {
        state.formActive = true;
        form->fillCommandState(state);
    }
    for (std::size_t n = 0; n < state.tools.size(); ++n)
        state.tools[n] = m_tools->configured(int(n));
    return state;
}

bool CMainFrame::isCommandEnabled(int id) {
    return isCommandEnabled(id, commandState());
}

bool CMainFrame::isCommandEnabled(int id, const CommandState& state) const {
    const CommandInfo* c = FindCommand(id);
    if (!c || c->owner == CommandOwner::MaintenanceDialog)
        return false;
    if (c->owner == CommandOwner::Frame && m_handlers.count(id) == 0)
        return false;
    return CommandEnabled(*c, state);
}

void CMainFrame::updateCommandStates() {
    // The state is read once (the tools' names come from the settings) for every action.
    const CommandState state = commandState();
    for (auto& [id, a] : m_actions)
        a->setEnabled(isCommandEnabled(id, state));
    action(ID_REPORT_PREVIEW)->setText(m_reports->previewText());
    action(ID_REPORT_PRINT)->setText(m_reports->printText());
}

void CMainFrame::runReport(int id) {
    CRecipeFormSheet* form = recipeForm();
    if (!form || !m_doc)
        return;
    FormReportContext context(*form, m_profile);
    const UtilizationTable* table = &m_doc->utilization();
    // Reports print in the units chosen now.
    m_reports->engine().setUnits(ReadUnitChoice(m_profile));
    switch (id) {
    case ID_REPORT_SELECT:
        m_reports->selectReport(context, table, this);
        break;
    case ID_REPORT_PREVIEW:
    case ID_FILE_PRINT_PREVIEW:
        m_reports->repeat(ReportCommands::Action::Preview, context, table);
        break;
    case ID_REPORT_PRINT:
    case ID_FILE_PRINT:
        m_reports->repeat(ReportCommands::Action::Print, context, table);
        break;
    case ID_RECORD_PRINT_RECIPE:
        m_reports->previewCurrentRecipe(context, table);
        break;
    default:
        break;
    }
}

void CMainFrame::runCommand(int id) {
    if (!isCommandEnabled(id))
        return;
    if (FindCommand(id)->owner == CommandOwner::RecipeForm) {
        activeForm()->runCommand(id);
    } else if (auto it = m_handlers.find(id); it != m_handlers.end()) {
        it->second();
    }
    updateCommandStates();
}

void CMainFrame::openFromDialog() {
    // Open says why not while a database is open (it is enabled only on its form).
    if (refusesSecondDatabase())
        return;
    const QString path = m_runner.openFileName(this, QString::fromLatin1(Labels::kOpenTitle),
                                               DocTemplates().front().filterName() +
                                                   QString::fromLatin1(Labels::kAnyFileFilter));
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CMainFrame::refusesSecondDatabase() {
    if (!m_doc)
        return false;
    m_prompter.message(Msg::kOneRecipeDatabaseOnly, {}, PromptIcon::Exclamation);
    return true;
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    if (refusesSecondDatabase())
        return false;
    services().pendingBackup.clear();
    auto doc = std::make_unique<CWscalcDoc>(services());
    if (!doc->OnOpenDocument(path)) {
        m_status->SetPaneText(QString(), 0);
        return false;
    }
    m_doc = std::move(doc);
    auto* form = new CRecipeFormSheet(*m_doc, m_runner);
    form->setActionLookup([this](int id) { return action(id); });
    form->setCommandStateHandler([this] { updateCommandStates(); });
    form->setPrintRecipeHandler([this] { runReport(ID_RECORD_PRINT_RECIPE); });
    form->setPredictionStrip(m_strip);
    m_doc->addView(form);
    auto* frame = new CWscalcFrame(*m_doc, form);
    frame->setWindowTitle(QString::fromLatin1(Labels::kRecipeFormTitle));
    frame->setWindowIcon(IconFactory::icon(Glyph::Form));
    frame->setClosedHandler([this](CWscalcFrame* f) { onFormFrameClosed(f); });
    m_mdi->addSubWindow(frame);
    // The recipe form closes with the document (File > Close), not from its own frame.
    frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint);
    frame->setGeometry(0, 0, m_profile.integer(Setting::RecipeFormSizeMaxX),
                       m_profile.integer(Setting::RecipeFormSizeMaxY));
    frame->show();
    form->OnInitialUpdate();
    frame->refit();
    m_doc->UpdateAllViews(nullptr, MakeHint(HintEvent::Initial));
    addRecentFile(path);
    setWindowTitle(QString::fromLatin1(Labels::kProgramWithFile)
                       .arg(MessageCatalog::text(Msg::kProgramName), m_doc->GetTitle()));
    buildMenus();
    updateCommandStates();
    // The copy a changed file needs is made once the form shows: the first commit makes it
    // first if it comes sooner.
    if (!services().pendingBackup.isEmpty())
        QTimer::singleShot(0, this, [this] { MakePendingBackup(services()); });
    return true;
}

bool CMainFrame::closeDocument() {
    if (!m_doc)
        return true;
    CWscalcDoc::CloseAttempt attempt(*m_doc);
    if (CRecipeFormSheet* form = recipeForm(); form && !form->QuerySaveRecipe())
        return false;
    attempt.proceed();
    closeViewsAndDocument();
    return true;
}

void CMainFrame::closeViewsAndDocument() {
    if (!m_doc)
        return;
    // The views hold record sets on the document's connection: they go first.
    for (QMdiSubWindow* w : m_mdi->subWindowList()) {
        m_mdi->removeSubWindow(w);
        delete w;
    }
    m_status->ClearLines(true);
    m_strip->clear();
    m_doc->OnCloseDocument();
    m_doc.reset();
    m_profile.setText(Setting::RecipeFileOpened, QString());
    setWindowTitle(MessageCatalog::text(Msg::kProgramName));
    buildMenus();
    updateCommandStates();
}

void CMainFrame::onFormFrameClosed(CWscalcFrame*) {
    // The frame has agreed to close; it and the other views go once its close event is over,
    // then the document.
    QTimer::singleShot(0, this, [this] { closeViewsAndDocument(); });
}

void CMainFrame::createOrActivateForm() {
    if (!m_doc)
        return;
    if (CWscalcFrame* f = formFrame()) {
        m_mdi->setActiveSubWindow(f);
        f->raise();
        // A double click in the log ends with the log taking its window back: the form comes
        // forward again once that click is over.
        QTimer::singleShot(0, this, [this] {
            if (CWscalcFrame* frame = formFrame()) {
                m_mdi->setActiveSubWindow(frame);
                frame->raise();
            }
        });
    }
}

CRecipeLogView* CMainFrame::recipeLog() const {
    for (QMdiSubWindow* w : m_mdi->subWindowList()) {
        if (auto* f = qobject_cast<CWscalcFrame*>(w)) {
            if (auto* log = qobject_cast<CRecipeLogView*>(f->view()))
                return log;
        }
    }
    return nullptr;
}

void CMainFrame::createOrActivateLog() {
    if (!m_doc)
        return;
    for (QMdiSubWindow* w : m_mdi->subWindowList()) {
        auto* f = qobject_cast<CWscalcFrame*>(w);
        if (f && qobject_cast<CRecipeLogView*>(f->view())) {
            m_mdi->setActiveSubWindow(f);
            return;
        }
    }
    auto* log = new CRecipeLogView(*m_doc);
    log->setShowFormHandler([this] { createOrActivateForm(); });
    m_doc->addView(log);
    auto* frame = new CWscalcFrame(*m_doc, log);
    frame->setWindowTitle(DocTemplates().at(1).windowTitle());
    frame->setWindowIcon(IconFactory::icon(Glyph::Log));
    frame->setClosedHandler([](CWscalcFrame* f) { f->deleteLater(); });
    m_mdi->addSubWindow(frame);
    // Over the form's heading, inside the window whatever its size.
    const QSize area = m_mdi->viewport()->size();
    frame->setGeometry(30, 30, std::min(760, std::max(320, area.width() - 60)),
                       std::min(380, std::max(200, area.height() - 60)));
    frame->show();
    log->Refresh();
    m_mdi->setActiveSubWindow(frame);
}

void CMainFrame::addRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files{absolute};
    for (Setting s : kRecent) {
        const QString f = m_profile.text(s);
        if (!f.isEmpty() && f != absolute && files.size() < kRecentFiles)
            files << f;
    }
    for (int i = 0; i < kRecentFiles; ++i) {
        if (i < files.size())
            m_profile.setText(kRecent[i], files.at(i));
        else
            m_profile.remove(kRecent[i]);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (recipeForm() && !RecipeTransfer::droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = RecipeTransfer::droppedFiles(event->mimeData());
    if (!recipeForm() || files.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QString& path : files)
        m_transfer->importFile(path);
}

void CMainFrame::runOptions() {
    CWSOptionsSheet sheet(services(), m_runner, m_help);
    if (m_runner.exec(sheet) != QDialog::Accepted)
        return;
    sheet.writeSettings();
    // The form follows the new preferences at once.
    if (CRecipeFormSheet* form = recipeForm())
        form->readPreferences();
}

void CMainFrame::offerMetricUnits(bool metricLocale) {
    if (!ShouldOfferMetricUnits(m_profile, metricLocale))
        return;
    const PromptAnswer answer = m_prompter.text(QString::fromLatin1(Texts::kOfferMetricUnits),
                                                PromptIcon::Question, PromptButtons::YesNo);
    AnswerMetricOffer(m_profile, answer == PromptAnswer::Yes);
    if (CRecipeFormSheet* form = recipeForm())
        form->readPreferences();
}

void CMainFrame::showTipOfTheDay(bool atStartUp) {
    const QString tips = !m_tipsFile.isEmpty()
                             ? (QFileInfo(m_tipsFile).isFile() ? m_tipsFile : QString())
                             : ProgramFiles::find(QString::fromLatin1(TipsFile::kFileName));
    if (atStartUp) {
        if (m_profile.integer(Setting::TipStartUp) != 0)
            return;
        // A missing tips file is said once, not at every start.
        if (tips.isEmpty() && m_profile.integer(Setting::TipMissingReported) != 0)
            return;
        m_profile.setInteger(Setting::TipMissingReported, tips.isEmpty() ? 1 : 0);
    }
    CTipOfTheDayDlg dlg(m_profile, tips, this);
    m_runner.exec(dlg);
}

void CMainFrame::showHelp(int context) {
    if (m_help)
        m_help->show(context);
}

void CMainFrame::restorePlacement() {
    const auto p = WindowPlacement::parse(m_profile.text(Setting::WindowPos));
    if (!p)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const auto rect = p->normalRectWithin(screen ? screen->availableGeometry() : QRect());
    if (!rect)
        return;
    setGeometry(*rect);
    if (p->showCmd == WindowPlacement::kShowMaximized ||
        (p->flags & WindowPlacement::kRestoreToMaximized))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::savePlacement() {
    m_profile.setRaw(QString::fromLatin1(ProfileStore::kBarStatePrefix),
                     QString::fromLatin1(kBarStateKey), saveState().toBase64());
    const WindowPlacement p =
        WindowPlacement::fromWindow(normalGeometry(), isMaximized(), isMinimized());
    m_profile.setText(Setting::WindowPos, p.format());
}

void CMainFrame::showFirst() {
    restorePlacement();
    show();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!closeDocument()) {
        event->ignore();
        return;
    }
    savePlacement();
    m_profile.sync();
    event->accept();
}

} // namespace wsc
