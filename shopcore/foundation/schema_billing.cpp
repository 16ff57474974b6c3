#include "schema.h"

// Billing notes: one record per billing key of a party and due month.
namespace Schema {

QList<TableDef> billingTables() {
    return {TableDef{QStringLiteral("PBILL"),
                     {text("P_BILL", 11), text("P_DATE", 10), smallInt("P_COUNT"),
                      real("P_SUMTOTAL"), text("CUST_NO", 5), text("CUST_NAME", 80),
                      text("DUE_DATE", 10), smallInt("F_MONEY"), real("M_PRICE"),
                      text("M_DATE", 10), smallInt("F_CHEQUE"), real("C_PRICE"), text("C_DATE", 10),
                      text("BANK", 40), text("BRANCH", 40), text("CHE_NO", 7), smallInt("CHE_OK")},
                     {QStringLiteral("P_BILL")},
                     {{QStringLiteral("CUST_NO")}},
                     {}}};
}

} // namespace Schema
