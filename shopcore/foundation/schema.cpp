#include "schema.h"

const Field* TableDef::field(const QString& fieldName) const {
    for (const Field& f : fields)
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

QList<Field> numberedTexts(const QString& stem, int from, int to, int width) {
    QList<Field> out;
    for (int i = from; i <= to; ++i)
        out << text(stem + QString::number(i), width);
    return out;
}

QList<Field> numberedReals(const QString& stem, int from, int to) {
    QList<Field> out;
    for (int i = from; i <= to; ++i)
        out << real(stem + QString::number(i));
    return out;
}

namespace Schema {

const QList<TableDef>& tables() {
    static const QList<TableDef> all = [] {
        QList<TableDef> t = sharedTables();
        t += documentTables();
        t += billingTables();
        t += rentalTables();
        t += serviceTables();
        return t;
    }();
    return all;
}

const TableDef* table(const QString& name) {
    for (const TableDef& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

} // namespace Schema
