#include "productreports.h"

#include "shopcore/print/listreport.h"

namespace {

const Qt::Alignment RightMiddle = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment CentreMiddle = Qt::AlignHCenter | Qt::AlignVCenter;
const QString CodeMask = QStringLiteral("#-######-######");

QString quantity(double value) {
    return QString::number(value, 'g', 12);
}

} // namespace

Report productSearchReport(const QList<ProductSearchRow>& rows, const QString& title,
                           const QString& priceCaption) {
    const QString amount = QStringLiteral("###,###,##0.00");
    const QList<ListColumn> columns{
        {QStringLiteral("ที่"), {}, {}, 10, CentreMiddle},
        {QStringLiteral("รหัสสินค้า"), QStringLiteral("code"), CodeMask, 33},
        {QStringLiteral("ชื่อสินค้า"), QStringLiteral("name"), {}, 58},
        {QStringLiteral("คงเหลือ"), QStringLiteral("onHand"), {}, 17, RightMiddle},
        {QStringLiteral("ราคาทุน"), QStringLiteral("cost"), amount, 22, RightMiddle},
        {QStringLiteral("มูลค่า"), QStringLiteral("value"), amount, 25, RightMiddle},
        {priceCaption, QStringLiteral("price"), amount, 22, RightMiddle},
    };
    QList<QVariantMap> data;
    Money total;
    for (const ProductSearchRow& r : rows) {
        const Money value = r.cost * Money::fromDouble(r.onHand);
        total += value;
        data << QVariantMap{{QStringLiteral("code"), r.code.trimmed()},
                            {QStringLiteral("name"), r.name.trimmed()},
                            {QStringLiteral("onHand"), quantity(r.onHand)},
                            {QStringLiteral("cost"), QVariant::fromValue(r.cost)},
                            {QStringLiteral("value"), QVariant::fromValue(value)},
                            {QStringLiteral("price"), QVariant::fromValue(r.price)}};
    }
    return listReport(title, columns, data,
                      {{QStringLiteral("รวม"), total.format(2), QStringLiteral("value")}});
}

Report productListReport(const QList<ProductListRow>& rows) {
    const QString amount = QStringLiteral("0.00");
    const QList<ListColumn> columns{
        {QStringLiteral("ที่"), {}, {}, 10, CentreMiddle},
        {QStringLiteral("รหัสสินค้า"), QStringLiteral("code"), CodeMask, 33},
        {QStringLiteral("ชื่อสินค้า"), QStringLiteral("name"), {}, 55},
        {QStringLiteral("ราคาทุน"), QStringLiteral("cost"), amount, 22, RightMiddle},
        {QStringLiteral("ราคาขาย"), QStringLiteral("price"), amount, 22, RightMiddle},
        {QStringLiteral("จำนวนคงเหลือ"), QStringLiteral("balance"), {}, 20, RightMiddle},
        {QStringLiteral("มูลค่าทุน"), QStringLiteral("value"), amount, 25, RightMiddle},
    };
    QList<QVariantMap> data;
    Money total;
    for (const ProductListRow& r : rows) {
        const Money value = r.cost * Money::fromDouble(r.storedBalance);
        total += value;
        data << QVariantMap{{QStringLiteral("code"), r.code.trimmed()},
                            {QStringLiteral("name"), r.name.trimmed()},
                            {QStringLiteral("cost"), QVariant::fromValue(r.cost)},
                            {QStringLiteral("price"), QVariant::fromValue(r.price)},
                            {QStringLiteral("balance"), quantity(r.storedBalance)},
                            {QStringLiteral("value"), QVariant::fromValue(value)}};
    }
    Report report = listReport(
        QStringLiteral("รายงานสินค้า"), columns, data,
        {{QStringLiteral("รวมราคาทุน"), total.format(2, false), QStringLiteral("value")}});
    return report;
}
