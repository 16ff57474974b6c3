#include "documentrecords.h"

#include "shopcore/foundation/sql.h"

namespace {

template <typename T> void putIf(QVariantMap& m, const char* field, const std::optional<T>& v) {
    if (v)
        m.insert(QString::fromLatin1(field), QVariant::fromValue(*v));
}

std::optional<QString> optText(const QVariantMap& row, const char* field) {
    const QVariant v = row.value(QString::fromLatin1(field));
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

} // namespace

QVariantMap DocumentHeader::values() const {
    QVariantMap m{{QStringLiteral("INV_NO"), invNo},
                  {QStringLiteral("INV_TYPE"), invType},
                  {QStringLiteral("INV_DATE"), invDate},
                  {QStringLiteral("CUST_NO"), custNo},
                  {QStringLiteral("CUST_NAME"), custName},
                  {QStringLiteral("SALE_NO"), saleNo},
                  {QStringLiteral("SALE_NAME"), saleName},
                  {QStringLiteral("TAX_RATE"), taxRate},
                  {QStringLiteral("TOTAL"), total.toDouble()},
                  {QStringLiteral("TAX"), tax.toDouble()},
                  {QStringLiteral("SUM_TOTAL"), sumTotal.toDouble()},
                  {QStringLiteral("DUE_DATE"), dueDate},
                  {QStringLiteral("FG_BILL"), fgBill},
                  {QStringLiteral("FG_OK"), fgOk},
                  {QStringLiteral("CUST_CRE"), custCre},
                  {QStringLiteral("DISCOUNT"), discount.toDouble()},
                  {QStringLiteral("P_BILL"), pBill}};
    putIf(m, "INV_TIME", invTime);
    putIf(m, "CUST_CARD", custCard);
    putIf(m, "CUST_BIRTH", custBirth);
    putIf(m, "REF_ORDER", refOrder);
    putIf(m, "CUST_DISC", custDisc);
    putIf(m, "ID_CODE1", idCode1);
    return m;
}

DocumentHeader DocumentHeader::fromRow(const QVariantMap& row) {
    DocumentHeader h;
    h.invNo = textOf(row, "INV_NO");
    h.invType = textOf(row, "INV_TYPE");
    h.invDate = textOf(row, "INV_DATE");
    const QVariant time = row.value(QStringLiteral("INV_TIME"));
    if (!time.isNull())
        h.invTime = time.toTime();
    h.custNo = textOf(row, "CUST_NO");
    h.custName = textOf(row, "CUST_NAME");
    h.custCard = optText(row, "CUST_CARD");
    h.custBirth = optText(row, "CUST_BIRTH");
    h.saleNo = textOf(row, "SALE_NO");
    h.saleName = textOf(row, "SALE_NAME");
    h.refOrder = optText(row, "REF_ORDER");
    h.taxRate = row.value(QStringLiteral("TAX_RATE")).toDouble();
    h.total = amountOf(row, "TOTAL");
    h.tax = amountOf(row, "TAX");
    h.sumTotal = amountOf(row, "SUM_TOTAL");
    h.dueDate = textOf(row, "DUE_DATE");
    h.fgBill = row.value(QStringLiteral("FG_BILL")).toInt();
    h.fgOk = row.value(QStringLiteral("FG_OK")).toInt();
    h.custCre = textOf(row, "CUST_CRE");
    const QVariant disc = row.value(QStringLiteral("CUST_DISC"));
    if (!disc.isNull())
        h.custDisc = disc.toDouble();
    h.discount = amountOf(row, "DISCOUNT");
    h.pBill = textOf(row, "P_BILL");
    h.idCode1 = optText(row, "ID_CODE1");
    return h;
}

QVariantMap DocumentLine::values() const {
    QVariantMap m{{QStringLiteral("INV_NO"), invNo},
                  {QStringLiteral("PRO_NO"), proNo},
                  {QStringLiteral("PRO_NAME"), proName},
                  {QStringLiteral("PRO_QTY"), proQty},
                  {QStringLiteral("EARN"), earn},
                  {QStringLiteral("DISCOUNT"), discount},
                  {QStringLiteral("PRICE"), price.toDouble()},
                  // A free-text line carries no stock code at all.
                  {QStringLiteral("STK_POST"),
                   stkPost ? QVariant(double(*stkPost)) : QVariant(QMetaType(QMetaType::Double))}};
    putIf(m, "ATTRIB", attrib);
    putIf(m, "ATTRIB2", attrib2);
    putIf(m, "PRO_UNIT", proUnit);
    if (unitPrice)
        m.insert(QStringLiteral("UNIT_PRICE"), unitPrice->toDouble());
    putIf(m, "WARN_DATE", warnDate);
    putIf(m, "V_STATUS", vStatus);
    putIf(m, "P_BILL", pBill);
    return m;
}

DocumentLine DocumentLine::fromRow(const QVariantMap& row) {
    DocumentLine l;
    const QVariant id = row.value(QStringLiteral("AUTO"));
    if (!id.isNull())
        l.autoId = id.toLongLong();
    l.invNo = textOf(row, "INV_NO");
    l.proNo = textOf(row, "PRO_NO");
    l.proName = textOf(row, "PRO_NAME");
    l.attrib = optText(row, "ATTRIB");
    l.attrib2 = optText(row, "ATTRIB2");
    l.proQty = row.value(QStringLiteral("PRO_QTY")).toDouble();
    l.proUnit = optText(row, "PRO_UNIT");
    const QVariant unitPrice = row.value(QStringLiteral("UNIT_PRICE"));
    if (!unitPrice.isNull())
        l.unitPrice = Money::fromDouble(unitPrice.toDouble());
    l.earn = row.value(QStringLiteral("EARN")).toDouble();
    l.warnDate = optText(row, "WARN_DATE");
    l.discount = row.value(QStringLiteral("DISCOUNT")).toDouble();
    l.vStatus = optText(row, "V_STATUS");
    l.price = amountOf(row, "PRICE");
    l.pBill = optText(row, "P_BILL");
    const QVariant stk = row.value(QStringLiteral("STK_POST"));
    if (!stk.isNull())
        l.stkPost = int(stk.toDouble());
    return l;
}
