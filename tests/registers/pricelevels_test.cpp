#include "scriptedprompter.h"
#include "shopcore/registers/pricelevelstore.h"
#include "shopcore/registers/pricelevelsworkflow.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace {

// edit, cancel, save, close, refresh
QString buttons(const PriceLevelsWorkflow& w) {
    const PriceLevelsWorkflow::Buttons b = w.buttons();
    QString out;
    for (bool on : {b.edit, b.cancel, b.save, b.close, b.refresh})
        out += on ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

class PriceLevels : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(flow.open()); }
    void type(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i)
            flow.type(i + 1, texts[i]);
    }
    TestDatabase t;
    ScriptedPrompter prompter;
    PriceLevelsWorkflow flow{t.db(), prompter};
};

TEST_F(PriceLevels, TypingStartsEditingAndSavingStoresTheFiveQuantities) {
    EXPECT_EQ(buttons(flow), QStringLiteral("10011"));
    type({QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("12"), QStringLiteral("24"),
          QStringLiteral("48")});
    EXPECT_TRUE(flow.isEditing());
    EXPECT_EQ(buttons(flow), QStringLiteral("01100"));
    EXPECT_TRUE(flow.save());
    EXPECT_EQ(buttons(flow), QStringLiteral("10011"));
    EXPECT_EQ(PriceLevelStore::read(t.db()), QList<QVariant>({1.0, 6.0, 12.0, 24.0, 48.0}));
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST_F(PriceLevels, AnEmptyLevelIsRefusedAndTheTypedValuesStay) {
    flow.edit();
    type({QStringLiteral("1"), QStringLiteral("6"), QString(), QStringLiteral("24"),
          QStringLiteral("48")});
    EXPECT_FALSE(flow.save());
    EXPECT_EQ(prompter.last(), QStringLiteral("ข้อมูลไม่ครบ ไม่สามารถบันทึกได้"));
    EXPECT_TRUE(flow.isEditing());
    EXPECT_EQ(flow.quantities(), QStringList({QStringLiteral("1"), QStringLiteral("6"), QString(),
                                              QStringLiteral("24"), QStringLiteral("48")}));
    EXPECT_EQ(PriceLevelStore::read(t.db()).value(1), QVariant(0.0));
}

TEST_F(PriceLevels, QuantitiesNeedNotRise) {
    flow.edit();
    type({QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("1"),
          QStringLiteral("0.5")});
    EXPECT_TRUE(flow.save());
    EXPECT_EQ(PriceLevelStore::read(t.db()), QList<QVariant>({10.0, 5.0, 1.0, 1.0, 0.5}));
}

TEST_F(PriceLevels, QuantitiesAreReadAsEveryNumberEntryReadsThem) {
    flow.edit();
    type({QStringLiteral("1"), QStringLiteral("1,250.50"), QStringLiteral("1e3"),
          QStringLiteral("0.25"), QStringLiteral(" 2.5 ")});
    EXPECT_TRUE(flow.save());
    EXPECT_EQ(PriceLevelStore::read(t.db()), QList<QVariant>({1.0, 1250.5, 1000.0, 0.25, 2.5}));
}

TEST_F(PriceLevels, LeavingAnEntryWithTextThatIsNoNumberIsRefused) {
    flow.type(2, QStringLiteral("six"));
    EXPECT_FALSE(flow.leave(2));
    EXPECT_EQ(prompter.last(), QStringLiteral("'six' ไม่ใช่ตัวเลขที่ถูกต้อง"));
    EXPECT_TRUE(flow.leave(1));
    EXPECT_FALSE(flow.save());
}

TEST_F(PriceLevels, CancelAndRefreshReadTheStoredRecord) {
    PriceLevelStore::write(t.db(), {1, 2, 3, 4, 5});
    flow.refresh();
    EXPECT_EQ(flow.quantities().value(4), QStringLiteral("5"));
    flow.type(5, QStringLiteral("99"));
    flow.refresh(); // not while editing
    EXPECT_EQ(flow.quantities().value(4), QStringLiteral("99"));
    flow.cancel();
    EXPECT_FALSE(flow.isEditing());
    EXPECT_EQ(flow.quantities().value(4), QStringLiteral("5"));
}

} // namespace
