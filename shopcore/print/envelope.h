#pragma once

#include "shopcore/print/printdocument.h"
#include "shopcore/print/reportdefinition.h"

// The envelope of the customer register: "กรุณาส่ง" and the customer's name and address,
// the shop as sender.

// OF_ADD1 when it is not blank, then a blank and each of OF_ADD2, OF_ADD4 and OF_ZIP that is
// not blank.
QString envelopeSenderLine(const ShopRecord& shop);

Report envelopeReport(const PartyRecord& customer, const ShopRecord& shop);
