#include "cashdrawerwindow.h"

#include <QPushButton>
#include <QVBoxLayout>

CashDrawerWindow::CashDrawerWindow(std::unique_ptr<CashDrawerFlow> flow, QWidget* parent)
    : QWidget(parent), m_flow(std::move(flow)) {
    setWindowTitle(QStringLiteral("เปิดลิ้นชัก"));
    m_open = new QPushButton(QStringLiteral("เปิดลิ้นชัก"));
    m_open->setDefault(true);
    m_open->setMinimumSize(180, 60);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_open);
    connect(m_open, &QPushButton::clicked, this, [this] { m_flow->openDrawer(); });
}

CashDrawerWindow::~CashDrawerWindow() = default;

CashDrawerWindow* createCashDrawerWindow(const AliasEntry& alias, Prompter& prompter,
                                         const QString& settingsTable) {
    auto flow = std::make_unique<CashDrawerFlow>(alias, settingsTable, prompter);
    if (!flow->open())
        return nullptr;
    return new CashDrawerWindow(std::move(flow));
}

CashDrawerWindow* openCashDrawer(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                                 const QString& settingsTable) {
    CashDrawerWindow* window = createCashDrawerWindow(alias, prompter, settingsTable);
    if (!window)
        return nullptr;
    window->setParent(parent, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
