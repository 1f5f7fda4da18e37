#pragma once

#include "core/db/dao/CDaoRecordset.h"

namespace wsc {

// The highest batch number in use (one row), for numbering a new recipe. The query's only
// column is named "Max Of RecipeBatchNo", which is no C++ name, so the layout is written out.
class CRecordSetRecipeMaxBatch : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;

    std::int64_t m_MaxOfRecipeBatchNo = 0;

    const RecordLayout& layout() const override;
    void loadFields(const FieldValues& v) override;
    void storeFields(FieldValues& v) const override;
    void resetFields() override { m_MaxOfRecipeBatchNo = 0; }

    // The highest batch number that is a number, 0 when there is none. Another tool may have
    // stored a batch "number" as text ("seven"), which the query's maximum would give (text
    // sorts after numbers) and which reads as 0.
    static std::int64_t HighestNumericBatch(SqliteConnection& c);
    // The highest batch number as a new recipe's number is found from it: the query's maximum,
    // or the highest that is a number when the maximum is no number.
    static std::int64_t HighestBatch(CDaoDatabase& db);
};

} // namespace wsc
