#include "documentbuilders.h"
#include "scriptedprompter.h"
#include "testdatabase.h"

#include "shopcore/documents/documentnumber.h"
#include "shopcore/documents/documentstore.h"
#include "shopcore/documents/exclusiveuse.h"
#include "shopcore/documents/stockonhand.h"
#include "shopcore/documents/stockprocessing.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/transaction.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QHash<QString, double> onHandOfAll(const QSqlDatabase& db, const QStringList& codes) {
    QHash<QString, double> out;
    for (const QString& code : codes)
        out.insert(code, StockOnHand(db, code));
    return out;
}

qint64 open(const QSqlDatabase& db, const char* table, int code) {
    return Build::count(
        db, QStringLiteral("%1 WHERE stk_post = %2").arg(QString::fromLatin1(table)).arg(code));
}

// A: stored 10, bought 5 and 2.5, sold 3; B: stored 0, sold 4 twice; C: untouched; a purchase
// of a deleted product; a free-text sale; an open repair withdrawal of A.
void seed(const QSqlDatabase& db) {
    Build::product(db, QStringLiteral("A"), 10);
    Build::product(db, QStringLiteral("B"), 0);
    Build::product(db, QStringLiteral("C"), 5);
    Build::line(db, QStringLiteral("Order1"), QStringLiteral("BUYN3000001"), QStringLiteral("A"), 5,
                2);
    Build::line(db, QStringLiteral("Order1"), QStringLiteral("BUYN3000001"), QStringLiteral("A"),
                2.5, 2);
    Build::line(db, QStringLiteral("Order1"), QStringLiteral("BUYN3000001"), QStringLiteral("GONE"),
                7, 2);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"), QStringLiteral("A"),
                3, 1);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"), QStringLiteral("B"),
                4, 1);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000002"), QStringLiteral("B"),
                4, 1);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000002"), QString(), 1,
                std::nullopt);
    Build::repairLine(db, QStringLiteral("J0001"), QStringLiteral("A"), 1, 1);
}

TEST(StockProcessing, FoldsOpenMovementsAndKeepsEveryStockOnHand) {
    TestDatabase t;
    seed(t.db());
    const QStringList codes{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    const auto before = onHandOfAll(t.db(), codes);
    ScriptedPrompter prompter;
    {
        StockProcessing flow(t.alias(), StockProcessingForm::retail(), prompter);
        ASSERT_TRUE(flow.open());
        EXPECT_TRUE(flow.step1Enabled());
        EXPECT_FALSE(flow.step2Enabled());
        flow.runStep1();
        EXPECT_FALSE(flow.step1Enabled());
        EXPECT_TRUE(flow.step2Enabled());
        ASSERT_EQ(flow.incoming().size(), 3);
        ASSERT_EQ(flow.outgoing().size(), 3);
        for (const Movement& line : flow.incoming() + flow.outgoing())
            EXPECT_EQ(line.stockCode, 0);
        EXPECT_EQ(flow.newBalance(QStringLiteral("A")), 14.5);
        EXPECT_EQ(flow.newBalance(QStringLiteral("B")), -8) << "two lines of one product add up";
        EXPECT_EQ(flow.newBalance(QStringLiteral("C")), std::nullopt);
        EXPECT_EQ(flow.newBalance(QStringLiteral("GONE")), std::nullopt);
        flow.runStep2();
        EXPECT_FALSE(flow.step1Enabled());
        EXPECT_FALSE(flow.step2Enabled());
    }
    EXPECT_TRUE(prompter.asked().isEmpty());
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 14.5);
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("B")), -8);
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("C")), 5);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("product")), 3) << "no product is made up";
    EXPECT_EQ(open(t.db(), "order1", 2), 0);
    EXPECT_EQ(open(t.db(), "invoice1", 1), 0);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1 WHERE stk_post IS NULL")), 1);
    EXPECT_EQ(open(t.db(), "service1", 1), 1) << "the retail form leaves repair lines open";
    EXPECT_EQ(onHandOfAll(t.db(), codes), before);
    // The line of a product no longer in the register is closed without a balance to move.
    EXPECT_EQ(StockOnHand(t.db(), QStringLiteral("GONE")), 0);
    // Stock on hand is now the stored balance less the open repair withdrawals.
    EXPECT_EQ(StockOnHand(t.db(), QStringLiteral("A")), 14.5 - 1);
    EXPECT_EQ(StockOnHand(t.db(), QStringLiteral("A"), RepairLines::Ignored), 14.5);
}

TEST(StockProcessing, ManyLinesOfManyProductsKeepTheirStockOnHand) {
    TestDatabase t;
    QStringList codes;
    QRandomGenerator random(20240615);
    {
        Transaction tx(t.db());
        for (int p = 0; p < 30; ++p) {
            codes << QStringLiteral("P%1").arg(p, 3, 10, QLatin1Char('0'));
            Build::product(t.db(), codes.last(), random.bounded(100));
        }
        for (int i = 0; i < 300; ++i) {
            const QString& code = codes[random.bounded(codes.size())];
            const double qty = random.bounded(1, 40) / 4.0;
            const int kind = random.bounded(4);
            if (kind == 0)
                Build::line(t.db(), QStringLiteral("Order1"), QStringLiteral("BUYN3000001"), code,
                            qty, 2);
            else if (kind == 1)
                Build::line(t.db(), QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"), code,
                            qty, 1);
            else if (kind == 2)
                Build::line(t.db(), QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"), code,
                            qty, 0);
            else
                Build::repairLine(t.db(), QStringLiteral("J0001"), code, qty, 1);
        }
        tx.commit();
    }
    const auto before = onHandOfAll(t.db(), codes);
    for (const StockProcessingForm& form :
         {StockProcessingForm::retail(), StockProcessingForm::service()}) {
        ScriptedPrompter prompter;
        StockProcessing flow(t.alias(), form, prompter);
        ASSERT_TRUE(flow.open());
        flow.runStep1();
        flow.runStep2();
    }
    EXPECT_EQ(open(t.db(), "order1", 2) + open(t.db(), "invoice1", 1) + open(t.db(), "service1", 1),
              0);
    const auto after = onHandOfAll(t.db(), codes);
    for (const QString& code : codes) {
        EXPECT_NEAR(after[code], before[code], 1e-9) << code.toStdString();
        EXPECT_NEAR(Build::productTotal(t.db(), code), after[code], 1e-9) << code.toStdString();
    }
}

TEST(StockProcessing, NothingToDoLeavesStep2OffAndASecondRunFindsNothing) {
    TestDatabase t;
    Build::product(t.db(), QStringLiteral("A"), 1);
    ScriptedPrompter prompter;
    {
        StockProcessing empty(t.alias(), StockProcessingForm::retail(), prompter);
        ASSERT_TRUE(empty.open());
        empty.runStep1();
        EXPECT_FALSE(empty.step2Enabled());
    }
    Build::line(t.db(), QStringLiteral("Order1"), QStringLiteral("BUYN3000001"),
                QStringLiteral("A"), 2, 2);
    for (int run = 0; run < 2; ++run) {
        StockProcessing flow(t.alias(), StockProcessingForm::retail(), prompter);
        ASSERT_TRUE(flow.open());
        flow.runStep1();
        EXPECT_EQ(flow.step2Enabled(), run == 0) << run;
        EXPECT_EQ(flow.incoming().size(), run == 0 ? 1 : 0) << run;
        flow.runStep2();
    }
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 3);
    EXPECT_TRUE(prompter.asked().isEmpty());
}

TEST(StockProcessing, QuittingAfterStep1StoresNothing) {
    TestDatabase t;
    seed(t.db());
    ScriptedPrompter prompter;
    {
        StockProcessing flow(t.alias(), StockProcessingForm::retail(), prompter);
        ASSERT_TRUE(flow.open());
        flow.runStep1();
    }
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 10);
    EXPECT_EQ(open(t.db(), "order1", 2), 3);
    EXPECT_EQ(open(t.db(), "invoice1", 1), 3);
}

void makeProductWritesFail(const QSqlDatabase& db) {
    if (TestDatabase::onPostgres()) {
        runSql(db,
               QStringLiteral("CREATE FUNCTION refuse_write() RETURNS trigger AS "
                              "$$ BEGIN RAISE EXCEPTION 'refused'; END $$ LANGUAGE plpgsql"),
               "test");
        runSql(db,
               QStringLiteral("CREATE TRIGGER product_refused BEFORE UPDATE ON product "
                              "FOR EACH ROW EXECUTE FUNCTION refuse_write()"),
               "test");
    } else {
        runSql(db,
               QStringLiteral("CREATE TRIGGER product_refused BEFORE UPDATE ON product "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END"),
               "test");
    }
}

TEST(StockProcessing, AFailedWriteRollsEverythingBackAndSaysSo) {
    TestDatabase t;
    seed(t.db());
    makeProductWritesFail(t.db());
    ScriptedPrompter prompter;
    {
        StockProcessing flow(t.alias(), StockProcessingForm::retail(), prompter);
        ASSERT_TRUE(flow.open());
        flow.runStep1();
        flow.runStep2();
        EXPECT_EQ(prompter.texts(), QStringList{StockProcessingText::WriteFailed});
        EXPECT_FALSE(flow.step1Enabled());
        EXPECT_FALSE(flow.step2Enabled());
        for (const Movement& line : flow.incoming())
            EXPECT_EQ(line.stockCode, 2) << "the discarded lines show their codes again";
    }
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 10);
    EXPECT_EQ(open(t.db(), "order1", 2), 3);
    EXPECT_EQ(open(t.db(), "invoice1", 1), 3);
}

TEST(StockProcessing, TheServiceFormFoldsRepairPartsInsteadOfSales) {
    TestDatabase t;
    seed(t.db());
    ScriptedPrompter prompter;
    {
        StockProcessing flow(t.alias(), StockProcessingForm::service(), prompter);
        EXPECT_EQ(flow.form().title, QStringLiteral("ปรับระบบฐานข้อมูล"));
        ASSERT_TRUE(flow.open());
        flow.runStep1();
        EXPECT_EQ(flow.outgoing().size(), 1);
        flow.runStep2();
    }
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 10 + 7.5 - 1);
    EXPECT_EQ(open(t.db(), "service1", 1), 0);
    EXPECT_EQ(open(t.db(), "invoice1", 1), 3) << "sales are not folded there";
    EXPECT_EQ(StockProcessingForm::rental().incoming.table, QStringLiteral("Order1"));
    EXPECT_EQ(StockProcessingForm::rental().outgoing.table, QStringLiteral("Invoice1"));
    EXPECT_EQ(StockProcessingForm::retail().title, QStringLiteral("ปรับ STOCK สินค้า"));
}

Document smallSale() {
    Document d;
    d.header.invNo = TemporaryNumber();
    d.header.invDate = QStringLiteral("01/02/2547");
    d.header.custNo = QStringLiteral("00001");
    d.header.custCre = QStringLiteral("สด");
    return d;
}

NumberProvider fixed(const QString& number) {
    return [number](const QSqlDatabase&) { return std::optional<QString>(number); };
}

TEST(StockProcessing, ExclusiveUseAgainstOtherStations) {
    TestDatabase t;
    seed(t.db());
    const auto other = t.connect(QStringLiteral("other station"));
    if (!TestDatabase::onPostgres())
        runSql(other->db(), QStringLiteral("PRAGMA busy_timeout = 100"), "test");
    ScriptedPrompter prompter;

    {
        // Another station is in the middle of a save.
        Transaction saving(other->db(), Transaction::Lock::WriteLockNow);
        ExclusiveUse::refuseWhileProcessing(other->db());
        Build::header(other->db(), QStringLiteral("Invoice"), QStringLiteral("SALE1000009"));
        StockProcessing refused(t.alias(), StockProcessingForm::retail(), prompter);
        EXPECT_FALSE(refused.open());
        EXPECT_FALSE(refused.step1Enabled());
        EXPECT_EQ(prompter.texts(), QStringList{ExclusiveUse::busyMessage()});
    }

    prompter.clear();
    {
        StockProcessing flow(t.alias(), StockProcessingForm::retail(), prompter);
        ASSERT_TRUE(flow.open());
        // A second processing window elsewhere is refused ...
        StockProcessing second(t.alias(), StockProcessingForm::retail(), prompter);
        EXPECT_FALSE(second.open());
        EXPECT_EQ(prompter.texts(), QStringList{ExclusiveUse::busyMessage()});
        // ... and so is another station's save, which leaves nothing behind.
        Document d = smallSale();
        try {
            DocumentStore(other->db(), 1).saveNew(d, fixed(QStringLiteral("SALE1000010")));
            ADD_FAILURE() << "saved while stock was being processed";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.kind(), StoreError::Kind::Locked) << e.what();
            if (TestDatabase::onPostgres()) {
                EXPECT_EQ(e.message(), ExclusiveUse::processingMessage());
            }
        }
        flow.runStep1();
        flow.runStep2();
    }
    // Once the window is gone the other station saves again.
    Document d = smallSale();
    EXPECT_EQ(DocumentStore(other->db(), 1).saveNew(d, fixed(QStringLiteral("SALE1000010"))),
              QStringLiteral("SALE1000010"));
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 1);
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 14.5);
}

TEST(StockProcessing, ALineChangedByAnotherProgramMeanwhileFailsTheWholeWrite) {
    // Only PostgreSQL lets another program write while the window is open (the advisory lock
    // binds only the programs that ask for it); the write then must not count a line twice.
    if (!TestDatabase::onPostgres())
        GTEST_SKIP() << "SQLite keeps every other writer out while the window is open";
    TestDatabase t;
    seed(t.db());
    ScriptedPrompter prompter;
    StockProcessing flow(t.alias(), StockProcessingForm::retail(), prompter);
    ASSERT_TRUE(flow.open());
    flow.runStep1();
    runSql(t.db(), QStringLiteral("UPDATE invoice1 SET stk_post = 0 WHERE pro_no = 'A'"), "test");
    flow.runStep2();
    EXPECT_EQ(prompter.texts(), QStringList{StockProcessingText::WriteFailed});
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("A")), 10);
    EXPECT_EQ(open(t.db(), "order1", 2), 3);
}

} // namespace
