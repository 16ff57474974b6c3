#include "stockonhand.h"

#include "shopcore/foundation/sql.h"

#include <QSqlQuery>

namespace {

QHash<QString, double> grouped(const QSqlDatabase& db, const QString& sql) {
    QHash<QString, double> out;
    QSqlQuery q = runSql(db, sql, "OpenMovements::read");
    while (q.next())
        out.insert(q.value(0).toString(), q.value(1).toDouble());
    return out;
}

} // namespace

double StockOnHand(const QSqlDatabase& db, const QString& code, RepairLines repairs) {
    // One statement, one indexed aggregate per table (lines are indexed on product and code).
    static const QString withRepairs = QStringLiteral(
        "SELECT coalesce((SELECT sum(pro_total) FROM product WHERE pro_no = :CODE), 0)"
        " + coalesce((SELECT sum(pro_qty) FROM order1 WHERE pro_no = :CODE AND stk_post = 2), 0)"
        " - coalesce((SELECT sum(pro_qty) FROM invoice1 WHERE pro_no = :CODE AND stk_post = 1), 0)"
        " - coalesce((SELECT sum(qty) FROM service1 WHERE spr_no = :CODE AND stk_post = 1), 0)");
    static const QString withoutRepairs =
        withRepairs.left(withRepairs.lastIndexOf(QLatin1String(" - ")));
    return scalar(db, repairs == RepairLines::Counted ? withRepairs : withoutRepairs,
                  {{QStringLiteral("CODE"), code}}, "StockOnHand")
        .toDouble();
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
