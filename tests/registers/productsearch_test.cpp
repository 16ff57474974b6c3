#include "registerfixture.h"

#include "shopcore/registers/productsearch.h"

#include <gtest/gtest.h>

namespace {

using Mode = ProductSearch::Mode;
using Sort = ProductSearch::Sort;

class ProductSearchTest : public ::testing::Test {
protected:
    TestDatabase t;
    ScriptedPrompter prompter;

    void SetUp() override {
        product(t, QStringLiteral("P002"), QStringLiteral("ปากกาน้ำเงิน"),
                {{"PRO_GROUP", "PEN"}, {"PRO_TOTAL", 10.0}, {"PRO_BPRICE", 1234.5}});
        product(t, QStringLiteral("P001"), QStringLiteral("ปากกาแดง"), {{"PRO_GROUP", "PEN"}});
        product(t, QStringLiteral("X100"), QStringLiteral("ดินสอ"), {{"PRO_GROUP", "XPENC"}});
        put(t, QStringLiteral("Product"), {{"PRO_NO", "Z900"}}); // no name, no group
    }

    QStringList codes(ProductSearch& s) {
        QStringList out;
        for (int r = 0; r < s.model()->rowCount(); ++r)
            out << s.model()->row(r).code;
        return out;
    }
};

TEST_F(ProductSearchTest, EachModeRunsItsQuery) {
    const struct {
        const char* name;
        Mode mode;
        QString text;
        QStringList expected; // sorted by code
    } cases[] = {
        {"name as typed", Mode::Name, "ปากกาแดง", {"P001"}},
        {"name as typed is no prefix", Mode::Name, "ปากกา", {}},
        {"name with a wildcard typed", Mode::Name, "ปากกา%", {"P001", "P002"}},
        {"part of the name", Mode::PartOfName, "กาน้ำ", {"P002"}},
        {"part of the name, empty: everything",
         Mode::PartOfName,
         "",
         {"P001", "P002", "X100", "Z900"}},
        {"code as typed", Mode::Code, "X100", {"X100"}},
        {"part of the code", Mode::PartOfCode, "00", {"P001", "P002", "X100", "Z900"}},
        {"part of the code", Mode::PartOfCode, "P0", {"P001", "P002"}},
        {"part of the group", Mode::Group, "PEN", {"P001", "P002", "X100"}},
        {"all, whatever the text", Mode::All, "zzz", {"P001", "P002", "X100", "Z900"}},
    };
    ProductSearch s(t.db(), prompter);
    s.setSort(Sort::ByCode);
    for (const auto& c : cases) {
        s.setText(c.text);
        s.setMode(c.mode);
        EXPECT_EQ(codes(s), c.expected) << c.name;
    }
}

TEST_F(ProductSearchTest, SortsByNameOrCodeAndRunsOnEveryChange) {
    ProductSearch s(t.db(), prompter);
    s.activate();
    EXPECT_EQ(s.mode(), Mode::Name);
    EXPECT_EQ(s.entryLabel(), "ชื่อสินค้า ที่ต้องการค้นหา");
    EXPECT_TRUE(s.modeChosen());
    s.setMode(Mode::All);
    EXPECT_EQ(s.entryLabel(), "สินค้าทั้งหมด");
    // By name: the unnamed product first, then ดินสอ, ปากกาน้ำเงิน, ปากกาแดง.
    EXPECT_EQ(codes(s), QStringList({"Z900", "X100", "P002", "P001"}));
    s.setSort(Sort::ByCode);
    EXPECT_EQ(codes(s), QStringList({"P001", "P002", "X100", "Z900"}));
    s.setMode(Mode::Code);
    s.setText(QStringLiteral("P001"));
    EXPECT_EQ(codes(s).size(), 0) << "typing alone does not search";
    s.enter();
    EXPECT_EQ(codes(s), QStringList{"P001"});
}

TEST_F(ProductSearchTest, StockOnHandComesFromTheOpenMovementsReadOnce) {
    line(t, QStringLiteral("Order1"), QStringLiteral("P002"), 5, 2);
    line(t, QStringLiteral("Order1"), QStringLiteral("P002"), 7, 3); // a purchase order
    line(t, QStringLiteral("Invoice1"), QStringLiteral("P002"), 3, 1);
    line(t, QStringLiteral("Service1"), QStringLiteral("P002"), 1, 1);
    line(t, QStringLiteral("Invoice1"), QStringLiteral("X100"), 2, 1);
    ProductSearch s(t.db(), prompter);
    s.setSort(Sort::ByCode);
    s.setMode(Mode::All);
    const ProductSearchModel* m = s.model();
    EXPECT_EQ(m->data(m->index(1, ProductSearchModel::OnHand), Qt::DisplayRole), "11");
    EXPECT_EQ(m->data(m->index(2, ProductSearchModel::OnHand), Qt::DisplayRole), "-2");
    EXPECT_EQ(m->data(m->index(0, ProductSearchModel::OnHand), Qt::DisplayRole), "0");
    EXPECT_EQ(m->data(m->index(1, ProductSearchModel::Cost), Qt::DisplayRole), "1,234.50");
    EXPECT_EQ(m->headerData(2, Qt::Horizontal, Qt::DisplayRole), "จำนวนคงเหลือ");

    // The sums belong to the window: a line saved meanwhile shows in a new window.
    line(t, QStringLiteral("Invoice1"), QStringLiteral("P002"), 1, 1);
    s.run();
    EXPECT_EQ(m->data(m->index(1, ProductSearchModel::OnHand), Qt::DisplayRole), "11");
    ProductSearch again(t.db(), prompter);
    again.setSort(Sort::ByCode);
    again.setMode(Mode::All);
    EXPECT_EQ(again.model()->onHand(1), 10);
}

TEST_F(ProductSearchTest, ClicksCopyNameGroupOrCodeAndADoubleClickSearchesTheName) {
    ProductSearch s(t.db(), prompter);
    QString entry;
    QObject::connect(&s, &ProductSearch::textChanged, [&](const QString& x) { entry = x; });
    s.setSort(Sort::ByCode);
    s.setMode(Mode::All);
    const struct {
        int column;
        QString expected;
    } cases[] = {{ProductSearchModel::Name, "ปากกาน้ำเงิน"},
                 {ProductSearchModel::Group, "PEN"},
                 {ProductSearchModel::Code, "P002"},
                 {ProductSearchModel::OnHand, "P002"},
                 {ProductSearchModel::LastSale, "P002"}};
    for (const auto& c : cases) {
        s.cellClicked(1, c.column);
        EXPECT_EQ(entry, c.expected) << c.column;
        EXPECT_EQ(s.text(), c.expected);
    }
    s.setText(QString());
    s.setMode(Mode::PartOfName);
    s.rowDoubleClicked(0); // ปากกาแดง
    EXPECT_EQ(entry, "ปากกาแดง");
    EXPECT_EQ(codes(s), QStringList{"P001"});
}

} // namespace
