#include "posnumbers.h"

#include <QLocale>

Money MoneyOfText(const QString& text) {
    if (const auto money = Money::parse(text))
        return *money;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    return ok ? Money::fromDouble(value) : Money();
}

double NumberOfText(const QString& text) {
    QLocale c = QLocale::c();
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    return ok ? value : MoneyOfText(text).toDouble();
}
