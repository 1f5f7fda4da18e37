#include "CliFixture.h"

#include "core/db/DatabaseLock.h"

#include <QFile>

namespace wsc {
namespace {

class InterchangeCli : public test::Cli {};

TEST_F(InterchangeCli, ExportThenImportWithTheSummary) {
    const QString samples = copyShippedSamples();
    const QString data = copyShippedData();
    const QString xml = path(QStringLiteral("all.xml"));
    ASSERT_EQ(run({"export", "--db", samples, "--data", data, "--all", xml}), cli::kOk)
        << stderrText.toStdString();
    const QString one = path(QStringLiteral("one.xml"));
    ASSERT_EQ(run({"export", "--db", samples, "--batch", "8", one}), cli::kOk);
    EXPECT_TRUE(readFile(one).contains("<NAME>Old Kettle IPA</NAME>"));

    const QString target = makeRecipeDb(QStringLiteral("target.mdb"));
    ASSERT_EQ(run({"import", "--db", target, "--data", data, xml}), cli::kOk)
        << stderrText.toStdString();
    EXPECT_TRUE(
        stdoutText.startsWith(QLatin1String("Recipes added: 8\n  batch 1: Homestead Bitter")))
        << stdoutText.toStdString();
    EXPECT_TRUE(stdoutText.contains(QLatin1String("Kept as typed (not in the Data database): 0")));
}

TEST_F(InterchangeCli, MistakesAndABusyDatabaseChangeNothing) {
    const QString samples = copyShippedSamples();
    const QByteArray before = test::FileDigest(samples);
    const QString bad = path(QStringLiteral("bad.xml"));
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<RECIPES><RECIPE><NAME>Half");
    }
    EXPECT_EQ(run({"import", "--db", samples, bad}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QLatin1String("line 1, column"))) << stderrText.toStdString();
    EXPECT_TRUE(stderrText.contains(QLatin1String("Nothing was imported.")));
    EXPECT_EQ(run({"import", "--db", samples}), cli::kError);
    EXPECT_EQ(run({"export", "--db", samples, "--all", "--batch", "1", bad}), cli::kError);
    EXPECT_EQ(run({"export", "--db", samples, "--batch", "99", bad}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QLatin1String("no recipe with batch number 99")));
    EXPECT_EQ(run({"import", "--db", copyShippedData(), bad}), cli::kWrongKind);

    // A program holding the database for changes keeps the import out.
    DatabaseLock held(samples);
    ASSERT_TRUE(held.tryLock());
    const QString xml = path(QStringLiteral("all.xml"));
    ASSERT_EQ(run({"export", "--db", samples, "--all", xml}), cli::kOk);
    EXPECT_EQ(run({"import", "--db", samples, xml}), cli::kError);
    EXPECT_TRUE(stderrText.contains(QLatin1String("open for changes"))) << stderrText.toStdString();
    EXPECT_EQ(test::FileDigest(samples), before);
}

} // namespace
} // namespace wsc
