#pragma once

#include "shopcore/documents/pos/possale.h"

class Prompter;
class QWidget;

// The till's printing: the saved sale in the layout of LINE5, previewed over the till or sent
// to the default printer; failures are told through the prompter.
PosSlipPrinter PosSlipPrinting(QWidget* parent, Prompter& prompter);
