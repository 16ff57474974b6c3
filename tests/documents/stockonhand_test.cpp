#include "documentbuilders.h"
#include "testdatabase.h"

#include "shopcore/documents/stockonhand.h"

#include <gtest/gtest.h>

namespace {

// Product A: stored 10; open purchases 5 and 2.5, a folded purchase of 3; an open sale of 2, a
// folded sale of 4; a purchase order of 7 and a quotation of 9 (no effect); an open repair
// withdrawal of 1 and a folded one of 6. Product B has only a free-text look-alike line.
void seed(const QSqlDatabase& db) {
    Build::product(db, QStringLiteral("A"), 10);
    Build::product(db, QStringLiteral("B"), 4);
    Build::line(db, QStringLiteral("Order1"), QStringLiteral("BUYN3000001"), QStringLiteral("A"), 5,
                2);
    Build::line(db, QStringLiteral("Order1"), QStringLiteral("BUYN3000001"), QStringLiteral("A"),
                2.5, 2);
    Build::line(db, QStringLiteral("Order1"), QStringLiteral("BUYN3000002"), QStringLiteral("A"), 3,
                0);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"), QStringLiteral("A"),
                2, 1);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000001"), QStringLiteral("A"),
                4, 0);
    Build::line(db, QStringLiteral("Tmpord1"), QStringLiteral("TORD5000001"), QStringLiteral("A"),
                7, 3);
    Build::line(db, QStringLiteral("Quotation1"), QStringLiteral("TQUO6000001"),
                QStringLiteral("A"), 9, 4);
    Build::repairLine(db, QStringLiteral("J0001"), QStringLiteral("A"), 1, 1);
    Build::repairLine(db, QStringLiteral("J0001"), QStringLiteral("A"), 6, 0);
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000002"), QStringLiteral("B"),
                3, std::nullopt);
    // Lines of a product no longer in the register still count for its code.
    Build::line(db, QStringLiteral("Invoice1"), QStringLiteral("SALE1000002"),
                QStringLiteral("GONE"), 2, 1);
}

TEST(StockOnHand, StoredBalanceWithOpenMovementsWithAndWithoutRepairLines) {
    TestDatabase t;
    seed(t.db());
    const OpenMovements grouped = OpenMovements::read(t.db());
    struct Case {
        const char* code;
        double stored;
        double withRepairs;
        double withoutRepairs;
    };
    const Case cases[] = {
        {"A", 10, 10 + 5 + 2.5 - 2 - 1, 10 + 5 + 2.5 - 2},
        {"B", 4, 4, 4},
        {"GONE", 0, -2, -2},
        {"NONE", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_DOUBLE_EQ(StockOnHand(t.db(), code), c.withRepairs) << c.code;
        EXPECT_DOUBLE_EQ(StockOnHand(t.db(), code, RepairLines::Ignored), c.withoutRepairs)
            << c.code;
        EXPECT_DOUBLE_EQ(grouped.onHand(code, c.stored), c.withRepairs) << c.code;
        EXPECT_DOUBLE_EQ(grouped.onHand(code, c.stored, RepairLines::Ignored), c.withoutRepairs)
            << c.code;
    }
}

} // namespace
