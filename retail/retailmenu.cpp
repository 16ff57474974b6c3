#include "retailmenu.h"

#include <stdexcept>

namespace {

using C = RetailCommand;
using S = RetailScreen;
using K = MenuCommand::Kind;
using Shown = MenuEntry::Shown;

MenuCommand menu() {
    return {K::Menu, {}, 0, {}};
}
MenuCommand nothing() {
    return {K::Nothing, {}, 0, {}};
}
MenuCommand window(S screen) {
    return {K::Window, screen, 0, {}};
}
MenuCommand document(int kind) {
    return {K::DocumentEntry, S::DocumentEntry, kind, {}};
}
MenuCommand pos(int kind) {
    return {K::PosSale, S::PosSale, kind, {}};
}
MenuCommand help(const char* page) {
    return {K::HelpPage, {}, 0, QString::fromUtf8(page)};
}

QList<MenuEntry> build() {
    const bool sep = true;
    return {
        {C::Login, C::None, QStringLiteral("Login"), window(S::Users)},

        {C::Transactions, C::None, QStringLiteral("รายการ"), menu()},
        {C::PurchaseMenu, C::Transactions, QStringLiteral("ซื้อ / รับสินค้าเข้า STOCK"), menu()},
        {C::PurchaseFlat, C::PurchaseMenu, QStringLiteral("ภาษีเหมาจ่าย"), document(3)},
        {C::PurchaseVat, C::PurchaseMenu, QStringLiteral("ภาษีมูลค่าเพิ่ม"), document(4)},
        // The till's menu shows only in the build that sells through the till.
        {C::PosMenu, C::Transactions, QStringLiteral("ขาย / จำหน่าย (POS)"), menu(),
         Shown::PellunOnly},
        {C::PosSaleFlat, C::PosMenu, QStringLiteral("ภาษีเหมาจ่าย"), pos(1)},
        {C::PosEditFlat, C::PosMenu, QStringLiteral("แก้ไข"), document(1)},
        {C::PosSaleVat, C::PosMenu, QStringLiteral("ภาษีมูลค่าเพิ่ม"), pos(2), Shown::Always, sep},
        {C::PosEditVat, C::PosMenu, QStringLiteral("แก้ไข"), document(2)},
        {C::SalesMenu, C::Transactions, QStringLiteral("ขาย / จำหน่าย"), menu(), Shown::NotPellun},
        {C::SaleFlat, C::SalesMenu, QStringLiteral("ภาษีเหมาจ่าย"), document(1)},
        {C::SaleVat, C::SalesMenu, QStringLiteral("ภาษีมูลค่าเพิ่ม"), document(2)},
        {C::PurchaseOrder, C::Transactions, QStringLiteral("ใบสั่งซื้อ"), document(5), Shown::Always,
         sep},
        {C::Quotation, C::Transactions, QStringLiteral("ใบเสนอราคา"), document(6)},
        {C::BillingNote, C::Transactions, QStringLiteral("ใบวางบิล "), window(S::BillingNotes),
         Shown::Always, sep},
        {C::ReceivedBills, C::Transactions, QStringLiteral("รับวางบิล"), window(S::ReceivedBills)},
        {C::CashDrawer, C::Transactions, QStringLiteral("เปิดลิ้นชักเก็บเงิน"), window(S::CashDrawer),
         Shown::Always, sep},
        {C::PrinterSetup, C::Transactions, QStringLiteral("ตั้งค่าเครื่องพิมพ์"), window(S::PrinterSetup),
         Shown::Never, sep},
        {C::TransactionsDatabaseTools, C::Transactions, QStringLiteral("จัดการฐานข้อมูล"),
         window(S::DatabaseTools), Shown::Never},
        {C::Exit,
         C::Transactions,
         QStringLiteral("เ&ลิกการทำงาน ( EXIT )"),
         {K::Exit, {}, 0, {}},
         Shown::Always,
         sep},

        {C::References, C::None, QStringLiteral("อ้างอิง"), menu()},
        {C::CustomerRegister, C::References, QStringLiteral("ทะเบียนลูกค้า"),
         window(S::CustomerRegister)},
        {C::SupplierRegister, C::References, QStringLiteral("ทะบียนผู้ขาย"),
         window(S::SupplierRegister)},
        {C::SalespersonRegister, C::References, QStringLiteral("ทะเบียนพนักงาน"),
         window(S::SalespersonRegister)},
        {C::ProductRegister, C::References, QStringLiteral("ทะเบียนสินค้า"),
         window(S::ProductRegister)},
        {C::PriceLevels, C::References, QStringLiteral("ระดับราคาสินค้า"), window(S::PriceLevels),
         Shown::Always, sep},
        {C::ShopSettings, C::References, QStringLiteral("ระบบ /  สถานประกอบการ"),
         window(S::ShopSettings), Shown::Always, sep},

        {C::Reports, C::None, QStringLiteral("รายงาน"), menu()},
        {C::ReportsPurchases, C::Reports, QStringLiteral("ซื้อ"), menu()},
        {C::PurchaseJournal, C::ReportsPurchases, QStringLiteral("บัญชีซื้อ"),
         window(S::PurchaseJournal)},
        {C::PurchaseTaxReport, C::ReportsPurchases, QStringLiteral("รายงานภาษีซื้อ"),
         window(S::PurchaseTaxReport)},
        {C::ReportsSales, C::Reports, QStringLiteral("ขาย"), menu()},
        {C::SalesJournal, C::ReportsSales, QStringLiteral("บัญชีขาย"), window(S::SalesJournal)},
        {C::SalesTaxReport, C::ReportsSales, QStringLiteral("รายงานภาษีขาย"),
         window(S::SalesTaxReport)},
        {C::AveragePrices, C::Reports, QStringLiteral("ราคาเฉลี่ยซื้อ - ขาย"),
         window(S::AveragePrices)},
        {C::ReportsCustomers, C::Reports, QStringLiteral("ลูกค้า"), menu(), Shown::Always, sep},
        {C::CustomerList, C::ReportsCustomers, QStringLiteral("ทะเบียนลูกค้า"),
         window(S::CustomerList)},
        {C::CustomersOrdering, C::ReportsCustomers, QStringLiteral("ที่มีการสั่งซื้อ / ไม่สั่งซื้อ"), nothing(),
         Shown::Never},
        {C::ReportsProducts, C::Reports, QStringLiteral("สินค้า"), menu()},
        {C::ProductListPrinted, C::ReportsProducts, QStringLiteral("ทะเบียนสินค้า"),
         window(S::ProductList), Shown::Never},
        {C::ProductSearch, C::ReportsProducts, QStringLiteral("ทะเบียนสินค้า"),
         window(S::ProductSearch)},
        {C::ProductsBoughtSold, C::ReportsProducts, QStringLiteral("สินค้าที่มีการซื้อ / ขาย"),
         window(S::ProductsBoughtSold), Shown::Always, sep},
        {C::MostBought, C::ReportsProducts, QStringLiteral("สินค้าที่ซื้อมาก"), window(S::MostBought)},
        {C::BestSelling, C::ReportsProducts, QStringLiteral("สินค้าที่ขายมาก"), window(S::BestSelling)},
        {C::ReorderPoint, C::ReportsProducts, QStringLiteral("สินค้าถึงจุดต้องสั่งซื้อ"),
         window(S::ReorderPoint), Shown::Always, sep},
        {C::ReportsSalespeople, C::Reports, QStringLiteral("พนักงานขาย"), menu()},
        {C::SalespersonList, C::ReportsSalespeople, QStringLiteral("ทะเบียนพนักงาน"),
         window(S::SalespersonList)},
        {C::SalesBySalesperson, C::ReportsSalespeople, QStringLiteral("ผลงานขาย"),
         window(S::SalesBySalesperson)},
        {C::IncomeExpenses, C::Reports, QStringLiteral("รายรับ - รายจ่าย"), window(S::IncomeExpenses),
         Shown::Always, sep},

        {C::Tools, C::None, QStringLiteral("เครื่องมือ"), menu()},
        {C::DatabaseTools, C::Tools, QStringLiteral("จัดการฐานข้อมูล"), window(S::DatabaseTools)},
        {C::CutOffData, C::Tools, QStringLiteral("ตัดข้อมูล"), window(S::CutOffData), Shown::Never},
        {C::StockProcessing, C::Tools, QStringLiteral("OPTIMIZE ระบบ"), window(S::StockProcessing),
         Shown::Never},

        {C::Help, C::None, QStringLiteral("Help"), menu()},
        {C::HelpThaiMenu, C::Help, QStringLiteral("Cannot Read Menu THAI"),
         help("../Thai_Dadorid/index.html")},
        {C::HelpHowTo, C::Help, QStringLiteral("วิธีใช้งาน"), help("HB_Mervand.html")},
        {C::HelpLan, C::Help, QStringLiteral("ระบบ LAN"), help("../HB_Lan.html")},
        {C::About,
         C::Help,
         QStringLiteral("เกี่ยวกับโปรแกรม"),
         {K::About, {}, 0, {}},
         Shown::Always,
         sep},
    };
}

} // namespace

namespace RetailMenu {

const QList<MenuEntry>& entries() {
    static const QList<MenuEntry> all = build();
    return all;
}

const MenuEntry& entry(RetailCommand id) {
    for (const MenuEntry& e : entries())
        if (e.id == id)
            return e;
    throw std::out_of_range("RetailMenu::entry: no such entry");
}

} // namespace RetailMenu
