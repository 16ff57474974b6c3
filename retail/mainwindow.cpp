#include "mainwindow.h"
#include "retailscreens.h"

#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/ui/skin.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QUrl>

TMAIN::TMAIN(const AliasEntry& alias, Prompter& prompter, ProgramState& state,
             const LocalFiles& files, QWidget* parent)
    : QMainWindow(parent), m_alias(alias), m_prompter(prompter), m_state(state), m_files(files),
      m_workflow(state, prompter), m_workspace(new QMdiArea(this)) {
    setCentralWidget(m_workspace);
    registerRetailScreens(m_registry);
    Skin::apply(m_workflow.readSkin(m_alias), m_files);
    buildMenus();
    m_workflow.enterLoggedOutState();
    syncMenus();
    setWindowTitle(MainWindowWorkflow::windowTitle());
}

void TMAIN::buildMenus() {
    QMap<RetailCommand, QMenu*> menus;
    for (const MenuEntry& entry : RetailMenu::entries()) {
        QMenu* parentMenu = menus.value(entry.parent);
        if (parentMenu && entry.separatorBefore)
            parentMenu->addSeparator();
        QAction* action = nullptr;
        if (entry.command.kind == MenuCommand::Kind::Menu) {
            QMenu* menu =
                parentMenu ? parentMenu->addMenu(entry.caption) : menuBar()->addMenu(entry.caption);
            menus.insert(entry.id, menu);
            action = menu->menuAction();
        } else {
            action = parentMenu ? parentMenu->addAction(entry.caption)
                                : menuBar()->addAction(entry.caption);
            const RetailCommand id = entry.id;
            connect(action, &QAction::triggered, this, [this, id] { run(RetailMenu::entry(id)); });
        }
        action->setVisible(m_workflow.isShown(entry));
        m_actions.insert(entry.id, action);
    }
}

void TMAIN::syncMenus() {
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setEnabled(m_workflow.isEnabled(it.key()));
}

void TMAIN::applyAccessLevel(int level) {
    m_workflow.applyAccessLevel(level);
    syncMenus();
}

void TMAIN::applyLoggedOut() {
    m_workflow.applyLoggedOut();
    syncMenus();
}

void TMAIN::applySkinSetting(const QString& value) {
    Skin::apply(SkinChoice::forSetting(value), m_files);
}

void TMAIN::run(const MenuEntry& entry) {
    const MenuCommand& command = entry.command;
    switch (command.kind) {
    case MenuCommand::Kind::Menu:
    case MenuCommand::Kind::Nothing:
        break;
    case MenuCommand::Kind::Window:
        openWindow(command.screen);
        break;
    case MenuCommand::Kind::DocumentEntry:
        openGuarded(m_workflow.openDocumentEntry(command.documentKind), command.screen,
                    m_documentWindow, &ProgramState::documentWindowOpen);
        break;
    case MenuCommand::Kind::PosSale:
        openGuarded(m_workflow.openPos(command.documentKind), command.screen, m_posWindow,
                    &ProgramState::posWindowOpen);
        break;
    case MenuCommand::Kind::HelpPage:
        openHelpPage(command.page);
        break;
    case MenuCommand::Kind::About:
        m_prompter.information(m_workflow.aboutText(m_alias));
        break;
    case MenuCommand::Kind::Exit:
        close();
        break;
    }
}

QMdiSubWindow* TMAIN::openWindow(RetailScreen screen) {
    WindowContext context;
    context.alias = m_alias;
    context.prompter = &m_prompter;
    context.state = &m_state;
    context.menus = this;
    context.files = m_files;
    context.programName = QStringLiteral("Mervand");
    context.applySkin = [this](const QString& value) { applySkinSetting(value); };
    QWidget* window = nullptr;
    try {
        window = m_registry.create(screen, context);
    } catch (const StoreError& e) {
        // A window whose tables cannot be opened does not open.
        m_prompter.information(e.message());
    }
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_workspace->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A window that closes itself ("เลิก", "เข้าที่ทำงาน") takes its frame with it. Queued, so
    // that nothing reaches a frame that is itself being destroyed.
    connect(window, &QObject::destroyed, sub, &QMdiSubWindow::close, Qt::QueuedConnection);
    sub->show();
    window->setFocus();
    return sub;
}

void TMAIN::openGuarded(MainWindowWorkflow::Open how, RetailScreen screen,
                        QPointer<QMdiSubWindow>& open, bool ProgramState::*flag) {
    switch (how) {
    case MainWindowWorkflow::Open::Refused:
        return;
    case MainWindowWorkflow::Open::Restore:
        if (open) {
            open->showNormal();
            m_workspace->setActiveSubWindow(open);
        }
        return;
    case MainWindowWorkflow::Open::Create:
        break;
    }
    QMdiSubWindow* sub = openWindow(screen);
    if (!sub)
        return;
    // The flag stays set for as long as the window lives, however it is closed.
    open = sub;
    m_state.*flag = true;
    ProgramState* state = &m_state;
    connect(sub, &QObject::destroyed, this, [state, flag] { state->*flag = false; });
}

void TMAIN::openHelpPage(const QString& page) {
    // A page that cannot be opened is the desktop's business; nothing is shown here.
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_files.resolve(page)));
}

void TMAIN::closeEvent(QCloseEvent* event) {
    // Open windows close first, each in its own way (the till asks about a sale not yet
    // saved); one that stays open keeps the program running.
    for (QMdiSubWindow* sub : m_workspace->subWindowList()) {
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    m_prompter.information(MainWindowWorkflow::exitReminder());
    event->accept();
}
