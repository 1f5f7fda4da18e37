// BeerXML: importing 1,000 recipes from one file, and exporting them again.
#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/document/ShippedDatabases.h"
#include "core/interchange/BeerXml.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

// The eight sample recipes repeated to 1,000 recipes in one file.
QByteArray thousandRecipes(const UtilizationTable& table) {
    CDaoDatabase samples;
    samples.Open(QStringLiteral(WSC_SAMPLES_DB), false, true);
    QString error;
    const QByteArray eight = BeerXml::Export(samples, {}, table, error);
    const qsizetype first = eight.indexOf("<RECIPE>");
    const qsizetype last = eight.lastIndexOf("</RECIPES>");
    const QByteArray body = eight.mid(first, last - first);
    QByteArray out = eight.left(first);
    for (int i = 0; i < 125; ++i)
        out += body;
    return out + eight.mid(last);
}

void ImportThousand(benchmark::State& state) {
    const UtilizationTable table = UtilizationTable::shipped();
    const QByteArray xml = thousandRecipes(table);
    CDaoDatabase data;
    data.Open(QStringLiteral(WSC_DATA_DB), false, true);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("r.mdb"));
        CreateRecipeDatabase(file, false);
        CDaoDatabase db;
        db.Open(file, false, false);
        state.ResumeTiming();
        QString error;
        const auto summary = BeerXml::Import(db, &data, xml, table, error);
        if (!summary || summary->added.size() != 1000)
            state.SkipWithError("the import failed");
    }
}
BENCHMARK(ImportThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

void ExportThousand(benchmark::State& state) {
    const UtilizationTable table = UtilizationTable::shipped();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("r.mdb"));
    CreateRecipeDatabase(file, false);
    {
        CDaoDatabase db;
        db.Open(file, false, false);
        QString error;
        BeerXml::Import(db, nullptr, thousandRecipes(table), table, error);
    }
    CDaoDatabase db;
    db.Open(file, false, true);
    for (auto _ : state) {
        QString error;
        const QByteArray xml = BeerXml::Export(db, {}, table, error);
        benchmark::DoNotOptimize(xml.size());
    }
}
BENCHMARK(ExportThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
