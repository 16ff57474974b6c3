#include "retail/mainwindow.h"
#include "retail/mainwindowworkflow.h"

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/ui/messageboxprompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(MainWindowWorkflow::programTitle());
    app.setApplicationDisplayName(MainWindowWorkflow::programTitle());

    ProgramState state;
    state.edition = QStringLiteral(TEKVO_EDITION);
    MessageBoxPrompter prompter;

    const AliasEntry alias = Alias::resolve();
    try {
        Installer::ensureEmbeddedDefault(alias);
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return 1;
    }
    TMAIN window(alias, prompter, state);
    window.showMaximized();
    return app.exec();
}
