#pragma once

#include "shopcore/documents/documentnumber.h"
#include "shopcore/documents/lineamount.h"
#include "shopcore/registers/registerstore.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// The shop settings the till reads once on its first activation.
struct PosSettings {
    QString shopName; // OF_NAME
    SeriesPrefixes prefixes;
    int slipLayout = 0; // LINE5 as a number: 0 half page, 1 full page, 2 and 3 the slips
    int printMode = 0;  // VIEW1 as a number: 0 preview, 1 printer, 2 no printing
    QString comPort;    // COM_PORT: "0" no drawer, "2" COM2, anything else COM1
};

struct Salesperson {
    QString code; // SALE_NO
    QString name; // SALE_NAME
};

// A customer as the till shows and stores it.
struct PosCustomer {
    QString code;       // CUST_NO
    QString name;       // CUST_NAME
    QString address1;   // CUST_ADD1
    QString address2;   // CUST_ADD2
    QString province;   // CUST_ADD4
    QString tel;        // CUST_TEL
    QString fax;        // CUST_FAX
    QString creditTerm; // CUST_CRE

    static PosCustomer fromRow(const QVariantMap& row);
};

// A product as the till prices and lists it.
struct PosProduct {
    QString code;             // PRO_NO
    QString name;             // PRO_NAME
    QString unit;             // PRO_UNIT
    QString vatFlag;          // F_VAT
    LevelPrices prices;       // PRO_SPRICE, PRO_SP2 .. PRO_SP5
    Money cost;               // PRO_BPRICE
    double storedBalance = 0; // PRO_TOTAL
    QVariantMap row;          // the record as read, the place of the search panel's grid

    static PosProduct fromRow(const QVariantMap& row);
};

// What the till reads: settings, salespeople, customers, products and their stock on hand.
// Errors of the engine raise StoreError; nothing here shows a message.
class PosStore {
public:
    explicit PosStore(const QSqlDatabase& db);

    PosSettings settings() const;
    PriceLevels priceLevels() const;
    // Every salesperson, in the order of the register's key.
    QList<Salesperson> salespeople() const;

    // The first customer, in code order, whose code begins with the text.
    std::optional<PosCustomer> customerStartingWith(const QString& text) const;
    QList<PosCustomer> customers() const;

    // The product of exactly that code.
    std::optional<PosProduct> product(const QString& code) const;
    // Stored balance + open purchase lines - open sale lines; the till leaves repairs out.
    double onHand(const QString& code) const;

    // The search panel: the first product of an order, the first at or after a name, and the
    // neighbours of a product in an order.
    std::optional<PosProduct> first(RegisterOrder order) const;
    std::optional<PosProduct> nearestName(const QString& text) const;
    QList<PosProduct> following(RegisterOrder order, const PosProduct& from, int count) const;
    QList<PosProduct> preceding(RegisterOrder order, const PosProduct& from, int count) const;

private:
    QSqlDatabase m_db;
    RegisterStore m_products;
    RegisterStore m_customers;
};
