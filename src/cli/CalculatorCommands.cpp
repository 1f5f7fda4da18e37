#include "cli/CliSupport.h"

#include "core/calc/UtilizationTable.h"
#include "core/calculators/AlcoholCalculator.h"
#include "core/calculators/BitternessCalculator.h"
#include "core/calculators/BrewDayTools.h"
#include "core/calculators/GravityCalculator.h"
#include "core/calculators/TwoWayConverter.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ScriptedPrompter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace wsc::cli {
namespace {

using Maker = std::unique_ptr<SolverCalculator> (*)(Prompter&, const UtilizationTable&, bool,
                                                    const UnitChoice&);

// The calculators on the command line: one option per field, the unknown left out.
struct CalculatorCommand {
    const char* word;
    bool hasUnits;  // takes --metric (grams and liters, or kilograms)
    bool usesTable; // needs the hop utilization table (--data)
    Maker make;
    // Takes --units us|metric, or the units chosen in the program (the brew-day tools).
    bool brewerUnits = false;
};

template <class Tool>
std::unique_ptr<SolverCalculator> MakeTool(Prompter& p, const UtilizationTable&, bool,
                                           const UnitChoice& units) {
    return std::make_unique<Tool>(p, units);
}

const CalculatorCommand kCommands[] = {
    {"ibu", true, true,
     [](Prompter& p, const UtilizationTable& t, bool metric,
        const UnitChoice&) -> std::unique_ptr<SolverCalculator> {
         auto c = std::make_unique<BitternessCalculator>(p, t);
         c->useMetric(metric);
         return c;
     }},
    {"og", true, false,
     [](Prompter& p, const UtilizationTable&, bool metric,
        const UnitChoice&) -> std::unique_ptr<SolverCalculator> {
         auto c = std::make_unique<GravityCalculator>(p);
         c->setKilograms(metric);
         return c;
     }},
    {"abv", false, false,
     [](Prompter& p, const UtilizationTable&, bool, const UnitChoice&)
         -> std::unique_ptr<SolverCalculator> { return std::make_unique<AlcoholCalculator>(p); }},
    {"sg-balling", false, false,
     [](Prompter& p, const UtilizationTable&, bool, const UnitChoice&)
         -> std::unique_ptr<SolverCalculator> { return std::make_unique<SgBallingConverter>(p); }},
    {"abv-abw", false, false,
     [](Prompter& p, const UtilizationTable&, bool, const UnitChoice&)
         -> std::unique_ptr<SolverCalculator> { return std::make_unique<AbvAbwConverter>(p); }},
    {"priming", false, false, MakeTool<PrimingCalculator>, true},
    {"hydrometer", false, false, MakeTool<HydrometerCorrection>, true},
    {"refractometer", false, false, MakeTool<RefractometerCalculator>, true},
    {"strike", false, false, MakeTool<StrikeWaterCalculator>, true},
    {"infusion", false, false, MakeTool<MashInfusionCalculator>, true},
    {"dilution", false, false, MakeTool<DilutionCalculator>, true},
};

// The first word of each entry of a choice field: "corn", "table", ...
QStringList choiceWords(const CalcFieldSpec& f) {
    QStringList words;
    for (const QString& entry : QString::fromLatin1(f.choices).split(u';'))
        words << entry.section(u' ', 0, 0);
    return words;
}

QString usage(const CalculatorCommand& cmd, const SolverCalculator& calc) {
    QStringList parts;
    QStringList quantities;
    for (int i = 0; i < calc.fieldCount(); ++i) {
        if (calc.field(i).kind == CalcFieldKind::Result)
            continue;
        const CalcFieldSpec& f = calc.field(i);
        parts << (f.choices ? QStringLiteral("[--%1 %2]")
                                  .arg(QLatin1String(f.key), choiceWords(f).join(u'|'))
                            : QStringLiteral("[--%1 N]").arg(QLatin1String(f.key)));
        if (i < calc.quantityCount())
            quantities << QLatin1String(calc.field(i).key);
    }
    if (cmd.hasUnits)
        parts << QStringLiteral("[--metric]");
    if (cmd.usesTable)
        parts << QStringLiteral("[--data DATA.mdb]");
    if (cmd.brewerUnits)
        parts << QStringLiteral("[--units us|metric]");
    parts << QStringLiteral("[--json]");
    return parts.join(u' ') + QStringLiteral("\n  leave out the one to solve for: %1")
                                  .arg(quantities.join(QStringLiteral(", ")));
}

// The units the weights and volumes are in, where the calculator has a choice.
QString unitsOf(const SolverCalculator& calc) {
    if (auto* b = dynamic_cast<const BitternessCalculator*>(&calc))
        return b->weightUnit() + QStringLiteral(", ") + b->volumeUnit();
    if (auto* g = dynamic_cast<const GravityCalculator*>(&calc))
        return (g->kilograms() ? QStringLiteral("Kilograms") : QStringLiteral("Pounds")) +
               QStringLiteral(", Gallons");
    return {};
}

// Reads the utilization table of the Data database named by --data, or takes the shipped one.
int loadTable(const Args& a, UtilizationTable& table, const Output& io) {
    const QString path = a.option(QStringLiteral("data"));
    try {
        if (const auto wrong = WrongKind(io.err, QString(), path))
            return *wrong;
        table = LoadUtilization(path);
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    return kOk;
}

int runCalculator(const CalculatorCommand& cmd, const Args& a, const Output& io) {
    UtilizationTable table;
    if (cmd.usesTable) {
        if (const int rc = loadTable(a, table, io); rc != kOk)
            return rc;
    }
    UnitChoice units;
    if (cmd.brewerUnits) {
        const std::optional<UnitChoice> chosen = UnitsOption(a, io);
        if (!chosen)
            return kError;
        units = *chosen;
    }
    ScriptedPrompter prompter;
    const std::unique_ptr<SolverCalculator> calc =
        cmd.make(prompter, table, a.has(QStringLiteral("metric")), units);
    for (int i = 0; i < calc->fieldCount(); ++i) {
        const CalcFieldSpec& f = calc->field(i);
        if (f.kind == CalcFieldKind::Result)
            continue;
        // The brew-day tools keep their settings (a calibration temperature, a ratio) unless
        // given; a quantity left out is the one to solve for.
        if (cmd.brewerUnits && i >= calc->quantityCount() && !a.given(QLatin1String(f.key)))
            continue;
        QString text = a.option(QLatin1String(f.key));
        // A choice by its first word ("corn") or by its number; anything else is said with the
        // words it may be.
        if (f.choices && a.given(QLatin1String(f.key))) {
            const QStringList words = choiceWords(f);
            const qsizetype n = words.indexOf(text.toLower());
            bool number = false;
            const int chosen = text.toInt(&number);
            if (n >= 0)
                text = QString::number(n);
            else if (!number || chosen < 0 || chosen >= words.size()) {
                Fail(io, QStringLiteral("--%1 is %2, not \"%3\"")
                             .arg(QLatin1String(f.key), words.join(u'|'), text));
                return kUsage;
            }
        }
        calc->setText(i, text);
    }
    prompter.clear();
    const bool solved = calc->calculate();

    // Warnings along the way (a gravity outside the utilization table) go with the answer.
    QJsonArray messages;
    for (const Prompt& p : prompter.shown()) {
        if (p.text == calc->lastError())
            continue;
        messages.append(p.text);
        Print(io.err, p.text);
    }
    if (!solved)
        Print(io.err, calc->lastError());

    if (a.has(QStringLiteral("json"))) {
        QJsonObject o{{QStringLiteral("calculator"), QLatin1String(cmd.word)},
                      {QStringLiteral("messages"), messages}};
        if (solved) {
            QJsonObject values;
            for (int i = 0; i < calc->fieldCount(); ++i)
                values[QLatin1String(calc->field(i).key)] = calc->text(i).toDouble();
            o[QStringLiteral("solved")] = QLatin1String(calc->field(calc->solvingFor()).key);
            o[QStringLiteral("values")] = values;
            if (const QString units = unitsOf(*calc); !units.isEmpty())
                o[QStringLiteral("units")] = units;
        } else {
            o[QStringLiteral("error")] = calc->lastError();
        }
        Print(io.out, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    } else if (solved) {
        const QString units = unitsOf(*calc);
        Print(io.out, units.isEmpty() ? calc->title()
                                      : QStringLiteral("%1 (%2)").arg(calc->title(), units));
        qsizetype width = 0;
        for (int i = 0; i < calc->fieldCount(); ++i)
            width = std::max(width, FieldName(calc->field(i)).size());
        for (int i = 0; i < calc->fieldCount(); ++i) {
            QString line = QStringLiteral("  %1  %2")
                               .arg(FieldName(calc->field(i)), -static_cast<int>(width))
                               .arg(calc->text(i));
            if (i == calc->solvingFor())
                line += QStringLiteral("  (solved)");
            Print(io.out, line);
        }
    }
    return solved ? kOk : kDataError;
}

} // namespace

void AddCalculatorCommands(CommandTable& table) {
    for (const CalculatorCommand& cmd : kCommands) {
        // The fields are the same for every instance; this one only names them.
        ScriptedPrompter unused;
        const UtilizationTable none;
        const std::unique_ptr<SolverCalculator> probe = cmd.make(unused, none, false, {});
        CommandEntry entry{
            usage(cmd, *probe),
            {},
            {QStringLiteral("json")},
            false,
            [&cmd](const Args& a, const Output& o) { return runCalculator(cmd, a, o); }};
        for (int i = 0; i < probe->fieldCount(); ++i) {
            if (probe->field(i).kind != CalcFieldKind::Result)
                entry.valued << QLatin1String(probe->field(i).key);
        }
        if (cmd.usesTable)
            entry.valued << QStringLiteral("data");
        if (cmd.hasUnits)
            entry.flags << QStringLiteral("metric");
        if (cmd.brewerUnits)
            entry.valued << QStringLiteral("units");
        table[QLatin1String(cmd.word)] = std::move(entry);
    }
}

} // namespace wsc::cli
