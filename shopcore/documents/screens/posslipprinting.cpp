#include "posslipprinting.h"

#include "shopcore/print/preview/printentrypoints.h"

#include <QPointer>
#include <QWidget>

PosSlipPrinter PosSlipPrinting(QWidget* parent, Prompter& prompter) {
    QPointer<QWidget> over(parent);
    return [over, &prompter](const PosSlipRequest& slip, const QSqlDatabase& db) {
        printPosDocument(over, prompter, db, slip.number, PosPayment{slip.received, slip.change},
                         QString::number(slip.slipLayout),
                         slip.preview ? PrintMode::Preview : PrintMode::Printer);
    };
}
