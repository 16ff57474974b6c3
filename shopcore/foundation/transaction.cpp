#include "transaction.h"
#include "dialect.h"
#include "sql.h"

#include <QSqlQuery>

Transaction::Transaction(const QSqlDatabase& db, Lock lock) : m_db(db) {
    runSql(m_db, Dialect::of(m_db).beginTransaction(lock == Lock::WriteLockNow),
           "Transaction::begin");
    m_open = true;
}

Transaction::~Transaction() {
    if (m_open) {
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit() {
    runSql(m_db, QStringLiteral("COMMIT"), "Transaction::commit");
    m_open = false;
}
