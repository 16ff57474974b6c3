#include "shopcore/foundation/numberqueue.h"
#include "shopcore/foundation/records.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberQueue, ANewPrefixRestartsTheFlatRateSaleSeries) {
    TestDatabase t;
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("DOC11000042")},
                           {QStringLiteral("QUE_INV_V"), QStringLiteral("DOC22000007")}},
                          "test");
    EXPECT_EQ(NumberQueue::reseedFlatRateSales(t.db(), QStringLiteral("SALE")),
              QStringLiteral("SALE1"));
    EXPECT_EQ(NumberQueue::last(t.db(), QStringLiteral("QUE_INV_N")),
              QStringLiteral("SALE1000000"));
    // Only the flat-rate sale series is touched.
    EXPECT_EQ(NumberQueue::last(t.db(), QStringLiteral("QUE_INV_V")),
              QStringLiteral("DOC22000007"));
}

TEST(NumberQueue, ANewPrefixContinuesAfterTheSalesAlreadyUnderIt) {
    TestDatabase t;
    for (const char* number : {"SALE1000041", "SALE1000042", "SALE2000099", "SALX1000500"})
        Records::insert(t.db(), QStringLiteral("Invoice"),
                        {{QStringLiteral("INV_NO"), QString::fromLatin1(number)}}, "test");
    // A temporary number of a document being entered is no sale of the series.
    Records::insert(t.db(), QStringLiteral("Invoice"),
                    {{QStringLiteral("INV_NO"), QStringLiteral("SALE199999")}}, "test");
    EXPECT_EQ(NumberQueue::reseedFlatRateSales(t.db(), QStringLiteral("SALE")),
              QStringLiteral("SALE1"));
    // The next till sale takes SALE1000043, not a number already used.
    EXPECT_EQ(NumberQueue::last(t.db(), QStringLiteral("QUE_INV_N")),
              QStringLiteral("SALE1000042"));
}

} // namespace
