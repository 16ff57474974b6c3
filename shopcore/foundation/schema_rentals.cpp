#include "schema.h"

// The rental shop: its settings, the rental items and their purchases, media kinds, customer
// grades, the rental lines and the old item table the stock adjustment still lowers.
namespace {

QVariantMap record(std::initializer_list<std::pair<const char*, QVariant>> values) {
    QVariantMap r;
    for (const auto& [name, value] : values)
        r.insert(QString::fromLatin1(name), value);
    return r;
}

// A new shop rents with a pre-set record: blank paper, no logo, short slips, previews,
// flat-rate tax (a small shop is rarely VAT-registered), no drawer, no skin. Prefixes have
// the four characters the numbering needs.
QVariantMap rentalSettings() {
    return record({{"OF_NAME", QString()},
                   {"BUSINESS", QStringLiteral("0")},
                   {"PREFIX1", QStringLiteral("RENT")},
                   {"PREFIX2", QStringLiteral("RETN")},
                   {"PREFIX3", QStringLiteral("RBUY")},
                   {"PREFIX4", QStringLiteral("RBUY")},
                   {"LINE1", QStringLiteral("1")},
                   {"LINE2", QStringLiteral("0")},
                   {"LINE3", QStringLiteral("0")},
                   {"LINE4", QStringLiteral("0")},
                   {"LINE9", QStringLiteral("1")},
                   {"HEAD1", QStringLiteral("ใบเช่า")},
                   {"HEAD2", QStringLiteral("ใบคืน")},
                   {"VIEW1", QStringLiteral("0")},
                   {"VIEW2", QStringLiteral("0")},
                   {"PRN_TOP", 0.0},
                   {"PRN_LEFT", 0.0},
                   {"COM_PORT", QStringLiteral("0")},
                   {"SKIN_RENT", QStringLiteral("0")}});
}

QList<Field> rentalSettingsFields() {
    QList<Field> f = {text("OF_NAME", 120), text("OF_CODE", 10),  text("OF_ADD1", 80),
                      text("OF_ADD2", 80),  text("OF_ADD3", 80),  text("OF_ADD4", 80),
                      text("OF_ZIP", 5),    text("OF_ADD5", 1),   text("OF_TAXID", 13),
                      text("OF_TEL", 25),   text("OF_FAX", 25),   text("OF_EMAIL", 50),
                      graphic("OF_MENU"),   text("OF_PHEAD", 1),  text("OF_STATE", 1),
                      text("BUSINESS", 1),  text("BUSI_NAME", 10)};
    f += numberedTexts(QStringLiteral("PREFIX"), 1, 4, 4);
    f += numberedTexts(QStringLiteral("LINE"), 1, 5, 1);
    f += {text("HEAD1", 80), text("FOOT1", 80), text("HEAD2", 80),
          text("FOOT2", 80), text("HEAD3", 80), text("HEAD4", 80),
          text("FOOT3", 80), text("FOOT4", 80), graphic("OF_LOGO")};
    f += numberedTexts(QStringLiteral("VIEW"), 1, 4, 1);
    f += numberedTexts(QStringLiteral("PREFIX"), 5, 10, 4);
    f += numberedTexts(QStringLiteral("LINE"), 6, 10, 1);
    f += {real("PRN_TOP"), real("PRN_LEFT"), text("COM_PORT", 1), text("SKIN_RENT", 1)};
    return f;
}

QList<Field> gradeFields() {
    QList<Field> f = {text("GRADE", 1)};
    for (const char* name : {"VDO_BORROW", "VDO_UNIT",   "VDO_PRICE",  "VDO_FINE",   "VCD_BORROW",
                             "VCD_UNIT",   "VCD_PRICE",  "VCD_FINE",   "DVD_BORROW", "DVD_UNIT",
                             "DVD_PRICE",  "DVD_FINE",   "BOOK_BORR",  "BOOK_UNIT",  "BOOK_PRICE",
                             "BOOK_FINE",  "OTHER_BORR", "OTHER_UNIT", "OTHER_PRIC", "OTHER_FINE",
                             "VDO_EARN",   "VCD_EARN",   "DVD_EARN",   "BOOK_EARN",  "OTHER_EARN"})
        f << real(QString::fromLatin1(name));
    return f;
}

} // namespace

namespace Schema {

QList<TableDef> rentalTables() {
    QList<TableDef> t;

    t << TableDef{QStringLiteral("v_rent_sys"), rentalSettingsFields(), {}, {}, {rentalSettings()}};

    QList<Field> items = productFields();
    items += {real("PRO_RPRICE"), real("EARN"),    real("FINE"),
              real("FIND_C"),     text("KIND", 2), real("RENT_D")};
    t << TableDef{QStringLiteral("Product_Rent"),
                  items,
                  {QStringLiteral("PRO_NO")},
                  {{QStringLiteral("PRO_NAME")}},
                  {}};

    // Purchases of rental copies: the layouts of the purchase documents.
    t += documentPair(QStringLiteral("Order_Rent"), QStringLiteral("Order_Rent1"));

    // The windows name the kinds with fixed texts; the table holds the same five.
    QList<QVariantMap> kinds;
    const char* kindNames[] = {"VDO", "VCD", "DVD", "หนังสือ", "อื่น ๆ"};
    for (int i = 0; i < 5; ++i)
        kinds << record(
            {{"V_MEDIA", QString::number(i + 1)}, {"V_DESCRIP", QString::fromUtf8(kindNames[i])}});
    t << TableDef{QStringLiteral("v_media"),
                  {text("V_MEDIA", 1), text("V_DESCRIP", 20)},
                  {QStringLiteral("V_MEDIA")},
                  {},
                  kinds};

    // The grades window edits existing grades only and offers none to add: a new shop starts
    // with the four grades the customer lists offer, each with a quota of copies of one item.
    QList<QVariantMap> grades;
    const std::pair<const char*, double> quotas[] = {{"A", 5}, {"B", 3}, {"C", 2}, {"D", 1}};
    for (const auto& [grade, quota] : quotas)
        grades << record({{"GRADE", QString::fromLatin1(grade)}, {"OTHER_UNIT", quota}});
    t << TableDef{QStringLiteral("v_grade"), gradeFields(), {QStringLiteral("GRADE")}, {}, grades};

    // Rental lines: the customer's lines, the copies of an item out, and the lines of one
    // rental or return document are each read by an index.
    t << TableDef{QStringLiteral("v_rent"),
                  {autoInc("AUTO"),    text("V_BILL", 11), text("V_CODE", 13), text("V_MEDIA", 1),
                   text("R_BILL", 11), text("S_BILL", 11), text("V_NAME", 80), text("M_CODE", 13),
                   date("D_BORROW"),   date("D_LIMIT"),    date("D_RETURN"),   real("QTY"),
                   real("PRICE"),      real("M_DISPER"),   real("M_DISBATH"),  text("M_F_VAT", 1),
                   real("FINE_C"),     real("FINE_R"),     real("FINE_BATH"),  real("EARN"),
                   real("STK_POST"),   real("STK_RET"),    text("F_END", 1),   text("F_OK", 1)},
                  {QStringLiteral("AUTO")},
                  {{QStringLiteral("M_CODE")},
                   {QStringLiteral("V_CODE"), QStringLiteral("STK_POST")},
                   {QStringLiteral("V_BILL")},
                   {QStringLiteral("R_BILL")}},
                  {}};

    t << TableDef{QStringLiteral("v_video"),
                  {text("V_CODE", 13), text("V_MEDIA", 1), text("V_NAME", 80), text("V_MSTAR", 50),
                   text("V_WSTAR", 50), text("V_DIRECTOR", 50), text("V_COMPANY", 50),
                   text("V_KIND", 2), real("V_PRICE"), real("V_PRICE_R"), real("V_RENT_D"),
                   real("V_FINE_C"), real("V_EARN"), real("V_AMOUNT"), real("V_INSTOCK"),
                   date("V_LAST"), real("V_COUNT")},
                  {QStringLiteral("V_CODE")},
                  {},
                  {}};

    // Opened by the history window; nothing writes it.
    t << TableDef{QStringLiteral("v_bill"), {text("V_BILL", 11)}, {}, {}, {}};
    return t;
}

} // namespace Schema
