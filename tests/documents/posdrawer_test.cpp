// The till's cash drawer: a byte on every Enter of the received amount.
#include "posfixture.h"
#include "ptypair.h"

#include <gtest/gtest.h>

namespace {

class PosDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        PosShop::seed(t.db());
        ASSERT_TRUE(com1.ready() && com2.ready()) << "socat could not make a pseudo-terminal pair";
        alias = t.alias();
        alias.com1 = com1.drawerEnd();
        alias.com2 = com2.drawerEnd();
    }
    // A cash sale of 55.50 saved and waiting for the cash.
    void ringUp(PosTill& till) {
        till.customer(QStringLiteral("00001"));
        till.scan(QStringLiteral("8850001"));
        till.scan(QStringLiteral("8850003"));
        till.saveYes();
        till.prompter().clear();
    }
    TestDatabase t;
    PtyPair com1, com2;
    AliasEntry alias;
};

TEST_F(PosDrawerTest, EveryEnterOnTheReceivedAmountOpensTheDrawer) {
    PosShop::setting(t.db(), "COM_PORT", QStringLiteral("1"));
    PosTill till(t, 1, &alias);
    ringUp(till);
    EXPECT_TRUE(com1.received(100).isEmpty()) << "nothing before the cash";

    // Refused amounts open the drawer too; an empty field does nothing.
    till.received(QStringLiteral("abc"));
    till.received(QStringLiteral("10"));
    till.received(QString());
    EXPECT_EQ(com1.received(), QByteArray("00"));
    for (int i = 0; i < 8; ++i)
        till.received(QStringLiteral("100"));
    EXPECT_EQ(com1.received(), QByteArray(8, '0'));
    EXPECT_TRUE(com2.received(100).isEmpty());
    EXPECT_EQ(till->changeText(), QStringLiteral("44.50"));
}

TEST_F(PosDrawerTest, TheSettingChoosesThePortOrNone) {
    struct Case {
        const char* setting;
        int port; // 0: no drawer
    };
    for (const Case c : {Case{"2", 2}, Case{"0", 0}, Case{"7", 1}}) {
        PosShop::setting(t.db(), "COM_PORT", QString::fromLatin1(c.setting));
        PosTill till(t, 1, &alias);
        ringUp(till);
        till.received(QStringLiteral("60"));
        EXPECT_EQ(com1.received(c.port == 1 ? 300 : 100),
                  c.port == 1 ? QByteArray("0") : QByteArray())
            << c.setting;
        EXPECT_EQ(com2.received(c.port == 2 ? 300 : 100),
                  c.port == 2 ? QByteArray("0") : QByteArray())
            << c.setting;
        EXPECT_TRUE(till.prompter().asked().isEmpty()) << c.setting;
    }
}

TEST_F(PosDrawerTest, APortThatCannotBeOpenedIsToldAndTheSaleGoesOn) {
    PosShop::setting(t.db(), "COM_PORT", QStringLiteral("1"));
    AliasEntry missing = alias;
    missing.com1 = QStringLiteral("/dev/tekvo-no-such-port");
    PosTill till(t, 1, &missing);
    ASSERT_EQ(till.prompter().asked().size(), 1);
    EXPECT_TRUE(till.prompter().last().contains(QStringLiteral("COM1"))) << "told at opening";
    till.prompter().clear();
    ringUp(till);
    till.received(QStringLiteral("100"));
    ASSERT_EQ(till.prompter().asked().size(), 1) << "told again when the drawer should open";
    EXPECT_TRUE(till.prompter().last().contains(QStringLiteral("/dev/tekvo-no-such-port")));
    EXPECT_EQ(till->changeText(), QStringLiteral("44.50"));
    EXPECT_TRUE(till->thankYouEnabled());

    // A port held by another program counts the same.
    PosTill holder(t, 1, &alias);
    PosTill second(t, 1, &alias);
    ASSERT_EQ(second.prompter().asked().size(), 1);
    EXPECT_TRUE(second.prompter().last().contains(QStringLiteral("COM1")));
}

} // namespace
