#include "records.h"
#include "dialect.h"
#include "schema.h"
#include "sql.h"
#include "storeerror.h"

namespace {

const TableDef& tableOrThrow(const QString& table, const char* where) {
    const TableDef* t = Schema::table(table);
    if (!t)
        throw StoreError(StoreError::Kind::Refused, QString::fromLatin1(where),
                         QStringLiteral("ไม่มีแฟ้มข้อมูล %1").arg(table));
    return *t;
}

QString whereClause(const QVariantMap& key, QVariantMap& binds) {
    QStringList parts;
    int i = 0;
    for (auto it = key.cbegin(); it != key.cend(); ++it, ++i) {
        const QString bind = QStringLiteral("k%1").arg(i);
        parts << Dialect::quote(it.key()) + QStringLiteral(" = :") + bind;
        binds.insert(bind, it.value());
    }
    return parts.join(QStringLiteral(" AND "));
}

QString setClause(const QVariantMap& values, QVariantMap& binds) {
    QStringList parts;
    int i = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it, ++i) {
        const QString bind = QStringLiteral("v%1").arg(i);
        parts << Dialect::quote(it.key()) + QStringLiteral(" = :") + bind;
        binds.insert(bind, it.value());
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

namespace Records {

void checkValues(const QString& table, const QVariantMap& values) {
    const TableDef& t = tableOrThrow(table, "Records::checkValues");
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const Field* f = t.field(it.key());
        if (!f)
            throw StoreError(StoreError::Kind::Refused, QStringLiteral("Records::checkValues"),
                             QStringLiteral("ไม่มีช่อง %1 ในแฟ้ม %2").arg(it.key(), t.name));
        if (f->type == FieldType::Text && !it.value().isNull() &&
            it.value().toString().size() > f->width)
            throw StoreError(StoreError::Kind::TooWide, QStringLiteral("Records::checkValues"),
                             QStringLiteral("ข้อมูล %1 ยาวเกิน %2 ตัวอักษร ไม่ได้บันทึก")
                                 .arg(f->name)
                                 .arg(f->width));
    }
}

std::optional<qint64> insert(const QSqlDatabase& db, const QString& table,
                             const QVariantMap& values, const char* where) {
    checkValues(table, values);
    const TableDef& t = tableOrThrow(table, where);
    QStringList cols, marks;
    QVariantMap binds;
    int i = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it, ++i) {
        cols << Dialect::quote(it.key());
        marks << QStringLiteral(":v%1").arg(i);
        binds.insert(QStringLiteral("v%1").arg(i), it.value());
    }
    const Field* autoField = nullptr;
    for (const Field& f : t.fields)
        if (f.type == FieldType::AutoInc)
            autoField = &f;
    QString sql = cols.isEmpty()
                      ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Dialect::quote(t.name))
                      : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(Dialect::quote(t.name), cols.join(QStringLiteral(", ")),
                                 marks.join(QStringLiteral(", ")));
    const bool postgres = Dialect::of(db).isPostgres();
    if (autoField && postgres)
        sql += QStringLiteral(" RETURNING ") + Dialect::quote(autoField->name);
    QSqlQuery q = runSql(db, sql, binds, where);
    if (!autoField)
        return std::nullopt;
    if (postgres)
        return q.next() ? std::optional<qint64>(q.value(0).toLongLong()) : std::nullopt;
    return q.lastInsertId().toLongLong();
}

int update(const QSqlDatabase& db, const QString& table, const QVariantMap& values,
           const QVariantMap& key, const char* where) {
    checkValues(table, values);
    checkValues(table, key);
    QVariantMap binds;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(Dialect::quote(tableOrThrow(table, where).name),
                                 setClause(values, binds), whereClause(key, binds));
    return runSql(db, sql, binds, where).numRowsAffected();
}

int updateSingle(const QSqlDatabase& db, const QString& table, const QVariantMap& values,
                 const char* where) {
    checkValues(table, values);
    QVariantMap binds;
    const QString sql = QStringLiteral("UPDATE %1 SET %2")
                            .arg(Dialect::quote(tableOrThrow(table, where).name),
                                 setClause(values, binds));
    return runSql(db, sql, binds, where).numRowsAffected();
}

int remove(const QSqlDatabase& db, const QString& table, const QVariantMap& key,
           const char* where) {
    checkValues(table, key);
    QVariantMap binds;
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2")
                            .arg(Dialect::quote(tableOrThrow(table, where).name),
                                 whereClause(key, binds));
    return runSql(db, sql, binds, where).numRowsAffected();
}

} // namespace Records
