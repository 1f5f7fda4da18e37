#include "CliFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace wsc {
namespace {

// The tool as a script runs it: its own process, no display.
class ReportCli : public test::Cli {
protected:
    int tool(const QStringList& args, const QString& configHome = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        if (!configHome.isEmpty())
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(WSC_CLI_BINARY), QStringList{QStringLiteral("report")} + args);
        EXPECT_TRUE(p.waitForFinished(30000));
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }
    static QByteArray head(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.read(5) : QByteArray();
    }
    QString out, err;
    const QString samples = QStringLiteral(WSC_SAMPLES_DB);
    const QString data = QStringLiteral(WSC_DATA_DB);
};

TEST_F(ReportCli, WritesTheRecipeSheetAndAListAsPdfWithoutADisplay) {
    const QString pdf = path(QStringLiteral("recipe.pdf"));
    ASSERT_EQ(
        tool({"--report", "Recipe", "--db", samples, "--data", data, "--batch", "8", "--pdf", pdf}),
        cli::kOk)
        << err.toStdString();
    EXPECT_EQ(head(pdf), QByteArray("%PDF-"));
    EXPECT_TRUE(out.startsWith(QLatin1String("Print Current Recipe: 3 page(s) written to")))
        << out.toStdString();

    const QString html = path(QStringLiteral("hops.html"));
    ASSERT_EQ(tool({"--report", "list ALL hops", "--data", data, "--html", html}), cli::kOk)
        << err.toStdString();
    QFile f(html);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("<h1>List all Hops</h1>"));
}

// The units: as --units says, or as the user chose them in the program when it is not given.
TEST_F(ReportCli, PrintsInTheUnitsAskedOrChosenInTheProgram) {
    const QString config = path(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/Quillbarrow Software"));
    QFile settings(config + QStringLiteral("/Quillbarrow Software/Wortsmith Calculator.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Units]\nVolume=litre\nTemperature=celsius\nGravity=plato\n");
    settings.close();
    const QString html = path(QStringLiteral("recipe.html"));
    auto page = [&] {
        QFile f(html);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    const QStringList recipe{"--report", "Recipe",  "--db", samples,  "--data",
                             data,       "--batch", "8",    "--html", html};
    ASSERT_EQ(tool(recipe, config), cli::kOk) << err.toStdString();
    EXPECT_TRUE(page().contains(QStringLiteral("Original (\u00b0P)")));
    EXPECT_TRUE(page().contains(QStringLiteral(" L</td>")));
    // Colour was left in SRM.
    EXPECT_FALSE(page().contains(QStringLiteral("Color (EBC)")));
    ASSERT_EQ(tool(recipe + QStringList{"--units", "us"}, config), cli::kOk);
    EXPECT_FALSE(page().contains(QStringLiteral("\u00b0P")));
    EXPECT_TRUE(page().contains(QStringLiteral(" gal</td>")));
    ASSERT_EQ(tool(recipe + QStringList{"--units", "metric"}), cli::kOk);
    EXPECT_TRUE(page().contains(QStringLiteral("Color (EBC)")));
    QFile::remove(html);
    EXPECT_EQ(tool(recipe + QStringList{"--units", "imperial"}), cli::kError);
    EXPECT_TRUE(err.contains(QLatin1String("--units is us or metric, not imperial")));
    EXPECT_FALSE(QFile::exists(html));
}

TEST_F(ReportCli, BadCallsWriteNothing) {
    const QString pdf = path(QStringLiteral("out.pdf"));
    EXPECT_EQ(tool({"--report", "Nope", "--data", data, "--pdf", pdf}), cli::kError);
    EXPECT_TRUE(err.contains(QLatin1String("unknown report \"Nope\"")));
    EXPECT_EQ(tool({"--report", "Recipe", "--db", samples, "--pdf", pdf}), cli::kError);
    EXPECT_TRUE(err.contains(QLatin1String("--batch")));
    EXPECT_EQ(tool({"--report", "Hops", "--db", samples, "--pdf", pdf}), cli::kError);
    EXPECT_TRUE(err.contains(QLatin1String("give --data")));
    EXPECT_EQ(tool({"--report", "Hops", "--data", samples, "--pdf", pdf}), cli::kWrongKind);
    EXPECT_TRUE(err.contains(QLatin1String("File Error")));
    EXPECT_EQ(tool({"--report", "Hops", "--data", data, "--pdf",
                    path(QStringLiteral("missing/out.pdf"))}),
              cli::kError);
    EXPECT_TRUE(err.contains(QLatin1String("cannot be written"))) << err.toStdString();
    EXPECT_EQ(tool({"--report", "Hops", "--data", data, "--reports", path(QStringLiteral("x")),
                    "--pdf", pdf}),
              cli::kError);
    EXPECT_TRUE(err.contains(QLatin1String("Error opening report.")));
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
} // namespace wsc
