#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// Where a program's open stock movements lie: purchase lines (Order1, code 2), sale lines
// (Invoice1, code 1) or the repair program's parts lines (Service1, code 1).
struct MovementSource {
    QString table;
    QString codeField;
    QString quantityField;
    int openCode = 0;

    static MovementSource purchases();
    static MovementSource sales();
    static MovementSource repairParts();
};

// One open movement line; its stock code becomes 0 once folded into the balance.
struct Movement {
    qint64 autoId = 0;
    QString code;
    double quantity = 0;
    int stockCode = 0;
};

// One side of a fold: the lines read from a source, all to be marked 0.
struct FoldedSide {
    MovementSource source;
    const QList<Movement>* lines = nullptr;
};

namespace StockMovements {

// The open lines of a source in entry order.
QList<Movement> readOpen(const QSqlDatabase& db, const MovementSource& source);
// Every product's stored balance PRO_TOTAL (an empty balance counts as 0), by code.
QHash<QString, double> balances(const QSqlDatabase& db);
// In one transaction: marks every line of the sides 0 and moves each product's PRO_TOTAL by
// its change. A line that no longer carries its open code (changed since it was read) fails
// the whole fold, so a balance never counts a movement twice or misses one. Throws
// StoreError; nothing is written then.
void fold(const QSqlDatabase& db, const QList<FoldedSide>& sides,
          const QHash<QString, double>& balanceChanges);

} // namespace StockMovements
