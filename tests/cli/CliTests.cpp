#include "support/TestSupport.h"

#include "CliFixture.h"
#include "core/db/SqliteConnection.h"
#include "core/settings/MessageCatalog.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include <sys/stat.h>

namespace wsc {
namespace {

using test::Cli;

TEST_F(Cli, CheckNamesTheKindOfTheShippedDatabases) {
    EXPECT_EQ(run({QStringLiteral("check"), QStringLiteral(WSC_DATA_DB)}), cli::kOk);
    EXPECT_EQ(stdoutText, QStringLiteral("data\n"));
    EXPECT_EQ(run({QStringLiteral("check"), QStringLiteral(WSC_SAMPLES_DB)}), cli::kOk);
    EXPECT_EQ(stdoutText, QStringLiteral("recipe\n"));
}

TEST_F(Cli, CheckPrintsMessage168Or171ForTheWrongKind) {
    const QString data = copyShippedData();
    EXPECT_EQ(
        run({QStringLiteral("check"), QStringLiteral("--expect"), QStringLiteral("recipe"), data}),
        cli::kWrongKind);
    EXPECT_EQ(stdoutText.trimmed(), MessageCatalog::format(168, {data}));
    const QString recipes = makeRecipeDb();
    EXPECT_EQ(
        run({QStringLiteral("check"), QStringLiteral("--expect"), QStringLiteral("data"), recipes}),
        cli::kWrongKind);
    EXPECT_EQ(stdoutText.trimmed(), MessageCatalog::format(171, {recipes}));
}

TEST_F(Cli, CheckOfAFileThatIsNoDatabaseIsAClearErrorWithExitCode2) {
    QFile f(path(QStringLiteral("readme.mdb")));
    f.open(QIODevice::WriteOnly);
    f.write("hello");
    f.close();
    EXPECT_EQ(run({QStringLiteral("check"), f.fileName()}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("not a database")));
    EXPECT_EQ(run({QStringLiteral("check"), path(QStringLiteral("nowhere.mdb"))}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("does not exist")));
}

TEST_F(Cli, CompressAndRepairPrintMessage4) {
    const QString p = copyShippedSamples();
    EXPECT_EQ(run({QStringLiteral("compress"), p}), cli::kOk);
    EXPECT_EQ(stdoutText.trimmed(), MessageCatalog::format(4, {QStringLiteral("compress"), p}));
    EXPECT_EQ(run({QStringLiteral("repair"), p}), cli::kOk);
    EXPECT_EQ(stdoutText.trimmed(), MessageCatalog::format(4, {QStringLiteral("repair"), p}));
    EXPECT_EQ(run({QStringLiteral("check"), p}), cli::kOk);
    EXPECT_EQ(stdoutText, QStringLiteral("recipe\n"));
}

TEST_F(Cli, InitRefusesAnExistingFileAndUnknownCommandsShowUsage) {
    const QString p = makeRecipeDb();
    EXPECT_EQ(run({QStringLiteral("init-data"), p}), cli::kError);
    EXPECT_EQ(run({QStringLiteral("check"), p}), cli::kOk);
    EXPECT_EQ(stdoutText, QStringLiteral("recipe\n"));
    EXPECT_EQ(run({QStringLiteral("frobnicate")}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("usage")));
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

class CliCalc : public Cli {};

TEST_F(CliCalc, JsonRunsOnEverySampleRecipe) {
    for (int batch = 1; batch <= 8; ++batch) {
        ASSERT_EQ(
            run({QStringLiteral("calc"), QStringLiteral("--db"), QStringLiteral(WSC_SAMPLES_DB),
                 QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
                 QString::number(batch), QStringLiteral("--json")}),
            cli::kOk)
            << stderrText.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(stdoutText.toUtf8()).object();
        EXPECT_EQ(o.value(QStringLiteral("batch")).toInt(), batch);
        EXPECT_GT(o.value(QStringLiteral("og")).toDouble(), 1.0);
        // Batches 2 and 8 of the samples each raise one calculation message; the rest none.
        const bool errors = batch == 2 || batch == 8;
        EXPECT_EQ(o.value(QStringLiteral("status")).toString(),
                  errors ? QStringLiteral("Errors") : QStringLiteral("No Errors"))
            << batch;
        EXPECT_EQ(o.value(QStringLiteral("messages")).toArray().size(), errors ? 1 : 0) << batch;
        EXPECT_TRUE(o.value(QStringLiteral("hops")).isArray());
    }
}

TEST_F(CliCalc, MissingBatchOrDatabaseIsExitCode2) {
    EXPECT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), QStringLiteral(WSC_SAMPLES_DB),
                   QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB)}),
              cli::kError);
    EXPECT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), QStringLiteral(WSC_SAMPLES_DB),
                   QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
                   QStringLiteral("999")}),
              cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("999")));
    EXPECT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), path(QStringLiteral("none.mdb")),
                   QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
                   QStringLiteral("1")}),
              cli::kError);
}

TEST_F(Cli, WrongKindsAreExitCode1AndNothingIsListedFromAWrongPair) {
    const QString recipes = copyShippedSamples();
    const QString notData = makeRecipeDb(QStringLiteral("second.mdb"));
    EXPECT_EQ(run({QStringLiteral("show"), recipes, notData}), cli::kWrongKind);
    EXPECT_EQ(stdoutText.trimmed(), MessageCatalog::format(171, {notData}));
    EXPECT_FALSE(stdoutText.contains(QStringLiteral("Homestead Bitter")));
    EXPECT_EQ(
        run({QStringLiteral("calc"), QStringLiteral("--db"), recipes, QStringLiteral("--data"),
             notData, QStringLiteral("--batch"), QStringLiteral("1")}),
        cli::kWrongKind);
    EXPECT_EQ(stderrText.trimmed(), MessageCatalog::format(171, {notData}));
    EXPECT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), copyShippedData(),
                   QStringLiteral("--data"), copyShippedData(QStringLiteral("d2.mdb")),
                   QStringLiteral("--batch"), QStringLiteral("1")}),
              cli::kWrongKind);
    // An --expect that names no kind is a usage error, not a pass.
    EXPECT_EQ(run({QStringLiteral("check"), QStringLiteral("--expect"), QStringLiteral("recipes"),
                   recipes}),
              cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("usage: wscalc-cli check")));
}

TEST_F(Cli, ReadingCommandsLeaveTheFilesAsTheyWere) {
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    const QByteArray r = test::FileDigest(recipes);
    const QByteArray d = test::FileDigest(data);
    EXPECT_EQ(run({QStringLiteral("check"), recipes}), cli::kOk);
    EXPECT_EQ(run({QStringLiteral("show"), recipes, data}), cli::kOk);
    EXPECT_EQ(
        run({QStringLiteral("calc"), QStringLiteral("--db"), recipes, QStringLiteral("--data"),
             data, QStringLiteral("--batch"), QStringLiteral("2"), QStringLiteral("--json")}),
        cli::kOk);
    EXPECT_EQ(test::FileDigest(recipes), r);
    EXPECT_EQ(test::FileDigest(data), d);
    EXPECT_TRUE(test::SidecarsOf(recipes).isEmpty());
    EXPECT_TRUE(test::SidecarsOf(data).isEmpty());
}

TEST_F(Cli, CalcReadsADataDatabaseInAFolderItCannotWrite) {
    const QString data = readOnlySharedData();
    const QString recipes = copyShippedSamples();
    ::chmod(QFile::encodeName(recipes).constData(), 0444);
    bool skip = false;
    const std::string result = test::RunAsUnprivileged(
        [&]() -> std::string {
            const int rc = run({QStringLiteral("calc"), QStringLiteral("--db"), recipes,
                                QStringLiteral("--data"), data, QStringLiteral("--batch"),
                                QStringLiteral("2")});
            if (rc != cli::kOk)
                return "rc " + std::to_string(rc) + ": " + stderrText.toStdString();
            if (!stdoutText.contains(QStringLiteral("Original gravity")))
                return "no predictions: " + stdoutText.toStdString();
            return {};
        },
        &skip);
    if (skip)
        GTEST_SKIP() << "no unprivileged user";
    EXPECT_EQ(result, "");
}

TEST_F(Cli, RepairOfAFileAnotherProgramIsWritingSaysItIsInUse) {
    const QString recipes = copyShippedSamples();
    SqliteConnection writer(recipes, SqliteConnection::Mode::ReadWrite);
    writer.exec(QStringLiteral("BEGIN IMMEDIATE"));
    EXPECT_EQ(run({QStringLiteral("repair"), recipes}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("in use"))) << stderrText.toStdString();
    EXPECT_FALSE(stderrText.contains(QStringLiteral("damaged"))) << stderrText.toStdString();
    writer.exec(QStringLiteral("ROLLBACK"));
}

TEST_F(Cli, ShowListsEveryRecipeAndNamesStoredValuesItCannotUse) {
    const QString recipes = copyShippedSamples();
    execSql(recipes, QStringLiteral("PRAGMA writable_schema=ON; UPDATE sqlite_schema SET sql="
                                    "replace(sql, '\"RecipeBatchNo\" INTEGER NOT NULL', "
                                    "'\"RecipeBatchNo\" INTEGER') WHERE name='Recipes'"));
    execSql(recipes, QStringLiteral("UPDATE Recipes SET RecipeBatchNo=NULL WHERE RecipeID=4"));
    EXPECT_EQ(run({QStringLiteral("show"), recipes}), cli::kOk);
    const QStringList lines = stdoutText.split(u'\n', Qt::SkipEmptyParts);
    // The heading, eight recipes and the note on the one without a batch number.
    EXPECT_EQ(lines.size(), 1 + 1 + 8 + 1) << stdoutText.toStdString();
    EXPECT_TRUE(stdoutText.contains(QStringLiteral("note: RecipeBatchNo is empty")));
}

// Each kind of value a column cannot keep is named, and only those: the listing reads a row
// whole only when the kinds SQLite holds say it may need a note.
TEST_F(Cli, ShowNamesEveryKindOfValueAColumnCannotKeep) {
    const QString recipes = copyShippedSamples();
    execSql(recipes,
            QStringLiteral(
                "UPDATE Recipes SET RecipeDateBrewed='2026-02-30T00:00:00' WHERE RecipeID=1;"
                "UPDATE Recipes SET RecipeBatchSize='big', RecipeDateRacked='soon' WHERE "
                "RecipeID=2;"
                "UPDATE Recipes SET RecipeBoilSize=9e999 WHERE RecipeID=3;"
                "UPDATE Recipes SET RecipeBatchNo=3000000000 WHERE RecipeID=4;"
                "UPDATE Recipes SET RecipeDateBottled=20260101, RecipeDateBrewed='2026-03-01' "
                "WHERE RecipeID=5;"
                "UPDATE Recipes SET RecipeBatchNo=12.5 WHERE RecipeID=6;"
                "UPDATE Recipes SET RecipeBatchSize=x'00ff', RecipeName=NULL WHERE RecipeID=7;"
                "UPDATE Recipes SET RecipeDateBrewed='2026-01-10T07:30:00', RecipeBoilSize=6 "
                "WHERE RecipeID=8"));
    EXPECT_EQ(run({QStringLiteral("show"), recipes}), cli::kOk);
    const QStringList notes = stdoutText.split(u'\n').filter(QStringLiteral("note: "));
    const QStringList expected = {
        QStringLiteral("RecipeDateBrewed holds \"2026-02-30T00:00:00\", not a date"),
        QStringLiteral("RecipeBatchSize holds the text \"big\", not a number"),
        QStringLiteral("RecipeDateRacked holds \"soon\", not a date"),
        QStringLiteral("RecipeBoilSize holds inf, not a finite number"),
        QStringLiteral("RecipeBatchNo holds 3000000000, beyond the whole numbers this field keeps"),
        QStringLiteral("RecipeDateBottled holds \"20260101\", not a date"),
        QStringLiteral("RecipeBatchNo holds 12.5, not a whole number"),
        QStringLiteral("RecipeBatchSize holds binary data, not a number")};
    for (const QString& e : expected)
        EXPECT_EQ(notes.filter(e).size(), 1) << e.toStdString() << "\n" << stdoutText.toStdString();
    EXPECT_EQ(notes.size(), expected.size()) << stdoutText.toStdString();
}

TEST_F(Cli, CalcOfStoredValuesThatAreNoNumbersReportsThemAndWritesNoNull) {
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    execSql(recipes, QStringLiteral("UPDATE Recipes SET RecipeBatchSize=9e999 WHERE RecipeID=2;"
                                    "UPDATE Ingredients_Hops SET IngHopsAlpha='nan' WHERE "
                                    "IngRecipeID=3"));
    for (const char* batch : {"2", "3"}) {
        ASSERT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), recipes,
                       QStringLiteral("--data"), data, QStringLiteral("--batch"),
                       QString::fromLatin1(batch), QStringLiteral("--json")}),
                  cli::kOk)
            << stderrText.toStdString();
        EXPECT_FALSE(stdoutText.contains(QStringLiteral("null"))) << stdoutText.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(stdoutText.toUtf8()).object();
        EXPECT_EQ(o.value(QStringLiteral("status")).toString(), QStringLiteral("Errors")) << batch;
    }
    EXPECT_TRUE(stdoutText.contains(QStringLiteral("Alpha of nan invalid in Hops number 1")));
}

TEST_F(Cli, CalcPrintsTheSameUnderADecimalCommaLocale) {
    const QStringList args{
        QStringLiteral("calc"),   QStringLiteral("--db"),      QStringLiteral(WSC_SAMPLES_DB),
        QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
        QStringLiteral("8")};
    ASSERT_EQ(run(args), cli::kOk);
    const QString inC = stdoutText;
    EXPECT_TRUE(inC.contains(QStringLiteral("Original gravity  1.073")));
    test::CommaLocale comma;
    if (!comma.available())
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    ASSERT_EQ(run(args), cli::kOk);
    EXPECT_EQ(stdoutText, inC);
}

TEST_F(Cli, ShowPrintsNamesAsTheyAreStored) {
    const QString recipes = copyShippedSamples();
    execSql(recipes, QStringLiteral("UPDATE Recipes SET RecipeName = '%s%s%n%d %1 %2', "
                                    "RecipeTargetStyle = 'Style %1' WHERE RecipeBatchNo = 1"));
    EXPECT_EQ(run({QStringLiteral("show"), recipes}), cli::kOk);
    EXPECT_TRUE(stdoutText.contains(QStringLiteral("    1  %s%s%n%d %1 %2")))
        << stdoutText.toStdString();
    EXPECT_TRUE(stdoutText.contains(QStringLiteral("Style %1\n"))) << stdoutText.toStdString();
}

// A file another tool left in WAL mode gets nothing beside it from the reading commands.
TEST_F(Cli, ReadingAWalModeFileLeavesNothingBesideIt) {
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    for (const QString& f : {recipes, data})
        execSql(f, QStringLiteral("PRAGMA journal_mode=WAL"));
    ASSERT_TRUE(test::SidecarsOf(recipes).isEmpty());
    const QByteArray before = test::FileDigest(recipes);
    EXPECT_EQ(run({QStringLiteral("check"), recipes}), cli::kOk);
    EXPECT_EQ(run({QStringLiteral("show"), recipes, data}), cli::kOk) << stderrText.toStdString();
    EXPECT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), recipes,
                   QStringLiteral("--data"), data, QStringLiteral("--batch"), QStringLiteral("2")}),
              cli::kOk)
        << stderrText.toStdString();
    EXPECT_TRUE(test::SidecarsOf(recipes).isEmpty())
        << test::SidecarsOf(recipes).join(u' ').toStdString();
    EXPECT_TRUE(test::SidecarsOf(data).isEmpty())
        << test::SidecarsOf(data).join(u' ').toStdString();
    EXPECT_EQ(test::FileDigest(recipes), before);
}

TEST_F(Cli, APipeIsNoDatabase) {
    const QString pipe = path(QStringLiteral("pipe.mdb"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(run({QStringLiteral("check"), pipe}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("is a FIFO (named pipe), not a file")))
        << stderrText.toStdString();
    EXPECT_FALSE(stderrText.contains(QStringLiteral("empty"))) << stderrText.toStdString();
}

TEST_F(Cli, ImportIntoAReadOnlyFolderSaysSo) {
    const QString folder = path(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString recipes = folder + QStringLiteral("/recipes.mdb");
    ASSERT_TRUE(QFile::copy(QStringLiteral(WSC_SAMPLES_DB), recipes));
    ::chmod(QFile::encodeName(recipes).constData(), 0666);
    const QString xml = path(QStringLiteral("one.xml"));
    {
        QFile f(xml);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<RECIPES><RECIPE><NAME>Plain</NAME></RECIPE></RECIPES>");
    }
    openFolderToEveryone();
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    const QByteArray before = test::FileDigest(recipes);
    bool skip = false;
    const std::string result = test::RunAsUnprivileged(
        [&]() -> std::string {
            const int rc = run({QStringLiteral("import"), QStringLiteral("--db"), recipes, xml});
            if (rc != cli::kError)
                return "rc " + std::to_string(rc);
            if (!stderrText.contains(QStringLiteral("folder of")) ||
                !stderrText.contains(QStringLiteral("read-only")))
                return "not said to be read-only: " + stderrText.toStdString();
            if (stderrText.contains(QStringLiteral("another program")))
                return "said to be in use: " + stderrText.toStdString();
            return {};
        },
        &skip);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    if (skip)
        GTEST_SKIP() << "no unprivileged user";
    EXPECT_EQ(result, "");
    EXPECT_EQ(test::FileDigest(recipes), before);
}

} // namespace
} // namespace wsc
