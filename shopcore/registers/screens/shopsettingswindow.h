#pragma once

#include "shopcore/registers/shopsettingsworkflow.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/ui/windowcontext.h"

#include <QMap>
#include <QWidget>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The shop and system settings window: the shop's identity on one tab, the system settings
// on the other, both on the single shop record.
class ShopSettingsWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the shop record through the window's own connection; StoreError when unreachable.
    explicit ShopSettingsWindow(const WindowContext& context, QWidget* parent = nullptr);
    ~ShopSettingsWindow() override;

    QLineEdit* entry(const QString& field) const { return m_entries.value(field); }
    QButtonGroup* choice(const QString& field) const { return m_choices.value(field); }
    QLabel* logoPicture() const { return m_logo; }
    QLabel* logoHowTo() const { return m_logoHowTo; }
    QWidget* logoHelpPanel() const { return m_logoHelp; }
    QLabel* prefix1Sample() const { return m_prefix1Sample; }
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* refreshButton() const { return m_refresh; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* closeButton() const { return m_close; }

private:
    QWidget* buildShopTab();
    QWidget* buildSystemTab();
    QLineEdit* addEntry(const QString& field, int width, QWidget* parent);
    QWidget* addChoice(const QString& field, const QString& caption, const QStringList& labels,
                       const QStringList& stored, QWidget* parent);
    void showRecord();
    void showButtons();
    void pasteLogo();
    bool takeNumbers();
    void save();

    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<ShopSettingsWorkflow> m_flow;
    QMap<QString, QLineEdit*> m_entries;
    QMap<QString, QButtonGroup*> m_choices;
    QMap<QString, QStringList> m_choiceValues;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_logoHowTo = nullptr;
    QWidget* m_logoHelp = nullptr;
    QLabel* m_prefix1Sample = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};
