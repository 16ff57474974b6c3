#include "commandline.h"

namespace {

bool isHelp(const QString& a) {
    return a == QLatin1String("--help") || a == QLatin1String("-h");
}

} // namespace

CommandLineParser::CommandLineParser(QString program, QList<CommandDef> commands)
    : m_program(std::move(program)), m_commands(std::move(commands)) {}

const CommandDef* CommandLineParser::command(const QString& name) const {
    for (const CommandDef& c : m_commands)
        if (c.name == name)
            return &c;
    return nullptr;
}

std::optional<CommandLine> CommandLineParser::parse(const QStringList& arguments,
                                                    QString* error) const {
    const auto fail = [&](const QString& reason) -> std::optional<CommandLine> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    CommandLine line;
    if (arguments.isEmpty())
        return fail(QStringLiteral("no command given (see %1 --help)").arg(m_program));
    const QString first = arguments.first();
    if (isHelp(first) || first == QLatin1String("help")) {
        line.help = true;
        line.command = arguments.value(1);
        if (!line.command.isEmpty() && !command(line.command))
            return fail(QStringLiteral("unknown command \"%1\" (see %2 --help)")
                            .arg(line.command, m_program));
        return line;
    }
    const CommandDef* def = command(first);
    if (!def)
        return fail(QStringLiteral("unknown command \"%1\" (see %2 --help)").arg(first, m_program));
    line.command = def->name;

    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString a = arguments[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            line.arguments << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (isHelp(a)) {
            line.help = true;
            continue;
        }
        if (!a.startsWith(QLatin1String("--")))
            return fail(QStringLiteral("%1: unknown option %2").arg(def->name, a));
        QString name = a.mid(2);
        QString value;
        const int equals = name.indexOf(QLatin1Char('='));
        const bool inline_ = equals >= 0;
        if (inline_) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        }
        if (!def->options.contains(name))
            return fail(QStringLiteral("%1: unknown option --%2").arg(def->name, name));
        if (!inline_) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("%1: option --%2 needs a value").arg(def->name, name));
            value = arguments[++i];
        }
        if (line.options.contains(name))
            return fail(QStringLiteral("%1: option --%2 given twice").arg(def->name, name));
        line.options.insert(name, value);
    }
    if (line.help)
        return line;
    const QString usageHint =
        QStringLiteral("(usage: %1 %2 %3)")
            .arg(m_program, def->name,
                 def->usage.split(QLatin1Char('\n')).join(QStringLiteral(" | ")));
    if (line.arguments.size() < def->minArguments)
        return fail(QStringLiteral("%1: too few arguments %2").arg(def->name, usageHint));
    if (line.arguments.size() > def->maxArguments)
        return fail(QStringLiteral("%1: too many arguments %2").arg(def->name, usageHint));
    return line;
}

QString CommandLineParser::usage(const QString& only) const {
    QStringList lines;
    if (only.isEmpty())
        lines << QStringLiteral("Usage: %1 COMMAND [ARGUMENTS]").arg(m_program);
    for (const CommandDef& c : m_commands) {
        if (!only.isEmpty() && c.name != only)
            continue;
        for (const QString& form : c.usage.split(QLatin1Char('\n')))
            lines << QStringLiteral("  %1 %2 %3")
                         .arg(m_program, c.name, form)
                         .trimmed()
                         .prepend(QStringLiteral("  "));
        lines << QStringLiteral("      ") + c.summary;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
