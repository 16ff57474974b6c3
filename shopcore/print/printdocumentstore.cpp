#include "printdocumentstore.h"

#include "shopcore/foundation/sql.h"

#include <QSqlQuery>
#include <QTime>

namespace {

struct DocumentTables {
    const char* header;
    const char* lines;
    const char* party;
};

std::optional<DocumentTables> tablesOf(int kind) {
    switch (kind) {
    case 1:
    case 2:
        return DocumentTables{"invoice", "invoice1", "customer"};
    case 3:
    case 4:
        return DocumentTables{"order0", "order1", "supply"};
    case 5:
        return DocumentTables{"tmpord", "tmpord1", "supply"};
    case 6:
        return DocumentTables{"quotation", "quotation1", "customer"};
    default:
        return std::nullopt;
    }
}

double real(const QVariantMap& row, const char* field) {
    return row.value(QString::fromLatin1(field)).toDouble();
}

QString timeText(const QVariant& value) {
    if (value.isNull())
        return {};
    const QTime time = value.toTime();
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : value.toString().left(8);
}

PartyRecord partyOf(const QVariantMap& r) {
    PartyRecord p;
    p.code = textOf(r, "CUST_NO");
    p.name = textOf(r, "CUST_NAME");
    p.address1 = textOf(r, "CUST_ADD1");
    p.address2 = textOf(r, "CUST_ADD2");
    p.province = textOf(r, "CUST_ADD4");
    p.zip = textOf(r, "CUST_ZIP");
    p.tel = textOf(r, "CUST_TEL");
    p.fax = textOf(r, "CUST_FAX");
    return p;
}

PrintHeader headerOf(const QVariantMap& r) {
    PrintHeader h;
    h.number = textOf(r, "INV_NO");
    h.kind = textOf(r, "INV_TYPE");
    h.date = textOf(r, "INV_DATE");
    h.time = timeText(r.value(QStringLiteral("INV_TIME")));
    h.partyCode = textOf(r, "CUST_NO");
    h.partyName = textOf(r, "CUST_NAME");
    h.reference = textOf(r, "REF_ORDER");
    h.creditTerm = textOf(r, "CUST_CRE");
    h.dueDate = textOf(r, "DUE_DATE");
    h.salesCode = textOf(r, "SALE_NO");
    h.salesName = textOf(r, "SALE_NAME");
    h.taxRate = real(r, "TAX_RATE");
    h.partyDiscount = real(r, "CUST_DISC");
    h.discount = amountOf(r, "DISCOUNT");
    h.total = amountOf(r, "TOTAL");
    h.tax = amountOf(r, "TAX");
    h.amountDue = amountOf(r, "SUM_TOTAL");
    return h;
}

PrintLine lineOf(const QVariantMap& r) {
    PrintLine l;
    l.productCode = textOf(r, "PRO_NO");
    l.productName = textOf(r, "PRO_NAME");
    l.detail = textOf(r, "ATTRIB");
    l.detail2 = textOf(r, "ATTRIB2");
    l.quantity = real(r, "PRO_QTY");
    // Till lines keep the unit name in P_BILL and leave PRO_UNIT empty.
    l.unit = textOf(r, "PRO_UNIT");
    if (l.unit.trimmed().isEmpty())
        l.unit = textOf(r, "P_BILL");
    l.unitPrice = amountOf(r, "UNIT_PRICE");
    l.discount = real(r, "DISCOUNT");
    l.price = amountOf(r, "PRICE");
    return l;
}

} // namespace

std::optional<PrintDocument> PrintDocumentStore::load(const QString& number, int kind) const {
    if (kind == 0 && number.size() >= 5)
        kind = number.mid(4, 1).toInt();
    const auto tables = tablesOf(kind);
    if (!tables)
        return std::nullopt;
    const QVariantMap byNumber{{QStringLiteral("NO"), number.trimmed()}};
    QSqlQuery header = runSql(
        m_db,
        QStringLiteral("select * from %1 where inv_no = :NO").arg(QLatin1String(tables->header)),
        byNumber, "PrintDocumentStore::load");
    if (!header.next())
        return std::nullopt;
    PrintDocument doc;
    doc.header = headerOf(rowOf(header));
    if (doc.header.kind.trimmed().isEmpty())
        doc.header.kind = QString::number(kind);

    QSqlQuery lines = runSql(m_db,
                             QStringLiteral("select * from %1 where inv_no = :NO order by auto")
                                 .arg(QLatin1String(tables->lines)),
                             byNumber, "PrintDocumentStore::load");
    while (lines.next())
        doc.lines << lineOf(rowOf(lines));

    QSqlQuery party = runSql(
        m_db,
        QStringLiteral("select * from %1 where cust_no = :CODE").arg(QLatin1String(tables->party)),
        {{QStringLiteral("CODE"), doc.header.partyCode}}, "PrintDocumentStore::load");
    if (party.next())
        doc.party = partyOf(rowOf(party));
    doc.shop = shop();
    return doc;
}

ShopRecord PrintDocumentStore::shop() const {
    ShopRecord s;
    QSqlQuery q = runSql(m_db, QStringLiteral("select * from kelmsys"), "PrintDocumentStore::shop");
    if (!q.next())
        return s;
    const QVariantMap r = rowOf(q);
    s.name = textOf(r, "OF_NAME");
    s.taxId = textOf(r, "OF_TAXID");
    s.address1 = textOf(r, "OF_ADD1");
    s.address2 = textOf(r, "OF_ADD2");
    s.province = textOf(r, "OF_ADD4");
    s.zip = textOf(r, "OF_ZIP");
    s.tel = textOf(r, "OF_TEL");
    s.fax = textOf(r, "OF_FAX");
    s.email = textOf(r, "OF_EMAIL");
    const QByteArray logo = r.value(QStringLiteral("OF_LOGO")).toByteArray();
    if (!logo.isEmpty())
        s.logo = QImage::fromData(logo);
    s.paperSetting = textOf(r, "LINE1");
    s.logoSetting = textOf(r, "LINE4");
    s.printTop = real(r, "PRN_TOP");
    s.printLeft = real(r, "PRN_LEFT");
    return s;
}

std::optional<PartyRecord> PrintDocumentStore::customer(const QString& code) const {
    QSqlQuery q = runSql(m_db, QStringLiteral("select * from customer where cust_no = :CODE"),
                         {{QStringLiteral("CODE"), code}}, "PrintDocumentStore::customer");
    if (!q.next())
        return std::nullopt;
    return partyOf(rowOf(q));
}

QList<ProductListRow> PrintDocumentStore::productList(ProductListOrder order) const {
    QSqlQuery q = runSql(m_db,
                         order == ProductListOrder::ByName
                             ? QStringLiteral("select * from product order by pro_name")
                             : QStringLiteral("select * from product order by pro_no"),
                         "PrintDocumentStore::productList");
    QList<ProductListRow> out;
    while (q.next()) {
        const QVariantMap r = rowOf(q);
        out << ProductListRow{textOf(r, "PRO_NO"), textOf(r, "PRO_NAME"), amountOf(r, "PRO_BPRICE"),
                              amountOf(r, "PRO_SPRICE"), real(r, "PRO_TOTAL")};
    }
    return out;
}
