#include "shopcore/documents/documentnumber.h"
#include "shopcore/documents/documenttotals.h"
#include "shopcore/documents/lineamount.h"
#include "shopcore/documents/settlement.h"

#include <gtest/gtest.h>

namespace {

Money m(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

const SeriesPrefixes ShopPrefixes{{QStringLiteral("SALE"), QStringLiteral("VATS"),
                                   QStringLiteral("BUYN"), QStringLiteral("BUYV")}};

TEST(DocumentNumbers, HeadOfEachKind) {
    const std::pair<int, const char*> cases[] = {{1, "SALE1"}, {2, "VATS2"}, {3, "BUYN3"},
                                                 {4, "BUYV4"}, {5, "TORD5"}, {6, "TQUO6"}};
    for (const auto& [kind, head] : cases)
        EXPECT_EQ(SeriesHead(kind, ShopPrefixes), QString::fromLatin1(head)) << kind;
    // A short prefix gives a short head, which no stored number can match.
    SeriesPrefixes shortPrefix = ShopPrefixes;
    shortPrefix.prefix[0] = QStringLiteral("AB");
    EXPECT_EQ(SeriesHead(1, shortPrefix), QStringLiteral("AB1"));
}

TEST(DocumentNumbers, NumberAfterTheLastOne) {
    struct Case {
        const char* name;
        const char* last;
        const char* next; // nullptr: refused
    };
    const Case cases[] = {
        {"first after the typed start", "SALE1000001", "SALE1000002"},
        {"carry into the thousands", "SALE1000999", "SALE1001000"},
        {"last of the series", "SALE1999998", "SALE1999999"},
        {"series full: would be 12 characters", "SALE1999999", nullptr},
        {"letters typed as the first sequence", "SALE1abc", nullptr},
        {"short first sequence", "SALE112", nullptr},
        {"five digits", "SALE100001", nullptr},
        {"seven digits", "SALE11234567", nullptr},
        {"sign in the sequence", "SALE1-00001", nullptr},
    };
    for (const Case& c : cases) {
        const NextNumber next = NumberAfter(QStringLiteral("SALE1"), QString::fromUtf8(c.last));
        if (c.next) {
            EXPECT_TRUE(next.ok()) << c.name;
            EXPECT_EQ(next.number, QString::fromLatin1(c.next)) << c.name;
            EXPECT_EQ(next.number.size(), DocumentNumberWidth) << c.name;
        } else {
            EXPECT_FALSE(next.ok()) << c.name;
            EXPECT_TRUE(next.number.isEmpty()) << c.name;
            EXPECT_FALSE(next.refusal.isEmpty()) << c.name;
        }
    }
}

TEST(DocumentNumbers, WarningsOnTheFirstSequence) {
    const QString numeric = NumberText::NotNumeric;
    const QString six = NumberText::NotSixDigits;
    const std::pair<const char*, QStringList> cases[] = {
        {"000001", {}},        {"001007", {}},          {"12", {six}},        {"1234567", {six}},
        {"00000a", {numeric}}, {"abc", {numeric, six}}, {"", {numeric, six}},
    };
    for (const auto& [answer, warnings] : cases)
        EXPECT_EQ(FirstSequenceWarnings(QString::fromLatin1(answer)), warnings) << answer;
}

TEST(DocumentNumbers, TemporaryNumberStartsWithTempAndFits) {
    for (int i = 0; i < 50; ++i) {
        const QString n = TemporaryNumber();
        ASSERT_TRUE(IsTemporaryNumber(n)) << n.toStdString();
        ASSERT_LE(n.size(), 10);
        bool digits = false;
        const int value = n.mid(4).toInt(&digits);
        ASSERT_TRUE(digits) << n.toStdString();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 999998);
    }
    EXPECT_FALSE(IsTemporaryNumber(QStringLiteral("SALE1000001")));
}

TEST(LinePricing, QuantityBreakPriceTakesTheHighestLevelReached) {
    const PriceLevels levels{{1, 6, 12, 24, 48}};
    const LevelPrices prices{{m("100"), m("95"), m("90"), m("85"), m("80")}};
    const std::pair<double, const char*> cases[] = {{0.5, nullptr}, {1, "100"},  {5.99, "100"},
                                                    {6, "95"},      {12, "90"},  {30, "85"},
                                                    {48, "80"},     {1000, "80"}};
    for (const auto& [quantity, price] : cases) {
        const auto got = QuantityBreakPrice(prices, quantity, levels);
        if (price)
            EXPECT_EQ(got, m(price)) << quantity;
        else
            EXPECT_FALSE(got) << quantity;
    }
    // Levels need not rise: a higher level with a smaller quantity shadows the lower ones.
    const PriceLevels shadowed{{1, 6, 3, 24, 48}};
    EXPECT_EQ(QuantityBreakPrice(prices, 4, shadowed), m("90"));
    EXPECT_EQ(QuantityBreakPrice(prices, 10, shadowed), m("90"));
}

TEST(LinePricing, LineAmountRoundsOnceAtTheEnd) {
    struct Case {
        const char* name;
        double quantity;
        const char* unitPrice;
        double discount;
        const char* price;
        const char* discountAmount;
    };
    const Case cases[] = {
        {"3 x 33.3333 less 10 %", 3, "33.3333", 10, "89.9999", "10.0000"},
        {"no discount", 2, "19.75", 0, "39.50", "0"},
        {"fractional quantity", 2.5, "10", 0, "25", "0"},
        {"full discount", 4, "12.50", 100, "0", "50"},
        {"half a unit rounds to even (down)", 1, "0.0001", 50, "0", "0"},
        {"half a unit rounds to even (up)", 1, "0.0003", 50, "0.0002", "0.0002"},
        {"discount with decimals", 7, "14.99", 2.5, "102.3068", "2.6232"},
    };
    for (const Case& c : cases) {
        const LineAmountResult r = LineAmount(c.quantity, m(c.unitPrice), c.discount);
        EXPECT_EQ(r.price, m(c.price)) << c.name << ": " << r.price.format(4).toStdString();
        EXPECT_EQ(r.discount, m(c.discountAmount))
            << c.name << ": " << r.discount.format(4).toStdString();
    }
}

TEST(Totals, TillTotalsAddTaxOnTopForKind2) {
    struct Case {
        const char* name;
        QList<Money> lines;
        std::optional<Money> cashDiscount;
        int kind;
        const char *net, *tax, *due;
        double rate;
    };
    const Case cases[] = {
        {"100.00 under VAT", {m("60"), m("40")}, std::nullopt, 2, "100", "7", "107", 7},
        {"100.00 flat rate", {m("100")}, std::nullopt, 1, "100", "0", "100", 0},
        {"cash discount before tax", {m("100")}, m("10"), 2, "90", "6.30", "96.30", 7},
        {"tax rounded to the ten-thousandth",
         {m("0.0107")},
         std::nullopt,
         2,
         "0.0107",
         "0.0007",
         "0.0114",
         7},
        {"no lines", {}, std::nullopt, 2, "0", "0", "0", 7},
        {"discount above the gross", {m("50")}, m("80"), 2, "-30", "-2.10", "-32.10", 7},
    };
    for (const Case& c : cases) {
        const PosTotalsResult t = PosTotals(c.lines, c.cashDiscount, c.kind);
        EXPECT_EQ(t.net, m(c.net)) << c.name;
        EXPECT_EQ(t.tax, m(c.tax)) << c.name;
        EXPECT_EQ(t.amountDue, m(c.due)) << c.name;
        EXPECT_EQ(t.taxRate, c.rate) << c.name;
        EXPECT_EQ(t.discount, c.cashDiscount.value_or(Money())) << c.name;
    }
}

TEST(Totals, EntryTotalsComputeTaxForEveryKindAndAddItForKinds2And4) {
    // Lines totalling 1,000.00 of which 40.00 were line discounts; customer discount 5 %.
    const QList<LineAmountResult> lines = {{m("600"), m("40")}, {m("400"), m("0")}};
    const std::pair<int, const char*> dues[] = {{1, "950"},     {2, "1016.50"}, {3, "950"},
                                                {4, "1016.50"}, {5, "950"},     {6, "950"}};
    for (const auto& [kind, due] : dues) {
        const EntryTotalsResult t = EntryTotals(lines, 5, kind);
        EXPECT_EQ(t.gross, m("1000")) << kind;
        EXPECT_EQ(t.customerDiscount, m("50")) << kind;
        EXPECT_EQ(t.net, m("950")) << kind;
        EXPECT_EQ(t.tax, m("66.50")) << kind;
        EXPECT_EQ(t.lineDiscounts, m("40")) << kind;
        EXPECT_EQ(t.amountDue, m(due)) << kind;
    }
    // The customer discount is rounded to the ten-thousandth before the tax is taken.
    const EntryTotalsResult odd = EntryTotals({{m("33.3333"), m("0")}}, 12.5, 2);
    EXPECT_EQ(odd.customerDiscount, m("4.1667"));
    EXPECT_EQ(odd.net, m("29.1666"));
    EXPECT_EQ(odd.tax, m("2.0417"));
    EXPECT_EQ(odd.amountDue, m("31.2083"));
    EXPECT_EQ(TaxRateOf(2), 7);
    EXPECT_EQ(TaxRateOf(4), 0);
}

TEST(Settlement, BillingKeyAndFlagsAtSaving) {
    EXPECT_EQ(BillingKey(QStringLiteral("15/07/2547"), QStringLiteral("SALE2000015"),
                         QStringLiteral("00012")),
              QStringLiteral("04707200012"));

    struct Case {
        const char* name;
        const char* term;
        int fgOk;
        const char* due;
        const char* key;
    };
    const Case cases[] = {
        {"cash", "สด", 1, "15/01/2547", "04701100012"},
        {"30 days", "30 ว.", 0, "14/02/2547", "04702100012"},
        {"one month: end of February, leap year", "1 ด.", 0, "29/02/2547", "04702100012"},
        {"end of this month", "0 ด.", 0, "31/01/2547", "04701100012"},
    };
    for (const Case& c : cases) {
        const SavingFlags f = FlagsAtSaving(QStringLiteral("15/01/2547"), QString::fromUtf8(c.term),
                                            QStringLiteral("SALE1000015"), QStringLiteral("00012"));
        EXPECT_EQ(f.fgOk, c.fgOk) << c.name;
        EXPECT_EQ(f.fgBill, 0) << c.name;
        EXPECT_EQ(f.dueDate, QString::fromLatin1(c.due)) << c.name;
        EXPECT_EQ(f.pBill, QString::fromLatin1(c.key)) << c.name;
    }
}

} // namespace
