#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/transaction.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

qint64 count(const TestDatabase& t, const QString& table) {
    return scalar(t.db(), QStringLiteral("SELECT COUNT(*) FROM ") + table, {}, "test").toLongLong();
}

TEST(DataStore, InstallWritesEveryTableAndTheSingleRecords) {
    TestDatabase t;
    const auto counts = Installer::tableCounts(t.db());
    EXPECT_EQ(counts.size(), Schema::tables().size());
    for (const char* single : {"Kelmsys", "Que", "scale"})
        EXPECT_EQ(count(t, QString::fromLatin1(single)), 1) << single;
    EXPECT_EQ(count(t, QStringLiteral("Product")), 0);
    EXPECT_THROW(Installer::install(t.db()), StoreError);
}

TEST(DataStore, TextWiderThanItsFieldIsRefusedAndNothingWritten) {
    TestDatabase t;
    const QString thai13 = QStringLiteral("สินค้าทดสอบ12"); // 13 characters
    Records::insert(t.db(), QStringLiteral("Product"),
                    {{QStringLiteral("PRO_NO"), QStringLiteral("123456789012345")},
                     {QStringLiteral("PRO_NAME"), thai13}},
                    "test");
    try {
        Records::insert(t.db(), QStringLiteral("Product"),
                        {{QStringLiteral("PRO_NO"), QStringLiteral("1234567890123456")}}, "test");
        FAIL() << "a 16-character code was written";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::TooWide);
        EXPECT_TRUE(e.message().contains(QStringLiteral("PRO_NO")));
    }
    EXPECT_EQ(count(t, QStringLiteral("Product")), 1);
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT pro_name FROM product"), {}, "test").toString(),
              thai13);
}

TEST(DataStore, DuplicateKeyIsReportedAsSuch) {
    TestDatabase t;
    const QVariantMap rec{{QStringLiteral("CUST_NO"), QStringLiteral("00001")}};
    Records::insert(t.db(), QStringLiteral("Customer"), rec, "test");
    Records::insert(t.db(), QStringLiteral("Supply"), rec, "test"); // another table, same code
    try {
        Records::insert(t.db(), QStringLiteral("Customer"), rec, "test");
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::DuplicateKey) << e.what();
    }
}

TEST(DataStore, TransactionCommitsAllOrNothing) {
    TestDatabase t;
    try {
        Transaction tx(t.db());
        Records::insert(t.db(), QStringLiteral("Sale"),
                        {{QStringLiteral("SALE_NO"), QStringLiteral("S1")}}, "test");
        Records::insert(t.db(), QStringLiteral("Sale"),
                        {{QStringLiteral("SALE_NO"), QStringLiteral("S1")}}, "test");
        tx.commit();
    } catch (const StoreError&) {
    }
    EXPECT_EQ(count(t, QStringLiteral("Sale")), 0);
    {
        Transaction tx(t.db());
        Records::insert(t.db(), QStringLiteral("Sale"),
                        {{QStringLiteral("SALE_NO"), QStringLiteral("S1")}}, "test");
        tx.commit();
    }
    EXPECT_EQ(count(t, QStringLiteral("Sale")), 1);
}

TEST(DataStore, UnreachableStoreFailsWithTheEnginesMessageAndCreatesNothing) {
    AliasEntry gone;
    gone.name = QStringLiteral("tekvo30");
    gone.folder = QStringLiteral("/nonexistent/tekvo");
    EXPECT_THROW(Connection(gone, QStringLiteral("x")), StoreError);
    EXPECT_FALSE(QFileInfo::exists(gone.folder));
}

} // namespace

namespace {

TEST(AliasFile, ACorruptOrUnreadableFileIsNamedInTheMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("aliases.ini"));
    const QByteArray saved = qgetenv("TEKVO_ALIASES");
    qputenv("TEKVO_ALIASES", path.toUtf8());
    EXPECT_FALSE(Alias::fileProblem()); // absent: the embedded default is used

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[tekvo30\ndriver=sqlite\n\x01\x02=\xff\n");
    f.close();
    ASSERT_TRUE(Alias::fileProblem());
    EXPECT_TRUE(Alias::fileProblem()->contains(path));

    QDir().mkpath(path + QStringLiteral(".d"));
    qputenv("TEKVO_ALIASES", (path + QStringLiteral(".d")).toUtf8()); // a folder, not a file
    EXPECT_TRUE(Alias::fileProblem());
    qputenv("TEKVO_ALIASES", saved);
}

} // namespace
