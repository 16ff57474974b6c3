// A sale from the first key to its slip in a PDF file, on the real screen and printing.
#include "posfixture.h"

#include "shopcore/documents/screens/posslipprinting.h"
#include "shopcore/documents/screens/tpos2.h"
#include "shopcore/print/preview/reportpreview.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void type(QWidget* w, const QString& text) {
    QTest::keyClicks(w, text);
    QTest::keyClick(w, Qt::Key_Return);
}

ReportPreview* openPreview() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* preview = dynamic_cast<ReportPreview*>(w); preview && preview->isVisible())
            return preview;
    return nullptr;
}

TEST(PosEndToEnd, ASaleRungUpOnTheScreenPrintsItsSlipToPdf) {
    TestDatabase t;
    PosShop::seed(t.db());
    PosShop::setting(t.db(), "LINE5", QStringLiteral("3")); // the slip with its lines
    ProgramState program;
    program.loginName = QStringLiteral("cashier1");
    ScriptedPrompter prompter;
    Tpos2 w(std::make_unique<PosSale>(t.alias(), 1, program, prompter));
    w.sale().setSlipPrinter(PosSlipPrinting(&w, prompter));
    w.sale().setClock([] { return PosShop::Now; });
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    type(w.customerCodeEdit(), QStringLiteral("00001"));
    type(w.productCodeEdit(), QStringLiteral("8850001"));
    type(w.productCodeEdit(), QStringLiteral("8850003"));
    prompter.yes();
    QTest::keyClick(w.productCodeEdit(), Qt::Key_Plus);
    type(w.receivedEdit(), QStringLiteral("100"));
    prompter.yes();
    QTest::keyClick(w.thankYouButton(), Qt::Key_Space);
    EXPECT_EQ(prompter.texts(), (QStringList{PosText::SaveQuestion, PosText::PrintQuestion}));

    ReportPreview* preview = openPreview();
    ASSERT_NE(preview, nullptr) << "print mode 0 previews the slip";
    EXPECT_EQ(preview->report().pages.size(), 1);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("slip.pdf"));
    ASSERT_TRUE(preview->saveAsPdf(pdf));
    preview->close();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected :
         {"SALE-1-000001", "15/01/2567", "10.00", "45.50", "55.50", "100.00", "44.50"})
        EXPECT_TRUE(printed.contains(QString::fromLatin1(expected))) << expected << "\n"
                                                                     << printed.toStdString();
    for (const QString& thai : {QStringLiteral("รับมา"), QStringLiteral("เงินทอน")})
        EXPECT_TRUE(printed.contains(thai)) << thai.toStdString();
}

} // namespace
