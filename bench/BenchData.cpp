#include "BenchData.h"

#include "db/DatabaseOps.h"
#include "db/SqliteConnection.h"
#include "db/dao/CDaoDatabase.h"

#include <QTemporaryDir>

namespace wsc::bench {

const QString& BigRecipeDatabase() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("big.mdb"));
        CreateRecipeDatabase(p, false);
        CDaoDatabase db;
        db.Open(p);
        db.connection().exec(QStringLiteral("BEGIN"));
        SqliteStatement r = db.connection().prepare(QStringLiteral(
            "INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeComments, RecipeDateBrewed, "
            "RecipeTargetStyle) VALUES (?, ?, ?, date('2020-01-01', '+' || (? % 2000) || ' days'), "
            "'Pale Ale')"));
        for (int i = 1; i <= 10000; ++i) {
            r.bindInt64(1, i);
            r.bindText(2, QStringLiteral("Recipe %1").arg(i));
            r.bindText(3, QString(200, u'c'));
            r.bindInt64(4, i);
            r.exec();
            r.reset();
            for (const char* t :
                 {"Ingredients_Kits", "Ingredients_Extracts", "Ingredients_Grains",
                  "Ingredients_Hops", "Ingredients_Yeasts", "Ingredients_Adjuncts"}) {
                SqliteStatement ing = db.connection().prepare(
                    QStringLiteral("INSERT INTO %1 (IngRecipeID) VALUES (?)")
                        .arg(QString::fromLatin1(t)));
                ing.bindInt64(1, i);
                ing.exec();
            }
        }
        db.connection().exec(QStringLiteral("COMMIT"));
        return p;
    }();
    return path;
}

BenchDocument::BenchDocument(const QString& recipes)
    : profile(dir.filePath(QStringLiteral("settings.ini"))), services{prompter, profile, nullptr,
                                                                      nullptr},
      doc(services) {
    doc.OnOpenDocument(recipes);
}

} // namespace wsc::bench
