#pragma once

#include <QList>
#include <QString>

// Every entry of the retail main window's menu tree, menus and commands alike.
enum class RetailCommand {
    None,
    Login,
    Transactions,
    PurchaseMenu,
    PurchaseFlat,
    PurchaseVat,
    PosMenu,
    PosSaleFlat,
    PosEditFlat,
    PosSaleVat,
    PosEditVat,
    SalesMenu,
    SaleFlat,
    SaleVat,
    PurchaseOrder,
    Quotation,
    BillingNote,
    ReceivedBills,
    CashDrawer,
    PrinterSetup,
    TransactionsDatabaseTools,
    Exit,
    References,
    CustomerRegister,
    SupplierRegister,
    SalespersonRegister,
    ProductRegister,
    PriceLevels,
    ShopSettings,
    Reports,
    ReportsPurchases,
    PurchaseJournal,
    PurchaseTaxReport,
    ReportsSales,
    SalesJournal,
    SalesTaxReport,
    AveragePrices,
    ReportsCustomers,
    CustomerList,
    CustomersOrdering,
    ReportsProducts,
    ProductListPrinted,
    ProductSearch,
    ProductsBoughtSold,
    MostBought,
    BestSelling,
    ReorderPoint,
    ReportsSalespeople,
    SalespersonList,
    SalesBySalesperson,
    IncomeExpenses,
    Tools,
    DatabaseTools,
    CutOffData,
    StockProcessing,
    Help,
    HelpThaiMenu,
    HelpHowTo,
    HelpLan,
    About,
};

// The windows the retail menus open; each screen plugs its factory into the main window.
enum class RetailScreen {
    Users,
    DocumentEntry,
    PosSale,
    BillingNotes,
    ReceivedBills,
    CashDrawer,
    PrinterSetup,
    DatabaseTools,
    CutOffData,
    StockProcessing,
    CustomerRegister,
    SupplierRegister,
    SalespersonRegister,
    ProductRegister,
    PriceLevels,
    ShopSettings,
    PurchaseJournal,
    PurchaseTaxReport,
    SalesJournal,
    SalesTaxReport,
    AveragePrices,
    CustomerList,
    ProductList,
    ProductSearch,
    ProductsBoughtSold,
    MostBought,
    BestSelling,
    ReorderPoint,
    SalespersonList,
    SalesBySalesperson,
    IncomeExpenses,
};

// What choosing an entry does.
struct MenuCommand {
    enum class Kind {
        Menu,          // opens its sub-entries
        Nothing,       // an entry without a command
        Window,        // a new window of `screen`
        DocumentEntry, // the document-entry window for `documentKind`, one instance
        PosSale,       // the till for `documentKind`, one instance
        HelpPage,      // `page` in the system's default program
        About,
        Exit,
    };
    Kind kind = Kind::Nothing;
    RetailScreen screen = RetailScreen::Users;
    int documentKind = 0;
    QString page;
};

struct MenuEntry {
    // Which builds show an entry: hidden entries exist but are never shown.
    enum class Shown { Always, Never, PellunOnly, NotPellun };

    RetailCommand id;
    RetailCommand parent; // None: on the menu bar
    QString caption;
    MenuCommand command;
    Shown shown = Shown::Always;
    bool separatorBefore = false;
};

namespace RetailMenu {
// The whole tree in display order, parents before their entries.
const QList<MenuEntry>& entries();
const MenuEntry& entry(RetailCommand id);
} // namespace RetailMenu
