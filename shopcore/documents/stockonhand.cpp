#include "stockonhand.h"

#include "shopcore/foundation/sql.h"

#include <QSqlQuery>

namespace {

// One indexed aggregate per table (the line tables carry an index on product and code).
double sumOf(const QSqlDatabase& db, const QString& sql, const QString& code) {
    return scalar(db, sql, {{QStringLiteral("CODE"), code}}, "StockOnHand").toDouble();
}

QHash<QString, double> grouped(const QSqlDatabase& db, const QString& sql) {
    QHash<QString, double> out;
    QSqlQuery q = runSql(db, sql, "OpenMovements::read");
    while (q.next())
        out.insert(q.value(0).toString(), q.value(1).toDouble());
    return out;
}

} // namespace

double StockOnHand(const QSqlDatabase& db, const QString& code, RepairLines repairs) {
    double onHand = sumOf(db,
                          QStringLiteral("SELECT coalesce(sum(pro_total), 0) FROM product "
                                         "WHERE pro_no = :CODE"),
                          code);
    onHand += sumOf(db,
                    QStringLiteral("SELECT coalesce(sum(pro_qty), 0) FROM order1 "
                                   "WHERE pro_no = :CODE AND stk_post = 2"),
                    code);
    onHand -= sumOf(db,
                    QStringLiteral("SELECT coalesce(sum(pro_qty), 0) FROM invoice1 "
                                   "WHERE pro_no = :CODE AND stk_post = 1"),
                    code);
    if (repairs == RepairLines::Counted)
        onHand -= sumOf(db,
                        QStringLiteral("SELECT coalesce(sum(qty), 0) FROM service1 "
                                       "WHERE spr_no = :CODE AND stk_post = 1"),
                        code);
    return onHand;
}

OpenMovements OpenMovements::read(const QSqlDatabase& db) {
    OpenMovements m;
    m.purchases = grouped(db, QStringLiteral("SELECT pro_no, sum(pro_qty) FROM order1 "
                                             "WHERE stk_post = 2 GROUP BY pro_no"));
    m.sales = grouped(db, QStringLiteral("SELECT pro_no, sum(pro_qty) FROM invoice1 "
                                         "WHERE stk_post = 1 GROUP BY pro_no"));
    m.repairs = grouped(db, QStringLiteral("SELECT spr_no, sum(qty) FROM service1 "
                                           "WHERE stk_post = 1 GROUP BY spr_no"));
    return m;
}

double OpenMovements::onHand(const QString& code, double storedBalance,
                             RepairLines repairLines) const {
    double total = storedBalance + purchases.value(code) - sales.value(code);
    if (repairLines == RepairLines::Counted)
        total -= repairs.value(code);
    return total;
}
