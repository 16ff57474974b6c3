#include "registers.h"

#include "shopcore/foundation/thaitext.h"

// Customers and suppliers share one layout (CUST_ fields) and one set of entries and checks.
namespace {

const QString MissingCode = QStringLiteral("ไม่มีข้อมูลรหัสลูกค้า ... ");

QList<RegisterEntry> partyEntries(const QString& codeLabel, const QString& nameLabel) {
    RegisterEntry code = RegisterEntry::of(QStringLiteral("CUST_NO"), codeLabel);
    code.hint = QStringLiteral("( ไม่เกิน 5 หลัก )");
    RegisterEntry credit =
        RegisterEntry::of(QStringLiteral("CUST_CRE"), QStringLiteral("เครดิต"), EntryKind::Choice);
    credit.choices = CreditTerms();
    credit.notAChoiceMessage = QStringLiteral("ข้อมูลเครดิตไม่ถูกต้อง");
    RegisterEntry grade = RegisterEntry::of(QStringLiteral("CUST_GROUP"), QStringLiteral("เกรด"));
    grade.hint = QStringLiteral("( 1 หลัก )");
    return {code,
            RegisterEntry::of(QStringLiteral("CUST_NAME"), nameLabel),
            RegisterEntry::of(QStringLiteral("CUST_ADD1"), QStringLiteral("ที่อยู่")),
            RegisterEntry::of(QStringLiteral("CUST_ADD2"), QString()),
            RegisterEntry::of(QStringLiteral("CUST_ADD4"), QStringLiteral("จังหวัด")),
            RegisterEntry::of(QStringLiteral("CUST_ZIP"), QStringLiteral("รหัสไปรษณีย์")),
            RegisterEntry::of(QStringLiteral("CUST_TEL"), QStringLiteral("โทร.")),
            RegisterEntry::of(QStringLiteral("CUST_FAX"), QStringLiteral("FAX")),
            credit,
            grade,
            RegisterEntry::of(QStringLiteral("CUST_BIRTH"), QStringLiteral("ว.ด.ป.เกิด"),
                              EntryKind::DateText),
            RegisterEntry::of(QStringLiteral("CUST_CARD"), QStringLiteral("เลขบัตรประชาชน"))};
}

// Every change of the entry moves to the nearest name; Enter or the button ends the search.
SearchPanelStyle nearestNameSearch(const QString& codeColumn, const QString& nameColumn) {
    SearchPanelStyle s;
    s.modeChoice = false;
    s.initialMode = RegisterOrder::Name;
    s.nearestWhileTyping = true;
    s.onEnter = SearchPanelStyle::OnEnter::Finish;
    s.codeModeLabel = s.nameModeLabel = QStringLiteral("ชื่อที่ต้องการค้นหา");
    s.finishCaption = QStringLiteral("กลับ");
    s.codeColumn = codeColumn;
    s.nameColumn = nameColumn;
    return s;
}

RegisterConfig party(const QString& title, const QString& connection, const QString& table,
                     const QString& codeLabel, const QString& nameLabel) {
    RegisterConfig c;
    c.title = title;
    c.connectionName = connection;
    c.table = table;
    c.codeField = QStringLiteral("CUST_NO");
    c.nameField = QStringLiteral("CUST_NAME");
    c.entries = partyEntries(codeLabel, nameLabel);
    c.missingCodeMessage = MissingCode;
    c.search = nearestNameSearch(codeLabel, nameLabel);
    return c;
}

} // namespace

RegisterConfig customerRegister(ProgramKind program) {
    RegisterConfig c =
        party(QStringLiteral(" ทะเบียนลูกค้า"), QStringLiteral("ref_cust"), QStringLiteral("Customer"),
              QStringLiteral("รหัสลูกค้า"), QStringLiteral("ชื่อลูกค้า"));
    c.envelopeCommand = true;
    SearchPanelStyle& s = c.search;
    switch (program) {
    case ProgramKind::Retail:
        // Enter finds the code (any letter case) or the first name beginning with the text.
        s.modeChoice = true;
        s.initialMode = RegisterOrder::Name;
        s.nearestWhileTyping = false;
        s.onEnter = SearchPanelStyle::OnEnter::LocateThenBack;
        break;
    case ProgramKind::Rental:
        break;
    case ProgramKind::Service:
        s.modeChoice = true;
        s.codeModeLabel = QStringLiteral("รหัสที่ต้องการค้นหา");
        break;
    }
    return c;
}

RegisterConfig supplierRegister() {
    return party(QStringLiteral(" ทะเบียนผู้ขาย"), QStringLiteral("ref_supply"),
                 QStringLiteral("Supply"), QStringLiteral("รหัสผู้ขาย"), QStringLiteral("ชื่อผู้ขาย"));
}

RegisterConfig salespersonRegister() {
    RegisterConfig c;
    c.title = QStringLiteral(" ทะเบียนพนักงานขาย");
    c.connectionName = QStringLiteral("ref_sale");
    c.table = QStringLiteral("Sale");
    c.codeField = QStringLiteral("SALE_NO");
    c.nameField = QStringLiteral("SALE_NAME");
    RegisterEntry code =
        RegisterEntry::of(QStringLiteral("SALE_NO"), QStringLiteral("รหัสพนักงานขาย"));
    code.hint = QStringLiteral("( ไม่เกิน 5 หลัก )");
    c.entries = {
        code,
        RegisterEntry::of(QStringLiteral("SALE_NAME"), QStringLiteral("ชื่อพนักงานขาย")),
        RegisterEntry::of(QStringLiteral("SALE_ADD1"), QStringLiteral("ที่อยู่")),
        RegisterEntry::of(QStringLiteral("SALE_ADD2"), QString()),
        RegisterEntry::of(QStringLiteral("SALE_ADD4"), QStringLiteral("จังหวัด")),
        RegisterEntry::of(QStringLiteral("SALE_ZIP"), QStringLiteral("รหัสไปรษณีย์")),
        RegisterEntry::of(QStringLiteral("SALE_TEL"), QStringLiteral("โทร.")),
        RegisterEntry::of(QStringLiteral("SALE_COM"), QStringLiteral("คอมมิสชั่น"), EntryKind::Number),
        RegisterEntry::of(QStringLiteral("SALARY"), QStringLiteral("เงินเดือน"), EntryKind::Number)};
    // The salesperson register keeps the customer register's message.
    c.missingCodeMessage = MissingCode;
    c.search = nearestNameSearch(QStringLiteral("รหัสพนักงานขาย"), QStringLiteral("ชื่อพนักงานขาย"));
    return c;
}
