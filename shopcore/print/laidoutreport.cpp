#include "laidoutreport.h"

const PageItem* LaidOutPage::item(const QString& name) const {
    for (const PageItem& i : items)
        if (i.name == name)
            return &i;
    return nullptr;
}

QList<const PageItem*> LaidOutPage::itemsNamed(const QString& name) const {
    QList<const PageItem*> out;
    for (const PageItem& i : items)
        if (i.name == name)
            out << &i;
    return out;
}

QString LaidOutPage::text(const QString& name) const {
    const PageItem* i = item(name);
    return i ? i->text : QString();
}

QList<PlacedBand> LaidOutPage::bandsOf(BandKind kind) const {
    QList<PlacedBand> out;
    for (const PlacedBand& b : bands)
        if (b.kind == kind)
            out << b;
    return out;
}

QList<const PageItem*> LaidOutReport::itemsNamed(const QString& name) const {
    QList<const PageItem*> out;
    for (const LaidOutPage& p : pages)
        out += p.itemsNamed(name);
    return out;
}
