#include "shopcore/foundation/money.h"

#include <gtest/gtest.h>

namespace {

Money m(const char* text) { return *Money::parse(QString::fromLatin1(text)); }

TEST(Money, ParsesAndRejects) {
    EXPECT_EQ(m("1234.5").units(), 12345000);
    EXPECT_EQ(m(" -0.25 ").units(), -2500);
    EXPECT_EQ(m("1,234.50").units(), 12345000);
    EXPECT_EQ(m("0.00005").units(), 0);     // half to even: 0.5 unit -> 0
    EXPECT_EQ(m("0.00015").units(), 2);     // 1.5 units -> 2
    for (const char* bad : {"", "abc", "1.2.3", "-", "12a", "."})
        EXPECT_FALSE(Money::parse(QString::fromLatin1(bad))) << bad;
}

TEST(Money, RoundsHalfToEvenAtEveryStep) {
    EXPECT_EQ((m("0.0001") * m("0.5")).units(), 0);   // 0.00005 -> 0
    EXPECT_EQ((m("0.0003") * m("0.5")).units(), 2);   // 0.00015 -> 0.0002
    EXPECT_EQ((m("-0.0003") * m("0.5")).units(), -2);
    EXPECT_EQ(m("100").percent(m("7")), m("7"));
    EXPECT_EQ(m("10").rounded(2), m("10"));
    EXPECT_EQ(m("2.345").rounded(2), m("2.34"));
    EXPECT_EQ(m("2.355").rounded(2), m("2.36"));
    EXPECT_EQ((m("1") / m("3")).units(), 3333);
}

TEST(Money, FormatsThePatterns) {
    EXPECT_EQ(m("1234567.891").format(), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(m("-1000").format(), QStringLiteral("-1,000.00"));
    EXPECT_EQ(m("0.005").format(), QStringLiteral("0.00"));
    EXPECT_EQ(m("0.015").format(), QStringLiteral("0.02"));
    EXPECT_EQ(m("999.999").plain(), QStringLiteral("1000.00"));
    EXPECT_EQ(Money::fromDouble(0.1 + 0.2).units(), 3000);
}

} // namespace
