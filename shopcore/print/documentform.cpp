#include "documentform.h"

namespace {

using Family = FormStyle::Family;

constexpr double Left = 10;   // the form's own gutter inside the page margins, mm
constexpr double Right = 200; // right edge of the form
constexpr double Width = Right - Left;

const Qt::Alignment LeftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment RightMiddle = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment CentreMiddle = Qt::AlignHCenter | Qt::AlignVCenter;

// Line columns: left edge and width, mm.
struct Column {
    const char* name;
    double left;
    double width;
    Qt::Alignment align;
};
const Column Columns[] = {
    {"first", 10, 26, LeftMiddle},       {"name", 36, 72, LeftMiddle},
    {"qty", 108, 18, RightMiddle},       {"unit", 126, 16, CentreMiddle},
    {"unitPrice", 142, 24, RightMiddle}, {"discount", 166, 10, RightMiddle},
    {"amount", 176, 24, RightMiddle},
};

// Sizes that differ between the full and the half page.
struct Metrics {
    double body;    // points of the data
    double small;   // points of the shop address lines and notes
    double name;    // points of the shop name
    double title;   // points of the title
    double row;     // height of a text row in the header and totals, mm
    double header;  // page header height, mm
    double columns; // column header height, mm
    double summary; // summary height, mm
    double logo;    // logo square, mm
};
const Metrics Full{10, 9, 14, 16, 7, 74, 8, 66, 24};
const Metrics Half{9, 8, 12, 13, 4.6, 42, 6, 30, 16};

QString number(double value) {
    return QString::number(value, 'g', 10);
}

class FormBuilder {
public:
    FormBuilder(const PrintRequest& request, const FormStyle& style)
        : m_doc(request.document), m_style(style), m_m(style.halfPage ? Half : Full),
          m_variant(request.variant), m_kind(m_doc.kind()), m_titles(titles()),
          m_suppress(m_doc.shop.preprintedPaper() || m_titles.documentSet),
          m_totals(totals()) {}

    Report build() {
        Report r;
        r.title = m_titles.thai.isEmpty() ? m_doc.header.number
                                          : m_titles.thai + QLatin1Char(' ') + m_doc.header.number;
        r.paper = m_style.halfPage ? PaperSize::halfLetter() : PaperSize::letter();
        r.margins = formMargins(m_doc.shop, m_style.halfPage);
        r.bands << pageHeader() << columnHeader() << detail() << summary() << pageFooter();
        for (const PrintLine& line : m_doc.lines)
            r.rows << rowOf(line);
        return r;
    }

private:
    DocumentParts::Titles titles() const {
        switch (m_style.family) {
        case Family::PurchaseOrder:
            return DocumentParts::entryTitles(5, PrintVariant::DeliveryOrInvoice);
        case Family::Quotation:
            return DocumentParts::entryTitles(6, PrintVariant::DeliveryOrInvoice);
        case Family::Pos:
            return DocumentParts::posTitles(m_kind, m_doc.isCash());
        case Family::Entry:
            break;
        }
        // Purchases have a single print button: the variant does not change their title.
        return DocumentParts::entryTitles(m_kind, m_kind >= 3 ? PrintVariant::DeliveryOrInvoice
                                                              : m_variant);
    }

    DocumentParts::Totals totals() const {
        auto t = DocumentParts::totals(m_doc, m_style.family == Family::Pos
                                                  ? DocumentParts::DiscountRule::CashDiscount
                                                  : DocumentParts::DiscountRule::PartyPercent);
        // Purchase orders and quotations print no tax line, so their total carries none.
        if (m_style.family == Family::PurchaseOrder || m_style.family == Family::Quotation) {
            t.taxed = false;
            t.tax = Money();
            t.total = t.afterDiscount;
        }
        return t;
    }

    bool supplierParty() const {
        return m_style.family == Family::PurchaseOrder ||
               (m_style.family == Family::Entry && (m_kind == 3 || m_kind == 4));
    }
    QString partyNameCaption() const {
        if (m_style.family == Family::Quotation)
            return QStringLiteral("ผู้ซื้อ");
        return supplierParty() ? QStringLiteral("ผู้ขาย") : QStringLiteral("ชื่อลูกค้า");
    }
    QString partyCodeCaption() const {
        if (m_style.family == Family::Quotation)
            return QStringLiteral("รหัสผู้ซื้อ");
        return supplierParty() ? QStringLiteral("รหัสผู้ขาย") : QStringLiteral("รหัสลูกค้า");
    }
    QString termCaption() const {
        return m_style.family == Family::Quotation ? QStringLiteral("กำหนดยืนราคา")
                                                   : QStringLiteral("กำหนดชำระเงิน");
    }
    QString confirmation() const {
        switch (m_style.family) {
        case Family::PurchaseOrder:
            return QStringLiteral("** โปรดจัดส่งสินค้าตามรายการข้างต้น");
        case Family::Quotation:
            return {};
        default:
            return QStringLiteral("** ได้รับสินค้าตามรายการข้างบนนี้แล้ว");
        }
    }
    QStringList signatures() const {
        switch (m_style.family) {
        case Family::PurchaseOrder:
            return {QStringLiteral("ผู้สั่งซื้อ"), QStringLiteral("ผู้อนุมัติ")};
        case Family::Quotation:
            return {QStringLiteral("ผู้เสนอราคา"), QStringLiteral("ผู้อนุมัติ")};
        default:
            break;
        }
        QStringList s{QStringLiteral("ผู้รับของ"), QStringLiteral("ผู้ส่งของ")};
        if (m_titles.receiverOfMoney)
            s << QStringLiteral("ผู้รับเงิน");
        s << QStringLiteral("ผู้จัดการ");
        return s;
    }

    ReportFont body(bool bold = false) const { return ReportFont::sans(m_m.body, bold); }
    ReportFont small() const { return ReportFont::sans(m_m.small); }

    // Captions, headings and frames: left out on pre-printed paper and for the document set.
    ReportElement caption(const QString& name, const QRectF& rect, const QString& text,
                          Qt::Alignment align = LeftMiddle, double points = 0) const {
        ReportElement e = ReportElement::label(
            name, rect, text, points > 0 ? ReportFont::sans(points) : body(), align);
        e.visible = !m_suppress;
        return e;
    }
    ReportElement frame(const QString& name, const QRectF& rect) const {
        ReportElement e = ReportElement::frame(name, rect);
        e.visible = !m_suppress;
        return e;
    }
    ReportElement data(const QString& name, const QRectF& rect, const QString& text,
                       Qt::Alignment align = LeftMiddle, bool bold = false) const {
        return ReportElement::label(name, rect, text, body(bold), align);
    }

    ReportBand pageHeader() const {
        ReportBand band{BandKind::PageHeader, QStringLiteral("header"), m_m.header};
        auto& e = band.elements;
        const double top = m_style.halfPage ? 2 : 4;
        double shopLeft = Left;
        if (m_doc.shop.printsLogo()) {
            e << ReportElement::image(QStringLiteral("logo"), QRectF(Left, top, m_m.logo, m_m.logo),
                                      m_doc.shop.logo);
            shopLeft += m_m.logo + 4;
        }
        const auto shop = DocumentParts::shopLines(m_doc.shop);
        const double shopWidth = 120 - shopLeft;
        const double nameHeight = m_style.halfPage ? 6.5 : 8;
        const double lineHeight = m_style.halfPage ? 4.5 : 5.5;
        e << ReportElement::label(QStringLiteral("shopName"),
                                  QRectF(shopLeft, top, shopWidth, nameHeight), shop.name,
                                  ReportFont::sans(m_m.name, true));
        double y = top + nameHeight;
        for (const auto& [name, text] :
             {std::pair{"shopAddress", shop.address}, std::pair{"shopContact", shop.contact},
              std::pair{"shopTaxId", shop.taxId}}) {
            e << ReportElement::label(QString::fromLatin1(name),
                                      QRectF(shopLeft, y, shopWidth, lineHeight), text, small());
            y += lineHeight;
        }
        e << ReportElement::label(QStringLiteral("title"), QRectF(120, top, 80, nameHeight + 1),
                                  m_titles.thai, ReportFont::sans(m_m.title, true), RightMiddle);
        if (m_style.englishTitle)
            e << ReportElement::label(
                QStringLiteral("titleEnglish"), QRectF(120, top + nameHeight + 1, 80, lineHeight),
                m_titles.english, ReportFont::sans(m_m.title * 0.7, true), RightMiddle);

        const auto party = DocumentParts::partyLines(m_doc.party);
        const PrintHeader& h = m_doc.header;
        const double frameTop = m_style.halfPage ? 22 : 31;
        const double row = m_m.row;
        const double rowTop = frameTop + 0.5;
        e << frame(QStringLiteral("frame.party"), QRectF(Left, frameTop, 120, 4 * row + 1));
        e << frame(QStringLiteral("frame.document"), QRectF(132, frameTop, 68, 4 * row + 1));

        // The party: code, name, two address lines.
        const double capWidth = m_style.halfPage ? 18 : 23;
        const double valueLeft = Left + 2 + capWidth;
        const double valueWidth = 130 - valueLeft - 1;
        auto partyRow = [&](int i, const QString& capName, const QString& cap,
                            const QString& valueName, const QString& value) {
            if (!cap.isEmpty())
                e << caption(capName, QRectF(Left + 2, rowTop + i * row, capWidth, row), cap);
            e << data(valueName, QRectF(valueLeft, rowTop + i * row, valueWidth, row), value);
        };
        if (m_style.halfPage) {
            // Four short rows: name with the code at the right, the address, the salesperson
            // and the reference.
            partyRow(0, QStringLiteral("partyNameCaption"), partyNameCaption(),
                     QStringLiteral("partyName"), h.partyName.trimmed());
            e.last().rect.setWidth(valueWidth - 30);
            e << caption(QStringLiteral("partyCodeCaption"), QRectF(99, rowTop, 18, row),
                         partyCodeCaption());
            e << data(QStringLiteral("partyCode"), QRectF(117, rowTop, 12, row),
                      h.partyCode.trimmed());
            partyRow(1, QStringLiteral("addressCaption"), QStringLiteral("ที่อยู่"),
                     QStringLiteral("partyLine1"), party.first);
            partyRow(2, {}, {}, QStringLiteral("partyLine2"), party.second);
            salesAndReference(e, rowTop + 3 * row, row, valueLeft);
        } else {
            partyRow(0, QStringLiteral("partyCodeCaption"), partyCodeCaption(),
                     QStringLiteral("partyCode"), h.partyCode.trimmed());
            partyRow(1, QStringLiteral("partyNameCaption"), partyNameCaption(),
                     QStringLiteral("partyName"), h.partyName.trimmed());
            partyRow(2, QStringLiteral("addressCaption"), QStringLiteral("ที่อยู่"),
                     QStringLiteral("partyLine1"), party.first);
            partyRow(3, {}, {}, QStringLiteral("partyLine2"), party.second);
            salesAndReference(e, frameTop + 4 * row + 2, 6, valueLeft);
        }

        // The document: number, date, term and due date.
        const double docCap = m_style.halfPage ? 22 : 28;
        auto docRow = [&](int i, const QString& capName, const QString& cap,
                          const QString& valueName, const QString& value) {
            e << caption(capName, QRectF(134, rowTop + i * row, docCap, row), cap);
            e << data(valueName, QRectF(134 + docCap, rowTop + i * row, 65 - docCap, row), value);
        };
        docRow(0, QStringLiteral("numberCaption"), QStringLiteral("เลขที่ใบกำกับ"),
               QStringLiteral("number"), DocumentParts::printedNumber(h.number));
        docRow(1, QStringLiteral("dateCaption"), QStringLiteral("วันที่"), QStringLiteral("date"),
               h.date.trimmed());
        if (m_style.printsTime)
            e << data(QStringLiteral("time"), QRectF(180, rowTop + row, 19, row), h.time.trimmed(),
                      RightMiddle);
        docRow(2, QStringLiteral("termCaption"), termCaption(), QStringLiteral("term"),
               h.creditTerm.trimmed());
        docRow(3, QStringLiteral("dueCaption"), QStringLiteral("วันครบกำหนด"),
               QStringLiteral("dueDate"), h.dueDate.trimmed());
        return band;
    }

    void salesAndReference(QList<ReportElement>& e, double y, double height,
                           double valueLeft) const {
        const PrintHeader& h = m_doc.header;
        e << caption(QStringLiteral("salesCaption"),
                     QRectF(Left + 2, y, valueLeft - Left - 2, height),
                     QStringLiteral("พนักงานขาย"));
        e << data(QStringLiteral("sales"), QRectF(valueLeft, y, 30, height), h.salesCode.trimmed());
        e << caption(QStringLiteral("referenceCaption"), QRectF(valueLeft + 31, y, 14, height),
                     QStringLiteral("อ้างถึง"));
        e << data(QStringLiteral("reference"),
                  QRectF(valueLeft + 45, y, 129 - valueLeft - 45, height), h.reference.trimmed());
    }

    ReportBand columnHeader() const {
        ReportBand band{BandKind::ColumnHeader, QStringLiteral("columns"), m_m.columns};
        band.elements << frame(QStringLiteral("frame.columns"),
                               QRectF(Left, 0.5, Width, m_m.columns - 1));
        const QString unitPrice = m_style.family == Family::PurchaseOrder
                                      ? QStringLiteral("หน่วยละ")
                                      : QStringLiteral("ราคา/หน่วย");
        const QString captions[] = {m_style.firstColumnCaption,
                                    QStringLiteral("รายการ"),
                                    QStringLiteral("จำนวน"),
                                    QStringLiteral("หน่วย"),
                                    unitPrice,
                                    QStringLiteral("ลด%"),
                                    QStringLiteral("จำนวนเงิน")};
        int i = 0;
        for (const Column& c : Columns)
            band.elements << caption(QStringLiteral("col.") + QString::fromLatin1(c.name),
                                     QRectF(c.left, 0.5, c.width, m_m.columns - 1), captions[i++],
                                     CentreMiddle);
        return band;
    }

    ReportBand detail() const {
        ReportBand band{BandKind::Detail, QStringLiteral("line"), millimetresFromBandUnits(25)};
        const double row = millimetresFromBandUnits(25) - 0.3;
        auto column = [&](const char* name, const QString& field, const QString& mask) {
            for (const Column& c : Columns)
                if (qstrcmp(c.name, name) == 0) {
                    const double pad = c.align & Qt::AlignRight ? 1 : 0.5;
                    return ReportElement::value(QStringLiteral("line.") + QString::fromLatin1(name),
                                                QRectF(c.left + 0.5, 0, c.width - pad - 0.5, row),
                                                field, mask, body(), c.align);
                }
            return ReportElement{};
        };
        auto& e = band.elements;
        if (m_style.sequenceColumn) {
            ReportElement first = column("first", {}, {});
            first.source = TextSource::LineNumber;
            first.align = CentreMiddle;
            e << first;
        } else {
            e << column("first", QStringLiteral("PRO_NO"), {});
        }
        e << column("name", QStringLiteral("PRO_NAME"), {})
          << column("qty", QStringLiteral("PRO_QTY"), QStringLiteral("###,###,##0.00"))
          << column("unit", QStringLiteral("PRO_UNIT"), {})
          << column("unitPrice", QStringLiteral("UNIT_PRICE"), QStringLiteral("##,###,##0.00"))
          << column("discount", QStringLiteral("DISCOUNT"), {})
          << column("amount", QStringLiteral("PRICE"), QStringLiteral("###,###,##0.00"));
        const double extra = millimetresFromBandUnits(69 - 25) / 2;
        e << ReportElement::value(QStringLiteral("line.detail"), QRectF(39.5, row, 102, extra),
                                  QStringLiteral("ATTRIB"), {}, small());
        e << ReportElement::value(QStringLiteral("line.detail2"),
                                  QRectF(39.5, row + extra, 102, extra), QStringLiteral("ATTRIB2"),
                                  {}, small());
        // One row for a plain line, two with a serial number or detail, three with a second
        // detail.
        band.beforePrint = [](BandPrinting& p) {
            const bool second =
                !p.row.value(QStringLiteral("ATTRIB2")).toString().trimmed().isEmpty();
            const bool first =
                !p.row.value(QStringLiteral("ATTRIB")).toString().trimmed().isEmpty();
            p.band.height = millimetresFromBandUnits(second ? 69 : (first ? 51 : 25));
            p.band.setVisible(QStringLiteral("line.detail"), first || second);
            p.band.setVisible(QStringLiteral("line.detail2"), second);
        };
        return band;
    }

    ReportBand summary() const {
        ReportBand band{BandKind::Summary, QStringLiteral("totals"), m_m.summary};
        band.atPageBottom = true;
        auto& e = band.elements;
        const bool half = m_style.halfPage;
        const double row = half ? 5 : 7;
        const double text = half ? 4.4 : 5.5;

        // Left: the amount in words, the confirmation and the payment method.
        e << frame(QStringLiteral("frame.words"), QRectF(Left, 0.5, 120, row));
        e << data(QStringLiteral("words"), QRectF(Left + 1, 0.5, 118, row),
                  DocumentParts::amountInWords(m_totals.total), CentreMiddle, true);
        double y = row + 1;
        if (const QString c = confirmation(); !c.isEmpty()) {
            e << caption(QStringLiteral("confirmation"), QRectF(Left, y, 120, text), c, LeftMiddle,
                         m_m.small);
            y += text;
        }
        if (m_titles.paymentBlock) {
            // Cash and card share the first row on the half page.
            const double p = m_m.small;
            e << caption(QStringLiteral("payment.title"), QRectF(Left, y, 22, text),
                         QStringLiteral("ชำระเงินโดย"), LeftMiddle, p);
            e << caption(QStringLiteral("payment.cash"), QRectF(Left + 22, y, 22, text),
                         QStringLiteral("(  ) เงินสด"), LeftMiddle, p);
            if (!half)
                y += text;
            e << caption(QStringLiteral("payment.card"),
                         QRectF(half ? Left + 44 : Left, y, half ? 76 : 120, text),
                         QStringLiteral("(  ) บัตรเครดิต ......................................"),
                         LeftMiddle, p);
            y += text;
            e << caption(QStringLiteral("payment.cheque"), QRectF(Left, y, 120, text),
                         QStringLiteral("(  ) เช็คธนาคาร ................. สาขา ................. "
                                        "เลขที่ ................. ลงวันที่ ..............."),
                         LeftMiddle, p);
            y += text;
            e << caption(QStringLiteral("payment.note"), QRectF(Left, y, 120, text),
                         QStringLiteral("( ในกรณีชำระด้วยเช็ค โปรดสั่งจ่ายและขีดคร่อมในนาม "
                                        "บริษัทฯ เท่านั้น )"),
                         LeftMiddle, p - 1);
        }

        // Right: the totals.
        totalsBlock(e, row);

        // Bottom: a signature line per signer.
        const QStringList signers = signatures();
        const double slot = Width / signers.size();
        const double signTop = m_m.summary - (half ? 4.5 : 12);
        for (int i = 0; i < signers.size(); ++i) {
            const double x = Left + i * slot;
            ReportElement line =
                ReportElement::line(QStringLiteral("signLine.%1").arg(i), QPointF(x + 6, signTop),
                                    QPointF(x + slot - 6, signTop));
            line.visible = !m_suppress;
            e << line;
            e << caption(QStringLiteral("sign.%1").arg(i), QRectF(x, signTop, slot, text),
                         signers[i], CentreMiddle, m_m.small);
        }
        return band;
    }

    void totalsBlock(QList<ReportElement>& e, double row) const {
        const bool half = m_style.halfPage;
        // A tax that went into the total is always shown.
        const bool tax = (DocumentParts::printsTax(m_kind) || m_totals.taxed) &&
                         m_style.family != Family::PurchaseOrder &&
                         m_style.family != Family::Quotation;
        const double capWidth = half ? 22 : 34;
        const double valueLeft = 132 + capWidth;
        const double valueWidth = Right - 1 - valueLeft;
        e << frame(QStringLiteral("frame.totals"), QRectF(132, 0.5, 68, 5 * row + 1));
        struct Row {
            const char* caption;
            QString captionText;
            const char* value;
            QString valueText;
        };
        const bool discounted = m_totals.discount > Money();
        const QString percent =
            m_doc.header.partyDiscount > 0
                ? number(m_doc.header.partyDiscount)
                : (m_style.family == Family::Pos ? QString() : QStringLiteral("0"));
        const QString discountCaption =
            half ? m_style.compactDiscountCaption : QStringLiteral("ส่วนลด");
        const Row rows[] = {
            {"cap.gross", half ? QStringLiteral("รวม") : QStringLiteral("รวมเงิน "), "gross",
             m_totals.gross.format(2)},
            {"cap.discount", discountCaption, "discount",
             discounted ? m_totals.discount.format(2) : QString()},
            {"cap.afterDiscount",
             half ? QStringLiteral("ราคาสุทธิ") : QStringLiteral("ราคาหลังหักส่วนลด"), "afterDiscount",
             m_totals.afterDiscount.format(2)},
            {"cap.tax",
             tax ? (half ? QStringLiteral("ภาษี") : QStringLiteral("ภาษี [VAT]")) : QString(), "tax",
             tax ? m_totals.tax.format(2) : QString()},
            {"cap.total", half ? QStringLiteral("รวมทั้งสิ้น") : QStringLiteral("รวมเงินทั้งสิ้น"), "total",
             m_totals.total.format(2)},
        };
        double y = 1;
        for (const Row& r : rows) {
            if (!r.captionText.isEmpty())
                e << caption(QString::fromLatin1(r.caption), QRectF(134, y, capWidth - 2, row),
                             r.captionText);
            e << data(QString::fromLatin1(r.value), QRectF(valueLeft, y, valueWidth, row),
                      r.valueText, RightMiddle, qstrcmp(r.value, "total") == 0);
            y += row;
        }
        // The discount percent and the tax rate sit between caption and amount.
        const double mid = valueLeft - (half ? 12 : 14);
        e << data(QStringLiteral("discountPercent"), QRectF(mid - 4, 1 + row, 10, row), percent,
                  RightMiddle);
        e << caption(QStringLiteral("cap.percent"), QRectF(mid + 6, 1 + row, 4, row),
                     percent.isEmpty() ? QString() : QStringLiteral("%"));
        if (tax) {
            e << data(QStringLiteral("taxRate"), QRectF(mid - 4, 1 + 3 * row, 10, row),
                      QStringLiteral("7"), RightMiddle);
            e << caption(QStringLiteral("cap.taxPercent"), QRectF(mid + 6, 1 + 3 * row, 4, row),
                         QStringLiteral("%"));
        }
    }

    ReportBand pageFooter() const {
        const double height = m_style.halfPage ? 4 : 5;
        ReportBand band{BandKind::PageFooter, QStringLiteral("footer"), height};
        ReportElement page = ReportElement::system(
            QStringLiteral("pageNumber"), QRectF(160, 0, 30, height), TextSource::PageNumber,
            QStringLiteral("หน้า %1"), small(), RightMiddle);
        ReportElement count = ReportElement::system(
            QStringLiteral("pageCount"), QRectF(190, 0, 10, height), TextSource::PageCount,
            QStringLiteral("/%1"), small(), LeftMiddle);
        page.visible = count.visible = !m_suppress;
        band.elements << page << count;
        return band;
    }

    static QVariantMap rowOf(const PrintLine& line) {
        return {{QStringLiteral("PRO_NO"), line.productCode.trimmed()},
                {QStringLiteral("PRO_NAME"), line.productName.trimmed()},
                {QStringLiteral("ATTRIB"), line.detail.trimmed()},
                {QStringLiteral("ATTRIB2"), line.detail2.trimmed()},
                {QStringLiteral("PRO_QTY"), line.quantity},
                {QStringLiteral("PRO_UNIT"), line.unit.trimmed()},
                {QStringLiteral("UNIT_PRICE"), QVariant::fromValue(line.unitPrice)},
                {QStringLiteral("DISCOUNT"), number(line.discount)},
                {QStringLiteral("PRICE"), QVariant::fromValue(line.price)}};
    }

    const PrintDocument& m_doc;
    const FormStyle& m_style;
    const Metrics& m_m;
    PrintVariant m_variant;
    int m_kind;
    DocumentParts::Titles m_titles;
    bool m_suppress;
    DocumentParts::Totals m_totals;
};

} // namespace

PageMargins formMargins(const ShopRecord& shop, bool halfPage) {
    const double below = halfPage ? 22 : 12.5;
    return {shop.printTop, shop.printLeft, std::max(0.0, below - shop.printTop), 0};
}

Report documentFormReport(const PrintRequest& request, const FormStyle& style) {
    return FormBuilder(request, style).build();
}
