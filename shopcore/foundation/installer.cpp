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
    const QStringList existing = db.tables();
    for (const QString& t : existing)
        if (t.compare(VersionTable, Qt::CaseInsensitive) == 0)
            return true;
    return false;
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
