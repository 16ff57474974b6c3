#pragma once

#include "shopcore/print/laidoutreport.h"
#include "shopcore/print/printdocument.h"

#include <ostream>

// Failed comparisons of texts show the text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A document to print: a shop, a customer and lines, changed per test.
inline PrintDocument fixtureDocument(int kind = 1) {
    PrintDocument d;
    d.shop.name = QStringLiteral("ร้านทดสอบ");
    d.shop.address1 = QStringLiteral("1 ถนนหนึ่ง");
    d.shop.address2 = QStringLiteral("แขวงสอง");
    d.shop.province = QStringLiteral("กรุงเทพฯ");
    d.shop.zip = QStringLiteral("10110");
    d.shop.tel = QStringLiteral("02-111-1111");
    d.header.number = QStringLiteral("SALE") + QString::number(kind) + QStringLiteral("000001");
    d.header.kind = QString::number(kind);
    d.header.date = QStringLiteral("15/01/2547");
    d.header.partyCode = QStringLiteral("00012");
    d.header.partyName = QStringLiteral("ลูกค้าทดสอบ");
    d.header.creditTerm = QStringLiteral("สด");
    d.header.dueDate = QStringLiteral("15/01/2547");
    d.header.taxRate = kind == 2 ? 7 : 0;
    d.party.code = QStringLiteral("00012");
    d.party.name = QStringLiteral("ลูกค้าทดสอบ");
    d.party.address1 = QStringLiteral("9 หมู่ 1");
    d.party.address2 = QStringLiteral("ตำบลสาม");
    d.party.province = QStringLiteral("นนทบุรี");
    d.party.zip = QStringLiteral("11120");
    d.party.tel = QStringLiteral("02-222-2222");
    PrintLine line;
    line.productCode = QStringLiteral("P001");
    line.productName = QStringLiteral("สินค้าหนึ่ง");
    line.quantity = 1;
    line.unit = QStringLiteral("ชิ้น");
    line.unitPrice = Money::fromInt(1000);
    line.price = Money::fromInt(1000);
    d.lines << line;
    return d;
}

inline PrintLine fixtureLine(const QString& code, double quantity, int unitPrice,
                                const QString& detail = {}, const QString& detail2 = {}) {
    PrintLine l;
    l.productCode = code;
    l.productName = QStringLiteral("สินค้า ") + code;
    l.quantity = quantity;
    l.unit = QStringLiteral("ชิ้น");
    l.unitPrice = Money::fromInt(unitPrice);
    l.price = Money::fromInt(unitPrice) * Money::fromDouble(quantity);
    l.detail = detail;
    l.detail2 = detail2;
    return l;
}
