#include "retailscreens.h"

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
}
