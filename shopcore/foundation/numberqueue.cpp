#include "numberqueue.h"
#include "records.h"
#include "schema.h"
#include "sql.h"
#include "storeerror.h"
#include "transaction.h"

namespace NumberQueue {

QString reseedFlatRateSales(const QSqlDatabase& db, const QString& prefix) {
    const QString head = prefix + QLatin1Char('1');
    QString number = head + QStringLiteral("000000");
    Transaction tx(db, Transaction::Lock::WriteLockNow);
    const QVariant highest =
        scalar(db,
               QStringLiteral("SELECT max(inv_no) FROM invoice "
                              "WHERE substr(inv_no, 1, :LEN) = :HEAD AND length(inv_no) = 11"),
               {{QStringLiteral("LEN"), head.size()}, {QStringLiteral("HEAD"), head}},
               "NumberQueue::reseedFlatRateSales");
    if (!highest.isNull() && head.size() == 5)
        number = highest.toString();
    Records::updateSingle(db, QStringLiteral("Que"), {{QStringLiteral("QUE_INV_N"), number}},
                          "NumberQueue::reseedFlatRateSales");
    tx.commit();
    return head;
}

QString last(const QSqlDatabase& db, const QString& field) {
    if (!Schema::table(QStringLiteral("Que"))->field(field))
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("NumberQueue::last"),
                         QStringLiteral("ไม่มีช่อง %1 ในแฟ้ม Que").arg(field));
    return textOf(scalar(db, QStringLiteral("SELECT %1 FROM que").arg(field.toLower()), {},
                         "NumberQueue::last"));
}

} // namespace NumberQueue
