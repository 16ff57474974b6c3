#include "documentbuilders.h"
#include "scriptedprompter.h"
#include "testdatabase.h"

#include "shopcore/documents/exclusiveuse.h"
#include "shopcore/documents/screens/stockprocessingwindow.h"
#include "shopcore/foundation/transaction.h"

#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void press(QPushButton* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

TEST(StockProcessingWindow, TwoStepsWithTheirButtonsPagesAndGrids) {
    TestDatabase t;
    Build::product(t.db(), QStringLiteral("8850001000011"), 10);
    Build::line(t.db(), QStringLiteral("Order1"), QStringLiteral("BUYN3000001"),
                QStringLiteral("8850001000011"), 12, 2);
    Build::line(t.db(), QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"),
                QStringLiteral("8850001000011"), 3, 1);
    Build::line(t.db(), QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"),
                QStringLiteral("8850001000011"), 1.5, 1);
    ScriptedPrompter prompter;
    QPointer<StockProcessingWindow> window = openStockProcessing(nullptr, t.alias(), prompter);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ปรับ STOCK สินค้า"));
    EXPECT_EQ(window->pages()->tabText(0), QStringLiteral("นำเข้า"));
    EXPECT_EQ(window->pages()->tabText(1), QStringLiteral("จำหน่ายออก"));
    EXPECT_EQ(window->step1Button()->text(), QStringLiteral("1.  เริ่มดำเนินการปรับปรุงข้อมูล"));
    EXPECT_EQ(window->step2Button()->text(), QStringLiteral("2.  เขียนลงฐานข้อมูลจริง"));
    EXPECT_EQ(window->quitButton()->text(), QStringLiteral("เลิก"));
    EXPECT_TRUE(window->step1Button()->isEnabled());
    EXPECT_FALSE(window->step2Button()->isEnabled());
    EXPECT_EQ(window->incomingView()->model()->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("สถานะ"));

    press(window->step1Button());
    EXPECT_FALSE(window->step1Button()->isEnabled());
    EXPECT_TRUE(window->step2Button()->isEnabled());
    EXPECT_EQ(window->pages()->currentIndex(), 1) << "the sold-out page was worked last";
    EXPECT_EQ(window->progressBar()->value(), 0);
    const QAbstractItemModel* sold = window->outgoingView()->model();
    ASSERT_EQ(sold->rowCount(), 2);
    EXPECT_EQ(sold->index(1, 0).data().toString(), QStringLiteral("8850001000011"));
    EXPECT_EQ(sold->index(1, 1).data().toString(), QStringLiteral("1.5"));
    EXPECT_EQ(sold->index(1, 2).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(window->incomingView()->model()->rowCount(), 1);

    press(window->step2Button());
    EXPECT_FALSE(window->step1Button()->isEnabled());
    EXPECT_FALSE(window->step2Button()->isEnabled());
    QTest::mouseClick(window->quitButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window) << "the window frees itself and its exclusive use";
    EXPECT_EQ(Build::productTotal(t.db(), QStringLiteral("8850001000011")), 10 + 12 - 4.5);
    EXPECT_TRUE(prompter.asked().isEmpty());
}

TEST(StockProcessingWindow, NoOpenMovementsLeaveStep2Disabled) {
    TestDatabase t;
    ScriptedPrompter prompter;
    std::unique_ptr<StockProcessingWindow> window(
        openStockProcessing(nullptr, t.alias(), prompter, StockProcessingForm::service()));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ปรับระบบฐานข้อมูล"));
    press(window->step1Button());
    EXPECT_FALSE(window->step1Button()->isEnabled());
    EXPECT_FALSE(window->step2Button()->isEnabled());
    EXPECT_EQ(window->incomingView()->model()->rowCount(), 0);
}

TEST(StockProcessingWindow, DoesNotOpenWhileAnotherStationIsSaving) {
    TestDatabase t;
    const auto other = t.connect(QStringLiteral("other station"));
    Transaction saving(other->db(), Transaction::Lock::WriteLockNow);
    ExclusiveUse::refuseWhileProcessing(other->db());
    Build::header(other->db(), QStringLiteral("Invoice"), QStringLiteral("SALE1000001"));
    ScriptedPrompter prompter;
    EXPECT_EQ(openStockProcessing(nullptr, t.alias(), prompter), nullptr);
    EXPECT_EQ(prompter.texts(), QStringList{ExclusiveUse::busyMessage()});
}

} // namespace
