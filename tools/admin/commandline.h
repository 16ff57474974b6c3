#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// A command of a console tool: how many plain arguments it takes and which "--name value"
// options it knows. A new option is one more name in `options`.
struct CommandDef {
    QString name;
    int minArguments = 0;
    int maxArguments = 0;
    QStringList options; // option names without "--", each taking a value
    QString usage;       // the arguments part of the usage line(s), one form per line
    QString summary;
};

struct CommandLine {
    QString command;       // empty when only help was asked for
    QStringList arguments; // the plain arguments after the command
    QMap<QString, QString> options;
    bool help = false; // "--help" anywhere, "-h" or "help"

    QString argument(int i, const QString& fallback = {}) const {
        return i < arguments.size() ? arguments[i] : fallback;
    }
    QString option(const QString& name) const { return options.value(name); }
    bool hasOption(const QString& name) const { return options.contains(name); }
};

// Splits the arguments of a tool into its command, the command's arguments and its options
// ("--name value", "--name=value"; "--" ends the options), and checks them against the
// command's definition.
class CommandLineParser {
public:
    CommandLineParser(QString program, QList<CommandDef> commands);

    // The command line, or nullopt with a one-line reason in *error.
    std::optional<CommandLine> parse(const QStringList& arguments, QString* error) const;
    // Every command's usage lines and summary; or those of one command.
    QString usage(const QString& command = {}) const;
    const CommandDef* command(const QString& name) const;
    const QString& program() const { return m_program; }

private:
    QString m_program;
    QList<CommandDef> m_commands;
};
