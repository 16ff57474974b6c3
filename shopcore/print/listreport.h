#pragma once

#include "shopcore/print/reportdefinition.h"

// A plain printed list: a title with today's date, column headings, one row per record with
// its running number, a total at the end and the page number at the foot. The product lists
// are built on it.
struct ListColumn {
    QString caption;
    QString field; // key of the rows; empty: the running number
    QString mask;
    double width = 20; // mm
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

struct ListTotal {
    QString caption;
    QString value;      // already formatted
    QString underField; // printed under the column of this field
};

Report listReport(const QString& title, const QList<ListColumn>& columns,
                  const QList<QVariantMap>& rows, const QList<ListTotal>& totals);
