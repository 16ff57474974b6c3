#include "barcodesheet.h"

#include "shopcore/print/ean13.h"

namespace {
constexpr int Columns = 3;
constexpr int Rows = 10;
constexpr double CellWidth = 66.5;
constexpr double CellHeight = 25.4;
constexpr double NameHeight = 9;
} // namespace

QString barcodeSheetProblem(const QString& code) {
    const QString c = code.trimmed();
    if (Ean13::isValid(c))
        return {};
    const int check = Ean13::checkDigit(c.left(12));
    if (c.size() == 13 && check >= 0)
        return QStringLiteral("รหัส %1 หลักสุดท้ายไม่ถูกต้อง ( EAN13 ต้องเป็น %2 )")
            .arg(c, c.left(12) + QString::number(check));
    return QStringLiteral("รหัส 13 หลัก ( EAN13 ) เท่านั้น");
}

Report barcodeSheetReport(const QString& code, const QString& name) {
    Report r;
    r.title = QStringLiteral(" พิมพ์ Barcode EAN 13");
    r.paper = PaperSize::letter();
    r.margins = {8, 8, 8, 8};
    ReportBand band(BandKind::Title, QStringLiteral("sheet"), NameHeight + Rows * CellHeight);
    band.elements << ReportElement::label(QStringLiteral("productName"),
                                          QRectF(0, 0, Columns * CellWidth, NameHeight - 1),
                                          name.trimmed(), ReportFont::sans(12, true));
    const QSizeF symbol(40, 21);
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            band.elements << ReportElement::barcode(
                QStringLiteral("barcode"),
                QRectF(QPointF(column * CellWidth + (CellWidth - symbol.width()) / 2,
                               NameHeight + row * CellHeight + (CellHeight - symbol.height()) / 2),
                       symbol),
                code.trimmed());
    r.bands << band;
    return r;
}
