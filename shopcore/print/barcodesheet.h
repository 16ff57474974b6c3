#pragma once

#include "shopcore/print/reportdefinition.h"

// The barcode sheet: one Letter page with the product name at the top and 30 EAN-13 symbols
// of its code, 3 across and 10 down.

// Empty when the code can be printed as an EAN-13 symbol, otherwise the Thai message saying
// why not (a label that scans as another code would be worse than none).
QString barcodeSheetProblem(const QString& code);

Report barcodeSheetReport(const QString& code, const QString& name);
