#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class Prompter;

// The shop and system settings window without its widgets: the single shop record in browse
// and edit states, the checks of saving, the restart of the flat-rate sale series on a new
// prefix, and the skin applied at once after saving.
class ShopSettingsWorkflow {
public:
    struct Buttons {
        bool edit, refresh, cancel, save, close;
    };
    using SkinApplier = std::function<void(const QString& skinValue)>;

    ShopSettingsWorkflow(const QSqlDatabase& db, Prompter& prompter, const QString& edition,
                         SkinApplier applySkin);

    // The five template names of LINE5 "0".."4" in the given edition.
    static QStringList templateNames(const QString& edition);
    QStringList templateNames() const { return templateNames(m_edition); }

    // First activation: reads the record; false (after the engine's message) when it cannot.
    bool open();
    QVariant value(const QString& field) const { return m_values.value(field); }
    QVariantMap values() const { return m_values; }
    bool isEditing() const { return m_editing; }
    Buttons buttons() const;

    // "แ&ก้ไข".
    void edit();
    // "Refresh": the stored record again.
    void refresh();
    // "&ยกเลิก": the changes are dropped.
    void cancel();
    // "บัน&ทึก". Refused with a message when a prefix is not 4 characters or the store fails;
    // the edits stay then.
    bool save();

    // Changes of the entries while editing; ignored while browsing.
    void set(const QString& field, const QVariant& value);
    // A print offset as typed; a text that is not a number is refused with a message.
    bool setNumber(const QString& field, const QString& text);
    // The logo picture's file bytes (pasted from the clipboard).
    bool setLogo(const QByteArray& imageFile);

    // Enter in the flat-rate sale prefix: the queue restarts under it; the head, or an empty
    // text after the engine's message.
    QString reseedFlatRateSales(const QString& prefixText);

    static QString prefixMessage();
    static QString restartMessage();

private:
    bool read();

    QSqlDatabase m_db;
    Prompter& m_prompter;
    QString m_edition;
    SkinApplier m_applySkin;
    QVariantMap m_values;
    bool m_editing = false;
    bool m_refreshAllowed = true; // until the first save or cancel of this window
};
