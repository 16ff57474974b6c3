#include "registerwindows.h"

#include "productsearchscreen.h"
#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/ui/registerscreen.h"
#include "shopcore/ui/windowcontext.h"

namespace {

// The window on a connection of its own, which it owns and closes.
template <typename Make>
QWidget* windowOn(const AliasEntry& alias, const QString& connectionName, Prompter& prompter,
                  Make&& make) {
    try {
        auto connection = std::make_unique<Connection>(alias, connectionName);
        auto* window = make(connection->db());
        window->adoptConnection(std::move(connection));
        return window;
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return nullptr;
    }
}

QWidget* registerWindow(RegisterConfig config, QWidget* parent, const AliasEntry& alias,
                        Prompter& prompter) {
    const QString name = config.connectionName;
    return windowOn(alias, name, prompter, [&](const QSqlDatabase& db) {
        return new RegisterScreen(std::move(config), db, prompter, parent);
    });
}

QWidget* searchWindow(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    // A read-only window, on a connection of its own all the same, closed with it.
    return windowOn(alias, QStringLiteral("product_search"), prompter, [&](const QSqlDatabase& db) {
        return new ProductSearchScreen(db, prompter, parent);
    });
}

QWidget* shown(QWidget* window) {
    if (window) {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    return window;
}

} // namespace

QWidget* createProductRegister(const WindowContext& c) {
    return registerWindow(productRegister(), nullptr, c.alias, *c.prompter);
}

QWidget* createCustomerRegister(const WindowContext& c, ProgramKind program) {
    return registerWindow(customerRegister(program), nullptr, c.alias, *c.prompter);
}

QWidget* createSupplierRegister(const WindowContext& c) {
    return registerWindow(supplierRegister(), nullptr, c.alias, *c.prompter);
}

QWidget* createSalespersonRegister(const WindowContext& c) {
    return registerWindow(salespersonRegister(), nullptr, c.alias, *c.prompter);
}

QWidget* createProductSearch(const WindowContext& c) {
    return searchWindow(nullptr, c.alias, *c.prompter);
}

QWidget* openProductRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return shown(registerWindow(productRegister(), parent, alias, prompter));
}

QWidget* openCustomerRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                              ProgramKind program) {
    return shown(registerWindow(customerRegister(program), parent, alias, prompter));
}

QWidget* openSupplierRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return shown(registerWindow(supplierRegister(), parent, alias, prompter));
}

QWidget* openSalespersonRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return shown(registerWindow(salespersonRegister(), parent, alias, prompter));
}

QWidget* openProductSearch(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return shown(searchWindow(parent, alias, prompter));
}
