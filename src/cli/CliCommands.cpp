#include "CliSupport.h"

namespace wsc::cli {

int run(const QStringList& args, const Output& io) {
    CommandTable commands;
    addDatabaseCommands(commands);
    addCalculationCommands(commands);
    addCalculatorCommands(commands);
    addReportCommands(commands);
    addInterchangeCommands(commands);
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
