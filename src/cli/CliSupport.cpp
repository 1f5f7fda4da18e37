#include "cli/CliSupport.h"

#include "core/calc/UnitPreference.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"

namespace wsc::cli {

void Print(std::FILE* f, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), f);
    std::fputc('\n', f);
}

std::optional<int> WrongKind(std::FILE* to, const QString& recipes, const QString& data) {
    if (!recipes.isEmpty() && ReadDatabaseMarker(recipes) != QLatin1String(kRecipeMarker)) {
        Print(to, MessageCatalog::format(Msg::kNotARecipeDatabase, {recipes}));
        return kWrongKind;
    }
    if (!data.isEmpty() && ReadDatabaseMarker(data) != QLatin1String(kDataMarker)) {
        Print(to, MessageCatalog::format(Msg::kNotADataDatabase, {data}));
        return kWrongKind;
    }
    return std::nullopt;
}

UtilizationTable LoadUtilization(const QString& dataPath, std::unique_ptr<CDaoDatabase>* keepOpen) {
    if (dataPath.isEmpty())
        return UtilizationTable::shipped();
    auto data = std::make_unique<CDaoDatabase>();
    data->Open(dataPath, false, true);
    UtilizationTable table;
    table.load(*data);
    if (keepOpen)
        *keepOpen = std::move(data);
    return table;
}

int Fail(const Output& io, const QString& text) {
    Print(io.err, QStringLiteral("wscalc-cli: ") + text);
    return kError;
}

Args Args::parse(const QStringList& args, const QStringList& valued) {
    Args a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& s = args.at(i);
        if (!s.startsWith(QStringLiteral("--"))) {
            a.positional << s;
            continue;
        }
        const QString name = s.mid(2);
        if (!valued.contains(name))
            a.flags << name;
        else if (i + 1 < args.size())
            a.options[name] = args.at(++i);
        else
            a.missingValues << name;
    }
    return a;
}

QString Args::option(const QString& name) const {
    auto it = options.find(name);
    return it == options.end() ? QString() : it->second;
}

QString Args::problem(const QStringList& knownFlags, bool positionalAllowed) const {
    for (const QString& f : flags) {
        if (!knownFlags.contains(f))
            return QStringLiteral("unknown option --%1").arg(f);
    }
    if (!missingValues.isEmpty())
        return QStringLiteral("--%1 needs a value").arg(missingValues.first());
    if (!positionalAllowed && !positional.isEmpty())
        return QStringLiteral("unexpected \"%1\"").arg(positional.first());
    return {};
}

std::optional<UnitChoice> UnitsOption(const Args& a, const Output& io) {
    const QString word = a.option(QStringLiteral("units"));
    if (word.isEmpty()) {
        const ProfileStore profile;
        if (!profile.refusal().isEmpty())
            Print(io.err, QStringLiteral("wscalc-cli: %1").arg(profile.refusal()));
        return ReadUnitChoice(profile);
    }
    if (word == QLatin1String("us"))
        return UnitChoice::us();
    if (word == QLatin1String("metric"))
        return UnitChoice::metric();
    Fail(io, QStringLiteral("--units is us or metric, not %1").arg(word));
    return std::nullopt;
}

} // namespace wsc::cli
