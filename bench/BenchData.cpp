#include "BenchData.h"

#include "core/db/DatabaseOps.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/document/ShippedDatabases.h"

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

#include <unistd.h>

namespace wsc::bench {
namespace {

const char* const kStyles[][3] = {
    {"Pale Ale", "Pale Ale", "American Pale Ale"},
    {"Bitter", "English Pale Ale", "Special Bitter"},
    {"Stout", "Stout", "Dry Stout"},
    {"Porter", "Porter", "Robust Porter"},
    {"Pilsner", "Pilsner", "Bohemian Pilsner"},
    {"Weizen", "German Wheat", "Weizen"},
    {"Bock", "Bock", "Doppelbock"},
    {"India Pale Ale", "India Pale Ale", "American IPA"},
    {"Brown Ale", "Brown Ale", "Northern English Brown"},
    {"Barleywine", "Strong Ale", "English Barleywine"},
    {"Saison", "Belgian Ale", "Saison"},
    {"Scottish Ale", "Scottish Ale", "Scottish Heavy 70/-"},
};
const char* const kWords[] = {"Harvest", "Porch",   "Lawnmower", "Winter", "Copper", "Old",
                              "Smoked",  "Hoppy",   "Midnight",  "Garden", "Red",    "Golden",
                              "Village", "Bramble", "Foggy",     "Summer"};

} // namespace

void WriteRecipeDatabase(const QString& path, int recipes) {
    QFile::remove(path);
    CreateRecipeDatabase(path, false);
    SqliteConnection c(path, SqliteConnection::Mode::ReadWrite);
    c.exec(QStringLiteral("BEGIN"));
    SqliteStatement r = c.prepare(QStringLiteral(
        "INSERT INTO Recipes (RecipeID, RecipeBatchNo, RecipeName, RecipeComments, "
        "RecipeDateBrewed, RecipeTargetStyle, RecipeTargetCategory, RecipeTargetSubcategory, "
        "RecipeBatchSize, RecipeBoilSize, RecipeBoilLth, RecipeBrewer, RecipeSGOriginal, "
        "RecipeSGFinal, RecipeProcessAllGrain, RecipeSystemEfficiencyExpected) VALUES (?, ?, ?, "
        "?, strftime('%Y-%m-%dT00:00:00', '2000-01-01', '+' || ? || ' days'), ?, ?, ?, 5, 6, "
        "60, 'A. Brewer', 1.05, 1.012, 1, 75)"));
    SqliteStatement grain = c.prepare(QStringLiteral(
        "INSERT INTO Ingredients_Grains (IngRecipeID, IngGrainsName, IngGrainsColor, "
        "IngGrainsSPGrav, IngGrainsUnits, IngGrainsWeight) VALUES (?, ?, ?, ?, 'lbs', ?)"));
    SqliteStatement hop = c.prepare(QStringLiteral(
        "INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, IngHopsAlpha, IngHopsTime, "
        "IngHopsUnits, IngHopsWeight, IngHopsIBU, IngHopsHBU) VALUES (?, ?, ?, ?, 'oz', ?, 0, 0)"));
    SqliteStatement yeast = c.prepare(QStringLiteral(
        "INSERT INTO Ingredients_Yeasts (IngRecipeID, IngYeastName, IngYeastAmt, IngYeastForm, "
        "IngYeastType, IngYeastManuf, IngYeastAttenuation, IngYeastUnits) VALUES (?, 'House "
        "Ale', 1, 'Liquid', 'Ale', 'A Lab', 75, 'pkg')"));
    SqliteStatement adjunct = c.prepare(QStringLiteral(
        "INSERT INTO Ingredients_Adjuncts (IngRecipeID, IngAdjunctsName, IngAdjunctsAmt, "
        "IngAdjunctsUnits, IngAdjunctsFermentable) VALUES (?, 'Irish Moss', '1', 'tsp', 0)"));
    const QString comment =
        QStringLiteral("Brewed on a cold morning; the mash held its temperature well. ")
            .repeated(3);
    for (int i = 1; i <= recipes; ++i) {
        const auto& style = kStyles[i % std::size(kStyles)];
        r.reset();
        r.bindInt64(1, i);
        r.bindInt64(2, i);
        r.bindText(3, QStringLiteral("%1 %2 %3")
                          .arg(QString::fromLatin1(kWords[i % std::size(kWords)]),
                               QString::fromLatin1(kWords[(i / 7) % std::size(kWords)]),
                               QString::fromLatin1(style[0])));
        r.bindText(4, comment);
        r.bindInt64(5, (i * 37) % 9000);
        r.bindText(6, QString::fromLatin1(style[0]));
        r.bindText(7, QString::fromLatin1(style[1]));
        r.bindText(8, QString::fromLatin1(style[2]));
        r.exec();
        for (int g = 0; g < 2; ++g) {
            grain.reset();
            grain.bindInt64(1, i);
            grain.bindText(2, g == 0 ? QStringLiteral("Pale Malt") : QStringLiteral("Crystal 60"));
            grain.bindDouble(3, g == 0 ? 2 : 60);
            grain.bindDouble(4, g == 0 ? 1.037 : 1.034);
            grain.bindDouble(5, g == 0 ? 8.5 : 0.75);
            grain.exec();
            hop.reset();
            hop.bindInt64(1, i);
            hop.bindText(2, g == 0 ? QStringLiteral("Cascade") : QStringLiteral("Fuggles"));
            hop.bindDouble(3, g == 0 ? 5.5 : 4.5);
            hop.bindDouble(4, g == 0 ? 60 : 15);
            hop.bindDouble(5, 1);
            hop.exec();
        }
        yeast.reset();
        yeast.bindInt64(1, i);
        yeast.exec();
        adjunct.reset();
        adjunct.bindInt64(1, i);
        adjunct.exec();
    }
    c.exec(QStringLiteral("COMMIT"));
}

const QString& RecipeDatabase(int recipes) {
    static QTemporaryDir dir;
    static std::map<int, QString> built;
    auto it = built.find(recipes);
    if (it == built.end()) {
        const QString p = dir.filePath(QStringLiteral("recipes-%1.mdb").arg(recipes));
        WriteRecipeDatabase(p, recipes);
        it = built.emplace(recipes, p).first;
    }
    return it->second;
}

QString CopyOfRecipeDatabase(int recipes, const QTemporaryDir& dir) {
    const QString copy = dir.filePath(QStringLiteral("copy-%1.mdb").arg(recipes));
    QFile::remove(copy);
    QFile::copy(RecipeDatabase(recipes), copy);
    return copy;
}

long long ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

BenchDocument::BenchDocument(const QString& recipes)
    : profile(dir.filePath(QStringLiteral("settings.ini"))), services{prompter, profile, nullptr,
                                                                      nullptr},
      doc(services) {
    doc.OnOpenDocument(recipes);
}

} // namespace wsc::bench
