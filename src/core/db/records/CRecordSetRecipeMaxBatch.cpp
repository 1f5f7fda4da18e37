#include "core/db/records/CRecordSetRecipeMaxBatch.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"

namespace wsc {

const RecordLayout& CRecordSetRecipeMaxBatch::layout() const {
    static const ColumnInfo columns[] = {{"Max Of RecipeBatchNo", FieldType::Long}};
    static const RecordLayout l{"Recipes Max Batch Number Query", columns, 1, nullptr};
    return l;
}

std::int64_t CRecordSetRecipeMaxBatch::HighestNumericBatch(SqliteConnection& c) {
    // Numbers sort before every text in the batch number's index: the last number below the
    // empty text is one step down the index, however many recipes there are.
    return c
        .scalar(QStringLiteral("SELECT RecipeBatchNo FROM Recipes WHERE RecipeBatchNo < '' ORDER "
                               "BY RecipeBatchNo DESC LIMIT 1"))
        .toLongLong();
}

std::int64_t CRecordSetRecipeMaxBatch::HighestBatch(CDaoDatabase& db) {
    CRecordSetRecipeMaxBatch max(&db);
    max.Open(CDaoRecordset::dbOpenDynaset, {},
             CDaoRecordset::dbForwardOnly | CDaoRecordset::dbReadOnly);
    std::int64_t highest = max.IsEOF() ? 0 : max.m_MaxOfRecipeBatchNo;
    if (!max.IsEOF() && !max.fieldProblems().isEmpty())
        highest = HighestNumericBatch(db.connection());
    max.Close();
    return highest;
}

void CRecordSetRecipeMaxBatch::loadFields(const FieldValues& v) {
    m_MaxOfRecipeBatchNo = fields::From<std::int64_t>(v.at(0));
}

void CRecordSetRecipeMaxBatch::storeFields(FieldValues& v) const {
    v.assign(1, fields::To(m_MaxOfRecipeBatchNo));
}

} // namespace wsc
