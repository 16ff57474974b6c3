#pragma once

#include <QSqlDatabase>
#include <QString>

class Prompter;

// A program started on a database without users asks once for the first level-1 user, so that
// somebody can log in at all.
class FirstUserWorkflow {
public:
    FirstUserWorkflow(const QSqlDatabase& db, Prompter& prompter);

    // True when the users table is empty.
    bool needed() const;
    // Creates the user from the entries as typed; tells what is wrong and returns false
    // otherwise.
    bool create(const QString& loginName, const QString& title, const QString& password,
                const QString& again);

    static QString passwordsDifferMessage();

private:
    QSqlDatabase m_db;
    Prompter& m_prompter;
};
