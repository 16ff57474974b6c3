#include "documentsettings.h"

#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

SeriesPrefixes ReadSeriesPrefixes(const QSqlDatabase& db, const QString& settingsTable) {
    const TableDef* t = Schema::table(settingsTable);
    if (!t || !t->field(QStringLiteral("PREFIX4")))
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("ReadSeriesPrefixes"),
                         QStringLiteral("ไม่มีแฟ้มข้อมูล %1").arg(settingsTable));
    QSqlQuery q = runSql(db,
                         QStringLiteral("SELECT prefix1, prefix2, prefix3, prefix4 FROM %1")
                             .arg(Dialect::quote(t->name)),
                         "ReadSeriesPrefixes");
    SeriesPrefixes p;
    if (q.next())
        for (int i = 0; i < 4; ++i)
            p.prefix[i] = textOf(q.value(i));
    return p;
}

PriceLevels ReadPriceLevels(const QSqlDatabase& db) {
    QSqlQuery q =
        runSql(db, QStringLiteral("SELECT scale1, scale2, scale3, scale4, scale5 FROM scale"),
               "ReadPriceLevels");
    PriceLevels levels;
    if (q.next())
        for (int i = 0; i < 5; ++i)
            levels.scale[i] = q.value(i).toDouble();
    return levels;
}
