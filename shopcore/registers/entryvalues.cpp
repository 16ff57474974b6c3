#include "entryvalues.h"

#include "shopcore/foundation/money.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/thaitext.h"

namespace EntryValues {

QString formatNumber(double value) {
    return QString::number(value, 'g', 15);
}

bool isBlankDate(const QString& text) {
    for (const QChar c : text)
        if (c.isDigit())
            return false;
    return true;
}

QString toText(const RegisterEntry& entry, const QVariant& stored) {
    if (stored.isNull())
        return {};
    if (entry.kind == EntryKind::Number)
        return formatNumber(stored.toDouble());
    return textOf(stored);
}

QVariant toStored(const RegisterEntry& entry, const QString& text) {
    switch (entry.kind) {
    case EntryKind::Number:
        if (const auto v = NumberTextValue(text))
            return *v;
        return QVariant(QMetaType::fromType<double>());
    case EntryKind::DateText:
        if (isBlankDate(text))
            return QVariant(QMetaType::fromType<QString>());
        return text;
    case EntryKind::Text:
    case EntryKind::Choice:
        break;
    }
    if (text.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return text;
}

} // namespace EntryValues
