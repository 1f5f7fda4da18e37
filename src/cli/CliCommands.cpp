#include "CliCommands.h"

#include "calc/IngredientSheets.h"
#include "calc/RecipeCalculator.h"
#include "calc/UtilizationTable.h"
#include "db/DatabaseOps.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoException.h"
#include "db/records/CRecordSetRecipe.h"
#include "settings/MessageCatalog.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <map>

namespace wsc::cli {

namespace {

void print(std::FILE* f, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), f);
    std::fputc('\n', f);
}

int fail(const Output& io, const QString& text) {
    print(io.err, QStringLiteral("wscalc-cli: ") + text);
    return kError;
}

// Options of the form "--name value" and bare flags "--name"; the rest are positional.
struct Args {
    QStringList positional;
    std::map<QString, QString> options;
    QStringList flags;

    bool has(const QString& flag) const { return flags.contains(flag); }
    QString option(const QString& name) const {
        auto it = options.find(name);
        return it == options.end() ? QString() : it->second;
    }
};

Args parse(const QStringList& args, const QStringList& valued) {
    Args a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& s = args.at(i);
        if (s.startsWith(QStringLiteral("--"))) {
            const QString name = s.mid(2);
            if (valued.contains(name) && i + 1 < args.size())
                a.options[name] = args.at(++i);
            else
                a.flags << name;
        } else {
            a.positional << s;
        }
    }
    return a;
}

int cmdInitRecipes(const QStringList& argv, const Output& io) {
    const Args a = parse(argv, {});
    if (a.positional.size() != 1)
        return fail(io, QStringLiteral("usage: init-recipes PATH [--samples]"));
    try {
        CreateRecipeDatabase(a.positional.first(), a.has(QStringLiteral("samples")));
    } catch (const CDaoException& e) {
        return fail(io, QString::fromUtf8(e.what()));
    }
    print(io.out, QStringLiteral("created recipe database %1").arg(a.positional.first()));
    return kOk;
}

int cmdInitData(const QStringList& argv, const Output& io) {
    const Args a = parse(argv, {});
    if (a.positional.size() != 1)
        return fail(io, QStringLiteral("usage: init-data PATH"));
    try {
        CreateDataDatabase(a.positional.first());
    } catch (const CDaoException& e) {
        return fail(io, QString::fromUtf8(e.what()));
    }
    print(io.out, QStringLiteral("created Data database %1").arg(a.positional.first()));
    return kOk;
}

int cmdCheck(const QStringList& argv, const Output& io) {
    const Args a = parse(argv, {QStringLiteral("expect")});
    if (a.positional.size() != 1)
        return fail(io, QStringLiteral("usage: check PATH [--expect recipe|data]"));
    const QString path = a.positional.first();
    const QString expect = a.option(QStringLiteral("expect"));
    if (a.options.count(QStringLiteral("expect")) && expect != QLatin1String("recipe") &&
        expect != QLatin1String("data"))
        return fail(
            io,
            QStringLiteral("usage: check PATH [--expect recipe|data] (not \"%1\")").arg(expect));
    if (a.has(QStringLiteral("expect")))
        return fail(io, QStringLiteral("usage: check PATH [--expect recipe|data]"));
    QString marker;
    try {
        marker = ReadDatabaseMarker(path);
    } catch (const CDaoException& e) {
        return fail(io, QStringLiteral("%1 cannot be read as a database: %2")
                            .arg(path, QString::fromUtf8(e.what())));
    }
    const bool recipe = marker == QLatin1String(kRecipeMarker);
    const bool data = marker == QLatin1String(kDataMarker);
    if (expect == QLatin1String("recipe") && !recipe) {
        print(io.out, MessageCatalog::format(168, {path}));
        return kWrongKind;
    }
    if ((expect == QLatin1String("data") && !data) || (!recipe && !data)) {
        print(io.out, MessageCatalog::format(171, {path}));
        return kWrongKind;
    }
    print(io.out, recipe ? QStringLiteral("recipe") : QStringLiteral("data"));
    return kOk;
}

int maintenance(const QStringList& argv, const Output& io, const QString& word,
                const std::function<void(const QString&)>& op) {
    const Args a = parse(argv, {});
    if (a.positional.size() != 1)
        return fail(io, QStringLiteral("usage: %1 PATH").arg(word));
    const QString path = a.positional.first();
    try {
        op(path);
    } catch (const CDaoException& e) {
        return fail(io, QString::fromUtf8(e.what()));
    }
    print(io.out, MessageCatalog::format(4, {word, path}));
    return kOk;
}

int cmdShow(const QStringList& argv, const Output& io) {
    const Args a = parse(argv, {});
    if (a.positional.isEmpty() || a.positional.size() > 2)
        return fail(io, QStringLiteral("usage: show RECIPES.mdb [DATA.mdb]"));
    try {
        // Both kinds first, so nothing is listed from a pair that cannot be shown.
        const QString recipes = a.positional.at(0);
        if (ReadDatabaseMarker(recipes) != QLatin1String(kRecipeMarker)) {
            print(io.out, MessageCatalog::format(168, {recipes}));
            return kWrongKind;
        }
        const QString dataPath = a.positional.value(1);
        if (!dataPath.isEmpty() && ReadDatabaseMarker(dataPath) != QLatin1String(kDataMarker)) {
            print(io.out, MessageCatalog::format(171, {dataPath}));
            return kWrongKind;
        }
        CDaoDatabase db;
        db.Open(recipes, false, true);
        CRecordSetRecipe rs(&db);
        rs.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        rs.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        print(io.out,
              QStringLiteral("Recipe database %1").arg(QFileInfo(recipes).absoluteFilePath()));
        print(io.out, QStringLiteral("%1  %2  %3")
                          .arg(QStringLiteral("Batch"), -5)
                          .arg(QStringLiteral("Recipe Name"), -36)
                          .arg(QStringLiteral("Style")));
        for (; !rs.IsEOF(); rs.MoveNext()) {
            print(io.out, QStringLiteral("%1  %2  %3")
                              .arg(rs.m_RecipeBatchNo, 5)
                              .arg(rs.m_RecipeName, -36)
                              .arg(rs.m_RecipeTargetStyle));
            for (const QString& problem : rs.fieldProblems())
                print(io.out, QStringLiteral("       note: %1").arg(problem));
        }
        if (!dataPath.isEmpty()) {
            CDaoDatabase data;
            data.Open(dataPath, false, true);
            print(io.out,
                  QStringLiteral("\nData database %1").arg(QFileInfo(dataPath).absoluteFilePath()));
            for (const char* t :
                 {"Styles", "Hops", "Grains", "Extracts", "Kits", "Yeast", "Adjuncts", "Water",
                  "Glossary", "Suppliers", "Brewer", "HopsUtilization"}) {
                SqliteStatement st = data.connection().prepare(
                    QStringLiteral("SELECT count(*) FROM ") +
                    SqliteConnection::quoteIdentifier(QString::fromLatin1(t)));
                st.step();
                print(io.out,
                      QStringLiteral("  %1 %2").arg(QString::fromLatin1(t), -16).arg(st.int64(0)));
            }
        }
    } catch (const CDaoException& e) {
        return fail(io, QString::fromUtf8(e.what()));
    }
    return kOk;
}

int cmdCalc(const QStringList& argv, const Output& io) {
    const Args a =
        parse(argv, {QStringLiteral("db"), QStringLiteral("data"), QStringLiteral("batch")});
    const QString dbPath = a.option(QStringLiteral("db"));
    const QString dataPath = a.option(QStringLiteral("data"));
    bool ok = false;
    const long batch = a.option(QStringLiteral("batch")).toLong(&ok);
    if (dbPath.isEmpty() || dataPath.isEmpty() || !ok)
        return fail(
            io, QStringLiteral("usage: calc --db RECIPES.mdb --data DATA.mdb --batch N [--json]"));
    try {
        if (ReadDatabaseMarker(dbPath) != QLatin1String(kRecipeMarker)) {
            print(io.err, MessageCatalog::format(168, {dbPath}));
            return kWrongKind;
        }
        if (ReadDatabaseMarker(dataPath) != QLatin1String(kDataMarker)) {
            print(io.err, MessageCatalog::format(171, {dataPath}));
            return kWrongKind;
        }
        CDaoDatabase db;
        db.Open(dbPath, false, true);
        CRecordSetRecipe recipe(&db);
        recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        recipe.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        if (!recipe.Seek(QStringLiteral("="), {QString::number(batch)}))
            return fail(
                io, QStringLiteral("no recipe with batch number %1 in %2").arg(batch).arg(dbPath));
        CDaoDatabase data;
        data.Open(dataPath, false, true);
        UtilizationTable table;
        table.load(data);

        MemorySheets sheets = MemorySheets::load(db, recipe.m_RecipeID);
        RecipeCalculator calc(sheets, table);
        calc.setInputs(RecipeInputs::of(recipe));
        const CalcStatus status = calc.RunCalculations(false);
        QStringList messages = calc.CalcMessages;
        const std::vector<CalcMessageLine> lines = CalcMessageLines(messages);
        const QString statusText = LookOf(status).text;

        if (a.has(QStringLiteral("json"))) {
            QJsonArray hops;
            for (int r = 1; r <= sheets.ingredientCount(SheetHops); ++r)
                hops.append(QJsonObject{{QStringLiteral("row"), r},
                                        {QStringLiteral("ibu"), sheets.cellText(SheetHops, r, 5)},
                                        {QStringLiteral("hbu"), sheets.cellText(SheetHops, r, 6)}});
            QJsonArray msgs;
            for (const CalcMessageLine& l : lines)
                msgs.append(QJsonObject{{QStringLiteral("level"), l.level},
                                        {QStringLiteral("message"), l.message}});
            const QJsonObject o{{QStringLiteral("batch"), static_cast<qint64>(batch)},
                                {QStringLiteral("og"), calc.PredictedOG},
                                {QStringLiteral("abv"), calc.PredictedABV},
                                {QStringLiteral("ibu"), calc.TotalIBU},
                                {QStringLiteral("hbu"), calc.TotalHBU},
                                {QStringLiteral("color"), calc.PredictedColor},
                                {QStringLiteral("status"), statusText},
                                {QStringLiteral("hops"), hops},
                                {QStringLiteral("messages"), msgs}};
            print(io.out, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
            return kOk;
        }
        print(io.out, QStringLiteral("Batch %1: %2").arg(batch).arg(recipe.m_RecipeName));
        print(io.out, QStringLiteral("  Original gravity  %1")
                          .arg(QString::asprintf("%.3f", calc.PredictedOG)));
        print(io.out, QStringLiteral("  Alcohol (ABV %)    %1")
                          .arg(QString::asprintf("%.1f", calc.PredictedABV)));
        print(
            io.out,
            QStringLiteral("  Bitterness (IBU)  %1").arg(QString::asprintf("%.1f", calc.TotalIBU)));
        print(
            io.out,
            QStringLiteral("  HBU               %1").arg(QString::asprintf("%.1f", calc.TotalHBU)));
        print(io.out, QStringLiteral("  Color             %1")
                          .arg(QString::asprintf("%.1f", calc.PredictedColor)));
        print(io.out, QStringLiteral("Calculations: %1").arg(statusText));
        for (const CalcMessageLine& l : lines)
            print(io.out,
                  QStringLiteral("%1  %2  %3").arg(l.number, 3).arg(l.level, -11).arg(l.message));
    } catch (const CDaoException& e) {
        return fail(io, QString::fromUtf8(e.what()));
    }
    return kOk;
}

} // namespace

int run(const QStringList& args, const Output& io) {
    using Command = std::function<int(const QStringList&, const Output&)>;
    const std::map<QString, Command> commands = {
        {QStringLiteral("init-recipes"), cmdInitRecipes},
        {QStringLiteral("init-data"), cmdInitData},
        {QStringLiteral("check"), cmdCheck},
        {QStringLiteral("compress"),
         [](const QStringList& a, const Output& o) {
             return maintenance(a, o, QStringLiteral("compress"), CompactDatabase);
         }},
        {QStringLiteral("repair"),
         [](const QStringList& a, const Output& o) {
             return maintenance(a, o, QStringLiteral("repair"), RepairDatabase);
         }},
        {QStringLiteral("show"), cmdShow},
        {QStringLiteral("calc"), cmdCalc},
    };
    if (args.isEmpty() || !commands.count(args.first())) {
        QStringList names;
        for (const auto& [name, cmd] : commands)
            names << name;
        return fail(io, QStringLiteral("usage: wscalc-cli COMMAND ...  (commands: %1)")
                            .arg(names.join(QStringLiteral(", "))));
    }
    return commands.at(args.first())(args.mid(1), io);
}

} // namespace wsc::cli
