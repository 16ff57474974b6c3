#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace {

Installer::UpgradeStep sql(const char* statement) {
    return [statement](const QSqlDatabase& db) {
        runSql(db, QString::fromLatin1(statement), "upgrade step");
    };
}

qint64 count(const TestDatabase& t, const char* table) {
    return scalar(t.db(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), {}, "test")
        .toLongLong();
}

TEST(Upgrade, NewInstallationIsAtTheCurrentVersion) {
    TestDatabase t;
    EXPECT_EQ(Installer::version(t.db()), Schema::Version);
    EXPECT_EQ(Schema::Version, Installer::upgradeSteps().size() + 1);
    EXPECT_EQ(Installer::upgrade(t.db()), Schema::Version);

    TestDatabase empty(TestDatabase::Start::Empty);
    EXPECT_EQ(Installer::version(empty.db()), 0);
    EXPECT_THROW(Installer::upgrade(empty.db()), StoreError);
}

TEST(Upgrade, StepsRunOnceEachInOrder) {
    TestDatabase t;
    const QList<Installer::UpgradeStep> steps = {
        sql("CREATE TABLE t_extra (code VARCHAR(5))"),
        sql("INSERT INTO t_extra (code) VALUES ('A')"),
    };
    EXPECT_EQ(Installer::upgrade(t.db(), steps), 3);
    EXPECT_EQ(Installer::version(t.db()), 3);
    EXPECT_EQ(count(t, "t_extra"), 1);
    // Run again: nothing is repeated (the CREATE TABLE would fail).
    EXPECT_EQ(Installer::upgrade(t.db(), steps), 3);
    EXPECT_EQ(count(t, "t_extra"), 1);
}

TEST(Upgrade, AFailedStepLeavesTheVersionBeforeItAndTheNextRunGoesOn) {
    TestDatabase t;
    QList<Installer::UpgradeStep> steps = {
        sql("CREATE TABLE t_extra (code VARCHAR(5))"),
        [](const QSqlDatabase& db) {
            runSql(db, QStringLiteral("INSERT INTO t_extra (code) VALUES ('A')"), "step");
            runSql(db, QStringLiteral("INSERT INTO no_such_table (code) VALUES ('A')"), "step");
        },
    };
    EXPECT_THROW(Installer::upgrade(t.db(), steps), StoreError);
    EXPECT_EQ(Installer::version(t.db()), 2);
    EXPECT_EQ(count(t, "t_extra"), 0); // the failed step's own writes are gone

    steps[1] = sql("INSERT INTO t_extra (code) VALUES ('B')");
    EXPECT_EQ(Installer::upgrade(t.db(), steps), 3);
    EXPECT_EQ(count(t, "t_extra"), 1);
}

TEST(Upgrade, AStoreOfALaterVersionIsRefused) {
    TestDatabase t;
    Installer::upgrade(t.db(), {sql("CREATE TABLE t_extra (code VARCHAR(5))")});
    try {
        Installer::upgrade(t.db(), {});
        FAIL() << "an older program upgraded a newer store";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::Refused);
    }
    EXPECT_EQ(Installer::version(t.db()), 2);
}

} // namespace
