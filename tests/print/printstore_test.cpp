#include "printfixtures.h"

#include "shopcore/foundation/records.h"
#include "shopcore/print/printdocumentstore.h"
#include "testdatabase.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

void addParty(const TestDatabase& t, const QString& table, const QString& code,
              const QString& name) {
    Records::insert(t.db(), table,
                    {{"CUST_NO", code},
                     {"CUST_NAME", name},
                     {"CUST_ADD1", "12 ถนนทดสอบ"},
                     {"CUST_ADD4", "เชียงใหม่"},
                     {"CUST_ZIP", "50000"},
                     {"CUST_TEL", "053-000000"}},
                    "test");
}

void addDocument(const TestDatabase& t, const QString& header, const QString& lines,
                 const QString& number, const QString& party, const QStringList& products) {
    Records::insert(t.db(), header,
                    {{"INV_NO", number},
                     {"INV_TYPE", number.mid(4, 1)},
                     {"INV_DATE", "15/01/2547"},
                     {"INV_TIME", QTime(9, 30, 15)},
                     {"CUST_NO", party},
                     {"CUST_NAME", "ชื่อบนเอกสาร"},
                     {"CUST_CRE", "30 ว."},
                     {"DUE_DATE", "14/02/2547"},
                     {"SALE_NO", "S01"},
                     {"REF_ORDER", "PO-1"},
                     {"TAX_RATE", 7.0},
                     {"CUST_DISC", 2.5},
                     {"DISCOUNT", 12.5},
                     {"SUM_TOTAL", 107.0}},
                    "test");
    for (const QString& code : products)
        Records::insert(t.db(), lines,
                        {{"INV_NO", number},
                         {"PRO_NO", code},
                         {"PRO_NAME", "สินค้า " + code},
                         {"ATTRIB", "SN-" + code},
                         {"PRO_QTY", 2.0},
                         {"PRO_UNIT", "ชิ้น"},
                         {"UNIT_PRICE", 12.3456},
                         {"DISCOUNT", 5.0},
                         {"PRICE", 23.4567}},
                        "test");
}

TEST(PrintDocumentStore, ReadsTheDocumentOfEachKindFromItsTables) {
    TestDatabase t;
    addParty(t, "Customer", "C0001", "ลูกค้า");
    addParty(t, "Supply", "C0001", "ผู้ขาย"); // the same code in the other register
    addDocument(t, "Invoice", "Invoice1", "SALE2000001", "C0001", {"B", "A", "C"});
    addDocument(t, "Order0", "Order1", "BUYS4000001", "C0001", {"X"});
    addDocument(t, "Tmpord", "Tmpord1", "TORD5000001", "C0001", {"Y"});
    addDocument(t, "Quotation", "Quotation1", "TQUO6000001", "C0001", {"Z"});
    addDocument(t, "Invoice", "Invoice1", "SALE2000002", "C0001", {"other"});
    const PrintDocumentStore store(t.db());

    const auto sale = store.load("SALE2000001");
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->kind(), 2);
    EXPECT_EQ(sale->header.partyName, "ชื่อบนเอกสาร");
    EXPECT_EQ(sale->header.time, "09:30:15");
    EXPECT_EQ(sale->header.creditTerm, "30 ว.");
    EXPECT_EQ(sale->header.dueDate, "14/02/2547");
    EXPECT_EQ(sale->header.reference, "PO-1");
    EXPECT_DOUBLE_EQ(sale->header.partyDiscount, 2.5);
    EXPECT_EQ(sale->header.discount, Money::fromUnits(125000));
    EXPECT_EQ(sale->header.amountDue, Money::fromInt(107));
    ASSERT_EQ(sale->lines.size(), 3);
    EXPECT_EQ(sale->lines[0].productCode, "B") << "lines in entry order";
    EXPECT_EQ(sale->lines[2].productCode, "C");
    EXPECT_EQ(sale->lines[0].detail, "SN-B");
    EXPECT_EQ(sale->lines[0].price, Money::fromUnits(234567));
    EXPECT_EQ(sale->lines[0].unitPrice, Money::fromUnits(123456));
    EXPECT_DOUBLE_EQ(sale->lines[0].discount, 5);
    EXPECT_EQ(sale->party.name, "ลูกค้า");
    EXPECT_EQ(sale->party.zip, "50000");

    struct Case {
        const char* number;
        int kind;
        const char* party;
        const char* line;
    };
    const Case cases[] = {{"BUYS4000001", 0, "ผู้ขาย", "X"},
                          {"TORD5000001", 5, "ผู้ขาย", "Y"},
                          {"TQUO6000001", 6, "ลูกค้า", "Z"}};
    for (const Case& c : cases) {
        const auto doc = store.load(QString::fromLatin1(c.number), c.kind);
        ASSERT_TRUE(doc) << c.number;
        EXPECT_EQ(doc->party.name, QString::fromUtf8(c.party)) << c.number;
        ASSERT_EQ(doc->lines.size(), 1) << c.number;
        EXPECT_EQ(doc->lines[0].productCode, QString::fromLatin1(c.line)) << c.number;
    }
    EXPECT_EQ(sale->lines[0].unit, "ชิ้น");
    EXPECT_FALSE(store.load("SALE2000999")) << "a number that is not there";
    EXPECT_FALSE(store.load("SALE1000001")) << "the kind picks the table: no kind 1 sale";
    EXPECT_FALSE(store.load("TEMP12345")) << "no kind in the number";
}

TEST(PrintDocumentStore, TillLinesPrintTheUnitTheyKeepInTheBillingField) {
    TestDatabase t;
    addParty(t, "Customer", "C0001", "ลูกค้า");
    addDocument(t, "Invoice", "Invoice1", "SALE1000001", "C0001", {});
    Records::insert(t.db(), "Invoice1",
                    {{"INV_NO", "SALE1000001"},
                     {"PRO_NO", "A"},
                     {"PRO_QTY", 1.0},
                     {"P_BILL", "กล่อง"},
                     {"PRICE", 10.0}},
                    "test");
    const auto doc = PrintDocumentStore(t.db()).load("SALE1000001");
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->lines.size(), 1);
    EXPECT_EQ(doc->lines[0].unit, "กล่อง");
}

TEST(PrintDocumentStore, ShopRecordWithLogoAndSettings) {
    TestDatabase t;
    QImage logo(8, 6, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "PNG");
    Records::updateSingle(t.db(), "Kelmsys",
                          {{"OF_NAME", "ร้านค้า"},
                           {"OF_TAXID", "1234567890123"},
                           {"OF_ADD2", "ซอยหนึ่ง"},
                           {"OF_EMAIL", "a@b.c"},
                           {"OF_LOGO", png},
                           {"LINE1", "0"},
                           {"LINE4", "1"},
                           {"PRN_TOP", 5.5},
                           {"PRN_LEFT", 3.0}},
                          "test");
    const ShopRecord shop = PrintDocumentStore(t.db()).shop();
    EXPECT_EQ(shop.name, "ร้านค้า");
    EXPECT_EQ(shop.taxId, "1234567890123");
    EXPECT_EQ(shop.address2, "ซอยหนึ่ง");
    EXPECT_EQ(shop.email, "a@b.c");
    EXPECT_TRUE(shop.preprintedPaper());
    EXPECT_TRUE(shop.printsLogo());
    EXPECT_EQ(shop.logo.size(), QSize(8, 6));
    EXPECT_DOUBLE_EQ(shop.printTop, 5.5);
    EXPECT_DOUBLE_EQ(shop.printLeft, 3);
}

TEST(PrintDocumentStore, CustomerAndProductList) {
    TestDatabase t;
    addParty(t, "Customer", "C0002", "สมชาย");
    EXPECT_EQ(PrintDocumentStore(t.db()).customer("C0002")->address1, "12 ถนนทดสอบ");
    EXPECT_FALSE(PrintDocumentStore(t.db()).customer("C0009"));

    for (const auto& [code, name, total] :
         {std::tuple{"P2", "ขนม", 3.0}, {"P1", "คนโท", 10.0}, {"P3", "กาแฟ", 0.0}})
        Records::insert(t.db(), "Product",
                        {{"PRO_NO", code},
                         {"PRO_NAME", QString::fromUtf8(name)},
                         {"PRO_BPRICE", 12.5},
                         {"PRO_SPRICE", 15.0},
                         {"PRO_TOTAL", total}},
                        "test");
    auto codes = [](const QList<ProductListRow>& rows) {
        QStringList out;
        for (const ProductListRow& r : rows)
            out << r.code;
        return out;
    };
    const PrintDocumentStore store(t.db());
    EXPECT_EQ(codes(store.productList(ProductListOrder::ByCode)), (QStringList{"P1", "P2", "P3"}));
    EXPECT_EQ(codes(store.productList(ProductListOrder::ByName)), (QStringList{"P3", "P2", "P1"}));
    EXPECT_DOUBLE_EQ(store.productList(ProductListOrder::ByCode)[0].storedBalance, 10);
    EXPECT_EQ(store.productList(ProductListOrder::ByCode)[0].cost, Money::fromUnits(125000));
}

} // namespace
