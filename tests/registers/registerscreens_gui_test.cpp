#include "registerfixture.h"

#include "shopcore/print/preview/reportpreview.h"
#include "shopcore/registers/productsearch.h"
#include "shopcore/registers/screens/productsearchscreen.h"
#include "shopcore/registers/screens/registerwindows.h"
#include "shopcore/ui/registerscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

// The register windows with real keys on real widgets.
namespace {

template <typename W = QWidget> W* child(QWidget& window, const QString& name) {
    W* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

void press(int key) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QApplication::processEvents();
}

// Types into the focused entry as a keyboard with a Thai layout would.
void typeHere(const QString& text) {
    for (const QChar c : text) {
        QWidget* w = QApplication::focusWidget();
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QApplication::sendEvent(w, &release);
        }
    }
}

class RegisterWindow : public ::testing::Test {
protected:
    TestDatabase t;
    ScriptedPrompter prompter;
    std::unique_ptr<RegisterScreen> screen;

    void open(RegisterConfig config) {
        screen = std::make_unique<RegisterScreen>(std::move(config), t.db(), prompter);
        screen->show();
        QApplication::setActiveWindow(screen.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }
    void click(const QString& button) {
        QAbstractButton* b = child<QAbstractButton>(*screen, button);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isEnabled()) << button.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    QString shown(const QString& field) {
        QWidget* w = screen->entry(field);
        if (auto* box = qobject_cast<QComboBox*>(w))
            return box->currentText();
        return static_cast<QLineEdit*>(w)->text();
    }
};

TEST_F(RegisterWindow, ProductAddedWithKeysFollowsTheEnterOrder) {
    open(productRegister());
    EXPECT_FALSE(child(*screen, "saveButton")->isEnabled());
    EXPECT_TRUE(static_cast<QLineEdit*>(screen->entry("PRO_NO"))->isReadOnly());
    click("addButton");
    EXPECT_EQ(focused(), "PRO_NO");
    EXPECT_FALSE(child(*screen, "addButton")->isEnabled());
    EXPECT_FALSE(child(*screen, "nextButton")->isEnabled());

    typeHere("12345678901234"); // one character more than a code may have
    EXPECT_EQ(shown("PRO_NO"), "1234567890123");
    const QStringList order = {"PRO_NAME", "PRO_UNIT", "PRO_GROUP", "PRO_BPRICE", "PRO_SPRICE"};
    const QStringList typed = {"ปากกา", "ด้าม", "PEN", "7", "120"};
    for (int i = 0; i < order.size(); ++i) {
        press(Qt::Key_Return);
        EXPECT_EQ(focused(), order[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        typeHere(typed[i]);
    }
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "PRO_SP2");
    EXPECT_EQ(shown("PRO_SP5"), "120");
    for (const char* next :
         {"PRO_SP3", "PRO_SP4", "PRO_SP5", "PRO_RORDER", "WARN_TERM", "PRO_NO"}) {
        press(Qt::Key_Return);
        EXPECT_EQ(focused(), next);
    }
    EXPECT_EQ(child<QLabel>(*screen, "balance")->text(), QString());
    click("saveButton");
    EXPECT_TRUE(prompter.asked().isEmpty()) << prompter.last().toStdString();
    EXPECT_EQ(stored(t, "SELECT pro_sp4 FROM product WHERE pro_no = '1234567890123'").toDouble(),
              120.0);
    EXPECT_EQ(child<QLabel>(*screen, "balance")->text(), "0");
    EXPECT_TRUE(child(*screen, "addButton")->isEnabled());
}

TEST_F(RegisterWindow, NonNumericPriceKeepsTheCursorUntilCorrected) {
    product(t, "A1", "ปากกา");
    open(productRegister());
    click("editButton");
    screen->entry("PRO_BPRICE")->setFocus();
    typeHere("12x");
    press(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(prompter.texts(), QStringList{"ตัวเลข...ไม่ถูกต้อง "});
    EXPECT_EQ(focused(), "PRO_BPRICE");
    press(Qt::Key_Backspace);
    press(Qt::Key_Tab);
    EXPECT_EQ(prompter.asked().size(), 1);
    EXPECT_NE(focused(), "PRO_BPRICE");
    click("cancelButton");
}

TEST_F(RegisterWindow, ALongerStoredCodeIsShownWhole) {
    product(t, "885000000001234", "รหัสยาวจากที่อื่น");
    open(productRegister());
    EXPECT_EQ(shown("PRO_NO"), "885000000001234");
    click("addButton");
    typeHere("12345678901234");
    EXPECT_EQ(shown("PRO_NO"), "1234567890123");
    click("cancelButton");
}

TEST_F(RegisterWindow, DeleteIsAnsweredThroughTheQuestion) {
    product(t, "A1", "ปากกา");
    product(t, "A2", "ดินสอ");
    open(productRegister());
    EXPECT_EQ(shown("PRO_NO"), "A2");
    prompter.no();
    click("deleteButton");
    EXPECT_EQ(stored(t, "SELECT count(*) FROM product").toInt(), 2);
    prompter.yes();
    click("deleteButton");
    EXPECT_EQ(prompter.last(), "ต้องการลบข้อมูลนี้ ?");
    EXPECT_EQ(stored(t, "SELECT count(*) FROM product").toInt(), 1);
    EXPECT_EQ(shown("PRO_NO"), "A1");
}

TEST_F(RegisterWindow, CustomerEnterOrderRunsThroughTheCreditListAndDateMask) {
    open(customerRegister());
    click("addButton");
    typeHere("C0001"); // the sixth character cannot be typed
    EXPECT_EQ(shown("CUST_NO"), "C0001");
    for (const char* next : {"CUST_NAME", "CUST_ADD1", "CUST_ADD2", "CUST_ADD4", "CUST_ZIP",
                             "CUST_TEL", "CUST_FAX", "CUST_CRE"}) {
        press(Qt::Key_Return);
        EXPECT_EQ(focused(), next);
    }
    typeHere("30ว.");
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "CUST_GROUP");
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "CUST_BIRTH");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    typeHere("05012547");
    EXPECT_EQ(shown("CUST_BIRTH"), "05/01/2547");
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "CUST_CARD");
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "CUST_NO");

    click("saveButton");
    EXPECT_EQ(prompter.last(), "ข้อมูลเครดิตไม่ถูกต้อง");
    EXPECT_EQ(focused(), "CUST_CRE");
    auto* credit = child<QComboBox>(*screen, "CUST_CRE");
    credit->setCurrentIndex(credit->findText("30 ว."));
    emit credit->activated(credit->currentIndex()); // chosen from the list
    EXPECT_EQ(focused(), "CUST_GROUP");
    click("saveButton");
    EXPECT_EQ(stored(t, "SELECT cust_cre || cust_birth FROM customer").toString(),
              "30 ว.05/01/2547");
    EXPECT_FALSE(child(*screen, "envelopeButton")->isEnabled()) << "no envelope printer yet";
}

TEST_F(RegisterWindow, SupplierSearchPanelFollowsTheTyping) {
    for (const auto& [code, name] :
         QList<QPair<QString, QString>>{{"00001", "มานี"}, {"00002", "กมล"}, {"00003", "ชูใจ"}})
        put(t, "Supply", {{"CUST_NO", code}, {"CUST_NAME", name}});
    open(supplierRegister());
    QWidget* panel = child(*screen, "searchPanel");
    EXPECT_FALSE(panel->isVisible());
    click("searchButton");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(focused(), "searchEntry");
    EXPECT_FALSE(child(*screen, "addButton")->isEnabled());
    typeHere("ช");
    EXPECT_EQ(shown("CUST_NO"), "00003");
    auto* grid = child<QTableView>(*screen, "searchGrid");
    EXPECT_EQ(grid->currentIndex().row(), grid->model()->rowCount() > 0 ? 1 : -1);
    press(Qt::Key_Return);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(shown("CUST_NAME"), "ชูใจ");
    click("priorButton");
    EXPECT_EQ(shown("CUST_NO"), "00002") << "browsing by code again";
}

TEST_F(RegisterWindow, SalespersonDuplicateCodeKeepsTheCursorInTheCode) {
    put(t, "Sale", {{"SALE_NO", "S01"}, {"SALE_NAME", "สมชาย"}});
    open(salespersonRegister());
    click("addButton");
    typeHere("S01");
    press(Qt::Key_Return);
    EXPECT_EQ(prompter.texts(), QStringList{"รหัสข้อมูลซ้ำ ..."});
    EXPECT_EQ(focused(), "SALE_NO");
    typeHere("S02"); // the refused code is selected: typing replaces it
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "SALE_NAME");
    typeHere("สมหญิง");
    click("saveButton");
    EXPECT_EQ(stored(t, "SELECT sale_name FROM sale WHERE sale_no = 'S02'").toString(), "สมหญิง");
}

TEST(ProductSearchWindow, EnterSearchesAndTheModesRelabelTheEntry) {
    TestDatabase t;
    ScriptedPrompter prompter;
    product(t, "P001", "ปากกาแดง", {{"PRO_TOTAL", 4.0}});
    product(t, "P002", "ปากกาน้ำเงิน");
    ProductSearchScreen screen(t.db(), prompter);
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(focused(), "searchEntry");
    EXPECT_TRUE(child<QRadioButton>(screen, "mode1")->isChecked());
    EXPECT_FALSE(child(screen, "printButton")->isEnabled());
    auto* grid = child<QTableView>(screen, "resultGrid");

    QTest::mouseClick(child(screen, "mode2"), Qt::LeftButton);
    EXPECT_EQ(screen.search().entryLabel(), "ส่วนหนึ่งของชื่อสินค้า ที่ต้องการค้นหา");
    EXPECT_EQ(grid->model()->rowCount(), 2) << "an empty part of a name lists everything";
    screen.findChild<QLineEdit*>("searchEntry")->setFocus();
    typeHere("แดง");
    EXPECT_EQ(grid->model()->rowCount(), 2) << "typing alone does not search";
    press(Qt::Key_Return);
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, 2).data().toString(), "4");
}

TEST(RegisterMenus, WindowsOpenOnTheirOwnConnectionAndReportAnUnreachableStore) {
    TestDatabase t;
    ScriptedPrompter prompter;
    QPointer<QWidget> window = openProductRegister(nullptr, t.alias(), prompter);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), " ทะเบียน สินค้า อะไหล่ และค่าบริการ");
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    for (auto open : {&openSupplierRegister, &openSalespersonRegister, &openProductSearch}) {
        QPointer<QWidget> w = open(nullptr, t.alias(), prompter);
        ASSERT_TRUE(w);
        w->close();
    }
    QPointer<QWidget> customers = openCustomerRegister(nullptr, t.alias(), prompter);
    ASSERT_TRUE(customers);
    EXPECT_EQ(customers->windowTitle(), " ทะเบียนลูกค้า");
    customers->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(prompter.asked().isEmpty());

    AliasEntry nowhere = t.alias();
    nowhere.driver = AliasEntry::Driver::Sqlite;
    nowhere.folder = t.folder() + QStringLiteral("/missing");
    EXPECT_EQ(openCustomerRegister(nullptr, nowhere, prompter), nullptr);
    EXPECT_EQ(prompter.asked().size(), 1);
}

TEST(RegisterPrinting, EnvelopeBarcodeSheetAndFoundListOpenTheirPreviews) {
    TestDatabase t;
    ScriptedPrompter prompter;
    put(t, "Customer", {{"CUST_NO", "C0001"}, {"CUST_NAME", "ร้านสมใจ"}, {"CUST_CRE", "สด"}});
    product(t, "8850000000010", "ปากกา");
    const auto clickIn = [](QWidget* window, const char* button) {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_TRUE(b && b->isEnabled()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    };
    const struct {
        QWidget* (*open)(QWidget*, const AliasEntry&, Prompter&);
        const char* button;
    } cases[] = {
        {[](QWidget* p, const AliasEntry& a, Prompter& q) { return openCustomerRegister(p, a, q); },
         "envelopeButton"},
        {openProductRegister, "barcodeButton"},
        {openProductSearch, "printButton"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        QPointer<QWidget> window = c.open(nullptr, t.alias(), prompter);
        ASSERT_TRUE(window);
        clickIn(window, c.button);
        EXPECT_NE(window->findChild<ReportPreview*>(), nullptr);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(prompter.asked().isEmpty()) << prompter.last().toStdString();
}

} // namespace
