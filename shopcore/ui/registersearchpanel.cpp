#include "registersearchpanel.h"

#include "shopcore/registers/registerworkflow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

RegisterSearchPanel::RegisterSearchPanel(RegisterWorkflow& workflow, QWidget* parent)
    : QFrame(parent), m_workflow(workflow) {
    setObjectName(QStringLiteral("searchPanel"));
    setFrameShape(QFrame::StyledPanel);
    const SearchPanelStyle& style = workflow.config().search;

    m_modes = new QGroupBox(QStringLiteral("ค้นหาโดย"), this);
    m_byCode = new QRadioButton(QStringLiteral("รหัส"), m_modes);
    m_byCode->setObjectName(QStringLiteral("searchByCode"));
    m_byName = new QRadioButton(QStringLiteral("ชื่อ"), m_modes);
    m_byName->setObjectName(QStringLiteral("searchByName"));
    auto* modesLayout = new QHBoxLayout(m_modes);
    modesLayout->addWidget(m_byCode);
    modesLayout->addWidget(m_byName);
    m_modes->setVisible(style.modeChoice);

    m_label = new QLabel(this);
    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("searchEntry"));
    m_finish = new QPushButton(style.finishCaption, this);
    m_finish->setObjectName(QStringLiteral("searchFinish"));
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("searchGrid"));
    m_grid->setModel(workflow.searchRows());
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 140); // a 13-digit code

    auto* top = new QHBoxLayout;
    top->addWidget(m_modes);
    top->addWidget(m_label);
    top->addWidget(m_entry, 1);
    top->addWidget(m_finish);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid);

    connect(m_byCode, &QRadioButton::clicked, this,
            [this] { m_workflow.setSearchMode(RegisterOrder::Code); });
    connect(m_byName, &QRadioButton::clicked, this,
            [this] { m_workflow.setSearchMode(RegisterOrder::Name); });
    connect(m_entry, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_workflow.searchTextEdited(text); });
    connect(m_entry, &QLineEdit::returnPressed, this, [this] { m_workflow.searchEnter(); });
    connect(m_finish, &QPushButton::clicked, this, [this] { m_workflow.finishSearch(); });
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex& index) { m_workflow.searchRowClicked(index.row()); });
    connect(workflow.searchRows(), &QAbstractItemModel::modelReset, this,
            &RegisterSearchPanel::showCurrentRow);
    connect(&workflow, &RegisterWorkflow::searchTextChanged, m_entry, &QLineEdit::setText);
    connect(&workflow, &RegisterWorkflow::searchFocusRequested, this, [this](bool button) {
        if (button)
            m_finish->setFocus();
        else
            m_entry->setFocus();
    });
    setVisible(false);
}

void RegisterSearchPanel::follow() {
    setVisible(m_workflow.searchOpen());
    const bool byCode = m_workflow.searchMode() == RegisterOrder::Code;
    m_byCode->setChecked(byCode);
    m_byName->setChecked(!byCode);
    m_label->setText(m_workflow.searchLabel());
}

void RegisterSearchPanel::showCurrentRow() {
    const int row = m_workflow.searchRows()->currentRow();
    if (row < 0) {
        m_grid->clearSelection();
        return;
    }
    // The found row near the top, with a couple of the rows before it in sight.
    m_grid->selectRow(row);
    m_grid->scrollTo(m_workflow.searchRows()->index(qMax(0, row - 2), 0),
                     QAbstractItemView::PositionAtTop);
}
