#pragma once

#include "shopcore/print/printdocument.h"

// The pieces every document layout prints the same way: the shop lines, the party lines, the
// printed number, the totals recomputed from the lines, the amount in words and the titles.
namespace DocumentParts {

struct ShopLines {
    QString name;
    QString address; // OF_ADD1, OF_ADD2, OF_ADD4, OF_ZIP, each followed by a blank
    QString contact; // " Tel. ...", " Fax. ...", " Email : ..." for the values that exist
    QString taxId; // "เลขประจำตัวผู้เสียภาษี  " + OF_TAXID, or empty
};
ShopLines shopLines(const ShopRecord& shop);

struct PartyLines {
    QString first;  // address line 1, a blank and address line 2
    QString second; // province, postcode, " Tel. ...", " Fax. ..."
};
PartyLines partyLines(const PartyRecord& party);

// SALE1000001 prints as SALE-1-000001.
QString printedNumber(const QString& number);

// The total in words between the angle brackets: "<" + BahtText of "#######0.00" + ">".
QString amountInWords(const Money& total);

// How the discount of the totals is found.
enum class DiscountRule {
    PartyPercent, // CUST_DISC % of the gross (document-entry layouts)
    CashDiscount, // the header's DISCOUNT, replaced by CUST_DISC % when that is above 0 (POS)
};

struct Totals {
    Money gross; // sum of the lines' PRICE
    Money discount;
    Money afterDiscount;
    Money tax; // 7 % of afterDiscount on documents with tax
    Money total;
    bool taxed = false;
};
Totals totals(const PrintDocument& document, DiscountRule rule);

// Whether the kind prints its tax: sales and purchases under value-added tax.
bool printsTax(int kind);

struct Titles {
    QString thai;
    QString english;
    bool paymentBlock = false;    // "ชำระเงินโดย" with cash, card and cheque
    bool receiverOfMoney = false; // the "ผู้รับเงิน" signature
    bool documentSet = false;     // pre-printed set: no frames, headings, captions or signatures
};
// Document-entry layouts: by kind and print variant.
Titles entryTitles(int kind, PrintVariant variant);
// POS layouts: by kind and credit term.
Titles posTitles(int kind, bool cash);

} // namespace DocumentParts
