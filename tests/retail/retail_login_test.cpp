#include "retail/mainwindow.h"

#include "keyboard.h"
#include "scriptedprompter.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/userstore.h"
#include "shopcore/registers/screens/shopsettingswindow.h"
#include "shopcore/ui/skin.h"
#include "shopcore/ui/userswindow.h"
#include "testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using C = RetailCommand;

template <class Window> Window* openWindow(TMAIN& w, C command) {
    w.action(command)->trigger();
    QMdiSubWindow* sub = w.workspace()->activeSubWindow();
    if (!sub && !w.workspace()->subWindowList().isEmpty())
        sub = w.workspace()->subWindowList().last();
    return sub ? qobject_cast<Window*>(sub->widget()) : nullptr;
}

void logIn(UsersWindow* users, const QString& name, const QString& password) {
    users->loginNameEntry()->clear();
    users->passwordEntry()->clear();
    typeText(users->loginNameEntry(), name);
    QTest::keyClick(users->loginNameEntry(), Qt::Key_Return);
    typeText(users->passwordEntry(), password);
    QTest::keyClick(users->passwordEntry(), Qt::Key_Return);
    QTest::keyClick(users->loginButton(), Qt::Key_Return);
}

// Lets closed windows go, as the event loop would.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QString enabled(TMAIN& w, const QList<C>& ids) {
    QString out;
    for (C id : ids)
        out += w.action(id)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

const QList<C> work = {C::Transactions, C::PurchaseMenu, C::SalesMenu, C::Quotation,
                       C::CashDrawer,   C::References,   C::Reports,   C::Tools};

TEST(RetailLogin, AnAdministratorAddsACashierWhoThenSeesTheCounterMenus) {
    TestDatabase t;
    UserStore::createFirstAdministrator(t.db(), QStringLiteral("boss"), QStringLiteral("เจ้าของร้าน"),
                                        QStringLiteral("b055"));
    ProgramState state;
    state.edition = QStringLiteral("Ortiga");
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    TMAIN w(t.alias(), prompter, state, LocalFiles({folder.path()}));
    w.show();

    UsersWindow* users = openWindow<UsersWindow>(w, C::Login);
    ASSERT_NE(users, nullptr);
    EXPECT_EQ(users->windowTitle(), QStringLiteral(" รหัสผ่านเข้าใช้งาน   Mervand"));
    logIn(users, QStringLiteral("boss"), QStringLiteral("b055"));
    EXPECT_EQ(enabled(w, work), QStringLiteral("11111111"));
    ASSERT_TRUE(users->userPanel()->isVisible());

    QTest::mouseClick(users->addButton(), Qt::LeftButton);
    typeText(users->titleEntry(), QStringLiteral("แคชเชียร์"));
    typeText(users->userNameEntry(), QStringLiteral("nid"));
    typeText(users->userPasswordEntry(), QStringLiteral("n1d"));
    typeText(users->userAgainEntry(), QStringLiteral("n1d"));
    users->levelChoice()->button(5)->click();
    QTest::mouseClick(users->saveButton(), Qt::LeftButton);
    ASSERT_TRUE(UserStore::find(t.db(), QStringLiteral("nid")));

    logIn(users, QStringLiteral("nid"), QStringLiteral("n1d"));
    EXPECT_EQ(enabled(w, work), QStringLiteral("10101000"));
    EXPECT_FALSE(users->userPanel()->isVisible());
    EXPECT_EQ(state.loginName, QStringLiteral("nid"));

    QTest::mouseClick(users->goToWorkButton(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(w.workspace()->subWindowList().isEmpty()); // the users window is gone

    users = openWindow<UsersWindow>(w, C::Login);
    ASSERT_NE(users, nullptr);
    QTest::mouseClick(users->logoutButton(), Qt::LeftButton);
    EXPECT_EQ(enabled(w, work), QStringLiteral("10000000"));
    EXPECT_EQ(state.accessLevel, 0);
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST(RetailLogin, SavedSettingsSwitchTheSkinAtOnce) {
    TestDatabase t;
    ProgramState state;
    state.edition = QStringLiteral("Ortiga");
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("retail"));
    QFile skin(folder.filePath(QStringLiteral("mxskin35.skn")));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.write("QMdiArea { background: #c9d8e8; }");
    skin.close();
    TMAIN w(t.alias(), prompter, state, LocalFiles({folder.filePath(QStringLiteral("retail"))}));
    w.show();
    w.applyAccessLevel(1);
    EXPECT_TRUE(Skin::current().isEmpty());

    auto* settings = openWindow<ShopSettingsWindow>(w, C::ShopSettings);
    ASSERT_NE(settings, nullptr);
    QTest::mouseClick(settings->editButton(), Qt::LeftButton);
    settings->choice(QStringLiteral("SKIN_BUSINESS"))->button(1)->click(); // shown as "2"
    QTest::mouseClick(settings->saveButton(), Qt::LeftButton);
    EXPECT_EQ(Skin::current(), QStringLiteral("QMdiArea { background: #c9d8e8; }"));
    EXPECT_EQ(prompter.last(), QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่กำหนด จึงจะมีผล "));
    w.applySkinSetting(QStringLiteral("0"));
    EXPECT_TRUE(Skin::current().isEmpty());
}

TEST(RetailLogin, AWindowWhoseStoreIsGoneDoesNotOpen) {
    TestDatabase t;
    ProgramState state;
    state.edition = QStringLiteral("Ortiga");
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    AliasEntry gone = t.alias();
    TMAIN w(gone, prompter, state, LocalFiles({folder.path()}));
    // The store disappears after the start.
    if (TestDatabase::onPostgres())
        GTEST_SKIP() << "a PostgreSQL server cannot be taken away inside one test";
    QFile::rename(gone.sqliteFile(), gone.sqliteFile() + QStringLiteral(".moved"));
    w.action(C::Login)->trigger();
    EXPECT_TRUE(w.workspace()->subWindowList().isEmpty());
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(prompter.last().contains(QStringLiteral("tekvo30.sqlite")));
}

} // namespace
