#include "usereditworkflow.h"
#include "prompter.h"
#include "storeerror.h"

UserEditWorkflow::UserEditWorkflow(const QSqlDatabase& db, Prompter& prompter)
    : m_db(db), m_prompter(prompter) {}

QString UserEditWorkflow::duplicateNameMessage() {
    return QStringLiteral("มี User Name นี้อยู่แล้ว กรุณาใช้ชื่ออื่น");
}

QString UserEditWorkflow::emptyNameMessage() {
    return QStringLiteral("กรุณาใส่ User Name");
}

void UserEditWorkflow::load() {
    reload(QString());
}

void UserEditWorkflow::reload(const QString& loginName) {
    m_users = UserStore::all(m_db);
    m_index = m_users.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_users.size(); ++i)
        if (m_users[i].loginName == loginName)
            m_index = i;
    m_mode = Mode::Browsing;
    showCurrent();
}

void UserEditWorkflow::showCurrent() {
    m_shown = Entries();
    if (m_index < 0)
        return;
    const UserRecord& u = m_users[m_index];
    m_shown.title = u.title;
    m_shown.loginName = u.loginName;
    m_shown.level = u.level;
}

void UserEditWorkflow::previous() {
    if (canMove() && m_index > 0) {
        --m_index;
        showCurrent();
    }
}

void UserEditWorkflow::next() {
    if (canMove() && m_index >= 0 && m_index + 1 < m_users.size()) {
        ++m_index;
        showCurrent();
    }
}

void UserEditWorkflow::add() {
    if (!canAdd())
        return;
    m_mode = Mode::Adding;
    m_shown = Entries();
}

void UserEditWorkflow::edit() {
    if (!canEdit())
        return;
    m_mode = Mode::Changing;
    showCurrent();
}

UserEditWorkflow::Saved UserEditWorkflow::save(const Entries& typed) {
    if (!isEditing())
        return Saved::Refused;
    m_shown = typed;
    if (typed.password != typed.again)
        return Saved::PasswordsDiffer;
    if (typed.loginName.trimmed().isEmpty()) {
        m_prompter.information(emptyNameMessage());
        return Saved::Refused;
    }
    const UserRecord user{typed.loginName, {}, typed.title, typed.level};
    try {
        if (m_mode == Mode::Adding) {
            UserStore::add(m_db, user, typed.password);
        } else {
            const bool keep = typed.password.isEmpty();
            UserStore::change(m_db, m_users[m_index].loginName, user,
                              keep ? std::nullopt : std::optional<QString>(typed.password));
        }
    } catch (const StoreError& e) {
        m_prompter.information(e.kind() == StoreError::Kind::DuplicateKey ? duplicateNameMessage()
                                                                          : e.message());
        return Saved::Refused;
    }
    try {
        reload(typed.loginName);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        m_mode = Mode::Browsing;
    }
    return Saved::Yes;
}

void UserEditWorkflow::cancel() {
    if (!isEditing())
        return;
    m_mode = Mode::Browsing;
    showCurrent();
}
