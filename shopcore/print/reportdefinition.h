#pragma once

#include "shopcore/print/paper.h"
#include "shopcore/print/reportfont.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QVariantMap>
#include <functional>

// A banded report as designed: bands of elements over a list of data rows. Laying it out
// (reportlayouter.h) turns it into pages of positioned items; nothing here paints.

enum class ElementKind { Text, Line, Frame, Picture, Barcode };

// Where the text of a text or barcode element comes from. Its `text` is then a pattern in
// which "%1" stands for the value ("หน้า %1").
enum class TextSource {
    Fixed,      // `text` as it stands
    Field,      // the current row's `field`, through `mask`
    PageNumber, // 1, 2, ...
    PageCount,  // the number of pages of the whole report
    LineNumber, // the running number of the detail row, 1, 2, ...
};

struct ReportElement {
    ElementKind kind = ElementKind::Text;
    QString name; // finds the printed item again (hooks and tests)
    QRectF rect;  // mm from the band's top-left corner; a line runs from topLeft to bottomRight
    TextSource source = TextSource::Fixed;
    QString text;  // the fixed text, or the pattern of a value
    QString field; // data field of TextSource::Field
    QString mask;  // display mask of the value (displaymask.h)
    ReportFont font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    bool visible = true;
    double penWidth = 0.2; // mm, lines and frames
    QImage picture;

    static ReportElement label(const QString& name, const QRectF& rect, const QString& text,
                               const ReportFont& font = {},
                               Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    static ReportElement value(const QString& name, const QRectF& rect, const QString& field,
                               const QString& mask = {}, const ReportFont& font = {},
                               Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    static ReportElement system(const QString& name, const QRectF& rect, TextSource source,
                                const QString& pattern, const ReportFont& font = {},
                                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    static ReportElement line(const QString& name, const QPointF& from, const QPointF& to,
                              double penWidth = 0.2);
    static ReportElement frame(const QString& name, const QRectF& rect, double penWidth = 0.2);
    static ReportElement image(const QString& name, const QRectF& rect, const QImage& image);
    // An EAN-13 symbol of the 13 digits in `digits` (or of a field with TextSource::Field).
    static ReportElement barcode(const QString& name, const QRectF& rect, const QString& digits);
};

enum class BandKind {
    PageHeader,   // top of every page
    Title,        // once, below the page header of the first page
    ColumnHeader, // every page, above the first detail of the page
    GroupHeader,  // before the first row of each group
    Detail,       // once per data row
    GroupFooter,  // after the last row of each group
    Summary,      // once, after the last row
    PageFooter,   // bottom of every page
};

struct BandPrinting;

struct ReportBand {
    ReportBand() = default;
    ReportBand(BandKind kind, const QString& name, double height)
        : kind(kind), name(name), height(height) {}

    BandKind kind = BandKind::Detail;
    QString name;
    double height = 0; // mm
    QList<ReportElement> elements;
    QString groupField;        // group bands: a new group starts when this field changes
    bool atPageBottom = false; // summary: printed just above the page footer, as on forms
    std::function<void(BandPrinting&)> beforePrint;

    ReportElement* element(const QString& name);
    const ReportElement* element(const QString& name) const;
    // Sets the fixed text of the named element; returns false when there is none.
    bool setText(const QString& name, const QString& text);
    bool setVisible(const QString& name, bool visible);
};

// What a band's before-print hook sees: its own copy of the band for this one printing
// (change texts, visibility and height freely), the current row and the counters.
struct BandPrinting {
    ReportBand& band;
    const QVariantMap& row; // empty outside detail and group bands
    int lineNumber;         // running number of the current detail row (0 before the first)
    int pageNumber;
    bool print = true; // false leaves the band out this time
};

struct Report {
    QString title; // document name of the print job and the PDF
    PaperSize paper = PaperSize::letter();
    PageMargins margins;
    QList<ReportBand> bands;
    QList<QVariantMap> rows;
    // Runs once on a copy of the report before it is laid out.
    std::function<void(Report&)> beforePrint;

    ReportBand* band(BandKind kind, const QString& name = {});
    const ReportBand* band(BandKind kind, const QString& name = {}) const;
};
