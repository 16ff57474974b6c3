#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

// One user of the programs (Market): the login name, the stored password hash, the title of
// the position greeted after login, and the access level (AC1; null when never chosen).
struct UserRecord {
    QString loginName;
    QString password; // as stored: a hash (or the typed text of users from older data)
    QString title;
    QVariant level;

    // The level a login gets: AC1, or 0 when it was never chosen.
    int accessLevel() const { return level.isNull() ? 0 : level.toInt(); }
};

// The users table. Every call raises StoreError with the engine's message on failure; a login
// name that exists already is StoreError DuplicateKey.
namespace UserStore {

bool hasUsers(const QSqlDatabase& db);
// The user of exactly this login name.
std::optional<UserRecord> find(const QSqlDatabase& db, const QString& loginName);
// Every user in login-name order.
QList<UserRecord> all(const QSqlDatabase& db);

// Adds a user with the password as typed (stored as a hash).
void add(const QSqlDatabase& db, const UserRecord& user, const QString& typedPassword);
// Changes the user once named `oldLoginName`; the password stays when `typedPassword` is
// nullopt.
void change(const QSqlDatabase& db, const QString& oldLoginName, const UserRecord& user,
            const std::optional<QString>& typedPassword);
// Replaces the stored password of a user with a hash of it (users from older data).
void rehash(const QSqlDatabase& db, const QString& loginName, const QString& typedPassword);

// The first level-1 user of a new installation, for the programs' first start and the
// administration tool. Refused (StoreError Refused, Thai message) when the login name is empty,
// a typed text is too long, or the table has users already.
void createFirstAdministrator(const QSqlDatabase& db, const QString& loginName,
                              const QString& title, const QString& password);

} // namespace UserStore
