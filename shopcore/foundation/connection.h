#pragma once

#include "alias.h"
#include "dialect.h"

#include <QSqlDatabase>

// A window's own named connection to the store an alias names, closed when it goes.
// Opening a store that is not there fails with the engine's message (StoreError Unreachable);
// nothing is created then.
class Connection {
public:
    Connection(const AliasEntry& alias, const QString& purpose);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    const AliasEntry& alias() const { return m_alias; }
    Dialect dialect() const { return Dialect::of(db()); }
    const QString& name() const { return m_name; }

    // Opens the connection without the check that an SQLite file exists: for installing.
    static Connection forInstall(const AliasEntry& alias);

private:
    Connection(const AliasEntry& alias, const QString& purpose, bool mayCreate);
    AliasEntry m_alias;
    QString m_name;
};
