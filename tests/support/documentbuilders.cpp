#include "documentbuilders.h"

#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

namespace Build {

void product(const QSqlDatabase& db, const QString& code, double total, const QString& name) {
    Records::insert(db, QStringLiteral("Product"),
                    {{QStringLiteral("PRO_NO"), code},
                     {QStringLiteral("PRO_NAME"), name},
                     {QStringLiteral("PRO_TOTAL"), total}},
                    "Build::product");
}

void header(const QSqlDatabase& db, const QString& table, const QString& invNo) {
    Records::insert(
        db, table,
        {{QStringLiteral("INV_NO"), invNo}, {QStringLiteral("INV_TYPE"), invNo.mid(4, 1)}},
        "Build::header");
}

qint64 line(const QSqlDatabase& db, const QString& table, const QString& invNo, const QString& code,
            double quantity, std::optional<int> stockCode) {
    QVariantMap values{{QStringLiteral("INV_NO"), invNo},
                       {QStringLiteral("PRO_NO"), code},
                       {QStringLiteral("PRO_QTY"), quantity}};
    if (stockCode)
        values.insert(QStringLiteral("STK_POST"), double(*stockCode));
    return Records::insert(db, table, values, "Build::line").value_or(0);
}

qint64 repairLine(const QSqlDatabase& db, const QString& jobNo, const QString& code,
                  double quantity, int stockCode) {
    return Records::insert(db, QStringLiteral("Service1"),
                           {{QStringLiteral("SERV_NO"), jobNo},
                            {QStringLiteral("SPR_NO"), code},
                            {QStringLiteral("QTY"), quantity},
                            {QStringLiteral("STK_POST"), double(stockCode)}},
                           "Build::repairLine")
        .value_or(0);
}

void prefixes(const QSqlDatabase& db, const QString& p1, const QString& p2, const QString& p3,
              const QString& p4) {
    Records::updateSingle(db, QStringLiteral("Kelmsys"),
                          {{QStringLiteral("PREFIX1"), p1},
                           {QStringLiteral("PREFIX2"), p2},
                           {QStringLiteral("PREFIX3"), p3},
                           {QStringLiteral("PREFIX4"), p4}},
                          "Build::prefixes");
}

double productTotal(const QSqlDatabase& db, const QString& code) {
    return scalar(db, QStringLiteral("SELECT pro_total FROM product WHERE pro_no = :C"),
                  {{QStringLiteral("C"), code}}, "Build::productTotal")
        .toDouble();
}

qint64 count(const QSqlDatabase& db, const QString& tableAndWhere) {
    return scalar(db, QStringLiteral("SELECT count(*) FROM ") + tableAndWhere, {}, "Build::count")
        .toLongLong();
}

} // namespace Build
