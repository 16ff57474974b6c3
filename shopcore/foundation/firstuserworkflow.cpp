#include "firstuserworkflow.h"
#include "prompter.h"
#include "storeerror.h"
#include "userstore.h"

FirstUserWorkflow::FirstUserWorkflow(const QSqlDatabase& db, Prompter& prompter)
    : m_db(db), m_prompter(prompter) {}

QString FirstUserWorkflow::passwordsDifferMessage() {
    return QStringLiteral("Password ทั้งสองช่องไม่ตรงกัน กรุณาพิมพ์ใหม่");
}

bool FirstUserWorkflow::needed() const {
    return !UserStore::hasUsers(m_db);
}

bool FirstUserWorkflow::create(const QString& loginName, const QString& title,
                               const QString& password, const QString& again) {
    if (password != again) {
        m_prompter.information(passwordsDifferMessage());
        return false;
    }
    try {
        UserStore::createFirstAdministrator(m_db, loginName, title, password);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
    return true;
}
