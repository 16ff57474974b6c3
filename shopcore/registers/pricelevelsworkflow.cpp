#include "pricelevelsworkflow.h"
#include "numberfield.h"
#include "pricelevelstore.h"

#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"

PriceLevelsWorkflow::PriceLevelsWorkflow(const QSqlDatabase& db, Prompter& prompter)
    : m_db(db), m_prompter(prompter) {}

QString PriceLevelsWorkflow::incompleteMessage() {
    return QStringLiteral("ข้อมูลไม่ครบ ไม่สามารถบันทึกได้");
}

void PriceLevelsWorkflow::read() {
    m_texts.clear();
    for (const QVariant& v : PriceLevelStore::read(m_db))
        m_texts << NumberField::show(v);
    m_editing = false;
}

bool PriceLevelsWorkflow::open() {
    try {
        read();
        return true;
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
}

PriceLevelsWorkflow::Buttons PriceLevelsWorkflow::buttons() const {
    return {!m_editing, m_editing, m_editing, !m_editing, !m_editing};
}

void PriceLevelsWorkflow::edit() {
    m_editing = true;
}

void PriceLevelsWorkflow::type(int level, const QString& text) {
    if (level < 1 || level > m_texts.size() || m_texts[level - 1] == text)
        return;
    m_texts[level - 1] = text;
    m_editing = true;
}

bool PriceLevelsWorkflow::leave(int level) {
    if (level < 1 || level > m_texts.size())
        return true;
    if (NumberField::parse(m_texts[level - 1]))
        return true;
    m_prompter.information(NumberField::refusal(m_texts[level - 1]));
    return false;
}

bool PriceLevelsWorkflow::save() {
    if (!m_editing)
        return false;
    QList<double> quantities;
    for (const QString& text : std::as_const(m_texts)) {
        const auto value = NumberField::parse(text);
        if (!value) {
            m_prompter.information(NumberField::refusal(text));
            return false;
        }
        if (value->isNull()) {
            m_prompter.information(incompleteMessage());
            return false;
        }
        quantities << value->toDouble();
    }
    try {
        PriceLevelStore::write(m_db, quantities);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
    m_editing = false;
    return true;
}

void PriceLevelsWorkflow::cancel() {
    if (m_editing)
        open();
}

void PriceLevelsWorkflow::refresh() {
    if (!m_editing)
        open();
}
