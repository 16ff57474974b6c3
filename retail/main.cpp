#include "retail/mainwindow.h"
#include "retail/mainwindowworkflow.h"

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/ui/firstuserdialog.h"
#include "shopcore/ui/messageboxprompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(MainWindowWorkflow::programTitle());
    app.setApplicationDisplayName(MainWindowWorkflow::programTitle());

    ProgramState state;
    state.edition = QStringLiteral(TEKVO_EDITION);
    MessageBoxPrompter prompter;

    // A damaged alias file must not quietly send this station to the embedded store.
    if (const auto problem = Alias::fileProblem()) {
        prompter.information(*problem);
        return 1;
    }
    const AliasEntry alias = Alias::resolve();
    try {
        Installer::ensureEmbeddedDefault(alias);
    } catch (const StoreError& e) {
        prompter.information(e.message());
        return 1;
    }
    // Nobody could ever log in to a database without users: ask for the first one.
    FirstUserDialog::askIfNeeded(alias, prompter);
    TMAIN window(alias, prompter, state);
    window.showMaximized();
    return app.exec();
}
