#include "schema.h"

// The trading documents: one header layout and one line layout, kept in four pairs of tables
// (sales, purchases, purchase orders, quotations), and the log of cancelled documents.
namespace Schema {

QList<Field> documentHeaderFields() {
    return {text("INV_NO", 11),
            text("RET_NO", 11),
            text("REF_BILL", 11),
            text("P_BILL", 11),
            text("INV_TYPE", 1),
            text("INV_DATE", 10),
            time("INV_TIME"),
            text("WARN_DATE", 10),
            text("RET_DATE", 10),
            text("CUST_NO", 5),
            text("CUST_NAME", 100),
            text("CUST_CARD", 13),
            text("CUST_BIRTH", 10),
            text("SALE_NO", 13),
            text("SALE_NAME", 50),
            text("REF_ORDER", 20),
            real("TAX_RATE"),
            real("TOTAL"),
            real("TAX"),
            real("SUM_TOTAL"),
            text("DUE_DATE", 10),
            text("GET_BILL", 10),
            smallInt("FG_BILL"),
            text("GET_MONEY", 10),
            smallInt("FG_MONEY"),
            text("MONEY_OK", 10),
            smallInt("FG_OK"),
            text("CUST_CRE", 6),
            real("CUST_DISC"),
            real("EARN"),
            real("DISCOUNT"),
            text("ID_CODE1", 20),
            text("ID_CODE2", 20),
            text("ID_CODE3", 20),
            text("ID_CODE4", 20),
            text("FP", 1),
            text("FG_END", 1),
            text("FG_BYE", 1)};
}

QList<Field> documentLineFields() {
    return {autoInc("AUTO"),     text("INV_NO", 11),  text("PRO_NO", 15),    text("PRO_NAME", 50),
            text("ATTRIB", 40),  text("ATTRIB2", 40), real("PRO_QTY"),       text("PRO_UNIT", 10),
            real("UNIT_PRICE"),  real("EARN"),        text("WARN_DATE", 10), real("DISCOUNT"),
            text("V_STATUS", 1), real("PRICE"),       real("S_PRICE"),       smallInt("FG_BILL"),
            text("P_BILL", 11),  real("STK_POST")};
}

QList<TableDef> documentPair(const QString& header, const QString& lines) {
    const QString invNo = QStringLiteral("INV_NO");
    // Billing groups the headers by P_BILL; lines are read per document and, for the stock
    // on hand, per product and posting code.
    return {TableDef{header,
                     documentHeaderFields(),
                     {invNo},
                     {{QStringLiteral("CUST_NO")},
                      {QStringLiteral("CUST_NAME")},
                      {QStringLiteral("CUST_CARD")},
                      {QStringLiteral("P_BILL")}},
                     {}},
            TableDef{
                lines,
                documentLineFields(),
                {QStringLiteral("AUTO")},
                // The quantity rides in the index so that the open-movement sums of
                // the stock on hand are read from the index alone.
                {{invNo},
                 {QStringLiteral("PRO_NO"), QStringLiteral("STK_POST"), QStringLiteral("PRO_QTY")}},
                {}}};
}

QList<TableDef> documentTables() {
    QList<TableDef> t;
    t += documentPair(QStringLiteral("Invoice"), QStringLiteral("Invoice1"));
    t += documentPair(QStringLiteral("Order0"), QStringLiteral("Order1"));
    t += documentPair(QStringLiteral("Tmpord"), QStringLiteral("Tmpord1"));
    t += documentPair(QStringLiteral("Quotation"), QStringLiteral("Quotation1"));

    // A document may be cancelled more than once over its life: no unique key.
    t << TableDef{QStringLiteral("Cancel"),
                  {text("CANC_NO", 11), text("CANC_DATE", 10), text("INV_NO", 11),
                   text("INV_DATE", 10), text("CANC_CODE", 10), text("CANC_NAME", 40)},
                  {},
                  {{QStringLiteral("CANC_NO")}},
                  {}};
    return t;
}

} // namespace Schema
