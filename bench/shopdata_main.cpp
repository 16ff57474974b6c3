// tekvo-shopdata FOLDER [options]: a new SQLite store full of generated shop data, for trying
// the programs and reports on a store of realistic size.
#include "benchstore.h"
#include "shopdata.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Fills a new store with generated shop data"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("folder of the new tekvo30.sqlite"));
    const ShopSize defaults;
    auto option = [&](const char* name, const char* what, double value) {
        QCommandLineOption o(QString::fromLatin1(name), QString::fromLatin1(what),
                             QStringLiteral("n"), QString::number(value));
        parser.addOption(o);
        return o;
    };
    const auto products = option("products", "products", defaults.products);
    const auto customers = option("customers", "customers", defaults.customers);
    const auto suppliers = option("suppliers", "suppliers", defaults.suppliers);
    const auto sales = option("sales", "sale documents", defaults.saleDocuments);
    const auto purchases = option("purchases", "purchase documents", defaults.purchaseDocuments);
    const auto lines = option("lines", "lines per document", defaults.linesPerDocument);
    const auto repairs = option("repairs", "repair parts lines", defaults.repairLines);
    const auto open = option("open", "share of movement lines still open (0..1)", 0.3);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    AliasEntry alias;
    alias.name = Alias::DefaultName;
    alias.folder = QDir(parser.positionalArguments().first()).absolutePath();
    if (QFile::exists(alias.sqliteFile())) {
        std::fprintf(stderr, "%s exists already\n", qPrintable(alias.sqliteFile()));
        return 1;
    }
    ShopSize size;
    size.products = parser.value(products).toInt();
    size.customers = parser.value(customers).toInt();
    size.suppliers = parser.value(suppliers).toInt();
    size.saleDocuments = parser.value(sales).toInt();
    size.purchaseDocuments = parser.value(purchases).toInt();
    size.linesPerDocument = parser.value(lines).toInt();
    size.repairLines = parser.value(repairs).toInt();
    size.openShare = parser.value(open).toDouble();
    InstallSqliteStore(alias);
    Connection c(alias, QStringLiteral("shopdata"));
    const qint64 written = GenerateShopData(c.db(), size);
    std::printf("%s: %lld movement lines\n", qPrintable(alias.sqliteFile()), written);
    return 0;
}
