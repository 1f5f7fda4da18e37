#pragma once

#include "app/grid/CGWGrid.h"
#include "core/calc/Units.h"

#include <functional>

class QMenu;

namespace wsc {

class CWscalcDoc;
class DialogRunner;

// The ingredients grid of the recipe form: six sheets (kits, extracts, grains, adjuncts, hops,
// yeasts) bound to the recipe's ingredient rows. New rows start from the sheet's defaults and
// are filled from a lookup; a hop row's bitterness follows every change of the row.
class CRecipeGrid1 : public CGWGrid {
    Q_OBJECT
public:
    static constexpr const char* kLayoutFile = "GWIngredients.gws";
    enum Command {
        ID_SELECT_INGREDIENT = 32855,
        ID_CALCULATE_BITTERNESS = 32854,
        ID_DELETE_INGREDIENT = 32853,
        ID_CANCEL_MENU = 32857,
    };

    struct Hooks {
        std::function<long()> recipeId;
        std::function<void()> setModified;
        std::function<bool()> deleteWarnings;
        std::function<void(int row, bool unitFlag)> calcHopRow;
    };

    CRecipeGrid1(CWscalcDoc& doc, DialogRunner& runner, Hooks hooks, QWidget* parent = nullptr);

    // The layout from the program's folder, then the six sheets bound to the current recipe.
    void Create(const QString& layoutDirectory);
    // Binds every sheet to the current recipe again (after a move, a commit or a refresh).
    void bindAll();

    void selectIngredient();
    void deleteIngredient();
    void calculateBitterness();
    // The popup menu for a data row, or null for the heading; the row is highlighted.
    QMenu* createPopupMenu(int row);
    static QString kindName(int sheet);
    // New rows and chosen ingredients start in these units' weights.
    void setUnits(const UnitChoice& units) { m_units = units; }

protected:
    void InitGridLook() override;
    void InitSheets() override;
    void BindSheet(int sheet) override;
    void OnCellActivated(int row, int col) override;
    void OnCellChanged(int row, int col, const QString& value) override;
    bool GetNewRowDefault(bool starting, int col, QString& text) override;
    void OnCellSet() override;
    void OnRightButtonUp(const QPoint& pos) override;
    void OnKeyUp(int key) override;
    bool isCommandKey(const QKeyEvent& event) const override;
    void OnDatabaseError(const std::exception& e) override;
    void OnInvalidCell(const QString& heading, const QString& text) override;

private:
    // Deletes grid row `row` (1-based, below the heading) from the store and reads the sheet
    // again; a database error is reported.
    void deleteStoredRow(int sheet, int row);
    void runPopup(const QPoint& globalPos);
    // Writes "<new>" into the append row, which starts a record from the defaults.
    bool startNewRow(int row);

    CWscalcDoc& m_doc;
    DialogRunner& m_runner;
    Hooks m_hooks;
    QString m_layoutDirectory;
    UnitChoice m_units;
};

} // namespace wsc
