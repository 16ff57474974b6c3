#pragma once

#include <QSqlDatabase>
#include <QString>

// Realistic shop data at chosen sizes, for the benchmarks and for trying the programs on a
// full store: products with Thai names and EAN-13 codes, customers and suppliers, sales and
// purchases with their lines, and repair withdrawals; movement lines open (not yet folded into
// the product balances) or folded, in the share asked for.
struct ShopSize {
    int products = 20000;
    int customers = 5000;
    int suppliers = 300;
    int saleDocuments = 100000;    // kind 1 and 2 headers in Invoice
    int purchaseDocuments = 20000; // kind 3 and 4 headers in Order0
    int linesPerDocument = 5;
    int repairLines = 50000; // parts lines in Service1
    double openShare = 1.0;  // share of movement lines still open (0 .. 1)
};

// Fills an installed, empty store; one transaction per table. Returns the number of movement
// lines written (open and folded).
qint64 GenerateShopData(const QSqlDatabase& db, const ShopSize& size, quint32 seed = 2547);

// Sizes read from the environment, so that `make bench` can be pointed at bigger or smaller
// stores: TEKVO_BENCH_<NAME> (e.g. TEKVO_BENCH_OPEN_LINES=1000000).
qint64 BenchSize(const char* name, qint64 fallback);

// The code of the n-th generated product.
QString GeneratedProductCode(int n);
