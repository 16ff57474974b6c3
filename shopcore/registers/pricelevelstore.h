#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QVariant>

// The price levels (scale): from which quantity each of the five selling prices applies.
namespace PriceLevelStore {

constexpr int Levels = 5;

// SCALE1..SCALE5 of the single record; null where nothing is stored.
QList<QVariant> read(const QSqlDatabase& db);
// Writes the five quantities; StoreError with the engine's message on failure.
void write(const QSqlDatabase& db, const QList<double>& quantities);

} // namespace PriceLevelStore
