#include "printfixtures.h"

#include "shopcore/foundation/thaitext.h"
#include "shopcore/print/documentlayouts.h"
#include "shopcore/print/reportlayouter.h"

#include <gtest/gtest.h>

namespace {

LaidOutReport laidOut(const QString& layout, const PrintDocument& doc,
                      PrintVariant variant = PrintVariant::DeliveryOrInvoice,
                      const PosPayment& payment = {}) {
    const auto l = documentLayout(layout);
    EXPECT_NE(l, nullptr) << layout.toStdString();
    return layoutReport(l->report({doc, variant, payment}));
}

LaidOutPage lastPage(const LaidOutReport& r) {
    return r.pages.last();
}

// What one layout prints for one document, by the names of the printed items.
struct TitleCase {
    const char* name;
    const char* layout;
    int kind;
    PrintVariant variant;
    const char* credit;
    const char* title;
    const char* english; // nullptr: no English title item
    bool payment;        // the payment-method block
    bool receiver;       // the "ผู้รับเงิน" signature
    bool taxCaption;
};

TEST(DocumentLayouts, TitlesByKindVariantAndCreditTerm) {
    using V = PrintVariant;
    const TitleCase cases[] = {
        {"flat-rate delivery order", "TPrnDO8", 1, V::DeliveryOrInvoice, "สด", "ใบส่งของ",
         "DELIVERY ORDER", false, false, false},
        {"flat-rate receipt", "TPrnDO8", 1, V::Receipt, "สด", "ใบเสร็จรับเงิน", "RECEIPT", true, true,
         false},
        {"tax invoice", "TPrnDO8", 2, V::DeliveryOrInvoice, "สด", "ใบส่งสินค้า/ใบกำกับภาษี",
         "TAX INVOICE", false, false, true},
        {"receipt and tax invoice", "TPrnDO9", 2, V::Receipt, "สด", "ใบเสร็จรับเงิน/ใบกำกับภาษี",
         "RECEIPT/TAX INVOICE", true, true, true},
        {"half page receipt", "TPrnDO4s", 1, V::Receipt, "สด", "ใบเสร็จรับเงิน", "RECEIPT", true, true,
         false},
        {"half page purchase", "TPrnDO9s", 3, V::DeliveryOrInvoice, "สด", "ใบสั่งซื้อ", "ORDER", false,
         false, false},
        {"half page VAT purchase", "TPrnDO4s", 4, V::DeliveryOrInvoice, "30 ว.", "ใบสั่งซื้อ", "ORDER",
         false, false, true},
        {"purchase order", "TPrnORD3", 5, V::DeliveryOrInvoice, "30 ว.", "ใบสั่งซื้อ", "ORDER", false,
         false, false},
        {"quotation", "TPrnQUO3", 6, V::DeliveryOrInvoice, "30 ว.", "ใบเสนอราคา", "Quotation",
         false, false, false},
        {"POS cash flat-rate", "TPosDO8", 1, V::DeliveryOrInvoice, "สด", "ใบเสร็จรับเงิน", "RECIEPT",
         false, true, false},
        {"POS credit flat-rate", "TPosDO8", 1, V::DeliveryOrInvoice, "30 ว.", "ใบส่งสินค้า",
         "DELIVERY ORDER", false, false, false},
        {"POS cash VAT", "TPosDO8", 2, V::DeliveryOrInvoice, "สด", "ใบเสร็จรับเงิน / ใบกำกับภาษี",
         "RECEIPT/TAX INVOICE", false, true, true},
        {"POS credit VAT", "TPosDO8", 2, V::DeliveryOrInvoice, "1 ด.", "ใบส่งสินค้าชั่วคราว",
         "TEMP DELIVERY ORDER", false, false, true},
        {"POS half page: Thai title only", "TPosDO4s", 2, V::DeliveryOrInvoice, "1 ด.",
         "ใบส่งสินค้าชั่วคราว", nullptr, false, false, true},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDocument doc = fixtureDocument(c.kind);
        doc.header.creditTerm = QString::fromUtf8(c.credit);
        const LaidOutPage page = laidOut(QString::fromLatin1(c.layout), doc, c.variant).pages[0];
        EXPECT_EQ(page.text(QStringLiteral("title")), QString::fromUtf8(c.title));
        if (c.english)
            EXPECT_EQ(page.text(QStringLiteral("titleEnglish")), QString::fromUtf8(c.english));
        else
            EXPECT_FALSE(page.has(QStringLiteral("titleEnglish")));
        EXPECT_EQ(page.has(QStringLiteral("payment.title")), c.payment);
        EXPECT_EQ(page.has(QStringLiteral("payment.note")), c.payment);
        QStringList signers;
        for (const PageItem& i : page.items)
            if (i.name.startsWith(QLatin1String("sign.")))
                signers << i.text;
        EXPECT_EQ(signers.contains(QStringLiteral("ผู้รับเงิน")), c.receiver)
            << signers.join(',').toStdString();
        EXPECT_EQ(page.has(QStringLiteral("cap.tax")), c.taxCaption);
        EXPECT_EQ(page.text(QStringLiteral("number")),
                  QStringLiteral("SALE-%1-000001").arg(c.kind));
    }
}

TEST(DocumentLayouts, CaptionsOfPurchaseOrderAndQuotation) {
    struct Case {
        const char* layout;
        int kind;
        QStringList captions; // partyName, partyCode, term, unit price, confirmation
        QStringList signers;
    };
    const Case cases[] = {
        {"TPrnORD3",
         5,
         {"ผู้ขาย", "รหัสผู้ขาย", "กำหนดชำระเงิน", "หน่วยละ", "** โปรดจัดส่งสินค้าตามรายการข้างต้น"},
         {"ผู้สั่งซื้อ", "ผู้อนุมัติ"}},
        {"TPrnQUO3", 6, {"ผู้ซื้อ", "รหัสผู้ซื้อ", "กำหนดยืนราคา", "ราคา/หน่วย", ""}, {"ผู้เสนอราคา", "ผู้อนุมัติ"}},
        {"TPrnDO8",
         1,
         {"ชื่อลูกค้า", "รหัสลูกค้า", "กำหนดชำระเงิน", "ราคา/หน่วย", "** ได้รับสินค้าตามรายการข้างบนนี้แล้ว"},
         {"ผู้รับของ", "ผู้ส่งของ", "ผู้จัดการ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const LaidOutPage page =
            laidOut(QString::fromLatin1(c.layout), fixtureDocument(c.kind)).pages[0];
        const QStringList printed{
            page.text(QStringLiteral("partyNameCaption")),
            page.text(QStringLiteral("partyCodeCaption")), page.text(QStringLiteral("termCaption")),
            page.text(QStringLiteral("col.unitPrice")), page.text(QStringLiteral("confirmation"))};
        EXPECT_EQ(printed, c.captions);
        QStringList signers;
        for (int i = 0; page.has(QStringLiteral("sign.%1").arg(i)); ++i)
            signers << page.text(QStringLiteral("sign.%1").arg(i));
        EXPECT_EQ(signers, c.signers);
        EXPECT_EQ(page.text(QStringLiteral("referenceCaption")), QStringLiteral("อ้างถึง"));
    }
}

struct TotalsCase {
    const char* name;
    const char* layout;
    int kind;
    double partyDiscount;
    int cashDiscount;
    const char* gross;
    const char* discount;
    const char* percent;
    const char* after;
    const char* tax;
    const char* total;
};

TEST(DocumentLayouts, TotalsAndWordsAreRecomputedFromTheLines) {
    const TotalsCase cases[] = {
        {"flat-rate, no discount", "TPrnDO8", 1, 0, 0, "1,000.00", "", "0", "1,000.00", "",
         "1,000.00"},
        {"VAT adds 7 %", "TPrnDO8", 2, 0, 0, "1,000.00", "", "0", "1,000.00", "70.00", "1,070.00"},
        {"customer discount 5 %", "TPrnDO9", 1, 5, 0, "1,000.00", "50.00", "5", "950.00", "",
         "950.00"},
        {"customer discount under VAT", "TPrnDO4s", 2, 5, 0, "1,000.00", "50.00", "5", "950.00",
         "66.50", "1,016.50"},
        {"entry layouts ignore the POS cash discount", "TPrnDO8", 1, 0, 100, "1,000.00", "", "0",
         "1,000.00", "", "1,000.00"},
        {"VAT purchase carries its tax", "TPrnDO9s", 4, 0, 0, "1,000.00", "", "0", "1,000.00",
         "70.00", "1,070.00"},
        {"POS cash discount", "TPosDO8", 2, 0, 100, "1,000.00", "100.00", "", "900.00", "63.00",
         "963.00"},
        {"POS customer discount replaces the cash discount", "TPosDO4s", 1, 10, 100, "1,000.00",
         "100.00", "10", "900.00", "", "900.00"},
        {"purchase order prints no tax", "TPrnORD3", 5, 0, 0, "1,000.00", "", "0", "1,000.00", "",
         "1,000.00"},
    };
    for (const TotalsCase& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDocument doc = fixtureDocument(c.kind);
        doc.header.partyDiscount = c.partyDiscount;
        doc.header.discount = Money::fromInt(c.cashDiscount);
        // Stored totals that disagree with the lines must not be printed.
        doc.header.total = doc.header.amountDue = Money::fromInt(1);
        const LaidOutPage page = lastPage(laidOut(QString::fromLatin1(c.layout), doc));
        EXPECT_EQ(page.text(QStringLiteral("gross")), QString::fromUtf8(c.gross));
        EXPECT_EQ(page.text(QStringLiteral("discount")), QString::fromUtf8(c.discount));
        EXPECT_EQ(page.text(QStringLiteral("discountPercent")), QString::fromUtf8(c.percent));
        EXPECT_EQ(page.text(QStringLiteral("afterDiscount")), QString::fromUtf8(c.after));
        EXPECT_EQ(page.text(QStringLiteral("tax")), QString::fromUtf8(c.tax));
        EXPECT_EQ(page.text(QStringLiteral("total")), QString::fromUtf8(c.total));
        const QString total = QString::fromUtf8(c.total).remove(QLatin1Char(','));
        EXPECT_EQ(page.text(QStringLiteral("words")),
                  QLatin1Char('<') + BahtText(total) + QLatin1Char('>'));
    }
    // The words of a receipt of 1,000.00 keep the routine's leading blank.
    EXPECT_EQ(lastPage(laidOut(QStringLiteral("TPrnDO8"), fixtureDocument(1)))
                  .text(QStringLiteral("words")),
              QStringLiteral("< หนึ่งพัน บาทถ้วน>"));
}

TEST(DocumentLayouts, PrePrintedPaperAndTheDocumentSetPrintOnlyTheData) {
    const QStringList captions{
        "frame.party",      "frame.document", "frame.columns",     "frame.totals",
        "col.first",        "col.name",       "col.qty",           "col.amount",
        "numberCaption",    "dateCaption",    "partyNameCaption",  "addressCaption",
        "partyCodeCaption", "termCaption",    "dueCaption",        "salesCaption",
        "cap.gross",        "cap.discount",   "cap.afterDiscount", "cap.total",
        "sign.0",           "signLine.0"};
    const QStringList data{"shopName",  "shopAddress", "number",     "date",
                           "partyName", "partyLine1",  "line.first", "line.amount",
                           "gross",     "total",       "words"};
    struct Case {
        const char* name;
        const char* layout;
        int kind;
        const char* paper;
        PrintVariant variant;
        bool captionsPrinted;
    };
    const Case cases[] = {
        {"blank paper", "TPrnDO8", 2, "1", PrintVariant::DeliveryOrInvoice, true},
        {"pre-printed full page", "TPrnDO8", 2, "0", PrintVariant::DeliveryOrInvoice, false},
        {"pre-printed half page", "TPrnDO4s", 1, "0", PrintVariant::Receipt, false},
        {"pre-printed POS form", "TPosDO8", 1, "0", PrintVariant::DeliveryOrInvoice, false},
        {"document set on blank paper", "TPrnDO8", 2, "1", PrintVariant::DocumentSet, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDocument doc = fixtureDocument(c.kind);
        doc.shop.paperSetting = QString::fromLatin1(c.paper);
        const LaidOutPage page = laidOut(QString::fromLatin1(c.layout), doc, c.variant).pages[0];
        for (const QString& name : captions)
            EXPECT_EQ(page.has(name), c.captionsPrinted) << name.toStdString();
        for (const QString& name : data)
            EXPECT_TRUE(page.has(name)) << name.toStdString();
        EXPECT_FALSE(page.has(QStringLiteral("payment.title")) && !c.captionsPrinted);
    }
    // The document set has no title but still prints its tax.
    const LaidOutPage set =
        laidOut(QStringLiteral("TPrnDO8"), fixtureDocument(2), PrintVariant::DocumentSet).pages[0];
    EXPECT_EQ(set.text(QStringLiteral("title")), QString());
    EXPECT_EQ(set.text(QStringLiteral("titleEnglish")), QString());
    EXPECT_EQ(set.text(QStringLiteral("tax")), QStringLiteral("70.00"));
}

TEST(DocumentLayouts, LineBandGrowsWithSerialNumberAndSecondDetail) {
    PrintDocument doc = fixtureDocument(1);
    doc.lines = {fixtureLine("A", 1, 10), fixtureLine("B", 2, 10, "SN 123"),
                 fixtureLine("C", 3, 10, "SN 456", "สีแดง"), fixtureLine("D", 1, 10, {}, "สีดำ")};
    for (const char* layout : {"TPrnDO8", "TPrnDO4s", "TPosDO8"}) {
        SCOPED_TRACE(layout);
        const LaidOutPage page = laidOut(QString::fromLatin1(layout), doc).pages[0];
        QList<double> heights;
        for (const PlacedBand& b : page.bandsOf(BandKind::Detail))
            heights << b.height;
        EXPECT_EQ(heights,
                  (QList<double>{millimetresFromBandUnits(25), millimetresFromBandUnits(51),
                                 millimetresFromBandUnits(69), millimetresFromBandUnits(69)}));
        QStringList details, details2;
        for (const PageItem* i : page.itemsNamed(QStringLiteral("line.detail")))
            details << i->text;
        for (const PageItem* i : page.itemsNamed(QStringLiteral("line.detail2")))
            details2 << i->text;
        EXPECT_EQ(details, (QStringList{"SN 123", "SN 456", ""}));
        EXPECT_EQ(details2, (QStringList{"สีแดง", "สีดำ"}));
    }
}

TEST(DocumentLayouts, LineColumnsAndTheFirstColumn) {
    PrintDocument doc = fixtureDocument(1);
    doc.lines = {fixtureLine("P001", 2, 1250), fixtureLine("P002", 1.5, 10)};
    doc.lines[1].discount = 10;
    struct Case {
        const char* layout;
        const char* caption;
        QStringList first;
    };
    const Case cases[] = {
        {"TPrnDO8", "รหัสสินค้า", {"P001", "P002"}}, {"TPrnDO9", "ลำดับที่", {"1", "2"}},
        {"TPrnDO4s", "ลำดับ", {"1", "2"}},         {"TPrnDO9s", "รหัส", {"P001", "P002"}},
        {"TPosDO4s", "ลำดับ", {"1", "2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const LaidOutPage page = laidOut(QString::fromLatin1(c.layout), doc).pages[0];
        EXPECT_EQ(page.text(QStringLiteral("col.first")), QString::fromUtf8(c.caption));
        QStringList first;
        for (const PageItem* i : page.itemsNamed(QStringLiteral("line.first")))
            first << i->text;
        EXPECT_EQ(first, c.first);
    }
    const LaidOutPage page = laidOut(QStringLiteral("TPrnDO8"), doc).pages[0];
    auto column = [&](const char* name) {
        QStringList out;
        for (const PageItem* i : page.itemsNamed(QString::fromLatin1(name)))
            out << i->text;
        return out;
    };
    EXPECT_EQ(column("line.qty"), (QStringList{"2.00", "1.50"}));
    EXPECT_EQ(column("line.unitPrice"), (QStringList{"1,250.00", "10.00"}));
    EXPECT_EQ(column("line.discount"), (QStringList{"0", "10"}));
    EXPECT_EQ(column("line.amount"), (QStringList{"2,500.00", "15.00"}));
    EXPECT_EQ(column("line.unit"), (QStringList{"ชิ้น", "ชิ้น"}));
}

TEST(DocumentLayouts, MarginsFollowThePrintOffsets) {
    struct Case {
        const char* layout;
        double top, left;
        PageMargins expected;
    };
    const Case cases[] = {
        {"TPrnDO8", 5, 7, {5, 7, 7.5, 0}},    {"TPrnDO9", 0, 0, {0, 0, 12.5, 0}},
        {"TPrnDO4s", 5, 0, {5, 0, 17, 0}},    {"TPrnDO9s", 10, 3, {10, 3, 12, 0}},
        {"TPosDO4s", 5, 0, {5, 0, 17, 0}},    {"TPrnORD3", 20, 0, {20, 0, 0, 0}},
        {"tPos_Slip3", 5, 2, {5, 2, 7.5, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        PrintDocument doc = fixtureDocument(1);
        doc.shop.printTop = c.top;
        doc.shop.printLeft = c.left;
        const LaidOutReport r = laidOut(QString::fromLatin1(c.layout), doc);
        EXPECT_EQ(r.margins, c.expected);
        // The form moves with the offsets.
        const LaidOutReport zero = [&] {
            PrintDocument d = fixtureDocument(1);
            return laidOut(QString::fromLatin1(c.layout), d);
        }();
        const QRectF moved = r.pages[0].item(QStringLiteral("shopName"))->rect;
        const QRectF at = zero.pages[0].item(QStringLiteral("shopName"))->rect;
        EXPECT_DOUBLE_EQ(moved.left() - at.left(), c.left);
        EXPECT_DOUBLE_EQ(moved.top() - at.top(), c.top);
    }
    EXPECT_EQ(laidOut(QStringLiteral("TPrnDO4s"), fixtureDocument(1)).paper,
              PaperSize::halfLetter());
    EXPECT_EQ(laidOut(QStringLiteral("TPrnDO8"), fixtureDocument(1)).paper, PaperSize::letter());
}

TEST(DocumentLayouts, ShopAndPartyLines) {
    PrintDocument doc = fixtureDocument(1);
    doc.shop.fax = QStringLiteral("02-111-1112");
    doc.shop.email = QStringLiteral("shop@example.com");
    const LaidOutPage page = laidOut(QStringLiteral("TPrnDO8"), doc).pages[0];
    EXPECT_EQ(page.text(QStringLiteral("shopName")), QStringLiteral("ร้านทดสอบ"));
    EXPECT_EQ(page.text(QStringLiteral("shopAddress")),
              QStringLiteral("1 ถนนหนึ่ง แขวงสอง กรุงเทพฯ 10110 "));
    EXPECT_EQ(page.text(QStringLiteral("shopContact")),
              QStringLiteral(" Tel. 02-111-1111 Fax. 02-111-1112 Email : shop@example.com"));
    EXPECT_EQ(page.text(QStringLiteral("shopTaxId")), QString()) << "no tax id, no line";
    EXPECT_EQ(page.text(QStringLiteral("partyLine1")), QStringLiteral("9 หมู่ 1 ตำบลสาม"));
    EXPECT_EQ(page.text(QStringLiteral("partyLine2")),
              QStringLiteral(" นนทบุรี 11120 Tel. 02-222-2222"));

    // The tax id prints on every variant once it is set; an empty address line leaves no gap.
    doc.shop.taxId = QStringLiteral("1234567890123");
    doc.party.address2.clear();
    doc.party.tel.clear();
    doc.party.fax = QStringLiteral("02-333-3333");
    const LaidOutPage receipt =
        laidOut(QStringLiteral("TPrnDO8"), doc, PrintVariant::Receipt).pages[0];
    EXPECT_EQ(receipt.text(QStringLiteral("shopTaxId")),
              QStringLiteral("เลขประจำตัวผู้เสียภาษี  1234567890123"));
    EXPECT_EQ(receipt.text(QStringLiteral("partyLine1")), QStringLiteral("9 หมู่ 1"));
    EXPECT_EQ(receipt.text(QStringLiteral("partyLine2")),
              QStringLiteral(" นนทบุรี 11120 Fax. 02-333-3333"));
}

TEST(DocumentLayouts, LogoMovesTheShopNameRight) {
    PrintDocument doc = fixtureDocument(1);
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::red);
    doc.shop.logo = logo;
    doc.shop.logoSetting = QStringLiteral("0");
    const LaidOutPage without = laidOut(QStringLiteral("TPrnDO8"), doc).pages[0];
    doc.shop.logoSetting = QStringLiteral("1");
    const LaidOutPage with = laidOut(QStringLiteral("TPrnDO8"), doc).pages[0];
    EXPECT_FALSE(without.has(QStringLiteral("logo")));
    ASSERT_TRUE(with.has(QStringLiteral("logo")));
    EXPECT_EQ(with.item(QStringLiteral("logo"))->picture, logo);
    EXPECT_GE(with.item(QStringLiteral("shopName"))->rect.left(),
              with.item(QStringLiteral("logo"))->rect.right());
    EXPECT_GT(with.item(QStringLiteral("shopName"))->rect.left(),
              without.item(QStringLiteral("shopName"))->rect.left());
}

TEST(DocumentLayouts, LongDocumentRepeatsItsHeadingAndTotalsOnce) {
    PrintDocument doc = fixtureDocument(2);
    doc.lines.clear();
    for (int i = 1; i <= 40; ++i)
        doc.lines << fixtureLine(QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')), 1, 25);
    const LaidOutReport r = laidOut(QStringLiteral("TPrnDO9"), doc);
    ASSERT_GE(r.pages.size(), 2);
    int lines = 0;
    for (const LaidOutPage& p : r.pages) {
        EXPECT_TRUE(p.has(QStringLiteral("title")));
        EXPECT_TRUE(p.has(QStringLiteral("col.first")));
        EXPECT_EQ(p.has(QStringLiteral("total")), &p == &r.pages.last());
        EXPECT_EQ(p.text(QStringLiteral("pageCount")), QStringLiteral("/%1").arg(r.pages.size()));
        lines += int(p.itemsNamed(QStringLiteral("line.first")).size());
    }
    EXPECT_EQ(lines, 40);
    EXPECT_EQ(r.pages.last().itemsNamed(QStringLiteral("line.first")).last()->text,
              QStringLiteral("40"));
    EXPECT_EQ(r.pages.last().text(QStringLiteral("gross")), QStringLiteral("1,000.00"));
}

TEST(DocumentLayouts, PosFormPrintsTheTimeAndTheCashDiscountCaption) {
    PrintDocument doc = fixtureDocument(1);
    doc.header.time = QStringLiteral("14:05:09");
    doc.header.discount = Money::fromInt(20);
    const LaidOutPage half = laidOut(QStringLiteral("TPosDO4s"), doc).pages[0];
    EXPECT_EQ(half.text(QStringLiteral("time")), QStringLiteral("14:05:09"));
    EXPECT_EQ(half.text(QStringLiteral("cap.discount")), QStringLiteral("ลดเงินสด"));
    EXPECT_EQ(half.text(QStringLiteral("discount")), QStringLiteral("20.00"));
    const LaidOutPage entry = laidOut(QStringLiteral("TPrnDO4s"), doc).pages[0];
    EXPECT_FALSE(entry.has(QStringLiteral("time")));
    EXPECT_EQ(entry.text(QStringLiteral("cap.discount")), QStringLiteral("ลด"));
    EXPECT_EQ(entry.text(QStringLiteral("cap.total")), QStringLiteral("รวมทั้งสิ้น"));
    EXPECT_EQ(entry.text(QStringLiteral("cap.afterDiscount")), QStringLiteral("ราคาสุทธิ"));
}

TEST(DocumentLayouts, TillSlips) {
    PrintDocument doc = fixtureDocument(1);
    doc.lines = {fixtureLine("A", 2, 50), fixtureLine("B", 1, 30)};
    doc.lines[1].productName = QStringLiteral("สินค้าชื่อยาวมากจนต้องขึ้นบรรทัดใหม่ในใบเสร็จ");
    doc.header.discount = Money::fromInt(10);
    doc.header.amountDue = Money::fromInt(120);
    const PosPayment paid{Money::fromInt(200), Money::fromInt(80)};

    const LaidOutPage slip3 = laidOut(QStringLiteral("tPos_Slip3"), doc, {}, paid).pages[0];
    EXPECT_EQ(slip3.text(QStringLiteral("shopName")), QStringLiteral("ร้านทดสอบ"));
    EXPECT_EQ(slip3.text(QStringLiteral("partyName")), QStringLiteral("ลูกค้าทดสอบ"));
    EXPECT_EQ(slip3.text(QStringLiteral("number")), QStringLiteral("SALE-1-000001"));
    EXPECT_EQ(slip3.text(QStringLiteral("cap.amountDue")), QStringLiteral("รวมเงิน"));
    EXPECT_EQ(slip3.text(QStringLiteral("amountDue")), QStringLiteral("120.00"));
    EXPECT_EQ(slip3.text(QStringLiteral("received")), QStringLiteral("200.00"));
    EXPECT_EQ(slip3.text(QStringLiteral("change")), QStringLiteral("80.00"));
    EXPECT_EQ(slip3.text(QStringLiteral("footer")),
              QStringLiteral("< ใบเสร็จรับเงิน ไม่ใช่ใบกำกับภาษี >"));
    EXPECT_TRUE(slip3.itemsNamed(QStringLiteral("line.name")).isEmpty());
    for (const PageItem& i : slip3.items)
        EXPECT_LE(i.rect.right(), PaperSize::SlipColumnWidth) << i.name.toStdString();

    const LaidOutPage slip4 = laidOut(QStringLiteral("tPos_Slip4"), doc, {}, paid).pages[0];
    QStringList names;
    for (const PageItem* i : slip4.itemsNamed(QStringLiteral("line.name")))
        names << i->text;
    EXPECT_EQ(names.size(), 2);
    EXPECT_EQ(slip4.text(QStringLiteral("col.qty")), QStringLiteral("จำนวน"));
    EXPECT_EQ(slip4.text(QStringLiteral("line.qty")), QStringLiteral("2"));
    EXPECT_EQ(slip4.text(QStringLiteral("gross")), QStringLiteral("130.00"));
    EXPECT_EQ(slip4.text(QStringLiteral("discount")), QStringLiteral("10.00"));
    EXPECT_EQ(slip4.text(QStringLiteral("net")), QStringLiteral("120.00"));
    EXPECT_EQ(slip4.text(QStringLiteral("change")), QStringLiteral("80.00"));
    EXPECT_FALSE(slip4.has(QStringLiteral("tax")));
    EXPECT_EQ(slip4.text(QStringLiteral("footer")), QStringLiteral("< ใบเสร็จรับเงิน ไม่ใช่ใบกำกับภาษี>"));
    const auto lines = slip4.bandsOf(BandKind::Detail);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_GT(lines[1].height, lines[0].height) << "the long name takes a second row";

    // Under VAT the slip shows the tax so that the cash taken adds up.
    PrintDocument vat = doc;
    vat.header.kind = QStringLiteral("2");
    vat.header.taxRate = 7;
    const LaidOutPage slip4vat = laidOut(QStringLiteral("tPos_Slip4"), vat, {}, paid).pages[0];
    EXPECT_EQ(slip4vat.text(QStringLiteral("net")), QStringLiteral("120.00"));
    EXPECT_EQ(slip4vat.text(QStringLiteral("tax")), QStringLiteral("8.40"));
    EXPECT_EQ(slip4vat.text(QStringLiteral("total")), QStringLiteral("128.40"));
}

TEST(DocumentLayouts, LayoutChosenByTemplateKindAndVariant) {
    using V = PrintVariant;
    struct Case {
        int kind;
        const char* line5;
        V variant;
        const char* layout;
    };
    const Case entry[] = {
        {1, "0", V::DeliveryOrInvoice, "TPrnDO9s"}, {1, "1", V::Receipt, "TPrnDO8"},
        {2, "2", V::DeliveryOrInvoice, "TPrnDO4s"}, {2, "3", V::Receipt, "TPrnDO9"},
        {2, "4", V::DeliveryOrInvoice, "TPrnDO8"},  {2, "0", V::DocumentSet, "TPrnDO8"},
        {5, "0", V::DeliveryOrInvoice, "TPrnORD3"}, {6, "2", V::DeliveryOrInvoice, "TPrnQUO3"},
        {4, "2", V::DeliveryOrInvoice, "TPrnDO4s"},
    };
    for (const Case& c : entry)
        EXPECT_EQ(entryLayoutName(c.kind, QString::fromLatin1(c.line5), c.variant),
                  QString::fromLatin1(c.layout))
            << c.kind << " " << c.line5;
    const std::pair<const char*, const char*> pos[] = {{"0", "TPosDO4s"},
                                                       {"1", "TPosDO8"},
                                                       {"2", "tPos_Slip3"},
                                                       {"3", "tPos_Slip4"},
                                                       {"4", "TPosDO8"}};
    for (const auto& [line5, layout] : pos)
        EXPECT_EQ(posLayoutName(QString::fromLatin1(line5)), QString::fromLatin1(layout));
    for (const QString& name : documentLayoutNames())
        EXPECT_EQ(documentLayout(name)->name(), name);
    EXPECT_EQ(documentLayout(QStringLiteral("TPrnDO7")), nullptr);
}

} // namespace
