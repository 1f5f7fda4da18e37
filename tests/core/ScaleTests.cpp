// What must not grow with the size of the database: the work of an import, of a commit seen by
// the log, of an export. Counted in SQLite's own steps and in bytes, never in time.
#include "support/TestSupport.h"

#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/interchange/BeerXml.h"

#include <QSaveFile>

#include <sqlite3.h>

namespace wsc {
namespace {

class Scale : public test::DbFixture {
protected:
    // A recipe database of `recipes` recipes with a hop row each.
    QString databaseOf(int recipes, const QString& name) {
        const QString file = makeRecipeDb(name);
        execSql(file, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM "
                                     "n WHERE i < %1) INSERT INTO Recipes (RecipeID, "
                                     "RecipeBatchNo, RecipeName) SELECT i, i, 'Recipe ' || i FROM "
                                     "n; INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, "
                                     "IngHopsAlpha, IngHopsTime, IngHopsWeight, IngHopsUnits) "
                                     "SELECT RecipeID, 'Cascade', 5, 60, 1, 'oz' FROM Recipes")
                          .arg(recipes));
        return file;
    }
    UtilizationTable m_table = UtilizationTable::shipped();
};

// Every step SQLite's machine makes on a connection while it is counted.
class StepCounter {
public:
    explicit StepCounter(sqlite3* db) : m_db(db) {
        sqlite3_trace_v2(m_db, SQLITE_TRACE_PROFILE, &StepCounter::onStatement, this);
    }
    ~StepCounter() { sqlite3_trace_v2(m_db, 0, nullptr, nullptr); }
    long long steps() const { return m_steps; }

private:
    static int onStatement(unsigned, void* self, void* statement, void*) {
        static_cast<StepCounter*>(self)->m_steps += sqlite3_stmt_status(
            static_cast<sqlite3_stmt*>(statement), SQLITE_STMTSTATUS_VM_STEP, 1);
        return 0;
    }
    sqlite3* m_db;
    long long m_steps = 0;
};

// An import reads and writes what it adds and nothing of the recipes already there: a file of
// two recipes costs the same into 20 recipes as into 4,000.
TEST_F(Scale, AnImportTouchesOnlyTheRecipesItAdds) {
    const QByteArray file =
        "<RECIPES><RECIPE><NAME>One</NAME><BATCH_SIZE>20</BATCH_SIZE><HOPS><HOP><NAME>Cascade"
        "</NAME><ALPHA>5</ALPHA><AMOUNT>0.03</AMOUNT><USE>Boil</USE><TIME>60</TIME></HOP></HOPS>"
        "</RECIPE><RECIPE><NAME>Two</NAME></RECIPE></RECIPES>";
    auto stepsInto = [&](int recipes) {
        CDaoDatabase db;
        db.Open(databaseOf(recipes, QStringLiteral("r%1.mdb").arg(recipes)), false, false);
        StepCounter counter(db.connection().handle());
        QString error;
        const auto summary = BeerXml::importRecipes(db, nullptr, file, m_table, error);
        EXPECT_TRUE(summary) << error.toStdString();
        EXPECT_EQ(summary ? summary->added.front().batch : 0, recipes + 1);
        return counter.steps();
    };
    const long long small = stepsInto(20);
    const long long large = stepsInto(4000);
    EXPECT_GT(small, 0);
    EXPECT_LT(large, small * 12 / 10)
        << small << " steps into 20 recipes, " << large << " into 4,000";
}

// An export writes the recipes as it reads them, a large piece at a time: the file grows while
// the recipes are read, what is held back stays under two pieces whatever the number of
// recipes, and a cancelled export leaves the destination as it was.
TEST_F(Scale, AnExportWritesTheRecipesAsItReadsThem) {
    constexpr int kRecipes = 1500;
    CDaoDatabase db;
    db.Open(databaseOf(kRecipes, QStringLiteral("many.mdb")), false, true);
    QString error;
    const qint64 whole = BeerXml::exportRecipes(db, {}, m_table, error).size();
    ASSERT_GT(whole, 6 << 20) << error.toStdString();
    const QString target = path(QStringLiteral("out.xml"));
    {
        QFile before(target);
        ASSERT_TRUE(before.open(QIODevice::WriteOnly));
        before.write("what was there");
    }
    QSaveFile out(target);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    std::vector<qint64> sizes;
    qint64 mostHeld = 0;
    const bool written =
        BeerXml::exportRecipes(db, {}, m_table, out, error, [&](qint64 done, qint64 total) {
            EXPECT_EQ(total, kRecipes);
            if (sizes.empty() || sizes.back() != out.size())
                sizes.push_back(out.size());
            mostHeld = std::max(mostHeld, whole * done / total - out.size());
            return done < kRecipes * 9 / 10;
        });
    EXPECT_FALSE(written);
    EXPECT_EQ(error, QStringLiteral("the export was cancelled"));
    EXPECT_GE(sizes.size(), 5u) << "the file was written in " << sizes.size() << " pieces";
    EXPECT_LT(mostHeld, 2 << 20);
    out.cancelWriting();
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(readFile(target), QByteArray("what was there"));
}

} // namespace
} // namespace wsc
