#include "retailscreens.h"

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
    registry.add(RetailScreen::CustomerRegister,
                 [](const WindowContext& c) { return createCustomerRegister(c); });
    registry.add(RetailScreen::SupplierRegister, createSupplierRegister);
    registry.add(RetailScreen::SalespersonRegister, createSalespersonRegister);
    registry.add(RetailScreen::ProductRegister, createProductRegister);
    registry.add(RetailScreen::ProductSearch, createProductSearch);
}
