#include "connection.h"
#include "storeerror.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlQuery>

namespace {
QAtomicInt counter;
}

Connection::Connection(const AliasEntry& alias, const QString& purpose)
    : Connection(alias, purpose, false) {}

Connection Connection::forInstall(const AliasEntry& alias) {
    return Connection(alias, QStringLiteral("install"), true);
}

Connection::Connection(const AliasEntry& alias, const QString& purpose, bool mayCreate)
    : m_alias(alias),
      m_name(QStringLiteral("%1#%2").arg(purpose).arg(counter.fetchAndAddRelaxed(1) + 1)) {
    const QString where = QStringLiteral("Connection(%1)").arg(purpose);
    QSqlDatabase db;
    if (alias.driver == AliasEntry::Driver::Sqlite) {
        const QString file = alias.sqliteFile();
        if (!mayCreate && !QFileInfo::exists(file))
            throw StoreError(StoreError::Kind::Unreachable, where,
                             QStringLiteral("unable to open database file: %1").arg(file));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        // Another station's write waits its turn instead of failing at once.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        db.setHostName(alias.host);
        db.setPort(alias.port);
        db.setDatabaseName(alias.database);
        db.setUserName(alias.user);
        db.setPassword(alias.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    }
    if (!db.open()) {
        const QString message = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw StoreError(StoreError::Kind::Unreachable, where, message);
    }
    prepareSession();
}

void Connection::prepareSession() {
    QSqlQuery q(db());
    if (m_alias.driver == AliasEntry::Driver::Sqlite) {
        q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    } else {
        if (!m_alias.schema.isEmpty())
            q.exec(QStringLiteral("SET search_path TO %1").arg(Dialect::quote(m_alias.schema)));
        q.exec(QStringLiteral("SET client_min_messages TO warning"));
        // A record another station holds fails after a wait, as on SQLite, instead of hanging.
        q.exec(QStringLiteral("SET lock_timeout TO 5000"));
    }
}

void Connection::reopen() {
    QSqlDatabase d = db();
    d.close();
    if (!d.open())
        throw StoreError(StoreError::Kind::Unreachable,
                         QStringLiteral("Connection(%1)").arg(m_name), d.lastError().text());
    prepareSession();
}

Connection::~Connection() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}
