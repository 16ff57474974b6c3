#include "envelope.h"

QString envelopeSenderLine(const ShopRecord& shop) {
    QString line = shop.address1.trimmed();
    for (const QString& part : {shop.address2, shop.province, shop.zip})
        if (!part.trimmed().isEmpty())
            line += QLatin1Char(' ') + part.trimmed();
    return line;
}

Report envelopeReport(const PartyRecord& customer, const ShopRecord& shop) {
    Report r;
    r.title = QStringLiteral("ซอง จม. ") + customer.name.trimmed();
    r.paper = PaperSize::envelope();
    r.margins = {8, 10, 5, 10};
    ReportBand band(BandKind::Title, QStringLiteral("envelope"), 95);
    auto& e = band.elements;
    e << ReportElement::label(QStringLiteral("senderName"), QRectF(0, 0, 110, 7),
                              shop.name.trimmed(), ReportFont::sans(11, true))
      << ReportElement::label(QStringLiteral("senderAddress"), QRectF(0, 7, 110, 6),
                              envelopeSenderLine(shop), ReportFont::sans(9));
    e << ReportElement::label(QStringLiteral("deliverTo"), QRectF(80, 38, 40, 7),
                              QStringLiteral("กรุณาส่ง"), ReportFont::sans(11));
    const ReportFont addressFont = ReportFont::sans(12);
    double y = 46;
    const std::pair<const char*, QString> lines[] = {
        {"name", customer.name.trimmed()},
        {"address1", customer.address1.trimmed()},
        {"address2", customer.address2.trimmed()},
        {"provinceZip", customer.province.trimmed() + QLatin1Char(' ') + customer.zip.trimmed()}};
    for (const auto& [name, text] : lines) {
        e << ReportElement::label(QString::fromLatin1(name), QRectF(90, y, 105, 7.5), text,
                                  name == lines[0].first ? ReportFont::sans(13, true)
                                                         : addressFont);
        y += 7.5;
    }
    r.bands << band;
    return r;
}
