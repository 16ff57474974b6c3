#pragma once

#include "alias.h"

#include <QSqlDatabase>
#include <QStringList>
#include <functional>

// Puts the tables of a new installation in place, with the single records of the settings
// tables, and brings older databases up to the current layout.
namespace Installer {

// True when the store already holds the tables.
bool isInstalled(const QSqlDatabase& db);
// Creates every table, index and starting record in one transaction. Refuses (StoreError)
// when the tables are already there.
void install(const QSqlDatabase& db);
// One step of the layout: step i brings a database from version i + 1 to version i + 2.
using UpgradeStep = std::function<void(const QSqlDatabase&)>;
// The steps since version 1 (the tables as first declared), in order.
const QList<UpgradeStep>& upgradeSteps();
// The layout version of the store; 0 when no tables are installed.
int version(const QSqlDatabase& db);
// Runs the steps the store has not had yet, each in a transaction with its new version, so
// a failed step leaves the store at the version before it and a second run goes on from
// there. Returns the version reached. Refuses (StoreError) a store of a later version than
// the steps know, and a store without tables.
int upgrade(const QSqlDatabase& db, const QList<UpgradeStep>& steps = upgradeSteps());
// The embedded default store: created and installed on first start, brought up to the
// current layout afterwards.
void ensureEmbeddedDefault(const AliasEntry& alias);
// Table names with their record counts, in declaration order.
QList<QPair<QString, qint64>> tableCounts(const QSqlDatabase& db);

} // namespace Installer
