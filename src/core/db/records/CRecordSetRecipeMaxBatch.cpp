#include "db/records/CRecordSetRecipeMaxBatch.h"

#include "db/SqliteConnection.h"

namespace wsc {

const RecordLayout& CRecordSetRecipeMaxBatch::layout() const {
    static const ColumnInfo columns[] = {{"Max Of RecipeBatchNo", FieldType::Long}};
    static const RecordLayout l{"Recipes Max Batch Number Query", columns, 1, nullptr};
    return l;
}

std::int64_t CRecordSetRecipeMaxBatch::HighestNumericBatch(SqliteConnection& c) {
    return c
        .scalar(QStringLiteral("SELECT max(RecipeBatchNo) FROM Recipes WHERE typeof(RecipeBatchNo) "
                               "IN ('integer', 'real')"))
        .toLongLong();
}

void CRecordSetRecipeMaxBatch::loadFields(const FieldValues& v) {
    m_MaxOfRecipeBatchNo = fields::from<std::int64_t>(v.at(0));
}

void CRecordSetRecipeMaxBatch::storeFields(FieldValues& v) const {
    v.assign(1, fields::to(m_MaxOfRecipeBatchNo));
}

} // namespace wsc
