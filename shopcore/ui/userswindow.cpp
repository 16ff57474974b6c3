#include "userswindow.h"
#include "entrykeys.h"
#include "windowfit.h"

#include "shopcore/foundation/passwordhash.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

QLineEdit* entry(int width, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(width);
    return e;
}

} // namespace

UsersWindow::UsersWindow(const WindowContext& context, QWidget* parent)
    : QWidget(parent), m_prompter(*context.prompter),
      m_connection(std::make_unique<Connection>(context.alias, QStringLiteral("d_password"))) {
    setWindowTitle(QStringLiteral(" รหัสผ่านเข้าใช้งาน   ") + context.programName);
    m_loginFlow = std::make_unique<LoginWorkflow>(m_connection->db(), *context.state,
                                                  *context.menus, m_prompter);
    m_users = std::make_unique<UserEditWorkflow>(m_connection->db(), m_prompter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildLoginPanel());
    m_userPanel = buildUserPanel();
    layout->addWidget(m_userPanel);
    layout->addStretch();

    // First activation: only the login panel, the cursor in the login name.
    m_userPanel->hide();
    m_greeting->hide();
    m_goToWork->hide();
    m_login->setEnabled(true);
    m_logout->setEnabled(m_loginFlow->logoutEnabled());
    setFocusProxy(m_loginName);
    m_loginName->setFocus();
}

UsersWindow::~UsersWindow() = default;

QWidget* UsersWindow::buildLoginPanel() {
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout;
    m_loginName = entry(16, panel);
    m_password = entry(PasswordHash::MaxTyped, panel);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 120;")); // "x"
    form->addRow(QStringLiteral("Login Name"), m_loginName);
    form->addRow(QStringLiteral("Password"), m_password);

    m_login = button(QStringLiteral("Login"), panel);
    m_goToWork = button(QStringLiteral("เข้าที่ทำงาน"), panel);
    m_logout = button(QStringLiteral("Logout"), panel);
    m_greeting = new QLabel(panel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_login);
    buttons->addWidget(m_goToWork);
    buttons->addWidget(m_logout);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_greeting);

    EntryKeys::chain({m_loginName, m_password, m_login}, false);
    connect(m_login, &QPushButton::clicked, this, &UsersWindow::login);
    connect(m_goToWork, &QPushButton::clicked, this, &QWidget::close);
    connect(m_logout, &QPushButton::clicked, this, &UsersWindow::logout);
    return panel;
}

QGroupBox* UsersWindow::buildUserPanel() {
    auto* panel = new QGroupBox(QStringLiteral(" เพิ่ม - แก้ไข ข้อมูลผู้ใช้งาน "), this);
    m_title = entry(40, panel);
    m_userName = entry(16, panel);
    m_userPassword = entry(PasswordHash::MaxTyped, panel);
    m_userAgain = entry(PasswordHash::MaxTyped, panel);

    m_level = new QButtonGroup(panel);
    auto* levels = new QHBoxLayout;
    QList<QWidget*> order = {m_title, m_userName, m_userPassword, m_userAgain};
    for (int level = 1; level <= 5; ++level) {
        auto* choice = new QRadioButton(QString::number(level), panel);
        m_level->addButton(choice, level);
        levels->addWidget(choice);
    }
    order << m_level->button(1);
    levels->addStretch();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ชื่อตำแหน่ง"), m_title);
    form->addRow(QStringLiteral("User Name"), m_userName);
    form->addRow(QStringLiteral("Password"), m_userPassword);
    form->addRow(QStringLiteral("Password (อีกครั้ง)"), m_userAgain);
    form->addRow(QStringLiteral("ระดับ"), levels);
    form->addRow(
        QString(),
        new QLabel(QStringLiteral("1  Admin    2 หัวหน้างาน ..3...4.... 5 พนักงานหน้า Counter "),
                   panel));

    m_add = button(QStringLiteral("เพิ่ม"), panel);
    m_edit = button(QStringLiteral("แก้ไข"), panel);
    m_save = button(QStringLiteral("บันทึก"), panel);
    m_cancel = button(QStringLiteral("ยกเลิก"), panel);
    m_previous = button(QStringLiteral("<"), panel);
    m_next = button(QStringLiteral(">"), panel);
    m_previous->setToolTip(QStringLiteral("ก่อนหน้า"));
    m_next->setToolTip(QStringLiteral("ถัดไป"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_previous, m_next, m_add, m_edit, m_save, m_cancel})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(form);
    layout->addLayout(buttons);

    EntryKeys::chain(order, false);
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_users->add();
        showUser();
        m_title->setFocus();
    });
    connect(m_edit, &QPushButton::clicked, this, [this] {
        m_users->edit();
        showUser();
        m_title->setFocus();
    });
    connect(m_save, &QPushButton::clicked, this, &UsersWindow::save);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_users->cancel();
        showUser();
    });
    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_users->previous();
        showUser();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_users->next();
        showUser();
    });
    return panel;
}

void UsersWindow::login() {
    const LoginWorkflow::Outcome outcome =
        m_loginFlow->login(m_loginName->text(), m_password->text());
    switch (outcome) {
    case LoginWorkflow::Outcome::LoggedIn:
        m_greeting->setText(m_loginFlow->greeting());
        m_greeting->show();
        m_logout->setEnabled(true);
        m_goToWork->show();
        m_goToWork->setFocus();
        break;
    case LoginWorkflow::Outcome::WrongPassword:
        m_greeting->clear();
        m_loginName->setFocus();
        break;
    case LoginWorkflow::Outcome::UnknownName:
    case LoginWorkflow::Outcome::Failed:
        break;
    }
    if (outcome == LoginWorkflow::Outcome::Failed)
        return;
    if (m_loginFlow->userPanelShown()) {
        try {
            m_users->load();
        } catch (const StoreError& e) {
            m_prompter.information(e.message());
        }
        showUser();
        m_userPanel->show();
    } else {
        m_userPanel->hide();
    }
    fitToContents(this);
}

void UsersWindow::logout() {
    m_loginFlow->logout();
    close();
}

void UsersWindow::showUser() {
    const UserEditWorkflow::Entries shown = m_users->shown();
    m_title->setText(shown.title);
    m_userName->setText(shown.loginName);
    m_userPassword->setText(shown.password);
    m_userAgain->setText(shown.again);
    m_level->setExclusive(false);
    for (QAbstractButton* b : m_level->buttons())
        b->setChecked(!shown.level.isNull() && m_level->id(b) == shown.level.toInt());
    m_level->setExclusive(true);

    const bool editing = m_users->isEditing();
    for (QLineEdit* e : {m_title, m_userName, m_userPassword, m_userAgain})
        e->setReadOnly(!editing);
    for (QAbstractButton* b : m_level->buttons())
        b->setEnabled(editing);
    m_add->setEnabled(m_users->canAdd());
    m_edit->setEnabled(m_users->canEdit());
    m_save->setEnabled(m_users->canSave());
    m_cancel->setEnabled(m_users->canCancel());
    m_previous->setEnabled(m_users->canMove());
    m_next->setEnabled(m_users->canMove());
}

UserEditWorkflow::Entries UsersWindow::typedUser() const {
    UserEditWorkflow::Entries typed;
    typed.title = m_title->text();
    typed.loginName = m_userName->text();
    typed.password = m_userPassword->text();
    typed.again = m_userAgain->text();
    if (m_level->checkedId() > 0)
        typed.level = m_level->checkedId();
    return typed;
}

void UsersWindow::save() {
    switch (m_users->save(typedUser())) {
    case UserEditWorkflow::Saved::Yes:
        showUser();
        break;
    case UserEditWorkflow::Saved::PasswordsDiffer:
        m_userPassword->setFocus();
        break;
    case UserEditWorkflow::Saved::Refused:
        break;
    }
}
