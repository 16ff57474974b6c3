#include "keyboard.h"
#include "scriptedprompter.h"
#include "shopcore/foundation/numberqueue.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/registers/pricelevelstore.h"
#include "shopcore/registers/screens/pricelevelswindow.h"
#include "shopcore/registers/shopsettingsstore.h"
#include "shopcore/registers/screens/shopsettingswindow.h"
#include "testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RegistersGui : public ::testing::Test {
protected:
    void SetUp() override {
        state.edition = QStringLiteral("Ortiga");
        context.alias = t.alias();
        context.prompter = &prompter;
        context.state = &state;
        context.programName = QStringLiteral("Mervand");
        context.applySkin = [this](const QString& v) { skins << v; };
    }
    // Shows a tab the way a click on it does: laid out before anything on it is clicked.
    static void showTab(ShopSettingsWindow& w, int index) {
        w.tabs()->setCurrentIndex(index);
        QApplication::processEvents();
    }
    // A radio button answers clicks on its circle and caption only.
    static void clickChoice(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    static void activate(QWidget& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    TestDatabase t;
    ProgramState state;
    ScriptedPrompter prompter;
    WindowContext context;
    QStringList skins;
};

TEST_F(RegistersGui, SettingsAreEditedWithKeysAndTheLogoIsPastedWhileEditing) {
    ShopSettingsWindow w(context);
    activate(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" ข้อมูลอ้างอิง ระบบ / สถานประกอบการ"));
    EXPECT_EQ(w.tabs()->currentIndex(), 0);
    EXPECT_FALSE(w.logoHelpPanel()->isVisible());
    EXPECT_TRUE(w.editButton()->isEnabled() && w.refreshButton()->isEnabled() &&
                w.closeButton()->isEnabled());
    EXPECT_FALSE(w.cancelButton()->isEnabled() || w.saveButton()->isEnabled());
    EXPECT_EQ(w.choice(QStringLiteral("LINE5"))->button(1)->text(),
              QStringLiteral("แบบที่  2  กระดาษยาว (รหัส) 8.5 * 11 นิ้ว "));
    EXPECT_TRUE(w.choice(QStringLiteral("SKIN_BUSINESS"))->button(0)->isChecked()); // "0" is "1"

    QImage logo(32, 16, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    QApplication::clipboard()->setImage(logo);
    QTest::mouseClick(w.logoPicture(), Qt::LeftButton); // before editing: nothing
    EXPECT_TRUE(w.logoPicture()->pixmap().isNull());

    QTest::mouseClick(w.logoHowTo(), Qt::LeftButton);
    EXPECT_TRUE(w.logoHelpPanel()->isVisible());
    QTest::mouseClick(w.logoHelpPanel()->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_FALSE(w.logoHelpPanel()->isVisible());

    QTest::mouseClick(w.editButton(), Qt::LeftButton);
    EXPECT_FALSE(w.editButton()->isEnabled() || w.closeButton()->isEnabled());
    EXPECT_TRUE(w.saveButton()->isEnabled() && w.cancelButton()->isEnabled());
    QLineEdit* name = w.entry(QStringLiteral("OF_NAME"));
    EXPECT_EQ(QApplication::focusWidget(), name);
    typeText(name, QStringLiteral("ร้านสมใจ"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.entry(QStringLiteral("OF_TAXID")));
    QTest::keyClick(w.entry(QStringLiteral("OF_EMAIL")), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), name); // back to the name
    QTest::mouseClick(w.logoPicture(), Qt::LeftButton);
    EXPECT_FALSE(w.logoPicture()->pixmap().isNull());

    showTab(w, 1);
    clickChoice(w.choice(QStringLiteral("SKIN_BUSINESS"))->button(2));
    clickChoice(w.choice(QStringLiteral("LINE5"))->button(4));
    QTest::mouseClick(w.saveButton(), Qt::LeftButton);
    EXPECT_EQ(skins, QStringList{QStringLiteral("2")});
    EXPECT_EQ(prompter.last(), ShopSettingsWorkflow::restartMessage());
    EXPECT_FALSE(w.refreshButton()->isEnabled());

    const QVariantMap stored = ShopSettingsStore::read(t.db());
    EXPECT_EQ(stored.value(QStringLiteral("OF_NAME")), QVariant(QStringLiteral("ร้านสมใจ")));
    EXPECT_EQ(stored.value(QStringLiteral("SKIN_BUSINESS")), QVariant(QStringLiteral("2")));
    EXPECT_EQ(stored.value(QStringLiteral("LINE5")), QVariant(QStringLiteral("4")));
    QImage storedLogo;
    ASSERT_TRUE(storedLogo.loadFromData(stored.value(QStringLiteral("OF_LOGO")).toByteArray()));
    EXPECT_EQ(storedLogo.size(), QSize(32, 16));
}

TEST_F(RegistersGui, EnterInTheFirstPrefixRestartsTheSeriesAndShowsItsHead) {
    ShopSettingsWindow w(context);
    activate(w);
    QTest::mouseClick(w.editButton(), Qt::LeftButton);
    showTab(w, 1);
    QLineEdit* prefix = w.entry(QStringLiteral("PREFIX1"));
    prefix->setFocus();
    prefix->clear();
    QTest::keyClicks(prefix, QStringLiteral("SALE"));
    QTest::keyClick(prefix, Qt::Key_Return);
    EXPECT_EQ(w.prefix1Sample()->text(), QStringLiteral("SALE1"));
    EXPECT_EQ(NumberQueue::last(t.db(), QStringLiteral("QUE_INV_N")),
              QStringLiteral("SALE1000000"));
}

TEST_F(RegistersGui, APrintOffsetThatIsNoNumberIsRefusedOnLeavingIt) {
    ShopSettingsWindow w(context);
    activate(w);
    QTest::mouseClick(w.editButton(), Qt::LeftButton);
    showTab(w, 1);
    QLineEdit* top = w.entry(QStringLiteral("PRN_TOP"));
    top->setFocus();
    top->clear();
    QTest::keyClicks(top, QStringLiteral("abc"));
    QTest::keyClick(top, Qt::Key_Return); // on to the left offset ...
    QApplication::processEvents();
    EXPECT_EQ(prompter.last(), QStringLiteral("'abc' ไม่ใช่ตัวเลขที่ถูกต้อง"));
    EXPECT_EQ(QApplication::focusWidget(), top); // ... and back
    QTest::mouseClick(w.saveButton(), Qt::LeftButton);
    EXPECT_TRUE(w.saveButton()->isEnabled()); // still editing
    EXPECT_TRUE(skins.isEmpty());
}

TEST_F(RegistersGui, PriceLevelButtonsFollowTheRecordAndEnterGoesRound) {
    PriceLevelStore::write(t.db(), {1, 6, 12, 24, 48});
    PriceLevelsWindow w(context);
    activate(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" ระดับราคาสินค้า"));
    EXPECT_EQ(w.quantityEntry(4)->text(), QStringLiteral("24"));
    EXPECT_TRUE(w.editButton()->isEnabled() && w.closeButton()->isEnabled() &&
                w.refreshButton()->isEnabled());
    EXPECT_FALSE(w.saveButton()->isEnabled());

    w.quantityEntry(3)->setFocus();
    QTest::keyClick(w.quantityEntry(3), Qt::Key_Backspace); // a change starts editing
    EXPECT_TRUE(w.saveButton()->isEnabled() && w.cancelButton()->isEnabled());
    EXPECT_FALSE(w.editButton()->isEnabled() || w.closeButton()->isEnabled() ||
                 w.refreshButton()->isEnabled());
    QTest::keyClick(w.quantityEntry(3), Qt::Key_Backspace); // level 3 now empty
    QTest::mouseClick(w.saveButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.last(), QStringLiteral("ข้อมูลไม่ครบ ไม่สามารถบันทึกได้"));
    EXPECT_EQ(w.quantityEntry(5)->text(), QStringLiteral("48"));

    QTest::keyClicks(w.quantityEntry(3), QStringLiteral("10"));
    QTest::keyClick(w.quantityEntry(3), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.quantityEntry(4));
    QTest::keyClick(w.quantityEntry(5), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.quantityEntry(1));
    QTest::mouseClick(w.saveButton(), Qt::LeftButton);
    EXPECT_TRUE(w.editButton()->isEnabled());
    EXPECT_EQ(PriceLevelStore::read(t.db()).value(2), QVariant(10.0));
}

} // namespace
