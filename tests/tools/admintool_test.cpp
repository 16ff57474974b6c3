#include "testdatabase.h"
#include "tools/admin/admintool.h"

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/userstore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

Result run(const QStringList& arguments, const QString& typed = {}) {
    Result r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    QString terminal = typed;
    QTextStream in(&terminal);
    AdminTool tool(out, err, typed.isEmpty() ? nullptr : &in);
    r.status = tool.run(arguments);
    out.flush();
    err.flush();
    return r;
}

// The count `check` shows for a table, or -1 when the table is not listed.
int listedCount(const QString& out, const QString& table) {
    const QRegularExpression line(QStringLiteral("^  %1 +(\\d+)$").arg(table),
                                  QRegularExpression::MultilineOption);
    const auto m = line.match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Commands that set or read aliases work on an alias file of the test's own.
class AdminToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("TEKVO_ALIASES", m_dir.filePath(QStringLiteral("aliases.ini")).toUtf8());
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST(CommandLineParser, SplitsCommandArgumentsAndOptions) {
    // A command with options as the first administrator will need them.
    const CommandLineParser parser(QStringLiteral("tool"),
                                   {{QStringLiteral("init"),
                                     0,
                                     1,
                                     {QStringLiteral("admin"), QStringLiteral("password")},
                                     QStringLiteral("[ALIAS]"),
                                     QStringLiteral("install")}});
    QString error;
    auto line = parser.parse({"init", "shop", "--admin", "boss", "--password=a b"}, &error);
    ASSERT_TRUE(line) << error.toStdString();
    EXPECT_EQ(line->command, QStringLiteral("init"));
    EXPECT_EQ(line->arguments, QStringList{"shop"});
    EXPECT_EQ(line->option(QStringLiteral("admin")), QStringLiteral("boss"));
    EXPECT_EQ(line->option(QStringLiteral("password")), QStringLiteral("a b"));

    line = parser.parse({"init", "--", "--odd-name"}, &error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->arguments, QStringList{"--odd-name"});

    line = parser.parse({"init", "--help"}, &error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->help);

    const struct {
        QStringList arguments;
        const char* reason;
    } bad[] = {
        {{}, "no command given"},
        {{"frob"}, "unknown command \"frob\""},
        {{"init", "a", "b"}, "too many arguments"},
        {{"init", "--force"}, "unknown option --force"},
        {{"init", "-f"}, "unknown option -f"},
        {{"init", "--admin"}, "option --admin needs a value"},
        {{"init", "--admin", "a", "--admin=b"}, "option --admin given twice"},
        {{"help", "frob"}, "unknown command"},
    };
    for (const auto& c : bad) {
        error.clear();
        EXPECT_FALSE(parser.parse(c.arguments, &error)) << c.reason;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.reason))) << error.toStdString();
        EXPECT_FALSE(error.contains(QLatin1Char('\n')));
    }
}

TEST_F(AdminToolTest, BadArgumentsGiveOneLineOnStderrAndStatusTwo) {
    const QList<QStringList> bad = {
        {},
        {"frob"},
        {"init", "a", "b"},
        {"check", "--schema", "x"},
        {"check", "not/a/name"},
        {"alias", "shop", "sqlite"},
        {"alias", "shop", "sqlite", "/tmp/x", "extra"},
        {"alias", "shop", "mysql", "x"},
        {"alias", "shop", "postgres", "host", "5432", "db"},
        {"alias", "shop", "postgres", "host", "port", "db", "user"},
        {"alias", "shop", "postgres", "host", "70000", "db", "user"},
        {"alias", "shop", "sqlite", "/tmp/x", "--schema", "s"},
        {"alias", "shop", "--schema", "s"},
    };
    for (const QStringList& arguments : bad) {
        const Result r = run(arguments);
        const std::string shown = arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, AdminTool::BadArguments) << shown;
        EXPECT_TRUE(r.err.startsWith(QLatin1String("tekvo-admin: "))) << shown;
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << shown << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << shown;
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("aliases.ini"))));
}

TEST_F(AdminToolTest, HelpListsEveryCommand) {
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"-h"}, QStringList{"help"}}) {
        const Result r = run(arguments);
        EXPECT_EQ(r.status, AdminTool::Ok);
        for (const char* command :
             {"init [ALIAS]", "alias NAME sqlite FOLDER",
              "alias NAME postgres HOST PORT DATABASE USER", "check", "upgrade"})
            EXPECT_TRUE(r.out.contains(QLatin1String(command))) << command;
        EXPECT_TRUE(r.err.isEmpty());
    }
    const Result one = run({"init", "--help"});
    EXPECT_EQ(one.status, AdminTool::Ok);
    EXPECT_TRUE(one.out.contains(QLatin1String("init [ALIAS]")));
    EXPECT_FALSE(one.out.contains(QLatin1String("check")));
}

TEST_F(AdminToolTest, AliasIsSetAndShownKeepingThePortMap) {
    AliasEntry old;
    old.name = QStringLiteral("shop");
    old.folder = path(QStringLiteral("old"));
    old.com1 = QStringLiteral("/dev/pts/7");
    old.com2 = QStringLiteral("/dev/pts/8");
    ASSERT_TRUE(Alias::write(old));

    // A relative folder is kept as the absolute place.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    Result r = run({"alias", "shop", "sqlite", "data/shop"});
    QDir::setCurrent(cwd);
    ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    auto e = Alias::read(QStringLiteral("shop"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->driver, AliasEntry::Driver::Sqlite);
    EXPECT_EQ(e->folder, path(QStringLiteral("data/shop")));
    EXPECT_EQ(e->com1, QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(e->com2, QStringLiteral("/dev/pts/8"));

    r = run({"alias", "shop", "postgres", "db.local", "5433", "shopdb", "clerk", "secret",
             "--schema", "branch2"});
    ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    e = Alias::read(QStringLiteral("shop"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->driver, AliasEntry::Driver::Postgres);
    EXPECT_EQ(e->host, QStringLiteral("db.local"));
    EXPECT_EQ(e->port, 5433);
    EXPECT_EQ(e->database, QStringLiteral("shopdb"));
    EXPECT_EQ(e->user, QStringLiteral("clerk"));
    EXPECT_EQ(e->password, QStringLiteral("secret"));
    EXPECT_EQ(e->schema, QStringLiteral("branch2"));
    EXPECT_EQ(e->com1, QStringLiteral("/dev/pts/7"));

    r = run({"alias", "shop"});
    EXPECT_EQ(r.status, AdminTool::Ok);
    EXPECT_TRUE(r.out.contains(QLatin1String("postgres clerk@db.local:5433/shopdb")));
    EXPECT_TRUE(r.out.contains(QLatin1String("com1=/dev/pts/7")));
    EXPECT_FALSE(r.out.contains(QLatin1String("secret")));

    r = run({"alias"});
    EXPECT_EQ(r.status, AdminTool::Ok);
    EXPECT_TRUE(r.out.contains(QLatin1String("tekvo30: no entry")));
    EXPECT_TRUE(r.out.contains(Alias::defaultFolder()));
}

TEST_F(AdminToolTest, InitCreatesAMissingSqliteFolderAndCheckListsTheTables) {
    const QString folder = path(QStringLiteral("shops/new"));
    ASSERT_EQ(run({"alias", "shop", "sqlite", folder}).status, AdminTool::Ok);

    Result r = run({"init", "shop", "--admin", "boss", "--password", "secret"});
    ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/shop.sqlite")));

    r = run({"check", "shop"});
    ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    for (const TableDef& t : Schema::tables())
        EXPECT_GE(listedCount(r.out, t.name), 0) << t.name.toStdString();
    EXPECT_EQ(listedCount(r.out, QStringLiteral("Kelmsys")), 1);
    EXPECT_EQ(listedCount(r.out, QStringLiteral("v_grade")), 4);
    EXPECT_EQ(listedCount(r.out, QStringLiteral("Invoice")), 0);
}

TEST_F(AdminToolTest, CheckOfAnUnreachableStoreFailsAndCreatesNothing) {
    const QString folder = path(QStringLiteral("nowhere"));
    ASSERT_EQ(run({"alias", "gone", "sqlite", folder}).status, AdminTool::Ok);
    for (const char* command : {"check", "upgrade"}) {
        const Result r = run({QString::fromLatin1(command), "gone"});
        EXPECT_EQ(r.status, AdminTool::Failed) << command;
        EXPECT_TRUE(r.err.startsWith(QLatin1String("tekvo-admin: gone: "))) << command;
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);
    }
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// On the run's engine: the store of the test's alias "tekvo30", empty at first.
TEST(AdminToolStore, InitInstallsOnceCheckCountsAndUpgradeKeepsTheVersion) {
    TestDatabase t(TestDatabase::Start::Empty);

    Result r = run({"check"});
    EXPECT_EQ(r.status, AdminTool::Failed);
    EXPECT_TRUE(r.err.contains(QLatin1String("no tables installed"))) << r.err.toStdString();

    r = run({"init", "--admin", "boss", "--password", "secret"});
    ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QLatin1String("tekvo30: installed")));
    EXPECT_EQ(Installer::version(t.db()), Schema::Version);

    runSql(t.db(), QStringLiteral("INSERT INTO brand (brand) VALUES ('Lumo')"), "test");
    r = run({"init", "tekvo30", "--admin", "boss", "--password", "secret"});
    EXPECT_EQ(r.status, AdminTool::Failed);
    EXPECT_TRUE(r.err.contains(QLatin1String("already installed"))) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);

    r = run({"check", "tekvo30"});
    ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    EXPECT_EQ(listedCount(r.out, QStringLiteral("Brand")), 1);
    EXPECT_EQ(listedCount(r.out, QStringLiteral("Sevrsys")), 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("layout version %1").arg(Schema::Version)));

    r = run({"upgrade"});
    EXPECT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("tekvo30: layout version %1").arg(Schema::Version));
}

TEST(AdminToolStore, CheckReportsAMissingTable) {
    TestDatabase t;
    runSql(t.db(), QStringLiteral("DROP TABLE v_bill"), "test");
    const Result r = run({"check"});
    EXPECT_EQ(r.status, AdminTool::Failed);
    EXPECT_TRUE(r.out.contains(QRegularExpression(QStringLiteral("v_bill +missing"))));
    EXPECT_TRUE(r.err.contains(QLatin1String("1 of "))) << r.err.toStdString();
}

} // namespace

namespace {

TEST(AdminToolStore, InitTakesTheFirstAdministratorFromFlagsOrTheTerminal) {
    {
        TestDatabase t(TestDatabase::Start::Empty);
        const Result r = run({"init", "--admin", "boss", "--password", "s3cret", "--title",
                              QStringLiteral("เจ้าของร้าน")});
        ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
        const auto user = UserStore::find(t.db(), QStringLiteral("boss"));
        ASSERT_TRUE(user);
        EXPECT_EQ(user->accessLevel(), 1);
        EXPECT_EQ(user->title, QStringLiteral("เจ้าของร้าน"));
        EXPECT_NE(user->password, QStringLiteral("s3cret")); // never stored as typed
    }
    {
        TestDatabase t(TestDatabase::Start::Empty);
        const Result r = run({"init"}, QStringLiteral("clerk\npw1\npw1\n"));
        ASSERT_EQ(r.status, AdminTool::Ok) << r.err.toStdString();
        EXPECT_TRUE(UserStore::find(t.db(), QStringLiteral("clerk")));
    }
    const struct {
        const char* name;
        QStringList arguments;
        QString typed;
        int status;
        const char* error;
    } refused[] = {
        {"no terminal, no flags", {"init"}, {}, AdminTool::BadArguments, "no terminal"},
        {"login without password",
         {"init", "--admin", "boss"},
         {},
         AdminTool::BadArguments,
         "go together"},
        {"passwords differ", {"init"}, QStringLiteral("boss\na\nb\n"), AdminTool::Failed, "differ"},
        {"login too long",
         {"init", "--admin", "abcdefghijklmnopq", "--password", "x"},
         {},
         AdminTool::Failed,
         "longer than 16"},
        {"empty password",
         {"init", "--admin", "boss", "--password", ""},
         {},
         AdminTool::Failed,
         "password is empty"},
    };
    for (const auto& c : refused) {
        TestDatabase t(TestDatabase::Start::Empty);
        const Result r = run(c.arguments, c.typed);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.error)))
            << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(Installer::isInstalled(t.db())) << c.name << ": installed after a refusal";
    }
}

} // namespace
