#include "firstuserdialog.h"
#include "entrykeys.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/firstuserworkflow.h"
#include "shopcore/foundation/passwordhash.h"
#include "shopcore/foundation/storeerror.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FirstUserDialog::FirstUserDialog(const QSqlDatabase& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_db(db), m_prompter(prompter), m_loginName(new QLineEdit(this)),
      m_title(new QLineEdit(this)), m_password(new QLineEdit(this)), m_again(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("ผู้ดูแลระบบคนแรก"));
    m_loginName->setMaxLength(16);
    m_title->setMaxLength(40);
    for (QLineEdit* e : {m_password, m_again}) {
        e->setMaxLength(PasswordHash::MaxTyped);
        e->setEchoMode(QLineEdit::Password);
    }
    auto* intro = new QLabel(QStringLiteral("ฐานข้อมูลนี้ยังไม่มีผู้ใช้งาน\n"
                                            "กรุณากำหนดผู้ดูแลระบบคนแรก (ระดับ 1 Admin) "
                                            "เพื่อใช้ Login เข้าทำงาน"),
                             this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("User Name"), m_loginName);
    form->addRow(QStringLiteral("ชื่อตำแหน่ง"), m_title);
    form->addRow(QStringLiteral("Password"), m_password);
    form->addRow(QStringLiteral("Password (อีกครั้ง)"), m_again);

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(QStringLiteral("บันทึก"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ยกเลิก"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &FirstUserDialog::create);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);

    EntryKeys::chain({m_loginName, m_title, m_password, m_again, m_save}, false);
    m_loginName->setFocus();
}

void FirstUserDialog::create() {
    FirstUserWorkflow flow(m_db, m_prompter);
    if (flow.create(m_loginName->text(), m_title->text(), m_password->text(), m_again->text()))
        accept();
}

void FirstUserDialog::askIfNeeded(const AliasEntry& alias, Prompter& prompter) {
    try {
        Connection connection(alias, QStringLiteral("first_user"));
        if (!FirstUserWorkflow(connection.db(), prompter).needed())
            return;
        FirstUserDialog dialog(connection.db(), prompter);
        dialog.exec();
    } catch (const StoreError&) {
        // The main window opens the store next and shows the engine's message.
    }
}
