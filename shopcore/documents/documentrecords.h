#pragma once

#include "shopcore/foundation/money.h"

#include <QList>
#include <QString>
#include <QTime>
#include <QVariantMap>
#include <optional>

// The header of a trading document as the document screens write it. Fields the screens
// never write (RET_NO, GET_BILL, ...) are left alone: null in new records, untouched when a
// saved document is written again. Optional fields are written only when set, so that the
// till and the document-entry screen do not clear each other's fields.
struct DocumentHeader {
    QString invNo;
    QString invType;
    QString invDate;
    std::optional<QTime> invTime; // the till only
    QString custNo;
    QString custName;
    std::optional<QString> custCard;  // document entry only
    std::optional<QString> custBirth; // document entry only
    QString saleNo;
    QString saleName;
    std::optional<QString> refOrder;
    double taxRate = 0;
    Money total;
    Money tax;
    Money sumTotal;
    QString dueDate;
    int fgBill = 0;
    int fgOk = 0;
    QString custCre;
    std::optional<double> custDisc;
    Money discount;
    QString pBill;
    std::optional<QString> idCode1; // the operator, on the till

    QVariantMap values() const;
    static DocumentHeader fromRow(const QVariantMap& row);
};

// One line of a document. A free-text line has no stock code (STK_POST null).
struct DocumentLine {
    std::optional<qint64> autoId; // set once stored
    QString invNo;
    QString proNo;
    QString proName;
    std::optional<QString> attrib;
    std::optional<QString> attrib2;
    double proQty = 0;
    std::optional<QString> proUnit;
    std::optional<Money> unitPrice; // empty on a till line below the first price level
    double earn = 1;
    std::optional<QString> warnDate;
    double discount = 0;
    std::optional<QString> vStatus;
    Money price;
    std::optional<QString> pBill; // the unit name on till lines
    std::optional<int> stkPost;

    QVariantMap values() const; // without AUTO
    static DocumentLine fromRow(const QVariantMap& row);
};

struct Document {
    DocumentHeader header;
    QList<DocumentLine> lines;
};
