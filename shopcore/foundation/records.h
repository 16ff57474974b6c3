#pragma once

#include <QSqlDatabase>
#include <QVariantMap>
#include <optional>

// Writes single records of a declared table. Values are checked against the table's layout
// first: an unknown field or a text wider than its field raises StoreError and nothing is
// written. Keys and values are field names (any letter case) and values.
namespace Records {

void checkValues(const QString& table, const QVariantMap& values);

// Inserts a record; returns the value given to the table's auto-increment field, if any.
std::optional<qint64> insert(const QSqlDatabase& db, const QString& table,
                             const QVariantMap& values, const char* where);
// Updates the records matching every key field; returns how many changed.
int update(const QSqlDatabase& db, const QString& table, const QVariantMap& values,
           const QVariantMap& key, const char* where);
// Updates every record of a single-record table (the shop record, the queue, the levels).
int updateSingle(const QSqlDatabase& db, const QString& table, const QVariantMap& values,
                 const char* where);
int remove(const QSqlDatabase& db, const QString& table, const QVariantMap& key,
           const char* where);

} // namespace Records
