#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>

// Stock on hand = stored balance PRO_TOTAL + open purchase lines (Order1, code 2)
// - open sale lines (Invoice1, code 1) - open repair withdrawals (Service1, code 1).
// Quantities are floats, as stored. The POS leaves the repair withdrawals out.
enum class RepairLines { Counted, Ignored };

double StockOnHand(const QSqlDatabase& db, const QString& productCode,
                   RepairLines repairs = RepairLines::Counted);

// The three grouped sums of open movements, read once for a whole list of products.
struct OpenMovements {
    QHash<QString, double> purchases;
    QHash<QString, double> sales;
    QHash<QString, double> repairs;

    static OpenMovements read(const QSqlDatabase& db);
    double onHand(const QString& productCode, double storedBalance,
                  RepairLines repairLines = RepairLines::Counted) const;
};
