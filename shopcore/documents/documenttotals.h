#pragma once

#include "lineamount.h"

#include <QList>
#include <optional>

// TAX_RATE stored on a document: 7 on kind 2 (a sale with value-added tax), 0 on every other
// kind, also on kind 4 whose amount due has the tax added all the same.
double TaxRateOf(int kind);

// Totals of the till: prices before tax, a cash discount in baht, tax on top for kind 2.
struct PosTotalsResult {
    Money gross;        // sum of the lines' PRICE
    Money discount;     // the cash discount (DISCOUNT), zero when none was entered
    Money net;          // TOTAL
    Money tax;          // TAX
    Money amountDue;    // SUM_TOTAL
    double taxRate = 0; // TAX_RATE
};
// cashDiscount: nullopt when the cash-discount entry is empty.
PosTotalsResult PosTotals(const QList<Money>& linePrices, std::optional<Money> cashDiscount,
                          int kind);

// Totals of the document-entry screen: a customer discount in percent, the 7 % tax computed
// for every kind and added only for kinds 2 and 4.
struct EntryTotalsResult {
    Money gross;            // sum of the lines' PRICE
    Money lineDiscounts;    // DISCOUNT: the sum of the lines' discount amounts
    Money customerDiscount; // shown as "ส่วนลดรวม"
    Money net;              // TOTAL
    Money tax;              // TAX, also where it is not added
    Money amountDue;        // SUM_TOTAL
};
EntryTotalsResult EntryTotals(const QList<LineAmountResult>& lines, double customerDiscountPercent,
                              int kind);
