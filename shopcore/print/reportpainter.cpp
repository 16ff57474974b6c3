#include "reportpainter.h"

#include "shopcore/print/ean13.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace {

QPageLayout pageLayoutOf(const LaidOutReport& report) {
    const PaperSize& paper = report.paper;
    const QSizeF portrait = paper.landscape() ? paper.size.transposed() : paper.size;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, paper.name),
                       paper.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

class ItemPainter {
public:
    explicit ItemPainter(QPainter& painter)
        : m_painter(painter), m_dotsPerMm(painter.device()->logicalDpiX() / 25.4),
          m_dotsPerMmY(painter.device()->logicalDpiY() / 25.4) {}

    void draw(const PageItem& item) {
        switch (item.kind) {
        case ElementKind::Text:
            drawText(item);
            break;
        case ElementKind::Line:
            m_painter.setPen(pen(item.penWidth));
            m_painter.drawLine(dots(item.rect.topLeft()), dots(item.rect.bottomRight()));
            break;
        case ElementKind::Frame:
            m_painter.setPen(pen(item.penWidth));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(dots(item.rect));
            break;
        case ElementKind::Picture:
            drawPicture(item);
            break;
        case ElementKind::Barcode:
            drawBarcode(item);
            break;
        }
    }

private:
    QPointF dots(const QPointF& mm) const { return {mm.x() * m_dotsPerMm, mm.y() * m_dotsPerMmY}; }
    QRectF dots(const QRectF& mm) const {
        return QRectF(dots(mm.topLeft()),
                      QSizeF(mm.width() * m_dotsPerMm, mm.height() * m_dotsPerMmY));
    }
    QPen pen(double widthMm) const {
        QPen p(Qt::black);
        p.setWidthF(std::max(1.0, widthMm * m_dotsPerMm));
        return p;
    }

    void drawText(const PageItem& item) {
        if (item.text.isEmpty())
            return;
        m_painter.setFont(item.font.toQFont());
        m_painter.setPen(Qt::black);
        int flags = int(item.align) | Qt::TextDontClip;
        if (item.wrap)
            flags |= Qt::TextWordWrap;
        m_painter.drawText(dots(item.rect), flags, item.text);
    }

    void drawPicture(const PageItem& item) {
        if (item.picture.isNull())
            return;
        const QRectF box = dots(item.rect);
        QSizeF size = item.picture.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        m_painter.drawImage(QRectF(box.topLeft(), size), item.picture);
    }

    void drawBarcode(const PageItem& item) {
        const Ean13::Symbol symbol = Ean13::symbol(item.text);
        if (!symbol.isValid())
            return;
        const QRectF box = dots(item.rect);
        const double sx = box.width() / symbol.size.width();
        const double sy = box.height() / symbol.size.height();
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        for (const QRectF& bar : symbol.bars)
            m_painter.drawRect(QRectF(box.left() + bar.x() * sx, box.top() + bar.y() * sy,
                                      bar.width() * sx, bar.height() * sy));
        m_painter.setPen(Qt::black);
        for (const Ean13::Digits& d : symbol.digits) {
            QFont font = item.font.toQFont();
            // The digits of this font run taller than the symbol expects.
            font.setPointSizeF(0.8 * d.height * sy * 72.0 / m_painter.device()->logicalDpiY());
            m_painter.setFont(font);
            const QPointF base(box.left() + d.position.x() * sx, box.top() + d.position.y() * sy);
            const double width = QFontMetricsF(font, m_painter.device()).horizontalAdvance(d.text);
            double left = base.x() - width / 2;
            if (d.align == Qt::AlignLeft)
                left = base.x();
            else if (d.align == Qt::AlignRight)
                left = base.x() - width;
            m_painter.drawText(QPointF(left, base.y()), d.text);
        }
    }

    QPainter& m_painter;
    double m_dotsPerMm;
    double m_dotsPerMmY;
};

} // namespace

void setPaperOf(const LaidOutReport& report, QPagedPaintDevice& device) {
    device.setPageLayout(pageLayoutOf(report));
}

void setPaperOf(const LaidOutReport& report, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(report));
    printer.setDocName(report.title);
}

void paintPage(QPainter& painter, const LaidOutPage& page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ItemPainter items(painter);
    for (const PageItem& item : page.items)
        items.draw(item);
    painter.restore();
}

bool paintReport(const LaidOutReport& report, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(painter, report.pages[i]);
    }
    return painter.end();
}
