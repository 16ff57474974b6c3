#pragma once

#include "shopcore/print/documentform.h"

#include <memory>

// The printed documents, one class per paper form. Each reads nothing itself: it turns a
// PrintRequest (the document read by PrintDocumentStore, the print variant, the POS payment)
// into a report ready to be laid out.
class DocumentLayout {
public:
    virtual ~DocumentLayout() = default;
    virtual QString name() const = 0;
    virtual Report report(const PrintRequest& request) const = 0;
};

// The members of the delivery-order family differ only in their FormStyle.
class DocumentFormLayout : public DocumentLayout {
public:
    Report report(const PrintRequest& request) const override {
        return documentFormReport(request, style());
    }
    virtual FormStyle style() const = 0;
};

// Letter, product-code column: delivery order, receipt and tax invoice, and the document set.
class TPrnDO8 final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPrnDO8"); }
    FormStyle style() const override { return {}; }
};

// Letter, sequence-number column.
class TPrnDO9 final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPrnDO9"); }
    FormStyle style() const override {
        FormStyle s;
        s.sequenceColumn = true;
        s.firstColumnCaption = QStringLiteral("ลำดับที่");
        return s;
    }
};

// 8.5 x 5.5 in, sequence-number column, compact totals.
class TPrnDO4s final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPrnDO4s"); }
    FormStyle style() const override {
        FormStyle s;
        s.halfPage = true;
        s.sequenceColumn = true;
        s.firstColumnCaption = QStringLiteral("ลำดับ");
        return s;
    }
};

// 8.5 x 5.5 in, product-code column, compact totals.
class TPrnDO9s final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPrnDO9s"); }
    FormStyle style() const override {
        FormStyle s;
        s.halfPage = true;
        s.firstColumnCaption = QStringLiteral("รหัส");
        return s;
    }
};

// Letter: the purchase order to a supplier.
class TPrnORD3 final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPrnORD3"); }
    FormStyle style() const override {
        FormStyle s;
        s.family = FormStyle::Family::PurchaseOrder;
        return s;
    }
};

// Letter: the quotation.
class TPrnQUO3 final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPrnQUO3"); }
    FormStyle style() const override {
        FormStyle s;
        s.family = FormStyle::Family::Quotation;
        return s;
    }
};

// Letter: the POS sale form, titled by kind and credit term, with the cash discount.
class TPosDO8 final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPosDO8"); }
    FormStyle style() const override {
        FormStyle s;
        s.family = FormStyle::Family::Pos;
        return s;
    }
};

// 8.5 x 5.5 in POS sale form: Thai titles only, the time of the sale, "ลดเงินสด".
class TPosDO4s final : public DocumentFormLayout {
public:
    QString name() const override { return QStringLiteral("TPosDO4s"); }
    FormStyle style() const override {
        FormStyle s;
        s.family = FormStyle::Family::Pos;
        s.halfPage = true;
        s.sequenceColumn = true;
        s.firstColumnCaption = QStringLiteral("ลำดับ");
        s.englishTitle = false;
        s.printsTime = true;
        s.compactDiscountCaption = QStringLiteral("ลดเงินสด");
        return s;
    }
};

// The till slips: a narrow column on a Letter sheet.
class tPos_Slip3 final : public DocumentLayout {
public:
    QString name() const override { return QStringLiteral("tPos_Slip3"); }
    Report report(const PrintRequest& request) const override;
};

class tPos_Slip4 final : public DocumentLayout {
public:
    QString name() const override { return QStringLiteral("tPos_Slip4"); }
    Report report(const PrintRequest& request) const override;
};

// Which layout prints, by the LINE5 template setting.
// Document entry: kind 5 the purchase order, kind 6 the quotation, the document set always
// TPrnDO8; otherwise "0" TPrnDO9s, "2" TPrnDO4s, "3" TPrnDO9, anything else TPrnDO8.
QString entryLayoutName(int kind, const QString& template5, PrintVariant variant);
// POS: "0" TPosDO4s, "2" tPos_Slip3, "3" tPos_Slip4, anything else TPosDO8.
QString posLayoutName(const QString& template5);
// The layout of that name, or nullptr.
std::unique_ptr<DocumentLayout> documentLayout(const QString& name);
// Every layout name, in the order above.
QStringList documentLayoutNames();
