#include "retail/mainwindowworkflow.h"
#include "retail/retailmenu.h"

#include "scriptedprompter.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/records.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace {

using C = RetailCommand;

ProgramState stateOf(const char* edition) {
    ProgramState s;
    s.edition = QString::fromLatin1(edition);
    return s;
}

// The commands the login switches, in the order of the columns below.
const QList<C> switched = {C::Login,         C::Transactions, C::SalesMenu,     C::PurchaseMenu,
                           C::PurchaseOrder, C::BillingNote,  C::ReceivedBills, C::Quotation,
                           C::CashDrawer,    C::References,   C::Reports,       C::Tools,
                           C::Exit,          C::Help};

QString enabledRow(const MainWindowWorkflow& w, const QList<C>& ids) {
    QString out;
    for (C id : ids)
        out += w.isEnabled(id) ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

TEST(MainWindowWorkflow, StartsLoggedOut) {
    for (const char* edition : {"Ortiga", "Pellun"}) {
        ProgramState state = stateOf(edition);
        ScriptedPrompter prompter;
        MainWindowWorkflow w(state, prompter);
        w.enterLoggedOutState();
        // Login, transactions, its exit, tools and help usable; the rest waits for a login.
        const QList<C> ids = {C::Login,         C::Transactions,  C::PurchaseMenu,  w.salesMenu(),
                              C::PurchaseOrder, C::BillingNote,   C::ReceivedBills, C::CashDrawer,
                              C::Quotation,     C::Exit,          C::References,    C::Reports,
                              C::Tools,         C::DatabaseTools, C::Help};
        EXPECT_EQ(enabledRow(w, ids), QStringLiteral("110000000100111")) << edition;
        EXPECT_EQ(state.accessLevel, 0);
    }
}

// Each row: the level, then on/off for every command of `switched`, starting from the
// logged-out state of the program (first row) or after a level-1 login (second part).
struct LevelCase {
    const char* name;
    int before; // level logged in before, -1 for none
    int level;
    const char* expected;
};

class LevelTable : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelTable, EnablesWhatTheLevelAllows) {
    const LevelCase& c = GetParam();
    ProgramState state = stateOf("Ortiga");
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    w.enterLoggedOutState();
    if (c.before >= 0)
        w.applyAccessLevel(c.before);
    w.applyAccessLevel(c.level);
    EXPECT_EQ(enabledRow(w, switched), QString::fromLatin1(c.expected));
}

// Columns: Login, รายการ, sales, ซื้อ, ใบสั่งซื้อ, ใบวางบิล, รับวางบิล, ใบเสนอราคา,
// ลิ้นชัก, อ้างอิง, รายงาน, เครื่องมือ, EXIT, Help.
INSTANTIATE_TEST_SUITE_P(
    Levels, LevelTable,
    ::testing::Values(LevelCase{"admin", -1, 1, "11111111111111"},
                      LevelCase{"supervisor", -1, 2, "11111111011011"},
                      LevelCase{"level3", -1, 3, "11111111010011"},
                      LevelCase{"level4", -1, 4, "11111001010011"},
                      LevelCase{"counter", -1, 5, "11100000100011"},
                      // Quotation keeps the state it had: disabled since the start ...
                      LevelCase{"wrongPasswordAtStart", -1, 0, "10000000000011"},
                      // ... or enabled by the level logged in before.
                      LevelCase{"wrongPasswordAfterAdmin", 1, 0, "10000001000011"},
                      LevelCase{"levelSixCountsAsNone", 1, 6, "10000001000011"},
                      LevelCase{"negativeCountsAsNone", 3, -1, "10000001000011"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowWorkflow, TheLoginEnablesTheTillOnlyInThePellunBuild) {
    for (const char* edition : {"Ortiga", "Vossik", "Pellun"}) {
        ProgramState state = stateOf(edition);
        ScriptedPrompter prompter;
        MainWindowWorkflow w(state, prompter);
        w.enterLoggedOutState();
        w.applyAccessLevel(1);
        const bool pellun = QLatin1String(edition) == QLatin1String("Pellun");
        EXPECT_EQ(w.isEnabled(C::PosMenu), pellun) << edition;
        EXPECT_EQ(w.isEnabled(C::SalesMenu), !pellun) << edition;
        EXPECT_EQ(w.isShown(RetailMenu::entry(C::PosMenu)), pellun) << edition;
        EXPECT_EQ(w.isShown(RetailMenu::entry(C::SalesMenu)), !pellun) << edition;
    }
}

TEST(MainWindowWorkflow, LogoutDisablesTheWorkAndTheTools) {
    ProgramState state = stateOf("Ortiga");
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    w.enterLoggedOutState();
    w.applyAccessLevel(1);
    w.applyLoggedOut();
    EXPECT_EQ(enabledRow(w, switched), QStringLiteral("11000000000011"));
    EXPECT_FALSE(w.isEnabled(C::PosMenu));
}

TEST(MainWindowWorkflow, HiddenEntriesExistButAreNeverShown) {
    ProgramState state = stateOf("Ortiga");
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    QStringList hidden;
    for (const MenuEntry& e : RetailMenu::entries())
        if (!w.isShown(e))
            hidden << e.caption;
    EXPECT_EQ(hidden,
              QStringList({QStringLiteral("ขาย / จำหน่าย (POS)"), QStringLiteral("ตั้งค่าเครื่องพิมพ์"),
                           QStringLiteral("จัดการฐานข้อมูล"), QStringLiteral("ที่มีการสั่งซื้อ / ไม่สั่งซื้อ"),
                           QStringLiteral("ทะเบียนสินค้า"), QStringLiteral("ตัดข้อมูล"),
                           QStringLiteral("OPTIMIZE ระบบ")}));
    // Of the two product entries of the reports, the first is the hidden one.
    EXPECT_FALSE(w.isShown(RetailMenu::entry(C::ProductListPrinted)));
    EXPECT_TRUE(w.isShown(RetailMenu::entry(C::ProductSearch)));
}

struct GuardCase {
    const char* name;
    bool documentOpen;
    int kind;
    MainWindowWorkflow::Open expected;
    int kindAfter; // the kind handed to a new window, or kept by the open one
    bool message;
};

class DocumentGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(DocumentGuard, KeepsOneDocumentWindow) {
    const GuardCase& c = GetParam();
    ProgramState state = stateOf("Ortiga");
    state.documentWindowOpen = c.documentOpen;
    state.documentKind = c.documentOpen ? 3 : 0;
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    EXPECT_EQ(w.openDocumentEntry(c.kind), c.expected);
    EXPECT_EQ(state.documentKind, c.kindAfter);
    EXPECT_EQ(prompter.texts(), c.message
                                    ? QStringList{MainWindowWorkflow::documentWindowOpenMessage()}
                                    : QStringList{});
}

using O = MainWindowWorkflow::Open;
INSTANTIATE_TEST_SUITE_P(
    Kinds, DocumentGuard,
    ::testing::Values(GuardCase{"newPurchase", false, 3, O::Create, 3, false},
                      GuardCase{"newQuotation", false, 6, O::Create, 6, false},
                      GuardCase{"saleWhilePurchaseOpen", true, 1, O::Restore, 3, false},
                      GuardCase{"vatPurchaseWhileOpen", true, 4, O::Restore, 3, false},
                      GuardCase{"purchaseOrderWhileOpen", true, 5, O::Refused, 3, true},
                      GuardCase{"quotationWhileOpen", true, 6, O::Refused, 3, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowWorkflow, TheTillIsRestoredWhenOpen) {
    ProgramState state = stateOf("Pellun");
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    EXPECT_EQ(w.openPos(2), O::Create);
    EXPECT_EQ(state.documentKind, 2);
    state.posWindowOpen = true;
    EXPECT_EQ(w.openPos(1), O::Restore);
    EXPECT_EQ(state.documentKind, 2);
    // The till's flag does not guard the document window.
    EXPECT_EQ(w.openDocumentEntry(6), O::Create);
}

TEST(SkinChoice, StoredValues) {
    using K = SkinChoice::Kind;
    const struct {
        const char* value;
        K kind;
        const char* file;
    } cases[] = {{"0", K::Off, ""},
                 {"1", K::File, "../mxskin35.skn"},
                 {"2", K::File, "../mxskin49.skn"},
                 {"3", K::Unchanged, ""},
                 {"", K::Unchanged, ""},
                 {"x", K::Unchanged, ""}};
    for (const auto& c : cases) {
        const SkinChoice s = SkinChoice::forSetting(QString::fromLatin1(c.value));
        EXPECT_EQ(s.kind, c.kind) << c.value;
        EXPECT_EQ(s.file, QString::fromLatin1(c.file)) << c.value;
    }
}

TEST(MainWindowWorkflow, ReadsTheSkinOfTheShopRecord) {
    TestDatabase t;
    Records::updateSingle(t.db(), QStringLiteral("Kelmsys"),
                          {{QStringLiteral("SKIN_BUSINESS"), QStringLiteral("2")}}, "test");
    ProgramState state = stateOf("Ortiga");
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    const SkinChoice s = w.readSkin(t.alias());
    EXPECT_EQ(s.kind, SkinChoice::Kind::File);
    EXPECT_EQ(s.file, QStringLiteral("../mxskin49.skn"));
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST(MainWindowWorkflow, AnUnreachableStoreIsReportedAndTheSkinLeftAlone) {
    QTemporaryDir dir;
    AliasEntry gone;
    gone.name = QStringLiteral("tekvo30");
    gone.folder = dir.filePath(QStringLiteral("not-there"));
    ProgramState state = stateOf("Ortiga");
    ScriptedPrompter prompter;
    MainWindowWorkflow w(state, prompter);
    EXPECT_EQ(w.readSkin(gone).kind, SkinChoice::Kind::Unchanged);
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(prompter.last().contains(QStringLiteral("not-there")));
}

TEST(MainWindowWorkflow, TheExitReminderBreaksItsLines) {
    EXPECT_EQ(MainWindowWorkflow::exitReminder(),
              QStringLiteral("อย่าลืมสำรองข้อมูล ...\n\nอ่านวิธีสำรองข้อมูลได้ที่ Help"));
}

} // namespace
