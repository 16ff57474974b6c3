// The till screen with real keys on real widgets: the scanner types a code and Enter.
#include "posfixture.h"

#include "shopcore/documents/screens/tpos2.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PosScreenTest : public ::testing::Test {
protected:
    void SetUp() override { PosShop::seed(t.db()); }

    Tpos2& open(int kind = 1) {
        program.loginName = QStringLiteral("cashier1");
        auto sale = std::make_unique<PosSale>(t.alias(), kind, program, prompter);
        sale->setClock([] { return PosShop::Now; });
        sale->setSlipPrinter(
            [this](const PosSlipRequest& request, const QSqlDatabase&) { printed << request; });
        screen = std::make_unique<Tpos2>(std::move(sale));
        screen->resize(1024, 700);
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        return *screen;
    }
    // Thai text typed key by key (QTest's own typing knows only Latin letters).
    static void typeThai(QWidget* w, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QApplication::sendEvent(w, &release);
        }
    }
    static void type(QWidget* w, const QString& text) {
        QTest::keyClicks(w, text);
        QTest::keyClick(w, Qt::Key_Return);
    }
    // The scanner: the digits fast, then Enter.
    void scan(const QString& code) { type(screen->productCodeEdit(), code); }
    void startSale(const QString& customer = QStringLiteral("00001")) {
        type(screen->customerCodeEdit(), customer);
    }

    TestDatabase t;
    ProgramState program;
    ScriptedPrompter prompter;
    QList<PosSlipRequest> printed;
    std::unique_ptr<Tpos2> screen;
};

TEST_F(PosScreenTest, ScanningCodesRingsUpTheSale) {
    Tpos2& w = open();
    EXPECT_TRUE(w.customerCodeEdit()->hasFocus());
    EXPECT_FALSE(w.productCodeEdit()->isEnabled());
    EXPECT_FALSE(w.hintLabel()->isVisible());
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("0.00"));

    startSale(QStringLiteral("0000"));
    EXPECT_EQ(w.customerCodeEdit()->text(), QStringLiteral("00001"));
    EXPECT_FALSE(w.customerCodeEdit()->isEnabled());
    EXPECT_EQ(w.customerNameEdit()->text(), QStringLiteral("ลูกค้าเงินสด"));
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());
    EXPECT_TRUE(w.hintLabel()->isVisible());
    EXPECT_EQ(w.hintLabel()->text(), QStringLiteral(" กด * , / , - , + , Alt+1,  Alt+3, ?"));

    scan(QStringLiteral("8850001"));
    scan(QStringLiteral("8850003"));
    scan(QStringLiteral("8850001"));
    EXPECT_EQ(w.linesView()->model()->rowCount(), 3);
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("65.50"));
    EXPECT_TRUE(w.productCodeEdit()->text().isEmpty());
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());

    scan(QStringLiteral("0000000"));
    EXPECT_EQ(prompter.texts(), QStringList{PosText::CodeNotFound});
    EXPECT_EQ(w.linesView()->model()->rowCount(), 3);
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());
}

TEST_F(PosScreenTest, TheQuantityAndDiscountKeysOpenTheirFields) {
    Tpos2& w = open();
    startSale();
    EXPECT_FALSE(w.quantityEdit()->isVisible());
    QTest::keyClick(w.productCodeEdit(), Qt::Key_Asterisk);
    EXPECT_TRUE(w.productCodeEdit()->text().isEmpty()) << "the key is a command, not text";
    ASSERT_TRUE(w.quantityEdit()->isVisible());
    EXPECT_TRUE(w.quantityEdit()->hasFocus());
    EXPECT_EQ(w.quantityEdit()->text(), QStringLiteral("1"));
    w.quantityEdit()->selectAll();
    type(w.quantityEdit(), QStringLiteral("12"));
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());
    QTest::keyClick(w.productCodeEdit(), Qt::Key_Slash);
    ASSERT_TRUE(w.lineDiscountEdit()->hasFocus());
    w.lineDiscountEdit()->selectAll();
    type(w.lineDiscountEdit(), QStringLiteral("10"));
    scan(QStringLiteral("8850001")); // 12 at 9.00 less 10 %
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("97.20"));
    EXPECT_FALSE(w.quantityEdit()->isVisible());
    EXPECT_FALSE(w.lineDiscountEdit()->isVisible());
}

TEST_F(PosScreenTest, ControlKeysGiveTheCashDiscountAndTheSalespeople) {
    Tpos2& w = open(2);
    startSale();
    scan(QStringLiteral("8850001"));
    scan(QStringLiteral("8850003"));
    QTest::keyClick(w.productCodeEdit(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(w.cashDiscountPanel()->isVisible());
    EXPECT_TRUE(w.cashDiscountEdit()->hasFocus());
    w.cashDiscountEdit()->selectAll();
    type(w.cashDiscountEdit(), QStringLiteral("5.5"));
    EXPECT_FALSE(w.cashDiscountPanel()->isVisible());
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("53.50"));

    QTest::keyClick(w.productCodeEdit(), Qt::Key_3, Qt::AltModifier);
    ASSERT_TRUE(w.salespersonList()->isVisible());
    EXPECT_TRUE(w.salespersonList()->hasFocus());
    QTest::keyClick(w.salespersonList(), Qt::Key_Down);
    QTest::keyClick(w.salespersonList(), Qt::Key_Return);
    EXPECT_EQ(w.sale().header().saleNo, QStringLiteral("S02"));
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());

    // The button does what Ctrl+A does.
    QTest::mouseClick(w.cashDiscountButton(), Qt::LeftButton);
    EXPECT_TRUE(w.cashDiscountPanel()->isVisible());
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("59.38"));
}

TEST_F(PosScreenTest, MinusThenEnterOnTheGridDeletesALine) {
    Tpos2& w = open();
    startSale();
    scan(QStringLiteral("8850001"));
    scan(QStringLiteral("8850003"));
    QTest::keyClick(w.productCodeEdit(), Qt::Key_Minus);
    EXPECT_EQ(w.productCodeEdit()->text(), QStringLiteral("-"));
    ASSERT_TRUE(w.linesView()->hasFocus());
    QTest::keyClick(w.linesView(), Qt::Key_Up);
    prompter.yes();
    QTest::keyClick(w.linesView(), Qt::Key_Return);
    EXPECT_EQ(prompter.texts(), QStringList{PosText::DeleteLine});
    EXPECT_EQ(w.linesView()->model()->rowCount(), 1);
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("45.50"));
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());
    EXPECT_TRUE(w.productCodeEdit()->text().isEmpty());
}

TEST_F(PosScreenTest, EmptyEnterSearchesAndEnterInTheSearchAddsTheProduct) {
    Tpos2& w = open();
    startSale();
    QTest::keyClick(w.productCodeEdit(), Qt::Key_Return);
    ASSERT_TRUE(w.searchPanel()->isVisible());
    EXPECT_TRUE(w.searchEdit()->hasFocus());
    EXPECT_EQ(w.searchView()->model()->rowCount(), 4);
    QTest::mouseClick(w.searchByNameButton(), Qt::LeftButton);
    typeThai(w.searchEdit(), QStringLiteral("สบ"));
    EXPECT_EQ(w.searchView()->currentIndex().row(), 3);
    QTest::keyClick(w.searchEdit(), Qt::Key_Return);
    EXPECT_FALSE(w.searchPanel()->isVisible());
    EXPECT_TRUE(w.productCodeEdit()->hasFocus());
    ASSERT_EQ(w.linesView()->model()->rowCount(), 1);
    EXPECT_EQ(w.linesView()->model()->index(0, PosLinesModel::Code).data(),
              QStringLiteral("8850004"));
}

TEST_F(PosScreenTest, TheCustomerListFillsTheCodeField) {
    Tpos2& w = open();
    QTest::keyClick(w.customerCodeEdit(), Qt::Key_Return);
    ASSERT_TRUE(w.customerListPanel()->isVisible());
    EXPECT_TRUE(w.customerListView()->hasFocus());
    QTest::keyClick(w.customerListView(), Qt::Key_Down);
    QTest::keyClick(w.customerListView(), Qt::Key_Return);
    EXPECT_FALSE(w.customerListPanel()->isVisible());
    EXPECT_EQ(w.customerCodeEdit()->text(), QStringLiteral("00020"));
    EXPECT_TRUE(w.customerCodeEdit()->hasFocus());
    QTest::keyClick(w.customerCodeEdit(), Qt::Key_Return);
    EXPECT_EQ(w.customerNameEdit()->text(), QStringLiteral("บริษัท เครดิต จำกัด"));
}

TEST_F(PosScreenTest, PlusSavesThenTheCashGivesChangeAndTheSlip) {
    Tpos2& w = open();
    startSale();
    scan(QStringLiteral("8850001"));
    scan(QStringLiteral("8850003"));
    EXPECT_FALSE(w.paymentPanel()->isVisible());
    prompter.yes();
    QTest::keyClick(w.productCodeEdit(), Qt::Key_Plus);
    ASSERT_TRUE(w.paymentPanel()->isVisible());
    EXPECT_TRUE(w.receivedEdit()->hasFocus());
    EXPECT_FALSE(w.thankYouButton()->isEnabled());

    type(w.receivedEdit(), QStringLiteral("50"));
    EXPECT_EQ(prompter.last(), PosText::NotEnoughMoney);
    EXPECT_TRUE(w.receivedEdit()->text().isEmpty());
    EXPECT_TRUE(w.receivedEdit()->hasFocus());
    type(w.receivedEdit(), QStringLiteral("100"));
    EXPECT_EQ(w.receivedEdit()->text(), QStringLiteral("100.00"));
    EXPECT_EQ(w.changeLabel()->text(), QStringLiteral("44.50"));
    EXPECT_TRUE(w.thankYouButton()->isEnabled());
    EXPECT_TRUE(w.thankYouButton()->hasFocus());

    prompter.yes();
    QTest::keyClick(w.thankYouButton(), Qt::Key_Space);
    EXPECT_EQ(prompter.last(), PosText::PrintQuestion);
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0].number, QStringLiteral("SALE1000001"));
    EXPECT_EQ(printed[0].change, *Money::parse(QStringLiteral("44.50")));
    EXPECT_FALSE(w.paymentPanel()->isVisible());
    EXPECT_EQ(w.linesView()->model()->rowCount(), 0);
    EXPECT_TRUE(w.customerCodeEdit()->isEnabled());
    EXPECT_TRUE(w.customerCodeEdit()->hasFocus());
    EXPECT_EQ(w.amountDueLabel()->text(), QStringLiteral("0.00"));
}

TEST_F(PosScreenTest, TheTotalsPanelIsYellowOrRedAndClosingAsksForAnOpenSale) {
    EXPECT_EQ(open(1).totalsPanel()->palette().color(QPalette::Window), QColor(Qt::yellow));
    EXPECT_GE(screen->amountDueLabel()->font().pointSize(), 30);
    screen.reset();
    Tpos2& w = open(2);
    EXPECT_EQ(w.totalsPanel()->palette().color(QPalette::Window), QColor(Qt::red));
    startSale();
    scan(QStringLiteral("8850001"));
    prompter.cancel();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    prompter.no();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(PosShop::savedNumbers(t.db()), QStringList());
}

} // namespace
