#include "support/TestSupport.h"

#include "CliFixture.h"
#include "core/calc/BeerColor.h"
#include "core/reference/ReferenceTables.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <map>

namespace wsc {
namespace {

using test::Cli;

QString topic(const QString& file) {
    QFile f(QStringLiteral(WSC_HELP_SOURCE_DIR "/") + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// A figure as the help writes it: the program's value rounded to as many decimals.
QString asWritten(double value, const QString& written) {
    const qsizetype dot = written.indexOf(u'.');
    const int decimals = dot < 0 ? 0 : static_cast<int>(written.size() - dot - 1);
    return QString::number(value, 'f', decimals);
}

// Every worked example in the help, run through the program: a calculator's command line
// (data-cli) or a colour (data-srm), with the figures the text states (data-result).
TEST_F(Cli, EveryWorkedExampleInTheHelpIsWhatTheProgramComputes) {
    const QRegularExpression example(QStringLiteral(
        "<span class=\"example\" data-(cli|srm)=\"([^\"]*)\" data-result=\"([^\"]*)\">"));
    int checked = 0;
    for (const QString& file :
         QDir(QStringLiteral(WSC_HELP_SOURCE_DIR)).entryList({QStringLiteral("*.html")})) {
        const QString html = topic(file);
        for (auto it = example.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString where = file + u' ' + m.captured(2);
            std::map<QString, double> values;
            if (m.captured(1) == QLatin1String("cli")) {
                QStringList line = m.captured(2).split(u' ', Qt::SkipEmptyParts);
                line << QStringLiteral("--json");
                ASSERT_EQ(run(line), cli::kOk) << where.toStdString() << stderrText.toStdString();
                const QJsonObject out = QJsonDocument::fromJson(stdoutText.toUtf8())
                                            .object()
                                            .value(QStringLiteral("values"))
                                            .toObject();
                for (auto v = out.begin(); v != out.end(); ++v)
                    values[v.key()] = v.value().toDouble();
            } else {
                values[QStringLiteral("srm")] = MoreySrm(m.captured(2).toDouble());
            }
            for (const QString& pair : m.captured(3).split(u' ', Qt::SkipEmptyParts)) {
                const QString key = pair.section(u'=', 0, 0);
                const QString written = pair.section(u'=', 1);
                ASSERT_TRUE(values.count(key))
                    << where.toStdString() << " has no " << key.toStdString();
                EXPECT_EQ(asWritten(values.at(key), written), written)
                    << where.toStdString() << ": " << key.toStdString();
                // The sentence a reader sees says the same figure.
                const qsizetype close = html.indexOf(QStringLiteral("</span>"), m.capturedEnd());
                EXPECT_TRUE(html.mid(m.capturedEnd(), close - m.capturedEnd()).contains(written))
                    << where.toStdString() << " does not show " << written.toStdString();
                ++checked;
            }
        }
    }
    // The bitterness, gravity, alcohol, both converters, HBU, colour and the brew-day tools are
    // all covered.
    EXPECT_GE(checked, 29);
}

TEST_F(Cli, TheFormulasTheHelpStatesAreTheOnesComputed) {
    const QString hops = topic(QStringLiteral("hops.html"));
    EXPECT_TRUE(hops.contains(
        QStringLiteral("IBU = alpha % ÷ 100 × weight × utilisation × 7490 ÷ boil size")));
    EXPECT_TRUE(
        hops.contains(QStringLiteral("HBU = weight (ounces) × alpha % × boil minutes ÷ 60")));
    // 7490 for ounces and gallons is 1000 for grams and litres: the same hops either way.
    ASSERT_EQ(run({QStringLiteral("ibu"), QStringLiteral("--weight"), QStringLiteral("28.349523"),
                   QStringLiteral("--alpha"), QStringLiteral("5"), QStringLiteral("--volume"),
                   QStringLiteral("18.927"), QStringLiteral("--gravity"), QStringLiteral("1.050"),
                   QStringLiteral("--time"), QStringLiteral("60"), QStringLiteral("--metric"),
                   QStringLiteral("--json")}),
              cli::kOk);
    const double metric = QJsonDocument::fromJson(stdoutText.toUtf8())
                              .object()[QStringLiteral("values")][QStringLiteral("ibu")]
                              .toDouble();
    EXPECT_EQ(asWritten(metric, QStringLiteral("17")), QStringLiteral("17"));

    // A Campden tablet treats about 20 US gallons, not 20 litres.
    const QString water = topic(QStringLiteral("water.html"));
    EXPECT_TRUE(water.contains(QStringLiteral("20 US\ngallons")) ||
                water.contains(QStringLiteral("20 US gallons")));
    EXPECT_FALSE(water.contains(QStringLiteral("per 20 litres")));
    // The priming dose the help gives, in grams and litres, is the dose it gives per litre
    // and carbonates as much as it says, by the program's own priming tool.
    const QString brew = topic(QStringLiteral("howtobrew.html"));
    const QRegularExpressionMatch dose =
        QRegularExpression(
            QStringLiteral("(\\d+)&nbsp;g\\) for 5 US gallons\\s*\\((\\d+)&nbsp;litres\\): "
                           "about (\\d+)&nbsp;g per litre, which gives about "
                           "([\\d.]+) volumes"))
            .match(brew);
    ASSERT_TRUE(dose.hasMatch());
    const double grams = dose.captured(1).toDouble(), litres = dose.captured(2).toDouble();
    EXPECT_NEAR(litres, 5 * 3.785411784, 0.5);
    EXPECT_NEAR(grams / litres, dose.captured(3).toDouble(), 0.5);
    ASSERT_EQ(run({QStringLiteral("priming"), QStringLiteral("--sugar"), dose.captured(1),
                   QStringLiteral("--beer"), dose.captured(2), QStringLiteral("--temperature"),
                   QStringLiteral("20"), QStringLiteral("--kind"), QStringLiteral("corn"),
                   QStringLiteral("--units"), QStringLiteral("metric"), QStringLiteral("--json")}),
              cli::kOk);
    const double volumes = QJsonDocument::fromJson(stdoutText.toUtf8())
                               .object()[QStringLiteral("values")][QStringLiteral("volumes")]
                               .toDouble();
    EXPECT_NEAR(volumes, dose.captured(4).toDouble(), 0.25);
}

// The maintenance topic names only fields the dialogs have, each by its label.
TEST_F(Cli, TheDataMenuTopicNamesTheFieldsOfEachDialog) {
    const std::map<QString, ReferenceKind> sections{
        {QStringLiteral("styles"), ReferenceKind::Styles},
        {QStringLiteral("kits"), ReferenceKind::Kits},
        {QStringLiteral("extracts"), ReferenceKind::Extracts},
        {QStringLiteral("grains"), ReferenceKind::Grains},
        {QStringLiteral("hops"), ReferenceKind::Hops},
        {QStringLiteral("yeasts"), ReferenceKind::Yeast},
        {QStringLiteral("waters"), ReferenceKind::Water},
        {QStringLiteral("adjuncts"), ReferenceKind::Adjuncts},
        {QStringLiteral("glossary"), ReferenceKind::Glossary},
        {QStringLiteral("suppliers"), ReferenceKind::Suppliers},
        {QStringLiteral("brewer"), ReferenceKind::Brewer}};
    const QString html = topic(QStringLiteral("datamenu.html"));
    const QRegularExpression section(
        QStringLiteral(
            "<h2 id=\"([a-z]+)\"[^>]*>.*?</h2>\\s*<p>.*?<span class=\"fields\">(.*?)</span>"),
        QRegularExpression::DotMatchesEverythingOption);
    std::size_t seen = 0;
    for (auto it = section.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ASSERT_TRUE(sections.count(m.captured(1))) << m.captured(1).toStdString();
        const ReferenceTable& table = ReferenceTableOf(sections.at(m.captured(1)));
        QStringList labels;
        for (const ReferenceField& f : table.fields)
            labels << QString::fromLatin1(f.label).remove(u'&');
        const QRegularExpression named(QStringLiteral("<i>(.*?)</i>"));
        QStringList written;
        for (auto n = named.globalMatch(m.captured(2)); n.hasNext();)
            written << n.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        EXPECT_FALSE(written.isEmpty()) << m.captured(1).toStdString();
        for (const QString& w : written)
            EXPECT_TRUE(labels.contains(w))
                << m.captured(1).toStdString() << ": " << w.toStdString();
        // Every field of the dialog is named.
        for (const QString& l : labels)
            EXPECT_TRUE(written.contains(l))
                << m.captured(1).toStdString() << " leaves out " << l.toStdString();
        ++seen;
    }
    EXPECT_EQ(seen, sections.size());
}

} // namespace
} // namespace wsc
