#include "reportfont.h"

QFont ReportFont::toQFont() const {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Keep the named family even where another would match the style better.
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}
