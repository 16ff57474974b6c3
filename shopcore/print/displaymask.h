#pragma once

#include "shopcore/foundation/money.h"

#include <QString>
#include <QVariant>

// Display masks of printed values.
// Number masks ("###,###,##0.00", "#######0.00", "0.00"): a ',' asks for thousands separators,
// the digits after '.' fix the decimals. Code masks ("#-######-######", "9999-9-999999"):
// '#', '9' and '0' take the next character of the value, anything else is printed as is.
namespace DisplayMask {

bool isNumberMask(const QString& mask);
QString formatMoney(const Money& value, const QString& mask);
QString formatNumber(double value, const QString& mask);
// A code fills the mask only when it has exactly as many characters as the mask has places;
// any other code is printed unchanged rather than cut or padded.
QString formatCode(const QString& code, const QString& mask);
// A field value of any kind: numbers through the number mask, texts through the code mask,
// everything unmasked as its text.
QString format(const QVariant& value, const QString& mask);

} // namespace DisplayMask
