#pragma once

#include <QSqlDatabase>

// Exclusive use of the database while stock is being processed. On SQLite the connection
// holds the file's exclusive lock, so no other station reads or writes meanwhile. On
// PostgreSQL it holds an advisory lock for its life, and every document save takes the same
// lock shared for its transaction: a save waits for no one, it is refused while processing
// runs, and processing cannot start while a save is under way or another window processes.
class ExclusiveUse {
public:
    // Throws StoreError (Locked, with a Thai message) when other stations hold the database.
    explicit ExclusiveUse(const QSqlDatabase& db);
    ~ExclusiveUse();
    ExclusiveUse(const ExclusiveUse&) = delete;
    ExclusiveUse& operator=(const ExclusiveUse&) = delete;

    // Inside a transaction that writes documents or stock: throws StoreError (Locked, with a
    // Thai message) while another station processes stock. Nothing to do on SQLite, where the
    // file lock already keeps writers out.
    static void refuseWhileProcessing(const QSqlDatabase& db);

    static const QString& busyMessage();
    static const QString& processingMessage();

private:
    QSqlDatabase m_db;
};
