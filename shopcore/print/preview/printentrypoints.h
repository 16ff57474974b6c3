#pragma once

#include "shopcore/print/laidoutreport.h"
#include "shopcore/print/printdocument.h"
#include "shopcore/print/printdocumentstore.h"
#include "shopcore/print/productreports.h"

#include <QSqlDatabase>
#include <optional>

class Prompter;
class QWidget;
class ReportPreview;

// Where the screens print. Every function reports its failures to the user through the
// prompter (a document that no longer exists, no printer, a printer that fails, a database
// error) and returns false then; none of them throws. The prompter must outlive a preview:
// pass the calling screen's own.

enum class PrintMode { Preview, Printer };
// VIEW1 (and the POS print mode): "0" preview, "1" straight to the printer, anything else
// no printing.
std::optional<PrintMode> printModeOf(const QString& view1);

// A preview window (window-modal, returned at once; it deletes itself when closed).
ReportPreview* previewReport(QWidget* parent, Prompter& prompter, const LaidOutReport& report);
// Straight to the default printer, without a dialog.
bool printOnDefaultPrinter(Prompter& prompter, const LaidOutReport& report);
bool outputReport(QWidget* parent, Prompter& prompter, const LaidOutReport& report, PrintMode mode);

// Document entry: the shown document `number` of `kind` (1..6), in the layout chosen by the
// LINE5 template read at activation and by the print button's variant.
bool printEntryDocument(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                        const QString& number, int kind, PrintVariant variant,
                        const QString& template5, PrintMode mode);
// POS: the sale just saved, in the layout chosen by LINE5; the slips print the cash received
// and the change of the payment step.
bool printPosDocument(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                      const QString& number, const PosPayment& payment, const QString& template5,
                      PrintMode mode);
// Any document layout by name (documentlayouts.h).
bool printDocumentLayout(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                         const QString& layoutName, const QString& number, int kind,
                         PrintVariant variant, const PosPayment& payment, PrintMode mode);

// Customer register, "ซอง จม.": the envelope of the customer shown. The first form reads the
// customer and the shop; the second takes both as they are.
bool previewCustomerEnvelope(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                             const QString& customerCode);
bool previewCustomerEnvelope(QWidget* parent, Prompter& prompter, const PartyRecord& customer,
                             const ShopRecord& shop);

// Product search, "พิมพ์": the list found.
bool previewProductSearchList(QWidget* parent, Prompter& prompter,
                              const QList<ProductSearchRow>& rows,
                              const QString& title = QStringLiteral("ทะเบียนสินค้า"),
                              const QString& priceCaption = QStringLiteral("ราคาขาย"));

// The printed product list, sorted by code or by name.
bool previewProductList(QWidget* parent, Prompter& prompter, const QSqlDatabase& db,
                        ProductListOrder order);

// Product register, "พิมพ์บาร์โค๊ด": the sheet of 30 EAN-13 labels of the product shown.
bool previewBarcodeSheet(QWidget* parent, Prompter& prompter, const QString& code,
                         const QString& name);
