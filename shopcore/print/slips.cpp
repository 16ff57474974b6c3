#include "documentlayouts.h"

// The till slips: a column 2.5 in wide at the left of a Letter sheet, the shop, the customer,
// the number and date, the amounts of the sale and the cash taken.
namespace {

constexpr double Left = 2;
constexpr double Width = PaperSize::SlipColumnWidth - 2 * Left;
constexpr double Row = 5;
const Qt::Alignment LeftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment RightMiddle = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment CentreMiddle = Qt::AlignHCenter | Qt::AlignVCenter;

ReportFont slipFont(bool bold = false) {
    return ReportFont::sans(9, bold);
}

Report slipReport(const PrintDocument& doc, const QString& title) {
    Report r;
    r.title = title + QLatin1Char(' ') + doc.header.number;
    r.paper = PaperSize::letter();
    r.margins = formMargins(doc.shop, false);
    return r;
}

// Shop name, customer, number and date, from the top of the column.
ReportBand slipHead(const PrintDocument& doc) {
    ReportBand band{BandKind::Title, QStringLiteral("head"), 0};
    auto& e = band.elements;
    const QString shop = doc.shop.name.trimmed();
    const ReportFont shopFont = ReportFont::sans(10, true);
    const double shopHeight = textWidthMm(shop, shopFont) > Width ? 2 * Row + 1 : Row + 1;
    ReportElement name =
        ReportElement::label(QStringLiteral("shopName"), QRectF(Left, 1, Width, shopHeight), shop,
                             shopFont, CentreMiddle);
    name.wrap = true;
    e << name;
    double y = 1 + shopHeight;
    e << ReportElement::label(QStringLiteral("partyName"), QRectF(Left, y, Width, Row),
                              doc.header.partyName.trimmed(), slipFont());
    y += Row;
    e << ReportElement::label(QStringLiteral("number"), QRectF(Left, y, Width * 0.6, Row),
                              DocumentParts::printedNumber(doc.header.number), slipFont());
    e << ReportElement::label(QStringLiteral("date"),
                              QRectF(Left + Width * 0.6, y, Width * 0.4, Row),
                              doc.header.date.trimmed(), slipFont(), RightMiddle);
    y += Row;
    e << ReportElement::line(QStringLiteral("rule.head"), QPointF(Left, y + 0.5),
                             QPointF(Left + Width, y + 0.5));
    band.height = y + 1;
    return band;
}

// Caption and amount rows, then the footer.
void amountRows(ReportBand& band, double y,
                const QList<std::tuple<QString, QString, QString>>& rows, const QString& footer) {
    for (const auto& [name, caption, amount] : rows) {
        band.elements << ReportElement::label(
            QStringLiteral("cap.") + name, QRectF(Left, y, Width * 0.45, Row), caption, slipFont());
        band.elements << ReportElement::label(
            name, QRectF(Left + Width * 0.45, y, Width * 0.55, Row), amount,
            slipFont(name == QLatin1String("amountDue") || name == QLatin1String("net")),
            RightMiddle);
        y += Row;
    }
    y += 1;
    band.elements << ReportElement::label(QStringLiteral("footer"), QRectF(Left, y, Width, Row),
                                          footer, slipFont(), CentreMiddle);
    band.height = y + Row + 1;
}

} // namespace

Report tPos_Slip3::report(const PrintRequest& request) const {
    const PrintDocument& doc = request.document;
    Report r = slipReport(doc, QStringLiteral("ใบเสร็จรับเงิน"));
    ReportBand head = slipHead(doc);
    amountRows(
        head, head.height + 1,
        {{QStringLiteral("amountDue"), QStringLiteral("รวมเงิน"), doc.header.amountDue.format(2)},
         {QStringLiteral("received"), QStringLiteral("รับมา"), request.payment.received.format(2)},
         {QStringLiteral("change"), QStringLiteral("เงินทอน"), request.payment.change.format(2)}},
        QStringLiteral("< ใบเสร็จรับเงิน ไม่ใช่ใบกำกับภาษี >"));
    r.bands << head;
    return r;
}

Report tPos_Slip4::report(const PrintRequest& request) const {
    const PrintDocument& doc = request.document;
    Report r = slipReport(doc, QStringLiteral("ใบเสร็จรับเงิน"));
    r.bands << slipHead(doc);

    const double qty = 11;
    const double amount = 17;
    const double name = Width - qty - amount;
    ReportBand columns{BandKind::ColumnHeader, QStringLiteral("columns"), Row + 1};
    columns.elements << ReportElement::label(QStringLiteral("col.qty"), QRectF(Left, 0, qty, Row),
                                             QStringLiteral("จำนวน"), slipFont())
                     << ReportElement::label(QStringLiteral("col.name"),
                                             QRectF(Left + qty, 0, name, Row),
                                             QStringLiteral("รายการ"), slipFont())
                     << ReportElement::label(QStringLiteral("col.amount"),
                                             QRectF(Left + qty + name, 0, amount, Row),
                                             QStringLiteral("จำนวนเงิน"), slipFont(), RightMiddle)
                     << ReportElement::line(QStringLiteral("rule.columns"),
                                            QPointF(Left, Row + 0.5),
                                            QPointF(Left + Width, Row + 0.5));
    r.bands << columns;

    const double lineRow = millimetresFromBandUnits(25) - 0.3;
    ReportBand line{BandKind::Detail, QStringLiteral("line"), millimetresFromBandUnits(25)};
    line.elements << ReportElement::value(QStringLiteral("line.qty"),
                                          QRectF(Left, 0, qty - 1, lineRow),
                                          QStringLiteral("PRO_QTY"), {}, slipFont(), RightMiddle)
                  << ReportElement::value(QStringLiteral("line.name"),
                                          QRectF(Left + qty + 0.5, 0, name - 1, lineRow),
                                          QStringLiteral("PRO_NAME"), {}, slipFont())
                  << ReportElement::value(QStringLiteral("line.amount"),
                                          QRectF(Left + qty + name, 0, amount, lineRow),
                                          QStringLiteral("PRICE"), QStringLiteral("###,###,##0.00"),
                                          slipFont(), RightMiddle);
    line.elements[1].wrap = true;
    // A name too long for its column takes a second row.
    line.beforePrint = [name](BandPrinting& p) {
        ReportElement* e = p.band.element(QStringLiteral("line.name"));
        if (textWidthMm(p.row.value(QStringLiteral("PRO_NAME")).toString(), e->font) > name - 1) {
            p.band.height = millimetresFromBandUnits(51);
            e->rect.setHeight(p.band.height - 0.3);
        }
    };
    r.bands << line;
    for (const PrintLine& l : doc.lines)
        r.rows << QVariantMap{{QStringLiteral("PRO_QTY"), QString::number(l.quantity, 'g', 10)},
                              {QStringLiteral("PRO_NAME"), l.productName.trimmed()},
                              {QStringLiteral("PRICE"), QVariant::fromValue(l.price)}};

    const auto t = DocumentParts::totals(doc, DocumentParts::DiscountRule::CashDiscount);
    QList<std::tuple<QString, QString, QString>> rows{
        {QStringLiteral("gross"), QStringLiteral("รวมเงิน"), t.gross.format(2)},
        {QStringLiteral("discount"), QStringLiteral("ส่วนลด"), t.discount.format(2)},
        {QStringLiteral("net"), QStringLiteral("เป็นเงิน"), t.afterDiscount.format(2)}};
    // Under VAT the cash taken covers the tax as well: show it, so that the change adds up.
    if (t.taxed && t.tax > Money())
        rows << std::tuple{QStringLiteral("tax"), QStringLiteral("ภาษี"), t.tax.format(2)}
             << std::tuple{QStringLiteral("total"), QStringLiteral("รวมทั้งสิ้น"), t.total.format(2)};
    rows << std::tuple{QStringLiteral("received"), QStringLiteral("รับมา"),
                       request.payment.received.format(2)}
         << std::tuple{QStringLiteral("change"), QStringLiteral("เงินทอน"),
                       request.payment.change.format(2)};
    ReportBand summary{BandKind::Summary, QStringLiteral("totals"), 0};
    summary.elements << ReportElement::line(QStringLiteral("rule.totals"), QPointF(Left, 0.5),
                                            QPointF(Left + Width, 0.5));
    amountRows(summary, 1, rows, QStringLiteral("< ใบเสร็จรับเงิน ไม่ใช่ใบกำกับภาษี>"));
    r.bands << summary;
    return r;
}
