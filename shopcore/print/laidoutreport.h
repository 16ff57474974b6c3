#pragma once

#include "shopcore/print/reportdefinition.h"

// A report laid out: pages of items at their place on the paper, in millimetres from the
// sheet's top-left corner. The painter only draws these.
struct PageItem {
    ElementKind kind = ElementKind::Text;
    QString name;
    QRectF rect;  // mm on the sheet; a line runs from topLeft to bottomRight
    QString text; // the resolved text; the 13 digits of a barcode
    ReportFont font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    double penWidth = 0.2;
    QImage picture;
};

// Where a band landed on its page.
struct PlacedBand {
    BandKind kind;
    QString name;
    double top = 0; // mm on the sheet
    double height = 0;
    int lineNumber = 0; // detail bands: the running number of their row
};

struct LaidOutPage {
    QList<PageItem> items;
    QList<PlacedBand> bands;

    // The first item of that name, or nullptr.
    const PageItem* item(const QString& name) const;
    QList<const PageItem*> itemsNamed(const QString& name) const;
    // The text of the named item; empty when there is none.
    QString text(const QString& name) const;
    bool has(const QString& name) const { return item(name) != nullptr; }
    QList<PlacedBand> bandsOf(BandKind kind) const;
};

struct LaidOutReport {
    QString title;
    PaperSize paper;
    PageMargins margins;
    QList<LaidOutPage> pages;

    QList<const PageItem*> itemsNamed(const QString& name) const; // over all pages
};
