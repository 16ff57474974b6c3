#include "retailscreens.h"

#include "shopcore/documents/screens/tpos2.h"
#include "shopcore/foundation/programstate.h"

void registerRetailScreens(WindowRegistry<RetailScreen>& registry) {
    // The till of the kind the menu entry set; the main window keeps it to one instance.
    registry.add(RetailScreen::PosSale, [](const WindowContext& context) -> QWidget* {
        auto sale = std::make_unique<PosSale>(context.alias, context.state->documentKind,
                                              *context.state, *context.prompter);
        return new Tpos2(std::move(sale), context.files);
    });
}
