#pragma once

#include "shopcore/foundation/alias.h"

#include <QDialog>
#include <QSqlDatabase>

class Prompter;
class QLineEdit;
class QPushButton;

// Asked once at the start of a program whose database has no users: the first level-1 user.
class FirstUserDialog : public QDialog {
    Q_OBJECT
public:
    FirstUserDialog(const QSqlDatabase& db, Prompter& prompter, QWidget* parent = nullptr);

    // Asks for the first user when the store named by `alias` has none. A store that cannot be
    // reached is left for the main window to report.
    static void askIfNeeded(const AliasEntry& alias, Prompter& prompter);

    QLineEdit* loginNameEntry() const { return m_loginName; }
    QLineEdit* titleEntry() const { return m_title; }
    QLineEdit* passwordEntry() const { return m_password; }
    QLineEdit* againEntry() const { return m_again; }
    QPushButton* saveButton() const { return m_save; }

private:
    void create();

    QSqlDatabase m_db;
    Prompter& m_prompter;
    QLineEdit* m_loginName;
    QLineEdit* m_title;
    QLineEdit* m_password;
    QLineEdit* m_again;
    QPushButton* m_save;
};
