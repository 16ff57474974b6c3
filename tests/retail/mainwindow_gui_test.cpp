#include "retail/mainwindow.h"

#include "scriptedprompter.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/records.h"
#include "shopcore/ui/skin.h"
#include "testdatabase.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using C = RetailCommand;

// The visible tree, one line per entry, indented by depth; "-" marks a disabled entry.
void dump(const QList<QAction*>& actions, int depth, QStringList& out) {
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        out << QString(depth * 2, QLatin1Char(' ')) +
                   (a->isEnabled() ? QString() : QStringLiteral("-")) + a->text();
        if (a->menu())
            dump(a->menu()->actions(), depth + 1, out);
    }
}

// A folder laid out as the programs are: skins one level up from where the program runs.
struct Install {
    QTemporaryDir root;
    Install() {
        QDir(root.path()).mkpath(QStringLiteral("retail"));
        write(QStringLiteral("mxskin35.skn"), "QMenuBar { background: #2f5d8a; }");
        write(QStringLiteral("mxskin49.skn"), "QMenuBar { background: #7a4a24; }");
    }
    void write(const QString& name, const QByteArray& text) {
        QFile f(root.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    LocalFiles files() const { return LocalFiles({root.filePath(QStringLiteral("retail"))}); }
};

class MainWindowGui : public ::testing::Test {
protected:
    void SetUp() override {
        state.edition = QStringLiteral("Ortiga");
        Skin::apply({SkinChoice::Kind::Off, {}}, install.files());
    }
    void TearDown() override { Skin::apply({SkinChoice::Kind::Off, {}}, install.files()); }
    void setSkin(const char* value) {
        Records::updateSingle(t.db(), QStringLiteral("Kelmsys"),
                              {{QStringLiteral("SKIN_BUSINESS"), QString::fromLatin1(value)}},
                              "test");
    }

    TestDatabase t;
    Install install;
    ProgramState state;
    ScriptedPrompter prompter;
};

TEST_F(MainWindowGui, ShowsTheMenuTreeLoggedOut) {
    TMAIN w(t.alias(), prompter, state, install.files());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("  Teskel tekvo  < ซื้อมา - ขายไป Mervand >"));
    QStringList tree;
    dump(w.menuBar()->actions(), 0, tree);
    const QStringList expected = {
        QStringLiteral("Login"),
        QStringLiteral("รายการ"),
        QStringLiteral("  -ซื้อ / รับสินค้าเข้า STOCK"),
        QStringLiteral("    ภาษีเหมาจ่าย"),
        QStringLiteral("    ภาษีมูลค่าเพิ่ม"),
        QStringLiteral("  -ขาย / จำหน่าย"),
        QStringLiteral("    ภาษีเหมาจ่าย"),
        QStringLiteral("    ภาษีมูลค่าเพิ่ม"),
        QStringLiteral("  -ใบสั่งซื้อ"),
        QStringLiteral("  -ใบเสนอราคา"),
        QStringLiteral("  -ใบวางบิล "),
        QStringLiteral("  -รับวางบิล"),
        QStringLiteral("  -เปิดลิ้นชักเก็บเงิน"),
        QStringLiteral("  เ&ลิกการทำงาน ( EXIT )"),
        QStringLiteral("-อ้างอิง"),
        QStringLiteral("  ทะเบียนลูกค้า"),
        QStringLiteral("  ทะบียนผู้ขาย"),
        QStringLiteral("  ทะเบียนพนักงาน"),
        QStringLiteral("  ทะเบียนสินค้า"),
        QStringLiteral("  ระดับราคาสินค้า"),
        QStringLiteral("  ระบบ /  สถานประกอบการ"),
        QStringLiteral("-รายงาน"),
        QStringLiteral("  ซื้อ"),
        QStringLiteral("    บัญชีซื้อ"),
        QStringLiteral("    รายงานภาษีซื้อ"),
        QStringLiteral("  ขาย"),
        QStringLiteral("    บัญชีขาย"),
        QStringLiteral("    รายงานภาษีขาย"),
        QStringLiteral("  ราคาเฉลี่ยซื้อ - ขาย"),
        QStringLiteral("  ลูกค้า"),
        QStringLiteral("    ทะเบียนลูกค้า"),
        QStringLiteral("  สินค้า"),
        QStringLiteral("    ทะเบียนสินค้า"),
        QStringLiteral("    สินค้าที่มีการซื้อ / ขาย"),
        QStringLiteral("    สินค้าที่ซื้อมาก"),
        QStringLiteral("    สินค้าที่ขายมาก"),
        QStringLiteral("    สินค้าถึงจุดต้องสั่งซื้อ"),
        QStringLiteral("  พนักงานขาย"),
        QStringLiteral("    ทะเบียนพนักงาน"),
        QStringLiteral("    ผลงานขาย"),
        QStringLiteral("  รายรับ - รายจ่าย"),
        QStringLiteral("เครื่องมือ"),
        QStringLiteral("  จัดการฐานข้อมูล"),
        QStringLiteral("Help"),
        QStringLiteral("  Cannot Read Menu THAI"),
        QStringLiteral("  วิธีใช้งาน"),
        QStringLiteral("  ระบบ LAN"),
        QStringLiteral("  เกี่ยวกับโปรแกรม"),
    };
    EXPECT_EQ(tree, expected);
    // Hidden entries are there all the same.
    for (C id : {C::PosMenu, C::PrinterSetup, C::TransactionsDatabaseTools, C::CutOffData,
                 C::StockProcessing, C::ProductListPrinted, C::CustomersOrdering}) {
        ASSERT_NE(w.action(id), nullptr);
        EXPECT_FALSE(w.action(id)->isVisible());
    }
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST_F(MainWindowGui, ACounterLoginOpensSalesAndTheDrawerOnly) {
    TMAIN w(t.alias(), prompter, state, install.files());
    w.applyAccessLevel(5);
    for (C id : {C::Transactions, C::SalesMenu, C::CashDrawer, C::Exit})
        EXPECT_TRUE(w.action(id)->isEnabled()) << int(id);
    for (C id : {C::PurchaseMenu, C::References, C::Reports, C::Tools, C::Quotation})
        EXPECT_FALSE(w.action(id)->isEnabled()) << int(id);
}

TEST_F(MainWindowGui, EveryCloseRemindsOfTheBackup) {
    {
        TMAIN w(t.alias(), prompter, state, install.files());
        w.show();
        EXPECT_TRUE(w.close());
    }
    {
        TMAIN w(t.alias(), prompter, state, install.files());
        w.show();
        w.action(C::Exit)->trigger();
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(prompter.texts(),
              QStringList(2, QStringLiteral("อย่าลืมสำรองข้อมูล ...\n\nอ่านวิธีสำรองข้อมูลได้ที่ Help")));
}

TEST_F(MainWindowGui, KeepsOneDocumentWindowAndRefusesTheQuotationWhileOpen) {
    TMAIN w(t.alias(), prompter, state, install.files());
    w.show();
    w.applyAccessLevel(1);
    QList<int> kindsCreated;
    w.registry().add(RetailScreen::DocumentEntry, [&](const WindowContext& c) {
        kindsCreated << c.state->documentKind;
        return new QLabel(QStringLiteral("document %1").arg(c.state->documentKind));
    });
    w.action(C::PurchaseFlat)->trigger();
    ASSERT_EQ(w.workspace()->subWindowList().size(), 1);
    EXPECT_TRUE(state.documentWindowOpen);
    QMdiSubWindow* open = w.workspace()->subWindowList().first();
    open->showMinimized();

    w.action(C::SaleFlat)->trigger(); // brought forward, still the purchase
    EXPECT_EQ(w.workspace()->subWindowList().size(), 1);
    EXPECT_FALSE(open->isMinimized());
    EXPECT_EQ(state.documentKind, 3);
    w.action(C::Quotation)->trigger();
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("มีข้อมูลรายการขายเปิดอยู่ กรุณาปิดก่อนทำรายการอื่น")});
    EXPECT_EQ(w.workspace()->subWindowList().size(), 1);

    open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(state.documentWindowOpen);
    w.action(C::Quotation)->trigger();
    EXPECT_EQ(kindsCreated, QList<int>({3, 6}));
}

TEST_F(MainWindowGui, ACommandWithoutItsScreenOpensNothing) {
    TMAIN w(t.alias(), prompter, state, install.files());
    w.applyAccessLevel(1);
    w.action(C::BillingNote)->trigger();
    w.action(C::PurchaseOrder)->trigger();
    EXPECT_TRUE(w.workspace()->subWindowList().isEmpty());
    EXPECT_FALSE(state.documentWindowOpen);
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST_F(MainWindowGui, AppliesTheSkinOfTheShopRecordAtStart) {
    setSkin("2");
    {
        TMAIN w(t.alias(), prompter, state, install.files());
        EXPECT_EQ(Skin::current(), QStringLiteral("QMenuBar { background: #7a4a24; }"));
    }
    setSkin("0");
    {
        TMAIN w(t.alias(), prompter, state, install.files());
        EXPECT_TRUE(Skin::current().isEmpty());
    }
    setSkin("1");
    {
        TMAIN w(t.alias(), prompter, state, install.files());
        w.applySkinSetting(QStringLiteral("7")); // not a skin: left as it is
        EXPECT_EQ(Skin::current(), QStringLiteral("QMenuBar { background: #2f5d8a; }"));
    }
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(MainWindowGui, HelpOpensTheLocalPages) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    TMAIN w(t.alias(), prompter, state, install.files());
    w.action(C::HelpHowTo)->trigger();
    w.action(C::HelpLan)->trigger();
    w.action(C::HelpThaiMenu)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    const QString root = install.root.path();
    EXPECT_EQ(
        recorder.urls,
        QList<QUrl>({QUrl::fromLocalFile(root + QStringLiteral("/retail/HB_Mervand.html")),
                     QUrl::fromLocalFile(root + QStringLiteral("/HB_Lan.html")),
                     QUrl::fromLocalFile(root + QStringLiteral("/Thai_Dadorid/index.html"))}));
    w.action(C::About)->trigger();
    EXPECT_TRUE(prompter.last().startsWith(QStringLiteral("Mervand 3.0")));
}

TEST_F(MainWindowGui, StartsOnAnUnreachableStoreWithTheEnginesMessage) {
    AliasEntry gone;
    gone.name = QStringLiteral("tekvo30");
    gone.folder = install.root.filePath(QStringLiteral("no-such-folder"));
    TMAIN w(gone, prompter, state, install.files());
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(prompter.last().contains(QStringLiteral("no-such-folder")));
    EXPECT_TRUE(w.action(C::Help)->isEnabled());
    EXPECT_TRUE(w.action(C::Exit)->isEnabled());
}

} // namespace

#include "mainwindow_gui_test.moc"

namespace {

// A window that stays open when asked to close, as the till does when its question is
// cancelled.
class StaysOpen : public QLabel {
public:
    bool mayClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (mayClose)
            event->accept();
        else
            event->ignore();
    }
};

TEST_F(MainWindowGui, AWindowThatStaysOpenKeepsTheProgramRunning) {
    TMAIN w(t.alias(), prompter, state, install.files());
    w.show();
    w.applyAccessLevel(1);
    StaysOpen* open = nullptr;
    w.registry().add(RetailScreen::DocumentEntry, [&](const WindowContext&) {
        open = new StaysOpen;
        return open;
    });
    w.action(C::PurchaseFlat)->trigger();
    ASSERT_TRUE(open);

    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(prompter.texts().isEmpty()); // no reminder: the program goes on

    open->mayClose = true;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(prompter.texts().size(), 1);
}

} // namespace
