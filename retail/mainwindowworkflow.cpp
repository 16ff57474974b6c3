#include "mainwindowworkflow.h"
#include "retaillevels.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/registers/shopsettingsstore.h"

using C = RetailCommand;

MainWindowWorkflow::MainWindowWorkflow(ProgramState& state, Prompter& prompter)
    : m_state(state), m_prompter(prompter) {}

QString MainWindowWorkflow::programTitle() {
    return QStringLiteral("Mervand 3.0");
}

QString MainWindowWorkflow::windowTitle() {
    return QStringLiteral("  Teskel tekvo  < ซื้อมา - ขายไป Mervand >");
}

QString MainWindowWorkflow::exitReminder() {
    QString text = QStringLiteral("อย่าลืมสำรองข้อมูล ...\r\rอ่านวิธีสำรองข้อมูลได้ที่ Help");
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString MainWindowWorkflow::documentWindowOpenMessage() {
    return QStringLiteral("มีข้อมูลรายการขายเปิดอยู่ กรุณาปิดก่อนทำรายการอื่น");
}

QString MainWindowWorkflow::aboutText(const AliasEntry& alias) const {
    return QStringLiteral("%1  รุ่น %2\n"
                          "โปรแกรมซื้อมา - ขายไป สำหรับร้านค้า\n"
                          "ซื้อ ขาย ใบสั่งซื้อ ใบเสนอราคา ใบวางบิล สต็อกสินค้า และรายงานภาษี\n\n"
                          "ฐานข้อมูล: %3\n\n"
                          "วิธีใช้งานและวิธีสำรองข้อมูล: เมนู Help > วิธีใช้งาน")
        .arg(programTitle(), m_state.edition, alias.describe());
}

bool MainWindowWorkflow::isShown(const MenuEntry& entry) const {
    switch (entry.shown) {
    case MenuEntry::Shown::Always:
        return true;
    case MenuEntry::Shown::Never:
        return false;
    case MenuEntry::Shown::PellunOnly:
        return m_state.isPellun();
    case MenuEntry::Shown::NotPellun:
        return !m_state.isPellun();
    }
    return true;
}

bool MainWindowWorkflow::isEnabled(RetailCommand id) const {
    return m_enabled.value(id, true);
}

RetailCommand MainWindowWorkflow::salesMenu() const {
    return m_state.isPellun() ? C::PosMenu : C::SalesMenu;
}

RetailCommand MainWindowWorkflow::otherSalesMenu() const {
    return m_state.isPellun() ? C::SalesMenu : C::PosMenu;
}

void MainWindowWorkflow::enterLoggedOutState() {
    m_enabled.clear();
    set(C::Login, true);
    set(C::Transactions, true);
    for (C id : {C::PurchaseMenu, salesMenu(), C::PurchaseOrder, C::BillingNote, C::ReceivedBills,
                 C::CashDrawer, C::Quotation, C::References, C::Reports})
        set(id, false);
    set(C::Exit, true);
    set(C::Tools, true);
    set(C::Help, true);
    // The sales menu of the other edition is never shown; it is never usable either.
    set(otherSalesMenu(), false);
}

void MainWindowWorkflow::applyAccessLevel(int level) {
    for (C id : RetailLevels::commands(salesMenu()))
        if (const auto on = RetailLevels::stateAt(id, level, salesMenu()))
            set(id, *on);
}

void MainWindowWorkflow::applyLoggedOut() {
    set(C::Login, true);
    set(C::Transactions, true);
    for (C id :
         {C::PurchaseMenu, C::PosMenu, C::SalesMenu, C::PurchaseOrder, C::BillingNote,
          C::ReceivedBills, C::Quotation, C::CashDrawer, C::References, C::Reports, C::Tools})
        set(id, false);
    set(C::Exit, true);
}

MainWindowWorkflow::Open MainWindowWorkflow::openDocumentEntry(int kind) {
    if (m_state.documentWindowOpen) {
        // The open window keeps the kind it was opened with.
        if (kind >= 1 && kind <= 4)
            return Open::Restore;
        m_prompter.information(documentWindowOpenMessage());
        return Open::Refused;
    }
    m_state.documentKind = kind;
    return Open::Create;
}

MainWindowWorkflow::Open MainWindowWorkflow::openPos(int kind) {
    if (m_state.posWindowOpen)
        return Open::Restore;
    m_state.documentKind = kind;
    return Open::Create;
}

SkinChoice MainWindowWorkflow::readSkin(const AliasEntry& alias) {
    try {
        Connection connection(alias, QStringLiteral("skin"));
        return SkinChoice::forSetting(ShopSettingsStore::skinSetting(connection.db()));
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return {};
    }
}
