#include "ptypair.h"
#include "scriptedprompter.h"
#include "testdatabase.h"

#include "shopcore/documents/cashdrawer.h"
#include "shopcore/documents/cashdrawerflow.h"
#include "shopcore/documents/screens/cashdrawerwindow.h"
#include "shopcore/foundation/records.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(CashDrawer, EachPlaceReadsTheSettingItsOwnWay) {
    struct Case {
        const char* setting;
        std::optional<int> window, entry, till;
    };
    const Case cases[] = {
        {"0", {}, {}, {}}, {"1", 1, 1, 1},   {"2", 2, 2, 2},    {"3", {}, 1, 1},
        {"", {}, {}, 1},   {"x", {}, {}, 1}, {"-1", {}, {}, 1},
    };
    for (const Case& c : cases) {
        const QString s = QString::fromLatin1(c.setting);
        EXPECT_EQ(DrawerPortNumber(DrawerPlace::DrawerWindow, s), c.window) << c.setting;
        EXPECT_EQ(DrawerPortNumber(DrawerPlace::DocumentEntry, s), c.entry) << c.setting;
        EXPECT_EQ(DrawerPortNumber(DrawerPlace::Till, s), c.till) << c.setting;
    }
    EXPECT_TRUE(DrawerUsesSoftwareFlow(DrawerPlace::Till));
    EXPECT_TRUE(DrawerUsesSoftwareFlow(DrawerPlace::DrawerWindow));
    EXPECT_FALSE(DrawerUsesSoftwareFlow(DrawerPlace::DocumentEntry));
}

AliasEntry aliasWith(const QString& com1, const QString& com2) {
    AliasEntry a;
    a.com1 = com1;
    a.com2 = com2;
    return a;
}

TEST(CashDrawer, TheOpeningByteReachesTheSerialDevice) {
    PtyPair com1, com2;
    ASSERT_TRUE(com1.ready() && com2.ready()) << "socat could not make a pseudo-terminal pair";
    const AliasEntry alias = aliasWith(com1.drawerEnd(), com2.drawerEnd());

    EXPECT_EQ(OpenDrawerOnce(DrawerPlace::DocumentEntry, QStringLiteral("1"), alias), std::nullopt);
    EXPECT_EQ(com1.received(), QByteArray("0"));
    EXPECT_EQ(OpenDrawerOnce(DrawerPlace::DrawerWindow, QStringLiteral("2"), alias), std::nullopt);
    EXPECT_EQ(com2.received(), QByteArray(1, char(0x30)));
    EXPECT_TRUE(com1.received(100).isEmpty());
    // The "no drawer" setting sends nothing anywhere.
    EXPECT_EQ(OpenDrawerOnce(DrawerPlace::Till, QStringLiteral("0"), alias), std::nullopt);
    EXPECT_TRUE(com1.received(200).isEmpty());
    EXPECT_TRUE(com2.received(100).isEmpty());
}

TEST(CashDrawer, TheTillHoldsThePortAndSendsOneBytePerKick) {
    PtyPair pty;
    ASSERT_TRUE(pty.ready());
    CashDrawer till(aliasWith(pty.drawerEnd(), QString()), 1, true);
    EXPECT_EQ(till.kick(), std::nullopt) << "writing to a closed port does nothing";
    EXPECT_TRUE(pty.received(100).isEmpty());
    ASSERT_EQ(till.open(), std::nullopt);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(till.kick(), std::nullopt);
    EXPECT_EQ(pty.received(), QByteArray(10, '0'));

    // Meanwhile the port is busy for the drawer window.
    const auto busy = OpenDrawerOnce(DrawerPlace::DrawerWindow, QStringLiteral("1"),
                                     aliasWith(pty.drawerEnd(), QString()));
    ASSERT_TRUE(busy.has_value());
    EXPECT_TRUE(busy->contains(QStringLiteral("COM1"))) << busy->toStdString();
    EXPECT_TRUE(busy->contains(QStringLiteral("ใช้อยู่"))) << busy->toStdString();
    till.close();
    EXPECT_EQ(OpenDrawerOnce(DrawerPlace::DrawerWindow, QStringLiteral("1"),
                             aliasWith(pty.drawerEnd(), QString())),
              std::nullopt);
    EXPECT_EQ(pty.received(), QByteArray("0"));
}

TEST(CashDrawer, AMissingPortIsNamedWithItsCause) {
    const auto error = OpenDrawerOnce(
        DrawerPlace::DrawerWindow, QStringLiteral("2"),
        aliasWith(QStringLiteral("/dev/null"), QStringLiteral("/nonexistent/ttyS9")));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QStringLiteral("COM2"))) << error->toStdString();
    EXPECT_TRUE(error->contains(QStringLiteral("/nonexistent/ttyS9")));
    EXPECT_TRUE(error->contains(QStringLiteral("ไม่พบพอร์ต"))) << error->toStdString();
}

void setDrawer(const TestDatabase& t, const char* comPort) {
    Records::updateSingle(t.db(), QStringLiteral("Kelmsys"),
                          {{QStringLiteral("COM_PORT"), QString::fromLatin1(comPort)}}, "test");
}

TEST(CashDrawerWindow, TheButtonReadsTheSettingAndOpensTheDrawer) {
    TestDatabase t;
    PtyPair pty;
    ASSERT_TRUE(pty.ready());
    AliasEntry alias = t.alias();
    alias.com1 = pty.drawerEnd();
    alias.com2 = QStringLiteral("/nonexistent/ttyS1");
    ScriptedPrompter prompter;
    CashDrawerWindow* window = openCashDrawer(nullptr, alias, prompter);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("เปิดลิ้นชัก"));
    EXPECT_EQ(window->openButton()->text(), QStringLiteral("เปิดลิ้นชัก"));

    setDrawer(t, "0");
    window->openButton()->setFocus();
    QTest::keyClick(window->openButton(), Qt::Key_Space);
    EXPECT_TRUE(pty.received(200).isEmpty());
    EXPECT_TRUE(prompter.asked().isEmpty());

    // The setting is read at every press.
    setDrawer(t, "1");
    QTest::keyClick(window->openButton(), Qt::Key_Space);
    EXPECT_EQ(pty.received(), QByteArray("0"));

    setDrawer(t, "2");
    QTest::mouseClick(window->openButton(), Qt::LeftButton);
    EXPECT_TRUE(pty.received(100).isEmpty());
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(prompter.last().contains(QStringLiteral("COM2")));
    delete window;
}

} // namespace

namespace {

TEST(CashDrawerWindow, TheRepairProgramReadsItsOwnSettings) {
    TestDatabase t;
    PtyPair pty;
    ASSERT_TRUE(pty.ready());
    AliasEntry alias = t.alias();
    alias.com2 = pty.drawerEnd();
    Records::updateSingle(t.db(), QStringLiteral("Sevrsys"),
                          {{QStringLiteral("COM_PORT"), QStringLiteral("2")}}, "test");
    ScriptedPrompter prompter;
    std::unique_ptr<CashDrawerWindow> window(
        createCashDrawerWindow(alias, prompter, QStringLiteral("Sevrsys")));
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible()) << "a main window shows it in its own frame";
    QTest::mouseClick(window->openButton(), Qt::LeftButton);
    EXPECT_EQ(pty.received(), QByteArray("0"));
    EXPECT_TRUE(prompter.asked().isEmpty());
}

} // namespace
