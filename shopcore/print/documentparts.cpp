#include "documentparts.h"

#include "shopcore/foundation/thaitext.h"

namespace {

QString withBlank(const QString& value) {
    return value.trimmed() + QLatin1Char(' ');
}

QString tagged(const QString& tag, const QString& value) {
    return value.trimmed().isEmpty() ? QString() : tag + value.trimmed();
}

Money fromPercent(double percent) {
    return Money::fromDouble(percent);
}

} // namespace

namespace DocumentParts {

ShopLines shopLines(const ShopRecord& shop) {
    ShopLines out;
    out.name = shop.name.trimmed();
    out.address = withBlank(shop.address1) + withBlank(shop.address2) + withBlank(shop.province) +
                  withBlank(shop.zip);
    out.contact = tagged(QStringLiteral(" Tel. "), shop.tel) +
                  tagged(QStringLiteral(" Fax. "), shop.fax) +
                  tagged(QStringLiteral(" Email : "), shop.email);
    out.taxId = tagged(QStringLiteral("เลขประจำตัวผู้เสียภาษี  "), shop.taxId);
    return out;
}

PartyLines partyLines(const PartyRecord& party) {
    PartyLines out;
    out.first = party.address1.trimmed() + tagged(QStringLiteral(" "), party.address2);
    out.second =
        tagged(QStringLiteral(" "), party.province) + tagged(QStringLiteral(" "), party.zip) +
        tagged(QStringLiteral(" Tel. "), party.tel) + tagged(QStringLiteral(" Fax. "), party.fax);
    return out;
}

QString printedNumber(const QString& number) {
    const QString n = number.trimmed();
    if (n.size() < 6)
        return n;
    return n.left(4) + QLatin1Char('-') + n.mid(4, 1) + QLatin1Char('-') + n.mid(5);
}

QString amountInWords(const Money& total) {
    return QLatin1Char('<') + BahtText(total.plain(2)) + QLatin1Char('>');
}

bool printsTax(int kind) {
    return kind == 2 || kind == 4;
}

Totals totals(const PrintDocument& document, DiscountRule rule) {
    Totals t;
    for (const PrintLine& line : document.lines)
        t.gross += line.price;
    const double percent = document.header.partyDiscount;
    if (percent > 0)
        t.discount = t.gross.percent(fromPercent(percent));
    else if (rule == DiscountRule::CashDiscount)
        t.discount = document.header.discount;
    t.afterDiscount = t.gross - t.discount;
    // A purchase under VAT is stored with a zero TAX_RATE but carries its tax in the amount
    // due, so the print adds it as well.
    t.taxed = document.header.taxRate > 0 || document.kind() == 4;
    if (t.taxed)
        t.tax = t.afterDiscount.percent(Money::fromInt(7));
    t.total = t.afterDiscount + t.tax;
    return t;
}

Titles entryTitles(int kind, PrintVariant variant) {
    Titles t;
    if (kind == 3 || kind == 4 || kind == 5) {
        t.thai = QStringLiteral("ใบสั่งซื้อ");
        t.english = QStringLiteral("ORDER");
        return t;
    }
    if (kind == 6) {
        t.thai = QStringLiteral("ใบเสนอราคา");
        t.english = QStringLiteral("Quotation");
        return t;
    }
    switch (variant) {
    case PrintVariant::DocumentSet:
        t.documentSet = true;
        break;
    case PrintVariant::DeliveryOrInvoice:
        t.thai = kind == 2 ? QStringLiteral("ใบส่งสินค้า/ใบกำกับภาษี") : QStringLiteral("ใบส่งของ");
        t.english = kind == 2 ? QStringLiteral("TAX INVOICE") : QStringLiteral("DELIVERY ORDER");
        break;
    case PrintVariant::Receipt:
        t.thai =
            kind == 2 ? QStringLiteral("ใบเสร็จรับเงิน/ใบกำกับภาษี") : QStringLiteral("ใบเสร็จรับเงิน");
        t.english = kind == 2 ? QStringLiteral("RECEIPT/TAX INVOICE") : QStringLiteral("RECEIPT");
        t.paymentBlock = true;
        t.receiverOfMoney = true;
        break;
    }
    return t;
}

Titles posTitles(int kind, bool cash) {
    Titles t;
    if (kind == 2) {
        t.thai =
            cash ? QStringLiteral("ใบเสร็จรับเงิน / ใบกำกับภาษี") : QStringLiteral("ใบส่งสินค้าชั่วคราว");
        t.english =
            cash ? QStringLiteral("RECEIPT/TAX INVOICE") : QStringLiteral("TEMP DELIVERY ORDER");
    } else {
        t.thai = cash ? QStringLiteral("ใบเสร็จรับเงิน") : QStringLiteral("ใบส่งสินค้า");
        t.english = cash ? QStringLiteral("RECIEPT") : QStringLiteral("DELIVERY ORDER");
    }
    t.receiverOfMoney = cash;
    return t;
}

} // namespace DocumentParts
