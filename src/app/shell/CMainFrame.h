#pragma once

#include "app/widgets/Commands.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QDockWidget;
class QMdiArea;
class QMenu;
class QToolBar;

namespace wsc {

class CInfoStatusBar;
class CRecipeFormSheet;
class CRecipeLogView;
class CWscalcDoc;
class CWscalcFrame;
class DatabaseMaintenance;
class DialogRunner;
class HelpService;
class PredictionStrip;
class RecipeTransfer;
class ProfileStore;
class Prompter;
class ReportMenu;
class UserTools;
struct CoreServices;

// The main window: menus, tool bar and status bar around the child frames of the open recipe
// database. It routes each command to the active recipe form or to the handler its row names;
// import and export, database maintenance and the user's tools are classes of their own.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 4;

    CMainFrame(ProfileStore& profile, Prompter& prompter, DialogRunner& runner,
               HelpService* help = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens a recipe database with its form (one at a time). False when nothing was opened.
    bool OpenDocumentFile(const QString& path);
    // File > Close: asks to save, closes every view and the document. False when cancelled.
    bool closeDocument();
    // Keeps the window's place and the tool bar's state in the settings.
    void savePlacement();
    // Tools > Options; on OK the recipe form re-reads its preferences.
    void runOptions();
    // File > Import Recipes, Export Recipe, Export All Recipes (BeerXML).
    RecipeTransfer& transfer() { return *m_transfer; }
    // The Tip of the Day; at start-up only when the user wants it.
    void showTipOfTheDay(bool atStartUp);
    // At the first start of a user whose system measures in metric units: asks, once, whether
    // to show and type quantities in metric units.
    void offerMetricUnits(bool metricLocale);
    // The tips file to use instead of the one beside the program.
    void setTipsFile(const QString& path) { m_tipsFile = path; }

    CWscalcDoc* document() const { return m_doc.get(); }
    CRecipeFormSheet* recipeForm() const;
    CWscalcFrame* formFrame() const;
    CRecipeLogView* recipeLog() const;
    // The recipe form when it is the active view, else null.
    CRecipeFormSheet* activeForm() const;
    CInfoStatusBar* infoStatusBar() const { return m_status; }
    QMdiArea* mdiArea() const { return m_mdi; }
    QDockWidget* predictionsDock() const { return m_predictions; }
    PredictionStrip* predictionStrip() const { return m_strip; }
    QToolBar* toolBar() const { return m_toolBar; }
    QAction* action(int id) const;

    // Runs a command as a menu, tool bar or key would.
    void runCommand(int id);
    bool isCommandEnabled(int id);
    // What the commands' enabled rules read, now.
    CommandState commandState() const;
    bool isCommandEnabled(int id, const CommandState& state) const;
    void updateCommandStates();
    // Sets the Tools menu texts from the settings, as before the menu shows.
    void updateToolsMenu();
    // The Window menu: arrange the windows, and one item per open window.
    void fillWindowMenu(QMenu* window);
    QMenu* menu(const QString& title) const;

    // The reports: the print engine, the chosen report and the printer settings.
    ReportMenu& reports() { return *m_reports; }

    // Where backups of the recipe databases opened here are kept.
    void setBackupRoot(const QString& folder);

    // The first showing: the saved placement when there is one, else a normal window.
    void showFirst();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    // A command of the Reports menu (or the Recipe page's Print button) on the open form.
    void runReport(int id);
    void createToolBar();
    void createPredictions();
    void buildMenus();
    void restorePlacement();
    void addRecentFile(const QString& path);
    void openFromDialog();
    // True, with the message that says so, while a recipe database is open: only one can be.
    bool refusesSecondDatabase();
    void showHelp(int context);
    void showAbout();
    void showPlannedFunction();
    void createOrActivateForm();
    void createOrActivateLog();
    void onFormFrameClosed(CWscalcFrame* frame);
    void closeViewsAndDocument();
    CoreServices& services();

    ProfileStore& m_profile;
    Prompter& m_prompter;
    DialogRunner& m_runner;
    HelpService* m_help;
    QString m_tipsFile;
    std::unique_ptr<CoreServices> m_services;
    std::unique_ptr<ReportMenu> m_reports;
    std::unique_ptr<CWscalcDoc> m_doc;
    QMdiArea* m_mdi = nullptr;
    CInfoStatusBar* m_status = nullptr;
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_predictions = nullptr;
    PredictionStrip* m_strip = nullptr;
    std::map<int, QAction*> m_actions;
    std::map<int, std::function<void()>> m_handlers;
    std::unique_ptr<RecipeTransfer> m_transfer;
    std::unique_ptr<DatabaseMaintenance> m_maintenance;
    std::unique_ptr<UserTools> m_tools;
};

} // namespace wsc
