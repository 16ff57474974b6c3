#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// Number fields of the settings records (print offsets, price-level quantities): what an entry
// may hold and how a stored number is shown in it.
namespace NumberField {

// An empty text is null; a number (as every number entry reads it, "1,250.50" too) is its
// value; anything else is nullopt.
std::optional<QVariant> parse(const QString& text);
// Said when an entry is left with a text that is not a number.
QString refusal(const QString& text);
QString show(const QVariant& value);

} // namespace NumberField
