#pragma once

#include "shopcore/print/printdocument.h"

#include <QSqlDatabase>
#include <optional>

// A product as the printed product list shows it (stored balance, not the stock on hand).
struct ProductListRow {
    QString code;
    QString name;
    Money cost;
    Money price;
    double storedBalance = 0;
};

enum class ProductListOrder { ByCode, ByName };

// Reads what the prints need from the tables: the document of a number with its lines, its
// party and the shop record; the shop record alone; a customer; the product list. Errors of
// the engine raise StoreError; nothing here shows a message.
class PrintDocumentStore {
public:
    explicit PrintDocumentStore(const QSqlDatabase& db) : m_db(db) {}

    // The document of that number: kinds 1 and 2 from Invoice with their customer, 3 and 4
    // from Order0 and 5 from Tmpord with their supplier, 6 from Quotation with its customer.
    // The kind 0 takes the fifth character of the number. Nothing when no header has it.
    std::optional<PrintDocument> load(const QString& number, int kind = 0) const;

    // The single shop record (an empty record when the table has none).
    ShopRecord shop() const;
    std::optional<PartyRecord> customer(const QString& code) const;
    QList<ProductListRow> productList(ProductListOrder order) const;

private:
    QSqlDatabase m_db;
};
