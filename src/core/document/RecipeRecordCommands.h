#pragma once

#include "core/calc/Units.h"
#include "core/db/RecordSession.h"
#include "core/db/dao/CDaoRecordset.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/RecipeFormControls.h"
#include "core/document/UpdateHints.h"

#include <QString>
#include <functional>

namespace wsc {

struct ScaleRequest;

class CDaoException;
class CWscalcDoc;

// The record life cycle of the recipe form: the current recipe is always under edit inside an
// open transaction of the document's workspace; the commands validate, ask, write, commit,
// move, add, copy, delete and discard, and tell the other views what changed.
class RecipeRecordCommands {
public:
    using Move = RecordSession::Move;

    struct Preferences {
        bool displayWarnings = true;
        bool displayDeleteWarnings = true;
        bool displayToolTips = true;
        bool recipeScroll = false;
        QString userSkill;
        QString view;
        UnitChoice units;
    };

    RecipeRecordCommands(CWscalcDoc& doc, RecipeFormControls& form, IDocumentView* view);
    ~RecipeRecordCommands();
    RecipeRecordCommands(const RecipeRecordCommands&) = delete;
    RecipeRecordCommands& operator=(const RecipeRecordCommands&) = delete;

    // Opens the recipe set at the lowest batch number and shows it; false after reporting a
    // database error.
    bool open();
    // The first transaction, once the form has built its pages.
    void beginFirstTransaction();

    void readPreferences();
    const Preferences& preferences() const { return m_prefs; }

    void OnRecordMove(Move move);
    void OnRecordAdd();
    void OnRecordCopy();
    // A copy by Copy's rules at another batch size (and efficiency), its predictions shown
    // beside the original's; false when it was refused (after saying why) or failed.
    bool OnRecordScale(const ScaleRequest& request);
    void OnRecordDelete();
    void OnRecordRefresh();
    bool OnRecordCommit();
    // Hint 3 from another view.
    void GoToBatch(long batchNo);

    // Moves the controls into the record, validates and writes a changed recipe. With `ask`,
    // a change is first put to the user (message 68).
    bool SaveRecipeChanges(bool ask = true);
    bool QuerySaveRecipe();
    void BeginRecipeEdit();
    // Runs `work` on the database outside the recipe's open transaction: the current recipe is
    // saved first (after the usual question; false when the user cancels or it cannot be
    // saved), and editing begins again afterwards.
    bool runBetweenEdits(const std::function<void()>& work);
    long NextBatchNumber();
    static constexpr long kHighestBatchNumber = 2147483647;
    bool ValidateRecipe();

    bool canCopy() const { return !m_newRecord; }
    bool canRefresh() const { return m_newRecord || m_modified; }
    bool canDelete() const { return !m_newRecord; }
    bool canCommit() const { return m_commitEnabled; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified = true);
    bool newRecordPending() const { return m_newRecord; }
    bool hasRecord() const;

    CRecordSetRecipe& record() { return m_set; }
    const CRecordSetRecipe& record() const { return m_set; }
    long currentRecipeId() const { return m_currentRecipeId; }

private:
    // Copy, or with `scale` a scaled copy.
    bool copyRecord(const ScaleRequest* scale);
    void reload();
    void storeCurrentInDocument();
    void notify(HintEvent event, long recipeId);
    // False, having said so, when the next batch number would be past the highest one.
    bool nextBatchNumberExists();
    // Gives the new record in the edit buffer the next batch number, inserts it and puts it
    // under edit as the current recipe.
    void insertNewRecord();
    // After a failed add or copy: drop what was started and show the recipe shown before.
    void abandonNewRecord(CDaoRecordset::Bookmark previous);

    CWscalcDoc& m_doc;
    RecipeFormControls& m_form;
    IDocumentView* m_view;
    CRecordSetRecipe m_set;
    RecordSession m_session;
    Preferences m_prefs;
    bool m_modified = false;
    bool m_newRecord = false;
    bool m_copiedIngredients = false;
    bool m_commitEnabled = false;
    long m_currentRecipeId = 0;
    // Where the set stood before a copy, to come back to when the copy is discarded.
    CDaoRecordset::Bookmark m_copySourceBookmark = 0;
};

} // namespace wsc
