#pragma once

#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/document/RecipeFormControls.h"
#include "core/document/RecipeRecordCommands.h"
#include "core/document/UpdateHints.h"
#include "core/reference/ReferenceTables.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QMenu;

namespace wsc {

class PredictionStrip;
struct CommandState;

class CRecipeFormHeading;
class CRecipePropertySheet;
class CRecipeGrid1;
class CRecipeRecipePage;
class CWscalcDoc;
class DialogRunner;

// The recipe form: the heading (CRecipeFormHeading) of the current recipe over the tabbed sheet
// of pages.
// It binds the controls and forwards the record commands to the core's record life cycle; it
// holds the calculation results of the shown recipe.
class CRecipeFormSheet : public QWidget, public RecipeFormControls, public IDocumentView {
    Q_OBJECT
public:
    enum Page { PageRecipe, PageIngredients, PageMash, PageFermentation, PageComments, PageRating };

    CRecipeFormSheet(CWscalcDoc& doc, DialogRunner& runner, QWidget* parent = nullptr);
    ~CRecipeFormSheet() override;
    // The document size ("RecipeDocSizeMaxX/Y") is the form's natural size.
    QSize sizeHint() const override;

    // The first display: opens the recipe set on the lowest batch number, builds the pages and
    // begins the transaction. False after a database error was reported.
    bool OnInitialUpdate();

    // The form's part of what the enabled rules of the commands read.
    void fillCommandState(CommandState& state) const;
    // A command the form carries out (its owner column says so), when its rule allows.
    bool commandEnabled(int id) const;
    void runCommand(int id);
    void setActionLookup(std::function<QAction*(int)> lookup) { m_actionFor = std::move(lookup); }
    void setCommandStateHandler(std::function<void()> h) { m_onCommandState = std::move(h); }

    // Before the form closes: a grid cell still being typed into counts as a change.
    bool QuerySaveRecipe();
    void readPreferences();

    RecipeRecordCommands& commands() { return *m_cmd; }
    // What the reports ask of the form: a change not committed yet (a cell being typed into
    // included), and the batch number of the recipe on show.
    bool hasUnsavedChanges();
    std::int64_t currentBatch() const;
    // The Recipe page's Print button.
    void setPrintRecipeHandler(std::function<void()> handler);
    RecipeCalculator& calculator() { return m_calc; }
    CWscalcDoc& document() { return m_doc; }

    // RecipeFormControls
    bool saveControls(CRecordSetRecipe& record) override;
    // A grid cell still being typed into belongs to the recipe too.
    // Record > Scale Recipe: asks the batch size and efficiency, then makes the scaled copy.
    void scaleRecipe();
    void commitPendingEdits() override;
    void loadControls(const CRecordSetRecipe& record) override;
    QString nameText() const override;
    QString batchText() const override;
    ProcessChecks processChecks() const override;
    const IngredientSheets& ingredientSheets() override;
    void focusControl(int id) override;
    void showPage(int page) override;
    void ingredientsTakeUpSavedRows() override;
    void resetTargetStyle() override;
    void commandStateChanged() override;

    // IDocumentView
    void OnUpdate(IDocumentView* sender, long hint, const CRowViewHint* object) override;

    void OnMsgs();
    void OnTargetStyle();
    // The maintenance dialog of a reference table (the Data menu, Brewer's Information).
    void openReferenceDialog(ReferenceKind kind);
    void showTargetStyle();

    QMenu* createPopupMenu(QWidget* parent);
    // A control of the heading by its id (FormControl, CRecipeFormHeading), or null.
    QWidget* control(int id) const;
    // The grid's layout files are looked for here (the program's folder by default).
    static void setGridLayoutDirectory(const QString& directory);
    static QString gridLayoutDirectory();
    // The strip of predictions the form keeps up with every edit (the main window holds it).
    void setPredictionStrip(PredictionStrip* strip);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildControls();
    void registerCommandHandlers();
    void showCalcStatus();
    // A full run on the shown recipe, its status on the form.
    void runCalculations(bool showWarning);
    void setModifiedByUser();
    RecipeInputs calcInputs() const;
    // The strip is worked out once the events of an edit are through, once for all of them.
    void schedulePredictions();
    void updatePredictions();

    CWscalcDoc& m_doc;
    DialogRunner& m_runner;
    CRecipeGrid1* m_grid;
    RecipeCalculator m_calc;
    std::unique_ptr<RecipeRecordCommands> m_cmd;
    std::function<QAction*(int)> m_actionFor;
    std::map<int, std::function<void()>> m_handlers;
    std::function<void()> m_onCommandState;
    CRecipeFormHeading* m_heading = nullptr;
    bool m_loading = false;
    bool m_predictionsPending = false;

    CRecipePropertySheet* m_sheet = nullptr;
    CRecipeRecipePage* m_recipePage = nullptr;
    PredictionStrip* m_strip = nullptr;
};

} // namespace wsc
