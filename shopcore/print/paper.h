#pragma once

#include <QSizeF>
#include <QString>

// A sheet of paper in millimetres, as the report sees it (wider than high: landscape).
struct PaperSize {
    QString name;
    QSizeF size; // width x height, mm

    static PaperSize letter();     // 8.5 x 11 in
    static PaperSize halfLetter(); // 8.5 x 5.5 in, the short document forms
    static PaperSize envelope();   // DL envelope, 220 x 110 mm, printed lying down
    // Till slips print in a column 2.5 in wide at the left of a Letter sheet; the roll printer
    // simply stops where the printing ends.
    static constexpr double SlipColumnWidth = 63.5;

    double width() const { return size.width(); }
    double height() const { return size.height(); }
    bool landscape() const { return width() > height(); }
    bool operator==(const PaperSize&) const = default;
};

// Page margins in millimetres.
struct PageMargins {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    bool operator==(const PageMargins&) const = default;
};

// Millimetres from inches and from the band-height unit of the layouts (1/96 inch).
constexpr double millimetresFromInches(double inches) {
    return inches * 25.4;
}
constexpr double millimetresFromBandUnits(double units) {
    return units * 25.4 / 96.0;
}
