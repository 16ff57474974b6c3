#pragma once

#include <QSqlDatabase>
#include <QString>

// The number queue (Que): the last number issued in each document series.
namespace NumberQueue {

// Restarts the flat-rate sale series (QUE_INV_N) under a new prefix and returns its head, the
// prefix followed by "1". The queue gets the head followed by six zeros, or the highest number
// of that head already among the sales, so that the next till sale never takes a number that
// is in use.
QString reseedFlatRateSales(const QSqlDatabase& db, const QString& prefix);

// The text of one queue field ("QUE_INV_N", ...); empty before the first number.
QString last(const QSqlDatabase& db, const QString& field);

} // namespace NumberQueue
