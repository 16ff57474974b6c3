#include "posstore.h"

#include "shopcore/documents/documentsettings.h"
#include "shopcore/documents/stockonhand.h"
#include "shopcore/foundation/sql.h"

namespace {

// A one-character setting read as a number, as the till has always done; what is not a
// number counts as 0.
int numberSetting(const QVariant& value) {
    return textOf(value).trimmed().toInt();
}

QList<PosProduct> productsOf(const QList<QVariantMap>& rows) {
    QList<PosProduct> out;
    out.reserve(rows.size());
    for (const QVariantMap& row : rows)
        out << PosProduct::fromRow(row);
    return out;
}

} // namespace

PosCustomer PosCustomer::fromRow(const QVariantMap& row) {
    PosCustomer c;
    c.code = textOf(row, "CUST_NO");
    c.name = textOf(row, "CUST_NAME");
    c.address1 = textOf(row, "CUST_ADD1");
    c.address2 = textOf(row, "CUST_ADD2");
    c.province = textOf(row, "CUST_ADD4");
    c.tel = textOf(row, "CUST_TEL");
    c.fax = textOf(row, "CUST_FAX");
    c.creditTerm = textOf(row, "CUST_CRE");
    return c;
}

PosProduct PosProduct::fromRow(const QVariantMap& row) {
    PosProduct p;
    p.code = textOf(row, "PRO_NO");
    p.name = textOf(row, "PRO_NAME");
    p.unit = textOf(row, "PRO_UNIT");
    p.vatFlag = textOf(row, "F_VAT");
    p.prices = LevelPrices::of(row);
    p.cost = Money::fromDouble(row.value(QStringLiteral("PRO_BPRICE")).toDouble());
    p.storedBalance = row.value(QStringLiteral("PRO_TOTAL")).toDouble();
    p.row = row;
    return p;
}

PosStore::PosStore(const QSqlDatabase& db)
    : m_db(db), m_products(db, QStringLiteral("Product"), QStringLiteral("PRO_NO"),
                           QStringLiteral("PRO_NAME")),
      m_customers(db, QStringLiteral("Customer"), QStringLiteral("CUST_NO"),
                  QStringLiteral("CUST_NAME")) {}

PosSettings PosStore::settings() const {
    PosSettings s;
    QSqlQuery q =
        runSql(m_db, QStringLiteral("SELECT of_name, line5, view1, com_port FROM kelmsys"),
               "PosStore::settings");
    if (q.next()) {
        s.shopName = textOf(q.value(0));
        s.slipLayout = numberSetting(q.value(1));
        s.printMode = numberSetting(q.value(2));
        s.comPort = textOf(q.value(3));
    }
    s.prefixes = ReadSeriesPrefixes(m_db);
    return s;
}

PriceLevels PosStore::priceLevels() const {
    return ReadPriceLevels(m_db);
}

QList<Salesperson> PosStore::salespeople() const {
    QList<Salesperson> out;
    QSqlQuery q =
        runSql(m_db, QStringLiteral("SELECT sale_no, sale_name FROM sale ORDER BY sale_no"),
               "PosStore::salespeople");
    while (q.next())
        out << Salesperson{textOf(q.value(0)), textOf(q.value(1))};
    return out;
}

std::optional<PosCustomer> PosStore::customerStartingWith(const QString& text) const {
    // Every code that begins with the text sorts at or after it; the first of those is the
    // nearest code, when it begins with the text at all.
    const auto found = m_customers.nearest(RegisterOrder::Code, text);
    if (!found)
        return std::nullopt;
    PosCustomer c = PosCustomer::fromRow(*found);
    if (!c.code.startsWith(text))
        return std::nullopt;
    return c;
}

QList<PosCustomer> PosStore::customers() const {
    QList<PosCustomer> out;
    QSqlQuery q = runSql(m_db, QStringLiteral("SELECT * FROM customer ORDER BY cust_no"),
                         "PosStore::customers");
    while (q.next())
        out << PosCustomer::fromRow(rowOf(q));
    return out;
}

std::optional<PosProduct> PosStore::product(const QString& code) const {
    const auto row = m_products.find(code);
    if (!row)
        return std::nullopt;
    return PosProduct::fromRow(*row);
}

double PosStore::onHand(const QString& code) const {
    return StockOnHand(m_db, code, RepairLines::Ignored);
}

std::optional<PosProduct> PosStore::first(RegisterOrder order) const {
    const auto row = m_products.first(order);
    if (!row)
        return std::nullopt;
    return PosProduct::fromRow(*row);
}

std::optional<PosProduct> PosStore::nearestName(const QString& text) const {
    const auto row = m_products.nearest(RegisterOrder::Name, text);
    if (!row)
        return std::nullopt;
    return PosProduct::fromRow(*row);
}

QList<PosProduct> PosStore::following(RegisterOrder order, const PosProduct& from,
                                      int count) const {
    return productsOf(m_products.following(order, from.row, count));
}

QList<PosProduct> PosStore::preceding(RegisterOrder order, const PosProduct& from,
                                      int count) const {
    return productsOf(m_products.preceding(order, from.row, count));
}
