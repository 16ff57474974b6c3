#include "schema.h"

// Products, parties, salespeople, the shop record, the number queue, users and price levels.
namespace {

QList<Field> partyFields() {
    return {text("CUST_NO", 5),    text("CUST_FLAG", 1), text("CUST_HEAD", 6),
            text("CUST_NAME", 100), text("CUST_CARD", 13), text("CUST_BIRTH", 10),
            text("CUST_ATTN", 50), text("CUST_ADD1", 80), text("CUST_ADD2", 80),
            text("CUST_ADD3", 80), text("CUST_ADD4", 80), text("CUST_ADD5", 1),
            text("CUST_ZIP", 5),   text("CUST_TEL", 25), text("CUST_FAX", 25),
            text("CUST_CRE", 6),   real("CUST_DISC"),    text("CUST_GROUP", 1)};
}

QVariantMap shopRecord() {
    QVariantMap r;
    r[QStringLiteral("OF_NAME")] = QString();
    for (int i = 1; i <= 4; ++i)
        r[QStringLiteral("PREFIX%1").arg(i)] = QStringLiteral("DOC%1").arg(i);
    r[QStringLiteral("LINE1")] = QStringLiteral("1");
    r[QStringLiteral("LINE4")] = QStringLiteral("0");
    r[QStringLiteral("LINE5")] = QStringLiteral("0");
    r[QStringLiteral("VIEW1")] = QStringLiteral("0");
    r[QStringLiteral("PRN_TOP")] = 0.0;
    r[QStringLiteral("PRN_LEFT")] = 0.0;
    r[QStringLiteral("COM_PORT")] = QStringLiteral("0");
    r[QStringLiteral("SKIN_BUSINESS")] = QStringLiteral("0");
    return r;
}

} // namespace

namespace Schema {

QList<Field> productFields() {
    return {text("PRO_NO", 15),   text("PRO_NAME", 50),  text("ATTRIB", 20),
            text("PRO_GROUP", 5), real("PRO_BPRICE"),    real("PRO_SPRICE"),
            text("F_VAT", 1),     text("WARN_TERM", 10), real("PRO_TOTAL"),
            text("PRO_UNIT", 10), text("PRO_PACK", 15),  real("PRO_RORDER"),
            text("LAST_BUY", 10), text("LAST_SALE", 10), text("INVEN_NO", 2),
            text("INV_NO", 11),   text("FP", 1),         real("PRO_SP2"),
            real("PRO_SP3"),      real("PRO_SP4"),       real("PRO_SP5")};
}

// Fields that hold a password hash are wider than what users may type (16 characters).
constexpr int PasswordHashWidth = 128;

QList<TableDef> sharedTables() {
    QList<TableDef> t;

    t << TableDef{QStringLiteral("Product"),
                  productFields(),
                  {QStringLiteral("PRO_NO")},
                  {{QStringLiteral("PRO_NAME")}},
                  {}};

    t << TableDef{QStringLiteral("Customer"), partyFields(), {QStringLiteral("CUST_NO")},
                  {{QStringLiteral("CUST_NAME")}}, {}};
    t << TableDef{QStringLiteral("Supply"), partyFields(), {QStringLiteral("CUST_NO")},
                  {{QStringLiteral("CUST_NAME")}}, {}};

    t << TableDef{QStringLiteral("Sale"),
                  {text("SALE_NO", 5), text("SALE_NAME", 80), real("SALE_COM"),
                   text("SALE_ADD1", 80), text("SALE_ADD2", 80), text("SALE_ADD3", 80),
                   text("SALE_ADD4", 80), text("SALE_ZIP", 5), text("SALE_TEL", 25),
                   real("SALARY")},
                  {QStringLiteral("SALE_NO")},
                  {{QStringLiteral("SALE_NAME")}},
                  {}};

    QList<Field> shop = {text("OF_NAME", 80), text("OF_ADD1", 80), text("OF_ADD2", 80),
                         text("OF_ADD3", 80), text("OF_ADD4", 80), text("OF_ZIP", 5),
                         text("OF_ADD5", 1),  text("OF_TAXID", 13), text("OF_TEL", 25),
                         text("OF_FAX", 25),  text("OF_EMAIL", 50), graphic("OF_MENU"),
                         text("OF_PHEAD", 1), text("OF_STATE", 1)};
    shop += numberedTexts(QStringLiteral("PREFIX"), 1, 9, 4);
    shop += numberedTexts(QStringLiteral("LINE"), 1, 5, 1);
    shop += numberedTexts(QStringLiteral("VIEW"), 1, 4, 1);
    shop += numberedTexts(QStringLiteral("HEAD"), 1, 4, 80);
    shop += numberedTexts(QStringLiteral("FOOT"), 1, 4, 80);
    shop += {graphic("OF_LOGO"),       real("PRN_TOP"),       real("PRN_LEFT"),
             text("COM_PORT", 1),      text("SKIN_BUSINESS", 1), text("PRN_PREVIEW", 1),
             text("PRN_LOGO", 1),      text("SKIN_SERVICE", 1), text("SKIN_RENT", 1)};
    t << TableDef{QStringLiteral("Kelmsys"), shop, {}, {}, {shopRecord()}};

    QList<Field> queue;
    for (const char* f : {"QUE_INV_N", "QUE_INV_V", "QUE_ORD_N", "QUE_ORD_V", "QUE_QUO_N",
                          "QUE_QUO_V", "QUE_QUO2_N", "QUE_QUO2_V", "RENT_ORD_N", "RENT_ORD_V",
                          "QUE_REN_N", "QUE_REN_V", "QUE_RET_N", "QUE_RET_V", "QUE_SRV_N",
                          "QUE_SRV_V", "SERV_ORD_N", "SERV_ORD_V"})
        queue << text(QString::fromLatin1(f), 11);
    t << TableDef{QStringLiteral("Que"), queue, {}, {}, {QVariantMap{}}};

    QList<Field> users = {text("USRNAME", 16), text("PASSWD", PasswordHashWidth),
                          text("NAME", 40), text("POSITION", 20), smallInt("AC1")};
    for (int i = 2; i <= 30; ++i)
        users << smallInt(QStringLiteral("AC%1").arg(i));
    t << TableDef{QStringLiteral("Market"), users, {QStringLiteral("USRNAME")}, {}, {}};

    QList<Field> scale = numberedReals(QStringLiteral("SCALE"), 1, 8);
    scale << text("ATTRIB", 20);
    QVariantMap scaleRecord;
    for (int i = 1; i <= 8; ++i)
        scaleRecord[QStringLiteral("SCALE%1").arg(i)] = 0.0;
    t << TableDef{QStringLiteral("scale"), scale, {}, {}, {scaleRecord}};

    return t;
}

} // namespace Schema
