#include "retailscreens.h"

void registerRetailScreens(WindowRegistry<RetailScreen>& registry) {
    (void)registry;
}
