#include "displaymask.h"

#include <QStringView>

namespace {

bool isPlace(QChar c) {
    return c == QLatin1Char('#') || c == QLatin1Char('9') || c == QLatin1Char('0');
}

int decimalsOf(const QString& mask) {
    const int point = mask.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(mask.size() - point - 1);
}

} // namespace

namespace DisplayMask {

bool isNumberMask(const QString& mask) {
    if (mask.isEmpty())
        return false;
    for (QChar c : mask)
        if (c != QLatin1Char('#') && c != QLatin1Char('0') && c != QLatin1Char(',') &&
            c != QLatin1Char('.'))
            return false;
    return true;
}

QString formatMoney(const Money& value, const QString& mask) {
    if (!isNumberMask(mask))
        return value.plain(4);
    return value.format(decimalsOf(mask), mask.contains(QLatin1Char(',')));
}

QString formatNumber(double value, const QString& mask) {
    return formatMoney(Money::fromDouble(value), mask);
}

QString formatCode(const QString& code, const QString& mask) {
    const auto places = std::count_if(mask.begin(), mask.end(), isPlace);
    if (code.size() != places)
        return code;
    QString out;
    int next = 0;
    for (QChar c : mask)
        out += isPlace(c) ? code.at(next++) : c;
    return out;
}

QString format(const QVariant& value, const QString& mask) {
    if (value.isNull() || !value.isValid())
        return QString();
    if (mask.isEmpty())
        return value.toString();
    if (value.userType() == qMetaTypeId<Money>())
        return formatMoney(value.value<Money>(), mask);
    if (isNumberMask(mask)) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? formatNumber(number, mask) : value.toString();
    }
    return formatCode(value.toString(), mask);
}

} // namespace DisplayMask
