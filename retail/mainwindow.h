#pragma once

#include "mainwindowworkflow.h"
#include "retailmenu.h"

#include "shopcore/foundation/accessmenus.h"
#include "shopcore/foundation/alias.h"
#include "shopcore/ui/windowregistry.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The retail program's main window: the menu tree, the windows it opens inside itself, the
// skin, and the backup reminder on closing.
class TMAIN : public QMainWindow, public AccessMenus {
    Q_OBJECT
public:
    TMAIN(const AliasEntry& alias, Prompter& prompter, ProgramState& state,
          const LocalFiles& files = LocalFiles::standard(), QWidget* parent = nullptr);

    // Screens plug their factories in here; commands of a screen without one open nothing.
    WindowRegistry<RetailScreen>& registry() { return m_registry; }
    QAction* action(RetailCommand id) const { return m_actions.value(id); }
    QMdiArea* workspace() const { return m_workspace; }
    const MainWindowWorkflow& workflow() const { return m_workflow; }

    void applyAccessLevel(int level) override;
    void applyLoggedOut() override;
    // Applies a skin setting at once, as the settings window does after saving.
    void applySkinSetting(const QString& value);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void syncMenus();
    void run(const MenuEntry& entry);
    QMdiSubWindow* openWindow(RetailScreen screen);
    void openGuarded(MainWindowWorkflow::Open how, RetailScreen screen,
                     QPointer<QMdiSubWindow>& open, bool ProgramState::*flag);
    void openHelpPage(const QString& page);

    AliasEntry m_alias;
    Prompter& m_prompter;
    ProgramState& m_state;
    LocalFiles m_files;
    MainWindowWorkflow m_workflow;
    WindowRegistry<RetailScreen> m_registry;
    QMdiArea* m_workspace;
    QMap<RetailCommand, QAction*> m_actions;
    QPointer<QMdiSubWindow> m_documentWindow;
    QPointer<QMdiSubWindow> m_posWindow;
};
