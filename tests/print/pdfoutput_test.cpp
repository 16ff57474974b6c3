#include "printfixtures.h"

#include "shopcore/print/barcodesheet.h"
#include "shopcore/print/documentlayouts.h"
#include "shopcore/print/pdfexport.h"
#include "shopcore/print/reportlayouter.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs a poppler tool; empty when it is not installed or fails.
QByteArray run(const QString& program, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(program).isEmpty())
        return {};
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// A rendered grey page (PGM) and the count of dark pixels in a rectangle given in mm.
struct GreyPage {
    int width = 0, height = 0;
    QByteArray pixels;
    double dotsPerMm = 0;

    static GreyPage read(const QString& path, double dpi) {
        GreyPage g;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return g;
        const QByteArray all = f.readAll();
        // "P5\n<w> <h>\n255\n" then one byte per pixel.
        const QList<QByteArray> head = all.left(64).split('\n');
        if (head.size() < 3 || head[0] != "P5")
            return g;
        const QList<QByteArray> size = head[1].split(' ');
        g.width = size.value(0).toInt();
        g.height = size.value(1).toInt();
        const qsizetype offset = head[0].size() + head[1].size() + head[2].size() + 3;
        g.pixels = all.mid(offset);
        g.dotsPerMm = dpi / 25.4;
        return g;
    }
    int inkIn(const QRectF& mm) const {
        int dark = 0;
        for (int y = int(mm.top() * dotsPerMm); y < int(mm.bottom() * dotsPerMm) && y < height; ++y)
            for (int x = int(mm.left() * dotsPerMm); x < int(mm.right() * dotsPerMm) && x < width;
                 ++x)
                if (quint8(pixels.at(qsizetype(y) * width + x)) < 128)
                    ++dark;
        return dark;
    }
};

TEST(PdfOutput, TaxInvoiceReadsBackAsTextAndInk) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("invoice.pdf"));
    PrintDocument doc = fixtureDocument(2);
    doc.shop.taxId = QStringLiteral("1234567890123");
    doc.shop.name = QStringLiteral("ร้านน้ำดื่มกั้นห้อง");
    doc.lines << fixtureLine(QStringLiteral("8850123456787"), 2, 35, QStringLiteral("SN A-77"));
    const LaidOutReport report =
        layoutReport(TPrnDO8().report({doc, PrintVariant::DeliveryOrInvoice, {}}));
    ASSERT_EQ(writePdf(report, pdf), QString());

    const QString text = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    for (const char* expected : {"SALE-2-000001", "TAX INVOICE", "1,070.00", "8850123456787",
                                 "SN A-77", "1234567890123", "1,144.90", "15/01/2547"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
    // Thai copies as typed: lowered tone marks (ส่ง, ได้, ข้าง, แล้ว), sara am alone and under a
    // tone mark (จำ, น้ำ), a tone mark over a vowel below (ผู้).
    for (const char* thai : {"ใบส่งสินค้า/ใบกำกับภาษี", "ได้รับสินค้าตามรายการข้างบนนี้แล้ว", "จำนวนเงิน",
                             "ผู้รับของ", "ร้านน้ำดื่มกั้นห้อง", "เลขประจำตัวผู้เสียภาษี"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(thai))) << thai << "\n" << text.toStdString();

    // And the Thai title is drawn: ink where the layout put it, none in the empty corner.
    constexpr double Dpi = 50;
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(Dpi),
         QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const GreyPage page = GreyPage::read(dir.filePath(QStringLiteral("page.pgm")), Dpi);
    ASSERT_GT(page.width, 0);
    const QRectF title = report.pages[0].item(QStringLiteral("title"))->rect;
    EXPECT_GT(page.inkIn(title), 50);
    EXPECT_EQ(page.inkIn(QRectF(0, 0, 8, 8)), 0);
}

TEST(PdfOutput, BarcodeSheetDrawsThirtySymbols) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const LaidOutReport report =
        layoutReport(barcodeSheetReport(QStringLiteral("8850123456787"), QStringLiteral("นม")));
    ASSERT_EQ(writePdf(report, pdf), QString());
    constexpr double Dpi = 100;
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(Dpi),
         QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("sheet"))});
    const GreyPage page = GreyPage::read(dir.filePath(QStringLiteral("sheet.pgm")), Dpi);
    ASSERT_GT(page.width, 0);
    const auto symbols = report.itemsNamed(QStringLiteral("barcode"));
    ASSERT_EQ(symbols.size(), 30);
    for (const PageItem* s : symbols) {
        const int ink = page.inkIn(s->rect);
        const int area = int(s->rect.width() * s->rect.height() * page.dotsPerMm * page.dotsPerMm);
        // Bars cover roughly half of the symbol.
        EXPECT_GT(ink, area / 4);
        EXPECT_LT(ink, area * 3 / 4);
    }
}

TEST(PdfOutput, UnwritableFileGivesAThaiMessage) {
    const LaidOutReport report =
        layoutReport(TPrnDO8().report({fixtureDocument(1), PrintVariant::DeliveryOrInvoice, {}}));
    const QString message = writePdf(report, QStringLiteral("/no/such/folder/x.pdf"));
    EXPECT_TRUE(message.startsWith(QStringLiteral("ไม่สามารถบันทึกไฟล์ PDF ได้")))
        << message.toStdString();
}

} // namespace
