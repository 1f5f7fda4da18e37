#pragma once

#include "support/TestSupport.h"

#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/interchange/BeerXml.h"

#include <optional>

namespace wsc::test {

// Recipe files exported from and imported into copies of the shipped databases, with the
// shipped utilization table.
class BeerXmlFixture : public DbFixture {
protected:
    BeerXmlFixture() : m_table(UtilizationTable::shipped()) {}

    QByteArray exportAll(const QString& file) {
        CDaoDatabase db;
        db.Open(file, false, true);
        QString error;
        const QByteArray xml = BeerXml::exportRecipes(db, {}, m_table, error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return xml;
    }
    // Ingredients matched against a copy of the shipped Data database.
    std::optional<ImportSummary> import(const QString& file, const QByteArray& xml,
                                        QString* errorOut = nullptr) {
        CDaoDatabase db;
        db.Open(file, false, false);
        CDaoDatabase data;
        data.Open(m_data, false, true);
        QString error;
        auto summary = BeerXml::importRecipes(db, &data, xml, m_table, error);
        if (errorOut)
            *errorOut = error;
        return summary;
    }
    QVariant scalar(const QString& file, const QString& sql) {
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        return c.scalar(sql);
    }

    UtilizationTable m_table;
    QString m_data = copyShippedData();
};

} // namespace wsc::test
