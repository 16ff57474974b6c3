#include "registerscreen.h"

#include "closewindow.h"
#include "entryfactory.h"
#include "entrykeys.h"
#include "registersearchpanel.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/registers/registerworkflow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using Command = RegisterWorkflow::Command;

RegisterScreen::RegisterScreen(RegisterConfig config, const QSqlDatabase& db, Prompter& prompter,
                               QWidget* parent)
    : QWidget(parent, parent ? Qt::Window : Qt::WindowFlags()),
      m_workflow(std::make_unique<RegisterWorkflow>(std::move(config), db, prompter)) {
    setWindowTitle(m_workflow->config().title);
    build();
    RegisterWorkflow* w = m_workflow.get();
    connect(w, &RegisterWorkflow::recordShown, this, &RegisterScreen::showRecord);
    connect(w, &RegisterWorkflow::textChanged, this, &RegisterScreen::showText);
    connect(w, &RegisterWorkflow::stateChanged, this, &RegisterScreen::followState);
    connect(w, &RegisterWorkflow::focusRequested, this, &RegisterScreen::focusEntry);
    connect(w, &RegisterWorkflow::barcodeRequested, this, [this](const QVariantMap& record) {
        if (m_barcodePrinter)
            m_barcodePrinter(record);
    });
    connect(w, &RegisterWorkflow::envelopeRequested, this, [this](const QVariantMap& record) {
        if (m_envelopePrinter)
            m_envelopePrinter(record);
    });
    m_workflow->open();
    showRecord();
    followState();
}

RegisterScreen::~RegisterScreen() {
    // The grid's model belongs to the workflow: let the grid go first.
    delete m_search;
    m_search = nullptr;
}

void RegisterScreen::adoptConnection(std::unique_ptr<Connection> connection) {
    m_connection = std::move(connection);
}

void RegisterScreen::setEnvelopePrinter(std::function<void(const QVariantMap&)> print) {
    m_envelopePrinter = std::move(print);
    followState();
}

void RegisterScreen::setBarcodePrinter(std::function<void(const QVariantMap&)> print) {
    m_barcodePrinter = std::move(print);
}

QPushButton* RegisterScreen::button(const QString& caption, const QString& name,
                                    std::function<void()> action) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, std::move(action));
    return b;
}

void RegisterScreen::build() {
    const RegisterConfig& config = m_workflow->config();
    auto* form = new QGridLayout;
    int row = 0;
    for (const RegisterEntry& e : config.entries) {
        QWidget* entry = EntryFactory::create(e, m_workflow->maxLength(e.field), this);
        m_entries.insert(e.field, entry);
        QLineEdit* line = EntryFactory::lineOf(entry);
        const QString field = e.field;
        // A list's keys reach the list itself; its own entry only sees them forwarded.
        EntryKeys::onEnter(entry, [this, field] { m_workflow->enter(field); });
        if (line != entry)
            EntryKeys::onEnter(line, [this, field] { m_workflow->enter(field); });
        else
            EntryKeys::onLeave(line, [this, field] {
                if (!m_workflow->isEditing())
                    return true;
                // The entry takes the cursor back itself when its text is refused.
                m_leaving = true;
                const bool accepted = m_workflow->leave(field);
                m_leaving = false;
                return accepted;
            });
        connect(line, &QLineEdit::textEdited, this, [this, field] {
            m_workflow->setText(field, EntryFactory::text(m_entries[field]));
        });
        if (auto* box = qobject_cast<QComboBox*>(entry))
            connect(box, &QComboBox::activated, this, [this, field, box](int index) {
                m_workflow->setText(field, box->itemText(index));
                m_workflow->picked(field);
            });
        auto* label = new QLabel(e.label, this);
        label->setBuddy(entry);
        auto* beside = new QLabel(e.hint, this);
        m_beside.insert(e.field, beside);
        form->addWidget(label, row, 0);
        form->addWidget(entry, row, 1);
        form->addWidget(beside, row, 2);
        ++row;
    }
    if (config.balance) {
        m_balance = new QLabel(this);
        m_balance->setObjectName(QStringLiteral("balance"));
        form->addWidget(new QLabel(config.balanceLabel, this), row, 0);
        form->addWidget(m_balance, row, 1);
    }
    form->setColumnStretch(1, 1);
    form->setRowStretch(row + 1, 1); // spare height below the entries, not between them

    m_search = new RegisterSearchPanel(*m_workflow, this);

    RegisterWorkflow* w = m_workflow.get();
    auto* navigator = new QHBoxLayout;
    const auto navigate = [&](const QString& caption, const QString& name,
                              std::function<void()> action) {
        auto* b = new QToolButton(this);
        b->setText(caption);
        b->setObjectName(name);
        connect(b, &QToolButton::clicked, this, std::move(action));
        m_commands.append({Command::Navigate, b});
        navigator->addWidget(b);
    };
    navigate(QStringLiteral("|<"), QStringLiteral("firstButton"), [w] { w->first(); });
    navigate(QStringLiteral("<"), QStringLiteral("priorButton"), [w] { w->prior(); });
    navigate(QStringLiteral(">"), QStringLiteral("nextButton"), [w] { w->next(); });
    navigate(QStringLiteral(">|"), QStringLiteral("lastButton"), [w] { w->last(); });
    QPushButton* search =
        button(QStringLiteral("?"), QStringLiteral("searchButton"), [w] { w->openSearch(); });
    m_commands.append({Command::Search, search});
    navigator->addWidget(search);
    navigator->addStretch();

    auto* buttons = new QHBoxLayout;
    const auto command = [&](Command c, const QString& caption, const QString& name,
                             std::function<void()> action) {
        QPushButton* b = button(caption, name, std::move(action));
        m_commands.append({c, b});
        buttons->addWidget(b);
        return b;
    };
    command(Command::Add, QStringLiteral("เ&พิ่ม"), QStringLiteral("addButton"), [w] { w->add(); });
    if (config.copyCommand)
        command(Command::AddCopy, QStringLiteral("เพิ่ม Copy ข้อมูล"), QStringLiteral("addCopyButton"),
                [w] { w->addCopy(); });
    command(Command::Edit, QStringLiteral("แ&ก้ไข"), QStringLiteral("editButton"),
            [w] { w->edit(); });
    command(Command::Delete, QStringLiteral("ล&บ"), QStringLiteral("deleteButton"),
            [w] { w->remove(); });
    command(Command::Refresh, QStringLiteral("Refresh"), QStringLiteral("refreshButton"),
            [w] { w->refresh(); });
    // Cancel never takes the focus, so that an entry holding refused text can still be left
    // by cancelling.
    command(Command::Cancel, QStringLiteral("&ยกเลิก"), QStringLiteral("cancelButton"), [w] {
        w->cancel();
    })->setFocusPolicy(Qt::NoFocus);
    command(Command::Save, QStringLiteral("บัน&ทึก"), QStringLiteral("saveButton"),
            [w] { w->save(); });
    if (config.barcodeCommand)
        command(Command::Barcode, QStringLiteral("พิมพ์บาร์โค๊ด"), QStringLiteral("barcodeButton"),
                [w] { w->barcode(); });
    if (config.envelopeCommand)
        command(Command::Envelope, QStringLiteral("ซอง จม."), QStringLiteral("envelopeButton"),
                [w] { w->envelope(); });
    command(Command::Close, QStringLiteral("เ&ลิก"), QStringLiteral("closeButton"),
            [this] { closeWindowOf(this); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(navigator);
    layout->addWidget(m_search, 1);
    layout->addLayout(buttons);
}

void RegisterScreen::showRecord() {
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
        EntryFactory::setText(it.value(), m_workflow->text(it.key()),
                              m_workflow->maxLength(it.key()));
    for (const RegisterEntry& e : m_workflow->config().entries) {
        const QString beside = m_workflow->besideText(e.field);
        m_beside.value(e.field)->setText(beside.isEmpty() ? e.hint : beside);
    }
    if (m_balance)
        m_balance->setText(m_workflow->balanceText());
}

void RegisterScreen::showText(const QString& field) {
    if (QWidget* entry = m_entries.value(field))
        EntryFactory::setText(entry, m_workflow->text(field), m_workflow->maxLength(field));
    for (const RegisterEntry& e : m_workflow->config().entries)
        if (e.echoOf == field || e.field == field) {
            const QString beside = m_workflow->besideText(e.field);
            m_beside.value(e.field)->setText(beside.isEmpty() ? e.hint : beside);
        }
}

void RegisterScreen::followState() {
    for (const auto& [command, widget] : m_commands) {
        bool on = m_workflow->enabled(command);
        if (command == Command::Envelope)
            on = on && bool(m_envelopePrinter);
        widget->setEnabled(on);
    }
    const bool editing = m_workflow->isEditing();
    for (QWidget* entry : std::as_const(m_entries))
        EntryFactory::setEditable(entry, editing);
    m_search->follow();
}

void RegisterScreen::focusEntry(const QString& field) {
    if (m_leaving)
        return; // the entry being left takes the focus back itself
    if (QWidget* entry = m_entries.value(field)) {
        entry->setFocus();
        if (QLineEdit* line = EntryFactory::lineOf(entry))
            line->selectAll();
    }
}

void RegisterScreen::closeEvent(QCloseEvent* event) {
    // The close button is disabled while a record is being edited; the window's own close
    // box is held back the same way, so that typed data is saved or cancelled first.
    if (m_workflow->isEditing())
        event->ignore();
    else
        event->accept();
}
