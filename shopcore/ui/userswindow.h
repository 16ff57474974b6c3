#pragma once

#include "windowcontext.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/loginworkflow.h"
#include "shopcore/foundation/usereditworkflow.h"

#include <QWidget>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The users window of every program: the login panel, and for a level-1 user the panel that
// adds and changes users.
class UsersWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the users table through the window's own connection; StoreError when unreachable.
    explicit UsersWindow(const WindowContext& context, QWidget* parent = nullptr);
    ~UsersWindow() override;

    // The controls, by the captions users see.
    QLineEdit* loginNameEntry() const { return m_loginName; }
    QLineEdit* passwordEntry() const { return m_password; }
    QPushButton* loginButton() const { return m_login; }
    QPushButton* goToWorkButton() const { return m_goToWork; }
    QPushButton* logoutButton() const { return m_logout; }
    QLabel* greetingLabel() const { return m_greeting; }
    QGroupBox* userPanel() const { return m_userPanel; }
    QLineEdit* titleEntry() const { return m_title; }
    QLineEdit* userNameEntry() const { return m_userName; }
    QLineEdit* userPasswordEntry() const { return m_userPassword; }
    QLineEdit* userAgainEntry() const { return m_userAgain; }
    QButtonGroup* levelChoice() const { return m_level; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* previousButton() const { return m_previous; }
    QPushButton* nextButton() const { return m_next; }

private:
    QWidget* buildLoginPanel();
    QGroupBox* buildUserPanel();
    void login();
    void logout();
    void showUser();
    UserEditWorkflow::Entries typedUser() const;
    void save();

    Prompter& m_prompter;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<LoginWorkflow> m_loginFlow;
    std::unique_ptr<UserEditWorkflow> m_users;

    QLineEdit* m_loginName = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_login = nullptr;
    QPushButton* m_goToWork = nullptr;
    QPushButton* m_logout = nullptr;
    QLabel* m_greeting = nullptr;
    QGroupBox* m_userPanel = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_userName = nullptr;
    QLineEdit* m_userPassword = nullptr;
    QLineEdit* m_userAgain = nullptr;
    QButtonGroup* m_level = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
};
