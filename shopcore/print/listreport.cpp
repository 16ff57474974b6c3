#include "listreport.h"

#include <QDate>

namespace {

constexpr double Left = 0;
constexpr double Row = 6;
const Qt::Alignment LeftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment RightMiddle = Qt::AlignRight | Qt::AlignVCenter;

QString todayText() {
    const QDate d = QDate::currentDate();
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year() + 543);
}

} // namespace

Report listReport(const QString& title, const QList<ListColumn>& columns,
                  const QList<QVariantMap>& rows, const QList<ListTotal>& totals) {
    Report r;
    r.title = title;
    r.paper = PaperSize::letter();
    r.margins = {10, 12, 10, 10};
    double width = 0;
    for (const ListColumn& c : columns)
        width += c.width;
    const ReportFont font = ReportFont::sans(9);
    const ReportFont bold = ReportFont::sans(9, true);

    ReportBand titleBand(BandKind::Title, QStringLiteral("title"), 12);
    titleBand.elements << ReportElement::label(QStringLiteral("title"), QRectF(Left, 0, width, 9),
                                               title, ReportFont::sans(14, true),
                                               Qt::AlignHCenter | Qt::AlignVCenter)
                       << ReportElement::label(
                              QStringLiteral("date"), QRectF(Left + width - 50, 0, 50, 9),
                              QStringLiteral("วันที่ ") + todayText(), font, RightMiddle);

    ReportBand heading(BandKind::ColumnHeader, QStringLiteral("columns"), Row + 1);
    ReportBand detail(BandKind::Detail, QStringLiteral("row"), Row);
    double x = Left;
    int i = 0;
    for (const ListColumn& c : columns) {
        const QRectF cell(x + 0.5, 0, c.width - 1, Row);
        heading.elements << ReportElement::label(QStringLiteral("col.%1").arg(i), cell, c.caption,
                                                 bold, c.align);
        if (c.field.isEmpty()) {
            detail.elements << ReportElement::system(QStringLiteral("cell.%1").arg(i), cell,
                                                     TextSource::LineNumber, QStringLiteral("%1"),
                                                     font, c.align);
        } else {
            detail.elements << ReportElement::value(QStringLiteral("cell.") + c.field, cell,
                                                    c.field, c.mask, font, c.align);
        }
        x += c.width;
        ++i;
    }
    heading.elements << ReportElement::line(QStringLiteral("rule.top"), QPointF(Left, 0),
                                            QPointF(Left + width, 0))
                     << ReportElement::line(QStringLiteral("rule.bottom"), QPointF(Left, Row + 0.5),
                                            QPointF(Left + width, Row + 0.5));

    ReportBand summary(BandKind::Summary, QStringLiteral("totals"), Row * totals.size() + 2);
    summary.elements << ReportElement::line(QStringLiteral("rule.totals"), QPointF(Left, 0.5),
                                            QPointF(Left + width, 0.5));
    double y = 1;
    for (const ListTotal& t : totals) {
        double left = Left;
        double cellWidth = 30;
        for (const ListColumn& c : columns) {
            if (c.field == t.underField) {
                cellWidth = c.width;
                break;
            }
            left += c.width;
        }
        summary.elements << ReportElement::label(QStringLiteral("totalCaption"),
                                                 QRectF(left - 40, y, 39, Row), t.caption, bold,
                                                 RightMiddle)
                         << ReportElement::label(QStringLiteral("total"),
                                                 QRectF(left + 0.5, y, cellWidth - 1, Row), t.value,
                                                 bold, RightMiddle);
        y += Row;
    }

    ReportBand footer(BandKind::PageFooter, QStringLiteral("footer"), Row);
    footer.elements << ReportElement::system(
        QStringLiteral("pageNumber"), QRectF(Left + width - 40, 0, 40, Row), TextSource::PageNumber,
        QStringLiteral("หน้า %1"), font, RightMiddle);
    r.bands << titleBand << heading << detail << summary << footer;
    r.rows = rows;
    return r;
}
