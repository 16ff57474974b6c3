#include "settlement.h"

#include "shopcore/foundation/thaitext.h"

QString BillingKey(const QString& dueDate, const QString& invNo, const QString& custNo) {
    return QStringLiteral("0") + dueDate.mid(8, 2) + dueDate.mid(3, 2) + invNo.mid(4, 1) + custNo;
}

int SettlementFlag(const QString& creditTerm) {
    return creditTerm.trimmed() == CashTerm ? 1 : 0;
}

SavingFlags FlagsAtSaving(const QString& invDate, const QString& creditTerm, const QString& invNo,
                          const QString& custNo) {
    SavingFlags f;
    f.fgOk = SettlementFlag(creditTerm);
    f.fgBill = 0;
    f.dueDate = DueDateForTerm(invDate, creditTerm);
    f.pBill = BillingKey(f.dueDate, invNo, custNo);
    return f;
}
