#include "ean13.h"

#include <memory>
#include <zint.h>

namespace Ean13 {

int checkDigit(const QString& twelve) {
    if (twelve.size() != 12)
        return -1;
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        const QChar c = twelve.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        sum += (c.unicode() - '0') * (i % 2 == 0 ? 1 : 3);
    }
    return (10 - sum % 10) % 10;
}

bool isValid(const QString& code) {
    if (code.size() != 13)
        return false;
    const int check = checkDigit(code.left(12));
    return check >= 0 && code.at(12) == QLatin1Char(char('0' + check));
}

Symbol symbol(const QString& code) {
    Symbol out;
    if (!isValid(code)) {
        out.error = QStringLiteral("not a valid EAN-13 code: ") + code;
        return out;
    }
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> zint(ZBarcode_Create(),
                                                                  &ZBarcode_Delete);
    zint->symbology = BARCODE_EANX;
    zint->show_hrt = 1; // the digits below the bars
    zint->scale = 0.5f; // vector units of one module
    // The library takes the 12 data digits and adds the check digit itself.
    const QByteArray data = code.left(12).toLatin1();
    int rc = ZBarcode_Encode(zint.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                             int(data.size()));
    if (rc < ZINT_ERROR)
        rc = ZBarcode_Buffer_Vector(zint.get(), 0);
    if (rc >= ZINT_ERROR || !zint->vector) {
        out.error = QString::fromLatin1(zint->errtxt);
        return out;
    }
    const double unit = 2.0 * zint->scale; // vector units per module
    const zint_vector* v = zint->vector;
    out.size = QSizeF(v->width / unit, v->height / unit);
    for (const zint_vector_rect* r = v->rectangles; r; r = r->next)
        out.bars.append(QRectF(r->x / unit, r->y / unit, r->width / unit, r->height / unit));
    for (const zint_vector_string* s = v->strings; s; s = s->next) {
        Digits d;
        d.position = QPointF(s->x / unit, s->y / unit);
        d.text = QString::fromLatin1(reinterpret_cast<const char*>(s->text), s->length);
        d.height = s->fsize / unit;
        d.align =
            s->halign == 1 ? Qt::AlignLeft : (s->halign == 2 ? Qt::AlignRight : Qt::AlignHCenter);
        out.digits.append(d);
    }
    return out;
}

} // namespace Ean13
