#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

// Small builders of shop data for the document and stock tests.
namespace Build {

void product(const QSqlDatabase& db, const QString& code, double total,
             const QString& name = QStringLiteral("สินค้าทดสอบ"));
// A document header of a table with only its number (and kind digit).
void header(const QSqlDatabase& db, const QString& table, const QString& invNo);
// A line of a document line table (Invoice1, Order1, ...); no code for a free-text line.
qint64 line(const QSqlDatabase& db, const QString& table, const QString& invNo, const QString& code,
            double quantity, std::optional<int> stockCode);
// A parts line of a repair job (Service1).
qint64 repairLine(const QSqlDatabase& db, const QString& jobNo, const QString& code,
                  double quantity, int stockCode);
// PREFIX1 .. PREFIX4 of the shop record.
void prefixes(const QSqlDatabase& db, const QString& p1, const QString& p2, const QString& p3,
              const QString& p4);

double productTotal(const QSqlDatabase& db, const QString& code);
qint64 count(const QSqlDatabase& db, const QString& tableAndWhere);

} // namespace Build
