#pragma once

#include <QSqlDatabase>
#include <QString>

class AccessMenus;
class Prompter;
struct ProgramState;

// The login panel of the users window: checks a login name and password against the users
// table, sets the program's access level and applies it to the program's menus.
class LoginWorkflow {
public:
    enum class Outcome { LoggedIn, WrongPassword, UnknownName, Failed };

    LoginWorkflow(const QSqlDatabase& db, ProgramState& state, AccessMenus& menus,
                  Prompter& prompter);

    // "Login". A wrong password drops to level 0 without a word; an unknown name keeps the
    // level; either way the menu table of the level now current is applied again.
    Outcome login(const QString& loginName, const QString& password);
    // "Logout": level 0, the logged-out menus; the remembered login name stays.
    void logout();

    QString greeting() const { return m_greeting; }
    bool userPanelShown() const { return m_userPanelShown; }
    bool logoutEnabled() const { return m_logoutEnabled; }
    bool goToWorkShown() const { return m_goToWorkShown; }

private:
    QSqlDatabase m_db;
    ProgramState& m_state;
    AccessMenus& m_menus;
    Prompter& m_prompter;
    QString m_greeting;
    bool m_userPanelShown = false;
    bool m_logoutEnabled;
    bool m_goToWorkShown = false;
};
