#include "retailscreens.h"

#include "shopcore/registers/screens/registerwindows.h"

void registerRetailScreens(WindowRegistry<RetailScreen>& registry) {
    registry.add(RetailScreen::CustomerRegister,
                 [](const WindowContext& c) { return createCustomerRegister(c); });
    registry.add(RetailScreen::SupplierRegister, createSupplierRegister);
    registry.add(RetailScreen::SalespersonRegister, createSalespersonRegister);
    registry.add(RetailScreen::ProductRegister, createProductRegister);
    registry.add(RetailScreen::ProductSearch, createProductSearch);
}
