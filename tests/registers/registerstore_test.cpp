#include "registerfixture.h"

#include "shopcore/foundation/storeerror.h"
#include "shopcore/registers/registerstore.h"

#include <gtest/gtest.h>

namespace {

QStringList codes(const QList<QVariantMap>& rows) {
    QStringList out;
    for (const QVariantMap& r : rows)
        out << r.value(QStringLiteral("SALE_NO")).toString();
    return out;
}

QString codeOf(const std::optional<QVariantMap>& r) {
    return r ? r->value(QStringLiteral("SALE_NO")).toString() : QStringLiteral("(none)");
}

// Salespeople with two unnamed records and two of the same name, entered out of order.
struct StoreFixture : ::testing::Test {
    TestDatabase t;
    RegisterStore store{t.db(), QStringLiteral("Sale"), QStringLiteral("SALE_NO"),
                        QStringLiteral("SALE_NAME")};

    void SetUp() override {
        const QList<QPair<QString, QVariant>> people = {
            {QStringLiteral("S4"), QStringLiteral("Beta")},
            {QStringLiteral("S1"), QVariant(QMetaType::fromType<QString>())},
            {QStringLiteral("S3"), QStringLiteral("Alpha")},
            {QStringLiteral("S2"), QStringLiteral("Beta")},
            {QStringLiteral("S5"), QVariant(QMetaType::fromType<QString>())},
            {QStringLiteral("AB1"), QStringLiteral("Gamma")},
        };
        for (const auto& [code, name] : people)
            put(t, QStringLiteral("Sale"),
                {{QStringLiteral("SALE_NO"), code}, {QStringLiteral("SALE_NAME"), name}});
    }

    // Every record visited by next() from the first, and by prior() from the last.
    QStringList forward(RegisterOrder order) const {
        QStringList out;
        for (auto r = store.first(order); r; r = store.next(order, *r))
            out << codeOf(r);
        return out;
    }
    QStringList backward(RegisterOrder order) const {
        QStringList out;
        for (auto r = store.last(order); r; r = store.prior(order, *r))
            out.prepend(codeOf(r));
        return out;
    }
};

TEST_F(StoreFixture, EveryRecordHasOnePlaceInEachOrder) {
    const QStringList byCode = {"AB1", "S1", "S2", "S3", "S4", "S5"};
    // Unnamed records first by code, then by name, equal names by code.
    const QStringList byName = {"S1", "S5", "S3", "S2", "S4", "AB1"};
    EXPECT_EQ(forward(RegisterOrder::Code), byCode);
    EXPECT_EQ(backward(RegisterOrder::Code), byCode);
    EXPECT_EQ(forward(RegisterOrder::Name), byName);
    EXPECT_EQ(backward(RegisterOrder::Name), byName);

    const auto s5 = store.find(QStringLiteral("S5"));
    ASSERT_TRUE(s5);
    EXPECT_EQ(codes(store.following(RegisterOrder::Name, *s5, 3)), QStringList({"S3", "S2", "S4"}));
    EXPECT_EQ(codes(store.preceding(RegisterOrder::Name, *store.find("S2"), 10)),
              QStringList({"S3", "S5", "S1"}));
    EXPECT_FALSE(store.next(RegisterOrder::Code, *store.find("S5")));
}

TEST_F(StoreFixture, NearestIsTheFirstAtOrAfterTheTextElseTheLast) {
    const struct {
        const char* name;
        RegisterOrder order;
        QString text;
        QString expected;
    } cases[] = {
        {"exact code", RegisterOrder::Code, "S2", "S2"},
        {"between codes", RegisterOrder::Code, "S21", "S3"},
        {"past the last code", RegisterOrder::Code, "Z", "S5"},
        {"empty text: first code", RegisterOrder::Code, "", "AB1"},
        {"first of equal names", RegisterOrder::Name, "Be", "S2"},
        {"past the last name", RegisterOrder::Name, "Zeta", "AB1"},
        {"empty text: first in name order", RegisterOrder::Name, "", "S1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codeOf(store.nearest(c.order, c.text)), c.expected) << c.name;
}

TEST_F(StoreFixture, LocatesCodeIgnoringCaseAndNameByItsBeginning) {
    EXPECT_EQ(codeOf(store.findCodeIgnoringCase(QStringLiteral("ab1"))), "AB1");
    EXPECT_FALSE(store.findCodeIgnoringCase(QStringLiteral("ab")));
    EXPECT_EQ(codeOf(store.findNameStartingWith(QStringLiteral("Al"))), "S3");
    EXPECT_EQ(codeOf(store.findNameStartingWith(QStringLiteral("Bet"))), "S2");
    EXPECT_FALSE(store.findNameStartingWith(QStringLiteral("Ax")));
}

TEST_F(StoreFixture, WritesAreCheckedAndReportTheirFailures) {
    EXPECT_TRUE(store.update(QStringLiteral("S1"), {{QStringLiteral("SALE_NAME"), "Delta"}}));
    EXPECT_FALSE(store.update(QStringLiteral("S9"), {{QStringLiteral("SALE_NAME"), "Delta"}}));
    try {
        store.insert({{QStringLiteral("SALE_NO"), QStringLiteral("S1")}});
        FAIL() << "a duplicate code was written";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::DuplicateKey);
    }
    EXPECT_THROW(store.insert({{QStringLiteral("SALE_NO"), QStringLiteral("S123456")}}),
                 StoreError);
    store.remove(QStringLiteral("S1"));
    EXPECT_FALSE(store.exists(QStringLiteral("S1")));
}

} // namespace
