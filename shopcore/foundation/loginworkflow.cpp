#include "loginworkflow.h"
#include "accessmenus.h"
#include "passwordhash.h"
#include "programstate.h"
#include "prompter.h"
#include "storeerror.h"
#include "userstore.h"

LoginWorkflow::LoginWorkflow(const QSqlDatabase& db, ProgramState& state, AccessMenus& menus,
                             Prompter& prompter)
    : m_db(db), m_state(state), m_menus(menus), m_prompter(prompter),
      // Someone logged in before this window opened can still log out.
      m_logoutEnabled(state.accessLevel > 0) {}

LoginWorkflow::Outcome LoginWorkflow::login(const QString& loginName, const QString& password) {
    std::optional<UserRecord> user;
    try {
        user = UserStore::find(m_db, loginName);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return Outcome::Failed;
    }
    Outcome outcome = Outcome::UnknownName;
    if (user) {
        if (!PasswordHash::matches(user->password, password)) {
            m_greeting.clear();
            m_state.accessLevel = 0;
            outcome = Outcome::WrongPassword;
        } else {
            m_state.loginName = loginName;
            m_state.accessLevel = user->accessLevel();
            m_logoutEnabled = true;
            m_goToWorkShown = true;
            m_greeting = QStringLiteral("Hello ") + user->title;
            outcome = Outcome::LoggedIn;
            if (!PasswordHash::isHash(user->password)) {
                // A password carried over as typed text is hashed on its first use.
                try {
                    UserStore::rehash(m_db, loginName, password);
                } catch (const StoreError&) {
                    // Stays as it was; the next login tries again.
                }
            }
        }
    }
    m_menus.applyAccessLevel(m_state.accessLevel);
    m_userPanelShown = m_state.accessLevel == 1;
    return outcome;
}

void LoginWorkflow::logout() {
    m_state.accessLevel = 0;
    m_menus.applyLoggedOut();
}
