#pragma once

#include "userstore.h"

#include <QList>
#include <QSqlDatabase>

class Prompter;

// The user panel of the users window (level 1 only): browse the users, add one or change one.
// Passwords are never shown: the two password entries are empty while browsing, and leaving
// both empty when changing a user keeps the password.
class UserEditWorkflow {
public:
    struct Entries {
        QString title;
        QString loginName;
        QString password;
        QString again;
        QVariant level; // 1..5, or null when no level was chosen
    };
    enum class Saved { Yes, PasswordsDiffer, Refused };

    UserEditWorkflow(const QSqlDatabase& db, Prompter& prompter);

    // Reads the users and shows the first.
    void load();
    Entries shown() const { return m_shown; }
    int count() const { return static_cast<int>(m_users.size()); }
    int position() const { return m_index; }

    bool isEditing() const { return m_mode != Mode::Browsing; }
    bool canAdd() const { return !isEditing(); }
    bool canEdit() const { return !isEditing() && m_index >= 0; }
    bool canSave() const { return isEditing(); }
    bool canCancel() const { return isEditing(); }
    bool canMove() const { return !isEditing(); }

    void previous();
    void next();
    // "เพิ่ม": a new user with every entry empty.
    void add();
    // "แก้ไข": the shown user, ready to change.
    void edit();
    // "บันทึก" with the entries as typed. Differing passwords do nothing else; a login name
    // that exists or a failing store is told in Thai and the entries stay in editing.
    Saved save(const Entries& typed);
    // "ยกเลิก".
    void cancel();

    static QString duplicateNameMessage();
    static QString emptyNameMessage();

private:
    enum class Mode { Browsing, Adding, Changing };
    void showCurrent();
    void reload(const QString& loginName);

    QSqlDatabase m_db;
    Prompter& m_prompter;
    QList<UserRecord> m_users;
    int m_index = -1;
    Mode m_mode = Mode::Browsing;
    Entries m_shown;
};
