#pragma once

#include "money.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantMap>

// Runs one statement with named binds (":NAME") and raises StoreError with the caller's name
// and the engine's message when it fails. All SQL of the stores goes through here.
QSqlQuery runSql(const QSqlDatabase& db, const QString& sql, const QVariantMap& binds,
                 const char* where);
inline QSqlQuery runSql(const QSqlDatabase& db, const QString& sql, const char* where) {
    return runSql(db, sql, {}, where);
}

// The first column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QSqlDatabase& db, const QString& sql, const QVariantMap& binds,
                const char* where);

// Every column of the current row, keyed by the upper-case field name.
QVariantMap rowOf(const QSqlQuery& query);

// Text of a field value: null becomes an empty text; fixed-width padding is kept as stored.
inline QString textOf(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}
// The same for a field of a row read by rowOf.
inline QString textOf(const QVariantMap& row, const char* field) {
    return textOf(row.value(QString::fromLatin1(field)));
}
// An amount field of a row read by rowOf (null is zero), to the nearest ten-thousandth.
inline Money amountOf(const QVariantMap& row, const char* field) {
    return Money::fromDouble(row.value(QString::fromLatin1(field)).toDouble());
}
