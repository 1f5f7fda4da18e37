#include "CliFixture.h"

#include "core/settings/MessageCatalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace wsc {
namespace {

using test::Cli;

QStringList words(const char* line) {
    return QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts);
}

struct Worked {
    const char* line;
    const char* solved;
    double value;
};

class CalculatorCli : public Cli, public ::testing::WithParamInterface<Worked> {};

TEST_P(CalculatorCli, SolvesTheQuantityLeftOut) {
    const Worked& w = GetParam();
    ASSERT_EQ(run(words(w.line) << QStringLiteral("--json")), cli::kOk) << stderrText.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(stdoutText.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("solved")).toString(), QLatin1String(w.solved));
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("values")).toObject().value(w.solved).toDouble(),
                     w.value);
    EXPECT_TRUE(stderrText.isEmpty()) << stderrText.toStdString();

    // The same line as text marks the solved field.
    ASSERT_EQ(run(words(w.line)), cli::kOk);
    EXPECT_TRUE(stdoutText.contains(QLatin1String("(solved)")));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CalculatorCli,
    ::testing::Values(
        Worked{"ibu --weight 1 --alpha 5 --volume 5 --gravity 1.050 --time 60", "ibu", 17},
        Worked{"ibu --ibu 17 --alpha 5 --volume 19 --gravity 1.050 --time 60 --metric", "weight",
               28},
        Worked{"og --weight 6 --potential 1.045 --volume 5 --efficiency 100", "og", 1.054},
        Worked{"og --weight 6 --potential 1.045 --volume 5 --efficiency 100 --metric", "og", 1.119},
        Worked{"abv --og 1.050 --tg 1.010", "abv", 5.10},
        // A decimal comma is a decimal mark.
        Worked{"abv --og 1,050 --tg 1,010", "abv", 5.10},
        Worked{"abv --og 1.050 --attenuation 75", "abv", 4.78},
        Worked{"abv --abv 5.10 --tg 1.010", "og", 1.05},
        Worked{"sg-balling --balling 12", "sg", 1.048},
        Worked{"sg-balling --sg 1.048", "balling", 12}, Worked{"abv-abw --abw 4", "abv", 5},
        Worked{"abv-abw --abv 5", "abw", 4},
        // The brew-day tools, in the units asked for.
        Worked{"priming --volumes 2.4 --beer 18.927 --temperature 20 --kind corn --units metric",
               "sugar", 117.8},
        Worked{"priming --sugar 4 --beer 5 --temperature 68 --kind 0 --units us", "volumes", 2.34},
        Worked{"hydrometer --reading 1.040 --sample 30 --units metric", "corrected", 1.043},
        Worked{"refractometer --og 1.046441535 --units us", "brix", 12},
        Worked{"strike --target 67 --grain 5 --grain-temperature 20 --units metric", "strike",
               74.5},
        Worked{"infusion --water 7.25 --grain 10 --mash-water 12.5 --current 122 --units us",
               "target", 152},
        Worked{"dilution --final-gravity 1.050 --volume 20 --gravity 1.060 --units metric",
               "final-volume", 24}),
    [](const ::testing::TestParamInfo<Worked>& info) {
        return "Example" + std::to_string(info.index);
    });

// Each brew-day tool names its options, its units and what may be left out; a wrong unit word
// or a missing value is refused and prints no answer.
TEST_F(Cli, TheBrewDayToolsSayWhatTheyTakeAndRefuseWhatTheyCannotUse) {
    const std::pair<const char*, const char*> tools[] = {
        {"priming", "--kind corn|table|dry|honey"},
        {"hydrometer", "--calibration N"},
        {"refractometer", "--factor N"},
        {"strike", "--grain-temperature N"},
        {"infusion", "--water-temperature N"},
        {"dilution", "--final-gravity N"},
    };
    for (const auto& [tool, option] : tools) {
        ASSERT_EQ(run({QLatin1String(tool), QStringLiteral("--help")}), cli::kOk) << tool;
        EXPECT_TRUE(stdoutText.contains(QLatin1String(option))) << stdoutText.toStdString();
        EXPECT_TRUE(stdoutText.contains(QLatin1String("[--units us|metric]"))) << tool;
        EXPECT_TRUE(stdoutText.contains(QLatin1String("leave out the one to solve for"))) << tool;
        EXPECT_EQ(run({QLatin1String(tool), QStringLiteral("--units"), QStringLiteral("imperial")}),
                  cli::kError)
            << tool;
        EXPECT_TRUE(stdoutText.isEmpty()) << tool;
        // Nothing given: neither quantity to solve from.
        EXPECT_EQ(run({QLatin1String(tool), QStringLiteral("--units"), QStringLiteral("us")}),
                  cli::kDataError)
            << tool;
        EXPECT_TRUE(stderrText.contains(QLatin1String("Please leave either the"))) << tool;
        EXPECT_TRUE(stdoutText.isEmpty()) << tool;
    }
    // A value out of range, named with its unit.
    EXPECT_EQ(run(words("priming --volumes 2.4 --beer 5 --temperature 120 --units us --json")),
              cli::kDataError);
    EXPECT_TRUE(QJsonDocument::fromJson(stdoutText.toUtf8())
                    .object()
                    .value(QStringLiteral("error"))
                    .toString()
                    .contains(QStringLiteral("Beer temperature (\u00b0F) entered (120) must be "
                                             "between 32 and 100")))
        << stdoutText.toStdString();
}

TEST_F(Cli, CalculatorsRefuseWhatTheDialogsRefuseWithTheirMessages) {
    struct Case {
        const char* line;
        int rc;
        QString message;
    };
    const Case cases[] = {
        // Two unknowns, a blank boil time, no unknown.
        {"ibu --weight 1 --volume 5 --gravity 1.050 --time 60", cli::kDataError,
         MessageCatalog::text(222)},
        {"ibu --weight 1 --alpha 5 --volume 5 --gravity 1.050", cli::kDataError,
         MessageCatalog::text(223)},
        {"abv-abw --abv 5 --abw 4", cli::kDataError, MessageCatalog::text(270)},
        {"og --weight 6 --potential 1.045 --volume 5", cli::kDataError, MessageCatalog::text(240)},
        // Division by zero: no utilization outside the table, no points at 1.000.
        {"ibu --ibu 20 --alpha 5 --volume 5 --gravity 1.2 --time 60", cli::kDataError,
         QStringLiteral("with % Utilization of hops = 0 the equation has no answer")},
        {"og --og 1.050 --potential 1.000 --volume 5 --efficiency 80", cli::kDataError,
         QStringLiteral("with Extract Potential = 1.000")},
        // Numbers that are none.
        {"og --weight six --potential 1.045 --volume 5 --efficiency 100", cli::kDataError,
         QStringLiteral("Please enter a number in the field \"Weight\".")},
        {"abv --og 1,050.0 --tg 1.010", cli::kDataError,
         QStringLiteral("Please enter a number in the field \"Original Gravity\".")},
        {"sg-balling --balling 60", cli::kDataError,
         MessageCatalog::format(268, {QStringLiteral("60")})},
        // Beyond any batch; the brew-day tools' own ranges; a choice by a word it is not.
        {"og --weight 1e26 --potential 1.045 --volume 5 --efficiency 100", cli::kDataError,
         QStringLiteral("Please enter a number from 0 to 1000000 in the field \"Weight\".")},
        {"strike --allowance 1e9 --target 152 --grain 10 --grain-temperature 68 --units us",
         cli::kDataError,
         QStringLiteral("Please enter a number from 0 to 1000000 in the field \"Tun heat loss "
                        "allowance (\u00b0F)\".")},
        {"strike --allowance 100 --target 152 --grain 10 --grain-temperature 68 --units us",
         cli::kDataError,
         QStringLiteral("The Tun heat loss allowance (\u00b0F) entered (100) must be between 0.00 "
                        "and 30.00.")},
        {"priming --kind molasses --volumes 2.4 --beer 5 --temperature 68 --units us", cli::kError,
         QStringLiteral("--kind is corn|table|dry|honey, not \"molasses\"")},
        {"priming --kind 7 --volumes 2.4 --beer 5 --temperature 68 --units us", cli::kError,
         QStringLiteral("--kind is corn|table|dry|honey, not \"7\"")},
        // Usage.
        {"abv --og 1.050 --metric", cli::kError, QStringLiteral("unknown option --metric")},
        {"sg-balling --sg", cli::kError, QStringLiteral("--sg needs a value")},
        {"abv-abw 5", cli::kError, QStringLiteral("unexpected \"5\"")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(words(c.line)), c.rc) << c.line;
        EXPECT_TRUE(stderrText.contains(c.message)) << c.line << "\n" << stderrText.toStdString();
        EXPECT_TRUE(stdoutText.isEmpty()) << c.line;
        if (c.rc == cli::kError) {
            EXPECT_TRUE(stderrText.contains(QLatin1String("usage: wscalc-cli"))) << c.line;
        }
    }
}

TEST_F(Cli, IbuReadsTheUtilizationOfTheDataDatabaseGiven) {
    const QString data = copyShippedData();
    execSql(data, QStringLiteral("UPDATE HopsUtilization SET HopsUtil_Utilization = 0.5 WHERE "
                                 "HopsUtil_BoilTime = 60 AND HopsUtil_OriginalGravity = 1.05"));
    ASSERT_EQ(run(words("ibu --weight 1 --alpha 5 --volume 5 --gravity 1.050 --time 60 --json")
                  << QStringLiteral("--data") << data),
              cli::kOk)
        << stderrText.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(stdoutText.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("values")).toObject().value(QStringLiteral("ibu")).toDouble(),
              37); // 74.9 × 0.5
    // A recipe database is not the Data database.
    EXPECT_EQ(run(words("ibu --weight 1 --alpha 5 --volume 5 --gravity 1.050 --time 60")
                  << QStringLiteral("--data") << makeRecipeDb()),
              cli::kWrongKind);
    EXPECT_TRUE(stderrText.contains(QLatin1String("File Error")));
    // A gravity outside the table is a warning beside the answer.
    ASSERT_EQ(run(words("ibu --weight 1 --alpha 5 --volume 5 --gravity 1.2 --time 60 --json")),
              cli::kOk);
    EXPECT_TRUE(stderrText.startsWith(QLatin1String("Warning: During Hops IBU calculation")));
    const QJsonObject w = QJsonDocument::fromJson(stdoutText.toUtf8()).object();
    EXPECT_EQ(w.value(QStringLiteral("messages")).toArray().size(), 1);
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

// scale: a copy at the new size beside the original's figures, the same to the places shown;
// without --new, or with a size that is no size, nothing is written.
TEST_F(Cli, ScaleAddsACopyWithTheOriginalsPredictions) {
    const QString file = copyShippedSamples();
    auto scale = [&](const QString& more) {
        return run(QStringList{QStringLiteral("scale"), QStringLiteral("--db"), file} +
                   more.split(u' ', Qt::SkipEmptyParts));
    };
    ASSERT_EQ(scale(QStringLiteral("--help")), cli::kOk);
    EXPECT_TRUE(stdoutText.contains(QLatin1String("--to-batch-size V [--efficiency E] --new")));
    EXPECT_EQ(scale(QStringLiteral("--batch 4 --to-batch-size 10 --units us")), cli::kError);
    EXPECT_TRUE(stderrText.contains(QLatin1String("give --new")));
    // Sizes no copy takes name the sizes it takes, in the units asked for.
    for (const char* size : {"0", "1e-300", "1e9", "inf"}) {
        EXPECT_EQ(scale(QStringLiteral("--batch 4 --to-batch-size %1 --new --units us")
                            .arg(QLatin1String(size))),
                  cli::kDataError)
            << size;
        EXPECT_TRUE(stderrText.contains(
            QString::fromLatin1(Texts::kScaleBadBatchSize)
                .arg(QStringLiteral("0.01"), QStringLiteral("1000000"), QStringLiteral("gal"))))
            << stderrText.toStdString();
    }
    EXPECT_EQ(scale(QStringLiteral("--batch 4 --to-batch-size 1e9 --new --units metric")),
              cli::kDataError);
    EXPECT_TRUE(stderrText.contains(QLatin1String("from 0.04 to 3785412 L")))
        << stderrText.toStdString();
    EXPECT_EQ(scale(QStringLiteral("--batch 4 --to-batch-size ten --new")), cli::kError);
    EXPECT_TRUE(stdoutText.isEmpty());

    ASSERT_EQ(scale(QStringLiteral("--batch 4 --to-batch-size 23 --new --units metric --json")),
              cli::kOk)
        << stderrText.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(stdoutText.toUtf8()).object();
    const QJsonObject from = o.value(QStringLiteral("original")).toObject();
    const QJsonObject to = o.value(QStringLiteral("copy")).toObject();
    EXPECT_EQ(to.value(QStringLiteral("name")).toString(),
              QStringLiteral("Copy of ") + from.value(QStringLiteral("name")).toString());
    EXPECT_NEAR(to.value(QStringLiteral("batchSize")).toDouble(), 23, 1e-9);
    for (const char* key : {"og", "ibu", "srm", "abv"}) {
        const int places = QByteArray(key) == "og" ? 3 : 1;
        EXPECT_EQ(QString::number(to.value(QLatin1String(key)).toDouble(), 'f', places),
                  QString::number(from.value(QLatin1String(key)).toDouble(), 'f', places))
            << key;
    }
    // The copy is a recipe like any other: show lists it.
    ASSERT_EQ(run({QStringLiteral("show"), file}), cli::kOk);
    EXPECT_TRUE(stdoutText.contains(QStringLiteral("Copy of ") +
                                    from.value(QStringLiteral("name")).toString()));
}

} // namespace
} // namespace wsc
