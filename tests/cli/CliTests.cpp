#include "support/TestSupport.h"

#include "CliCommands.h"
#include "settings/MessageCatalog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace wsc {
namespace {

// Runs the command-line tool in-process and keeps what it printed.
class Cli : public test::DbFixture {
protected:
    int run(const QStringList& args) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const int rc = cli::run(args, {out, err});
        stdoutText = slurp(out);
        stderrText = slurp(err);
        return rc;
    }
    static QString slurp(std::FILE* f) {
        std::rewind(f);
        QByteArray bytes;
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.append(buf, static_cast<qsizetype>(n));
        std::fclose(f);
        return QString::fromUtf8(bytes);
    }
    QString stdoutText, stderrText;
};

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
        EXPECT_TRUE(o.value(QStringLiteral("status")).toString() == QStringLiteral("Errors") ||
                    o.value(QStringLiteral("status")).toString() == QStringLiteral("No Errors"));
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

} // namespace
} // namespace wsc
