#include "reportlayouter.h"

#include "shopcore/print/displaymask.h"

namespace {

constexpr double Tolerance = 0.01; // mm; rounding of heights must not push a band over

const QVariantMap NoRow;

class Layouter {
public:
    explicit Layouter(const Report& report) : m_report(report) {
        if (m_report.beforePrint)
            m_report.beforePrint(m_report);
        m_out.title = m_report.title;
        m_out.paper = m_report.paper;
        m_out.margins = m_report.margins;
    }

    LaidOutReport run() {
        startPage();
        QList<const ReportBand*> headers = bandsOf(BandKind::GroupHeader);
        QList<const ReportBand*> footers = bandsOf(BandKind::GroupFooter);
        const ReportBand* detail = m_report.band(BandKind::Detail);
        const QList<QVariantMap>& rows = m_report.rows;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (i > 0)
                for (auto f = footers.rbegin(); f != footers.rend(); ++f)
                    if (groupChanged(**f, rows[i - 1], rows[i]))
                        place(**f, rows[i - 1]);
            for (const ReportBand* h : headers)
                if (i == 0 || groupChanged(*h, rows[i - 1], rows[i]))
                    place(*h, rows[i]);
            ++m_line;
            if (detail)
                place(*detail, rows[i]);
        }
        if (!rows.isEmpty())
            for (auto f = footers.rbegin(); f != footers.rend(); ++f)
                place(**f, rows.last());
        if (const ReportBand* summary = m_report.band(BandKind::Summary))
            placeSummary(*summary);
        finishPage();
        resolvePageCounts();
        return m_out;
    }

private:
    struct PendingCount {
        qsizetype page;
        qsizetype item;
        QString pattern;
    };

    QList<const ReportBand*> bandsOf(BandKind kind) const {
        QList<const ReportBand*> out;
        for (const ReportBand& b : m_report.bands)
            if (b.kind == kind)
                out << &b;
        return out;
    }

    static bool groupChanged(const ReportBand& band, const QVariantMap& before,
                             const QVariantMap& now) {
        return before.value(band.groupField) != now.value(band.groupField);
    }

    double footerTop() const {
        const ReportBand* footer = m_report.band(BandKind::PageFooter);
        return m_report.paper.height() - m_report.margins.bottom - (footer ? footer->height : 0);
    }

    int pageNumber() const { return int(m_out.pages.size()); }

    void startPage() {
        m_out.pages.append(LaidOutPage{});
        m_y = m_report.margins.top;
        m_pageHasBody = false;
        if (const ReportBand* header = m_report.band(BandKind::PageHeader))
            placeHere(*header, NoRow);
        if (pageNumber() == 1)
            if (const ReportBand* title = m_report.band(BandKind::Title))
                placeHere(*title, NoRow);
        if (const ReportBand* columns = m_report.band(BandKind::ColumnHeader))
            placeHere(*columns, NoRow);
    }

    void finishPage() {
        if (const ReportBand* footer = m_report.band(BandKind::PageFooter)) {
            m_y = footerTop();
            placeHere(*footer, NoRow);
        }
    }

    // Runs the hook on this printing's copy; false when the band is left out.
    bool prepare(ReportBand& copy, const QVariantMap& row) {
        BandPrinting printing{copy, row, m_line, pageNumber()};
        if (copy.beforePrint)
            copy.beforePrint(printing);
        return printing.print;
    }

    void placeHere(const ReportBand& band, const QVariantMap& row) {
        ReportBand copy = band;
        if (prepare(copy, row))
            put(copy, row);
    }

    void place(const ReportBand& band, const QVariantMap& row) {
        ReportBand copy = band;
        if (!prepare(copy, row))
            return;
        // A band taller than an empty page is printed anyway rather than looping for ever.
        if (m_y + copy.height > footerTop() + Tolerance && m_pageHasBody) {
            finishPage();
            startPage();
        }
        put(copy, row);
        m_pageHasBody = true;
    }

    void placeSummary(const ReportBand& band) {
        ReportBand copy = band;
        if (!prepare(copy, NoRow))
            return;
        if (m_y + copy.height > footerTop() + Tolerance && m_pageHasBody) {
            finishPage();
            startPage();
        }
        if (copy.atPageBottom)
            m_y = std::max(m_y, footerTop() - copy.height);
        put(copy, NoRow);
    }

    QString resolve(const ReportElement& e, const QVariantMap& row) const {
        QString value;
        switch (e.source) {
        case TextSource::Fixed:
            return e.text;
        case TextSource::Field:
            value = DisplayMask::format(row.value(e.field), e.mask);
            break;
        case TextSource::PageNumber:
            value = QString::number(pageNumber());
            break;
        case TextSource::LineNumber:
            value = QString::number(m_line);
            break;
        case TextSource::PageCount:
            return e.text; // filled in once the pages are counted
        }
        QString out = e.text;
        return out.replace(QLatin1String("%1"), value);
    }

    void put(const ReportBand& band, const QVariantMap& row) {
        LaidOutPage& page = m_out.pages.last();
        page.bands.append(
            {band.kind, band.name, m_y, band.height, band.kind == BandKind::Detail ? m_line : 0});
        const QPointF origin(m_report.margins.left, m_y);
        for (const ReportElement& e : band.elements) {
            if (!e.visible)
                continue;
            PageItem item;
            item.kind = e.kind;
            item.name = e.name;
            item.rect = e.rect.translated(origin);
            item.font = e.font;
            item.align = e.align;
            item.wrap = e.wrap;
            item.penWidth = e.penWidth;
            item.picture = e.picture;
            if (e.kind == ElementKind::Text || e.kind == ElementKind::Barcode)
                item.text = resolve(e, row);
            if (e.source == TextSource::PageCount)
                m_pageCounts.append({m_out.pages.size() - 1, page.items.size(), e.text});
            page.items.append(item);
        }
        m_y += band.height;
    }

    void resolvePageCounts() {
        const QString count = QString::number(m_out.pages.size());
        for (const PendingCount& p : m_pageCounts) {
            QString text = p.pattern;
            m_out.pages[p.page].items[p.item].text = text.replace(QLatin1String("%1"), count);
        }
    }

    Report m_report;
    LaidOutReport m_out;
    double m_y = 0;
    int m_line = 0;
    bool m_pageHasBody = false;
    QList<PendingCount> m_pageCounts;
};

} // namespace

LaidOutReport layoutReport(const Report& report) {
    return Layouter(report).run();
}
