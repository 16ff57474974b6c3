#pragma once

#include <QString>

// The cash term of CUST_CRE.
inline const QString CashTerm = QStringLiteral("สด");

// The billing key P_BILL: "0", the Buddhist year's last two digits and the month of the due
// date, the kind digit (the fifth character of the number) and the party code. Credit
// documents of one party and kind falling due in one month share it.
QString BillingKey(const QString& dueDate, const QString& invNo, const QString& custNo);

// FG_OK: 1 (settled) for a cash document, 0 (outstanding) for a credit one.
int SettlementFlag(const QString& creditTerm);

// What every document gets at saving, once its number is known.
struct SavingFlags {
    int fgOk = 0;
    int fgBill = 0;
    QString dueDate; // DueDateForTerm(INV_DATE, CUST_CRE)
    QString pBill;
};
SavingFlags FlagsAtSaving(const QString& invDate, const QString& creditTerm, const QString& invNo,
                          const QString& custNo);
