#pragma once

#include <QFont>
#include <QString>

// The font of a printed text. Reports always name a Thai font, so that no text falls back to
// a font without Thai glyphs (boxes on paper).
struct ReportFont {
    static constexpr const char* ThaiSans = "Garuda";
    static constexpr const char* ThaiSerif = "Norasi";

    QString family = QString::fromLatin1(ThaiSans);
    double pointSize = 10;
    bool bold = false;
    bool italic = false;

    static ReportFont sans(double points, bool bold = false) {
        return {QString::fromLatin1(ThaiSans), points, bold, false};
    }
    static ReportFont serif(double points, bool bold = false) {
        return {QString::fromLatin1(ThaiSerif), points, bold, false};
    }
    QFont toQFont() const;
    bool operator==(const ReportFont&) const = default;
};

// The printed width of a text in that font, in millimetres (for layouts that let a band grow
// when a text needs a second row).
double textWidthMm(const QString& text, const ReportFont& font);
