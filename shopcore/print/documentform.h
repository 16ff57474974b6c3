#pragma once

#include "shopcore/print/documentparts.h"
#include "shopcore/print/reportdefinition.h"

// The delivery-order form and its family: one implementation, configured by how each member
// differs from the fullest one (paper, first column, titles and captions, totals).
struct FormStyle {
    enum class Family {
        Entry,         // document entry: titles by kind and print variant
        PurchaseOrder, // "ใบสั่งซื้อ" to a supplier
        Quotation,     // "ใบเสนอราคา"
        Pos,           // POS sale: titles by kind and credit term, the cash discount
    };

    Family family = Family::Entry;
    bool halfPage = false;       // 8.5 x 5.5 in with compact totals
    bool sequenceColumn = false; // the first column numbers the lines instead of the code
    QString firstColumnCaption = QStringLiteral("รหัสสินค้า");
    bool englishTitle = true;
    bool printsTime = false; // INV_TIME next to the date
    QString compactDiscountCaption = QStringLiteral("ลด");
};

// Margins of the form: PRN_TOP at the top, PRN_LEFT at the left, and at the bottom what the
// form leaves below PRN_TOP (12.5 mm on the full page, 22 mm on the half page), never less
// than nothing.
PageMargins formMargins(const ShopRecord& shop, bool halfPage);

Report documentFormReport(const PrintRequest& request, const FormStyle& style);
