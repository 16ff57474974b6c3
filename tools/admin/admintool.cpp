#include "admintool.h"

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/transaction.h"
#include "shopcore/foundation/userstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString Program = QStringLiteral("tekvo-admin");
// Users type at most 16 characters of login name and password.
constexpr int TypedWidth = 16;

QList<CommandDef> commands() {
    return {
        {QStringLiteral("init"),
         0,
         1,
         {QStringLiteral("admin"), QStringLiteral("password"), QStringLiteral("title")},
         QStringLiteral("[ALIAS] [--admin LOGIN --password PASSWORD [--title TITLE]]"),
         QStringLiteral("install the tables into the store ALIAS names (default tekvo30) with "
                        "its first administrator, asked for on the terminal unless given; "
                        "an SQLite folder is created when missing")},
        {QStringLiteral("alias"),
         0,
         7,
         {QStringLiteral("schema")},
         QStringLiteral("[NAME]\n"
                        "NAME sqlite FOLDER\n"
                        "NAME postgres HOST PORT DATABASE USER [PASSWORD] [--schema SCHEMA]"),
         QStringLiteral("show the entry of NAME (default tekvo30), or set it to an SQLite data "
                        "folder or a PostgreSQL database; com1/com2 are kept")},
        {QStringLiteral("check"),
         0,
         1,
         {},
         QStringLiteral("[ALIAS]"),
         QStringLiteral("list the tables of the store with their record counts")},
        {QStringLiteral("upgrade"),
         0,
         1,
         {},
         QStringLiteral("[ALIAS]"),
         QStringLiteral("bring the tables of the store up to this program's layout")},
    };
}

// Engine messages may span lines; the tool reports on one.
QString oneLine(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s*\\n\\s*")), QStringLiteral(" "))
        .trimmed();
}

QString describe(const AliasEntry& e) {
    QString text = e.describe();
    if (e.driver == AliasEntry::Driver::Postgres && !e.password.isEmpty())
        text += QStringLiteral(" (password set)");
    return text;
}

// PostgreSQL installs into the alias's schema, created when missing.
void prepareSchema(const Connection& c, const AliasEntry& e) {
    if (e.driver != AliasEntry::Driver::Postgres || e.schema.isEmpty())
        return;
    runSql(c.db(), QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(Dialect::quote(e.schema)),
           "tekvo-admin init");
    runSql(c.db(), QStringLiteral("SET search_path TO %1").arg(Dialect::quote(e.schema)),
           "tekvo-admin init");
}

} // namespace

AdminTool::AdminTool(QTextStream& out, QTextStream& err, QTextStream* in)
    : m_out(out), m_err(err), m_in(in), m_parser(Program, commands()) {}

std::optional<QString> AdminTool::ask(const QString& prompt, bool secret) {
    if (!m_in || m_in->atEnd())
        return std::nullopt;
    m_out << prompt << Qt::flush;
    if (secret && m_echo)
        m_echo(false);
    const QString answer = m_in->readLine();
    if (secret && m_echo) {
        m_echo(true);
        m_out << Qt::endl;
    }
    return answer;
}

std::optional<AdminTool::FirstAdministrator> AdminTool::firstAdministrator(const CommandLine& line,
                                                                           int* status) {
    FirstAdministrator a;
    a.title = line.hasOption(QStringLiteral("title")) ? line.option(QStringLiteral("title"))
                                                      : QStringLiteral("ผู้ดูแลระบบ");
    const bool given = line.hasOption(QStringLiteral("admin"));
    if (given != line.hasOption(QStringLiteral("password"))) {
        *status = error(QStringLiteral("init: --admin and --password go together"), BadArguments);
        return std::nullopt;
    }
    if (given) {
        a.login = line.option(QStringLiteral("admin"));
        a.password = line.option(QStringLiteral("password"));
    } else {
        const auto login = ask(QStringLiteral("Login name of the first administrator: "), false);
        const auto password = login ? ask(QStringLiteral("Password: "), true) : std::nullopt;
        const auto again = password ? ask(QStringLiteral("Password again: "), true) : std::nullopt;
        if (!again) {
            *status = error(QStringLiteral("init: no terminal to ask for the first administrator; "
                                           "give --admin and --password"),
                            BadArguments);
            return std::nullopt;
        }
        if (*password != *again) {
            *status = error(QStringLiteral("init: the two passwords differ; nothing installed"));
            return std::nullopt;
        }
        a.login = login->trimmed();
        a.password = *password;
    }
    // Checked before anything is installed, so that a refusal leaves the store untouched.
    QString problem;
    if (a.login.trimmed().isEmpty())
        problem = QStringLiteral("the login name is empty");
    else if (a.login.size() > TypedWidth)
        problem = QStringLiteral("the login name is longer than %1 characters").arg(TypedWidth);
    else if (a.password.isEmpty())
        problem = QStringLiteral("the password is empty");
    else if (a.password.size() > TypedWidth)
        problem = QStringLiteral("the password is longer than %1 characters").arg(TypedWidth);
    else if (a.title.size() > 40)
        problem = QStringLiteral("the title is longer than 40 characters");
    if (!problem.isEmpty()) {
        *status = error(QStringLiteral("init: ") + problem + QStringLiteral("; nothing installed"));
        return std::nullopt;
    }
    return a;
}

int AdminTool::error(const QString& message, Status status) {
    m_err << Program << ": " << oneLine(message) << Qt::endl;
    return status;
}

bool AdminTool::validAliasName(const QString& name) {
    // A section name of the alias file: no "/" (nested groups) and no blanks.
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    return valid.match(name).hasMatch();
}

int AdminTool::run(const QStringList& arguments) {
    QString reason;
    const auto line = m_parser.parse(arguments, &reason);
    if (!line)
        return error(reason, BadArguments);
    if (line->help) {
        m_out << m_parser.usage(line->command);
        if (line->command.isEmpty())
            m_out << "The alias file is " << Alias::filePath()
                  << " (TEKVO_ALIASES names another).\n";
        m_out.flush();
        return Ok;
    }
    const QString name = line->argument(0, Alias::DefaultName);
    if (!validAliasName(name))
        return error(
            QStringLiteral("%1: not an alias name (letters, digits, _ . - only)").arg(name),
            BadArguments);
    try {
        if (line->command == QLatin1String("init"))
            return init(*line);
        if (line->command == QLatin1String("alias"))
            return alias(*line);
        if (line->command == QLatin1String("check"))
            return check(*line);
        return upgrade(*line);
    } catch (const StoreError& e) {
        return error(QStringLiteral("%1: %2").arg(name, e.message()));
    }
}

int AdminTool::init(const CommandLine& line) {
    const AliasEntry e = Alias::resolve(line.argument(0, Alias::DefaultName));
    int refused = Ok;
    const auto admin = firstAdministrator(line, &refused);
    if (!admin)
        return refused;
    bool createdFile = false;
    if (e.driver == AliasEntry::Driver::Sqlite) {
        if (!QDir().mkpath(e.folder))
            return error(QStringLiteral("%1: cannot create the folder %2").arg(e.name, e.folder));
        createdFile = !QFileInfo::exists(e.sqliteFile());
    }
    try {
        Connection c = Connection::forInstall(e);
        prepareSchema(c, e);
        if (Installer::isInstalled(c.db())) {
            createdFile = false;
            return error(
                QStringLiteral("%1: the tables are already installed in %2; nothing changed")
                    .arg(e.name, describe(e)));
        }
        Installer::install(c.db());
        UserStore::createFirstAdministrator(c.db(), admin->login, admin->title, admin->password);
    } catch (const StoreError&) {
        // Leave no empty database file behind for the programs to open.
        if (createdFile)
            QFile::remove(e.sqliteFile());
        throw;
    }
    m_out << e.name << ": installed " << Schema::tables().size() << " tables in " << describe(e)
          << " with the administrator " << admin->login << Qt::endl;
    return Ok;
}

int AdminTool::alias(const CommandLine& line) {
    if (line.arguments.size() <= 1) {
        if (line.hasOption(QStringLiteral("schema")))
            return error(QStringLiteral("alias: --schema goes with NAME postgres ..."),
                         BadArguments);
        return showAlias(line.argument(0, Alias::DefaultName));
    }
    return setAlias(line);
}

int AdminTool::showAlias(const QString& name) {
    const auto entry = Alias::read(name);
    if (!entry) {
        const AliasEntry fallback = Alias::resolve(name);
        m_out << name << ": no entry in " << Alias::filePath()
              << "; the programs use the embedded default " << describe(fallback) << Qt::endl;
        return Ok;
    }
    m_out << name << ": " << describe(*entry) << '\n'
          << "  com1=" << entry->com1 << " com2=" << entry->com2 << '\n'
          << "  in " << Alias::filePath() << Qt::endl;
    return Ok;
}

int AdminTool::setAlias(const CommandLine& line) {
    const QString name = line.argument(0);
    const QString driver = line.argument(1);
    const int given = int(line.arguments.size());
    AliasEntry e;
    e.name = name;
    // The port map stays as it was set for this shop.
    if (const auto old = Alias::read(name)) {
        e.com1 = old->com1;
        e.com2 = old->com2;
    }
    if (driver == QLatin1String("sqlite")) {
        if (given != 3)
            return error(QStringLiteral("alias: expected NAME sqlite FOLDER"), BadArguments);
        if (line.hasOption(QStringLiteral("schema")))
            return error(QStringLiteral("alias: --schema is for postgres entries"), BadArguments);
        if (line.argument(2).trimmed().isEmpty())
            return error(QStringLiteral("alias: the folder is empty"), BadArguments);
        e.driver = AliasEntry::Driver::Sqlite;
        // The programs start from any folder: keep the place, not the way there.
        e.folder = QFileInfo(line.argument(2)).absoluteFilePath();
    } else if (driver == QLatin1String("postgres")) {
        if (given < 6)
            return error(
                QStringLiteral("alias: expected NAME postgres HOST PORT DATABASE USER [PASSWORD]"),
                BadArguments);
        bool ok = false;
        const int port = line.argument(3).toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return error(
                QStringLiteral("alias: %1 is not a port number (1-65535)").arg(line.argument(3)),
                BadArguments);
        e.driver = AliasEntry::Driver::Postgres;
        e.host = line.argument(2);
        e.port = port;
        e.database = line.argument(4);
        e.user = line.argument(5);
        e.password = line.argument(6);
        e.schema = line.option(QStringLiteral("schema"));
    } else {
        return error(
            QStringLiteral("alias: unknown driver \"%1\" (sqlite or postgres)").arg(driver),
            BadArguments);
    }
    QString why;
    if (!Alias::write(e, &why))
        return error(QStringLiteral("%1: %2").arg(name, why));
    m_out << name << ": " << describe(e) << Qt::endl;
    return Ok;
}

int AdminTool::check(const CommandLine& line) {
    const AliasEntry e = Alias::resolve(line.argument(0, Alias::DefaultName));
    Connection c(e, QStringLiteral("tekvo-admin"));
    const int version = Installer::version(c.db());
    if (version == 0)
        return error(QStringLiteral("%1: no tables installed in %2 (see %3 init)")
                         .arg(e.name, describe(e), Program));
    m_out << e.name << ": " << describe(e) << ", layout version " << version << '\n';
    int missing = 0;
    for (const TableDef& t : Schema::tables()) {
        QString count;
        try {
            count = scalar(c.db(),
                           QStringLiteral("SELECT COUNT(*) FROM %1").arg(Dialect::quote(t.name)),
                           {}, "tekvo-admin check")
                        .toString();
        } catch (const StoreError&) {
            count = QStringLiteral("missing");
            ++missing;
        }
        m_out << "  " << t.name.leftJustified(14) << ' ' << count.rightJustified(9) << '\n';
    }
    m_out.flush();
    if (missing > 0)
        return error(QStringLiteral("%1: %2 of %3 tables missing")
                         .arg(e.name)
                         .arg(missing)
                         .arg(Schema::tables().size()));
    return Ok;
}

int AdminTool::upgrade(const CommandLine& line) {
    const AliasEntry e = Alias::resolve(line.argument(0, Alias::DefaultName));
    Connection c(e, QStringLiteral("tekvo-admin"));
    const int before = Installer::version(c.db());
    const int after = Installer::upgrade(c.db());
    m_out << e.name << ": layout version " << after;
    if (after != before)
        m_out << " (was " << before << ")";
    m_out << Qt::endl;
    return Ok;
}
