// Two stations ringing up sales of one series at the same moment.
#include "posfixture.h"

#include "shopcore/foundation/sql.h"

#include <QSet>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

struct Station {
    QStringList numbers;
    QStringList told;
    int lines = 0;
};

// One station: its own till, connection and prompter, on its own thread; each sale is a
// cash sale of two lines, saved, paid and finished without printing.
void ringUp(const TestDatabase& t, int kind, int sales, std::atomic<int>& ready, Station& out) {
    PosTill till(t, kind);
    ++ready;
    while (ready.load() < 2)
        std::this_thread::yield();
    for (int i = 0; i < sales; ++i) {
        till.customer(QStringLiteral("00001"));
        till.scan(QStringLiteral("8850001"));
        till.scan(QStringLiteral("8850004"));
        out.lines += till->lines()->rowCount();
        if (const auto number = till.saveYes())
            out.numbers << *number;
        till.received(QStringLiteral("1000"));
        till->finish();
    }
    for (const QString& text : till.prompter().texts())
        if (text != PosText::SaveQuestion)
            out.told << text;
}

TEST(PosConcurrency, TwoStationsSavingAtOnceEachGetTheirOwnNumber) {
    for (int kind : {1, 2}) {
        TestDatabase t;
        PosShop::seed(t.db());
        PosShop::setting(t.db(), "VIEW1", QStringLiteral("2"));
        constexpr int SalesEach = 12;
        std::atomic<int> ready{0};
        Station a, b;
        std::thread first(ringUp, std::cref(t), kind, SalesEach, std::ref(ready), std::ref(a));
        std::thread second(ringUp, std::cref(t), kind, SalesEach, std::ref(ready), std::ref(b));
        first.join();
        second.join();

        EXPECT_TRUE(a.told.isEmpty()) << a.told.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(b.told.isEmpty()) << b.told.join(QLatin1Char('|')).toStdString();
        ASSERT_EQ(a.numbers.size(), SalesEach) << "kind " << kind;
        ASSERT_EQ(b.numbers.size(), SalesEach) << "kind " << kind;
        const QSet<QString> distinct(a.numbers.cbegin(), a.numbers.cend());
        QSet<QString> all = distinct;
        all.unite(QSet<QString>(b.numbers.cbegin(), b.numbers.cend()));
        EXPECT_EQ(all.size(), 2 * SalesEach) << "no number was given twice";

        // Every sale rung up is stored with its lines, and the queue stands at the last one.
        const QString head = kind == 1 ? QStringLiteral("SALE1") : QStringLiteral("VATS2");
        QStringList expected;
        for (int n = 1; n <= 2 * SalesEach; ++n)
            expected << head + QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
        EXPECT_EQ(PosShop::savedNumbers(t.db()), expected);
        EXPECT_EQ(PosShop::queued(t.db(), kind == 1 ? "QUE_INV_N" : "QUE_INV_V"), expected.last());
        const qint64 stored =
            scalar(t.db(),
                   QStringLiteral("SELECT count(*) FROM invoice1 WHERE substr(inv_no, 1, 5) = :H"),
                   {{QStringLiteral("H"), head}}, "test")
                .toLongLong();
        EXPECT_EQ(stored, a.lines + b.lines);
        EXPECT_EQ(stored, 4 * SalesEach);
    }
}

} // namespace
