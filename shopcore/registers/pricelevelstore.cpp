#include "pricelevelstore.h"

#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

namespace PriceLevelStore {

QList<QVariant> read(const QSqlDatabase& db) {
    QSqlQuery q =
        runSql(db, QStringLiteral("SELECT scale1, scale2, scale3, scale4, scale5 FROM scale"),
               "PriceLevelStore::read");
    QList<QVariant> out;
    const bool found = q.next();
    for (int i = 0; i < Levels; ++i) {
        const QVariant v = found ? q.value(i) : QVariant();
        out << (v.isNull() ? QVariant(QMetaType(QMetaType::Double)) : QVariant(v.toDouble()));
    }
    return out;
}

void write(const QSqlDatabase& db, const QList<double>& quantities) {
    QVariantMap values;
    for (int i = 0; i < Levels && i < quantities.size(); ++i)
        values.insert(QStringLiteral("SCALE%1").arg(i + 1), quantities[i]);
    Records::updateSingle(db, QStringLiteral("scale"), values, "PriceLevelStore::write");
}

} // namespace PriceLevelStore
