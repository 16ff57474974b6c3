// Speed of the till through its workflow on SQLite, over a generated shop of
// TEKVO_BENCH_PRODUCTS products (100,000) and TEKVO_BENCH_OPEN_LINES open lines (1,000,000):
// from the scanner's Enter to the line added and the totals computed, and the save of a sale
// of 50 lines.
#include "benchstore.h"
#include "shopdata.h"

#include "shopcore/documents/pos/possale.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <deque>

namespace {

// Answers the save question as told; any message is a failure of the run.
class BenchPrompter : public Prompter {
public:
    void information(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override { return next(text) == Answer::Yes; }
    Answer askYesNoCancel(const QString& text) override { return next(text); }
    std::optional<QString> input(const QString&, const QString& prompt, const QString&) override {
        messages << prompt;
        return std::nullopt;
    }
    std::deque<Answer> answers;
    QStringList messages;

private:
    Answer next(const QString& text) {
        if (answers.empty()) {
            messages << text;
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

int products() {
    return int(BenchSize("PRODUCTS", 100000));
}

// The generated shop, with stock enough for every scan, a credit customer (a saved sale
// finishes at once) and no printing.
BenchStore& shop() {
    static BenchStore* store = [] {
        auto* s = new BenchStore;
        const qint64 openLines = BenchSize("OPEN_LINES", 1000000);
        ShopSize size;
        size.products = products();
        size.customers = 2000;
        size.linesPerDocument = 5;
        size.saleDocuments = int(openLines / 2 / size.linesPerDocument);
        size.purchaseDocuments = int(openLines * 4 / 10 / size.linesPerDocument);
        size.repairLines = int(openLines / 10);
        size.openShare = 1.0;
        GenerateShopData(s->db(), size);
        const QSqlDatabase db = s->db();
        runSql(db, QStringLiteral("UPDATE product SET pro_total = 100000000"), "bench");
        Records::updateSingle(db, QStringLiteral("Kelmsys"),
                              {{QStringLiteral("PREFIX1"), QStringLiteral("BPOS")},
                               {QStringLiteral("VIEW1"), QStringLiteral("2")},
                               {QStringLiteral("COM_PORT"), QStringLiteral("0")}},
                              "bench");
        Records::insert(db, QStringLiteral("Invoice"),
                        {{QStringLiteral("INV_NO"), QStringLiteral("BPOS1000000")}}, "bench");
        Records::updateSingle(db, QStringLiteral("Que"),
                              {{QStringLiteral("QUE_INV_N"), QStringLiteral("BPOS1000000")}},
                              "bench");
        Records::insert(db, QStringLiteral("Customer"),
                        {{QStringLiteral("CUST_NO"), QStringLiteral("ZZ001")},
                         {QStringLiteral("CUST_NAME"), QStringLiteral("ลูกค้าเครดิต")},
                         {QStringLiteral("CUST_CRE"), QStringLiteral("30 ว.")}},
                        "bench");
        return s;
    }();
    return *store;
}

struct Till {
    ProgramState program;
    BenchPrompter prompter;
    PosSale sale;
    QRandomGenerator random{11};

    Till() : sale(shop().alias(), 1, program, prompter) {
        program.loginName = QStringLiteral("bench");
        sale.activate();
    }
    void startSale() {
        sale.setCustomerCodeText(QStringLiteral("ZZ001"));
        sale.enterCustomerCode();
    }
    void scan() {
        sale.setCodeText(GeneratedProductCode(random.bounded(products())));
        sale.enterProductCode();
    }
    bool failed(benchmark::State& state) {
        if (prompter.messages.isEmpty())
            return false;
        state.SkipWithError(prompter.messages.first().toStdString().c_str());
        return true;
    }
};

// The scanner's Enter: the product found, its stock on hand summed, the line priced and added,
// the totals computed again.
void BM_ScanToLineAndTotals(benchmark::State& state) {
    Till till;
    till.startSale();
    for (auto _ : state) {
        till.scan();
        // A sale of 50 lines is given up and a new one begun, outside the timing.
        if (till.sale.lines()->rowCount() == 50) {
            state.PauseTiming();
            till.prompter.answers.push_back(Prompter::Answer::No);
            till.sale.save();
            till.startSale();
            state.ResumeTiming();
        }
    }
    if (!till.failed(state) && till.sale.step() != PosSale::Step::SaleOpen)
        state.SkipWithError("the sale was not open");
    state.counters["products"] = products();
    state.counters["open_lines"] = double(BenchSize("OPEN_LINES", 1000000));
}
BENCHMARK(BM_ScanToLineAndTotals)->Unit(benchmark::kMillisecond);

// "+" and Yes on a sale of 50 lines: the number from the locked queue, header and lines
// written in one transaction.
void BM_SaveSaleOfFiftyLines(benchmark::State& state) {
    Till till;
    for (auto _ : state) {
        state.PauseTiming();
        till.startSale();
        for (int i = 0; i < 50; ++i)
            till.scan();
        const QString before = till.sale.currentNumber();
        till.prompter.answers.push_back(Prompter::Answer::Yes);
        state.ResumeTiming();
        till.sale.save();
        state.PauseTiming();
        if (till.failed(state))
            break;
        if (till.sale.currentNumber() == before) {
            state.SkipWithError("the sale was not saved");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveSaleOfFiftyLines)->Unit(benchmark::kMillisecond);

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
