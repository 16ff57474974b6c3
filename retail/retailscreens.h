#pragma once

#include "retailmenu.h"

#include "shopcore/ui/windowregistry.h"

// Plugs the retail program's screens into its main window, one factory per screen.
void registerRetailScreens(WindowRegistry<RetailScreen>& registry);
