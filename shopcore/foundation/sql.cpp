#include "sql.h"
#include "dialect.h"
#include "storeerror.h"

#include <QSqlError>
#include <QSqlRecord>

QSqlQuery runSql(const QSqlDatabase& db, const QString& sql, const QVariantMap& binds,
                 const char* where) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // Statements without binds run unprepared: PostgreSQL cannot prepare DDL or BEGIN.
    bool ok = false;
    if (binds.isEmpty()) {
        ok = q.exec(sql);
    } else {
        if (!q.prepare(sql))
            throw StoreError(StoreError::Kind::Engine, QString::fromLatin1(where),
                             q.lastError().text());
        for (auto it = binds.cbegin(); it != binds.cend(); ++it)
            q.bindValue(QLatin1Char(':') + it.key(), it.value());
        ok = q.exec();
    }
    if (!ok) {
        const QSqlError e = q.lastError();
        StoreError::Kind kind = StoreError::Kind::Engine;
        if (Dialect::isDuplicateKey(e))
            kind = StoreError::Kind::DuplicateKey;
        else if (Dialect::isLockConflict(e))
            kind = StoreError::Kind::Locked;
        throw StoreError(kind, QString::fromLatin1(where), e.text());
    }
    return q;
}

QVariant scalar(const QSqlDatabase& db, const QString& sql, const QVariantMap& binds,
                const char* where) {
    QSqlQuery q = runSql(db, sql, binds, where);
    return q.next() ? q.value(0) : QVariant();
}

QVariantMap rowOf(const QSqlQuery& query) {
    QVariantMap row;
    const QSqlRecord rec = query.record();
    for (int i = 0; i < rec.count(); ++i)
        row.insert(rec.fieldName(i).toUpper(), query.value(i));
    return row;
}
