#include "keyboard.h"
#include "recordingmenus.h"
#include "scriptedprompter.h"
#include "shopcore/foundation/passwordhash.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/userstore.h"
#include "shopcore/ui/firstuserdialog.h"
#include "shopcore/ui/userswindow.h"
#include "testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class UsersWindowGui : public ::testing::Test {
protected:
    void SetUp() override {
        UserStore::add(t.db(), {QStringLiteral("admin"), {}, QStringLiteral("ผู้จัดการ"), 1},
                       QStringLiteral("a1"));
        UserStore::add(t.db(), {QStringLiteral("cashier"), {}, QStringLiteral("แคชเชียร์"), 5},
                       QStringLiteral("c5"));
        context.alias = t.alias();
        context.prompter = &prompter;
        context.state = &state;
        context.menus = &menus;
        context.programName = QStringLiteral("Mervand");
    }
    // Types a name and password the way a user does: text, Enter, text, Enter, Enter.
    static void logIn(UsersWindow& w, const QString& name, const QString& password) {
        w.loginNameEntry()->clear();
        w.passwordEntry()->clear();
        typeText(w.loginNameEntry(), name);
        QTest::keyClick(w.loginNameEntry(), Qt::Key_Return);
        EXPECT_EQ(w.focusWidget(), w.passwordEntry());
        typeText(w.passwordEntry(), password);
        QTest::keyClick(w.passwordEntry(), Qt::Key_Return);
        EXPECT_EQ(w.focusWidget(), w.loginButton());
        QTest::keyClick(w.loginButton(), Qt::Key_Return);
    }

    TestDatabase t;
    ProgramState state;
    RecordingMenus menus;
    ScriptedPrompter prompter;
    WindowContext context;
};

TEST_F(UsersWindowGui, OpensOnTheLoginNameAndLogsInWithTheKeyboard) {
    UsersWindow w(context);
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" รหัสผ่านเข้าใช้งาน   Mervand"));
    EXPECT_FALSE(w.userPanel()->isVisible());
    EXPECT_FALSE(w.greetingLabel()->isVisible());
    EXPECT_FALSE(w.goToWorkButton()->isVisible());
    EXPECT_FALSE(w.logoutButton()->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.loginNameEntry());

    typeText(w.loginNameEntry(), QStringLiteral("a-name-longer-than-sixteen"));
    EXPECT_EQ(w.loginNameEntry()->text().size(), 16);

    logIn(w, QStringLiteral("cashier"), QStringLiteral("c5"));
    EXPECT_EQ(w.passwordEntry()->displayText(), QStringLiteral("xx"));
    EXPECT_EQ(state.accessLevel, 5);
    EXPECT_EQ(w.greetingLabel()->text(), QStringLiteral("Hello แคชเชียร์"));
    EXPECT_TRUE(w.goToWorkButton()->isVisible());
    EXPECT_EQ(w.focusWidget(), w.goToWorkButton());
    EXPECT_TRUE(w.logoutButton()->isEnabled());
    EXPECT_FALSE(w.userPanel()->isVisible());

    logIn(w, QStringLiteral("cashier"), QStringLiteral("wrong"));
    EXPECT_EQ(state.accessLevel, 0);
    EXPECT_TRUE(w.greetingLabel()->text().isEmpty());
    EXPECT_EQ(w.focusWidget(), w.loginNameEntry());
    EXPECT_EQ(menus.applied, QStringList({QStringLiteral("level 5"), QStringLiteral("level 0")}));
    EXPECT_TRUE(prompter.texts().isEmpty());

    QTest::mouseClick(w.goToWorkButton(), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(UsersWindowGui, LogoutClosesTheWindow) {
    UsersWindow w(context);
    w.show();
    logIn(w, QStringLiteral("cashier"), QStringLiteral("c5"));
    QTest::mouseClick(w.logoutButton(), Qt::LeftButton);
    EXPECT_EQ(state.accessLevel, 0);
    EXPECT_EQ(menus.applied.last(), QStringLiteral("logged out"));
    EXPECT_FALSE(w.isVisible());
}

TEST_F(UsersWindowGui, AnAdministratorAddsAUserThroughThePanel) {
    UsersWindow w(context);
    w.show();
    logIn(w, QStringLiteral("admin"), QStringLiteral("a1"));
    ASSERT_TRUE(w.userPanel()->isVisible());
    EXPECT_EQ(w.userNameEntry()->text(), QStringLiteral("admin"));
    EXPECT_TRUE(w.userPasswordEntry()->text().isEmpty()); // never shown
    EXPECT_TRUE(w.addButton()->isEnabled());
    EXPECT_TRUE(w.editButton()->isEnabled());
    EXPECT_FALSE(w.saveButton()->isEnabled());
    QTest::mouseClick(w.nextButton(), Qt::LeftButton);
    EXPECT_EQ(w.userNameEntry()->text(), QStringLiteral("cashier"));
    EXPECT_TRUE(w.levelChoice()->button(5)->isChecked());

    QTest::mouseClick(w.addButton(), Qt::LeftButton);
    EXPECT_TRUE(w.saveButton()->isEnabled());
    EXPECT_FALSE(w.nextButton()->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.titleEntry());
    EXPECT_TRUE(w.userNameEntry()->text().isEmpty());
    typeText(w.titleEntry(), QStringLiteral("พนักงานขาย"));
    QTest::keyClick(w.titleEntry(), Qt::Key_Return);
    typeText(w.userNameEntry(), QStringLiteral("somchai"));
    QTest::keyClick(w.userNameEntry(), Qt::Key_Return);
    typeText(w.userPasswordEntry(), QStringLiteral("s3"));
    EXPECT_EQ(w.userPasswordEntry()->displayText(), QStringLiteral("s3")); // shows its text
    QTest::keyClick(w.userPasswordEntry(), Qt::Key_Return);
    typeText(w.userAgainEntry(), QStringLiteral("s4"));
    QTest::keyClick(w.userAgainEntry(), Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.levelChoice()->button(1));
    QTest::mouseClick(w.levelChoice()->button(5), Qt::LeftButton, {}, QPoint(6, 6));

    QTest::mouseClick(w.saveButton(), Qt::LeftButton); // passwords differ
    EXPECT_EQ(w.focusWidget(), w.userPasswordEntry());
    EXPECT_TRUE(w.saveButton()->isEnabled());
    EXPECT_FALSE(UserStore::find(t.db(), QStringLiteral("somchai")));

    w.userAgainEntry()->clear();
    typeText(w.userAgainEntry(), QStringLiteral("s3"));
    QTest::mouseClick(w.saveButton(), Qt::LeftButton);
    EXPECT_FALSE(w.saveButton()->isEnabled());
    const auto added = UserStore::find(t.db(), QStringLiteral("somchai"));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->accessLevel(), 5);
    EXPECT_TRUE(PasswordHash::matches(added->password, QStringLiteral("s3")));
    EXPECT_TRUE(w.userPasswordEntry()->text().isEmpty());
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST(FirstUserDialogGui, CreatesTheFirstAdministrator) {
    TestDatabase t;
    ScriptedPrompter prompter;
    FirstUserDialog dialog(t.db(), prompter);
    dialog.show();
    typeText(dialog.loginNameEntry(), QStringLiteral("boss"));
    QTest::keyClick(dialog.loginNameEntry(), Qt::Key_Return);
    EXPECT_EQ(dialog.focusWidget(), dialog.titleEntry());
    typeText(dialog.titleEntry(), QStringLiteral("เจ้าของร้าน"));
    typeText(dialog.passwordEntry(), QStringLiteral("pw1"));
    typeText(dialog.againEntry(), QStringLiteral("pw2"));
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.last(), QStringLiteral("Password ทั้งสองช่องไม่ตรงกัน กรุณาพิมพ์ใหม่"));

    dialog.againEntry()->clear();
    typeText(dialog.againEntry(), QStringLiteral("pw1"));
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const auto boss = UserStore::find(t.db(), QStringLiteral("boss"));
    ASSERT_TRUE(boss);
    EXPECT_EQ(boss->accessLevel(), 1);
    EXPECT_TRUE(PasswordHash::matches(boss->password, QStringLiteral("pw1")));
}

} // namespace
