#pragma once

#include "core/calc/IngredientSheets.h"
#include "core/document/BoundQuerySheet.h"
#include "core/grid/GridLayoutFile.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <vector>

class QKeyEvent;
class QTableWidget;
class QTableWidgetItem;

namespace wsc {

class CDaoDatabase;
class CGWTabGridCtrl;

// A tabbed grid of typed cells, one sheet per tab. Row 0 is the heading; a sheet bound to a
// saved query shows its rows and, last, an append row in which a new record is started. The
// owner overrides the notifications.
class CGWGrid : public QWidget, public IngredientSheets {
    Q_OBJECT
public:
    explicit CGWGrid(QWidget* parent = nullptr);
    ~CGWGrid() override;

    // Reads the layout file: sheets, headings, widths and cell types. A file that is missing
    // or does not have the sheets and columns the owner needs is replaced by the built-in
    // layout of the same name; the text says what was wrong with it (empty when nothing was).
    QString SetSettingsFile(const QString& path, const std::vector<int>& columnsPerSheet);
    // The configuration message for a layout problem SetSettingsFile returned.
    static QString layoutProblemMessage(const QString& path, const QString& problem);
    QString settingsDirectory() const { return m_settingsDir; }
    QString settingsFileName() const { return m_settingsName; }
    QString caption() const { return m_caption; }

    int sheetCount() const { return static_cast<int>(m_sheets.size()); }
    int currentSheet() const;
    void setCurrentSheet(int sheet);
    // A sheet's data binding: the rows of `query` for the recipe, written into `table`.
    void setSheetBinding(int sheet, CDaoDatabase* database, const QString& query,
                         const QString& table, long recipeId);
    BoundQuerySheet* binding(int sheet);
    // Re-reads a bound sheet; a database error is thrown and the sheet keeps its rows.
    void readSheet(int sheet);

    // Operations (row numbers include the heading row 0; -1 = the current sheet).
    int GetRowCount(int sheet = -1) const;
    bool isAppendRow(int row, int sheet = -1) const;
    void GetCurrentCell(int& row, int& col) const;
    void SetCurrentCell(int row, int col, int sheet = -1);
    QString GetCellText(int row, int col, int sheet = -1) const;
    long GetCellNumber(int row, int col, int sheet = -1) const;
    // Shows the text; in a bound sheet it goes to the record, and in the append row it starts
    // a new one. Throws CDaoException.
    void SetCellText(int row, int col, const QString& text, int sheet = -1);
    void SelectRow(int row, bool redraw = true);
    int selectedRow() const { return m_selectedRow; }
    void RedrawRow(int row);
    void HitTestCell(const QPoint& pos, int& row, int& col) const;
    QRect GetCellRect(int row, int col) const;
    void setCellTextColor(int row, int col, const QColor& color, int sheet = -1);
    QColor cellTextColor(int row, int col, int sheet = -1) const;
    QTableWidget* table(int sheet) const;
    CGWTabGridCtrl* tabs() const { return m_tabs; }

    // IngredientSheets
    int rowCount(int sheet) const override { return GetRowCount(sheet); }
    QString cellText(int sheet, int row, int col) const override {
        return GetCellText(row, col, sheet);
    }
    void setCellText(int sheet, int row, int col, const QString& text) override;

    // A cell editor still open gives its text to the cell (before the recipe is saved, say).
    void commitOpenEditor();

    // The user edits a cell as if typing into it (tests and the owner's own commands use it).
    void editCell(int row, int col, const QString& text, int sheet = -1);
    // SetCellText that reports a database error instead of throwing it; false after one.
    bool trySetCellText(int row, int col, const QString& text, int sheet = -1);
    void activateCell(int row, int col, int sheet = -1);

protected:
    // Notifications for the owner.
    virtual void OnGridEvent(int kind, int code);
    virtual void InitSheets() {}
    virtual void InitGridLook() {}
    virtual void BindSheet(int /*sheet*/) {}
    virtual void OnCellActivated(int /*row*/, int /*col*/) {}
    virtual void OnCellChanged(int /*row*/, int /*col*/, const QString& /*value*/) {}
    virtual bool GetNewRowDefault(bool /*starting*/, int /*col*/, QString& /*text*/) {
        return false;
    }
    // After a cell was set (by the user or the owner).
    virtual void OnCellSet() {}
    virtual void OnRightButtonUp(const QPoint& /*pos*/) {}
    // A command key (see isCommandKey) was released while the table had the focus.
    virtual void OnKeyUp(int /*key*/) {}
    // A key the owner acts on when it is released; the table does not get it.
    virtual bool isCommandKey(const QKeyEvent& /*event*/) const { return false; }
    // A database error while a sheet reads or writes; the default does nothing.
    virtual void OnDatabaseError(const std::exception& /*e*/) {}
    // The user typed a text that a number cell cannot hold (nothing was written).
    virtual void OnInvalidCell(const QString& /*heading*/, const QString& /*text*/) {}

    // Builds the sheets' tables from the layout (call after SetSettingsFile).
    void createSheets();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Sheet {
        GridSheetLayout layout;
        QTableWidget* table = nullptr;
        BoundQuerySheet bound;
        bool isBound = false;
        std::vector<std::vector<QString>> cells; // unbound sheets: data rows
        std::vector<std::vector<QColor>> colors;
    };
    Sheet& sheetAt(int sheet);
    const Sheet& sheetAt(int sheet) const;
    int resolve(int sheet) const { return sheet < 0 ? currentSheet() : sheet; }
    void showSheet(int sheet);
    void showCell(int sheet, int row, int col);
    void onItemChanged(QTableWidgetItem* item);
    void startRecord(int sheet, int col, const QString& text);
    bool startsNumberEdit(QTableWidget* table, const QKeyEvent& key) const;
    void leaveGrid(QTableWidget* table, bool forward);
    void writeCell(int sheet, int row, int col, const QString& text);

    CGWTabGridCtrl* m_tabs;
    std::vector<std::unique_ptr<Sheet>> m_sheets;
    QString m_settingsDir;
    QString m_settingsName;
    QString m_caption;
    int m_selectedRow = -1;
    int m_updating = 0;
    // The command key pressed (without Ctrl or Alt) whose release runs its command.
    int m_commandKey = 0;
};

} // namespace wsc
