#include "schema.h"

// The repair service: its settings, jobs and their parts lines, technicians, brands, item
// types and repair quotations.
namespace {

// A new repair shop starts with prefixes of the four characters the numbering needs, the
// slip titles filled in, flat-rate tax, blank paper, the first slip layouts, no logo, no
// drawer and no skin.
QVariantMap serviceSettings() {
    QVariantMap r;
    const auto put = [&r](const char* name, const QVariant& value) {
        r.insert(QString::fromLatin1(name), value);
    };
    put("PREFIX1", QStringLiteral("SERV"));
    put("PREFIX2", QStringLiteral("SALE"));
    put("PREFIX3", QStringLiteral("PART"));
    put("PREFIX4", QStringLiteral("PART"));
    put("LINE1", QStringLiteral("ใบรับซ่อม"));
    put("LINE2", QStringLiteral("ใบส่งคืน / ใบเสร็จรับเงิน"));
    put("LINE3", QStringLiteral("ใบกำกับภาษี / ใบเสร็จรับเงิน"));
    put("AFTER_FI", 0);
    put("BLANK", 0);
    put("CATAGORY", QStringLiteral("2"));
    put("F_PER1", QStringLiteral("0"));
    put("PAPER", 1);
    put("PAPER1", 1);
    put("LOGO", 0);
    put("PRN_TOP", 0.0);
    put("PRN_LEFT", 0.0);
    put("COM_PORT", QStringLiteral("0"));
    put("SKIN_SERVICE", QStringLiteral("0"));
    return r;
}

QList<Field> settingsFields() {
    QList<Field> f = numberedTexts(QStringLiteral("PREFIX"), 1, 4, 4);
    f += numberedTexts(QStringLiteral("LINE"), 1, 4, 30);
    f += {smallInt("AFTER_FI"), smallInt("BLANK"),   text("REMARK1", 100), text("REMARK2", 100),
          text("REMARK3", 100), text("CATAGORY", 1), text("F_PER1", 1),    text("F_PER2", 1),
          text("F_PER3", 1),    text("MAKER_NO", 5)};
    f += numberedTexts(QStringLiteral("HEAD"), 1, 4, 80);
    f += {smallInt("PAPER"), smallInt("PAPER1"),     smallInt("TYPE1"),      smallInt("TYPE2"),
          smallInt("LOGO"),  text("PRN_PREVIEW", 1), text("PRN_LOGO", 1),    real("PRN_TOP"),
          real("PRN_LEFT"),  text("COM_PORT", 1),    text("SKIN_SERVICE", 1)};
    return f;
}

// The job header; a quotation header is the same without the fields named in `leaveOut`.
QList<Field> jobFields(const QStringList& leaveOut = {}) {
    const QList<Field> all = {text("SERV_NO", 11),   text("SERV_DATE", 10),
                              text("CUST_NO", 10),   text("CUST_NAME", 80),
                              real("DISCOUNT"),      smallInt("TAX"),
                              text("TYPE", 45),      text("BRAND", 45),
                              text("MODEL", 45),     text("COLOR", 15),
                              text("SER_NO1", 45),   text("SER_NO2", 45),
                              text("LOCATE", 40),    text("STATUS", 100),
                              text("DAMAGE", 100),   text("RECIEVE_NO", 4),
                              text("MAKER_NO", 10),  text("MAKER_NAME", 45),
                              real("MAKER_PERC"),    real("FOR_MAKER"),
                              text("EVAL_DATE", 10), text("FINI_DATE", 10),
                              text("RECV_DATE", 10), real("SUM"),
                              real("TOTAL"),         text("REM", 200),
                              text("REM2", 200),     real("EARNEST"),
                              real("SERVICE"),       real("SPART"),
                              real("SDISC"),         real("STAX"),
                              text("FP", 1),         text("F_OK", 1),
                              text("WARN_TERM", 10), text("WARN_DATE", 10),
                              text("SPR_NO", 13),    text("TYPE_BUSINESS", 1),
                              smallInt("PROCESS")};
    QList<Field> out;
    for (const Field& f : all)
        if (!leaveOut.contains(f.name))
            out << f;
    return out;
}

QList<Field> jobLineFields(bool withStockCode) {
    QList<Field> f = {autoInc("AUTO"),
                      text("SERV_NO", 11),
                      real("QTY"),
                      text("SPR_NO", 15),
                      text("DESCRIP", 45),
                      text("U_NAME", 10),
                      text("WARN_TERM", 10),
                      text("WARN_DATE", 10),
                      real("P_PERU"),
                      real("DISC"),
                      real("SUM")};
    if (withStockCode)
        f << real("STK_POST");
    return f;
}

} // namespace

namespace Schema {

QList<TableDef> serviceTables() {
    QList<TableDef> t;
    const QString servNo = QStringLiteral("SERV_NO");
    const QString serNo1 = QStringLiteral("SER_NO1");

    t << TableDef{QStringLiteral("Sevrsys"), settingsFields(), {}, {}, {serviceSettings()}};

    t << TableDef{QStringLiteral("Service"), jobFields(), {servNo}, {{serNo1}}, {}};
    // Parts lines count against the stock on hand by product and posting code.
    t << TableDef{
        QStringLiteral("Service1"),
        jobLineFields(true),
        {QStringLiteral("AUTO")},
        {{servNo}, {QStringLiteral("SPR_NO"), QStringLiteral("STK_POST"), QStringLiteral("QTY")}},
        {}};

    t << TableDef{QStringLiteral("Maker"),
                  {text("MAK_NO", 10), text("MAK_NAME", 50), real("MAK_COM"), text("MAK_ADD1", 80),
                   text("MAK_ADD2", 80), text("MAK_ADD3", 80), text("MAK_ADD4", 80),
                   text("MAK_ZIP", 5), text("MAK_TEL", 25), real("SALARY")},
                  {QStringLiteral("MAK_NO")},
                  {{QStringLiteral("MAK_NAME")}},
                  {}};
    t << TableDef{QStringLiteral("Brand"), {text("BRAND", 45)}, {QStringLiteral("BRAND")}, {}, {}};
    t << TableDef{QStringLiteral("Type"), {text("TYPE", 45)}, {QStringLiteral("TYPE")}, {}, {}};

    t << TableDef{QStringLiteral("Quo_Serv"),
                  jobFields({QStringLiteral("REM2"), QStringLiteral("SPR_NO"),
                             QStringLiteral("TYPE_BUSINESS")}),
                  {servNo},
                  {{serNo1}},
                  {}};
    t << TableDef{QStringLiteral("Quo_Serv1"),
                  jobLineFields(false),
                  {QStringLiteral("AUTO")},
                  {{servNo}},
                  {}};
    // Kept for the layout; quotation numbers live in Que.
    t << TableDef{QStringLiteral("QueQuot"), {text("QUE_NO", 11)}, {}, {}, {}};
    return t;
}

} // namespace Schema
