#pragma once

#include "shopcore/registers/registerworkflow.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

class Connection;
class Prompter;
class QLabel;
class QPushButton;
class QToolButton;
class RegisterSearchPanel;

// The one register window: entries built from the configuration, the navigator, the command
// buttons and the search panel, bound to a RegisterWorkflow. Enter in an entry moves on in the
// register's order; text that an entry refuses keeps the cursor there.
class RegisterScreen : public QWidget {
    Q_OBJECT
public:
    // Opens the register on `db` (first activation: code order, last record). The window may
    // own the connection `db` belongs to (adoptConnection), so that it closes with it.
    RegisterScreen(RegisterConfig config, const QSqlDatabase& db, Prompter& prompter,
                   QWidget* parent = nullptr);
    ~RegisterScreen() override;

    void adoptConnection(std::unique_ptr<Connection> connection);
    RegisterWorkflow& workflow() { return *m_workflow; }
    QWidget* entry(const QString& field) const { return m_entries.value(field.toUpper()); }

    // Print hooks of the report engine: the envelope of a customer, the barcode sheet of a
    // product. The envelope button stays disabled until one is given.
    void setEnvelopePrinter(std::function<void(const QVariantMap&)> print);
    void setBarcodePrinter(std::function<void(const QVariantMap&)> print);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QPushButton* button(const QString& caption, const QString& name, std::function<void()> action);
    void showRecord();
    void showText(const QString& field);
    void followState();
    void focusEntry(const QString& field);

    std::unique_ptr<Connection> m_connection; // declared first: closed after the workflow
    std::unique_ptr<RegisterWorkflow> m_workflow;
    QHash<QString, QWidget*> m_entries; // field -> entry
    QHash<QObject*, QString> m_fieldOf; // line entry -> field
    QHash<QString, QLabel*> m_beside;   // field -> text beside the entry
    QLabel* m_balance = nullptr;
    RegisterSearchPanel* m_search = nullptr;
    QList<std::pair<RegisterWorkflow::Command, QWidget*>> m_commands;
    std::function<void(const QVariantMap&)> m_envelopePrinter;
    std::function<void(const QVariantMap&)> m_barcodePrinter;
    bool m_leaving = false;
};
