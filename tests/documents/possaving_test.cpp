// The till's saving, numbering, payment and finishing, through its workflow.
#include "posfixture.h"

#include "shopcore/documents/documentnumber.h"
#include "shopcore/documents/documentstore.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

#include <gtest/gtest.h>

namespace {

using Focus = PosSale::Focus;
using Step = PosSale::Step;

class PosSavingTest : public ::testing::Test {
protected:
    void SetUp() override { PosShop::seed(t.db()); }
    std::optional<Document> stored(const QString& number) const {
        return DocumentStore(t.db(), 1).load(number);
    }
    TestDatabase t;
};

TEST_F(PosSavingTest, ACashSaleIsStoredWithItsNumberTotalsAndOperator) {
    PosTill till(t, 2);
    till.customer(QStringLiteral("00001"));
    till.key(3);
    till->chooseSalesperson(0);
    till.quantity(QStringLiteral("2"));
    till.scan(QStringLiteral("8850001"));
    till.scan(QStringLiteral("8850003"));
    till.cashDiscount(QStringLiteral("5.50"));
    EXPECT_EQ(till.saveYes(), QStringLiteral("VATS2000001"));
    EXPECT_EQ(till.prompter().texts(), QStringList{PosText::SaveQuestion});
    EXPECT_EQ(PosShop::queued(t.db(), "QUE_INV_V"), QStringLiteral("VATS2000001"));

    const auto doc = stored(QStringLiteral("VATS2000001"));
    ASSERT_TRUE(doc);
    const DocumentHeader& h = doc->header;
    EXPECT_EQ(h.invType, QStringLiteral("2"));
    EXPECT_EQ(h.invDate, PosShop::Today);
    EXPECT_EQ(h.invTime, QTime(10, 30, 45));
    EXPECT_EQ(h.custNo, QStringLiteral("00001"));
    EXPECT_EQ(h.custName, QStringLiteral("ลูกค้าเงินสด"));
    EXPECT_EQ(h.custCre, QStringLiteral("สด"));
    EXPECT_EQ(h.fgOk, 1);
    EXPECT_EQ(h.fgBill, 0);
    EXPECT_EQ(h.dueDate, PosShop::Today);
    EXPECT_EQ(h.pBill, QStringLiteral("06701200001"));
    EXPECT_EQ(h.saleNo, QStringLiteral("S01"));
    EXPECT_EQ(h.saleName, QStringLiteral("สมชาย ขายเก่ง"));
    EXPECT_EQ(h.idCode1, QStringLiteral("cashier1"));
    EXPECT_EQ(h.taxRate, 7);
    EXPECT_EQ(h.discount, *Money::parse(QStringLiteral("5.50")));
    EXPECT_EQ(h.total, *Money::parse(QStringLiteral("60.00")));
    EXPECT_EQ(h.tax, *Money::parse(QStringLiteral("4.20")));
    EXPECT_EQ(h.sumTotal, *Money::parse(QStringLiteral("64.20")));
    ASSERT_EQ(doc->lines.size(), 2);
    EXPECT_EQ(doc->lines[0].invNo, QStringLiteral("VATS2000001"));
    EXPECT_EQ(doc->lines[0].proQty, 2);
    EXPECT_EQ(doc->lines[0].earn, 2);
    EXPECT_EQ(doc->lines[0].pBill, QStringLiteral("ชิ้น"));
    EXPECT_EQ(doc->lines[1].stkPost, 1);
    EXPECT_EQ(doc->lines[1].vStatus, QStringLiteral("0"));

    // Cash customers pay next.
    EXPECT_EQ(till->step(), Step::Payment);
    EXPECT_TRUE(till->paymentVisible());
    EXPECT_EQ(till->focus(), Focus::Received);
    EXPECT_FALSE(till->thankYouEnabled());
    EXPECT_TRUE(till->receivedText().isEmpty());
    EXPECT_EQ(till->currentNumber(), QStringLiteral("VATS2000001"));
}

TEST_F(PosSavingTest, TheSaveQuestionCanKeepOrDropTheSale) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850001"));
    till.prompter().cancel();
    till->save();
    EXPECT_EQ(till->step(), Step::SaleOpen);
    EXPECT_EQ(till->lines()->rowCount(), 1);
    EXPECT_EQ(till->focus(), Focus::ProductCode);

    till.prompter().no();
    till.key('+');
    EXPECT_EQ(till->step(), Step::NoSale);
    EXPECT_EQ(till->lines()->rowCount(), 0);
    EXPECT_TRUE(till->customerName().isEmpty());
    EXPECT_EQ(till->focus(), Focus::CustomerCode);
    EXPECT_TRUE(PosShop::savedNumbers(t.db()).isEmpty());
    EXPECT_EQ(PosShop::queued(t.db()), QStringLiteral("SALE1000000"));
}

TEST_F(PosSavingTest, ACreditSaleGoesStraightToThePrintQuestion) {
    PosTill till(t);
    till.customer(QStringLiteral("00020"));
    till.scan(QStringLiteral("8850001"));
    till.prompter().yes().yes();
    till->save();
    EXPECT_EQ(till.prompter().texts(),
              (QStringList{PosText::SaveQuestion, PosText::PrintQuestion}));
    const auto doc = stored(QStringLiteral("SALE1000001"));
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->header.fgOk, 0);
    EXPECT_EQ(doc->header.dueDate, QStringLiteral("14/02/2567"));
    EXPECT_EQ(doc->header.pBill, QStringLiteral("06702100020"));
    ASSERT_EQ(till.printed().size(), 1);
    const PosSlipRequest& slip = till.printed().first();
    EXPECT_EQ(slip.number, QStringLiteral("SALE1000001"));
    EXPECT_EQ(slip.slipLayout, 2);
    EXPECT_TRUE(slip.preview);
    EXPECT_TRUE(slip.received.isZero());
    EXPECT_EQ(till->step(), Step::NoSale);
    EXPECT_EQ(till->lines()->rowCount(), 0);
    EXPECT_EQ(till->focus(), Focus::CustomerCode);
}

TEST_F(PosSavingTest, ThePrintModeDecidesWhetherAndHowItPrints) {
    struct Case {
        const char* view1;
        bool asked;
        bool printed;
        bool preview;
    };
    const Case cases[] = {{"0", true, true, true},
                          {"1", true, true, false},
                          {"2", false, false, false},
                          {"", true, true, true}};
    for (const Case& c : cases) {
        TestDatabase fresh;
        PosShop::seed(fresh.db());
        PosShop::setting(fresh.db(), "VIEW1", QString::fromLatin1(c.view1));
        PosShop::setting(fresh.db(), "LINE5", QStringLiteral("3"));
        PosTill till(fresh);
        till.customer(QStringLiteral("00020"));
        till.prompter().yes();
        if (c.asked)
            till.prompter().yes();
        till->save();
        EXPECT_EQ(till.prompter().texts().contains(PosText::PrintQuestion), c.asked) << c.view1;
        ASSERT_EQ(till.printed().size(), c.printed ? 1 : 0) << c.view1;
        if (c.printed) {
            EXPECT_EQ(till.printed()[0].preview, c.preview) << c.view1;
            EXPECT_EQ(till.printed()[0].slipLayout, 3) << c.view1;
        }
        EXPECT_EQ(till->step(), Step::NoSale) << c.view1;
    }
}

TEST_F(PosSavingTest, AnEmptySaleIsStoredWithZeroTotals) {
    PosTill till(t, 2);
    till.customer(QStringLiteral("00001"));
    EXPECT_EQ(till.saveYes(), QStringLiteral("VATS2000001"));
    const auto doc = stored(QStringLiteral("VATS2000001"));
    ASSERT_TRUE(doc);
    EXPECT_TRUE(doc->lines.isEmpty());
    EXPECT_TRUE(doc->header.sumTotal.isZero());
    EXPECT_TRUE(doc->header.tax.isZero());
    EXPECT_TRUE(doc->header.saleNo.isEmpty());
    EXPECT_TRUE(doc->header.saleName.isEmpty());
    // Nothing due: what is received is all change.
    till.received(QStringLiteral("20"));
    EXPECT_EQ(till->changeText(), QStringLiteral("20.00"));
    EXPECT_TRUE(till->thankYouEnabled());
}

TEST_F(PosSavingTest, PaymentTakesCashGivesChangeAndPrintsTheSlip) {
    struct Case {
        const char* name;
        const char* typed;
        const char* receivedShown;
        const char* change; // empty: refused
        QStringList told;
    };
    // 55.50 due.
    const Case cases[] = {
        {"more than due", "100", "100.00", "44.50", {}},
        {"with thousands", "1,000.5", "1,000.50", "945.00", {}},
        {"exact", "55.5", "55.50", "0.00", {}},
        {"too little", "50", "", "", {PosText::NotEnoughMoney}},
        {"not a number", "ห้าสิบ", "", "", {QStringLiteral("ตัวเลข...ไม่ถูกต้อง ")}},
    };
    for (const Case& c : cases) {
        TestDatabase fresh;
        PosShop::seed(fresh.db());
        PosTill till(fresh);
        till.customer(QStringLiteral("00001"));
        till.scan(QStringLiteral("8850001"));
        till.scan(QStringLiteral("8850003"));
        till.saveYes();
        till.prompter().clear();
        till.received(QString::fromUtf8(c.typed));
        EXPECT_EQ(till.prompter().texts(), c.told) << c.name;
        EXPECT_EQ(till->receivedText(), QString::fromUtf8(c.receivedShown)) << c.name;
        EXPECT_EQ(till->changeText(), QString::fromLatin1(c.change)) << c.name;
        EXPECT_TRUE(till->drawerPictureShown()) << c.name;
        const bool paid = *c.change != 0;
        EXPECT_EQ(till->thankYouEnabled(), paid) << c.name;
        EXPECT_EQ(till->focus(), paid ? Focus::ThankYou : Focus::Received) << c.name;
        if (!paid) {
            till->finish();
            EXPECT_EQ(till->step(), Step::Payment) << c.name << ": no thanks before the cash";
            continue;
        }
        till.prompter().yes();
        till->finish();
        ASSERT_EQ(till.printed().size(), 1) << c.name;
        EXPECT_EQ(till.printed()[0].received, *Money::parse(QString::fromUtf8(c.receivedShown)));
        EXPECT_EQ(till.printed()[0].change, *Money::parse(QString::fromLatin1(c.change)));
        EXPECT_EQ(till->step(), Step::NoSale) << c.name;
        EXPECT_EQ(till->currentNumber(), QStringLiteral("SALE1000001")) << c.name;
    }
}

TEST_F(PosSavingTest, AFailedNumberAsksToTryAgainAndKeepsTheSale) {
    // A queue that cannot be counted on refuses every number of the series.
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("SALE1abc")}}, "test");
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850001"));
    till.prompter().yes().yes().no();
    till->save();
    const QStringList told = till.prompter().texts();
    ASSERT_EQ(told.size(), 5);
    EXPECT_EQ(told[2], PosText::TryAgain);
    EXPECT_EQ(told[4], PosText::TryAgain);
    EXPECT_EQ(till->step(), Step::SaleOpen);
    EXPECT_EQ(till->lines()->rowCount(), 1);
    EXPECT_TRUE(PosShop::savedNumbers(t.db()).isEmpty());

    // Once the queue is mended the same sale saves.
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("SALE1000041")}}, "test");
    EXPECT_EQ(till.saveYes(), QStringLiteral("SALE1000042"));
}

TEST_F(PosSavingTest, ANumberAlreadyStoredIsSkippedOnce) {
    // The document-entry screen numbers by the table and has gone past the queue.
    for (const char* n : {"SALE1000001", "SALE1000002"})
        Records::insert(t.db(), QStringLiteral("Invoice"),
                        {{QStringLiteral("INV_NO"), QString::fromLatin1(n)}}, "test");
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850001"));
    EXPECT_EQ(till.saveYes(), QStringLiteral("SALE1000003"));
    EXPECT_EQ(till.prompter().texts(), QStringList{PosText::SaveQuestion});
    EXPECT_EQ(PosShop::queued(t.db()), QStringLiteral("SALE1000003"));
    ASSERT_TRUE(stored(QStringLiteral("SALE1000003")));
    EXPECT_EQ(stored(QStringLiteral("SALE1000003"))->lines.size(), 1);
}

TEST_F(PosSavingTest, AStoreThatFailsKeepsTheSaleToBeSavedAgain) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850001"));
    till.scan(QStringLiteral("8850003"));

    // The connection goes away under the till: the save fails and the sale stays.
    QSqlDatabase db = till->db();
    db.close();
    EXPECT_EQ(till.saveYes(), std::nullopt);
    EXPECT_EQ(till.prompter().texts(), (QStringList{PosText::SaveQuestion, PosText::SaveFailed}));
    EXPECT_EQ(till->step(), Step::SaleOpen);
    EXPECT_EQ(till->lines()->rowCount(), 2);
    EXPECT_EQ(till->focus(), Focus::ProductCode);
    // The till connects again for the next try.
    till.prompter().clear();
    EXPECT_EQ(till.saveYes(), QStringLiteral("SALE1000001"));
    EXPECT_EQ(stored(QStringLiteral("SALE1000001"))->lines.size(), 2);

    // A line table that cannot be written: named, nothing half-written, the sale kept.
    till.received(QStringLiteral("100"));
    till.prompter().no();
    till->finish();
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850001"));
    runSql(t.db(), QStringLiteral("ALTER TABLE invoice1 RENAME TO invoice1_away"), "test");
    till.prompter().clear();
    EXPECT_EQ(till.saveYes(), std::nullopt);
    EXPECT_EQ(till.prompter().texts(),
              (QStringList{PosText::SaveQuestion, PosText::LineNotWritten, PosText::SaveFailed}));
    runSql(t.db(), QStringLiteral("ALTER TABLE invoice1_away RENAME TO invoice1"), "test");
    EXPECT_EQ(PosShop::savedNumbers(t.db()), QStringList{QStringLiteral("SALE1000001")});
    EXPECT_EQ(PosShop::queued(t.db()), QStringLiteral("SALE1000001"));
    EXPECT_EQ(till->lines()->rowCount(), 1);
    EXPECT_EQ(till.saveYes(), QStringLiteral("SALE1000002"));
}

TEST_F(PosSavingTest, ClosingWithAnUnsavedSaleAsksFirst) {
    PosTill till(t);
    EXPECT_TRUE(till->close()) << "nothing rung up";
    till.customer(QStringLiteral("00001"));
    EXPECT_TRUE(till->close()) << "a sale without lines has nothing to lose";

    PosTill busy(t);
    busy.customer(QStringLiteral("00020"));
    busy.scan(QStringLiteral("8850001"));
    busy.prompter().cancel();
    EXPECT_FALSE(busy->close());
    EXPECT_EQ(busy->lines()->rowCount(), 1);
    busy.prompter().yes().no();
    EXPECT_TRUE(busy->close()) << "saved, and a credit sale is finished";
    EXPECT_EQ(PosShop::savedNumbers(t.db()), QStringList{QStringLiteral("SALE1000001")});

    PosTill dropped(t);
    dropped.customer(QStringLiteral("00001"));
    dropped.scan(QStringLiteral("8850001"));
    dropped.prompter().no();
    EXPECT_TRUE(dropped->close());
    EXPECT_EQ(PosShop::savedNumbers(t.db()).size(), 1);
}

} // namespace
