#include "documentbuilders.h"
#include "testdatabase.h"

#include "shopcore/documents/documentsettings.h"
#include "shopcore/documents/documentstore.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

#include <gtest/gtest.h>

namespace {

Money m(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

DocumentLine productLine(const QString& invNo, const QString& code, double qty, const char* price) {
    DocumentLine l;
    l.invNo = invNo;
    l.proNo = code;
    l.proName = QStringLiteral("น้ำดื่มตราช้าง 600 มล.");
    l.proQty = qty;
    l.unitPrice = m(price);
    l.price = LineAmount(qty, m(price), 0).price;
    l.proUnit = QStringLiteral("ขวด");
    l.stkPost = 1;
    return l;
}

Document creditSale() {
    Document d;
    d.header.invNo = TemporaryNumber();
    d.header.invDate = QStringLiteral("15/06/2547");
    d.header.invTime = QTime(14, 30, 5);
    d.header.custNo = QStringLiteral("00012");
    d.header.custName = QStringLiteral("ร้านสมใจการค้า");
    d.header.custCre = QStringLiteral("30 ว.");
    d.header.saleNo = QStringLiteral("S01");
    d.header.saleName = QStringLiteral("สมชาย");
    d.header.taxRate = 7;
    d.header.total = m("100.05");
    d.header.tax = m("7.0035");
    d.header.sumTotal = m("107.0535");
    d.header.idCode1 = QStringLiteral("cashier");
    d.lines << productLine(d.header.invNo, QStringLiteral("8850001000011"), 3, "33.35");
    DocumentLine freeText;
    freeText.invNo = d.header.invNo;
    freeText.proName = QStringLiteral("ค่าขนส่ง");
    freeText.proQty = 1;
    freeText.unitPrice = m("0");
    d.lines << freeText;
    return d;
}

NumberProvider fixed(const char* number) {
    return [number](const QSqlDatabase&) {
        return std::optional<QString>(QString::fromLatin1(number));
    };
}

TEST(DocumentStore, ANewDocumentGetsItsNumberFlagsAndBillingKeyInHeaderAndLines) {
    TestDatabase t;
    DocumentStore store(t.db(), 2);
    Document d = creditSale();
    const QString temporary = d.header.invNo;
    ASSERT_EQ(store.saveNew(d, fixed("VATS2000015")), QStringLiteral("VATS2000015"));

    EXPECT_EQ(d.header.invNo, QStringLiteral("VATS2000015"));
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1 WHERE inv_no = 'VATS2000015'")), 2);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1 WHERE inv_no LIKE 'TEMP%'")), 0);
    EXPECT_NE(temporary, d.header.invNo);

    const auto loaded = store.load(QStringLiteral("VATS2000015"));
    ASSERT_TRUE(loaded);
    const DocumentHeader& h = loaded->header;
    EXPECT_EQ(h.invType, QStringLiteral("2"));
    EXPECT_EQ(h.fgOk, 0);
    EXPECT_EQ(h.fgBill, 0);
    EXPECT_EQ(h.dueDate, QStringLiteral("15/07/2547"));
    EXPECT_EQ(h.pBill, QStringLiteral("04707200012"));
    EXPECT_EQ(h.custName, QStringLiteral("ร้านสมใจการค้า"));
    EXPECT_EQ(h.invTime, QTime(14, 30, 5));
    EXPECT_EQ(h.idCode1, QStringLiteral("cashier"));
    EXPECT_EQ(h.sumTotal, m("107.0535"));
    EXPECT_EQ(h.tax, m("7.0035"));
    EXPECT_FALSE(h.refOrder) << "fields the till does not write stay empty";
    EXPECT_TRUE(scalar(t.db(), QStringLiteral("SELECT ret_no FROM invoice"), {}, "test").isNull());

    ASSERT_EQ(loaded->lines.size(), 2);
    EXPECT_EQ(loaded->lines[0].price, m("100.05"));
    EXPECT_EQ(loaded->lines[0].stkPost, 1);
    EXPECT_EQ(loaded->lines[0].proUnit, QStringLiteral("ขวด"));
    EXPECT_EQ(loaded->lines[0].autoId, d.lines[0].autoId);
    EXPECT_EQ(loaded->lines[1].stkPost, std::nullopt) << "a free-text line has no stock code";
    EXPECT_EQ(loaded->lines[1].proName, QStringLiteral("ค่าขนส่ง"));
}

TEST(DocumentStore, ACashDocumentIsSettledAndDueOnItsDate) {
    TestDatabase t;
    DocumentStore store(t.db(), 1);
    Document d = creditSale();
    d.header.custCre = QStringLiteral("สด");
    store.saveNew(d, fixed("SALE1000001"));
    EXPECT_EQ(d.header.fgOk, 1);
    EXPECT_EQ(d.header.dueDate, QStringLiteral("15/06/2547"));
    EXPECT_EQ(d.header.pBill, QStringLiteral("04706100012"));
    EXPECT_EQ(store.load(QStringLiteral("SALE1000001"))->header.fgOk, 1);
}

TEST(DocumentStore, EditingRewritesLinesKeepsForeignFieldsAndLogsTheEdit) {
    TestDatabase t;
    DocumentStore store(t.db(), 1);
    Document d = creditSale();
    d.lines << productLine(d.header.invNo, QStringLiteral("P3"), 1, "10");
    store.saveNew(d, fixed("SALE1000007"));
    // Billing marks the document later; an edit on the entry screen must not undo it.
    Records::update(t.db(), QStringLiteral("Invoice"),
                    {{QStringLiteral("GET_BILL"), QStringLiteral("01/08/2547")}},
                    {{QStringLiteral("INV_NO"), QStringLiteral("SALE1000007")}}, "test");

    Document edited = *store.load(QStringLiteral("SALE1000007"));
    const qint64 keptId = *edited.lines[0].autoId;
    edited.lines[0].proQty = 5;
    edited.lines.removeAt(2);
    edited.lines << productLine(edited.header.invNo, QStringLiteral("P4"), 2, "7.5");
    edited.header.custCre = QStringLiteral("สด");
    edited.header.idCode1.reset();
    edited.header.invTime.reset();
    store.saveEdited(edited);

    const Document again = *store.load(QStringLiteral("SALE1000007"));
    ASSERT_EQ(again.lines.size(), 3);
    EXPECT_EQ(again.lines[0].autoId, keptId);
    EXPECT_EQ(again.lines[0].proQty, 5);
    EXPECT_EQ(again.lines[1].proName, QStringLiteral("ค่าขนส่ง"));
    EXPECT_EQ(again.lines[2].proNo, QStringLiteral("P4"));
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1 WHERE pro_no = 'P3'")), 0);
    EXPECT_EQ(again.header.fgOk, 1);
    EXPECT_EQ(again.header.dueDate, QStringLiteral("15/06/2547"));
    EXPECT_EQ(again.header.idCode1, QStringLiteral("cashier"));
    EXPECT_EQ(again.header.invTime, QTime(14, 30, 5));
    EXPECT_EQ(textOf(scalar(t.db(), QStringLiteral("SELECT get_bill FROM invoice"), {}, "test")),
              QStringLiteral("01/08/2547"));
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("cancel WHERE canc_no = 'SALE1000007'")), 1);
}

TEST(DocumentStore, ASaveThatFailsLeavesNothingWritten) {
    TestDatabase t;
    Build::product(t.db(), QStringLiteral("8850001000011"), 10);
    DocumentStore store(t.db(), 1);
    Document first = creditSale();
    store.saveNew(first, fixed("SALE1000001"));

    struct Case {
        const char* name;
        const char* number;
        QList<RecordWrite> touched;
        StoreError::Kind kind;
    };
    const QVariantMap productKey{{QStringLiteral("PRO_NO"), QStringLiteral("8850001000011")}};
    const Case cases[] = {
        {"number taken by another station", "SALE1000001", {}, StoreError::Kind::DuplicateKey},
        {"touched record too wide",
         "SALE1000002",
         {{QStringLiteral("Product"),
           {{QStringLiteral("LAST_SALE"), QStringLiteral("15/06/2547")}},
           productKey},
          {QStringLiteral("Cancel"),
           {{QStringLiteral("CANC_NO"), QString(12, QLatin1Char('9'))}},
           {}}},
         StoreError::Kind::TooWide},
    };
    for (const Case& c : cases) {
        Document d = creditSale();
        const QString temporary = d.header.invNo;
        try {
            store.saveNew(d, fixed(c.number), c.touched);
            ADD_FAILURE() << c.name << ": saved";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.name << ": " << e.what();
        }
        EXPECT_EQ(d.header.invNo, temporary) << c.name;
        EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 1) << c.name;
        EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1")), 2) << c.name;
        EXPECT_EQ(Build::count(t.db(), QStringLiteral("cancel")), 0) << c.name;
        EXPECT_TRUE(
            scalar(t.db(), QStringLiteral("SELECT last_sale FROM product"), {}, "test").isNull())
            << c.name;
    }

    // Touched records that fit are written with the document.
    Document d = creditSale();
    store.saveNew(d, fixed("SALE1000002"),
                  {{QStringLiteral("Product"),
                    {{QStringLiteral("LAST_SALE"), QStringLiteral("15/06/2547")}},
                    productKey}});
    EXPECT_EQ(textOf(scalar(t.db(), QStringLiteral("SELECT last_sale FROM product"), {}, "test")),
              QStringLiteral("15/06/2547"));
}

TEST(DocumentStore, NoNumberMeansNothingSavedAndAVanishedDocumentIsNotRecreated) {
    TestDatabase t;
    DocumentStore store(t.db(), 3);
    Document d = creditSale();
    EXPECT_EQ(store.saveNew(d, [](const QSqlDatabase&) { return std::optional<QString>(); }),
              std::nullopt);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("order0")), 0);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("order1")), 0);

    d.header.invNo = QStringLiteral("BUYN3000001");
    EXPECT_THROW(store.saveEdited(d), StoreError);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("order1")), 0);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("cancel")), 0);
}

TEST(DocumentStore, SeriesListsOnlyItsOwnHeadInNumberOrder) {
    TestDatabase t;
    for (const char* n : {"SALE1000002", "SALE2000001", "SALE1000001", "XALE1000003"})
        Build::header(t.db(), QStringLiteral("Invoice"), QString::fromLatin1(n));
    QStringList numbers;
    for (const DocumentHeader& h :
         DocumentStore(t.db(), 1).headersOfSeries(QStringLiteral("SALE1")))
        numbers << h.invNo;
    EXPECT_EQ(numbers, (QStringList{QStringLiteral("SALE1000001"), QStringLiteral("SALE1000002")}));
}

TEST(DocumentStore, SettingsOfTheScreensAreReadFromTheirTables) {
    TestDatabase t;
    Build::prefixes(t.db(), QStringLiteral("SALE"), QStringLiteral("VATS"), QStringLiteral("BUYN"),
                    QStringLiteral("BUYV"));
    Records::updateSingle(t.db(), QStringLiteral("scale"),
                          {{QStringLiteral("SCALE1"), 1.0},
                           {QStringLiteral("SCALE2"), 6.0},
                           {QStringLiteral("SCALE5"), 48.0}},
                          "test");
    const SeriesPrefixes p = ReadSeriesPrefixes(t.db());
    EXPECT_EQ(p.prefix[0], QStringLiteral("SALE"));
    EXPECT_EQ(p.prefix[3], QStringLiteral("BUYV"));
    const PriceLevels levels = ReadPriceLevels(t.db());
    EXPECT_EQ(levels.scale[0], 1);
    EXPECT_EQ(levels.scale[1], 6);
    EXPECT_EQ(levels.scale[4], 48);
    EXPECT_NO_THROW(ReadSeriesPrefixes(t.db(), QStringLiteral("Sevrsys")));
}

} // namespace
