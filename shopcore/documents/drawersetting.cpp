#include "drawersetting.h"

#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

QString ReadDrawerSetting(const QSqlDatabase& db, const QString& settingsTable) {
    const TableDef* t = Schema::table(settingsTable);
    if (!t || !t->field(QStringLiteral("COM_PORT")))
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("ReadDrawerSetting"),
                         QStringLiteral("ไม่มีแฟ้มข้อมูล %1").arg(settingsTable));
    return textOf(scalar(db, QStringLiteral("SELECT com_port FROM %1").arg(Dialect::quote(t->name)),
                         {}, "ReadDrawerSetting"));
}
