#include "printentrypoints.h"

#include "reportpreview.h"

#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/print/barcodesheet.h"
#include "shopcore/print/documentlayouts.h"
#include "shopcore/print/envelope.h"
#include "shopcore/print/reportlayouter.h"
#include "shopcore/print/reportpainter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString PrinterFailed = QStringLiteral("ไม่สามารถพิมพ์ได้ ตรวจสอบเครื่องพิมพ์ แล้วลองใหม่อีกครั้ง");

QString missingDocument(const QString& number) {
    return QStringLiteral("ไม่พบใบสำคัญเลขที่ %1 ในระบบ ...").arg(number.trimmed());
}

} // namespace

std::optional<PrintMode> printModeOf(const QString& view1) {
    const QString v = view1.trimmed();
    if (v == QLatin1String("0"))
        return PrintMode::Preview;
    if (v == QLatin1String("1"))
        return PrintMode::Printer;
    return std::nullopt;
}

ReportPreview* previewReport(QWidget* parent, Prompter& prompter, const LaidOutReport& report) {
    auto* preview = new ReportPreview(report, prompter, parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->open();
    return preview;
}

bool printOnDefaultPrinter(Prompter& prompter, const LaidOutReport& report) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        prompter.information(QStringLiteral("ไม่พบเครื่องพิมพ์ ... ตั้งเครื่องพิมพ์หลักของระบบก่อน"));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    setPaperOf(report, printer);
    if (!printer.isValid() || !paintReport(report, printer)) {
        prompter.information(PrinterFailed);
        return false;
    }
    return true;
}

bool outputReport(QWidget* parent, Prompter& prompter, const LaidOutReport& report,
                  PrintMode mode) {
    if (mode == PrintMode::Printer)
        return printOnDefaultPrinter(prompter, report);
    previewReport(parent, prompter, report);
    return true;
}

bool printDocumentLayout(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                         const QString& layoutName, const QString& number, int kind,
                         PrintVariant variant, const PosPayment& payment, PrintMode mode) {
    const auto layout = documentLayout(layoutName);
    if (!layout)
        return false;
    try {
        auto document = PrintDocumentStore(db).load(number, kind);
        if (!document) {
            prompter.information(missingDocument(number));
            return false;
        }
        const PrintRequest request{*document, variant, payment};
        return outputReport(parent, prompter, layoutReport(layout->report(request)), mode);
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return false;
    }
}

bool printEntryDocument(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                        const QString& number, int kind, PrintVariant variant,
                        const QString& template5, PrintMode mode) {
    return printDocumentLayout(parent, prompter, db, entryLayoutName(kind, template5, variant),
                               number, kind, variant, {}, mode);
}

bool printPosDocument(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                      const QString& number, const PosPayment& payment, const QString& template5,
                      PrintMode mode) {
    return printDocumentLayout(parent, prompter, db, posLayoutName(template5), number, 0,
                               PrintVariant::DeliveryOrInvoice, payment, mode);
}

bool previewCustomerEnvelope(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                             const QString& customerCode) {
    try {
        const PrintDocumentStore store(db);
        const auto customer = store.customer(customerCode);
        if (!customer) {
            prompter.information(
                QStringLiteral("ไม่พบรหัสลูกค้า %1 ในระบบ ...").arg(customerCode.trimmed()));
            return false;
        }
        return previewCustomerEnvelope(parent, prompter, *customer, store.shop());
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return false;
    }
}

bool previewCustomerEnvelope(QWidget* parent, Prompter& prompter, const PartyRecord& customer,
                             const ShopRecord& shop) {
    previewReport(parent, prompter, layoutReport(envelopeReport(customer, shop)));
    return true;
}

bool previewProductSearchList(QWidget* parent, Prompter& prompter,
                              const QList<ProductSearchRow>& rows, const QString& title,
                              const QString& priceCaption) {
    previewReport(parent, prompter, layoutReport(productSearchReport(rows, title, priceCaption)));
    return true;
}

bool previewProductList(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                        ProductListOrder order) {
    try {
        const auto rows = PrintDocumentStore(db).productList(order);
        previewReport(parent, prompter, layoutReport(productListReport(rows)));
        return true;
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return false;
    }
}

bool previewBarcodeSheet(QWidget* parent, Prompter& prompter, const QString& code,
                         const QString& name) {
    if (const QString problem = barcodeSheetProblem(code); !problem.isEmpty()) {
        prompter.information(problem);
        return false;
    }
    previewReport(parent, prompter, layoutReport(barcodeSheetReport(code, name)));
    return true;
}
