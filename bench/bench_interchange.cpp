// BeerXML and BeerJSON: importing 1,000 recipes from one file, and exporting them again (the
// BeerJSON figures beside the BeerXML ones: the same recipes through the same tables); and three
// files of about the same size but of other shapes (one recipe of 100,000 hop rows, 100,000 small
// recipes' worth of rows in many recipes, one element with 100,000 attributes), whose imports
// should take about the same time: the cost of an import follows the bytes of the file.
#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/document/ShippedDatabases.h"
#include "core/interchange/BeerJson.h"
#include "core/interchange/BeerXml.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

// A new, empty recipe database, open for changes, for as long as it lives.
struct EmptyRecipes {
    QTemporaryDir dir;
    CDaoDatabase db;
    EmptyRecipes() {
        const QString file = dir.filePath(QStringLiteral("r.mdb"));
        CreateRecipeDatabase(file, false);
        db.Open(file, false, false);
    }
};

// The eight sample recipes repeated to 1,000 recipes in one file.
QByteArray thousandRecipes(const UtilizationTable& table) {
    CDaoDatabase samples;
    samples.Open(QStringLiteral(WSC_SAMPLES_DB), false, true);
    QString error;
    const QByteArray eight = BeerXml::exportRecipes(samples, {}, table, error);
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
        EmptyRecipes target;
        state.ResumeTiming();
        QString error;
        const auto summary = BeerXml::importRecipes(target.db, &data, xml, table, error);
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
        BeerXml::importRecipes(db, nullptr, thousandRecipes(table), table, error);
    }
    CDaoDatabase db;
    db.Open(file, false, true);
    for (auto _ : state) {
        QString error;
        const QByteArray xml = BeerXml::exportRecipes(db, {}, table, error);
        benchmark::DoNotOptimize(xml.size());
    }
}
BENCHMARK(ExportThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same 1,000 recipes as BeerJSON, as our export writes them.
QByteArray thousandRecipesJson(const UtilizationTable& table) {
    EmptyRecipes source;
    QString error;
    BeerXml::importRecipes(source.db, nullptr, thousandRecipes(table), table, error);
    return BeerJson::exportRecipes(source.db, {}, table, error);
}

void ImportThousandJson(benchmark::State& state) {
    const UtilizationTable table = UtilizationTable::shipped();
    const QByteArray json = thousandRecipesJson(table);
    CDaoDatabase data;
    data.Open(QStringLiteral(WSC_DATA_DB), false, true);
    for (auto _ : state) {
        state.PauseTiming();
        EmptyRecipes target;
        state.ResumeTiming();
        QString error;
        const auto summary = BeerJson::importRecipes(target.db, &data, json, table, error);
        if (!summary || summary->added.size() != 1000)
            state.SkipWithError("the import failed");
    }
}
BENCHMARK(ImportThousandJson)->Unit(benchmark::kMillisecond)->Iterations(3);

void ExportThousandJson(benchmark::State& state) {
    const UtilizationTable table = UtilizationTable::shipped();
    EmptyRecipes source;
    QString error;
    BeerXml::importRecipes(source.db, nullptr, thousandRecipes(table), table, error);
    for (auto _ : state) {
        const QByteArray json = BeerJson::exportRecipes(source.db, {}, table, error);
        benchmark::DoNotOptimize(json.size());
    }
}
BENCHMARK(ExportThousandJson)->Unit(benchmark::kMillisecond)->Iterations(3);

QByteArray hopRow(int i) {
    return "<HOP><NAME>Hop " + QByteArray::number(i) +
           "</NAME><VERSION>1</VERSION><ALPHA>5.0</ALPHA><AMOUNT>0.01</AMOUNT><USE>Boil</USE>"
           "<TIME>60</TIME></HOP>\n";
}

QByteArray recipeHead(int i) {
    return "<RECIPE><NAME>R" + QByteArray::number(i) +
           "</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE><BATCH_SIZE>20</BATCH_SIZE>"
           "<BOIL_SIZE>25</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>";
}

enum Shape { OneHugeRecipe, ManySmallRecipes, ManyAttributes };

// About 12 MB in each shape.
QByteArray shaped(Shape shape) {
    QByteArray out = "<?xml version=\"1.0\"?>\n<RECIPES>\n";
    switch (shape) {
    case OneHugeRecipe:
        out += recipeHead(0) + "<HOPS>\n";
        for (int i = 0; i < 100000; ++i)
            out += hopRow(i);
        out += "</HOPS></RECIPE>\n";
        break;
    case ManySmallRecipes:
        for (int i = 0; out.size() < 12'000'000; ++i)
            out += recipeHead(i) + "<HOPS>" + hopRow(i) + "</HOPS></RECIPE>\n";
        break;
    case ManyAttributes:
        out += recipeHead(0) + "<NOTES";
        for (int i = 0; out.size() < 12'000'000; ++i)
            out += " attribute" + QByteArray::number(i) + "=\"a value of its own\"";
        out += ">kept</NOTES></RECIPE>\n";
        break;
    }
    return out + "</RECIPES>\n";
}

void ImportShape(benchmark::State& state) {
    const UtilizationTable table = UtilizationTable::shipped();
    const QByteArray xml = shaped(static_cast<Shape>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        EmptyRecipes target;
        state.ResumeTiming();
        QString error;
        if (!BeerXml::importRecipes(target.db, nullptr, xml, table, error))
            state.SkipWithError("the import failed");
    }
    state.SetBytesProcessed(state.iterations() * xml.size());
}
BENCHMARK(ImportShape)
    ->ArgName("shape")
    ->Arg(OneHugeRecipe)
    ->Arg(ManySmallRecipes)
    ->Arg(ManyAttributes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
