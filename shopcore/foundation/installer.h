#pragma once

#include "alias.h"

#include <QSqlDatabase>
#include <QStringList>

// Puts the tables of a new installation in place, with the single records of the settings
// tables, and brings older databases up to the current layout.
namespace Installer {

// True when the store already holds the tables.
bool isInstalled(const QSqlDatabase& db);
// Creates every table, index and starting record in one transaction. Refuses (StoreError)
// when the tables are already there.
void install(const QSqlDatabase& db);
// The embedded default store: created and installed on first start, left alone afterwards.
void ensureEmbeddedDefault(const AliasEntry& alias);
// Table names with their record counts, in declaration order.
QList<QPair<QString, qint64>> tableCounts(const QSqlDatabase& db);

} // namespace Installer
