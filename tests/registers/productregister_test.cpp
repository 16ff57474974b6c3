#include "registerfixture.h"

#include <gtest/gtest.h>

namespace {

const QStringList Levels = {"PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"};

class ProductRegister : public ::testing::Test {
protected:
    RegisterFixture f;
    void open() { f.open(productRegister()); }
    double storedNumber(const QString& field, const QString& code) {
        return stored(f.t, QStringLiteral("SELECT %1 FROM product WHERE pro_no = :C").arg(field),
                      {{QStringLiteral("C"), code}})
            .toDouble();
    }
};

TEST_F(ProductRegister, AddStartsThePricesAndReorderPointAtZero) {
    open();
    f.w->add();
    for (const char* field :
         {"PRO_BPRICE", "PRO_SPRICE", "PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5", "PRO_RORDER"})
        EXPECT_EQ(f.w->text(QString::fromLatin1(field)), "0") << field;
    EXPECT_EQ(f.w->text(QStringLiteral("PRO_NO")), QString());
    EXPECT_EQ(f.lastFocus(), "PRO_NO");
}

TEST_F(ProductRegister, SellingPriceWithEnterWhileAddingFillsTheOtherLevels) {
    open();
    f.w->add();
    f.type(QStringLiteral("PRO_NO"), QStringLiteral("A1"));
    f.typeEnter(QStringLiteral("PRO_SPRICE"), QStringLiteral("120"));
    EXPECT_EQ(f.lastFocus(), "PRO_SP2");
    for (const QString& level : Levels)
        EXPECT_EQ(f.w->text(level), "120") << level.toStdString();
    ASSERT_TRUE(f.w->save());
    for (const QString& level : Levels)
        EXPECT_EQ(storedNumber(level, "A1"), 120.0);

    // Typed without Enter, the levels keep their zero.
    f.w->add();
    f.type(QStringLiteral("PRO_NO"), QStringLiteral("A2"));
    f.type(QStringLiteral("PRO_SPRICE"), QStringLiteral("120"));
    ASSERT_TRUE(f.w->save());
    EXPECT_EQ(storedNumber("PRO_SPRICE", "A2"), 120.0);
    for (const QString& level : Levels)
        EXPECT_EQ(storedNumber(level, "A2"), 0.0);

    // Editing a stored product, Enter changes only the selling price.
    f.w->edit();
    f.typeEnter(QStringLiteral("PRO_SPRICE"), QStringLiteral("150"));
    ASSERT_TRUE(f.w->save());
    EXPECT_EQ(storedNumber("PRO_SPRICE", "A2"), 150.0);
    EXPECT_EQ(storedNumber("PRO_SP2", "A2"), 0.0);
}

TEST_F(ProductRegister, EmptyAmountsAreSavedAsZero) {
    product(f.t, QStringLiteral("A1"), QStringLiteral("เก่า")); // every amount null
    open();
    f.w->edit();
    f.type(QStringLiteral("PRO_BPRICE"), QString());
    ASSERT_TRUE(f.w->save());
    for (const char* field : {"PRO_TOTAL", "PRO_BPRICE", "PRO_SPRICE", "PRO_SP2", "PRO_SP3",
                              "PRO_SP4", "PRO_SP5", "PRO_RORDER"}) {
        const QVariant v = stored(f.t, QStringLiteral("SELECT %1 FROM product").arg(field));
        EXPECT_FALSE(v.isNull()) << field;
        EXPECT_EQ(v.toDouble(), 0.0) << field;
    }
    EXPECT_TRUE(stored(f.t, QStringLiteral("SELECT pro_unit FROM product")).isNull())
        << "text entries left empty stay empty";
}

TEST_F(ProductRegister, AddACopyTakesNamePricesAndGroupButNotCodeOrReorderPoint) {
    product(f.t, QStringLiteral("A1"), QStringLiteral("ปากกา"),
            {{"PRO_UNIT", "ด้าม"},
             {"PRO_GROUP", "PEN"},
             {"PRO_BPRICE", 7.5},
             {"PRO_SPRICE", 10.0},
             {"PRO_SP2", 9.5},
             {"PRO_SP3", 9.0},
             {"PRO_SP4", 8.5},
             {"PRO_SP5", 8.0},
             {"PRO_RORDER", 24.0},
             {"WARN_TERM", "7 ว."}});
    open();
    f.w->addCopy();
    const QMap<QString, QString> expected = {
        {"PRO_NO", ""},        {"PRO_NAME", "ปากกา"}, {"PRO_UNIT", "ด้าม"}, {"PRO_GROUP", "PEN"},
        {"PRO_BPRICE", "7.5"}, {"PRO_SPRICE", "10"},  {"PRO_SP2", "9.5"},  {"PRO_SP3", "9"},
        {"PRO_SP4", "8.5"},    {"PRO_SP5", "8"},      {"PRO_RORDER", "0"}, {"WARN_TERM", ""}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        EXPECT_EQ(f.w->text(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(f.lastFocus(), "PRO_NO");
    f.type(QStringLiteral("PRO_NO"), QStringLiteral("A2"));
    ASSERT_TRUE(f.w->save());
    EXPECT_EQ(storedNumber("PRO_SP4", "A2"), 8.5);
}

TEST_F(ProductRegister, BarcodeSheetOnlyForThirteenCharacterCodes) {
    product(f.t, QStringLiteral("885000000001"), QStringLiteral("สิบสองหลัก"));
    product(f.t, QStringLiteral("8850000000012"), QStringLiteral("สิบสามหลัก"));
    open();
    QStringList asked;
    QObject::connect(f.w.get(), &RegisterWorkflow::barcodeRequested,
                     [&](const QVariantMap& r) { asked << r.value("PRO_NO").toString(); });
    f.w->first();
    EXPECT_FALSE(f.w->barcode());
    EXPECT_EQ(f.prompter.last(), "รหัส 13 หลัก ( EAN13 ) เท่านั้น");
    f.w->next();
    f.prompter.clear();
    EXPECT_TRUE(f.w->barcode());
    EXPECT_TRUE(f.prompter.asked().isEmpty());
    EXPECT_EQ(asked, QStringList{"8850000000012"});
}

TEST_F(ProductRegister, BalanceIsTheStockOnHandOfTheRecordShown) {
    product(f.t, QStringLiteral("A1"), QStringLiteral("ปากกา"), {{"PRO_TOTAL", 10.0}});
    product(f.t, QStringLiteral("A2"), QStringLiteral("ดินสอ"), {{"PRO_TOTAL", 4.0}});
    line(f.t, QStringLiteral("Order1"), QStringLiteral("A1"), 5, 2);
    line(f.t, QStringLiteral("Invoice1"), QStringLiteral("A1"), 3, 1);
    line(f.t, QStringLiteral("Invoice1"), QStringLiteral("A1"), 50, 0); // folded already
    line(f.t, QStringLiteral("Order1"), QStringLiteral("A2"), 1, 2);
    open();
    EXPECT_EQ(f.w->balanceText(), "5");
    f.w->first();
    EXPECT_EQ(f.w->balanceText(), "12");
    line(f.t, QStringLiteral("Service1"), QStringLiteral("A1"), 2, 1);
    f.w->next();
    f.w->prior();
    EXPECT_EQ(f.w->balanceText(), "10") << "repair withdrawals count, read again on each move";
    f.w->add();
    EXPECT_EQ(f.w->balanceText(), QString());
}

TEST_F(ProductRegister, PriceLevelsAndTheUnitWordAreShownBesideTheirEntries) {
    Records::updateSingle(
        f.t.db(), QStringLiteral("scale"),
        {{"SCALE1", 1.0}, {"SCALE2", 6.0}, {"SCALE3", 12.0}, {"SCALE4", 24.0}, {"SCALE5", 48.5}},
        "test");
    product(f.t, QStringLiteral("A1"), QStringLiteral("ปากกา"), {{"PRO_UNIT", "ด้าม"}});
    open();
    EXPECT_EQ(f.w->besideText("PRO_SPRICE"), "x 1");
    EXPECT_EQ(f.w->besideText("PRO_SP3"), "x 12");
    EXPECT_EQ(f.w->besideText("PRO_SP5"), "x 48.5");
    EXPECT_EQ(f.w->besideText("PRO_RORDER"), "ด้าม");
    QStringList changed;
    QObject::connect(f.w.get(), &RegisterWorkflow::textChanged,
                     [&](const QString& field) { changed << field; });
    f.w->edit();
    f.type(QStringLiteral("PRO_UNIT"), QStringLiteral("กล่อง"));
    EXPECT_EQ(f.w->besideText("PRO_RORDER"), "กล่อง");
    EXPECT_TRUE(changed.contains("PRO_RORDER"));
}

TEST_F(ProductRegister, ChoosingAWarrantyTermGoesBackToTheCode) {
    open();
    f.w->add();
    EXPECT_TRUE(f.w->config().entry("WARN_TERM")->choices.contains("1 ป."));
    f.type(QStringLiteral("WARN_TERM"), QStringLiteral("1 ป."));
    f.w->picked(QStringLiteral("WARN_TERM"));
    EXPECT_EQ(f.lastFocus(), "PRO_NO");
}

TEST_F(ProductRegister, SearchPanelMovesWhileTypingByCodeOrName) {
    product(f.t, QStringLiteral("B200"), QStringLiteral("ดินสอ"));
    product(f.t, QStringLiteral("A100"), QStringLiteral("ยางลบ"));
    product(f.t, QStringLiteral("C300"), QStringLiteral("ปากกา"));
    open();
    QString entry;
    QObject::connect(f.w.get(), &RegisterWorkflow::searchTextChanged,
                     [&](const QString& t) { entry = t; });
    f.w->openSearch();
    EXPECT_EQ(f.w->searchMode(), RegisterOrder::Code);
    EXPECT_EQ(f.w->searchLabel(), "พิมพ์รายการที่ค้นหา");
    f.w->searchTextEdited(QStringLiteral("B"));
    EXPECT_EQ(f.code(), "B200");
    f.w->setSearchMode(RegisterOrder::Name);
    f.w->searchTextEdited(QStringLiteral("ป"));
    EXPECT_EQ(f.code(), "C300");
    const RegisterRowsModel* rows = f.w->searchRows();
    ASSERT_EQ(rows->rowCount(), 3);
    // Name order: ดินสอ, ปากกา, ยางลบ; clicking copies by the mode.
    f.w->searchRowClicked(2);
    EXPECT_EQ(entry, "ยางลบ");
    f.w->setSearchMode(RegisterOrder::Code);
    f.w->searchRowClicked(0);
    EXPECT_EQ(entry, "A100");
    f.w->searchEnter();
    EXPECT_FALSE(f.w->searchOpen());
    EXPECT_EQ(f.code(), "A100");
    EXPECT_EQ(f.w->order(), RegisterOrder::Code);
}

} // namespace
