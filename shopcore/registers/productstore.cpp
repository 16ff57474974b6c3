#include "productstore.h"

#include "shopcore/foundation/sql.h"

namespace ProductStore {

QList<double> priceLevelQuantities(const QSqlDatabase& db) {
    QSqlQuery q =
        runSql(db, QStringLiteral("SELECT scale1, scale2, scale3, scale4, scale5 FROM scale"),
               "ProductStore::priceLevelQuantities");
    QList<double> out(5, 0.0);
    if (q.next())
        for (int i = 0; i < 5; ++i)
            out[i] = q.value(i).toDouble();
    return out;
}

QList<Row> search(const QSqlDatabase& db, SearchMode mode, const QString& text, SearchSort sort) {
    QString where;
    QString pattern = text;
    switch (mode) {
    case SearchMode::Name:
        where = QStringLiteral("coalesce(pro_name, '') LIKE :MSPR_NO");
        break;
    case SearchMode::PartOfName:
        where = QStringLiteral("coalesce(pro_name, '') LIKE :MSPR_NO");
        pattern = QLatin1Char('%') + text + QLatin1Char('%');
        break;
    case SearchMode::Code:
        where = QStringLiteral("pro_no LIKE :MSPR_NO");
        break;
    case SearchMode::PartOfCode:
        where = QStringLiteral("pro_no LIKE :MSPR_NO");
        pattern = QLatin1Char('%') + text + QLatin1Char('%');
        break;
    case SearchMode::Group:
        where = QStringLiteral("coalesce(pro_group, '') LIKE :MSPR_NO");
        pattern = QLatin1Char('%') + text + QLatin1Char('%');
        break;
    case SearchMode::All:
        break;
    }
    QString sql = QStringLiteral("SELECT pro_no, pro_name, pro_unit, pro_group, last_buy, "
                                 "last_sale, pro_total, pro_bprice, pro_sprice FROM product");
    QVariantMap binds;
    if (!where.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + where;
        binds.insert(QStringLiteral("MSPR_NO"), pattern);
    }
    // Products without a name sort first on both engines.
    sql += sort == SearchSort::ByName ? QStringLiteral(" ORDER BY coalesce(pro_name, ''), pro_no")
                                      : QStringLiteral(" ORDER BY pro_no");
    QList<Row> rows;
    QSqlQuery q = runSql(db, sql, binds, "ProductStore::search");
    while (q.next())
        rows << Row{textOf(q.value(0)),    textOf(q.value(1)),    textOf(q.value(2)),
                    textOf(q.value(3)),    textOf(q.value(4)),    textOf(q.value(5)),
                    q.value(6).toDouble(), q.value(7).toDouble(), q.value(8).toDouble()};
    return rows;
}

} // namespace ProductStore
