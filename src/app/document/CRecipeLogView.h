#pragma once

#include "document/RecipeLogRows.h"
#include "document/UpdateHints.h"

#include <QTreeWidget>

#include <functional>
#include <memory>
#include <vector>

namespace wsc {

class CDaoDatabase;
class CDaoWorkspace;
class CRecordSetRecipeLog;
class CWscalcDoc;

// The recipe log: every committed recipe in a sortable table, read through a private read-only
// connection of its own, so it never sees or disturbs the form's open edit. Double-click or
// Enter goes to the recipe on the form.
class CRecipeLogView : public QTreeWidget, public IDocumentView {
    Q_OBJECT
public:
    explicit CRecipeLogView(CWscalcDoc& doc, QWidget* parent = nullptr);
    ~CRecipeLogView() override;

    void OnUpdate(IDocumentView* sender, long hint, const CRowViewHint* object) override;
    void Refresh();
    // Header click: the same column again reverses the order, another sorts it ascending.
    void SortBy(int column);
    void GoToSelectedRecipe();
    // After going to a recipe, the main frame brings the form to the front.
    void setShowFormHandler(std::function<void()> show) { m_showForm = std::move(show); }

    int sortColumn() const { return m_sortColumn; }
    bool ascending() const { return m_ascending; }
    int selectedRow() const { return m_selectedRow; }
    long selectedRecipeId() const { return m_selectedRecipeId; }
    long selectedBatchNo() const { return m_selectedBatch; }
    QStringList columnTexts(int column) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill();
    // The widths of string 79's columns, wider where a text needs it and the window has room.
    void setColumnWidths();
    void selectRow(int row);
    void readSelection();

    CWscalcDoc& m_doc;
    std::unique_ptr<CDaoWorkspace> m_workspace;
    std::unique_ptr<CDaoDatabase> m_database;
    std::unique_ptr<CRecordSetRecipeLog> m_log;
    std::vector<RecipeLogRow> m_rows;
    std::function<void()> m_showForm;
    int m_sortColumn = 0;
    bool m_ascending = true;
    int m_selectedRow = 0;
    long m_selectedRecipeId = 0;
    long m_selectedBatch = 0;
    bool m_clickedOnRow = false;
};

} // namespace wsc
