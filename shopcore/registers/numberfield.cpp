#include "numberfield.h"

#include "shopcore/foundation/thaitext.h"

#include <QLocale>

namespace NumberField {

std::optional<QVariant> parse(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QVariant(QMetaType(QMetaType::Double));
    const auto v = NumberTextValue(t);
    if (!v)
        return std::nullopt;
    return QVariant(*v);
}

QString refusal(const QString& text) {
    return QStringLiteral("'%1' ไม่ใช่ตัวเลขที่ถูกต้อง").arg(text.trimmed());
}

QString show(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return QString();
    return QLocale::c().toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
}

} // namespace NumberField
