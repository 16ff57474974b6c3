#include "printfixtures.h"
#include "scriptedprompter.h"
#include "testdatabase.h"

#include "shopcore/foundation/records.h"
#include "shopcore/print/documentlayouts.h"
#include "shopcore/print/preview/printentrypoints.h"
#include "shopcore/print/preview/productlistwindow.h"
#include "shopcore/print/preview/reportpreview.h"
#include "shopcore/print/reportlayouter.h"

#include <QAction>
#include <QApplication>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// The previews open window-modal and return at once; each test closes what it opened.
QList<ReportPreview*> openPreviews() {
    QList<ReportPreview*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = dynamic_cast<ReportPreview*>(w); p && p->isVisible())
            out << p;
    return out;
}

void closePreviews() {
    for (ReportPreview* p : openPreviews())
        p->close();
    QApplication::processEvents();
}

void addSale(const TestDatabase& t, const QString& number) {
    Records::insert(t.db(), "Customer", {{"CUST_NO", "C0001"}, {"CUST_NAME", "สมหญิง"}}, "test");
    Records::insert(t.db(), "Invoice",
                    {{"INV_NO", number},
                     {"INV_TYPE", number.mid(4, 1)},
                     {"CUST_NO", "C0001"},
                     {"CUST_NAME", "สมหญิง"},
                     {"CUST_CRE", "สด"},
                     {"SUM_TOTAL", 50.0}},
                    "test");
    Records::insert(t.db(), "Invoice1",
                    {{"INV_NO", number}, {"PRO_NAME", "ขนม"}, {"PRO_QTY", 1.0}, {"PRICE", 50.0}},
                    "test");
}

TEST(ReportPreviewWindow, OffersSaveAsPdfBesideThePrintButtons) {
    ScriptedPrompter prompter;
    const LaidOutReport report =
        layoutReport(documentLayout(QStringLiteral("TPrnDO8"))
                         ->report({fixtureDocument(1), PrintVariant::Receipt, {}}));
    ReportPreview* preview = previewReport(nullptr, prompter, report);
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("ใบเสร็จรับเงิน SALE1000001"));
    QToolBar* bar = preview->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->actions().contains(preview->saveAsPdfAction()));
    EXPECT_EQ(preview->saveAsPdfAction()->text(), QStringLiteral("บันทึกเป็น PDF"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("receipt.pdf"));
    EXPECT_TRUE(preview->saveAsPdf(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(prompter.asked().isEmpty());

    EXPECT_FALSE(preview->saveAsPdf(QStringLiteral("/no/such/folder/receipt.pdf")));
    EXPECT_TRUE(prompter.last().startsWith(QStringLiteral("ไม่สามารถบันทึกไฟล์ PDF ได้")));
    closePreviews();
}

TEST(PrintEntryPoints, DocumentsPreviewFromTheDatabaseOrSayWhyNot) {
    TestDatabase t;
    addSale(t, QStringLiteral("SALE1000007"));
    ScriptedPrompter prompter;

    EXPECT_TRUE(printEntryDocument(nullptr, prompter, t.db(), QStringLiteral("SALE1000007"), 1,
                                   PrintVariant::Receipt, QStringLiteral("2"), PrintMode::Preview));
    ASSERT_EQ(openPreviews().size(), 1);
    const LaidOutReport& shown = openPreviews()[0]->report();
    EXPECT_EQ(shown.paper, PaperSize::halfLetter()) << "LINE5 2 is the half page";
    EXPECT_EQ(shown.pages[0].text(QStringLiteral("title")), QStringLiteral("ใบเสร็จรับเงิน"));
    closePreviews();

    EXPECT_TRUE(printPosDocument(nullptr, prompter, t.db(), QStringLiteral("SALE1000007"),
                                 {Money::fromInt(100), Money::fromInt(50)}, QStringLiteral("2"),
                                 PrintMode::Preview));
    ASSERT_EQ(openPreviews().size(), 1);
    EXPECT_EQ(openPreviews()[0]->report().pages[0].text(QStringLiteral("change")),
              QStringLiteral("50.00"));
    closePreviews();
    EXPECT_TRUE(prompter.asked().isEmpty());

    // A number that is gone: a message, no preview.
    EXPECT_FALSE(printEntryDocument(nullptr, prompter, t.db(), QStringLiteral("SALE1000099"), 1,
                                    PrintVariant::DeliveryOrInvoice, QStringLiteral("1"),
                                    PrintMode::Preview));
    EXPECT_EQ(prompter.last(), QStringLiteral("ไม่พบใบสำคัญเลขที่ SALE1000099 ในระบบ ..."));
    EXPECT_TRUE(openPreviews().isEmpty());
}

TEST(PrintEntryPoints, PrinterModeWithoutAPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; nothing is sent to it";
    TestDatabase t;
    addSale(t, QStringLiteral("SALE2000001"));
    ScriptedPrompter prompter;
    EXPECT_FALSE(printPosDocument(nullptr, prompter, t.db(), QStringLiteral("SALE2000001"), {},
                                  QStringLiteral("1"), PrintMode::Printer));
    EXPECT_TRUE(prompter.last().startsWith(QStringLiteral("ไม่พบเครื่องพิมพ์")));
    EXPECT_EQ(printModeOf(QStringLiteral("0")), PrintMode::Preview);
    EXPECT_EQ(printModeOf(QStringLiteral("1")), PrintMode::Printer);
    EXPECT_EQ(printModeOf(QStringLiteral("2")), std::nullopt);
}

TEST(PrintEntryPoints, BarcodeSheetOnlyForValidEan13Codes) {
    ScriptedPrompter prompter;
    EXPECT_FALSE(previewBarcodeSheet(nullptr, prompter, QStringLiteral("885012345678"), "นม"));
    EXPECT_EQ(prompter.last(), QStringLiteral("รหัส 13 หลัก ( EAN13 ) เท่านั้น"));
    EXPECT_FALSE(previewBarcodeSheet(nullptr, prompter, QStringLiteral("8850123456781"), "นม"));
    EXPECT_EQ(prompter.last(),
              QStringLiteral("รหัส 8850123456781 หลักสุดท้ายไม่ถูกต้อง ( EAN13 ต้องเป็น 8850123456787 )"));
    EXPECT_TRUE(openPreviews().isEmpty());

    EXPECT_TRUE(previewBarcodeSheet(nullptr, prompter, QStringLiteral("8850123456787"), "นมสด"));
    ASSERT_EQ(openPreviews().size(), 1);
    const LaidOutReport& sheet = openPreviews()[0]->report();
    ASSERT_EQ(sheet.pages.size(), 1);
    EXPECT_EQ(sheet.itemsNamed(QStringLiteral("productName")).size(), 1);
    EXPECT_EQ(sheet.pages[0].text(QStringLiteral("productName")), QStringLiteral("นมสด"));
    const auto symbols = sheet.itemsNamed(QStringLiteral("barcode"));
    ASSERT_EQ(symbols.size(), 30);
    QSet<double> columns, rows;
    for (const PageItem* s : symbols) {
        EXPECT_EQ(s->text, QStringLiteral("8850123456787"));
        columns.insert(s->rect.left());
        rows.insert(s->rect.top());
        EXPECT_LE(s->rect.bottom(), sheet.paper.height() - sheet.margins.bottom);
    }
    EXPECT_EQ(columns.size(), 3);
    EXPECT_EQ(rows.size(), 10);
    closePreviews();
}

TEST(PrintEntryPoints, CustomerEnvelope) {
    TestDatabase t;
    Records::insert(t.db(), "Customer",
                    {{"CUST_NO", "C0005"},
                     {"CUST_NAME", "นายทดสอบ ใจดี"},
                     {"CUST_ADD1", "5 ถนนห้า"},
                     {"CUST_ADD2", "ตำบลหก"},
                     {"CUST_ADD4", "  ลำปาง  "},
                     {"CUST_ZIP", "52000"}},
                    "test");
    Records::updateSingle(t.db(), "Kelmsys",
                          {{"OF_NAME", "  ร้านส่งของ  "},
                           {"OF_ADD1", "7 ถนนเจ็ด"},
                           {"OF_ADD2", ""},
                           {"OF_ADD4", "ลำพูน"},
                           {"OF_ZIP", "51000"}},
                          "test");
    ScriptedPrompter prompter;
    EXPECT_TRUE(previewCustomerEnvelope(nullptr, prompter, t.db(), QStringLiteral("C0005")));
    ASSERT_EQ(openPreviews().size(), 1);
    const LaidOutPage& page = openPreviews()[0]->report().pages[0];
    EXPECT_EQ(page.text(QStringLiteral("deliverTo")), QStringLiteral("กรุณาส่ง"));
    EXPECT_EQ(page.text(QStringLiteral("name")), QStringLiteral("นายทดสอบ ใจดี"));
    EXPECT_EQ(page.text(QStringLiteral("address1")), QStringLiteral("5 ถนนห้า"));
    EXPECT_EQ(page.text(QStringLiteral("address2")), QStringLiteral("ตำบลหก"));
    EXPECT_EQ(page.text(QStringLiteral("provinceZip")), QStringLiteral("ลำปาง 52000"));
    EXPECT_EQ(page.text(QStringLiteral("senderName")), QStringLiteral("ร้านส่งของ"));
    // A blank OF_ADD2 leaves no double blank on the sender line.
    EXPECT_EQ(page.text(QStringLiteral("senderAddress")), QStringLiteral("7 ถนนเจ็ด ลำพูน 51000"));
    EXPECT_TRUE(openPreviews()[0]->report().paper.landscape());
    closePreviews();

    EXPECT_FALSE(previewCustomerEnvelope(nullptr, prompter, t.db(), QStringLiteral("C0404")));
    EXPECT_EQ(prompter.last(), QStringLiteral("ไม่พบรหัสลูกค้า C0404 ในระบบ ..."));
}

TEST(PrintEntryPoints, ProductSearchListTotalsTheValues) {
    ScriptedPrompter prompter;
    const QList<ProductSearchRow> rows{{QStringLiteral("8850123456787"), QStringLiteral("นมสด"), 12,
                                        Money::fromInt(10), Money::fromInt(15)},
                                       {QStringLiteral("P01"), QStringLiteral("ขนมปัง"), 2.5,
                                        Money::fromUnits(45000), Money::fromInt(6)}};
    EXPECT_TRUE(previewProductSearchList(nullptr, prompter, rows));
    ASSERT_EQ(openPreviews().size(), 1);
    const LaidOutPage& page = openPreviews()[0]->report().pages[0];
    EXPECT_EQ(page.text(QStringLiteral("title")), QStringLiteral("ทะเบียนสินค้า"));
    QStringList numbers, codes, values;
    for (const PageItem* i : page.itemsNamed(QStringLiteral("cell.0")))
        numbers << i->text;
    for (const PageItem* i : page.itemsNamed(QStringLiteral("cell.code")))
        codes << i->text;
    for (const PageItem* i : page.itemsNamed(QStringLiteral("cell.value")))
        values << i->text;
    EXPECT_EQ(numbers, (QStringList{"1", "2"}));
    EXPECT_EQ(codes, (QStringList{"8-850123-456787", "P01"}));
    EXPECT_EQ(values, (QStringList{"120.00", "11.25"}));
    EXPECT_EQ(page.text(QStringLiteral("totalCaption")), QStringLiteral("รวม"));
    EXPECT_EQ(page.text(QStringLiteral("total")), QStringLiteral("131.25"));
    EXPECT_EQ(page.text(QStringLiteral("pageNumber")), QStringLiteral("หน้า 1"));
    closePreviews();
}

TEST(ProductListWindowScreen, SortByNameAndReport) {
    TestDatabase t;
    for (const auto& [code, name] : {std::pair{"P1", "คนโท"}, {"P2", "กาแฟ"}})
        Records::insert(t.db(), "Product",
                        {{"PRO_NO", code},
                         {"PRO_NAME", QString::fromUtf8(name)},
                         {"PRO_BPRICE", 10.0},
                         {"PRO_SPRICE", 12.0},
                         {"PRO_TOTAL", 3.0}},
                        "test");
    ScriptedPrompter prompter;
    ProductListWindow window(t.alias(), prompter);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" รายชื่อสินค้า"));
    auto* byName = window.findChild<QRadioButton*>(QStringLiteral("byName"));
    auto* report = window.findChild<QPushButton*>(QStringLiteral("reportButton"));
    ASSERT_TRUE(byName && report);
    EXPECT_EQ(window.order(), ProductListOrder::ByCode);
    byName->setFocus();
    QTest::keyClick(byName, Qt::Key_Space);
    EXPECT_EQ(window.order(), ProductListOrder::ByName);
    report->setFocus();
    QTest::keyClick(report, Qt::Key_Space);
    ASSERT_EQ(openPreviews().size(), 1);
    const LaidOutPage& page = openPreviews()[0]->report().pages[0];
    EXPECT_EQ(page.text(QStringLiteral("title")), QStringLiteral("รายงานสินค้า"));
    QStringList codes;
    for (const PageItem* i : page.itemsNamed(QStringLiteral("cell.code")))
        codes << i->text;
    EXPECT_EQ(codes, (QStringList{"P2", "P1"}));
    EXPECT_EQ(page.text(QStringLiteral("totalCaption")), QStringLiteral("รวมราคาทุน"));
    EXPECT_EQ(page.text(QStringLiteral("total")), QStringLiteral("60.00"));
    closePreviews();
}

} // namespace
