#pragma once

#include "cli/CliCommands.h"

#include "core/calc/Units.h"
#include "core/calc/UtilizationTable.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace wsc {
class CDaoDatabase;
}

namespace wsc::cli {

void Print(std::FILE* f, const QString& text);
// Prints "wscalc-cli: " and the text to the error stream; returns kError.
int Fail(const Output& io, const QString& text);

// A command line after its command word: options "--name value" for the names that take a
// value, bare flags "--name", the rest positional.
struct Args {
    QStringList positional;
    std::map<QString, QString> options;
    QStringList flags;
    QStringList missingValues; // valued options given last, without their value

    static Args parse(const QStringList& args, const QStringList& valued);
    bool has(const QString& flag) const { return flags.contains(flag); }
    bool given(const QString& name) const { return options.count(name) > 0; }
    QString option(const QString& name) const;
    // What the command does not take: flags not in `knownFlags`, options left without
    // their value, positional words when `positionalAllowed` is false. Empty when all is
    // well.
    QString problem(const QStringList& knownFlags, bool positionalAllowed) const;
};

// The kind of each database given (an empty path is not checked): for the first of the wrong
// kind, the program's file-error message is printed to `to` and kWrongKind returned.
std::optional<int> WrongKind(std::FILE* to, const QString& recipes, const QString& data);
// The utilization table of the Data database at `dataPath` (opened read-only, and kept open in
// `keepOpen` when given), or the shipped table when no path is given. Throws CDaoException.
UtilizationTable LoadUtilization(const QString& dataPath,
                                 std::unique_ptr<CDaoDatabase>* keepOpen = nullptr);

// The units of "--units us|metric", or, when it is not given, the units the user chose in the
// program's settings. Nothing (after saying why) for any other word.
std::optional<UnitChoice> UnitsOption(const Args& a, const Output& io);

// Returned by a command whose line does not make sense: its usage is printed, exit kError.
inline constexpr int kUsage = -1;

// One command: what it takes and what it does. The dispatcher answers --help with the usage,
// refuses what the command does not take, and hands the parsed line to `run`.
struct CommandEntry {
    QString usage;           // after "usage: wscalc-cli "; further lines explain
    QStringList valued;      // options that take a value
    QStringList flags;       // options that take none
    bool positional = false; // words that are not options
    std::function<int(const Args&, const Output&)> run;
};
using CommandTable = std::map<QString, CommandEntry>;

// The command families, each in its own file.
void AddDatabaseCommands(CommandTable& table);
void AddCalculationCommands(CommandTable& table);
void AddCalculatorCommands(CommandTable& table);
void AddReportCommands(CommandTable& table);
void AddInterchangeCommands(CommandTable& table);

} // namespace wsc::cli
