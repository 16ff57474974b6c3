#include "retailscreens.h"

#include "shopcore/documents/screens/cashdrawerwindow.h"
#include "shopcore/documents/screens/posslipprinting.h"
#include "shopcore/documents/screens/stockprocessingwindow.h"
#include "shopcore/documents/screens/tpos2.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/print/preview/productlistwindow.h"
#include "shopcore/registers/screens/pricelevelswindow.h"
#include "shopcore/registers/screens/registerwindows.h"
#include "shopcore/registers/screens/shopsettingswindow.h"
#include "shopcore/ui/userswindow.h"

namespace {

template <class Window> WindowRegistry<RetailScreen>::Factory factory() {
    return [](const WindowContext& context) -> QWidget* { return new Window(context); };
}

} // namespace

void registerRetailScreens(WindowRegistry<RetailScreen>& registry) {
    registry.add(RetailScreen::Users, factory<UsersWindow>());
    registry.add(RetailScreen::ShopSettings, factory<ShopSettingsWindow>());
    registry.add(RetailScreen::PriceLevels, factory<PriceLevelsWindow>());
    registry.add(RetailScreen::StockProcessing, [](const WindowContext& c) -> QWidget* {
        return createStockProcessingWindow(c.alias, *c.prompter);
    });
    registry.add(RetailScreen::CashDrawer, [](const WindowContext& c) -> QWidget* {
        return createCashDrawerWindow(c.alias, *c.prompter);
    });
    registry.add(RetailScreen::ProductList, [](const WindowContext& c) -> QWidget* {
        return new ProductListWindow(c.alias, *c.prompter);
    });
    registry.add(RetailScreen::CustomerRegister,
                 [](const WindowContext& c) { return createCustomerRegister(c); });
    registry.add(RetailScreen::SupplierRegister, createSupplierRegister);
    registry.add(RetailScreen::SalespersonRegister, createSalespersonRegister);
    registry.add(RetailScreen::ProductRegister, createProductRegister);
    registry.add(RetailScreen::ProductSearch, createProductSearch);
    // The till of the kind the menu entry set; the main window keeps it to one instance.
    registry.add(RetailScreen::PosSale, [](const WindowContext& context) -> QWidget* {
        auto sale = std::make_unique<PosSale>(context.alias, context.state->documentKind,
                                              *context.state, *context.prompter);
        auto* till = new Tpos2(std::move(sale), context.files);
        till->sale().setSlipPrinter(PosSlipPrinting(till, *context.prompter));
        return till;
    });
}
