#pragma once

#include "commandline.h"

#include <QTextStream>
#include <functional>
#include <optional>

struct AliasEntry;

// tekvo-admin: installs the tables into the store an alias names, shows and sets alias
// entries, lists the tables with their record counts and brings older stores up to the
// current layout. Results go to `out`; a failure is one line on `err` and a non-zero status.
class AdminTool {
public:
    enum Status { Ok = 0, Failed = 1, BadArguments = 2 };

    // `in` answers the questions of `init` (the terminal); nullptr when there is none.
    AdminTool(QTextStream& out, QTextStream& err, QTextStream* in = nullptr);
    // Switches the terminal's echo off (false) and on again around typed passwords.
    void setEchoControl(std::function<void(bool)> echo) { m_echo = std::move(echo); }

    // Runs one command line (without the program name); returns the exit status.
    int run(const QStringList& arguments);
    const CommandLineParser& parser() const { return m_parser; }

private:
    struct FirstAdministrator {
        QString login;
        QString password;
        QString title;
    };
    std::optional<FirstAdministrator> firstAdministrator(const CommandLine& line, int* status);
    std::optional<QString> ask(const QString& prompt, bool secret);
    int init(const CommandLine& line);
    int alias(const CommandLine& line);
    int check(const CommandLine& line);
    int upgrade(const CommandLine& line);

    int showAlias(const QString& name);
    int setAlias(const CommandLine& line);
    int error(const QString& message, Status status = Failed);
    bool validAliasName(const QString& name);

    QTextStream& m_out;
    QTextStream& m_err;
    QTextStream* m_in;
    std::function<void(bool)> m_echo;
    CommandLineParser m_parser;
};
