#include "productsearchscreen.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/registers/productsearch.h"
#include "shopcore/ui/closewindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

ProductSearchScreen::ProductSearchScreen(const QSqlDatabase& db, Prompter& prompter,
                                         QWidget* parent)
    : QWidget(parent, parent ? Qt::Window : Qt::WindowFlags()),
      m_search(std::make_unique<ProductSearch>(db, prompter)) {
    setWindowTitle(QStringLiteral(" ค้นหาอะไหล่"));

    auto* modesBox = new QGroupBox(QStringLiteral("ค้นหาโดย"), this);
    auto* modesLayout = new QHBoxLayout(modesBox);
    m_modes = new QButtonGroup(this);
    const QStringList modes = ProductSearch::modeCaptions();
    for (int i = 0; i < modes.size(); ++i) {
        auto* b = new QRadioButton(modes[i], modesBox);
        b->setObjectName(QStringLiteral("mode%1").arg(i + 1));
        m_modes->addButton(b, i + 1);
        modesLayout->addWidget(b);
    }
    auto* sortsBox = new QGroupBox(QStringLiteral("จัด เรียงโดย"), this);
    auto* sortsLayout = new QHBoxLayout(sortsBox);
    m_sorts = new QButtonGroup(this);
    const QStringList sorts = ProductSearch::sortCaptions();
    for (int i = 0; i < sorts.size(); ++i) {
        auto* b = new QRadioButton(sorts[i], sortsBox);
        b->setObjectName(i == 0 ? QStringLiteral("sortByName") : QStringLiteral("sortByCode"));
        m_sorts->addButton(b, i);
        sortsLayout->addWidget(b);
    }
    m_sorts->button(0)->setChecked(true);

    m_label = new QLabel(this);
    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("searchEntry"));
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("resultGrid"));
    m_grid->setModel(m_search->model());
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(ProductSearchModel::Code, 140);
    m_grid->setColumnWidth(ProductSearchModel::Name, 280);
    m_print = new QPushButton(QStringLiteral("พิมพ์"), this);
    m_print->setObjectName(QStringLiteral("printButton"));
    m_print->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("เ&ลิก"), this);
    close->setObjectName(QStringLiteral("closeButton"));

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(m_label);
    entryRow->addWidget(m_entry, 1);
    auto* choices = new QHBoxLayout;
    choices->addWidget(modesBox, 1);
    choices->addWidget(sortsBox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(entryRow);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    ProductSearch* s = m_search.get();
    connect(m_modes, &QButtonGroup::idClicked, this,
            [s](int id) { s->setMode(ProductSearch::Mode(id)); });
    connect(m_sorts, &QButtonGroup::idClicked, this, [s](int id) {
        s->setSort(id == 0 ? ProductSearch::Sort::ByName : ProductSearch::Sort::ByCode);
    });
    connect(m_entry, &QLineEdit::textEdited, this, [s](const QString& t) { s->setText(t); });
    connect(m_entry, &QLineEdit::returnPressed, this, [s] { s->enter(); });
    connect(m_grid, &QTableView::clicked, this,
            [s](const QModelIndex& i) { s->cellClicked(i.row(), i.column()); });
    connect(m_grid, &QTableView::doubleClicked, this,
            [s](const QModelIndex& i) { s->rowDoubleClicked(i.row()); });
    connect(s, &ProductSearch::textChanged, m_entry, &QLineEdit::setText);
    connect(s, &ProductSearch::modeChanged, this, &ProductSearchScreen::followMode);
    connect(s, &ProductSearch::focusEntry, this, [this] { m_entry->setFocus(); });
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_printer)
            m_printer(*m_search);
    });
    connect(close, &QPushButton::clicked, this, [this] { closeWindowOf(this); });

    m_search->activate();
}

ProductSearchScreen::~ProductSearchScreen() {
    delete m_grid; // its model belongs to the search
}

void ProductSearchScreen::adoptConnection(std::unique_ptr<Connection> connection) {
    m_connection = std::move(connection);
}

void ProductSearchScreen::setListPrinter(std::function<void(const ProductSearch&)> print) {
    m_printer = std::move(print);
    followMode();
}

void ProductSearchScreen::followMode() {
    if (QAbstractButton* b = m_modes->button(int(m_search->mode())))
        b->setChecked(true);
    m_label->setText(m_search->entryLabel());
    m_print->setEnabled(m_search->modeChosen() && bool(m_printer));
}
