#include "support/FakeRecipeForm.h"

#include "core/db/SqliteConnection.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/FieldExchange.h"

namespace wsc::test {

bool FakeForm::saveControls(CRecordSetRecipe& r) {
    r.m_RecipeName = name;
    r.m_RecipeBrewer = brewer;
    if (!batch.trimmed().isEmpty() && !ReadWholeField(batch, QStringLiteral("&Batch #"),
                                                      m_doc.services().prompter, r.m_RecipeBatchNo))
        return false;
    r.m_RecipeProcessKit = process.kit;
    r.m_RecipeProcessExtract = process.extract;
    r.m_RecipeProcessPartial = process.partialMash;
    r.m_RecipeProcessAllGrain = process.allGrain;
    return true;
}

void FakeForm::loadControls(const CRecordSetRecipe& r) {
    ++loads;
    name = r.m_RecipeName;
    brewer = r.m_RecipeBrewer;
    batch = QString::number(r.m_RecipeBatchNo);
    process = {r.m_RecipeProcessKit, r.m_RecipeProcessExtract, r.m_RecipeProcessPartial,
               r.m_RecipeProcessAllGrain};
    sheets = MemorySheets::load(*m_doc.database(), r.m_RecipeID);
}

void RecordCommandsFixture::open(const QString& file) {
    m_file = file;
    m_profile.setText(Setting::DefaultDataFile, copyShippedData());
    m_doc = std::make_unique<CWscalcDoc>(m_services);
    ASSERT_TRUE(m_doc->OnOpenDocument(file));
    m_form = std::make_unique<FakeForm>(*m_doc);
    m_doc->addView(m_form.get());
    m_doc->addView(&m_log);
    m_doc->setForm(m_form.get());
    m_cmd = std::make_unique<RecipeRecordCommands>(*m_doc, *m_form, m_form.get());
    ASSERT_TRUE(m_cmd->open());
    m_cmd->beginFirstTransaction();
    m_prompter.clear();
}

QVariant RecordCommandsFixture::committed(const QString& sql) {
    SqliteConnection c(m_file, SqliteConnection::Mode::ReadOnly);
    return c.scalar(sql);
}

} // namespace wsc::test
