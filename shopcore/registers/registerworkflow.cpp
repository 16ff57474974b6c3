#include "registerworkflow.h"

#include "entryvalues.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/thaitext.h"

const QString RegisterWorkflow::DeleteQuestion = QStringLiteral("ต้องการลบข้อมูลนี้ ?");
const QString RegisterWorkflow::DuplicateMessage = QStringLiteral("รหัสข้อมูลซ้ำ ...");
const QString RegisterWorkflow::BarcodeMessage = QStringLiteral("รหัส 13 หลัก ( EAN13 ) เท่านั้น");

namespace {

const QString LockedMessage =
    QStringLiteral("ไม่สามารถบันทึกข้อมูลได้ อาจเกิดจาก User อื่นกำลัง Lock ข้อมูล อยู่ ");
const QString GoneMessage = QStringLiteral("ไม่พบข้อมูลนี้แล้ว อาจถูกลบโดย User อื่น ");

QString messageFor(const StoreError& e) {
    switch (e.kind()) {
    case StoreError::Kind::DuplicateKey:
        return RegisterWorkflow::DuplicateMessage;
    case StoreError::Kind::Locked:
        return LockedMessage;
    default:
        return e.message();
    }
}

} // namespace

RegisterWorkflow::RegisterWorkflow(RegisterConfig config, const QSqlDatabase& db,
                                   Prompter& prompter, QObject* parent)
    : QObject(parent), m_config(std::move(config)),
      m_store(db, m_config.table, m_config.codeField, m_config.nameField), m_prompter(prompter) {
    for (RegisterEntry& e : m_config.entries)
        e.field = e.field.toUpper();
    m_config.codeField = m_config.codeField.toUpper();
    m_config.nameField = m_config.nameField.toUpper();
    m_rows = std::make_unique<RegisterRowsModel>(m_store, m_config.search.codeColumn,
                                                 m_config.search.nameColumn);
}

RegisterWorkflow::~RegisterWorkflow() = default;

template <typename F> bool RegisterWorkflow::attempt(F&& step) {
    try {
        step();
        return true;
    } catch (const StoreError& e) {
        m_prompter.information(messageFor(e));
        return false;
    }
}

void RegisterWorkflow::open() {
    m_order = RegisterOrder::Code;
    attempt([&] {
        if (m_config.besideTexts)
            m_beside = m_config.besideTexts(m_store.db());
        show(m_store.last(RegisterOrder::Code));
    });
    emit stateChanged();
}

bool RegisterWorkflow::enabled(Command c) const {
    if (isEditing())
        return c == Command::Cancel || c == Command::Save;
    if (m_searchOpen)
        return c == Command::Close;
    switch (c) {
    case Command::Add:
    case Command::Refresh:
    case Command::Close:
    case Command::Search:
    case Command::Navigate:
        return true;
    case Command::Edit:
    case Command::Delete:
        return hasRecord();
    case Command::AddCopy:
        return m_config.copyCommand && hasRecord();
    case Command::Barcode:
        return m_config.barcodeCommand && hasRecord();
    case Command::Envelope:
        return m_config.envelopeCommand && hasRecord();
    case Command::Cancel:
    case Command::Save:
        return false;
    }
    return false;
}

void RegisterWorkflow::setText(const QString& field, const QString& text) {
    if (!isEditing())
        return;
    const QString f = field.toUpper();
    m_texts.insert(f, text);
    // Entries that repeat this one (the unit word beside the reorder point).
    for (const RegisterEntry& e : m_config.entries)
        if (e.echoOf.compare(f, Qt::CaseInsensitive) == 0)
            emit textChanged(e.field);
}

int RegisterWorkflow::maxLength(const QString& field) const {
    const RegisterEntry* e = m_config.entry(field);
    if (e && e->maxLength > 0)
        return e->maxLength;
    const TableDef* t = Schema::table(m_config.table);
    const Field* f = t ? t->field(field) : nullptr;
    return f && f->type == FieldType::Text ? f->width : 0;
}

QString RegisterWorkflow::besideText(const QString& field) const {
    const RegisterEntry* e = m_config.entry(field);
    if (e && !e->echoOf.isEmpty())
        return text(e->echoOf);
    return m_beside.value(field.toUpper());
}

void RegisterWorkflow::show(const std::optional<QVariantMap>& record) {
    m_record = record;
    m_balance.clear();
    if (m_record && m_config.balance && !isEditing())
        m_balance = EntryValues::formatNumber(m_config.balance(m_store.db(), *m_record));
    showTexts();
}

void RegisterWorkflow::showTexts() {
    m_texts.clear();
    if (m_record)
        for (const RegisterEntry& e : m_config.entries)
            m_texts.insert(e.field, EntryValues::toText(e, m_record->value(e.field)));
    emit recordShown();
}

void RegisterWorkflow::setMode(Mode mode) {
    m_mode = mode;
    emit stateChanged();
}

void RegisterWorkflow::newRecord(bool copy) {
    const Command command = copy ? Command::AddCopy : Command::Add;
    if (!enabled(command))
        return;
    m_beforeAdd = m_record;
    QHash<QString, QString> texts;
    for (const RegisterEntry& e : m_config.entries) {
        QString t = e.onAdd;
        if (copy && e.copied && m_record)
            t = EntryValues::toText(e, m_record->value(e.field));
        texts.insert(e.field, t);
    }
    m_texts = texts;
    m_balance.clear();
    setMode(Mode::Adding);
    emit recordShown();
    emit focusRequested(m_config.codeField);
}

void RegisterWorkflow::add() {
    newRecord(false);
}
void RegisterWorkflow::addCopy() {
    newRecord(true);
}

void RegisterWorkflow::edit() {
    if (!enabled(Command::Edit))
        return;
    setMode(Mode::Editing);
    emit focusRequested(m_config.entries.first().field);
}

void RegisterWorkflow::remove() {
    if (!enabled(Command::Delete) || !m_prompter.askYesNo(DeleteQuestion))
        return;
    const QVariantMap gone = *m_record;
    attempt([&] {
        m_store.remove(textOf(gone.value(m_config.codeField)));
        auto after = m_store.next(m_order, gone);
        show(after ? after : m_store.prior(m_order, gone));
    });
    emit stateChanged();
}

void RegisterWorkflow::refresh() {
    if (!enabled(Command::Refresh))
        return;
    attempt([&] {
        if (!m_record) {
            show(m_store.last(m_order));
        } else if (auto again = m_store.find(textOf(m_record->value(m_config.codeField)))) {
            show(again);
        } else {
            // Deleted at another station: the record that took its place.
            auto after = m_store.next(m_order, *m_record);
            show(after ? after : m_store.prior(m_order, *m_record));
        }
    });
    emit stateChanged();
}

void RegisterWorkflow::cancel() {
    if (!isEditing())
        return;
    const std::optional<QVariantMap> back = m_mode == Mode::Adding ? m_beforeAdd : m_record;
    m_mode = Mode::Browsing;
    attempt([&] {
        std::optional<QVariantMap> again;
        if (back)
            again = m_store.find(textOf(back->value(m_config.codeField)));
        show(again ? again : m_store.last(m_order));
    });
    emit stateChanged();
}

bool RegisterWorkflow::checkEntry(const RegisterEntry& e) {
    if (!leave(e.field))
        return false;
    if (!e.notAChoiceMessage.isEmpty() && !e.choices.contains(text(e.field))) {
        refuse(e.notAChoiceMessage, e.field);
        return false;
    }
    return true;
}

void RegisterWorkflow::refuse(const QString& message, const QString& field) {
    m_prompter.information(message);
    emit focusRequested(field);
}

QVariantMap RegisterWorkflow::valuesToSave() const {
    QVariantMap values;
    for (const RegisterEntry& e : m_config.entries)
        values.insert(e.field, EntryValues::toStored(e, text(e.field)));
    for (const QString& f : m_config.zeroWhenEmpty) {
        const QString field = f.toUpper();
        QVariant v = values.contains(field)                ? values.value(field)
                     : m_mode == Mode::Editing && m_record ? m_record->value(field)
                                                           : QVariant();
        if (v.isNull())
            values.insert(field, 0.0);
    }
    return values;
}

bool RegisterWorkflow::save() {
    if (!isEditing())
        return false;
    if (text(m_config.codeField).trimmed().isEmpty()) {
        refuse(m_config.missingCodeMessage, m_config.codeField);
        return false;
    }
    for (const RegisterEntry& e : m_config.entries)
        if (!checkEntry(e))
            return false;
    const QVariantMap values = valuesToSave();
    const QString code = text(m_config.codeField);
    bool gone = false;
    const bool posted = attempt([&] {
        if (m_mode == Mode::Adding)
            m_store.insert(values);
        else
            gone = !m_store.update(textOf(m_record->value(m_config.codeField)), values);
    });
    if (!posted || gone) {
        if (gone)
            m_prompter.information(GoneMessage);
        emit focusRequested(m_config.codeField);
        return false;
    }
    m_mode = Mode::Browsing;
    attempt([&] { show(m_store.find(code)); });
    emit stateChanged();
    return true;
}

void RegisterWorkflow::first() {
    if (enabled(Command::Navigate))
        attempt([&] { show(m_store.first(m_order)); });
}

void RegisterWorkflow::last() {
    if (enabled(Command::Navigate))
        attempt([&] { show(m_store.last(m_order)); });
}

void RegisterWorkflow::next() {
    if (!enabled(Command::Navigate) || !m_record)
        return;
    attempt([&] {
        if (auto r = m_store.next(m_order, *m_record))
            show(r);
    });
}

void RegisterWorkflow::prior() {
    if (!enabled(Command::Navigate) || !m_record)
        return;
    attempt([&] {
        if (auto r = m_store.prior(m_order, *m_record))
            show(r);
    });
}

bool RegisterWorkflow::barcode() {
    if (!enabled(Command::Barcode))
        return false;
    if (text(m_config.codeField).size() != 13) {
        m_prompter.information(BarcodeMessage);
        return false;
    }
    emit barcodeRequested(*m_record);
    return true;
}

void RegisterWorkflow::envelope() {
    if (enabled(Command::Envelope))
        emit envelopeRequested(*m_record);
}

bool RegisterWorkflow::leave(const QString& field) {
    const RegisterEntry* e = m_config.entry(field);
    if (!isEditing() || !e)
        return true;
    const QString t = text(e->field);
    bool good = true;
    if (e->kind == EntryKind::Number && !t.trimmed().isEmpty())
        good = IsNumberText(t, m_prompter);
    else if (e->kind == EntryKind::DateText && !EntryValues::isBlankDate(t))
        good = ThaiDateToDate(t, m_prompter).isValid();
    if (!good)
        emit focusRequested(e->field);
    return good;
}

void RegisterWorkflow::enter(const QString& field) {
    const int i = m_config.indexOf(field);
    if (i < 0 || !leave(field))
        return;
    const RegisterEntry& e = m_config.entries.at(i);
    if (e.field == m_config.codeField && m_mode == Mode::Adding) {
        bool taken = false;
        if (!attempt([&] { taken = m_store.exists(text(e.field)); }) || taken) {
            if (taken)
                m_prompter.information(DuplicateMessage);
            emit focusRequested(e.field);
            return;
        }
    }
    const QString t = text(e.field);
    if (m_mode == Mode::Adding && !t.isEmpty())
        for (const QString& target : e.fillOnEnterWhileAdding) {
            m_texts.insert(target.toUpper(), t);
            emit textChanged(target.toUpper());
        }
    emit focusRequested(m_config.entries.at((i + 1) % m_config.entries.size()).field);
}

void RegisterWorkflow::picked(const QString& field) {
    const int i = m_config.indexOf(field);
    if (i >= 0)
        emit focusRequested(m_config.entries.at((i + 1) % m_config.entries.size()).field);
}

// Search panel -------------------------------------------------------------------------------

QString RegisterWorkflow::searchLabel() const {
    const SearchPanelStyle& s = m_config.search;
    return s.modeChoice && m_order == RegisterOrder::Code ? s.codeModeLabel : s.nameModeLabel;
}

void RegisterWorkflow::reloadRows() {
    m_rows->reload(m_order, m_record);
}

void RegisterWorkflow::openSearch() {
    if (!enabled(Command::Search))
        return;
    m_searchOpen = true;
    m_remembered = m_record ? textOf(m_record->value(m_config.codeField)) : QString();
    m_order = m_config.search.modeChoice ? m_config.search.initialMode : RegisterOrder::Name;
    m_searchText.clear();
    attempt([&] { reloadRows(); });
    emit stateChanged();
    emit searchTextChanged(m_searchText);
    emit searchFocusRequested(false);
}

void RegisterWorkflow::setSearchMode(RegisterOrder mode) {
    if (!m_searchOpen || !m_config.search.modeChoice || mode == m_order)
        return;
    m_order = mode; // the record shown stays
    attempt([&] { reloadRows(); });
    emit stateChanged();
}

void RegisterWorkflow::searchTextEdited(const QString& text) {
    if (!m_searchOpen)
        return;
    m_searchText = text;
    if (!m_config.search.nearestWhileTyping)
        return;
    attempt([&] {
        show(m_store.nearest(m_order, text));
        reloadRows();
    });
    if (m_record)
        m_remembered = textOf(m_record->value(m_config.codeField));
}

void RegisterWorkflow::searchEnter() {
    if (!m_searchOpen)
        return;
    if (m_config.search.onEnter == SearchPanelStyle::OnEnter::Finish) {
        if (m_record)
            m_remembered = textOf(m_record->value(m_config.codeField));
        finishSearch();
        return;
    }
    attempt([&] {
        const auto found = m_order == RegisterOrder::Code
                               ? m_store.findCodeIgnoringCase(m_searchText)
                               : m_store.findNameStartingWith(m_searchText);
        if (found) {
            show(found);
            m_remembered = textOf(found->value(m_config.codeField));
            reloadRows();
        }
    });
    emit searchFocusRequested(true);
}

void RegisterWorkflow::searchRowClicked(int row) {
    if (!m_searchOpen || row < 0 || row >= m_rows->rowCount())
        return;
    const QVariantMap r = m_rows->record(row);
    const bool byCode = m_config.search.clickCopiesByMode && m_order == RegisterOrder::Code;
    m_searchText = textOf(r.value(byCode ? m_config.codeField : m_config.nameField));
    m_remembered = textOf(r.value(m_config.codeField));
    m_rows->setCurrentRow(row);
    attempt([&] { show(r); });
    emit searchTextChanged(m_searchText);
}

void RegisterWorkflow::finishSearch() {
    if (!m_searchOpen)
        return;
    m_searchOpen = false;
    m_order = RegisterOrder::Code;
    attempt([&] {
        if (auto r = m_store.find(m_remembered))
            show(r);
    });
    emit stateChanged();
}
