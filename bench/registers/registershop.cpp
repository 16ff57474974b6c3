#include "registershop.h"

#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/transaction.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

const QStringList Things = {"ปากกา", "ดินสอ",    "ยางลบ", "สมุด",      "กระดาษ", "แฟ้ม",   "กาว",
                            "เทป",   "ไม้บรรทัด", "คลิป",   "ถ่านไฟฉาย", "หลอดไฟ", "สายไฟ", "ปลั๊ก",
                            "น็อต",   "สกรู",     "ตะปู",   "สี",        "แปรง",   "ถุงมือ"};
const QStringList Kinds = {"แดง", "น้ำเงิน", "ดำ", "เขียว", "ใหญ่", "เล็ก", "ยาว", "สั้น"};

// Many rows per statement: one round trip for hundreds of rows on either engine.
class BulkInsert {
public:
    BulkInsert(const QSqlDatabase& db, QString head, int columns, int rowsPerStatement)
        : m_db(db), m_head(std::move(head)), m_columns(columns), m_rows(rowsPerStatement) {}
    ~BulkInsert() { flush(); }

    void add(const QVariantList& row) {
        m_values += row;
        if (m_values.size() == m_columns * m_rows)
            flush();
    }
    void flush() {
        if (m_values.isEmpty())
            return;
        const int rows = int(m_values.size()) / m_columns;
        QStringList marks;
        const QString one =
            QStringLiteral("(") + QStringList(m_columns, QStringLiteral("?")).join(',') + ')';
        for (int i = 0; i < rows; ++i)
            marks << one;
        QSqlQuery q(m_db);
        if (!q.prepare(m_head + QStringLiteral(" VALUES ") + marks.join(',')))
            throw StoreError(StoreError::Kind::Engine, QStringLiteral("generateRegisterShop"),
                             q.lastError().text());
        for (const QVariant& v : std::as_const(m_values))
            q.addBindValue(v);
        if (!q.exec())
            throw StoreError(StoreError::Kind::Engine, QStringLiteral("generateRegisterShop"),
                             q.lastError().text());
        m_values.clear();
    }

private:
    QSqlDatabase m_db;
    QString m_head;
    int m_columns;
    int m_rows;
    QVariantList m_values;
};

} // namespace

QString productCode(int n) {
    return QStringLiteral("885%1").arg(n, 10, 10, QLatin1Char('0'));
}

QString productName(int n) {
    return QStringLiteral("%1%2 %3")
        .arg(Things[n % Things.size()], Kinds[(n / Things.size()) % Kinds.size()])
        .arg(n);
}

void generateRegisterShop(const QSqlDatabase& db, const RegisterShopSize& size) {
    QRandomGenerator random(30);
    Transaction tx(db, Transaction::Lock::WriteLockNow);
    {
        BulkInsert products(db,
                            QStringLiteral("INSERT INTO product (pro_no, pro_name, pro_unit, "
                                           "pro_group, pro_bprice, pro_sprice, pro_total, "
                                           "pro_rorder, pro_sp2, pro_sp3, pro_sp4, pro_sp5)"),
                            12, 400);
        for (int n = 0; n < size.products; ++n) {
            const double cost = 1 + random.bounded(5000) / 10.0;
            products.add({productCode(n), productName(n), QStringLiteral("ชิ้น"),
                          QStringLiteral("G%1").arg(n % 50), cost, cost * 1.3,
                          double(random.bounded(100)), 5.0, cost * 1.25, cost * 1.2, cost * 1.15,
                          cost * 1.1});
        }
    }
    {
        BulkInsert purchases(
            db, QStringLiteral("INSERT INTO order1 (inv_no, pro_no, pro_qty, stk_post)"), 4, 500);
        BulkInsert sales(
            db, QStringLiteral("INSERT INTO invoice1 (inv_no, pro_no, pro_qty, stk_post)"), 4, 500);
        for (int n = 0; n < size.openLines; ++n) {
            const QString code = productCode(int(random.bounded(quint32(size.products))));
            const QString doc = QStringLiteral("DOC1%1").arg(n / 10, 6, 10, QLatin1Char('0'));
            const double qty = 1 + random.bounded(20);
            if (n % 2 == 0)
                purchases.add({doc, code, qty, 2.0});
            else
                sales.add({doc, code, qty, 1.0});
        }
    }
    tx.commit();
    runSql(db, QStringLiteral("ANALYZE"), "generateRegisterShop");
}
