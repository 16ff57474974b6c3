#include "posfixture.h"

#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

#include <gtest/gtest.h>

namespace PosShop {

void product(const QSqlDatabase& db, const Product& p) {
    Records::insert(db, QStringLiteral("Product"),
                    {{QStringLiteral("PRO_NO"), QString::fromUtf8(p.code)},
                     {QStringLiteral("PRO_NAME"), QString::fromUtf8(p.name)},
                     {QStringLiteral("PRO_BPRICE"), p.price / 2},
                     {QStringLiteral("PRO_SPRICE"), p.price},
                     {QStringLiteral("PRO_SP2"), p.price * 0.9},
                     {QStringLiteral("PRO_SP3"), p.price * 0.8},
                     {QStringLiteral("PRO_SP4"), p.price * 0.7},
                     {QStringLiteral("PRO_SP5"), p.price * 0.6},
                     {QStringLiteral("PRO_TOTAL"), p.stock},
                     {QStringLiteral("PRO_UNIT"), QString::fromUtf8(p.unit)},
                     {QStringLiteral("F_VAT"), QString::fromUtf8(p.vat)}},
                    "PosShop::product");
}

void customer(const QSqlDatabase& db, const QString& code, const QString& name,
              const QString& creditTerm, const QString& tel, const QString& fax) {
    Records::insert(db, QStringLiteral("Customer"),
                    {{QStringLiteral("CUST_NO"), code},
                     {QStringLiteral("CUST_NAME"), name},
                     {QStringLiteral("CUST_ADD1"), QStringLiteral(" 12 ถนนสุขุมวิท ")},
                     {QStringLiteral("CUST_ADD2"), QStringLiteral("แขวงคลองเตย ")},
                     {QStringLiteral("CUST_ADD4"), QStringLiteral("กรุงเทพฯ ")},
                     {QStringLiteral("CUST_TEL"), tel},
                     {QStringLiteral("CUST_FAX"), fax},
                     {QStringLiteral("CUST_CRE"), creditTerm}},
                    "PosShop::customer");
}

void setting(const QSqlDatabase& db, const char* field, const QString& value) {
    Records::updateSingle(db, QStringLiteral("Kelmsys"), {{QString::fromLatin1(field), value}},
                          "PosShop::setting");
}

QString queued(const QSqlDatabase& db, const char* field) {
    return textOf(scalar(db, QStringLiteral("SELECT %1 FROM que").arg(QString::fromLatin1(field)),
                         {}, "PosShop::queued"));
}

QStringList savedNumbers(const QSqlDatabase& db) {
    QStringList out;
    QSqlQuery q = runSql(db,
                         QStringLiteral("SELECT inv_no FROM invoice WHERE inv_no NOT IN "
                                        "('SALE1000000', 'VATS2000000') ORDER BY inv_no"),
                         "PosShop::savedNumbers");
    while (q.next())
        out << q.value(0).toString();
    return out;
}

void seed(const QSqlDatabase& db) {
    Records::updateSingle(db, QStringLiteral("Kelmsys"),
                          {{QStringLiteral("OF_NAME"), QStringLiteral("ร้านทดสอบ")},
                           {QStringLiteral("PREFIX1"), QStringLiteral("SALE")},
                           {QStringLiteral("PREFIX2"), QStringLiteral("VATS")},
                           {QStringLiteral("LINE5"), QStringLiteral("2")},
                           {QStringLiteral("VIEW1"), QStringLiteral("0")},
                           {QStringLiteral("COM_PORT"), QStringLiteral("0")}},
                          "PosShop::seed");
    Records::updateSingle(db, QStringLiteral("scale"),
                          {{QStringLiteral("SCALE1"), 1.0},
                           {QStringLiteral("SCALE2"), 10.0},
                           {QStringLiteral("SCALE3"), 20.0},
                           {QStringLiteral("SCALE4"), 50.0},
                           {QStringLiteral("SCALE5"), 100.0}},
                          "PosShop::seed");
    for (const char* n : {"SALE1000000", "VATS2000000"})
        Records::insert(db, QStringLiteral("Invoice"),
                        {{QStringLiteral("INV_NO"), QString::fromLatin1(n)},
                         {QStringLiteral("INV_TYPE"), QString::fromLatin1(n).mid(4, 1)}},
                        "PosShop::seed");
    Records::updateSingle(db, QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("SALE1000000")},
                           {QStringLiteral("QUE_INV_V"), QStringLiteral("VATS2000000")}},
                          "PosShop::seed");
    product(db, {"8850001", "น้ำดื่ม 600 มล.", 10, 100});
    product(db, {"8850002", "ขนมปังแผ่น", 25, 1, "ถุง"});
    product(db, {"8850003", "นมสด 1 ลิตร", 45.5, 2.5, "กล่อง", "0"});
    product(db, {"8850004", "สบู่ก้อน", 33.3333, 1000});
    customer(db, QStringLiteral("00001"), QStringLiteral("ลูกค้าเงินสด"), QStringLiteral("สด"),
             QStringLiteral("02-111-2222"), QStringLiteral("02-111-2223"));
    customer(db, QStringLiteral("00020"), QStringLiteral("บริษัท เครดิต จำกัด"),
             QStringLiteral("30 ว."), QStringLiteral("02-333-4444"));
    customer(db, QStringLiteral("01000"), QStringLiteral("คุณสมหญิง"), QStringLiteral("สด"));
    for (const auto& [code, name] : {std::pair{"S01", "สมชาย ขายเก่ง"}, {"S02", "สมศรี ใจดี"}})
        Records::insert(db, QStringLiteral("Sale"),
                        {{QStringLiteral("SALE_NO"), QString::fromUtf8(code)},
                         {QStringLiteral("SALE_NAME"), QString::fromUtf8(name)}},
                        "PosShop::seed");
}

} // namespace PosShop

PosTill::PosTill(const TestDatabase& db, int kind, const AliasEntry* alias) {
    m_program.edition = QStringLiteral("Pellun");
    m_program.loginName = QStringLiteral("cashier1");
    m_sale = std::make_unique<PosSale>(alias ? *alias : db.alias(), kind, m_program, m_prompter);
    m_sale->setClock([] { return PosShop::Now; });
    m_sale->setSlipPrinter(
        [this](const PosSlipRequest& request, const QSqlDatabase&) { m_printed << request; });
    EXPECT_TRUE(m_sale->activate());
}

void PosTill::customer(const QString& code) {
    m_sale->setCustomerCodeText(code);
    m_sale->enterCustomerCode();
}

void PosTill::scan(const QString& code) {
    m_sale->setCodeText(code);
    m_sale->enterProductCode();
}

void PosTill::key(char key) {
    m_sale->productCodeKey(QChar::fromLatin1(key));
}

void PosTill::quantity(const QString& text) {
    key('*');
    m_sale->setQuantityText(text);
    m_sale->enterQuantity();
}

void PosTill::lineDiscount(const QString& text) {
    key('/');
    m_sale->setDiscountText(text);
    m_sale->enterLineDiscount();
}

void PosTill::cashDiscount(const QString& text) {
    key(1);
    m_sale->setCashDiscountText(text);
    m_sale->enterCashDiscount();
}

void PosTill::received(const QString& text) {
    m_sale->setReceivedText(text);
    m_sale->enterReceived();
}

std::optional<QString> PosTill::saveYes() {
    const QString before = m_sale->currentNumber();
    m_prompter.yes();
    m_sale->save();
    if (m_sale->currentNumber() == before)
        return std::nullopt;
    return m_sale->currentNumber();
}
