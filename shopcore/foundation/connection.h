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

    // Closes and opens the connection again, as after the server went away; the session is
    // set up as at first. Throws StoreError Unreachable when the store cannot be reached.
    void reopen();

    // Opens the connection without the check that an SQLite file exists: for installing.
    static Connection forInstall(const AliasEntry& alias);

private:
    Connection(const AliasEntry& alias, const QString& purpose, bool mayCreate);
    void prepareSession();
    AliasEntry m_alias;
    QString m_name;
};
