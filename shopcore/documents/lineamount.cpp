#include "lineamount.h"

LevelPrices LevelPrices::of(const QVariantMap& product) {
    LevelPrices p;
    const char* fields[] = {"PRO_SPRICE", "PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"};
    for (int i = 0; i < 5; ++i)
        p.price[i] = Money::fromDouble(product.value(QString::fromLatin1(fields[i])).toDouble());
    return p;
}

std::optional<Money> QuantityBreakPrice(const LevelPrices& prices, double quantity,
                                        const PriceLevels& levels) {
    for (int level = 4; level >= 0; --level)
        if (quantity >= levels.scale[level])
            return prices.price[level];
    return std::nullopt;
}

LineAmountResult LineAmount(double quantity, Money unitPrice, double discountPercent) {
    const __int128 q = Money::fromDouble(quantity).units();
    const __int128 d = Money::fromDouble(discountPercent).units();
    const __int128 gross = q * unitPrice.units(); // ten-thousandths squared
    // units of the result = q * p * (100 - d) / 100, with q, p and d each scaled by 10^4
    const __int128 denominator = __int128(Money::Scale) * Money::Scale * 100;
    const __int128 hundred = __int128(100) * Money::Scale;
    return {Money::fromUnits(divideHalfEven(gross * (hundred - d), denominator)),
            Money::fromUnits(divideHalfEven(gross * d, denominator))};
}
