#include "stockmovements.h"

#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Ids per statement: well below the bind limits of both engines.
constexpr int Chunk = 500;

QString name(const QString& table, const QString& field = QString()) {
    const TableDef* t = Schema::table(table);
    if (!t || (!field.isEmpty() && !t->field(field)))
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("StockMovements"),
                         QStringLiteral("ไม่มีแฟ้มข้อมูล %1 %2").arg(table, field));
    return Dialect::quote(field.isEmpty() ? t->name : t->field(field)->name);
}

void execOrThrow(QSqlQuery& q, const char* where) {
    if (q.exec())
        return;
    const QSqlError e = q.lastError();
    StoreError::Kind kind = StoreError::Kind::Engine;
    if (Dialect::isLockConflict(e))
        kind = StoreError::Kind::Locked;
    throw StoreError(kind, QString::fromLatin1(where), e.text());
}

QSqlQuery prepared(const QSqlDatabase& db, const QString& sql, const char* where) {
    QSqlQuery q(db);
    if (!q.prepare(sql))
        throw StoreError(StoreError::Kind::Engine, QString::fromLatin1(where),
                         q.lastError().text());
    return q;
}

// Marks the lines 0 in chunks; every line must still be open.
void markFolded(const QSqlDatabase& db, const FoldedSide& side) {
    const QList<Movement>& lines = *side.lines;
    const QString table = name(side.source.table);
    auto statementFor = [&](int n) {
        QStringList marks;
        for (int i = 0; i < n; ++i)
            marks << QStringLiteral(":a%1").arg(i);
        return prepared(db,
                        QStringLiteral("UPDATE %1 SET stk_post = 0 WHERE stk_post = %2 AND "
                                       "auto IN (%3)")
                            .arg(table)
                            .arg(side.source.openCode)
                            .arg(marks.join(QLatin1Char(','))),
                        "StockMovements::fold");
    };
    QSqlQuery full = statementFor(Chunk);
    for (qsizetype start = 0; start < lines.size(); start += Chunk) {
        const int n = int(std::min<qsizetype>(Chunk, lines.size() - start));
        QSqlQuery partial;
        QSqlQuery& q = n == Chunk ? full : (partial = statementFor(n));
        for (int i = 0; i < n; ++i)
            q.bindValue(i, lines[start + i].autoId);
        execOrThrow(q, "StockMovements::fold");
        if (q.numRowsAffected() != n)
            throw StoreError(
                StoreError::Kind::Refused, QStringLiteral("StockMovements::fold"),
                QStringLiteral("รายการใน %1 ถูกเปลี่ยนแปลงระหว่างปรับ STOCK").arg(side.source.table));
    }
}

} // namespace

MovementSource MovementSource::purchases() {
    return {QStringLiteral("Order1"), QStringLiteral("PRO_NO"), QStringLiteral("PRO_QTY"), 2};
}

MovementSource MovementSource::sales() {
    return {QStringLiteral("Invoice1"), QStringLiteral("PRO_NO"), QStringLiteral("PRO_QTY"), 1};
}

MovementSource MovementSource::repairParts() {
    return {QStringLiteral("Service1"), QStringLiteral("SPR_NO"), QStringLiteral("QTY"), 1};
}

namespace StockMovements {

QList<Movement> readOpen(const QSqlDatabase& db, const MovementSource& s) {
    QSqlQuery q =
        runSql(db,
               QStringLiteral("SELECT auto, %1, %2, stk_post FROM %3 "
                              "WHERE stk_post = %4 ORDER BY auto")
                   .arg(name(s.table, s.codeField), name(s.table, s.quantityField), name(s.table))
                   .arg(s.openCode),
               "StockMovements::readOpen");
    QList<Movement> out;
    while (q.next())
        out.append({q.value(0).toLongLong(), textOf(q.value(1)), q.value(2).toDouble(),
                    int(q.value(3).toDouble())});
    return out;
}

QHash<QString, double> balances(const QSqlDatabase& db) {
    QHash<QString, double> out;
    QSqlQuery q = runSql(db, QStringLiteral("SELECT pro_no, pro_total FROM product"),
                         "StockMovements::balances");
    while (q.next())
        out.insert(textOf(q.value(0)), q.value(1).toDouble());
    return out;
}

void fold(const QSqlDatabase& db, const QList<FoldedSide>& sides,
          const QHash<QString, double>& balanceChanges) {
    Transaction tx(db, Transaction::Lock::WriteLockNow);
    for (const FoldedSide& side : sides)
        markFolded(db, side);
    QSqlQuery product = prepared(db,
                                 QStringLiteral("UPDATE product SET pro_total = "
                                                "coalesce(pro_total, 0) + :CHANGE "
                                                "WHERE pro_no = :CODE"),
                                 "StockMovements::fold");
    for (auto it = balanceChanges.cbegin(); it != balanceChanges.cend(); ++it) {
        product.bindValue(QStringLiteral(":CHANGE"), it.value());
        product.bindValue(QStringLiteral(":CODE"), it.key());
        execOrThrow(product, "StockMovements::fold");
    }
    tx.commit();
}

} // namespace StockMovements
