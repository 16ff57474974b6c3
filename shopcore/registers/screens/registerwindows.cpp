#include "registerwindows.h"

#include "productsearchscreen.h"
#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/ui/registerscreen.h"

namespace {

// Creates the window on a connection of its own; the window owns and closes the connection.
template <typename Make>
QWidget* openWindow(const AliasEntry& alias, const QString& connectionName, Prompter& prompter,
                    Make&& make) {
    try {
        auto connection = std::make_unique<Connection>(alias, connectionName);
        auto* window = make(connection->db());
        window->adoptConnection(std::move(connection));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return window;
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return nullptr;
    }
}

QWidget* openRegister(RegisterConfig config, QWidget* parent, const AliasEntry& alias,
                      Prompter& prompter) {
    const QString name = config.connectionName;
    return openWindow(alias, name, prompter, [&](const QSqlDatabase& db) {
        return new RegisterScreen(std::move(config), db, prompter, parent);
    });
}

} // namespace

QWidget* openProductRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return openRegister(productRegister(), parent, alias, prompter);
}

QWidget* openCustomerRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                              ProgramKind program) {
    return openRegister(customerRegister(program), parent, alias, prompter);
}

QWidget* openSupplierRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return openRegister(supplierRegister(), parent, alias, prompter);
}

QWidget* openSalespersonRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    return openRegister(salespersonRegister(), parent, alias, prompter);
}

QWidget* openProductSearch(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    // Read-mostly: the window reads through a connection of its own all the same, so that it
    // closes with the window.
    return openWindow(
        alias, QStringLiteral("product_search"), prompter,
        [&](const QSqlDatabase& db) { return new ProductSearchScreen(db, prompter, parent); });
}
