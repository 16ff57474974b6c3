#include "productlistwindow.h"

#include "printentrypoints.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ProductListWindow::ProductListWindow(const AliasEntry& alias, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_alias(alias), m_prompter(prompter) {
    setWindowTitle(QStringLiteral(" รายชื่อสินค้า"));
    auto* sort = new QGroupBox(QStringLiteral("จัดเรียงลำดับโดย"), this);
    m_byCode = new QRadioButton(QStringLiteral("รหัสสินค้า"), sort);
    m_byCode->setObjectName(QStringLiteral("byCode"));
    m_byName = new QRadioButton(QStringLiteral("ชื่อสินค้า"), sort);
    m_byName->setObjectName(QStringLiteral("byName"));
    m_byCode->setChecked(true);
    auto* sortLayout = new QVBoxLayout(sort);
    sortLayout->addWidget(m_byCode);
    sortLayout->addWidget(m_byName);
    m_report = new QPushButton(QStringLiteral("รายงาน"), this);
    m_report->setObjectName(QStringLiteral("reportButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sort);
    layout->addWidget(m_report);
    connect(m_report, &QPushButton::clicked, this, &ProductListWindow::report);
}

ProductListOrder ProductListWindow::order() const {
    return m_byName->isChecked() ? ProductListOrder::ByName : ProductListOrder::ByCode;
}

void ProductListWindow::report() {
    try {
        const Connection connection(m_alias, QStringLiteral("product_list"));
        previewProductList(this, m_prompter, connection.db(), order());
    } catch (const StoreError& e) { // the store cannot be reached
        m_prompter.information(e.message());
    }
}
