#include "retailscreens.h"

#include "shopcore/documents/screens/cashdrawerwindow.h"
#include "shopcore/documents/screens/stockprocessingwindow.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/print/preview/productlistwindow.h"
#include "shopcore/registers/pricelevelswindow.h"
#include "shopcore/registers/shopsettingswindow.h"
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
}
