// Speed of the document rules and stores on SQLite, over generated shop data. Sizes come
// from TEKVO_BENCH_OPEN_LINES, TEKVO_BENCH_DOCUMENTS and TEKVO_BENCH_PRODUCTS.
#include "benchstore.h"
#include "shopdata.h"

#include "shopcore/documents/documentnumbering.h"
#include "shopcore/documents/documentstore.h"
#include "shopcore/documents/documenttotals.h"
#include "shopcore/documents/stockonhand.h"
#include "shopcore/documents/stockprocessing.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/transaction.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

// The benchmarks answer no questions; a message is a failure of the run.
class SilentPrompter : public Prompter {
public:
    void information(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override { return information(text), false; }
    Answer askYesNoCancel(const QString& text) override {
        information(text);
        return Answer::Cancel;
    }
    std::optional<QString> input(const QString&, const QString& prompt, const QString&) override {
        information(prompt);
        return std::nullopt;
    }
    QStringList messages;
};

const SeriesPrefixes Prefixes{{QStringLiteral("SALE"), QStringLiteral("VATS"),
                               QStringLiteral("BUYN"), QStringLiteral("BUYV")}};

int products() {
    return int(BenchSize("PRODUCTS", 20000));
}

// Open lines spread as a shop makes them: half sales, four tenths purchases, a tenth repairs.
ShopSize openLinesSize(qint64 openLines) {
    ShopSize s;
    s.products = products();
    s.linesPerDocument = 5;
    s.saleDocuments = int(openLines / 2 / s.linesPerDocument);
    s.purchaseDocuments = int(openLines * 4 / 10 / s.linesPerDocument);
    s.repairLines = int(openLines / 10);
    s.openShare = 1.0;
    return s;
}

BenchStore& openLinesStore() {
    static BenchStore* store = [] {
        auto* s = new BenchStore;
        GenerateShopData(s->db(), openLinesSize(BenchSize("OPEN_LINES", 1000000)));
        return s;
    }();
    return *store;
}

// A series of TEKVO_BENCH_DOCUMENTS documents (sales alternate between kinds 1 and 2).
BenchStore& documentsStore() {
    static BenchStore* store = [] {
        auto* s = new BenchStore;
        ShopSize size;
        size.products = products();
        size.saleDocuments = int(BenchSize("DOCUMENTS", 200000) * 2);
        size.purchaseDocuments = 1000;
        size.linesPerDocument = 1;
        size.repairLines = 0;
        size.openShare = 0.2;
        GenerateShopData(s->db(), size);
        return s;
    }();
    return *store;
}

void BM_StockOnHandOfOneProduct(benchmark::State& state) {
    BenchStore& store = openLinesStore();
    QRandomGenerator random(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            StockOnHand(store.db(), GeneratedProductCode(random.bounded(products()))));
    state.counters["open_lines"] = double(BenchSize("OPEN_LINES", 1000000));
}
BENCHMARK(BM_StockOnHandOfOneProduct)->Unit(benchmark::kMicrosecond);

void BM_NextDocumentNumber(benchmark::State& state) {
    BenchStore& store = documentsStore();
    SilentPrompter prompter;
    for (auto _ : state)
        benchmark::DoNotOptimize(NextDocumentNumber(store.db(), 1, Prefixes, prompter));
    if (!prompter.messages.isEmpty())
        state.SkipWithError(prompter.messages.first().toStdString().c_str());
    state.counters["documents_in_series"] = double(BenchSize("DOCUMENTS", 200000));
}
BENCHMARK(BM_NextDocumentNumber)->Unit(benchmark::kMicrosecond);

void BM_NextDocumentNumberFromQueue(benchmark::State& state) {
    BenchStore& store = documentsStore();
    runSql(store.db(),
           QStringLiteral("UPDATE que SET que_inv_v = (SELECT max(inv_no) FROM invoice WHERE "
                          "substr(inv_no, 1, 5) = 'VATS2')"),
           "bench");
    SilentPrompter prompter;
    // The rule's own cost: as inside a save, but rolled back instead of committed.
    for (auto _ : state) {
        Transaction tx(store.db(), Transaction::Lock::WriteLockNow);
        benchmark::DoNotOptimize(NextDocumentNumberFromQueue(store.db(), 2, Prefixes, prompter));
    }
    if (!prompter.messages.isEmpty())
        state.SkipWithError(prompter.messages.first().toStdString().c_str());
}
BENCHMARK(BM_NextDocumentNumberFromQueue)->Unit(benchmark::kMicrosecond);

Document twentyLines() {
    Document d;
    d.header.invNo = TemporaryNumber();
    d.header.invDate = QStringLiteral("15/06/2547");
    d.header.custNo = QStringLiteral("00012");
    d.header.custName = QStringLiteral("คุณสมชาย ใจดี");
    d.header.custCre = QStringLiteral("30 ว.");
    QList<LineAmountResult> amounts;
    for (int i = 0; i < 20; ++i) {
        DocumentLine l;
        l.invNo = d.header.invNo;
        l.proNo = GeneratedProductCode(i * 97);
        l.proName = QStringLiteral("น้ำดื่ม ตราช้าง ขนาดกลาง");
        l.proQty = 1 + i % 4;
        l.unitPrice = Money::fromUnits(125000 + i);
        const LineAmountResult a = LineAmount(l.proQty, *l.unitPrice, 5);
        l.price = a.price;
        l.discount = 5;
        l.stkPost = 1;
        amounts << a;
        d.lines << l;
    }
    const EntryTotalsResult t = EntryTotals(amounts, 0, 1);
    d.header.total = t.net;
    d.header.tax = t.tax;
    d.header.sumTotal = t.amountDue;
    d.header.discount = t.lineDiscounts;
    return d;
}

void BM_SaveDocumentOf20Lines(benchmark::State& state) {
    BenchStore& store = documentsStore();
    SilentPrompter prompter;
    DocumentStore documents(store.db(), 1);
    const NumberProvider number = [&](const QSqlDatabase& db) {
        return NextDocumentNumber(db, 1, Prefixes, prompter);
    };
    for (auto _ : state) {
        Document d = twentyLines();
        if (!documents.saveNew(d, number)) {
            state.SkipWithError("no number");
            break;
        }
    }
}
BENCHMARK(BM_SaveDocumentOf20Lines)->Unit(benchmark::kMillisecond);

qint64 peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

void resetPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Every product's stock on hand, from its balance and the grouped open movements.
QHash<QString, double> everyStockOnHand(const QSqlDatabase& db) {
    const OpenMovements open = OpenMovements::read(db);
    QHash<QString, double> out;
    QSqlQuery q = runSql(db, QStringLiteral("SELECT pro_no, pro_total FROM product"), "bench");
    while (q.next())
        out.insert(q.value(0).toString(),
                   open.onHand(q.value(0).toString(), q.value(1).toDouble()));
    return out;
}

void BM_StockProcessingOfOpenLines(benchmark::State& state) {
    const qint64 openLines = BenchSize("OPEN_LINES", 1000000);
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<BenchStore>();
        // All of them sale and purchase lines, which the retail form folds; repair lines besides.
        ShopSize size = openLinesSize(openLines);
        size.saleDocuments = int(openLines / 2 / size.linesPerDocument);
        size.purchaseDocuments = size.saleDocuments;
        GenerateShopData(store->db(), size);
        const QHash<QString, double> before = everyStockOnHand(store->db());
        SilentPrompter prompter;
        resetPeakResident();
        state.ResumeTiming();

        {
            StockProcessing flow(store->alias(), StockProcessingForm::retail(), prompter);
            flow.open();
            flow.runStep1();
            flow.runStep2();
            state.counters["folded_lines"] =
                double(flow.incoming().size() + flow.outgoing().size());
        }

        state.PauseTiming();
        state.counters["peak_rss_MiB"] = double(peakResidentKiB()) / 1024;
        if (!prompter.messages.isEmpty())
            state.SkipWithError(prompter.messages.first().toStdString().c_str());
        const QHash<QString, double> after = everyStockOnHand(store->db());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (std::abs(after.value(it.key()) - it.value()) > 1e-6) {
                state.SkipWithError("stock on hand changed by the processing");
                break;
            }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StockProcessingOfOpenLines)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
