#include "printfixtures.h"

#include "shopcore/print/displaymask.h"
#include "shopcore/print/ean13.h"
#include "shopcore/print/reportlayouter.h"

#include <gtest/gtest.h>

namespace {

// A report of `rows` rows with every band kind, on a page that holds a few details.
Report bandedReport(int rows) {
    Report r;
    r.paper = {QStringLiteral("test"), {100, 100}};
    r.margins = {10, 5, 10, 5};
    auto band = [](BandKind kind, const QString& name, double height) {
        ReportBand b(kind, name, height);
        b.elements << ReportElement::label(name, QRectF(0, 0, 50, height), name);
        return b;
    };
    r.bands << band(BandKind::PageHeader, QStringLiteral("pageHeader"), 10)
            << band(BandKind::Title, QStringLiteral("title"), 10)
            << band(BandKind::ColumnHeader, QStringLiteral("columns"), 5)
            << band(BandKind::Summary, QStringLiteral("summary"), 10);
    ReportBand detail(BandKind::Detail, QStringLiteral("detail"), 10);
    detail.elements << ReportElement::system(QStringLiteral("no"), QRectF(0, 0, 10, 10),
                                             TextSource::LineNumber, QStringLiteral("%1."))
                    << ReportElement::value(QStringLiteral("amount"), QRectF(10, 0, 30, 10),
                                            QStringLiteral("AMOUNT"),
                                            QStringLiteral("###,###,##0.00"));
    r.bands << detail;
    ReportBand footer(BandKind::PageFooter, QStringLiteral("pageFooter"), 5);
    footer.elements << ReportElement::system(QStringLiteral("page"), QRectF(0, 0, 30, 5),
                                             TextSource::PageNumber, QStringLiteral("หน้า %1"))
                    << ReportElement::system(QStringLiteral("pages"), QRectF(30, 0, 10, 5),
                                             TextSource::PageCount, QStringLiteral("/%1"));
    r.bands << footer;
    for (int i = 1; i <= rows; ++i)
        r.rows << QVariantMap{{QStringLiteral("AMOUNT"), 1000.0 * i},
                              {QStringLiteral("GROUP"), i <= 2 ? "A" : "B"}};
    return r;
}

QStringList textsOf(const LaidOutPage& page, const QString& name) {
    QStringList out;
    for (const PageItem* i : page.itemsNamed(name))
        out << i->text;
    return out;
}

TEST(ReportLayouter, BandsFollowTheirOrderAndPagesBreakAboveTheFooter) {
    // Content height: 100 - 10 - 10 - 5 (footer) = 75 mm. Page 1: header 10 + title 10 +
    // columns 5 = 25, details of 10 -> 5 details. Page 2: 15 + 10 details, summary 10.
    const LaidOutReport out = layoutReport(bandedReport(7));
    ASSERT_EQ(out.pages.size(), 2);
    const LaidOutPage& first = out.pages[0];
    const LaidOutPage& second = out.pages[1];

    EXPECT_TRUE(first.has(QStringLiteral("title")));
    EXPECT_FALSE(second.has(QStringLiteral("title"))) << "the title prints once";
    for (const LaidOutPage& p : out.pages) {
        EXPECT_TRUE(p.has(QStringLiteral("pageHeader")));
        EXPECT_TRUE(p.has(QStringLiteral("columns")));
        // The page footer sits at the foot of the content area: 100 - 10 - 5.
        EXPECT_DOUBLE_EQ(p.item(QStringLiteral("page"))->rect.top(), 85);
    }
    EXPECT_EQ(textsOf(first, QStringLiteral("no")), (QStringList{"1.", "2.", "3.", "4.", "5."}));
    EXPECT_EQ(textsOf(second, QStringLiteral("no")), (QStringList{"6.", "7."}));
    EXPECT_EQ(textsOf(second, QStringLiteral("amount")), (QStringList{"6,000.00", "7,000.00"}));
    EXPECT_FALSE(first.has(QStringLiteral("summary")));
    EXPECT_DOUBLE_EQ(second.item(QStringLiteral("summary"))->rect.top(), 10 + 15 + 20);
    EXPECT_EQ(first.text(QStringLiteral("page")), QStringLiteral("หน้า 1"));
    EXPECT_EQ(second.text(QStringLiteral("page")), QStringLiteral("หน้า 2"));
    EXPECT_EQ(first.text(QStringLiteral("pages")), QStringLiteral("/2"));
    // Margins: every item moves by the left and top margins.
    EXPECT_DOUBLE_EQ(first.item(QStringLiteral("pageHeader"))->rect.topLeft().x(), 5);
    EXPECT_DOUBLE_EQ(first.item(QStringLiteral("pageHeader"))->rect.top(), 10);
}

TEST(ReportLayouter, SummaryAtPageBottomSitsOnTheFooterOrStartsAPage) {
    Report r = bandedReport(1);
    r.band(BandKind::Summary)->atPageBottom = true;
    LaidOutReport out = layoutReport(r);
    ASSERT_EQ(out.pages.size(), 1);
    EXPECT_DOUBLE_EQ(out.pages[0].item(QStringLiteral("summary"))->rect.bottom(), 85);

    out = layoutReport(bandedReport(5)); // page 1 is full: the summary goes over
    ASSERT_EQ(out.pages.size(), 2);
    EXPECT_TRUE(out.pages[1].has(QStringLiteral("summary")));
    EXPECT_EQ(out.pages[1].itemsNamed(QStringLiteral("no")).size(), 0);
}

TEST(ReportLayouter, HooksChangeABandForOnePrintingOnly) {
    Report r = bandedReport(3);
    ReportBand* detail = r.band(BandKind::Detail);
    detail->beforePrint = [](BandPrinting& p) {
        if (p.lineNumber == 2)
            p.print = false; // left out, the line number still counts
        if (p.lineNumber == 3) {
            p.band.height = 20;
            p.band.setVisible(QStringLiteral("amount"), false);
            p.band.setText(QStringLiteral("no"), QStringLiteral("last"));
        }
    };
    bool reportHookRan = false;
    r.beforePrint = [&](Report& report) {
        reportHookRan = true;
        report.margins.left = 0;
    };
    const LaidOutReport out = layoutReport(r);
    EXPECT_TRUE(reportHookRan);
    const LaidOutPage& page = out.pages[0];
    EXPECT_EQ(textsOf(page, QStringLiteral("no")), (QStringList{"1.", "last"}));
    EXPECT_EQ(textsOf(page, QStringLiteral("amount")), (QStringList{"1,000.00"}));
    const auto details = page.bandsOf(BandKind::Detail);
    ASSERT_EQ(details.size(), 2);
    EXPECT_DOUBLE_EQ(details[1].height, 20);
    EXPECT_DOUBLE_EQ(details[1].top - details[0].top, 10);
    EXPECT_DOUBLE_EQ(page.item(QStringLiteral("pageHeader"))->rect.left(), 0);
    // The design itself is untouched.
    EXPECT_DOUBLE_EQ(r.band(BandKind::Detail)->height, 10);
}

TEST(ReportLayouter, GroupBandsOpenAndCloseWhereTheGroupFieldChanges) {
    Report r = bandedReport(4); // groups A A B B
    ReportBand header(BandKind::GroupHeader, QStringLiteral("groupHeader"), 5);
    header.groupField = QStringLiteral("GROUP");
    header.elements << ReportElement::value(QStringLiteral("group"), QRectF(0, 0, 20, 5),
                                            QStringLiteral("GROUP"));
    ReportBand footer(BandKind::GroupFooter, QStringLiteral("groupFooter"), 5);
    footer.groupField = QStringLiteral("GROUP");
    footer.elements << ReportElement::value(QStringLiteral("groupEnd"), QRectF(0, 0, 20, 5),
                                            QStringLiteral("GROUP"), {}, {}, Qt::AlignLeft);
    r.bands << header << footer;
    r.paper.size.setHeight(300);
    const LaidOutPage page = layoutReport(r).pages[0];
    QStringList order;
    for (const PageItem& i : page.items)
        if (i.name == QLatin1String("group") || i.name == QLatin1String("groupEnd") ||
            i.name == QLatin1String("no"))
            order << i.name + QLatin1Char(':') + i.text;
    EXPECT_EQ(order, (QStringList{"group:A", "no:1.", "no:2.", "groupEnd:A", "group:B", "no:3.",
                                  "no:4.", "groupEnd:B"}));
}

TEST(DisplayMask, FormatsNumbersAndCodes) {
    struct Case {
        const char* name;
        QVariant value;
        const char* mask;
        const char* expected;
    };
    const Case cases[] = {
        {"amount with thousands", 1234567.891, "###,###,##0.00", "1,234,567.89"},
        {"zero keeps its leading digit", 0.0, "##,###,##0.00", "0.00"},
        {"negative", -1500.5, "###,###,##0.00", "-1,500.50"},
        {"amount for words has no separators", 1070.0, "#######0.00", "1070.00"},
        {"plain two decimals", 12.3456, "0.00", "12.35"},
        {"money value", QVariant::fromValue(Money::fromUnits(9999995)), "###,###,##0.00",
         "1,000.00"},
        {"EAN code", "8850123456787", "#-######-######", "8-850123-456787"},
        {"document number", "SALE1000001", "9999-9-999999", "SALE-1-000001"},
        {"short code printed as it is", "P001", "#-######-######", "P001"},
        {"no mask", "ABC", "", "ABC"},
        {"null value", QVariant(), "0.00", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayMask::format(c.value, QString::fromLatin1(c.mask)),
                  QString::fromUtf8(c.expected))
            << c.name;
}

TEST(Ean13, CheckDigitAndSymbol) {
    EXPECT_EQ(Ean13::checkDigit(QStringLiteral("885012345678")), 7);
    EXPECT_EQ(Ean13::checkDigit(QStringLiteral("400638133393")), 1);
    EXPECT_EQ(Ean13::checkDigit(QStringLiteral("88501234567")), -1);
    EXPECT_EQ(Ean13::checkDigit(QStringLiteral("88501234567X")), -1);
    EXPECT_TRUE(Ean13::isValid(QStringLiteral("8850123456787")));
    EXPECT_FALSE(Ean13::isValid(QStringLiteral("8850123456781")));

    const Ean13::Symbol s = Ean13::symbol(QStringLiteral("8850123456787"));
    ASSERT_TRUE(s.isValid()) << s.error.toStdString();
    // 3 guard pairs and 2 bars per digit; 95 modules from the first bar to the last.
    EXPECT_EQ(s.bars.size(), 30);
    double left = 1e9, right = -1e9, shortest = 1e9, tallest = 0;
    for (const QRectF& b : s.bars) {
        left = std::min(left, b.left());
        right = std::max(right, b.right());
        shortest = std::min(shortest, b.height());
        tallest = std::max(tallest, b.height());
    }
    EXPECT_DOUBLE_EQ(right - left, 95);
    EXPECT_GT(tallest, shortest) << "guard bars are extended";
    QString digits;
    for (const auto& d : s.digits)
        digits += d.text;
    EXPECT_EQ(digits, QStringLiteral("8850123456787"));
    EXPECT_FALSE(Ean13::symbol(QStringLiteral("8850123456781")).isValid());
}

} // namespace
