#pragma once

#include "registerconfig.h"

#include <QVariant>
#include <optional>

// Between a field's stored value and the text of its entry.
namespace EntryValues {

// A float without trailing zeros (120, 12.5); the date text as stored; text as stored.
QString toText(const RegisterEntry& entry, const QVariant& stored);
// An empty entry stores null; a number entry a double.
QVariant toStored(const RegisterEntry& entry, const QString& text);
QString formatNumber(double value);
// A date entry with no digit typed is empty.
bool isBlankDate(const QString& text);

} // namespace EntryValues
