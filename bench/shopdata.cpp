#include "shopdata.h"

#include "shopcore/documents/documenttotals.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/thaitext.h"
#include "shopcore/foundation/transaction.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

const QStringList Goods = {
    QStringLiteral("น้ำดื่ม"),       QStringLiteral("น้ำปลา"),       QStringLiteral("ข้าวหอมมะลิ"),
    QStringLiteral("สบู่เหลว"),     QStringLiteral("ยาสีฟัน"),       QStringLiteral("แชมพู"),
    QStringLiteral("น้ำมันพืช"),     QStringLiteral("ผงซักฟอก"),     QStringLiteral("บะหมี่กึ่งสำเร็จรูป"),
    QStringLiteral("นมกล่อง"),     QStringLiteral("กาแฟสำเร็จรูป"), QStringLiteral("ซอสปรุงรส"),
    QStringLiteral("น้ำตาลทราย"),  QStringLiteral("ไข่ไก่"),        QStringLiteral("ขนมปังแผ่น"),
    QStringLiteral("ปลากระป๋อง"),  QStringLiteral("หลอดไฟ LED"),  QStringLiteral("ถ่านไฟฉาย"),
    QStringLiteral("สายยางรดน้ำ"), QStringLiteral("ตะปูเหล็ก"),     QStringLiteral("สีทาบ้าน"),
    QStringLiteral("ปูนซีเมนต์"),    QStringLiteral("ผ้าขนหนู"),      QStringLiteral("กระดาษทิชชู่")};
const QStringList Brands = {QStringLiteral("ตราช้าง"),    QStringLiteral("ตรานกแก้ว"),
                            QStringLiteral("ตราเสือ"),    QStringLiteral("ตราม้าบิน"),
                            QStringLiteral("ตราดอกบัว"),  QStringLiteral("ตรากุหลาบ"),
                            QStringLiteral("ตราปลาทอง"), QStringLiteral("ตราแมวดำ")};
const QStringList Sizes = {
    QStringLiteral("ขนาดเล็ก"), QStringLiteral("ขนาดกลาง"), QStringLiteral("ขนาดใหญ่"),
    QStringLiteral("แพ็ค 6"),   QStringLiteral("แพ็ค 12"),   QStringLiteral("1 กก."),
    QStringLiteral("5 กก."),   QStringLiteral("500 มล."),  QStringLiteral("1 ลิตร")};
const QStringList Units = {QStringLiteral("ขวด"), QStringLiteral("ถุง"),  QStringLiteral("กล่อง"),
                           QStringLiteral("ชิ้น"),  QStringLiteral("แพ็ค"), QStringLiteral("โหล")};
const QStringList FirstNames = {QStringLiteral("สมชาย"),   QStringLiteral("สมหญิง"),
                                QStringLiteral("วิชัย"),     QStringLiteral("มานี"),
                                QStringLiteral("ประเสริฐ"), QStringLiteral("สุดา"),
                                QStringLiteral("อนุชา"),    QStringLiteral("กัญญา")};
const QStringList LastNames = {QStringLiteral("ใจดี"),   QStringLiteral("รักไทย"),
                               QStringLiteral("ศรีสุข"),  QStringLiteral("มั่งมี"),
                               QStringLiteral("ทองคำ"), QStringLiteral("แก้วใส")};
const QStringList Provinces = {QStringLiteral("กรุงเทพมหานคร"), QStringLiteral("เชียงใหม่"),
                               QStringLiteral("ขอนแก่น"), QStringLiteral("สงขลา"),
                               QStringLiteral("ชลบุรี")};

class Inserter {
public:
    Inserter(const QSqlDatabase& db, const QString& table, const QStringList& fields) : m_q(db) {
        QStringList marks;
        for (qsizetype i = 0; i < fields.size(); ++i)
            marks << QStringLiteral("?");
        if (!m_q.prepare(
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, fields.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
            throw StoreError(StoreError::Kind::Engine, QStringLiteral("GenerateShopData"),
                             m_q.lastError().text());
    }
    void operator()(const QVariantList& values) {
        for (qsizetype i = 0; i < values.size(); ++i)
            m_q.bindValue(int(i), values[i]);
        if (!m_q.exec())
            throw StoreError(StoreError::Kind::Engine, QStringLiteral("GenerateShopData"),
                             m_q.lastError().text());
    }

private:
    QSqlQuery m_q;
};

template <typename T> const T& pick(QRandomGenerator& r, const QList<T>& list) {
    return list[r.bounded(int(list.size()))];
}

QString partyCode(int n) {
    return QString::number(n + 1).rightJustified(5, QLatin1Char('0'));
}

QString dateIn2547(QRandomGenerator& r) {
    return ThaiDateText(QDate(2004, 1, 1).addDays(r.bounded(366)));
}

struct Product {
    QString code;
    QString name;
    QString unit;
    Money price;
};

} // namespace

QString GeneratedProductCode(int n) {
    return QStringLiteral("885") + QString::number(n + 1).rightJustified(10, QLatin1Char('0'));
}

qint64 BenchSize(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 v =
        qEnvironmentVariable((QByteArray("TEKVO_BENCH_") + name).constData()).toLongLong(&ok);
    return ok && v >= 0 ? v : fallback;
}

qint64 GenerateShopData(const QSqlDatabase& db, const ShopSize& size, quint32 seed) {
    QRandomGenerator r(seed);
    QList<Product> products;
    products.reserve(size.products);
    {
        Transaction tx(db);
        Inserter insert(
            db, QStringLiteral("product"),
            {QStringLiteral("pro_no"), QStringLiteral("pro_name"), QStringLiteral("pro_group"),
             QStringLiteral("pro_bprice"), QStringLiteral("pro_sprice"), QStringLiteral("pro_sp2"),
             QStringLiteral("pro_sp3"), QStringLiteral("pro_total"), QStringLiteral("pro_unit"),
             QStringLiteral("pro_rorder"), QStringLiteral("f_vat")});
        for (int i = 0; i < size.products; ++i) {
            const Product p{GeneratedProductCode(i),
                            pick(r, Goods) + QLatin1Char(' ') + pick(r, Brands) + QLatin1Char(' ') +
                                pick(r, Sizes),
                            pick(r, Units), Money::fromUnits(r.bounded(5, 5000) * 2500)};
            insert({p.code, p.name, QString::number(r.bounded(1, 30)), (p.price.toDouble() * 0.8),
                    p.price.toDouble(), p.price.toDouble() * 0.97, p.price.toDouble() * 0.95,
                    double(r.bounded(0, 500)), p.unit, double(r.bounded(5, 50)),
                    QStringLiteral("1")});
            products << p;
        }
        tx.commit();
    }
    {
        Transaction tx(db);
        for (const auto& [table, count] : {std::pair{QStringLiteral("customer"), size.customers},
                                           std::pair{QStringLiteral("supply"), size.suppliers}}) {
            Inserter insert(db, table,
                            {QStringLiteral("cust_no"), QStringLiteral("cust_name"),
                             QStringLiteral("cust_add1"), QStringLiteral("cust_add4"),
                             QStringLiteral("cust_zip"), QStringLiteral("cust_tel"),
                             QStringLiteral("cust_cre"), QStringLiteral("cust_disc")});
            for (int i = 0; i < count; ++i) {
                const QString name = table == QLatin1String("supply")
                                         ? QStringLiteral("บริษัท ") + pick(r, LastNames) +
                                               QStringLiteral("เทรดดิ้ง จำกัด")
                                         : QStringLiteral("คุณ") + pick(r, FirstNames) +
                                               QLatin1Char(' ') + pick(r, LastNames);
                insert(
                    {partyCode(i), name,
                     QStringLiteral("%1/%2 ถนนสุขุมวิท").arg(r.bounded(1, 999)).arg(r.bounded(1, 99)),
                     pick(r, Provinces), QString::number(r.bounded(10000, 96000)),
                     QStringLiteral("02-%1").arg(r.bounded(1000000, 9999999)),
                     pick(r, CreditTerms()), 0.0});
            }
        }
        tx.commit();
    }

    qint64 lines = 0;
    auto documents = [&](const QString& headerTable, const QString& lineTable, int count,
                         int firstKind, int stockCode, int parties) {
        Transaction tx(db);
        const QStringList headerFields = {
            QStringLiteral("inv_no"),   QStringLiteral("inv_type"),  QStringLiteral("inv_date"),
            QStringLiteral("cust_no"),  QStringLiteral("cust_name"), QStringLiteral("tax_rate"),
            QStringLiteral("total"),    QStringLiteral("tax"),       QStringLiteral("sum_total"),
            QStringLiteral("due_date"), QStringLiteral("fg_bill"),   QStringLiteral("fg_ok"),
            QStringLiteral("cust_cre"), QStringLiteral("discount"),  QStringLiteral("p_bill")};
        Inserter header(db, headerTable, headerFields);
        Inserter line(db, lineTable,
                      {QStringLiteral("inv_no"), QStringLiteral("pro_no"),
                       QStringLiteral("pro_name"), QStringLiteral("pro_qty"),
                       QStringLiteral("pro_unit"), QStringLiteral("unit_price"),
                       QStringLiteral("earn"), QStringLiteral("discount"), QStringLiteral("price"),
                       QStringLiteral("stk_post")});
        const QStringList prefixes = {QStringLiteral("SALE"), QStringLiteral("VATS"),
                                      QStringLiteral("BUYN"), QStringLiteral("BUYV")};
        for (int d = 0; d < count; ++d) {
            const int kind = firstKind + (d % 2);
            const QString number = prefixes[kind - 1] + QString::number(kind) +
                                   QString::number(d / 2 + 1).rightJustified(6, QLatin1Char('0'));
            QList<Money> prices;
            for (int l = 0; l < size.linesPerDocument; ++l) {
                const Product& p = products[r.bounded(int(products.size()))];
                const double qty = r.bounded(1, 12);
                const Money price = LineAmount(qty, p.price, 0).price;
                const bool open = r.generateDouble() < size.openShare;
                line({number, p.code, p.name, qty, p.unit, p.price.toDouble(), 1.0, 0.0,
                      price.toDouble(), double(open ? stockCode : 0)});
                prices << price;
                ++lines;
            }
            const PosTotalsResult t = PosTotals(prices, std::nullopt, kind);
            const QString date = dateIn2547(r);
            const QString term = pick(r, CreditTerms());
            const QString due = DueDateForTerm(date, term);
            const QString party = partyCode(r.bounded(std::max(1, parties)));
            header({number, QString::number(kind), date, party, QStringLiteral("คุณลูกค้า"), t.taxRate,
                    t.net.toDouble(), t.tax.toDouble(), t.amountDue.toDouble(), due, 0,
                    term == CreditTerms().constFirst() ? 1 : 0, term, 0.0,
                    QStringLiteral("0") + due.mid(8, 2) + due.mid(3, 2) + QString::number(kind) +
                        party});
        }
        tx.commit();
    };
    documents(QStringLiteral("invoice"), QStringLiteral("invoice1"), size.saleDocuments, 1, 1,
              size.customers);
    documents(QStringLiteral("order0"), QStringLiteral("order1"), size.purchaseDocuments, 3, 2,
              size.suppliers);

    {
        Transaction tx(db);
        Inserter line(db, QStringLiteral("service1"),
                      {QStringLiteral("serv_no"), QStringLiteral("qty"), QStringLiteral("spr_no"),
                       QStringLiteral("descrip"), QStringLiteral("u_name"),
                       QStringLiteral("p_peru"), QStringLiteral("disc"), QStringLiteral("\"sum\""),
                       QStringLiteral("stk_post")});
        for (int i = 0; i < size.repairLines; ++i) {
            const Product& p = products[r.bounded(int(products.size()))];
            const bool open = r.generateDouble() < size.openShare;
            line({QStringLiteral("SRV") +
                      QString::number(i / 3 + 1).rightJustified(8, QLatin1Char('0')),
                  1.0, p.code, p.name.left(45), p.unit, p.price.toDouble(), 0.0, p.price.toDouble(),
                  double(open ? 1 : 0)});
            ++lines;
        }
        tx.commit();
    }
    return lines;
}
