#pragma once

#include "shopcore/documents/cashdrawerflow.h"

#include <QWidget>
#include <memory>

class QPushButton;

// The small window "เปิดลิ้นชัก" with its one button.
class CashDrawerWindow : public QWidget {
public:
    CashDrawerWindow(std::unique_ptr<CashDrawerFlow> flow, QWidget* parent = nullptr);
    ~CashDrawerWindow() override;

    QPushButton* openButton() const { return m_open; }

private:
    std::unique_ptr<CashDrawerFlow> m_flow;
    QPushButton* m_open;
};

// "เปิดลิ้นชักเก็บเงิน": the drawer window, not yet shown (for a main window's registry).
// settingsTable is Kelmsys in the retail and rental programs, Sevrsys in the repair program.
// nullptr, after the engine's message, when the store is unreachable. The prompter must
// outlive the window.
CashDrawerWindow* createCashDrawerWindow(const AliasEntry& alias, Prompter& prompter,
                                         const QString& settingsTable = QStringLiteral("Kelmsys"));
// The same as a window of its own, shown at once; it frees itself when closed.
CashDrawerWindow* openCashDrawer(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                                 const QString& settingsTable = QStringLiteral("Kelmsys"));
