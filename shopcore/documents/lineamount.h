#pragma once

#include "shopcore/foundation/money.h"

#include <QVariantMap>
#include <array>
#include <optional>

// The minimum quantities SCALE1 .. SCALE5 of the price levels, read once per screen.
struct PriceLevels {
    std::array<double, 5> scale{};
};

// A product's selling prices by level: PRO_SPRICE, PRO_SP2 .. PRO_SP5.
struct LevelPrices {
    std::array<Money, 5> price{};

    // From a product record keyed by upper-case field names.
    static LevelPrices of(const QVariantMap& product);
};

// The unit price proposed for quantity q on a sale: the price of the highest level whose
// minimum quantity q reaches, tested from level 5 down; nullopt below SCALE1.
std::optional<Money> QuantityBreakPrice(const LevelPrices& prices, double quantity,
                                        const PriceLevels& levels);

// A line's amount after its discount, and the discount amount itself.
struct LineAmountResult {
    Money price;    // PRICE: q x p - q x p x d / 100, rounded once to the ten-thousandth
    Money discount; // q x p x d / 100, rounded to the ten-thousandth
};
// Quantity and discount percent are taken to four decimals, so the products are exact before
// the single rounding.
LineAmountResult LineAmount(double quantity, Money unitPrice, double discountPercent);
