#include "support/TestSupport.h"

#include "CliFixture.h"
#include "core/calc/UnitPreference.h"
#include "core/settings/ProfileStore.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace wsc {
namespace {

using test::Cli;

// Every command the tool lists, read from its own --help.
QStringList listedCommands(const QString& help) {
    QStringList names;
    const QStringList lines = help.split(u'\n');
    const auto start = lines.indexOf(QStringLiteral("commands:"));
    for (qsizetype i = start + 1; start >= 0 && i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QStringLiteral("  ")))
            names << lines.at(i).trimmed().section(u' ', 0, 0);
    }
    return names;
}

TEST_F(Cli, HelpAndVersionGoToStandardOutputWithExitZero) {
    for (const char* word : {"--help", "-h", "help"}) {
        EXPECT_EQ(run({QLatin1String(word)}), cli::kOk) << word;
        EXPECT_TRUE(stdoutText.startsWith(QStringLiteral("usage: wscalc-cli COMMAND"))) << word;
        EXPECT_TRUE(stderrText.isEmpty()) << word;
    }
    const QStringList commands = listedCommands(stdoutText);
    EXPECT_GE(commands.size(), 15);
    for (const char* expected : {"calc", "show", "report", "import", "export", "ibu", "og"})
        EXPECT_TRUE(commands.contains(QLatin1String(expected))) << expected;

    EXPECT_EQ(run({QStringLiteral("--version")}), cli::kOk);
    EXPECT_EQ(stdoutText, QStringLiteral("wscalc-cli " WSC_VERSION "\n"));

    // Neither a word nor nothing at all is taken for help.
    EXPECT_EQ(run({}), cli::kError);
    EXPECT_TRUE(stdoutText.isEmpty());
    EXPECT_TRUE(stderrText.contains(QStringLiteral("usage: wscalc-cli COMMAND")));
}

TEST_F(Cli, EveryCommandAnswersHelpAndRefusesAnUnknownOption) {
    ASSERT_EQ(run({QStringLiteral("--help")}), cli::kOk);
    for (const QString& command : listedCommands(stdoutText)) {
        const QString usage = QStringLiteral("usage: wscalc-cli %1 ").arg(command);
        // --help wins wherever it stands, even after options that would be refused.
        for (const QStringList& line :
             {QStringList{command, QStringLiteral("--help")},
              QStringList{command, QStringLiteral("--bogus"), QStringLiteral("-h")}}) {
            EXPECT_EQ(run(line), cli::kOk) << line.join(u' ').toStdString();
            EXPECT_TRUE(stdoutText.startsWith(usage)) << stdoutText.toStdString();
            EXPECT_TRUE(stderrText.isEmpty()) << stderrText.toStdString();
        }
        EXPECT_EQ(run({command, QStringLiteral("--bogus")}), cli::kError) << command.toStdString();
        EXPECT_TRUE(stdoutText.isEmpty()) << command.toStdString();
        EXPECT_TRUE(stderrText.contains(QStringLiteral("unknown option --bogus")))
            << stderrText.toStdString();
        EXPECT_TRUE(stderrText.contains(usage)) << stderrText.toStdString();
    }
}

TEST_F(Cli, AnUnknownOptionBesideAGoodLineChangesNothing) {
    // The option is refused before the command runs: no database is made.
    const QString p = path(QStringLiteral("new.mdb"));
    EXPECT_EQ(run({QStringLiteral("init-recipes"), p, QStringLiteral("--sample")}), cli::kError);
    EXPECT_FALSE(QFile::exists(p));
    EXPECT_TRUE(stderrText.contains(QStringLiteral("unknown option --sample")));
    EXPECT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), QStringLiteral(WSC_SAMPLES_DB),
                   QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
                   QStringLiteral("1"), QStringLiteral("--jsn")}),
              cli::kError);
    EXPECT_TRUE(stdoutText.isEmpty());
}

TEST_F(Cli, CalcLinesUpEveryFigure) {
    ASSERT_EQ(run({QStringLiteral("calc"), QStringLiteral("--db"), QStringLiteral(WSC_SAMPLES_DB),
                   QStringLiteral("--data"), QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
                   QStringLiteral("1")}),
              cli::kOk);
    const QStringList lines = stdoutText.split(u'\n');
    ASSERT_GE(lines.size(), 6);
    // The five figures follow the heading; each value starts in the same column.
    qsizetype column = -1;
    for (int i = 1; i <= 5; ++i) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^  \\S.*?  +(\\d)")).match(lines.at(i));
        ASSERT_TRUE(m.hasMatch()) << lines.at(i).toStdString();
        if (column < 0)
            column = m.capturedStart(1);
        EXPECT_EQ(m.capturedStart(1), column) << lines.at(i).toStdString();
    }
}

// In metric units the gravity in °Plato and the colour in EBC stand beside the working
// figures, from the published formulas; the US figures are the same either way.
TEST_F(Cli, CalcInMetricUnitsAddsPlatoAndEbc) {
    auto calc = [&](const QStringList& more) {
        return run(QStringList{QStringLiteral("calc"), QStringLiteral("--db"),
                               QStringLiteral(WSC_SAMPLES_DB), QStringLiteral("--data"),
                               QStringLiteral(WSC_DATA_DB), QStringLiteral("--batch"),
                               QStringLiteral("4")} +
                   more);
    };
    ASSERT_EQ(calc({}), cli::kOk);
    const QString us = stdoutText;
    ASSERT_EQ(calc({QStringLiteral("--units"), QStringLiteral("us")}), cli::kOk);
    EXPECT_EQ(stdoutText, us);
    ASSERT_EQ(calc({QStringLiteral("--units"), QStringLiteral("metric")}), cli::kOk);
    const QStringList lines = stdoutText.split(u'\n');
    auto figure = [&](const QString& label) {
        for (const QString& l : lines) {
            if (l.trimmed().startsWith(label + QStringLiteral("  ")))
                return l.section(QStringLiteral("  "), -1).trimmed().toDouble();
        }
        ADD_FAILURE() << label.toStdString() << " missing from\n" << stdoutText.toStdString();
        return 0.0;
    };
    const double og = figure(QStringLiteral("Original gravity"));
    const double mcu = figure(QStringLiteral("Color"));
    EXPECT_NEAR(figure(QStringLiteral("Original gravity (\u00b0P)")),
                -616.868 + 1111.14 * og - 630.272 * og * og + 135.997 * og * og * og, 0.06);
    EXPECT_NEAR(figure(QStringLiteral("Color (EBC)")), 1.97 * 1.4922 * std::pow(mcu, 0.6859), 0.06);
    // Without --units, the units the user chose in the program.
    {
        ProfileStore profile;
        WriteUnitChoice(profile, UnitChoice::metric());
        profile.sync();
    }
    ASSERT_EQ(calc({}), cli::kOk);
    EXPECT_TRUE(stdoutText.contains(QStringLiteral("Original gravity (\u00b0P)")));
    {
        ProfileStore profile;
        WriteUnitChoice(profile, UnitChoice::us());
        profile.sync();
    }
    ASSERT_EQ(calc({}), cli::kOk);
    EXPECT_EQ(stdoutText, us);
    EXPECT_EQ(calc({QStringLiteral("--units"), QStringLiteral("imperial")}), cli::kError);
    EXPECT_TRUE(stdoutText.isEmpty());
    EXPECT_TRUE(stderrText.contains(QStringLiteral("us or metric")));
}

// Completion as bash runs it: the script the tool prints, sourced, asked for the words.
QString complete(const QString& script, const QString& words, int index) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("wscalc-cli.bash")));
    f.open(QIODevice::WriteOnly);
    f.write(script.toUtf8());
    f.close();
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"),
                QStringLiteral("source %1; COMP_WORDS=(%2); COMP_CWORD=%3; _wscalc_cli; "
                               "printf '%s\\n' \"${COMPREPLY[@]}\"")
                    .arg(f.fileName(), words)
                    .arg(index)});
    bash.waitForFinished(30000);
    return QString::fromUtf8(bash.readAllStandardOutput());
}

TEST_F(Cli, TheBashCompletionOffersTheCommandsAndEachOnesOptions) {
    ASSERT_EQ(run({QStringLiteral("completion"), QStringLiteral("bash")}), cli::kOk);
    const QString script = stdoutText;
    EXPECT_EQ(complete(script, QStringLiteral("wscalc-cli ca"), 1), QStringLiteral("calc\n"));
    const QStringList calcOptions =
        complete(script, QStringLiteral("wscalc-cli calc --"), 2).split(u'\n', Qt::SkipEmptyParts);
    for (const char* o : {"--db", "--data", "--batch", "--json", "--help"})
        EXPECT_TRUE(calcOptions.contains(QLatin1String(o))) << o;
    EXPECT_FALSE(calcOptions.contains(QStringLiteral("--metric")));
    EXPECT_EQ(complete(script, QStringLiteral("wscalc-cli ibu --me"), 2),
              QStringLiteral("--metric\n"));

    EXPECT_EQ(run({QStringLiteral("completion"), QStringLiteral("zsh")}), cli::kError);
}

} // namespace
} // namespace wsc
