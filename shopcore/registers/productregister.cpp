#include "entryvalues.h"
#include "productstore.h"
#include "registers.h"

#include "shopcore/documents/stockonhand.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/thaitext.h"

namespace {

RegisterEntry price(const QString& field, const QString& label) {
    RegisterEntry e = RegisterEntry::of(field, label, EntryKind::Number);
    e.onAdd = QStringLiteral("0");
    e.copied = true;
    return e;
}

RegisterEntry copiedText(const QString& field, const QString& label) {
    RegisterEntry e = RegisterEntry::of(field, label);
    e.copied = true;
    return e;
}

} // namespace

RegisterConfig productRegister() {
    RegisterConfig c;
    c.title = QStringLiteral(" ทะเบียน สินค้า อะไหล่ และค่าบริการ");
    c.connectionName = QStringLiteral("ref_part");
    c.table = QStringLiteral("Product");
    c.codeField = QStringLiteral("PRO_NO");
    c.nameField = QStringLiteral("PRO_NAME");

    RegisterEntry code = RegisterEntry::of(QStringLiteral("PRO_NO"), QStringLiteral("รหัสสินค้า"));
    code.maxLength = 13; // the field holds 15; the register and the EAN-13 labels use 13
    code.hint = QStringLiteral("( ไม่เกิน 13 หลัก )");
    RegisterEntry selling = price(QStringLiteral("PRO_SPRICE"), QStringLiteral("ราคาขาย"));
    selling.fillOnEnterWhileAdding = {QStringLiteral("PRO_SP2"), QStringLiteral("PRO_SP3"),
                                      QStringLiteral("PRO_SP4"), QStringLiteral("PRO_SP5")};
    RegisterEntry reorder = RegisterEntry::of(
        QStringLiteral("PRO_RORDER"), QStringLiteral("จำนวนต่ำสุดที่ต้องสั่งซื้อ"), EntryKind::Number);
    reorder.onAdd = QStringLiteral("0");
    reorder.echoOf = QStringLiteral("PRO_UNIT");
    RegisterEntry warranty = RegisterEntry::of(QStringLiteral("WARN_TERM"),
                                               QStringLiteral("เวลารับประกัน"), EntryKind::Choice);
    warranty.choices = WarrantyTerms();

    c.entries = {code,
                 copiedText(QStringLiteral("PRO_NAME"), QStringLiteral("ชื่อสินค้า")),
                 copiedText(QStringLiteral("PRO_UNIT"), QStringLiteral("หน่วยนับ")),
                 copiedText(QStringLiteral("PRO_GROUP"), QStringLiteral("กลุ่มสินค้า")),
                 price(QStringLiteral("PRO_BPRICE"), QStringLiteral("ราคาซื้อ")),
                 selling,
                 price(QStringLiteral("PRO_SP2"), QStringLiteral("ราคาขาย ระดับ 2")),
                 price(QStringLiteral("PRO_SP3"), QStringLiteral("ราคาขาย ระดับ 3")),
                 price(QStringLiteral("PRO_SP4"), QStringLiteral("ราคาขาย ระดับ 4")),
                 price(QStringLiteral("PRO_SP5"), QStringLiteral("ราคาขาย ระดับ 5")),
                 reorder,
                 warranty};

    c.missingCodeMessage = QStringLiteral("ข้อมูลไม่ครบ ....");
    c.zeroWhenEmpty = {QStringLiteral("PRO_TOTAL"),  QStringLiteral("PRO_BPRICE"),
                       QStringLiteral("PRO_SPRICE"), QStringLiteral("PRO_SP2"),
                       QStringLiteral("PRO_SP3"),    QStringLiteral("PRO_SP4"),
                       QStringLiteral("PRO_SP5"),    QStringLiteral("PRO_RORDER")};

    SearchPanelStyle& s = c.search;
    s.modeChoice = true;
    s.initialMode = RegisterOrder::Code;
    s.nearestWhileTyping = true;
    s.onEnter = SearchPanelStyle::OnEnter::Finish;
    s.clickCopiesByMode = true;
    s.codeModeLabel = s.nameModeLabel = QStringLiteral("พิมพ์รายการที่ค้นหา");
    s.finishCaption = QStringLiteral("ตกลง");
    s.codeColumn = QStringLiteral("รหัสสินค้า");
    s.nameColumn = QStringLiteral("ชื่อสินค้า");

    c.copyCommand = true;
    c.barcodeCommand = true;
    c.balanceLabel = QStringLiteral("คงเหลือ");
    c.balance = [](const QSqlDatabase& db, const QVariantMap& record) {
        return StockOnHand(db, textOf(record.value(QStringLiteral("PRO_NO"))));
    };
    c.besideTexts = [](const QSqlDatabase& db) {
        const QList<double> levels = ProductStore::priceLevelQuantities(db);
        const QStringList fields = {QStringLiteral("PRO_SPRICE"), QStringLiteral("PRO_SP2"),
                                    QStringLiteral("PRO_SP3"), QStringLiteral("PRO_SP4"),
                                    QStringLiteral("PRO_SP5")};
        QHash<QString, QString> out;
        for (int i = 0; i < fields.size(); ++i)
            out.insert(fields[i], QStringLiteral("x ") + EntryValues::formatNumber(levels[i]));
        return out;
    };
    return c;
}
