#include "testdatabase.h"

#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/sql.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

QAtomicInt schemaCounter;

AliasEntry postgresServer() {
    AliasEntry e;
    e.driver = AliasEntry::Driver::Postgres;
    const QStringList parts =
        qEnvironmentVariable("TEKVO_TEST_PG").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString key = part.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = part.section(QLatin1Char('='), 1).trimmed();
        if (key == QLatin1String("host"))
            e.host = value;
        else if (key == QLatin1String("port"))
            e.port = value.toInt();
        else if (key == QLatin1String("database"))
            e.database = value;
        else if (key == QLatin1String("user"))
            e.user = value;
        else if (key == QLatin1String("password"))
            e.password = value;
    }
    return e;
}

} // namespace

bool TestDatabase::onPostgres() {
    return qEnvironmentVariable("TEKVO_TEST_BACKEND") == QLatin1String("postgres");
}

TestDatabase::TestDatabase(Start start) {
    m_alias.name = Alias::DefaultName;
    if (onPostgres()) {
        m_alias = postgresServer();
        m_alias.name = Alias::DefaultName;
        m_alias.schema = QStringLiteral("t%1_%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(schemaCounter.fetchAndAddRelaxed(1));
        Connection admin(postgresServer(), QStringLiteral("test-admin"));
        runSql(admin.db(), QStringLiteral("CREATE SCHEMA \"%1\"").arg(m_alias.schema),
               "TestDatabase");
    } else {
        m_alias.driver = AliasEntry::Driver::Sqlite;
        m_alias.folder = m_dir.path();
    }
    qputenv("TEKVO_ALIASES", m_dir.filePath(QStringLiteral("aliases.ini")).toUtf8());
    Alias::write(m_alias);
    {
        Connection c = Connection::forInstall(m_alias);
        if (start == Start::Installed)
            Installer::install(c.db());
    }
    m_main = connect(QStringLiteral("test"));
}

TestDatabase::~TestDatabase() {
    m_main.reset();
    if (onPostgres()) {
        Connection admin(postgresServer(), QStringLiteral("test-admin"));
        runSql(admin.db(), QStringLiteral("DROP SCHEMA \"%1\" CASCADE").arg(m_alias.schema),
               "TestDatabase");
    }
}

std::unique_ptr<Connection> TestDatabase::connect(const QString& purpose) const {
    return std::make_unique<Connection>(m_alias, purpose);
}
