#include "shopsettingsworkflow.h"
#include "numberfield.h"
#include "shopsettingsstore.h"

#include "shopcore/foundation/numberqueue.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"

ShopSettingsWorkflow::ShopSettingsWorkflow(const QSqlDatabase& db, Prompter& prompter,
                                           const QString& edition, SkinApplier applySkin)
    : m_db(db), m_prompter(prompter), m_edition(edition), m_applySkin(std::move(applySkin)) {}

QStringList ShopSettingsWorkflow::templateNames(const QString& edition) {
    if (edition == QLatin1String("Pellun"))
        return {QStringLiteral("แบบที่  1  กระดาษสั้น 8.5 * 5.5 นิ้ว "),
                QStringLiteral("แบบที่  2  กระดาษยาว 8.5 * 11 นิ้ว "),
                QStringLiteral("แบบที่  3  ม้วน กว้าง 2.5 นิ้ว สรุป "),
                QStringLiteral("แบบที่  4  ม้วนกว้าง 2.5 นิ้ว รายละเอียด "),
                QStringLiteral("แบบที่  5  ลูกค้าสั่งทำพิเศษ ")};
    return {QStringLiteral("แบบที่  1  กระดาษสั้น (รหัส) 8.5 * 5.5 นิ้ว "),
            QStringLiteral("แบบที่  2  กระดาษยาว (รหัส) 8.5 * 11 นิ้ว "),
            QStringLiteral("แบบที่  3  กระดาษสั้น (ลำดับ) "),
            QStringLiteral("แบบที่  4  กระดาษยาว (ลำดับ) "), QStringLiteral("แบบที่  5  ลูกค้าสั่งทำพิเศษ ")};
}

QString ShopSettingsWorkflow::prefixMessage() {
    return QStringLiteral("ข้อมูลหมวดนำหน้าไม่ครบ 4 หลัก");
}

QString ShopSettingsWorkflow::restartMessage() {
    return QStringLiteral("ต้องปิดโปรแกรมนี้ก่อน เมื่อเปิดขึ้นมาใหม่ค่าที่กำหนด จึงจะมีผล ");
}

bool ShopSettingsWorkflow::read() {
    try {
        m_values = ShopSettingsStore::read(m_db);
        return true;
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
}

bool ShopSettingsWorkflow::open() {
    m_editing = false;
    m_refreshAllowed = true;
    return read();
}

ShopSettingsWorkflow::Buttons ShopSettingsWorkflow::buttons() const {
    if (m_editing)
        return {false, false, true, true, false};
    return {true, m_refreshAllowed, false, false, true};
}

void ShopSettingsWorkflow::edit() {
    m_editing = true;
}

void ShopSettingsWorkflow::refresh() {
    if (!m_editing && m_refreshAllowed)
        read();
}

void ShopSettingsWorkflow::cancel() {
    if (!m_editing)
        return;
    m_editing = false;
    m_refreshAllowed = false;
    read();
}

bool ShopSettingsWorkflow::save() {
    if (!m_editing)
        return false;
    for (int i = 1; i <= 4; ++i) {
        if (m_values.value(QStringLiteral("PREFIX%1").arg(i)).toString().size() != 4) {
            m_prompter.information(prefixMessage());
            return false;
        }
    }
    try {
        ShopSettingsStore::write(m_db, m_values);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
    m_editing = false;
    m_refreshAllowed = false;
    if (m_applySkin)
        m_applySkin(m_values.value(QStringLiteral("SKIN_BUSINESS")).toString());
    m_prompter.information(restartMessage());
    return true;
}

void ShopSettingsWorkflow::set(const QString& field, const QVariant& value) {
    if (m_editing && m_values.contains(field))
        m_values.insert(field, value);
}

bool ShopSettingsWorkflow::setNumber(const QString& field, const QString& text) {
    const auto value = NumberField::parse(text);
    if (!value) {
        m_prompter.information(NumberField::refusal(text));
        return false;
    }
    set(field, *value);
    return true;
}

bool ShopSettingsWorkflow::setLogo(const QByteArray& imageFile) {
    if (!m_editing || imageFile.isEmpty())
        return false;
    m_values.insert(QStringLiteral("OF_LOGO"), imageFile);
    return true;
}

QString ShopSettingsWorkflow::reseedFlatRateSales(const QString& prefixText) {
    try {
        return NumberQueue::reseedFlatRateSales(m_db, prefixText);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return QString();
    }
}
