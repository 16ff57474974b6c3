#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QVariantMap>

// The single shop record (Kelmsys): the shop's identity and the system settings. Values are
// keyed by field name; text fields read as text, OF_LOGO as the image file's bytes, the print
// offsets as numbers or null.
namespace ShopSettingsStore {

// The fields the retail settings window edits.
const QStringList& editedFields();

QVariantMap read(const QSqlDatabase& db);
// Writes the given fields into the record; StoreError with the engine's message on failure.
void write(const QSqlDatabase& db, const QVariantMap& values);

// The window skin of the retail program (SKIN_BUSINESS).
QString skinSetting(const QSqlDatabase& db);

} // namespace ShopSettingsStore
