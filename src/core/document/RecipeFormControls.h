#pragma once

#include <QString>

namespace wsc {

class CRecordSetRecipe;
class IngredientSheets;

// Control ids of the recipe form that the record commands put the focus on.
namespace FormControl {
inline constexpr int kName = 1072;
inline constexpr int kBrewer = 1073;
inline constexpr int kBatchNo = 1074;
inline constexpr int kKit = 1255;
inline constexpr int kExtract = 1256;
inline constexpr int kPartialMash = 1257;
inline constexpr int kAllGrain = 1266;
} // namespace FormControl

struct ProcessChecks {
    bool kit = false;
    bool extract = false;
    bool partialMash = false;
    bool allGrain = false;
};

// What the record commands need of the recipe form window: its controls and pages.
class RecipeFormControls {
public:
    virtual ~RecipeFormControls() = default;

    // Moves the heading and every page into the record. Every control is attempted; false when
    // any refused its text (having said why and taken the focus).
    virtual bool saveControls(CRecordSetRecipe& record) = 0;
    // An edit the user has not finished yet (a cell still being typed into) is handed over,
    // so it counts as a change.
    virtual void commitPendingEdits() {}
    // Shows the record on the heading and every page, points the ingredient rows at it, shows
    // its target style and sets the calculations back to "Not Done".
    virtual void loadControls(const CRecordSetRecipe& record) = 0;

    virtual QString nameText() const = 0;
    virtual QString batchText() const = 0;
    virtual ProcessChecks processChecks() const = 0;
    // The ingredient rows as the grid holds them.
    virtual const IngredientSheets& ingredientSheets() = 0;

    virtual void focusControl(int id) = 0;
    virtual void showPage(int page) = 0;
    // After a commit: the grid re-reads the rows it saved.
    virtual void ingredientsTakeUpSavedRows() = 0;
    // The form's target style display goes back to its empty state.
    virtual void resetTargetStyle() = 0;
    // The enabled state of the record commands may have changed.
    virtual void commandStateChanged() {}
};

} // namespace wsc
