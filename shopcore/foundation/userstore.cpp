#include "userstore.h"
#include "passwordhash.h"
#include "records.h"
#include "sql.h"
#include "storeerror.h"
#include "transaction.h"

namespace {

const QString Table = QStringLiteral("Market");

UserRecord fromRow(const QVariantMap& row) {
    UserRecord u;
    u.loginName = textOf(row.value(QStringLiteral("USRNAME")));
    u.password = textOf(row.value(QStringLiteral("PASSWD")));
    u.title = textOf(row.value(QStringLiteral("NAME")));
    u.level = row.value(QStringLiteral("AC1"));
    if (!u.level.isNull())
        u.level = u.level.toInt();
    return u;
}

QVariant levelValue(const QVariant& level) {
    return level.isNull() ? QVariant(QMetaType(QMetaType::Int)) : QVariant(level.toInt());
}

void refuseLongPassword(const QString& typed, const char* where) {
    if (typed.size() > PasswordHash::MaxTyped)
        throw StoreError(
            StoreError::Kind::TooWide, QString::fromLatin1(where),
            QStringLiteral("Password ยาวเกิน %1 ตัวอักษร ไม่ได้บันทึก").arg(PasswordHash::MaxTyped));
}

const QString Columns = QStringLiteral("usrname, passwd, name, ac1");

} // namespace

namespace UserStore {

bool hasUsers(const QSqlDatabase& db) {
    return scalar(db, QStringLiteral("SELECT COUNT(*) FROM market"), {}, "UserStore::hasUsers")
               .toLongLong() > 0;
}

std::optional<UserRecord> find(const QSqlDatabase& db, const QString& loginName) {
    QSqlQuery q =
        runSql(db, QStringLiteral("SELECT %1 FROM market WHERE usrname = :NAME").arg(Columns),
               {{QStringLiteral("NAME"), loginName}}, "UserStore::find");
    if (!q.next())
        return std::nullopt;
    return fromRow(rowOf(q));
}

QList<UserRecord> all(const QSqlDatabase& db) {
    QSqlQuery q = runSql(db, QStringLiteral("SELECT %1 FROM market ORDER BY usrname").arg(Columns),
                         "UserStore::all");
    QList<UserRecord> out;
    while (q.next())
        out << fromRow(rowOf(q));
    return out;
}

void add(const QSqlDatabase& db, const UserRecord& user, const QString& typedPassword) {
    refuseLongPassword(typedPassword, "UserStore::add");
    Records::checkValues(
        Table, {{QStringLiteral("USRNAME"), user.loginName}, {QStringLiteral("NAME"), user.title}});
    Records::insert(db, Table,
                    {{QStringLiteral("USRNAME"), user.loginName},
                     {QStringLiteral("PASSWD"), PasswordHash::hash(typedPassword)},
                     {QStringLiteral("NAME"), user.title},
                     {QStringLiteral("AC1"), levelValue(user.level)}},
                    "UserStore::add");
}

void change(const QSqlDatabase& db, const QString& oldLoginName, const UserRecord& user,
            const std::optional<QString>& typedPassword) {
    QVariantMap values{{QStringLiteral("USRNAME"), user.loginName},
                       {QStringLiteral("NAME"), user.title},
                       {QStringLiteral("AC1"), levelValue(user.level)}};
    Records::checkValues(Table, values);
    if (typedPassword) {
        refuseLongPassword(*typedPassword, "UserStore::change");
        values.insert(QStringLiteral("PASSWD"), PasswordHash::hash(*typedPassword));
    }
    Records::update(db, Table, values, {{QStringLiteral("USRNAME"), oldLoginName}},
                    "UserStore::change");
}

void rehash(const QSqlDatabase& db, const QString& loginName, const QString& typedPassword) {
    Records::update(db, Table, {{QStringLiteral("PASSWD"), PasswordHash::hash(typedPassword)}},
                    {{QStringLiteral("USRNAME"), loginName}}, "UserStore::rehash");
}

void createFirstAdministrator(const QSqlDatabase& db, const QString& loginName,
                              const QString& title, const QString& password) {
    const char* where = "UserStore::createFirstAdministrator";
    if (loginName.trimmed().isEmpty())
        throw StoreError(StoreError::Kind::Refused, QString::fromLatin1(where),
                         QStringLiteral("กรุณาใส่ User Name"));
    Transaction tx(db, Transaction::Lock::WriteLockNow);
    if (hasUsers(db))
        throw StoreError(StoreError::Kind::Refused, QString::fromLatin1(where),
                         QStringLiteral("มีผู้ใช้งานในระบบแล้ว ไม่ได้เพิ่มผู้ดูแลระบบคนแรก"));
    add(db, {loginName, {}, title, 1}, password);
    tx.commit();
}

} // namespace UserStore
