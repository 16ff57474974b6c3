#pragma once

#include <QSqlDatabase>

// All or nothing: begun on construction, rolled back on destruction unless committed.
// WriteLockNow takes the write lock at once (SQLite "BEGIN IMMEDIATE"), for a step that
// reads a number and writes it back before another station may do the same.
class Transaction {
public:
    enum class Lock { Deferred, WriteLockNow };

    explicit Transaction(const QSqlDatabase& db, Lock lock = Lock::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    QSqlDatabase m_db;
    bool m_open = false;
};
