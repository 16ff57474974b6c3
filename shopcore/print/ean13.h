#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// EAN-13 symbols: the check digit and the drawing of a symbol (bars and the digits below them,
// guard bars extended), in units of one module, to be scaled into any rectangle.
namespace Ean13 {

// The check digit of 12 digits, or -1 when the text is not 12 digits.
int checkDigit(const QString& twelveDigits);
// 13 digits whose last is the right check digit.
bool isValid(const QString& code);

struct Digits {
    QPointF position; // baseline point, aligned as `align` says
    QString text;
    double height = 0; // font height in modules
    Qt::Alignment align = Qt::AlignHCenter;
};

struct Symbol {
    QSizeF size; // modules, quiet zones and digits included
    QList<QRectF> bars;
    QList<Digits> digits;
    QString error; // empty when the symbol was made
    bool isValid() const { return error.isEmpty(); }
};

// The symbol of a valid 13-digit code.
Symbol symbol(const QString& code);

} // namespace Ean13
