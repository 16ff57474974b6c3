// The till's customer step, lines, keys and totals, through its workflow.
#include "posfixture.h"

#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

#include <gtest/gtest.h>

namespace {

using Focus = PosSale::Focus;
using PosShop::seed;

class PosSaleTest : public ::testing::Test {
protected:
    void SetUp() override { seed(t.db()); }
    TestDatabase t;
};

QStringList column(const PosLinesModel& model, int col) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.data(model.index(r, col), Qt::DisplayRole).toString();
    return out;
}

TEST_F(PosSaleTest, OpensInItsKindAndReadsTheSettingsOnce) {
    PosTill flat(t, 1);
    EXPECT_EQ(flat->panelColour(), PosSale::PanelColour::Yellow);
    PosTill vat(t, 2);
    EXPECT_EQ(vat->panelColour(), PosSale::PanelColour::Red);

    EXPECT_EQ(flat->salespersonNames(),
              (QStringList{QStringLiteral("สมชาย ขายเก่ง"), QStringLiteral("สมศรี ใจดี")}));
    EXPECT_EQ(flat->salespersonIndex(), 0);
    EXPECT_EQ(flat->settings().shopName, QStringLiteral("ร้านทดสอบ"));
    EXPECT_EQ(flat->settings().slipLayout, 2);
    EXPECT_EQ(flat->step(), PosSale::Step::NoSale);
    EXPECT_EQ(flat->focus(), Focus::CustomerCode);
    EXPECT_FALSE(flat->productCodeEnabled());
    EXPECT_EQ(flat->amountDueText(), QStringLiteral("0.00"));
    EXPECT_EQ(flat->quantityText(), QStringLiteral("0"));

    // Coming back to the window reads nothing again.
    PosShop::setting(t.db(), "OF_NAME", QStringLiteral("ร้านใหม่"));
    EXPECT_TRUE(flat->activate());
    EXPECT_EQ(flat->settings().shopName, QStringLiteral("ร้านทดสอบ"));
    EXPECT_TRUE(flat.prompter().asked().isEmpty());
}

TEST_F(PosSaleTest, TheCustomerCodeFindsTheFirstCustomerItBegins) {
    struct Case {
        const char* typed;
        const char* found; // nullptr: no sale starts
    };
    const Case cases[] = {{"00001", "00001"}, {"00", "00001"},    {"0002", "00020"},
                          {"0", "00001"},     {"01", "01000"},    {"02", nullptr},
                          {"1", nullptr},     {"000010", nullptr}};
    for (const Case& c : cases) {
        PosTill till(t);
        till.customer(QString::fromLatin1(c.typed));
        if (!c.found) {
            EXPECT_EQ(till->step(), PosSale::Step::NoSale) << c.typed;
            EXPECT_EQ(till->focus(), Focus::CustomerCode) << c.typed;
            EXPECT_TRUE(till->customerName().isEmpty()) << c.typed;
            EXPECT_TRUE(till->creditTerm().isEmpty()) << c.typed;
            continue;
        }
        EXPECT_EQ(till->step(), PosSale::Step::SaleOpen) << c.typed;
        EXPECT_EQ(till->header().custNo, QString::fromLatin1(c.found)) << c.typed;
        EXPECT_EQ(till->focus(), Focus::ProductCode) << c.typed;
        EXPECT_TRUE(till->customerLocked());
        EXPECT_TRUE(till->productCodeEnabled());
        EXPECT_TRUE(till.prompter().asked().isEmpty()) << c.typed;
    }
}

TEST_F(PosSaleTest, StartingASaleShowsTheCustomerAndItsTerms) {
    PosTill till(t);
    till.customer(QStringLiteral("00020"));
    EXPECT_EQ(till->customerName(), QStringLiteral("บริษัท เครดิต จำกัด"));
    EXPECT_EQ(till->customerAddress1(), QStringLiteral("12 ถนนสุขุมวิท แขวงคลองเตย"));
    EXPECT_EQ(till->customerAddress2(), QStringLiteral("กรุงเทพฯ Tel 02-333-4444"));
    EXPECT_EQ(till->creditTerm(), QStringLiteral("30 ว."));
    EXPECT_EQ(till->dueDate(), QStringLiteral("14/02/2567"));
    EXPECT_TRUE(till->header().invNo.startsWith(QStringLiteral("TEMP")));
    EXPECT_EQ(till->header().invDate, PosShop::Today);

    PosTill cash(t);
    cash.customer(QStringLiteral("00001"));
    EXPECT_EQ(cash->customerAddress2(), QStringLiteral("กรุงเทพฯ Tel 02-111-2222 fax 02-111-2223"));
    EXPECT_EQ(cash->dueDate(), PosShop::Today);
    PosTill plain(t);
    plain.customer(QStringLiteral("01000"));
    EXPECT_EQ(plain->customerAddress2(), QStringLiteral("กรุงเทพฯ"));
}

TEST_F(PosSaleTest, AnEmptyCustomerCodeOpensTheListWhoseRowsFillTheField) {
    PosTill till(t);
    till.customer(QString());
    EXPECT_TRUE(till->customerListVisible());
    EXPECT_EQ(till->focus(), Focus::CustomerList);
    ASSERT_EQ(till->customerList()->rowCount(), 3);
    EXPECT_EQ(till->customerList()->codeAt(2), QStringLiteral("01000"));

    till->clickCustomer(1);
    EXPECT_EQ(till->customerCodeText(), QStringLiteral("00020"));
    EXPECT_TRUE(till->customerListVisible());
    till->closeCustomerList(2);
    EXPECT_EQ(till->customerCodeText(), QStringLiteral("01000"));
    EXPECT_FALSE(till->customerListVisible());
    EXPECT_EQ(till->focus(), Focus::CustomerCode);
    EXPECT_EQ(till->step(), PosSale::Step::NoSale) << "the sale starts on Enter in the field";
    till->enterCustomerCode();
    EXPECT_EQ(till->header().custName, QStringLiteral("คุณสมหญิง"));
}

TEST_F(PosSaleTest, AScannedCodeBecomesALineOfTheSale) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850003"));
    ASSERT_EQ(till->lines()->rowCount(), 1);
    const DocumentLine& line = till->lines()->lines().at(0);
    EXPECT_EQ(line.proNo, QStringLiteral("8850003"));
    EXPECT_EQ(line.proName, QStringLiteral("นมสด 1 ลิตร"));
    EXPECT_EQ(line.proQty, 1);
    EXPECT_EQ(line.unitPrice, Money::parse(QStringLiteral("45.5")));
    EXPECT_EQ(line.discount, 0);
    EXPECT_EQ(line.stkPost, 1);
    EXPECT_EQ(line.earn, 1);
    EXPECT_EQ(line.vStatus, QStringLiteral("0"));
    EXPECT_EQ(line.pBill, QStringLiteral("กล่อง"));
    EXPECT_EQ(line.proUnit, std::nullopt);
    EXPECT_EQ(line.price, *Money::parse(QStringLiteral("45.5")));
    EXPECT_EQ(line.invNo, till->header().invNo);
    EXPECT_EQ(till->onHandText(), QStringLiteral("2.5"));
    EXPECT_TRUE(till->codeText().isEmpty());
    EXPECT_EQ(till->focus(), Focus::ProductCode);
    EXPECT_EQ(till->amountDueText(), QStringLiteral("45.50"));
    EXPECT_EQ(column(*till->lines(), PosLinesModel::Amount), QStringList{QStringLiteral("45.50")});
    EXPECT_TRUE(till.prompter().asked().isEmpty());
}

TEST_F(PosSaleTest, UnknownCodesAndShortStockAddNothing) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("9999999"));
    EXPECT_EQ(till.prompter().texts(), QStringList{PosText::CodeNotFound});
    EXPECT_TRUE(till->codeText().isEmpty());

    // 2.5 cartons on hand: three are refused, with the figure in its shortest form.
    till.prompter().clear();
    till.quantity(QStringLiteral("3"));
    till.scan(QStringLiteral("8850003"));
    EXPECT_EQ(till.prompter().texts(),
              QStringList{QStringLiteral(" สินค้า มีจำนวน 2.5 หน่วย  ไม่พอจำหน่าย ")});
    EXPECT_EQ(till->quantityText(), QStringLiteral("0"));
    EXPECT_EQ(till->focus(), Focus::ProductCode);
    EXPECT_EQ(till->lines()->rowCount(), 0);
    EXPECT_EQ(till->amountDueText(), QStringLiteral("0.00"));
    // The refused quantity is not kept for the next scan.
    till.scan(QStringLiteral("8850003"));
    EXPECT_EQ(till->lines()->rowCount(), 1);

    // Open sale and purchase lines count; the repair program's lines do not.
    Records::insert(t.db(), QStringLiteral("Invoice1"),
                    {{QStringLiteral("INV_NO"), QStringLiteral("SALE1000000")},
                     {QStringLiteral("PRO_NO"), QStringLiteral("8850002")},
                     {QStringLiteral("PRO_QTY"), 1.0},
                     {QStringLiteral("STK_POST"), 1.0}},
                    "test");
    Records::insert(t.db(), QStringLiteral("Service1"),
                    {{QStringLiteral("SPR_NO"), QStringLiteral("8850001")},
                     {QStringLiteral("QTY"), 100.0},
                     {QStringLiteral("STK_POST"), 1.0}},
                    "test");
    till.prompter().clear();
    till.scan(QStringLiteral("8850002"));
    till.scan(QStringLiteral("8850001"));
    EXPECT_EQ(till.prompter().texts(),
              QStringList{QStringLiteral(" สินค้า มีจำนวน 0 หน่วย  ไม่พอจำหน่าย ")});
    EXPECT_EQ(till->lines()->rowCount(), 2);
}

TEST_F(PosSaleTest, TwoScansOfOneProductAreTwoLinesEachTestedAlone) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850002")); // one loaf on hand
    till.scan(QStringLiteral("8850002"));
    EXPECT_EQ(till->lines()->rowCount(), 2);
    EXPECT_TRUE(till.prompter().asked().isEmpty());
    EXPECT_EQ(column(*till->lines(), PosLinesModel::Counter),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(till->amountDueText(), QStringLiteral("50.00"));
}

TEST_F(PosSaleTest, TheQuantityKeyPricesByTheBreaks) {
    struct Case {
        const char* quantity;
        const char* unitPrice; // empty: no price below the first level
        const char* amount;
    };
    // Levels 1 / 10 / 20 / 50 / 100 at 10.00, 9.00, 8.00, 7.00 and 6.00.
    const Case cases[] = {
        {"1", "10.00", "10.00"},  {"9.5", "10.00", "95.00"}, {"10", "9.00", "90.00"},
        {"20", "8.00", "160.00"}, {"50", "7.00", "350.00"},  {"100", "6.00", "600.00"},
        {"0.5", "", "0.00"},      {"0", "10.00", "10.00"},   {"-2", "10.00", "10.00"},
    };
    for (const Case& c : cases) {
        PosTill till(t);
        till.customer(QStringLiteral("00001"));
        till.key('*');
        EXPECT_TRUE(till->quantityVisible());
        EXPECT_EQ(till->quantityText(), QStringLiteral("1"));
        EXPECT_EQ(till->focus(), Focus::Quantity);
        till->setQuantityText(QString::fromLatin1(c.quantity));
        till->enterQuantity();
        EXPECT_EQ(till->focus(), Focus::ProductCode) << c.quantity;
        till.scan(QStringLiteral("8850001"));
        ASSERT_EQ(till->lines()->rowCount(), 1) << c.quantity;
        EXPECT_EQ(column(*till->lines(), PosLinesModel::UnitPrice).at(0),
                  QString::fromLatin1(c.unitPrice))
            << c.quantity;
        EXPECT_EQ(till->amountDueText(), QString::fromLatin1(c.amount)) << c.quantity;
        EXPECT_FALSE(till->quantityVisible()) << c.quantity;
        EXPECT_EQ(till->quantityText(), QStringLiteral("0")) << c.quantity;
    }
}

TEST_F(PosSaleTest, TheDiscountKeyAppliesToTheNextLineOnly) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.quantity(QStringLiteral("3"));
    till.lineDiscount(QStringLiteral("10"));
    till.scan(QStringLiteral("8850004")); // 3 x 33.3333 less 10 %, rounded once
    till.scan(QStringLiteral("8850004"));
    EXPECT_EQ(till->lines()->lines().at(0).price, Money::fromUnits(899999));
    EXPECT_EQ(till->lines()->lines().at(0).discount, 10);
    EXPECT_EQ(till->lines()->lines().at(1).price, Money::fromUnits(333333));
    EXPECT_EQ(till->lines()->lines().at(1).discount, 0);
    EXPECT_FALSE(till->discountVisible());
}

TEST_F(PosSaleTest, AQuantityOrDiscountThatIsNoNumberIsNotTaken) {
    for (const char* field : {"quantity", "discount", "cash discount"}) {
        PosTill till(t);
        till.customer(QStringLiteral("00001"));
        till.scan(QStringLiteral("8850001"));
        const QString f = QString::fromLatin1(field);
        if (f == QLatin1String("quantity"))
            till.quantity(QStringLiteral("สอง"));
        else if (f == QLatin1String("discount"))
            till.lineDiscount(QStringLiteral("10%"));
        else
            till.cashDiscount(QStringLiteral("5 บาท"));
        EXPECT_EQ(till.prompter().texts(), QStringList{QStringLiteral("ตัวเลข...ไม่ถูกต้อง ")})
            << field;
        EXPECT_NE(till->focus(), Focus::ProductCode) << field << ": the cursor stays in the field";
        // The sale goes on as before.
        EXPECT_EQ(till->step(), PosSale::Step::SaleOpen) << field;
        EXPECT_EQ(till->lines()->rowCount(), 1) << field;
        till.scan(QStringLiteral("8850001"));
        EXPECT_EQ(till->lines()->lines().at(1).proQty, 1) << field;
        EXPECT_EQ(till->lines()->lines().at(1).discount, 0) << field;
    }
}

TEST_F(PosSaleTest, DeletingALineAsksWithThreeButtons) {
    struct Case {
        const char* name;
        Prompter::Answer answer;
        int linesLeft;
        QStringList told;
    };
    const Case cases[] = {
        {"yes deletes the current line", Prompter::Answer::Yes, 1, {PosText::DeleteLine}},
        {"no says so and keeps it",
         Prompter::Answer::No,
         2,
         {PosText::DeleteLine, PosText::DeleteCancelled}},
        {"cancel does nothing", Prompter::Answer::Cancel, 2, {PosText::DeleteLine}},
    };
    for (const Case& c : cases) {
        PosTill till(t);
        till.customer(QStringLiteral("00001"));
        till.scan(QStringLiteral("8850001"));
        till.scan(QStringLiteral("8850003"));
        till.key('-');
        EXPECT_EQ(till->codeText(), QStringLiteral("-")) << c.name;
        EXPECT_EQ(till->focus(), Focus::Lines) << c.name;
        c.answer == Prompter::Answer::Yes  ? till.prompter().yes()
        : c.answer == Prompter::Answer::No ? till.prompter().no()
                                           : till.prompter().cancel();
        till->gridEnter(0);
        EXPECT_EQ(till.prompter().texts(), c.told) << c.name;
        EXPECT_EQ(till->lines()->rowCount(), c.linesLeft) << c.name;
        EXPECT_TRUE(till->codeText().isEmpty()) << c.name;
        EXPECT_EQ(till->focus(), Focus::ProductCode) << c.name;
        EXPECT_EQ(till->amountDueText(),
                  c.linesLeft == 1 ? QStringLiteral("45.50") : QStringLiteral("55.50"))
            << c.name;
    }

    // Enter in the grid without "-" only goes back to the code field.
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QStringLiteral("8850001"));
    till->gridEnter(0);
    EXPECT_TRUE(till.prompter().asked().isEmpty());
    EXPECT_EQ(till->lines()->rowCount(), 1);
    // On an empty sale Yes deletes nothing.
    PosTill empty(t);
    empty.customer(QStringLiteral("00001"));
    empty.key('-');
    empty.prompter().yes();
    empty->gridEnter(-1);
    EXPECT_EQ(empty->lines()->rowCount(), 0);
}

TEST_F(PosSaleTest, TheCashDiscountComesOffBeforeTheTax) {
    struct Case {
        const char* name;
        int kind;
        const char* discount; // typed into the panel; nullptr: never opened
        const char* gross;
        const char* net;
        const char* tax;
        const char* due;
    };
    // Two lines of 55.50 in all.
    const Case cases[] = {
        {"flat rate, none", 1, nullptr, "55.50", "55.50", "0.00", "55.50"},
        {"flat rate, 5.50", 1, "5.50", "55.50", "50.00", "0.00", "50.00"},
        {"vat, 5.50", 2, "5.50", "55.50", "50.00", "3.50", "53.50"},
        {"vat, emptied", 2, "", "55.50", "55.50", "3.885", "59.385"},
        {"bigger than the sale", 2, "100", "55.50", "-44.50", "-3.115", "-47.615"},
    };
    for (const Case& c : cases) {
        PosTill till(t, c.kind);
        till.customer(QStringLiteral("00001"));
        till.scan(QStringLiteral("8850001"));
        till.scan(QStringLiteral("8850003"));
        if (c.discount) {
            till.key(1);
            EXPECT_TRUE(till->cashDiscountVisible()) << c.name;
            EXPECT_EQ(till->cashDiscountText(), QStringLiteral("0")) << c.name;
            EXPECT_EQ(till->focus(), Focus::CashDiscount) << c.name;
            till->setCashDiscountText(QString::fromLatin1(c.discount));
            till->enterCashDiscount();
            EXPECT_FALSE(till->cashDiscountVisible()) << c.name;
            EXPECT_EQ(till->focus(), Focus::ProductCode) << c.name;
        }
        const PosTotalsResult& totals = till->totals();
        EXPECT_EQ(totals.gross, *Money::parse(QString::fromLatin1(c.gross))) << c.name;
        EXPECT_EQ(totals.net, *Money::parse(QString::fromLatin1(c.net))) << c.name;
        EXPECT_EQ(totals.tax, *Money::parse(QString::fromLatin1(c.tax))) << c.name;
        EXPECT_EQ(totals.amountDue, *Money::parse(QString::fromLatin1(c.due))) << c.name;
        EXPECT_TRUE(till.prompter().asked().isEmpty()) << c.name;
    }
}

TEST_F(PosSaleTest, CommandKeysWaitForAnOpenSale) {
    PosTill till(t);
    for (char k : {'*', '/', '-', '+', '?', char(1), char(3)})
        EXPECT_FALSE(till->productCodeKey(QChar::fromLatin1(k))) << int(k);
    EXPECT_TRUE(till.prompter().asked().isEmpty());
    till.customer(QStringLiteral("00001"));
    EXPECT_FALSE(till->productCodeKey(QLatin1Char('8'))) << "digits are typed";
    EXPECT_TRUE(till->productCodeKey(QChar(3)));
    EXPECT_TRUE(till->salespersonVisible());
    EXPECT_EQ(till->focus(), Focus::Salesperson);
}

TEST_F(PosSaleTest, TheSalespersonChosenGoesOnTheSale) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till->chooseSalesperson(1);
    EXPECT_TRUE(till->header().saleNo.isEmpty()) << "the list is not open";
    till.key(3);
    till->chooseSalesperson(1);
    EXPECT_EQ(till->header().saleNo, QStringLiteral("S02"));
    EXPECT_EQ(till->header().saleName, QStringLiteral("สมศรี ใจดี"));
    EXPECT_EQ(till->focus(), Focus::ProductCode);
    EXPECT_EQ(till->salespersonIndex(), 1);
}

TEST_F(PosSaleTest, TheSearchPanelFindsByCodeExactlyAndByNameNearest) {
    PosTill till(t);
    till.customer(QStringLiteral("00001"));
    till.scan(QString());
    ASSERT_TRUE(till->searchVisible());
    EXPECT_EQ(till->focus(), Focus::SearchField);
    PosProductSearch& search = *till->productSearch();
    EXPECT_EQ(search.by(), PosProductSearch::By::Code);
    EXPECT_EQ(search.label(), QStringLiteral("รหัสสินค้า "));
    EXPECT_EQ(search.rowCount(), 4);
    EXPECT_EQ(search.current()->code, QStringLiteral("8850001"));
    EXPECT_EQ(search.data(search.index(2, PosProductSearch::OnHand), Qt::DisplayRole),
              QStringLiteral("2.5"));

    // By code only the exact code moves the grid.
    till->searchType(QStringLiteral("885000"));
    EXPECT_EQ(search.current()->code, QStringLiteral("8850001"));
    till->searchType(QStringLiteral("8850003"));
    EXPECT_EQ(search.current()->code, QStringLiteral("8850003"));

    // By name the nearest name; a click copies the name; Enter adds that product.
    till->searchBy(PosProductSearch::By::Name);
    EXPECT_EQ(search.label(), QStringLiteral("ชื่อสินค้า "));
    till->searchType(QStringLiteral("ส"));
    EXPECT_EQ(search.current()->name, QStringLiteral("สบู่ก้อน"));
    till->searchType(QStringLiteral("ขน"));
    EXPECT_EQ(search.current()->name, QStringLiteral("ขนมปังแผ่น"));
    till->searchEnter();
    EXPECT_EQ(search.text(), QStringLiteral("ขนมปังแผ่น"));
    EXPECT_FALSE(till->searchVisible());
    EXPECT_EQ(till->focus(), Focus::ProductCode);
    ASSERT_EQ(till->lines()->rowCount(), 1);
    EXPECT_EQ(till->lines()->lines().at(0).proNo, QStringLiteral("8850002"));

    till.key('?');
    ASSERT_TRUE(till->searchVisible());
    till->searchClick(3);
    EXPECT_EQ(search.text(), QStringLiteral("8850004"));
    till->searchEnter();
    EXPECT_EQ(till->lines()->lines().at(1).proNo, QStringLiteral("8850004"));
}

} // namespace
