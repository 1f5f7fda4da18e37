#pragma once

#include "CliCommands.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

namespace wsc::cli {

void print(std::FILE* f, const QString& text);
// Prints "wscalc-cli: " and the text to the error stream; returns kError.
int fail(const Output& io, const QString& text);

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

using Command = std::function<int(const QStringList&, const Output&)>;
using CommandTable = std::map<QString, Command>;

// The command families, each in its own file.
void addDatabaseCommands(CommandTable& table);
void addCalculationCommands(CommandTable& table);
void addCalculatorCommands(CommandTable& table);
void addReportCommands(CommandTable& table);
void addInterchangeCommands(CommandTable& table);

} // namespace wsc::cli
