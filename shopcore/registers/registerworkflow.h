#pragma once

#include "registerconfig.h"
#include "registerrowsmodel.h"
#include "registerstore.h"

#include <QHash>
#include <QObject>
#include <memory>

class Prompter;

// The behaviour of every register window: browsing and editing states with their button sets,
// add (and add a copy), edit, delete, refresh, cancel, save with the register's checks, the
// navigator, the Enter order with the duplicate-code check, and the search panel. What differs
// between registers comes from the RegisterConfig. The screen shows text(field) in each entry,
// passes typed text back with setText() and follows the signals.
class RegisterWorkflow : public QObject {
    Q_OBJECT
public:
    enum class Mode { Browsing, Adding, Editing };
    enum class Command {
        Add,
        AddCopy,
        Edit,
        Delete,
        Refresh,
        Cancel,
        Save,
        Close,
        Search,
        Navigate,
        Barcode,
        Envelope
    };

    static const QString DeleteQuestion; // "ต้องการลบข้อมูลนี้ ?"
    static const QString DuplicateMessage; // "รหัสข้อมูลซ้ำ ..."
    static const QString BarcodeMessage; // "รหัส 13 หลัก ( EAN13 ) เท่านั้น"

    RegisterWorkflow(RegisterConfig config, const QSqlDatabase& db, Prompter& prompter,
                     QObject* parent = nullptr);
    ~RegisterWorkflow() override;

    const RegisterConfig& config() const { return m_config; }
    const RegisterStore& store() const { return m_store; }

    // First activation: code order, the last record shown, the texts beside the entries read.
    void open();

    Mode mode() const { return m_mode; }
    bool isEditing() const { return m_mode != Mode::Browsing; }
    bool enabled(Command command) const;
    bool hasRecord() const { return m_record.has_value(); }
    // The record shown while browsing (the stored one while editing).
    const std::optional<QVariantMap>& record() const { return m_record; }
    RegisterOrder order() const { return m_order; }

    QString text(const QString& field) const { return m_texts.value(field.toUpper()); }
    // Typed text of an entry; ignored while browsing.
    void setText(const QString& field, const QString& text);
    int maxLength(const QString& field) const;
    QString besideText(const QString& field) const;
    QString balanceText() const { return m_balance; }

    void add();
    void addCopy();
    void edit();
    void remove();
    void refresh();
    void cancel();
    bool save();
    void first();
    void prior();
    void next();
    void last();
    // Asks for the barcode sheet of the record shown when its code has 13 characters.
    bool barcode();
    void envelope();

    // Enter in an entry: checks it, then asks for the focus on the next entry of the order.
    void enter(const QString& field);
    // Leaving an entry: false (after a message) when its text is refused.
    bool leave(const QString& field);
    // A term chosen from an entry's list.
    void picked(const QString& field);

    // Search panel, a sub-state of browsing.
    bool searchOpen() const { return m_searchOpen; }
    RegisterOrder searchMode() const { return m_order; }
    QString searchText() const { return m_searchText; }
    QString searchLabel() const;
    QString rememberedCode() const { return m_remembered; }
    RegisterRowsModel* searchRows() const { return m_rows.get(); }
    void openSearch();
    void setSearchMode(RegisterOrder mode);
    void searchTextEdited(const QString& text);
    void searchEnter();
    void searchRowClicked(int row);
    void finishSearch();

signals:
    void stateChanged();                    // mode, buttons, search panel
    void recordShown();                     // every entry and the balance
    void textChanged(const QString& field); // one entry filled by the workflow
    void focusRequested(const QString& field);
    void searchFocusRequested(bool finishButton); // the search entry or its button
    void searchTextChanged(const QString& text);  // the search entry filled by the workflow
    void barcodeRequested(const QVariantMap& record);
    void envelopeRequested(const QVariantMap& record);

private:
    void show(const std::optional<QVariantMap>& record);
    void showTexts();
    void setMode(Mode mode);
    void newRecord(bool copy);
    // Runs a step of the store, showing a failure to the user; false when it failed.
    template <typename F> bool attempt(F&& step);
    bool checkEntry(const RegisterEntry& entry);
    QVariantMap valuesToSave() const;
    void reloadRows();
    void refuse(const QString& message, const QString& field);

    RegisterConfig m_config;
    RegisterStore m_store;
    Prompter& m_prompter;
    Mode m_mode = Mode::Browsing;
    RegisterOrder m_order = RegisterOrder::Code;
    std::optional<QVariantMap> m_record;
    std::optional<QVariantMap> m_beforeAdd;
    QHash<QString, QString> m_texts;
    QHash<QString, QString> m_beside;
    QString m_balance;
    bool m_searchOpen = false;
    QString m_searchText;
    QString m_remembered;
    std::unique_ptr<RegisterRowsModel> m_rows;
};
