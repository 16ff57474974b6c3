#pragma once

#include <QString>
#include <optional>

// The six kinds of trading document. The kind digit is stored in INV_TYPE and is the fifth
// character of the document number; it decides the tables, the party register and the stock
// code that the document's product lines carry.
struct DocumentKind {
    int digit = 0;         // 1 .. 6
    QString headerTable;   // Invoice, Order0, Tmpord, Quotation
    QString lineTable;     // Invoice1, Order1, Tmpord1, Quotation1
    QString partyTable;    // Customer or Supply
    int stockCode = 0;     // STK_POST of a product line: 1 sale, 2 purchase, 3 order, 4 quote
    bool taxAdded = false; // 7 % tax added on top of the net amount (kinds 2 and 4)
    QString queueField;    // the Que field the till numbering advances; empty for kind 6

    bool isSale() const { return digit == 1 || digit == 2; }
    bool isPurchase() const { return digit == 3 || digit == 4; }
    QChar digitChar() const { return QChar(u'0' + digit); }

    // The kind of a digit 1 to 6; nullopt for anything else.
    static std::optional<DocumentKind> of(int digit);
    // Throws std::invalid_argument for a digit outside 1 to 6 (a programming error).
    static const DocumentKind& get(int digit);
};

// Value-added tax in percent, added on top of the net amount.
inline constexpr int VatPercent = 7;
