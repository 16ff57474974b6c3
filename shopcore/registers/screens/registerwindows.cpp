#include "registerwindows.h"

#include "productsearchscreen.h"
#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/print/preview/printentrypoints.h"
#include "shopcore/print/productreports.h"
#include "shopcore/registers/productsearch.h"
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
    const bool envelope = config.envelopeCommand;
    const bool barcode = config.barcodeCommand;
    return windowOn(alias, name, prompter, [&](const QSqlDatabase& db) {
        auto* screen = new RegisterScreen(std::move(config), db, prompter, parent);
        Prompter* p = &prompter;
        if (envelope)
            screen->setEnvelopePrinter([screen, p, db](const QVariantMap& customer) {
                previewCustomerEnvelope(screen, *p, db,
                                        customer.value(QStringLiteral("CUST_NO")).toString());
            });
        if (barcode)
            screen->setBarcodePrinter([screen, p](const QVariantMap& product) {
                previewBarcodeSheet(screen, *p, product.value(QStringLiteral("PRO_NO")).toString(),
                                    product.value(QStringLiteral("PRO_NAME")).toString());
            });
        return screen;
    });
}

// The found list as the report prints it.
QList<ProductSearchRow> foundRows(const ProductSearch& search) {
    QList<ProductSearchRow> rows;
    const ProductSearchModel* found = search.model();
    for (int r = 0; r < found->rowCount(); ++r) {
        const ProductStore::Row& row = found->row(r);
        rows << ProductSearchRow{row.code, row.name, found->onHand(r), Money::fromDouble(row.cost),
                                 Money::fromDouble(row.price)};
    }
    return rows;
}

QWidget* searchWindow(QWidget* parent, const AliasEntry& alias, Prompter& prompter) {
    // A read-only window, on a connection of its own all the same, closed with it.
    return windowOn(alias, QStringLiteral("product_search"), prompter, [&](const QSqlDatabase& db) {
        auto* screen = new ProductSearchScreen(db, prompter, parent);
        Prompter* p = &prompter;
        screen->setListPrinter([screen, p](const ProductSearch& search) {
            previewProductSearchList(screen, *p, foundRows(search));
        });
        return screen;
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
