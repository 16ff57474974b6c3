#include "registerfixture.h"

#include <gtest/gtest.h>

// Customers, suppliers and salespeople: their checks and their search panels.
namespace {

void party(const TestDatabase& t, const QString& table, const QString& code, const QString& name) {
    put(t, table,
        {{QStringLiteral("CUST_NO"), code},
         {QStringLiteral("CUST_NAME"), name},
         {QStringLiteral("CUST_CRE"), QStringLiteral("สด")}});
}

struct PartyCase {
    const char* name;
    RegisterConfig (*config)();
};

class PartyChecks : public ::testing::TestWithParam<PartyCase> {
protected:
    RegisterFixture f;
    void SetUp() override { f.open(GetParam().config()); }
    void addWithCredit(const QString& credit) {
        f.w->add();
        f.type(QStringLiteral("CUST_NO"), QStringLiteral("00001"));
        f.type(QStringLiteral("CUST_NAME"), QStringLiteral("ร้านสมใจ"));
        f.type(QStringLiteral("CUST_CRE"), credit);
    }
};

TEST_P(PartyChecks, CreditMustBeOneOfTheSixteenTerms) {
    const struct {
        QString credit;
        bool saved;
    } cases[] = {{"30ว.", false}, {"", false},    {"30 ว", false}, {"30 ว.", true},
                 {"สด", true},    {"0 ด.", true}, {"6 ด.", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.credit.toStdString());
        f.prompter.clear();
        f.focus.clear();
        addWithCredit(c.credit);
        EXPECT_EQ(f.w->save(), c.saved);
        if (c.saved) {
            EXPECT_TRUE(f.prompter.asked().isEmpty());
            f.prompter.yes();
            f.w->remove();
        } else {
            EXPECT_EQ(f.prompter.texts(), QStringList{"ข้อมูลเครดิตไม่ถูกต้อง"});
            EXPECT_EQ(f.lastFocus(), "CUST_CRE");
            f.w->cancel();
        }
    }
}

TEST_P(PartyChecks, TheCodeIsCheckedBeforeTheCredit) {
    f.w->add();
    f.type(QStringLiteral("CUST_CRE"), QStringLiteral("xx"));
    EXPECT_FALSE(f.w->save());
    EXPECT_EQ(f.prompter.texts(), QStringList{"ไม่มีข้อมูลรหัสลูกค้า ... "});
}

TEST_P(PartyChecks, ChoosingACreditTermMovesToTheGrade) {
    f.w->add();
    f.type(QStringLiteral("CUST_CRE"), QStringLiteral("30 ว."));
    f.w->picked(QStringLiteral("CUST_CRE"));
    EXPECT_EQ(f.lastFocus(), "CUST_GROUP");
}

TEST_P(PartyChecks, DateOfBirthIsADateTextOrNothing) {
    addWithCredit(QStringLiteral("สด"));
    f.type(QStringLiteral("CUST_BIRTH"), QStringLiteral("31/02/2547"));
    EXPECT_FALSE(f.w->leave(QStringLiteral("CUST_BIRTH")));
    EXPECT_EQ(f.prompter.last(), "ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที");
    f.type(QStringLiteral("CUST_BIRTH"), QStringLiteral("05/01/25  "));
    EXPECT_FALSE(f.w->leave(QStringLiteral("CUST_BIRTH")));
    EXPECT_EQ(f.prompter.last(), "ข้อมูล วัน เดือน ปี  ไม่ครบ");
    f.type(QStringLiteral("CUST_BIRTH"), QStringLiteral("  /  /    "));
    ASSERT_TRUE(f.w->save());
    const QString table = f.w->config().table;
    EXPECT_TRUE(stored(f.t, "SELECT cust_birth FROM " + table).isNull());
    f.w->edit();
    f.type(QStringLiteral("CUST_BIRTH"), QStringLiteral("29/02/2547"));
    ASSERT_TRUE(f.w->save());
    EXPECT_EQ(stored(f.t, "SELECT cust_birth FROM " + table).toString(), "29/02/2547");
}

INSTANTIATE_TEST_SUITE_P(Parties, PartyChecks,
                         ::testing::Values(PartyCase{"customer", [] { return customerRegister(); }},
                                           PartyCase{"supplier", supplierRegister}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CustomerSearch, EnterFindsTheCodeInAnyCaseOrTheFirstNameBeginningWithTheText) {
    RegisterFixture f;
    const QString table = QStringLiteral("Customer");
    party(f.t, table, QStringLiteral("AB001"), QStringLiteral("สมหญิง"));
    party(f.t, table, QStringLiteral("AB002"), QStringLiteral("สมชาย"));
    party(f.t, table, QStringLiteral("AB003"), QStringLiteral("สมชาติ"));
    party(f.t, table, QStringLiteral("ZZ999"), QStringLiteral("วิชัย"));
    f.open(customerRegister());

    f.w->openSearch();
    EXPECT_TRUE(f.w->searchOpen());
    EXPECT_EQ(f.w->searchMode(), RegisterOrder::Name);
    EXPECT_EQ(f.w->searchLabel(), "ชื่อที่ต้องการค้นหา");
    EXPECT_EQ(f.w->enabled(RegisterWorkflow::Command::Add), false);

    f.w->searchTextEdited(QStringLiteral("สมช"));
    EXPECT_EQ(f.code(), "ZZ999") << "typing alone does not move";
    f.w->searchEnter();
    EXPECT_EQ(f.code(), "AB003") << "first in name order: สมชาติ before สมชาย";
    EXPECT_TRUE(f.searchButtonFocused);

    f.w->setSearchMode(RegisterOrder::Code);
    f.w->searchTextEdited(QStringLiteral("ab001"));
    f.w->searchEnter();
    EXPECT_EQ(f.code(), "AB001");
    EXPECT_EQ(f.w->rememberedCode(), "AB001");

    f.w->finishSearch();
    EXPECT_FALSE(f.w->searchOpen());
    EXPECT_EQ(f.w->order(), RegisterOrder::Code);
    EXPECT_EQ(f.code(), "AB001");
    f.w->next();
    EXPECT_EQ(f.code(), "AB002") << "browsing is back on the code index";
}

TEST(CustomerSearch, ClickingARowCopiesItsNameAndRemembersItsCode) {
    RegisterFixture f;
    party(f.t, QStringLiteral("Customer"), QStringLiteral("00001"), QStringLiteral("ข"));
    party(f.t, QStringLiteral("Customer"), QStringLiteral("00002"), QStringLiteral("ก"));
    f.open(customerRegister());
    QString shownInEntry;
    QObject::connect(f.w.get(), &RegisterWorkflow::searchTextChanged,
                     [&](const QString& t) { shownInEntry = t; });
    f.w->openSearch();
    RegisterRowsModel* rows = f.w->searchRows();
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->data(rows->index(0, 1), Qt::DisplayRole).toString(), "ก");
    f.w->searchRowClicked(0);
    EXPECT_EQ(shownInEntry, "ก");
    EXPECT_EQ(f.w->rememberedCode(), "00002");
    f.w->finishSearch();
    EXPECT_EQ(f.code(), "00002");
}

TEST(CustomerSearch, TheOtherProgramsSearchWhileTyping) {
    RegisterFixture f;
    party(f.t, QStringLiteral("Customer"), QStringLiteral("00001"), QStringLiteral("ข"));
    party(f.t, QStringLiteral("Customer"), QStringLiteral("00002"), QStringLiteral("ก"));
    f.open(customerRegister(ProgramKind::Service));
    f.w->openSearch();
    f.w->searchTextEdited(QStringLiteral("ข"));
    EXPECT_EQ(f.code(), "00001");
    f.w->setSearchMode(RegisterOrder::Code);
    EXPECT_EQ(f.w->searchLabel(), "รหัสที่ต้องการค้นหา");
}

struct NearestCase {
    const char* name;
    RegisterConfig (*config)();
    QString table, codeField, nameField;
};

class NearestSearch : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestSearch, TypingMovesToTheFirstNameAtOrAfterTheText) {
    const NearestCase& c = GetParam();
    RegisterFixture f;
    const QList<QPair<QString, QString>> people = {
        {"00001", "มานี"}, {"00002", "กมล"}, {"00003", "ชูใจ"}, {"00004", "ปิติ"}};
    for (const auto& [code, name] : people)
        put(f.t, c.table, {{c.codeField, code}, {c.nameField, name}});
    f.open(c.config());
    f.w->openSearch();
    EXPECT_EQ(f.w->searchMode(), RegisterOrder::Name);
    f.w->searchTextEdited(QStringLiteral("ช"));
    EXPECT_EQ(f.code(), "00003");
    f.w->searchTextEdited(QStringLiteral("ต"));
    EXPECT_EQ(f.code(), "00004") << "no name begins with it: the next one after";
    EXPECT_EQ(f.w->searchRows()->record(f.w->searchRows()->currentRow()).value(c.codeField),
              "00004");
    f.w->searchEnter();
    EXPECT_FALSE(f.w->searchOpen());
    EXPECT_EQ(f.code(), "00004");
    f.w->next();
    EXPECT_EQ(f.code(), "00004") << "back on the code index, 00004 is the last";

    f.w->openSearch();
    f.w->searchTextEdited(QStringLiteral("ก"));
    f.w->finishSearch(); // the back button
    EXPECT_EQ(f.code(), "00002");
}

INSTANTIATE_TEST_SUITE_P(Registers, NearestSearch,
                         ::testing::Values(NearestCase{"supplier", supplierRegister, "Supply",
                                                       "CUST_NO", "CUST_NAME"},
                                           NearestCase{"salesperson", salespersonRegister, "Sale",
                                                       "SALE_NO", "SALE_NAME"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SupplierRegister, ASupplierMayHaveTheCodeOfACustomer) {
    RegisterFixture f;
    party(f.t, QStringLiteral("Customer"), QStringLiteral("00001"), QStringLiteral("ลูกค้า"));
    f.open(supplierRegister());
    f.w->add();
    f.typeEnter(QStringLiteral("CUST_NO"), QStringLiteral("00001"));
    EXPECT_TRUE(f.prompter.asked().isEmpty());
    f.type(QStringLiteral("CUST_CRE"), QStringLiteral("สด"));
    EXPECT_TRUE(f.w->save());
}

TEST(SalespersonRegister, EmptyCommissionAndSalaryStayEmpty) {
    RegisterFixture f;
    f.open(salespersonRegister());
    f.w->add();
    f.type(QStringLiteral("SALE_NO"), QStringLiteral("S01"));
    ASSERT_TRUE(f.w->save());
    EXPECT_TRUE(stored(f.t, QStringLiteral("SELECT sale_com FROM sale")).isNull());
    EXPECT_TRUE(stored(f.t, QStringLiteral("SELECT salary FROM sale")).isNull());
    EXPECT_EQ(f.w->text(QStringLiteral("SALE_COM")), QString());
}

} // namespace
