#include "reportfont.h"

#include <QFontMetricsF>
#include <QImage>

QFont ReportFont::toQFont() const {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Keep the named family even where another would match the style better.
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

double textWidthMm(const QString& text, const ReportFont& font) {
    // Measured at printer resolution, where hinting no longer distorts the widths.
    constexpr double Dpi = 1200;
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(qRound(Dpi / 0.0254));
        image.setDotsPerMeterY(qRound(Dpi / 0.0254));
        return image;
    }();
    const QFontMetricsF metrics(font.toQFont(), &device);
    return metrics.horizontalAdvance(text) * 25.4 / Dpi;
}
