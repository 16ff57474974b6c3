#include "registershop.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/registers/productsearch.h"
#include "shopcore/registers/registers.h"
#include "shopcore/registers/registerworkflow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Moving to the next product in the register (its stock on hand included) and one keystroke
// of a nearest-match search, over 100,000 products and 1,000,000 open movement lines.
// SQLite in a temporary folder; PostgreSQL when TEKVO_BENCH_PG names a server
// ("host=...;port=...;database=...;user=..."), in a schema of its own dropped at the end.
// TEKVO_BENCH_REGISTER_PRODUCTS and TEKVO_BENCH_REGISTER_LINES change the size.
namespace {

// The registers ask nothing while browsing and searching; any question is a fault here.
class NoQuestions : public Prompter {
public:
    void information(const QString& text) override { fail(text); }
    bool askYesNo(const QString& text) override { return fail(text), false; }
    Answer askYesNoCancel(const QString& text) override { return fail(text), Answer::Cancel; }
    std::optional<QString> input(const QString&, const QString& prompt, const QString&) override {
        return fail(prompt), std::nullopt;
    }

private:
    static void fail(const QString& text) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::abort();
    }
};

struct Shop {
    QTemporaryDir dir;
    AliasEntry alias;
    std::unique_ptr<Connection> connection;
    RegisterShopSize size;
    NoQuestions prompter;

    Shop() {
        size.products = qEnvironmentVariableIntValue("TEKVO_BENCH_REGISTER_PRODUCTS");
        size.openLines = qEnvironmentVariableIntValue("TEKVO_BENCH_REGISTER_LINES");
        if (size.products <= 0)
            size.products = 100000;
        if (size.openLines <= 0)
            size.openLines = 1000000;
        alias.name = Alias::DefaultName;
        const QString pg = qEnvironmentVariable("TEKVO_BENCH_PG");
        if (pg.isEmpty()) {
            alias.driver = AliasEntry::Driver::Sqlite;
            alias.folder = dir.path();
        } else {
            alias.driver = AliasEntry::Driver::Postgres;
            for (const QString& part : pg.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                const QString key = part.section(QLatin1Char('='), 0, 0).trimmed();
                const QString value = part.section(QLatin1Char('='), 1).trimmed();
                if (key == QLatin1String("host"))
                    alias.host = value;
                else if (key == QLatin1String("port"))
                    alias.port = value.toInt();
                else if (key == QLatin1String("database"))
                    alias.database = value;
                else if (key == QLatin1String("user"))
                    alias.user = value;
            }
            Connection admin(alias, QStringLiteral("bench-admin"));
            alias.schema =
                QStringLiteral("bench_registers_%1").arg(QCoreApplication::applicationPid());
            runSql(admin.db(), QStringLiteral("CREATE SCHEMA %1").arg(alias.schema), "bench");
        }
        {
            Connection install = Connection::forInstall(alias);
            Installer::install(install.db());
        }
        {
            // Generated through a connection of its own with a large page cache; the
            // benchmarks then read through a plain one, as a register window does.
            Connection generator(alias, QStringLiteral("bench-generator"));
            if (pg.isEmpty())
                runSql(generator.db(), QStringLiteral("PRAGMA cache_size = -262144"), "bench");
            QElapsedTimer timer;
            timer.start();
            generateRegisterShop(generator.db(), size);
            std::fprintf(stderr, "%s: %d products, %d open lines generated in %.1f s\n",
                         pg.isEmpty() ? "sqlite" : "postgres", size.products, size.openLines,
                         timer.elapsed() / 1000.0);
        }
        connection = std::make_unique<Connection>(alias, QStringLiteral("bench"));
    }
    ~Shop() {
        connection.reset();
        if (alias.driver == AliasEntry::Driver::Postgres) {
            AliasEntry server = alias;
            server.schema.clear();
            Connection admin(server, QStringLiteral("bench-admin"));
            runSql(admin.db(), QStringLiteral("DROP SCHEMA %1 CASCADE").arg(alias.schema), "bench");
        }
    }
};

Shop* shop = nullptr;

void RegisterNextProduct(benchmark::State& state) {
    RegisterWorkflow w(productRegister(), shop->connection->db(), shop->prompter);
    w.open();
    w.first();
    for (auto _ : state) {
        const QString before = w.record()->value(QStringLiteral("PRO_NO")).toString();
        w.next();
        benchmark::DoNotOptimize(w.balanceText());
        if (w.record()->value(QStringLiteral("PRO_NO")).toString() == before)
            w.first(); // at the end: start again (rare, inside the timing all the same)
    }
}
BENCHMARK(RegisterNextProduct)->Unit(benchmark::kMillisecond);

// One keystroke in the product register's search panel by name: the nearest product, the
// grid's rows around it and the balance of the product shown.
void NearestMatchKeystroke(benchmark::State& state) {
    RegisterWorkflow w(productRegister(), shop->connection->db(), shop->prompter);
    w.open();
    w.openSearch();
    w.setSearchMode(RegisterOrder::Name);
    // A name typed letter by letter, then the next one.
    QStringList keystrokes;
    for (int n = 7; keystrokes.size() < 200; n += 7919) {
        const QString name = productName(n % shop->size.products);
        for (int i = 1; i <= name.size() && i <= 12; ++i)
            keystrokes << name.left(i);
    }
    qsizetype k = 0;
    for (auto _ : state) {
        w.searchTextEdited(keystrokes[k++ % keystrokes.size()]);
        benchmark::DoNotOptimize(w.searchRows()->rowCount());
    }
}
BENCHMARK(NearestMatchKeystroke)->Unit(benchmark::kMillisecond);

// The product search window: its three grouped sums read when it opens ...
void ProductSearchOpens(benchmark::State& state) {
    for (auto _ : state) {
        ProductSearch s(shop->connection->db(), shop->prompter);
        benchmark::DoNotOptimize(&s);
    }
}
BENCHMARK(ProductSearchOpens)->Unit(benchmark::kMillisecond);

// ... and every product listed with its stock on hand (mode "6. ทั้งหมด").
void ProductSearchListsAll(benchmark::State& state) {
    ProductSearch s(shop->connection->db(), shop->prompter);
    for (auto _ : state) {
        s.setMode(ProductSearch::Mode::All);
        benchmark::DoNotOptimize(s.model()->onHand(s.model()->rowCount() - 1));
    }
}
BENCHMARK(ProductSearchListsAll)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Shop data;
    shop = &data;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shop = nullptr;
    return 0;
}
