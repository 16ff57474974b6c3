#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QVariantMap>

// The product queries that are not the register pattern's: the price-level quantities shown
// beside the prices and the lists of the product search window.
namespace ProductStore {

// SCALE1 .. SCALE5 of the single record of scale (0 where empty).
QList<double> priceLevelQuantities(const QSqlDatabase& db);

enum class SearchMode { Name = 1, PartOfName, Code, PartOfCode, Group, All };
enum class SearchSort { ByName, ByCode };

// What the search window lists of a product.
struct Row {
    QString code;
    QString name;
    QString unit;
    QString group;
    QString lastBuy;
    QString lastSale;
    double storedBalance = 0; // PRO_TOTAL
    double cost = 0;          // PRO_BPRICE
    double price = 0;         // PRO_SPRICE
};

// The products of a search mode with the entry text, sorted.
QList<Row> search(const QSqlDatabase& db, SearchMode mode, const QString& text, SearchSort sort);

} // namespace ProductStore
