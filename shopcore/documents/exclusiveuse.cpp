#include "exclusiveuse.h"

#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

#include <QSqlQuery>

namespace {

// One lock per store: the same key in every program, the schema (one per test on a shared
// server) as the second half.
const QString LockKey = QStringLiteral("1952803702, hashtext(current_schema())");

bool isPostgres(const QSqlDatabase& db) {
    return Dialect::of(db).isPostgres();
}

} // namespace

const QString& ExclusiveUse::busyMessage() {
    static const QString text =
        QStringLiteral("มีเครื่องอื่นกำลังใช้ฐานข้อมูลอยู่ ... ยังปรับ STOCK สินค้าไม่ได้ตอนนี้ "
                       "ให้ทุกเครื่องเลิกใช้งานก่อน แล้วเริ่มใหม่อีกครั้ง");
    return text;
}

const QString& ExclusiveUse::processingMessage() {
    static const QString text =
        QStringLiteral("มีเครื่องอื่นกำลังปรับ STOCK สินค้าอยู่ ... ยังบันทึกข้อมูลไม่ได้ตอนนี้ "
                       "รอสักครู่ และบันทึกใหม่อีกครั้ง");
    return text;
}

ExclusiveUse::ExclusiveUse(const QSqlDatabase& db) : m_db(db) {
    if (isPostgres(db)) {
        const bool taken =
            scalar(db, QStringLiteral("SELECT pg_try_advisory_lock(%1)").arg(LockKey), {},
                   "ExclusiveUse")
                .toBool();
        if (!taken)
            throw StoreError(StoreError::Kind::Locked, QStringLiteral("ExclusiveUse"),
                             busyMessage());
        return;
    }
    // The lock is kept after the transaction ends: exclusive locking mode never releases it.
    // Waiting a moment lets a save that is just being written finish first.
    runSql(db, QStringLiteral("PRAGMA busy_timeout = 1500"), "ExclusiveUse");
    runSql(db, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"), "ExclusiveUse");
    try {
        runSql(db, QStringLiteral("BEGIN EXCLUSIVE"), "ExclusiveUse");
        runSql(db, QStringLiteral("COMMIT"), "ExclusiveUse");
    } catch (const StoreError&) {
        QSqlQuery(db).exec(QStringLiteral("PRAGMA locking_mode = NORMAL"));
        throw StoreError(StoreError::Kind::Locked, QStringLiteral("ExclusiveUse"), busyMessage());
    }
}

ExclusiveUse::~ExclusiveUse() {
    if (!m_db.isOpen())
        return;
    QSqlQuery q(m_db);
    if (isPostgres(m_db)) {
        q.exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(LockKey));
        return;
    }
    // Back to normal locking; the lock goes with the next access of the file.
    q.exec(QStringLiteral("PRAGMA locking_mode = NORMAL"));
    q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    q.finish();
    q.exec(QStringLiteral("PRAGMA busy_timeout = 5000"));
}

void ExclusiveUse::refuseWhileProcessing(const QSqlDatabase& db) {
    if (!isPostgres(db))
        return;
    const bool free =
        scalar(db, QStringLiteral("SELECT pg_try_advisory_xact_lock_shared(%1)").arg(LockKey), {},
               "ExclusiveUse::refuseWhileProcessing")
            .toBool();
    if (!free)
        throw StoreError(StoreError::Kind::Locked,
                         QStringLiteral("ExclusiveUse::refuseWhileProcessing"),
                         processingMessage());
}
