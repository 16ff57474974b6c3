#pragma once

#include "shopcore/print/printdocumentstore.h"
#include "shopcore/print/reportdefinition.h"

// A product found by the product search, as its list prints it.
struct ProductSearchRow {
    QString code;
    QString name;
    double onHand = 0; // stock on hand
    Money cost;
    Money price; // selling price (the rental items print their rental price)
};

// The found list of the product search: running number, code ("#-######-######"), name,
// stock on hand, cost, value = cost x stock, price; the total of the values after "รวม".
// The retail search prints "ทะเบียนสินค้า" with the selling price.
Report productSearchReport(const QList<ProductSearchRow>& rows,
                           const QString& title = QStringLiteral("ทะเบียนสินค้า"),
                           const QString& priceCaption = QStringLiteral("ราคาขาย"));

// The printed product list "รายงานสินค้า": running number, code, name, cost, price, stored
// balance and cost value, with the total "รวมราคาทุน"; amounts with the mask "0.00".
Report productListReport(const QList<ProductListRow>& rows);
