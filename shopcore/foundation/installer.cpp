#include "installer.h"
#include "connection.h"
#include "dialect.h"
#include "records.h"
#include "schema.h"
#include "sql.h"
#include "storeerror.h"
#include "transaction.h"

#include <QDir>

namespace {
const QString VersionTable = QStringLiteral("tekvo_schema");
}

namespace Installer {

bool isInstalled(const QSqlDatabase& db) {
    // Asked of the engine in the store's own schema: PostgreSQL's table list also names the
    // tables of other schemas of the database.
    const QString sql =
        Dialect::of(db).isPostgres()
            ? QStringLiteral("SELECT to_regclass(:T) IS NOT NULL")
            : QStringLiteral("SELECT COUNT(*) > 0 FROM sqlite_master WHERE type = 'table' "
                             "AND name = :T");
    return scalar(db, sql, {{QStringLiteral("T"), VersionTable}}, "Installer::isInstalled")
        .toBool();
}

const QList<UpgradeStep>& upgradeSteps() {
    // Version 1 is the layout as first declared; a later layout adds its step here and raises
    // Schema::Version. A step changes tables with plain DDL and rewrites data as needed.
    static const QList<UpgradeStep> steps;
    return steps;
}

int version(const QSqlDatabase& db) {
    if (!isInstalled(db))
        return 0;
    return scalar(db, QStringLiteral("SELECT MAX(version) FROM %1").arg(VersionTable), {},
                  "Installer::version")
        .toInt();
}

int upgrade(const QSqlDatabase& db, const QList<UpgradeStep>& steps) {
    const int target = int(steps.size()) + 1;
    int current = version(db);
    if (current == 0)
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("Installer::upgrade"),
                         QStringLiteral("ฐานข้อมูลนี้ยังไม่มีแฟ้มข้อมูล"));
    if (current > target)
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("Installer::upgrade"),
                         QStringLiteral("ฐานข้อมูลนี้เป็นรุ่น %1 ใหม่กว่าโปรแกรมนี้ (รุ่น %2)")
                             .arg(current)
                             .arg(target));
    for (; current < target; ++current) {
        Transaction tx(db, Transaction::Lock::WriteLockNow);
        steps[current - 1](db);
        runSql(db, QStringLiteral("UPDATE %1 SET version = :v").arg(VersionTable),
               {{QStringLiteral("v"), current + 1}}, "Installer::upgrade");
        tx.commit();
    }
    return current;
}

void install(const QSqlDatabase& db) {
    if (isInstalled(db))
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("Installer::install"),
                         QStringLiteral("ฐานข้อมูลนี้มีแฟ้มข้อมูลอยู่แล้ว"));
    const Dialect dialect = Dialect::of(db);
    Transaction tx(db, Transaction::Lock::WriteLockNow);
    for (const TableDef& t : Schema::tables()) {
        runSql(db, dialect.createTable(t), "Installer::install");
        for (const QString& index : dialect.createIndexes(t))
            runSql(db, index, "Installer::install");
        for (const QVariantMap& record : t.initialRecords)
            Records::insert(db, t.name, record, "Installer::install");
    }
    runSql(db, QStringLiteral("CREATE TABLE %1 (version INTEGER NOT NULL)").arg(VersionTable),
           "Installer::install");
    runSql(db, QStringLiteral("INSERT INTO %1 (version) VALUES (:v)").arg(VersionTable),
           {{QStringLiteral("v"), Schema::Version}}, "Installer::install");
    tx.commit();
}

void ensureEmbeddedDefault(const AliasEntry& alias) {
    if (!alias.embeddedDefault)
        return;
    if (!QDir().mkpath(alias.folder))
        throw StoreError(StoreError::Kind::Unreachable, QStringLiteral("Installer"),
                         QStringLiteral("cannot create %1").arg(alias.folder));
    // A first start that failed half-way left no tables (one transaction): try again.
    Connection c = Connection::forInstall(alias);
    if (!isInstalled(c.db()))
        install(c.db());
    else
        upgrade(c.db());
}

QList<QPair<QString, qint64>> tableCounts(const QSqlDatabase& db) {
    QList<QPair<QString, qint64>> out;
    for (const TableDef& t : Schema::tables()) {
        const QVariant n = scalar(
            db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(Dialect::quote(t.name)), {},
            "Installer::tableCounts");
        out.append({t.name, n.toLongLong()});
    }
    return out;
}

} // namespace Installer
