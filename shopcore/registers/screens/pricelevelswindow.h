#pragma once

#include "shopcore/registers/pricelevelsworkflow.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/ui/windowcontext.h"

#include <QList>
#include <QWidget>
#include <memory>

class QLineEdit;
class QPushButton;

// The price-levels window: from which quantity each of the five selling prices applies.
class PriceLevelsWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the price levels through the window's own connection; StoreError when unreachable.
    explicit PriceLevelsWindow(const WindowContext& context, QWidget* parent = nullptr);
    ~PriceLevelsWindow() override;

    // Level 1..5.
    QLineEdit* quantityEntry(int level) const { return m_quantities.value(level - 1); }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* refreshButton() const { return m_refresh; }

private:
    void showRecord();
    void showButtons();

    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<PriceLevelsWorkflow> m_flow;
    QList<QLineEdit*> m_quantities;
    QPushButton* m_edit = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_refresh = nullptr;
};
