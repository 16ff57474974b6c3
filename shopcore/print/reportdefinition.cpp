#include "reportdefinition.h"

ReportElement ReportElement::label(const QString& name, const QRectF& rect, const QString& text,
                                   const ReportFont& font, Qt::Alignment align) {
    ReportElement e;
    e.name = name;
    e.rect = rect;
    e.text = text;
    e.font = font;
    e.align = align;
    return e;
}

ReportElement ReportElement::value(const QString& name, const QRectF& rect, const QString& field,
                                   const QString& mask, const ReportFont& font,
                                   Qt::Alignment align) {
    ReportElement e = label(name, rect, QStringLiteral("%1"), font, align);
    e.source = TextSource::Field;
    e.field = field;
    e.mask = mask;
    return e;
}

ReportElement ReportElement::system(const QString& name, const QRectF& rect, TextSource source,
                                    const QString& pattern, const ReportFont& font,
                                    Qt::Alignment align) {
    ReportElement e = label(name, rect, pattern, font, align);
    e.source = source;
    return e;
}

ReportElement ReportElement::line(const QString& name, const QPointF& from, const QPointF& to,
                                  double penWidth) {
    ReportElement e;
    e.kind = ElementKind::Line;
    e.name = name;
    e.rect = QRectF(from, to);
    e.penWidth = penWidth;
    return e;
}

ReportElement ReportElement::frame(const QString& name, const QRectF& rect, double penWidth) {
    ReportElement e;
    e.kind = ElementKind::Frame;
    e.name = name;
    e.rect = rect;
    e.penWidth = penWidth;
    return e;
}

ReportElement ReportElement::image(const QString& name, const QRectF& rect, const QImage& image) {
    ReportElement e;
    e.kind = ElementKind::Picture;
    e.name = name;
    e.rect = rect;
    e.picture = image;
    return e;
}

ReportElement ReportElement::barcode(const QString& name, const QRectF& rect,
                                     const QString& digits) {
    ReportElement e;
    e.kind = ElementKind::Barcode;
    e.name = name;
    e.rect = rect;
    e.text = digits;
    return e;
}

ReportElement* ReportBand::element(const QString& name) {
    for (ReportElement& e : elements)
        if (e.name == name)
            return &e;
    return nullptr;
}

const ReportElement* ReportBand::element(const QString& name) const {
    return const_cast<ReportBand*>(this)->element(name);
}

bool ReportBand::setText(const QString& name, const QString& text) {
    ReportElement* e = element(name);
    if (!e)
        return false;
    e->source = TextSource::Fixed;
    e->text = text;
    return true;
}

bool ReportBand::setVisible(const QString& name, bool visible) {
    ReportElement* e = element(name);
    if (!e)
        return false;
    e->visible = visible;
    return true;
}

ReportBand* Report::band(BandKind kind, const QString& name) {
    for (ReportBand& b : bands)
        if (b.kind == kind && (name.isEmpty() || b.name == name))
            return &b;
    return nullptr;
}

const ReportBand* Report::band(BandKind kind, const QString& name) const {
    return const_cast<Report*>(this)->band(kind, name);
}
