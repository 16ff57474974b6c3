#pragma once

#include "retailmenu.h"

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/skinchoice.h"

#include <QMap>

class Prompter;
struct ProgramState;

// The retail main window's behaviour without its widgets: which menu entries are shown and
// enabled, the one-instance rules of the document windows, and the skin read at start.
class MainWindowWorkflow {
public:
    enum class Open { Create, Restore, Refused };

    MainWindowWorkflow(ProgramState& state, Prompter& prompter);

    static QString programTitle();
    static QString windowTitle();
    // Shown on every close, carriage returns already turned into line breaks.
    static QString exitReminder();
    static QString documentWindowOpenMessage();
    QString aboutText(const AliasEntry& alias) const;

    // --- menus
    bool isShown(const MenuEntry& entry) const;
    bool isEnabled(RetailCommand id) const;
    // The sales menu that the login enables in this edition.
    RetailCommand salesMenu() const;
    // At start: nobody logged in yet.
    void enterLoggedOutState();
    // After "Login" with the level now current.
    void applyAccessLevel(int level);
    // After "Logout".
    void applyLoggedOut();

    // --- document windows, one instance each
    // The document-entry window for kind 1..6: a new one (the kind is handed over through the
    // program state), the open one brought forward, or a refusal with a message.
    Open openDocumentEntry(int kind);
    Open openPos(int kind);

    // --- skin
    // The shop's skin setting; the engine's message and no change when the store cannot be read.
    SkinChoice readSkin(const AliasEntry& alias);

private:
    void set(RetailCommand id, bool enabled) { m_enabled[id] = enabled; }
    RetailCommand otherSalesMenu() const;

    ProgramState& m_state;
    Prompter& m_prompter;
    QMap<RetailCommand, bool> m_enabled; // entries not listed are enabled
};
