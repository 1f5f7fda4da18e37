#include "CliCommands.h"

#include "db/DatabaseOps.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoException.h"
#include "db/records/CRecordSetRecipe.h"
#include "settings/MessageCatalog.h"

#include <QFileInfo>

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
    if (a.positional.isEmpty())
        return fail(io, QStringLiteral("usage: show RECIPES.mdb [DATA.mdb]"));
    try {
        const QString recipes = a.positional.at(0);
        if (ReadDatabaseMarker(recipes) != QLatin1String(kRecipeMarker)) {
            print(io.out, MessageCatalog::format(168, {recipes}));
            return kWrongKind;
        }
        CDaoDatabase db;
        db.Open(recipes);
        CRecordSetRecipe rs(&db);
        rs.Open();
        rs.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        print(io.out,
              QStringLiteral("Recipe database %1").arg(QFileInfo(recipes).absoluteFilePath()));
        print(io.out, QStringLiteral("%1  %2  %3")
                          .arg(QStringLiteral("Batch"), -5)
                          .arg(QStringLiteral("Recipe Name"), -36)
                          .arg(QStringLiteral("Style")));
        for (; !rs.IsEOF(); rs.MoveNext())
            print(io.out, QStringLiteral("%1  %2  %3")
                              .arg(rs.m_RecipeBatchNo, 5)
                              .arg(rs.m_RecipeName, -36)
                              .arg(rs.m_RecipeTargetStyle));
        if (a.positional.size() > 1) {
            const QString dataPath = a.positional.at(1);
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
