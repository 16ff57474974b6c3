#pragma once

#include "schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

// What differs between SQLite and PostgreSQL, in one place. Generated SQL quotes every name in
// lower case: PostgreSQL folds the unquoted names of hand-written queries to lower case and
// SQLite compares names without case, so both meet the same tables.
class Dialect {
public:
    enum class Engine { Sqlite, Postgres };

    explicit Dialect(Engine engine) : m_engine(engine) {}
    static Dialect of(const QSqlDatabase& db);

    Engine engine() const { return m_engine; }
    bool isPostgres() const { return m_engine == Engine::Postgres; }

    static QString quote(const QString& name);
    QString columnType(const Field& field) const;
    QString createTable(const TableDef& table) const;
    QStringList createIndexes(const TableDef& table) const;
    QString beginTransaction(bool takeWriteLockNow) const;

    // Classifies an engine error of a write.
    static bool isDuplicateKey(const QSqlError& error);
    static bool isLockConflict(const QSqlError& error);

private:
    Engine m_engine;
};
