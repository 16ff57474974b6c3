#include "scriptedprompter.h"
#include "shopcore/foundation/numberqueue.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/registers/shopsettingsstore.h"
#include "shopcore/registers/shopsettingsworkflow.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace {

using Buttons = ShopSettingsWorkflow::Buttons;

// edit, refresh, cancel, save, close
QString buttons(const ShopSettingsWorkflow& w) {
    const Buttons b = w.buttons();
    QString out;
    for (bool on : {b.edit, b.refresh, b.cancel, b.save, b.close})
        out += on ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

class ShopSettings : public ::testing::Test {
protected:
    TestDatabase t;
    ScriptedPrompter prompter;
    QStringList skinsApplied;
    ShopSettingsWorkflow flow{t.db(), prompter, QStringLiteral("Ortiga"),
                              [this](const QString& v) { skinsApplied << v; }};
};

TEST_F(ShopSettings, EditAndSaveWritesTheRecordAppliesTheSkinAndAsksForARestart) {
    ASSERT_TRUE(flow.open());
    EXPECT_EQ(buttons(flow), QStringLiteral("11001"));
    flow.set(QStringLiteral("OF_NAME"), QStringLiteral("ignored while browsing"));
    EXPECT_TRUE(flow.value(QStringLiteral("OF_NAME")).toString().isEmpty());

    flow.edit();
    EXPECT_EQ(buttons(flow), QStringLiteral("00110"));
    const QVariantMap typed{{QStringLiteral("OF_NAME"), QStringLiteral("ร้านสมใจพาณิชย์")},
                            {QStringLiteral("OF_TAXID"), QStringLiteral("3100500123456")},
                            {QStringLiteral("OF_ADD4"), QStringLiteral("เชียงใหม่")},
                            {QStringLiteral("PREFIX1"), QStringLiteral("SALE")},
                            {QStringLiteral("LINE5"), QStringLiteral("3")},
                            {QStringLiteral("COM_PORT"), QStringLiteral("2")},
                            {QStringLiteral("SKIN_BUSINESS"), QStringLiteral("1")}};
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        flow.set(it.key(), it.value());
    EXPECT_TRUE(flow.setNumber(QStringLiteral("PRN_TOP"), QStringLiteral("12.5")));
    EXPECT_TRUE(flow.save());
    EXPECT_EQ(buttons(flow), QStringLiteral("10001")); // refresh stays off from now on
    EXPECT_EQ(skinsApplied, QStringList{QStringLiteral("1")});
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่กำหนด จึงจะมีผล ")});

    const QVariantMap stored = ShopSettingsStore::read(t.db());
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        EXPECT_EQ(stored.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_DOUBLE_EQ(stored.value(QStringLiteral("PRN_TOP")).toDouble(), 12.5);
}

TEST_F(ShopSettings, APrefixOfOtherThanFourCharactersIsRefused) {
    flow.open();
    for (const char* prefix : {"AB2", "", "ABCDE"}) {
        flow.edit();
        flow.set(QStringLiteral("PREFIX2"), QString::fromLatin1(prefix));
        EXPECT_FALSE(flow.save()) << prefix;
        EXPECT_TRUE(flow.isEditing());
        EXPECT_EQ(prompter.last(), QStringLiteral("ข้อมูลหมวดนำหน้าไม่ครบ 4 หลัก"));
        EXPECT_EQ(flow.value(QStringLiteral("PREFIX2")).toString(), QString::fromLatin1(prefix));
    }
    EXPECT_TRUE(skinsApplied.isEmpty());
    EXPECT_EQ(ShopSettingsStore::read(t.db()).value(QStringLiteral("PREFIX2")),
              QVariant(QStringLiteral("DOC2")));
}

TEST_F(ShopSettings, CancelDropsTheChanges) {
    flow.open();
    flow.edit();
    flow.set(QStringLiteral("OF_NAME"), QStringLiteral("ไม่บันทึก"));
    flow.cancel();
    EXPECT_EQ(buttons(flow), QStringLiteral("10001"));
    EXPECT_TRUE(flow.value(QStringLiteral("OF_NAME")).toString().isEmpty());
    EXPECT_TRUE(
        ShopSettingsStore::read(t.db()).value(QStringLiteral("OF_NAME")).toString().isEmpty());
}

TEST_F(ShopSettings, RefreshReadsWhatAnotherStationSaved) {
    flow.open();
    Records::updateSingle(t.db(), QStringLiteral("Kelmsys"),
                          {{QStringLiteral("OF_TEL"), QStringLiteral("053-111222")}}, "test");
    flow.refresh();
    EXPECT_EQ(flow.value(QStringLiteral("OF_TEL")), QVariant(QStringLiteral("053-111222")));
}

TEST_F(ShopSettings, ATextThatIsNotANumberIsRefusedForAPrintOffset) {
    flow.open();
    flow.edit();
    EXPECT_FALSE(flow.setNumber(QStringLiteral("PRN_LEFT"), QStringLiteral("1O")));
    EXPECT_EQ(prompter.last(), QStringLiteral("'1O' ไม่ใช่ตัวเลขที่ถูกต้อง"));
    EXPECT_TRUE(flow.setNumber(QStringLiteral("PRN_LEFT"), QStringLiteral("75"))); // no range check
    EXPECT_TRUE(flow.setNumber(QStringLiteral("PRN_TOP"), QString()));             // empty is null
    EXPECT_TRUE(flow.save());
    const QVariantMap stored = ShopSettingsStore::read(t.db());
    EXPECT_DOUBLE_EQ(stored.value(QStringLiteral("PRN_LEFT")).toDouble(), 75.0);
    EXPECT_TRUE(stored.value(QStringLiteral("PRN_TOP")).isNull());
}

TEST_F(ShopSettings, TheLogoIsTakenOnlyWhileEditing) {
    flow.open();
    const QByteArray picture("\x89PNG fake bytes", 14);
    EXPECT_FALSE(flow.setLogo(picture));
    EXPECT_TRUE(flow.value(QStringLiteral("OF_LOGO")).toByteArray().isEmpty());
    flow.edit();
    EXPECT_TRUE(flow.setLogo(picture));
    EXPECT_TRUE(flow.save());
    EXPECT_EQ(ShopSettingsStore::read(t.db()).value(QStringLiteral("OF_LOGO")).toByteArray(),
              picture);
}

TEST_F(ShopSettings, AStoreGoneWhileSavingKeepsTheEdits) {
    auto own = t.connect(QStringLiteral("ref_pos"));
    ShopSettingsWorkflow w(own->db(), prompter, QStringLiteral("Ortiga"), {});
    w.open();
    w.edit();
    w.set(QStringLiteral("OF_NAME"), QStringLiteral("ร้านใหม่"));
    own->db().close();
    EXPECT_FALSE(w.save());
    EXPECT_TRUE(w.isEditing());
    EXPECT_EQ(w.value(QStringLiteral("OF_NAME")), QVariant(QStringLiteral("ร้านใหม่")));
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_NE(prompter.last(), ShopSettingsWorkflow::restartMessage());
}

TEST_F(ShopSettings, EnterInTheFlatRatePrefixRestartsItsSeriesOnly) {
    flow.open();
    EXPECT_EQ(flow.reseedFlatRateSales(QStringLiteral("SALE")), QStringLiteral("SALE1"));
    EXPECT_EQ(NumberQueue::last(t.db(), QStringLiteral("QUE_INV_N")),
              QStringLiteral("SALE1000000"));
    // Changing the VAT sale prefix and saving leaves its queue alone.
    flow.edit();
    flow.set(QStringLiteral("PREFIX2"), QStringLiteral("VATS"));
    EXPECT_TRUE(flow.save());
    EXPECT_TRUE(NumberQueue::last(t.db(), QStringLiteral("QUE_INV_V")).isEmpty());
}

TEST(ShopSettingsTemplates, NamedByTheEdition) {
    const QStringList ortiga = ShopSettingsWorkflow::templateNames(QStringLiteral("Ortiga"));
    const QStringList pellun = ShopSettingsWorkflow::templateNames(QStringLiteral("Pellun"));
    EXPECT_EQ(ShopSettingsWorkflow::templateNames(QStringLiteral("Vossik")), ortiga);
    ASSERT_EQ(ortiga.size(), 5);
    ASSERT_EQ(pellun.size(), 5);
    EXPECT_EQ(ortiga[0], QStringLiteral("แบบที่  1  กระดาษสั้น (รหัส) 8.5 * 5.5 นิ้ว "));
    EXPECT_EQ(pellun[2], QStringLiteral("แบบที่  3  ม้วน กว้าง 2.5 นิ้ว สรุป "));
    EXPECT_EQ(ortiga[4], pellun[4]);
}

} // namespace
