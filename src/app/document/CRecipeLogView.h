#pragma once

#include "core/document/RecipeLogTable.h"
#include "core/document/UpdateHints.h"

#include <QTreeView>

#include <functional>
#include <memory>

namespace wsc {

class CDaoDatabase;
class CDaoWorkspace;
class CWscalcDoc;
class RecipeLogModel;

// The recipe log: every committed recipe in a sortable table, read through a private read-only
// connection of its own, so it never sees or disturbs the form's open edit. Double-click or
// Enter goes to the recipe on the form. A commit, add, copy or delete re-reads only the recipe
// it wrote; the rows live in a compact table behind a model, not in an item per cell.
class CRecipeLogView : public QTreeView, public IDocumentView {
    Q_OBJECT
public:
    explicit CRecipeLogView(CWscalcDoc& doc, QWidget* parent = nullptr);
    ~CRecipeLogView() override;

    void OnUpdate(IDocumentView* sender, long hint, const CRowViewHint* object) override;
    void Refresh();
    // Header click: the same column again reverses the order, another sorts it ascending.
    void SortBy(int column);
    void goToSelectedRecipe();
    // After going to a recipe, the main frame brings the form to the front.
    void setShowFormHandler(std::function<void()> show) { m_showForm = std::move(show); }

    int sortColumn() const { return m_table.sortColumn(); }
    bool ascending() const { return m_table.ascending(); }
    int selectedRow() const { return m_selectedRow; }
    long selectedRecipeId() const { return m_selectedRecipeId; }
    long selectedBatchNo() const { return m_selectedBatch; }
    int rowCount() const { return m_table.rowCount(); }
    QStringList columnTexts(int column) const;
    const RecipeLogTable& table() const { return m_table; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool openConnection();
    // Follows one recipe written or removed by the form; false when it could not.
    bool followRecipe(long recipeId);
    // The widths of string 79's columns, wider where a text needs it and the window has room.
    void setColumnWidths();
    void selectRow(int row);
    void readSelection();

    CWscalcDoc& m_doc;
    std::unique_ptr<CDaoWorkspace> m_workspace;
    std::unique_ptr<CDaoDatabase> m_database;
    RecipeLogTable m_table;
    RecipeLogModel* m_model = nullptr;
    std::function<void()> m_showForm;
    bool m_loaded = false;
    int m_selectedRow = 0;
    long m_selectedRecipeId = 0;
    long m_selectedBatch = 0;
    bool m_clickedOnRow = false;
};

} // namespace wsc
