#pragma once

#include "support/TestSupport.h"

#include "core/calc/IngredientSheets.h"
#include "core/document/CWscalcDoc.h"
#include "core/document/RecipeFormControls.h"
#include "core/document/RecipeRecordCommands.h"

#include <memory>
#include <vector>

namespace wsc::test {

// The controls of a recipe form without a window: heading texts, process checks and the
// ingredient rows as stored for the shown recipe.
class FakeForm : public RecipeFormControls, public IDocumentView {
public:
    explicit FakeForm(CWscalcDoc& doc) : m_doc(doc) {}

    bool saveControls(CRecordSetRecipe& r) override;
    void loadControls(const CRecordSetRecipe& r) override;
    QString nameText() const override { return name; }
    QString batchText() const override { return batch; }
    ProcessChecks processChecks() const override { return process; }
    const IngredientSheets& ingredientSheets() override { return sheets; }
    void focusControl(int id) override { focus = id; }
    void showPage(int p) override { page = p; }
    void ingredientsTakeUpSavedRows() override {}
    void resetTargetStyle() override {}
    void OnUpdate(IDocumentView*, long, const CRowViewHint*) override {}

    QString name, brewer, batch;
    ProcessChecks process;
    MemorySheets sheets;
    int focus = 0;
    int page = -1;
    int loads = 0;

private:
    CWscalcDoc& m_doc;
};

// Another view of the document, keeping the hints it receives.
class HintLog : public IDocumentView {
public:
    void OnUpdate(IDocumentView*, long hint, const CRowViewHint* object) override {
        events.push_back(static_cast<int>(HintEventOf(hint)));
        if (object && HintEventOf(hint) == HintEvent::GoToBatch)
            batches.push_back(object->batchNo);
        if (object && object->recipeId != 0)
            recipes.push_back(object->recipeId);
    }
    std::vector<int> events;
    std::vector<long> batches; // of go-to-batch hints
    std::vector<long> recipes; // written or removed, as hints name them
};

// A recipe database open as a document with the record commands over a FakeForm.
class RecordCommandsFixture : public DbFixture {
protected:
    void openSamples() { open(copyShippedSamples()); }
    void open(const QString& file);
    // What another connection sees: only committed data.
    QVariant committed(const QString& sql);
    long shownBatch() const { return m_cmd->record().m_RecipeBatchNo; }

    QString m_file;
    std::unique_ptr<CWscalcDoc> m_doc;
    std::unique_ptr<FakeForm> m_form;
    std::unique_ptr<RecipeRecordCommands> m_cmd;
    HintLog m_log;
};

} // namespace wsc::test
