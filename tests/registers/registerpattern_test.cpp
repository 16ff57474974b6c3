#include "registerfixture.h"
#include "shopcore/foundation/schema.h"

#include <gtest/gtest.h>

// The register pattern once, over the four registers and what differs between them.
namespace {

using Mode = RegisterWorkflow::Mode;
using Command = RegisterWorkflow::Command;

struct RegisterCase {
    const char* name;
    RegisterConfig (*config)();
    QString table;
    QStringList enterOrder; // from the code round to the code
    QVariantMap validTexts; // what a savable new record needs besides its code
    QString missingCode;
    QString numberField; // a float entry
    int codeLength;      // characters the code entry takes
};

const QStringList PartyOrder = {"CUST_NO",   "CUST_NAME",  "CUST_ADD1",  "CUST_ADD2",
                                "CUST_ADD4", "CUST_ZIP",   "CUST_TEL",   "CUST_FAX",
                                "CUST_CRE",  "CUST_GROUP", "CUST_BIRTH", "CUST_CARD"};

const RegisterCase Cases[] = {
    {"product",
     productRegister,
     "Product",
     {"PRO_NO", "PRO_NAME", "PRO_UNIT", "PRO_GROUP", "PRO_BPRICE", "PRO_SPRICE", "PRO_SP2",
      "PRO_SP3", "PRO_SP4", "PRO_SP5", "PRO_RORDER", "WARN_TERM"},
     {{"PRO_NAME", "ปากกา"}},
     "ข้อมูลไม่ครบ ....",
     "PRO_BPRICE",
     13},
    {"customer",
     [] { return customerRegister(); },
     "Customer",
     PartyOrder,
     {{"CUST_NAME", "ร้านสมใจ"}, {"CUST_CRE", "สด"}},
     "ไม่มีข้อมูลรหัสลูกค้า ... ",
     QString(),
     5},
    {"supplier",
     supplierRegister,
     "Supply",
     PartyOrder,
     {{"CUST_NAME", "บริษัท ส่งของ"}, {"CUST_CRE", "30 ว."}},
     "ไม่มีข้อมูลรหัสลูกค้า ... ",
     QString(),
     5},
    {"salesperson",
     salespersonRegister,
     "Sale",
     {"SALE_NO", "SALE_NAME", "SALE_ADD1", "SALE_ADD2", "SALE_ADD4", "SALE_ZIP", "SALE_TEL",
      "SALE_COM", "SALARY"},
     {{"SALE_NAME", "สมชาย"}},
     "ไม่มีข้อมูลรหัสลูกค้า ... ",
     "SALE_COM",
     5},
};

class RegisterPattern : public ::testing::TestWithParam<RegisterCase> {
protected:
    RegisterFixture f;
    const RegisterCase& c = GetParam();

    QString codeField() const { return c.enterOrder.first(); }
    void stock(const QString& code) {
        QVariantMap r;
        for (auto it = c.validTexts.cbegin(); it != c.validTexts.cend(); ++it)
            r.insert(it.key(), it.value());
        r.insert(codeField(), code);
        put(f.t, c.table, r);
    }
    void open() { f.open(c.config()); }
    void fillNew(const QString& code) {
        f.type(codeField(), code);
        for (auto it = c.validTexts.cbegin(); it != c.validTexts.cend(); ++it)
            f.type(it.key(), it.value().toString());
    }
    qint64 count() const {
        return stored(f.t, QStringLiteral("SELECT count(*) FROM ") + c.table).toLongLong();
    }
    QList<Command> enabledCommands() const {
        QList<Command> out;
        for (Command x :
             {Command::Add, Command::Edit, Command::Delete, Command::Refresh, Command::Cancel,
              Command::Save, Command::Close, Command::Search, Command::Navigate})
            if (f.w->enabled(x))
                out << x;
        return out;
    }
};

TEST_P(RegisterPattern, OpensOnTheHighestCodeWithTheBrowsingButtons) {
    for (const char* code : {"00002", "00010", "00001"})
        stock(QString::fromLatin1(code));
    open();
    EXPECT_EQ(f.code(), "00010");
    EXPECT_EQ(f.w->order(), RegisterOrder::Code);
    const QList<Command> browsing = {Command::Add,     Command::Edit,  Command::Delete,
                                     Command::Refresh, Command::Close, Command::Search,
                                     Command::Navigate};
    EXPECT_EQ(enabledCommands(), browsing);
    f.w->edit();
    EXPECT_EQ(enabledCommands(), QList<Command>({Command::Cancel, Command::Save}));
    f.w->cancel();
    f.w->add();
    EXPECT_EQ(enabledCommands(), QList<Command>({Command::Cancel, Command::Save}));
    EXPECT_EQ(f.lastFocus(), codeField());
}

TEST_P(RegisterPattern, NavigatorWalksTheCodeIndex) {
    for (const char* code : {"00002", "00003", "00001"})
        stock(QString::fromLatin1(code));
    open();
    f.w->next();
    EXPECT_EQ(f.code(), "00003") << "the last record stays at the end";
    f.w->first();
    EXPECT_EQ(f.code(), "00001");
    f.w->prior();
    EXPECT_EQ(f.code(), "00001");
    f.w->next();
    EXPECT_EQ(f.code(), "00002");
    f.w->last();
    EXPECT_EQ(f.code(), "00003");
}

TEST_P(RegisterPattern, EnterMovesThroughTheFixedOrderBackToTheCode) {
    open();
    f.w->add();
    fillNew(QStringLiteral("00001"));
    for (int i = 0; i < c.enterOrder.size(); ++i) {
        f.w->enter(c.enterOrder[i]);
        EXPECT_EQ(f.lastFocus(), c.enterOrder[(i + 1) % c.enterOrder.size()])
            << "Enter in " << c.enterOrder[i].toStdString();
    }
    EXPECT_TRUE(f.prompter.asked().isEmpty());
}

TEST_P(RegisterPattern, DuplicateCodeIsCaughtOnEnterOnlyWhileAdding) {
    stock(QStringLiteral("00001"));
    open();
    f.w->add();
    f.typeEnter(codeField(), QStringLiteral("00001"));
    EXPECT_EQ(f.prompter.last(), RegisterWorkflow::DuplicateMessage);
    EXPECT_EQ(f.lastFocus(), codeField());
    f.typeEnter(codeField(), QStringLiteral("00002"));
    EXPECT_EQ(f.lastFocus(), c.enterOrder[1]);
    f.w->cancel();

    f.prompter.clear();
    f.w->edit();
    f.w->enter(codeField());
    EXPECT_TRUE(f.prompter.asked().isEmpty());
    EXPECT_EQ(f.lastFocus(), c.enterOrder[1]);
}

TEST_P(RegisterPattern, SavingWithoutCodeIsRefusedWithTheRegistersMessage) {
    open();
    f.w->add();
    fillNew(QString());
    f.w->enter(c.enterOrder[1]);
    EXPECT_FALSE(f.w->save());
    EXPECT_EQ(f.prompter.texts(), QStringList{c.missingCode});
    EXPECT_EQ(f.lastFocus(), codeField());
    EXPECT_EQ(f.w->mode(), Mode::Adding);
    EXPECT_EQ(count(), 0);
}

TEST_P(RegisterPattern, AddedRecordIsPostedAndShownWhileBrowsing) {
    stock(QStringLiteral("00005"));
    open();
    f.w->add();
    fillNew(QStringLiteral("00003"));
    ASSERT_TRUE(f.w->save()) << f.prompter.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(f.w->mode(), Mode::Browsing);
    EXPECT_EQ(f.code(), "00003");
    EXPECT_EQ(count(), 2);
    f.w->next();
    EXPECT_EQ(f.code(), "00005");
}

TEST_P(RegisterPattern, DuplicateReachingThePostGetsAThaiMessageAndStaysInEditing) {
    stock(QStringLiteral("00001"));
    open();
    f.w->add();
    fillNew(QStringLiteral("00001")); // no Enter in the code entry
    EXPECT_FALSE(f.w->save());
    EXPECT_EQ(f.prompter.last(), RegisterWorkflow::DuplicateMessage);
    EXPECT_EQ(f.w->mode(), Mode::Adding);
    EXPECT_EQ(f.w->text(codeField()), "00001");
    EXPECT_EQ(count(), 1);

    // Changing the code of a stored record onto another's is refused the same way.
    stock(QStringLiteral("00002"));
    f.w->cancel();
    f.w->edit();
    f.type(codeField(), QStringLiteral("00002"));
    EXPECT_FALSE(f.w->save());
    EXPECT_EQ(f.prompter.last(), RegisterWorkflow::DuplicateMessage);
    EXPECT_EQ(f.w->mode(), Mode::Editing);
}

TEST_P(RegisterPattern, EditingChangesTheRecordAndItsCode) {
    stock(QStringLiteral("00001"));
    open();
    f.w->edit();
    f.type(codeField(), QStringLiteral("00007"));
    f.type(c.enterOrder[1], QStringLiteral("ชื่อใหม่"));
    ASSERT_TRUE(f.w->save());
    EXPECT_EQ(f.code(), "00007");
    EXPECT_EQ(f.w->text(c.enterOrder[1]), "ชื่อใหม่");
    EXPECT_EQ(count(), 1);
}

TEST_P(RegisterPattern, DeleteAsksFirstAndShowsTheNextRecord) {
    for (const char* code : {"00001", "00002", "00003"})
        stock(QString::fromLatin1(code));
    open();
    f.w->first();
    f.prompter.no();
    f.w->remove();
    EXPECT_EQ(f.prompter.last(), "ต้องการลบข้อมูลนี้ ?");
    EXPECT_EQ(count(), 3);
    f.prompter.yes();
    f.w->remove();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(f.code(), "00002");
    f.w->last();
    f.prompter.yes();
    f.w->remove();
    EXPECT_EQ(f.code(), "00002") << "the last record gone, the one before it is shown";
    EXPECT_TRUE(f.prompter.scriptDone());
}

TEST_P(RegisterPattern, CancelDiscardsTheChanges) {
    stock(QStringLiteral("00001"));
    stock(QStringLiteral("00002"));
    open();
    const QString name = f.w->text(c.enterOrder[1]);
    f.w->edit();
    f.type(c.enterOrder[1], QStringLiteral("ไม่เก็บ"));
    f.w->cancel();
    EXPECT_EQ(f.w->text(c.enterOrder[1]), name);
    f.w->first();
    f.w->add();
    fillNew(QStringLiteral("00009"));
    f.w->cancel();
    EXPECT_EQ(f.code(), "00001") << "back on the record shown before adding";
    EXPECT_EQ(count(), 2);
}

TEST_P(RegisterPattern, RefreshReadsTheRecordAgain) {
    stock(QStringLiteral("00001"));
    open();
    Records::update(f.t.db(), c.table, {{c.enterOrder[1], QStringLiteral("ที่อื่นแก้")}},
                    {{codeField(), QStringLiteral("00001")}}, "test");
    f.w->refresh();
    EXPECT_EQ(f.w->text(c.enterOrder[1]), "ที่อื่นแก้");
}

TEST_P(RegisterPattern, TextLongerThanTheFieldCannotBeTyped) {
    open();
    EXPECT_EQ(f.w->maxLength(codeField()), c.codeLength);
    EXPECT_EQ(f.w->maxLength(c.enterOrder[1]),
              Schema::table(c.table)->field(c.enterOrder[1])->width);
}

// The registers with a number entry.
class RegisterNumbers : public RegisterPattern {};

TEST_P(RegisterNumbers, NonNumericTextIsRefusedOnLeavingANumberEntry) {
    stock(QStringLiteral("00001"));
    open();
    f.w->edit();
    f.type(c.numberField, QStringLiteral("12a"));
    EXPECT_FALSE(f.w->leave(c.numberField));
    EXPECT_EQ(f.prompter.last(), "ตัวเลข...ไม่ถูกต้อง ");
    EXPECT_EQ(f.lastFocus(), c.numberField);
    f.w->enter(c.numberField);
    EXPECT_EQ(f.lastFocus(), c.numberField) << "Enter does not move past it either";
    EXPECT_FALSE(f.w->save());
    f.type(c.numberField, QStringLiteral("1,250.50"));
    EXPECT_TRUE(f.w->leave(c.numberField));
    ASSERT_TRUE(f.w->save());
    EXPECT_DOUBLE_EQ(
        stored(f.t, QStringLiteral("SELECT %1 FROM %2").arg(c.numberField, c.table)).toDouble(),
        1250.5);
    EXPECT_EQ(f.w->text(c.numberField), "1250.5");
}

const auto caseName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Registers, RegisterPattern, ::testing::ValuesIn(Cases), caseName);
INSTANTIATE_TEST_SUITE_P(Registers, RegisterNumbers, ::testing::Values(Cases[0], Cases[3]),
                         caseName);

} // namespace

namespace {

TEST(RegisterPatternFailures, SavingARecordDeletedAtAnotherStationKeepsTheTypedData) {
    RegisterFixture f;
    put(f.t, QStringLiteral("Sale"), {{"SALE_NO", "S01"}, {"SALE_NAME", "สมชาย"}});
    f.open(salespersonRegister());
    f.w->edit();
    f.type(QStringLiteral("SALE_NAME"), QStringLiteral("สมชาย ใจดี"));
    Records::remove(f.t.db(), QStringLiteral("Sale"), {{"SALE_NO", "S01"}}, "test");
    EXPECT_FALSE(f.w->save());
    EXPECT_EQ(f.prompter.last(), "ไม่พบข้อมูลนี้แล้ว อาจถูกลบโดย User อื่น ");
    EXPECT_EQ(f.w->mode(), RegisterWorkflow::Mode::Editing);
    EXPECT_EQ(f.w->text(QStringLiteral("SALE_NAME")), "สมชาย ใจดี");
}

} // namespace
