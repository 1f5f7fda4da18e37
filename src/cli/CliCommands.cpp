#include "cli/CliSupport.h"

namespace wsc::cli {
namespace {

CommandTable commandTable() {
    CommandTable commands;
    AddDatabaseCommands(commands);
    AddCalculationCommands(commands);
    AddCalculatorCommands(commands);
    AddReportCommands(commands);
    AddInterchangeCommands(commands);
    return commands;
}

bool asksForHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

QString usageOf(const QString& name, const CommandEntry& entry) {
    return QStringLiteral("usage: wscalc-cli %1 %2").arg(name, entry.usage);
}

QString programUsage(const CommandTable& commands) {
    QStringList lines{QStringLiteral("usage: wscalc-cli COMMAND [OPTIONS]"),
                      QStringLiteral("       wscalc-cli --help | --version"),
                      QStringLiteral("       wscalc-cli CMD --help     the usage of one command"),
                      QStringLiteral("       wscalc-cli completion bash"),
                      QString(),
                      QStringLiteral("commands:")};
    for (const auto& [name, entry] : commands)
        lines << QStringLiteral("  %1 %2").arg(name, entry.usage.section(u'\n', 0, 0));
    return lines.join(u'\n');
}

// A bash completion script made from the command table, so it never lists a command or an
// option the tool does not take.
QString bashCompletion(const CommandTable& commands) {
    QStringList names;
    QStringList cases;
    for (const auto& [name, entry] : commands) {
        names << name;
        QStringList options{QStringLiteral("--help")};
        for (const QString& o : entry.valued + entry.flags)
            options << QStringLiteral("--") + o;
        cases << QStringLiteral("        %1) opts=\"%2\" ;;").arg(name, options.join(u' '));
    }
    return QStringLiteral(
               "# bash completion for wscalc-cli\n"
               "_wscalc_cli() {\n"
               "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" opts\n"
               "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
               "        COMPREPLY=($(compgen -W \"%1 completion --help --version\" -- \"$cur\"))\n"
               "        return\n"
               "    fi\n"
               "    case \"${COMP_WORDS[1]}\" in\n"
               "%2\n"
               "        *) opts=\"\" ;;\n"
               "    esac\n"
               "    if [[ \"$cur\" == -* ]]; then\n"
               "        COMPREPLY=($(compgen -W \"$opts\" -- \"$cur\"))\n"
               "    else\n"
               "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
               "    fi\n"
               "}\n"
               "complete -o filenames -F _wscalc_cli wscalc-cli")
        .arg(names.join(u' '), cases.join(u'\n'));
}

} // namespace

int Run(const QStringList& args, const Output& io) {
    const CommandTable commands = commandTable();
    const QString first = args.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("help")) {
        Print(io.out, programUsage(commands));
        return kOk;
    }
    if (first == QLatin1String("--version")) {
        Print(io.out, QStringLiteral("wscalc-cli " WSC_VERSION));
        return kOk;
    }
    if (first == QLatin1String("completion")) {
        if (args.size() != 2 || args.at(1) != QLatin1String("bash"))
            return Fail(io, QStringLiteral("usage: wscalc-cli completion bash"));
        Print(io.out, bashCompletion(commands));
        return kOk;
    }
    const auto it = commands.find(first);
    if (it == commands.end()) {
        const QString problem = first.isEmpty()
                                    ? QStringLiteral("no command given")
                                    : QStringLiteral("unknown command \"%1\"").arg(first);
        return Fail(io, problem + u'\n' + programUsage(commands));
    }
    const CommandEntry& entry = it->second;
    const QStringList rest = args.mid(1);
    if (asksForHelp(rest)) {
        Print(io.out, usageOf(first, entry));
        return kOk;
    }
    const Args parsed = Args::parse(rest, entry.valued);
    if (const QString problem = parsed.problem(entry.flags, entry.positional); !problem.isEmpty())
        return Fail(io, problem + u'\n' + usageOf(first, entry));
    const int rc = entry.run(parsed, io);
    if (rc == kUsage)
        return Fail(io, usageOf(first, entry));
    return rc;
}

} // namespace wsc::cli
