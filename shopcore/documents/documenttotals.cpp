#include "documenttotals.h"
#include "documentkind.h"

double TaxRateOf(int kind) {
    return kind == 2 ? VatPercent : 0;
}

PosTotalsResult PosTotals(const QList<Money>& linePrices, std::optional<Money> cashDiscount,
                          int kind) {
    PosTotalsResult t;
    for (Money price : linePrices)
        t.gross += price;
    t.discount = cashDiscount.value_or(Money());
    t.net = cashDiscount ? t.gross - *cashDiscount : t.gross;
    t.taxRate = TaxRateOf(kind);
    t.tax = t.net.percent(Money::fromDouble(t.taxRate));
    t.amountDue = t.net + t.tax;
    return t;
}

EntryTotalsResult EntryTotals(const QList<LineAmountResult>& lines, double customerDiscountPercent,
                              int kind) {
    EntryTotalsResult t;
    for (const LineAmountResult& line : lines) {
        t.gross += line.price;
        t.lineDiscounts += line.discount;
    }
    t.customerDiscount = t.gross.percent(Money::fromDouble(customerDiscountPercent));
    t.net = t.gross - t.customerDiscount;
    t.tax = t.net.percent(Money::fromInt(VatPercent));
    const auto k = DocumentKind::of(kind);
    t.amountDue = k && k->taxAdded ? t.net + t.tax : t.net;
    return t;
}
