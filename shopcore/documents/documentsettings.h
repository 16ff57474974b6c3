#pragma once

#include "documentnumber.h"
#include "lineamount.h"

#include <QSqlDatabase>

// What the document screens read once on their first activation.

// PREFIX1 .. PREFIX4 of a settings table: Kelmsys, or Sevrsys in the repair program.
SeriesPrefixes ReadSeriesPrefixes(const QSqlDatabase& db,
                                  const QString& settingsTable = QStringLiteral("Kelmsys"));
// SCALE1 .. SCALE5 of the price levels.
PriceLevels ReadPriceLevels(const QSqlDatabase& db);
