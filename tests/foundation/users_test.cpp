#include "recordingmenus.h"
#include "scriptedprompter.h"
#include "shopcore/foundation/firstuserworkflow.h"
#include "shopcore/foundation/loginworkflow.h"
#include "shopcore/foundation/passwordhash.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/usereditworkflow.h"
#include "shopcore/foundation/userstore.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace {

QString storedPassword(const TestDatabase& t, const QString& loginName) {
    return scalar(t.db(), QStringLiteral("SELECT passwd FROM market WHERE usrname = :N"),
                  {{QStringLiteral("N"), loginName}}, "test")
        .toString();
}

void addUser(const TestDatabase& t, const QString& name, const QString& password,
             const QVariant& level, const QString& title = QStringLiteral("พนักงาน")) {
    UserStore::add(t.db(), {name, {}, title, level}, password);
}

TEST(PasswordHash, StoresNeitherTheTypedTextNorTheSameHashTwice) {
    const QString typed = QStringLiteral("รหัส1234");
    const QString a = PasswordHash::hash(typed);
    const QString b = PasswordHash::hash(typed);
    EXPECT_NE(a, typed);
    EXPECT_FALSE(a.contains(typed));
    EXPECT_NE(a, b); // salted
    EXPECT_TRUE(PasswordHash::isHash(a));
    EXPECT_TRUE(PasswordHash::matches(a, typed));
    EXPECT_TRUE(PasswordHash::matches(b, typed));
    // Compared exactly: case, a trailing blank and a prefix all differ.
    for (const char* other : {"รหัส123", "รหัส1234 ", "รหัส12345"})
        EXPECT_FALSE(PasswordHash::matches(a, QString::fromUtf8(other))) << other;
    EXPECT_FALSE(
        PasswordHash::matches(PasswordHash::hash(QStringLiteral("Abc")), QStringLiteral("abc")));
    // Users carried over from older data are compared as typed.
    EXPECT_TRUE(PasswordHash::matches(QStringLiteral("old"), QStringLiteral("old")));
    EXPECT_FALSE(PasswordHash::matches(QStringLiteral("old"), QStringLiteral("Old")));
}

TEST(UserStore, CreatesTheFirstAdministratorOnceAndHashesThePassword) {
    TestDatabase t;
    EXPECT_FALSE(UserStore::hasUsers(t.db()));
    UserStore::createFirstAdministrator(t.db(), QStringLiteral("boss"), QStringLiteral("เจ้าของร้าน"),
                                        QStringLiteral("secret"));
    const auto boss = UserStore::find(t.db(), QStringLiteral("boss"));
    ASSERT_TRUE(boss);
    EXPECT_EQ(boss->accessLevel(), 1);
    EXPECT_EQ(boss->title, QStringLiteral("เจ้าของร้าน"));
    EXPECT_NE(storedPassword(t, QStringLiteral("boss")), QStringLiteral("secret"));
    EXPECT_TRUE(PasswordHash::matches(boss->password, QStringLiteral("secret")));
    EXPECT_FALSE(UserStore::find(t.db(), QStringLiteral("Boss"))); // names compare exactly

    try {
        UserStore::createFirstAdministrator(t.db(), QStringLiteral("second"), {},
                                            QStringLiteral("x"));
        FAIL() << "a second first administrator was made";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::Refused);
    }
    EXPECT_EQ(UserStore::all(t.db()).size(), 1);
}

TEST(UserStore, RefusesAnEmptyNameAndTooLongTexts) {
    TestDatabase t;
    const struct {
        const char* name;
        const char* login;
        const char* password;
    } cases[] = {{"empty login name", "  ", "pw"},
                 {"login name of 17", "abcdefghijklmnopq", "pw"},
                 {"password of 17", "boss", "abcdefghijklmnopq"}};
    for (const auto& c : cases) {
        EXPECT_THROW(UserStore::createFirstAdministrator(t.db(), QString::fromLatin1(c.login), {},
                                                         QString::fromLatin1(c.password)),
                     StoreError)
            << c.name;
    }
    EXPECT_FALSE(UserStore::hasUsers(t.db()));
    // Sixteen characters are fine, Thai ones too.
    UserStore::createFirstAdministrator(t.db(), QStringLiteral("ผู้ดูแลระบบร้าน"), {},
                                        QStringLiteral("รหัสผ่านสิบหกตัวอักษร").left(16));
    EXPECT_TRUE(UserStore::hasUsers(t.db()));
}

TEST(FirstUserWorkflow, AsksForThePasswordTwice) {
    TestDatabase t;
    ScriptedPrompter prompter;
    FirstUserWorkflow flow(t.db(), prompter);
    EXPECT_TRUE(flow.needed());
    EXPECT_FALSE(
        flow.create(QStringLiteral("boss"), {}, QStringLiteral("one"), QStringLiteral("two")));
    EXPECT_EQ(prompter.last(), FirstUserWorkflow::passwordsDifferMessage());
    EXPECT_FALSE(flow.create(QString(), {}, QStringLiteral("pw"), QStringLiteral("pw")));
    EXPECT_EQ(prompter.last(), QStringLiteral("กรุณาใส่ User Name"));
    EXPECT_TRUE(flow.needed());
    EXPECT_TRUE(flow.create(QStringLiteral("boss"), QStringLiteral("ผู้จัดการ"), QStringLiteral("pw"),
                            QStringLiteral("pw")));
    EXPECT_FALSE(flow.needed());
}

class Login : public ::testing::Test {
protected:
    void SetUp() override {
        state.edition = QStringLiteral("Ortiga");
        addUser(t, QStringLiteral("admin"), QStringLiteral("a1"), 1, QStringLiteral("ผู้จัดการ"));
        addUser(t, QStringLiteral("cashier"), QStringLiteral("c5"), 5, QStringLiteral("แคชเชียร์"));
        addUser(t, QStringLiteral("nolevel"), QStringLiteral("n"), QVariant());
    }
    TestDatabase t;
    ProgramState state;
    RecordingMenus menus;
    ScriptedPrompter prompter;
};

TEST_F(Login, RightPasswordSetsTheLevelAndGreets) {
    LoginWorkflow flow(t.db(), state, menus, prompter);
    EXPECT_FALSE(flow.logoutEnabled());
    EXPECT_EQ(flow.login(QStringLiteral("cashier"), QStringLiteral("c5")),
              LoginWorkflow::Outcome::LoggedIn);
    EXPECT_EQ(state.accessLevel, 5);
    EXPECT_EQ(state.loginName, QStringLiteral("cashier"));
    EXPECT_EQ(flow.greeting(), QStringLiteral("Hello แคชเชียร์"));
    EXPECT_TRUE(flow.logoutEnabled());
    EXPECT_TRUE(flow.goToWorkShown());
    EXPECT_FALSE(flow.userPanelShown());
    EXPECT_EQ(menus.applied, QStringList{QStringLiteral("level 5")});

    EXPECT_EQ(flow.login(QStringLiteral("admin"), QStringLiteral("a1")),
              LoginWorkflow::Outcome::LoggedIn);
    EXPECT_TRUE(flow.userPanelShown());
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST_F(Login, WrongPasswordDropsToLevelZeroWithoutAWord) {
    LoginWorkflow flow(t.db(), state, menus, prompter);
    flow.login(QStringLiteral("admin"), QStringLiteral("a1"));
    EXPECT_EQ(flow.login(QStringLiteral("admin"), QStringLiteral("A1")),
              LoginWorkflow::Outcome::WrongPassword);
    EXPECT_EQ(state.accessLevel, 0);
    EXPECT_TRUE(flow.greeting().isEmpty());
    EXPECT_FALSE(flow.userPanelShown());
    EXPECT_EQ(state.loginName, QStringLiteral("admin")); // the last successful login
    EXPECT_EQ(menus.applied, QStringList({QStringLiteral("level 1"), QStringLiteral("level 0")}));
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST_F(Login, AnUnknownNameKeepsTheLevelButAppliesItAgain) {
    LoginWorkflow flow(t.db(), state, menus, prompter);
    flow.login(QStringLiteral("admin"), QStringLiteral("a1"));
    EXPECT_EQ(flow.login(QStringLiteral("nobody"), QStringLiteral("a1")),
              LoginWorkflow::Outcome::UnknownName);
    EXPECT_EQ(state.accessLevel, 1);
    EXPECT_TRUE(flow.userPanelShown());
    EXPECT_EQ(menus.applied, QStringList({QStringLiteral("level 1"), QStringLiteral("level 1")}));
}

TEST_F(Login, AUserWithoutALevelLogsInAtLevelZero) {
    LoginWorkflow flow(t.db(), state, menus, prompter);
    EXPECT_EQ(flow.login(QStringLiteral("nolevel"), QStringLiteral("n")),
              LoginWorkflow::Outcome::LoggedIn);
    EXPECT_EQ(state.accessLevel, 0);
    EXPECT_EQ(menus.applied, QStringList{QStringLiteral("level 0")});
}

TEST_F(Login, LogoutKeepsTheRememberedName) {
    LoginWorkflow flow(t.db(), state, menus, prompter);
    flow.login(QStringLiteral("cashier"), QStringLiteral("c5"));
    flow.logout();
    EXPECT_EQ(state.accessLevel, 0);
    EXPECT_EQ(state.loginName, QStringLiteral("cashier"));
    EXPECT_EQ(menus.applied.last(), QStringLiteral("logged out"));
    // A window opened while somebody is logged in can log out at once.
    state.accessLevel = 2;
    EXPECT_TRUE(LoginWorkflow(t.db(), state, menus, prompter).logoutEnabled());
}

TEST_F(Login, APasswordFromOlderDataIsHashedOnItsFirstUse) {
    Records::insert(t.db(), QStringLiteral("Market"),
                    {{QStringLiteral("USRNAME"), QStringLiteral("old")},
                     {QStringLiteral("PASSWD"), QStringLiteral("pw")},
                     {QStringLiteral("AC1"), 2}},
                    "test");
    LoginWorkflow flow(t.db(), state, menus, prompter);
    EXPECT_EQ(flow.login(QStringLiteral("old"), QStringLiteral("pw")),
              LoginWorkflow::Outcome::LoggedIn);
    const QString stored = storedPassword(t, QStringLiteral("old"));
    EXPECT_TRUE(PasswordHash::isHash(stored));
    EXPECT_EQ(flow.login(QStringLiteral("old"), QStringLiteral("pw")),
              LoginWorkflow::Outcome::LoggedIn);
}

TEST_F(Login, AStoreThatIsGoneIsReported) {
    auto gone = t.connect(QStringLiteral("gone"));
    const QSqlDatabase db = gone->db();
    LoginWorkflow flow(db, state, menus, prompter);
    gone.reset();
    EXPECT_EQ(flow.login(QStringLiteral("admin"), QStringLiteral("a1")),
              LoginWorkflow::Outcome::Failed);
    EXPECT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(menus.applied.isEmpty());
}

class UserPanel : public ::testing::Test {
protected:
    void SetUp() override {
        addUser(t, QStringLiteral("admin"), QStringLiteral("a1"), 1, QStringLiteral("ผู้จัดการ"));
        addUser(t, QStringLiteral("cashier"), QStringLiteral("c5"), 5, QStringLiteral("แคชเชียร์"));
        flow.load();
    }
    static UserEditWorkflow::Entries entries(const char* title, const char* name,
                                             const char* password, const char* again,
                                             QVariant level) {
        return {QString::fromUtf8(title), QString::fromUtf8(name), QString::fromUtf8(password),
                QString::fromUtf8(again), level};
    }
    bool canLogIn(const QString& name, const QString& password) {
        const auto user = UserStore::find(t.db(), name);
        return user && PasswordHash::matches(user->password, password);
    }
    TestDatabase t;
    ScriptedPrompter prompter;
    UserEditWorkflow flow{t.db(), prompter};
};

TEST_F(UserPanel, BrowsesWithoutShowingPasswords) {
    EXPECT_EQ(flow.count(), 2);
    EXPECT_EQ(flow.shown().loginName, QStringLiteral("admin"));
    EXPECT_TRUE(flow.shown().password.isEmpty());
    flow.next();
    EXPECT_EQ(flow.shown().loginName, QStringLiteral("cashier"));
    EXPECT_EQ(flow.shown().level, QVariant(5));
    flow.next(); // stays on the last
    EXPECT_EQ(flow.position(), 1);
    flow.previous();
    EXPECT_EQ(flow.shown().title, QStringLiteral("ผู้จัดการ"));
    EXPECT_TRUE(flow.canAdd() && flow.canEdit() && flow.canMove());
    EXPECT_FALSE(flow.canSave() || flow.canCancel());
}

TEST_F(UserPanel, AddsAUserWithAHashedPassword) {
    flow.add();
    EXPECT_TRUE(flow.isEditing());
    EXPECT_FALSE(flow.canAdd() || flow.canEdit() || flow.canMove());
    EXPECT_TRUE(flow.shown().loginName.isEmpty());
    EXPECT_EQ(flow.save(entries("พนักงานขาย", "somchai", "s3", "s3", 5)),
              UserEditWorkflow::Saved::Yes);
    EXPECT_FALSE(flow.isEditing());
    EXPECT_EQ(flow.shown().loginName, QStringLiteral("somchai"));
    EXPECT_EQ(flow.count(), 3);
    EXPECT_NE(storedPassword(t, QStringLiteral("somchai")), QStringLiteral("s3"));
    EXPECT_TRUE(canLogIn(QStringLiteral("somchai"), QStringLiteral("s3")));
}

TEST_F(UserPanel, DifferingPasswordsKeepEditingAndSaveNothing) {
    flow.add();
    EXPECT_EQ(flow.save(entries("x", "somchai", "s3", "s4", 5)),
              UserEditWorkflow::Saved::PasswordsDiffer);
    EXPECT_TRUE(flow.isEditing());
    EXPECT_TRUE(prompter.texts().isEmpty()); // no message
    EXPECT_FALSE(UserStore::find(t.db(), QStringLiteral("somchai")));
    EXPECT_EQ(flow.shown().loginName, QStringLiteral("somchai")); // typed entries kept
}

TEST_F(UserPanel, ADuplicateLoginNameIsToldAndKeepsEditing) {
    flow.add();
    EXPECT_EQ(flow.save(entries("x", "cashier", "p", "p", 4)), UserEditWorkflow::Saved::Refused);
    EXPECT_EQ(prompter.last(), QStringLiteral("มี User Name นี้อยู่แล้ว กรุณาใช้ชื่ออื่น"));
    EXPECT_TRUE(flow.isEditing());
    EXPECT_EQ(flow.shown().title, QStringLiteral("x"));
    EXPECT_EQ(UserStore::all(t.db()).size(), 2);
    // Renaming a user onto another's name is refused the same way.
    flow.cancel();
    flow.edit();
    EXPECT_EQ(flow.save(entries("ผู้จัดการ", "cashier", "", "", 1)), UserEditWorkflow::Saved::Refused);
    EXPECT_TRUE(canLogIn(QStringLiteral("admin"), QStringLiteral("a1")));
}

TEST_F(UserPanel, ChangingAUserKeepsThePasswordUnlessOneIsTyped) {
    flow.next();
    flow.edit();
    EXPECT_EQ(flow.shown().loginName, QStringLiteral("cashier"));
    EXPECT_EQ(flow.save(entries("หัวหน้า", "cashier2", "", "", 2)), UserEditWorkflow::Saved::Yes);
    EXPECT_FALSE(UserStore::find(t.db(), QStringLiteral("cashier")));
    const auto changed = UserStore::find(t.db(), QStringLiteral("cashier2"));
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->accessLevel(), 2);
    EXPECT_EQ(changed->title, QStringLiteral("หัวหน้า"));
    EXPECT_TRUE(canLogIn(QStringLiteral("cashier2"), QStringLiteral("c5")));

    flow.edit();
    EXPECT_EQ(flow.save(entries("หัวหน้า", "cashier2", "new", "new", 2)),
              UserEditWorkflow::Saved::Yes);
    EXPECT_TRUE(canLogIn(QStringLiteral("cashier2"), QStringLiteral("new")));
    EXPECT_FALSE(canLogIn(QStringLiteral("cashier2"), QStringLiteral("c5")));
}

TEST_F(UserPanel, CancelDropsTheChangesAndANewUserWithoutLevelHasNone) {
    flow.edit();
    flow.cancel();
    EXPECT_FALSE(flow.isEditing());
    EXPECT_EQ(flow.shown().loginName, QStringLiteral("admin"));
    flow.add();
    EXPECT_EQ(flow.save(entries("", "temp", "t", "t", QVariant())), UserEditWorkflow::Saved::Yes);
    const auto temp = UserStore::find(t.db(), QStringLiteral("temp"));
    ASSERT_TRUE(temp);
    EXPECT_TRUE(temp->level.isNull());
    EXPECT_EQ(temp->accessLevel(), 0);
}

} // namespace
