#include "retail/mainwindow.h"

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/ui/messageboxprompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Mervand 3.0"));
    app.setApplicationDisplayName(QStringLiteral("Mervand 3.0"));

    const AliasEntry alias = Alias::resolve();
    try {
        Installer::ensureEmbeddedDefault(alias);
    } catch (const StoreError& e) {
        MessageBoxPrompter().information(e.message());
        return 1;
    }
    TMAIN window(alias);
    window.showMaximized();
    return app.exec();
}
