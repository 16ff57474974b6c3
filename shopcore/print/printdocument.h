#pragma once

#include "shopcore/foundation/money.h"

#include <QImage>
#include <QList>
#include <QString>

// What the document prints are made of: plain values read from the tables by
// PrintDocumentStore (or built by a caller), independent of the database.

// The shop record (Kelmsys) as the prints use it.
struct ShopRecord {
    QString name;                               // OF_NAME
    QString taxId;                              // OF_TAXID
    QString address1, address2, province, zip;  // OF_ADD1, OF_ADD2, OF_ADD4, OF_ZIP
    QString tel, fax, email;                    // OF_TEL, OF_FAX, OF_EMAIL
    QImage logo;                                // OF_LOGO
    QString paperSetting = QStringLiteral("1"); // LINE1: "1" blank paper, "0" pre-printed forms
    QString logoSetting = QStringLiteral("0");  // LINE4: "0" no logo
    double printTop = 0;                        // PRN_TOP, mm
    double printLeft = 0;                       // PRN_LEFT, mm

    bool preprintedPaper() const { return paperSetting.trimmed() == QLatin1String("0"); }
    // An empty setting counts as "no logo", as a new installation stores "0".
    bool printsLogo() const {
        const QString s = logoSetting.trimmed();
        return !s.isEmpty() && s != QLatin1String("0");
    }
};

// A customer or supplier (Customer, Supply: the same fields).
struct PartyRecord {
    QString code;                              // CUST_NO
    QString name;                              // CUST_NAME
    QString address1, address2, province, zip; // CUST_ADD1, CUST_ADD2, CUST_ADD4, CUST_ZIP
    QString tel, fax;                          // CUST_TEL, CUST_FAX
};

struct PrintLine {
    QString productCode; // PRO_NO
    QString productName; // PRO_NAME
    QString detail;      // ATTRIB: serial number or detail
    QString detail2;     // ATTRIB2
    double quantity = 0; // PRO_QTY
    QString unit;        // PRO_UNIT
    Money unitPrice;     // UNIT_PRICE
    double discount = 0; // DISCOUNT, percent
    Money price;         // PRICE, after the line discount
};

struct PrintHeader {
    QString number;           // INV_NO
    QString kind;             // INV_TYPE, "1" to "6"
    QString date;             // INV_DATE, date text
    QString time;             // INV_TIME as hh:mm:ss, POS sales only
    QString partyCode;        // CUST_NO
    QString partyName;        // CUST_NAME
    QString reference;        // REF_ORDER
    QString creditTerm;       // CUST_CRE
    QString dueDate;          // DUE_DATE
    QString salesCode;        // SALE_NO
    QString salesName;        // SALE_NAME
    double taxRate = 0;       // TAX_RATE
    double partyDiscount = 0; // CUST_DISC, percent
    Money discount;           // DISCOUNT: the POS cash discount, or the sum of line discounts
    Money total;              // TOTAL
    Money tax;                // TAX
    Money amountDue;          // SUM_TOTAL
};

struct PrintDocument {
    PrintHeader header;
    QList<PrintLine> lines;
    PartyRecord party;
    ShopRecord shop;

    // The kind digit 1..6: INV_TYPE, or the fifth character of the number when it is empty;
    // 0 when neither says.
    int kind() const;
    bool isCash() const { return header.creditTerm.trimmed() == QStringLiteral("สด"); }
};

// What the POS payment step hands to the till slips.
struct PosPayment {
    Money received; // "รับมา"
    Money change;   // "เงินทอน"
};

// The print variant chosen on the document-entry screen.
enum class PrintVariant {
    DocumentSet = 0,       // the third button: pre-printed set, no titles
    DeliveryOrInvoice = 1, // the first button
    Receipt = 2,           // the second button
};

// Everything one layout needs to print one document.
struct PrintRequest {
    PrintDocument document;
    PrintVariant variant = PrintVariant::DeliveryOrInvoice;
    PosPayment payment;
};
