#include "tpos2.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Sets a field's text from the workflow without disturbing the cursor of an unchanged text.
void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

void selectRow(QTableView* view, int row) {
    if (view->model() && row >= 0 && row < view->model()->rowCount())
        view->setCurrentIndex(view->model()->index(row, 0));
}

} // namespace

Tpos2::Tpos2(std::unique_ptr<PosSale> sale, const LocalFiles& files, QWidget* parent)
    : QWidget(parent), m_sale(std::move(sale)), m_files(files) {
    setObjectName(QStringLiteral("Tpos2"));
    setWindowTitle(m_sale->kind() == 2 ? QStringLiteral("ขาย / จำหน่าย (POS) ภาษีมูลค่าเพิ่ม")
                                       : QStringLiteral("ขาย / จำหน่าย (POS) ภาษีเหมาจ่าย"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCustomer());
    layout->addWidget(buildEntry());
    layout->addWidget(buildCustomerList());
    layout->addWidget(buildSearch());

    auto* middle = new QHBoxLayout;
    m_lines = new QTableView;
    m_lines->setObjectName(QStringLiteral("lines"));
    m_lines->setModel(m_sale->lines());
    m_lines->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lines->verticalHeader()->hide();
    m_lines->horizontalHeader()->setSectionResizeMode(PosLinesModel::Name, QHeaderView::Stretch);
    middle->addWidget(m_lines, 3);
    auto* side = new QVBoxLayout;
    side->addWidget(buildTotals());
    side->addWidget(buildCashDiscount());
    side->addWidget(buildPayment());
    side->addStretch();
    middle->addLayout(side, 2);
    layout->addLayout(middle, 1);

    connectFields();
    connect(m_sale.get(), &PosSale::changed, this, [this] { refresh(); });
    refresh();
}

Tpos2::~Tpos2() = default;

QWidget* Tpos2::buildCustomer() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_customerCode = new QLineEdit;
    m_customerCode->setObjectName(QStringLiteral("customerCode"));
    m_customerCode->setMaxLength(5);
    m_customerName = new QLineEdit;
    m_customerName->setObjectName(QStringLiteral("customerName"));
    m_address1 = new QLineEdit;
    m_address1->setObjectName(QStringLiteral("customerAddress1"));
    m_address2 = new QLineEdit;
    m_address2->setObjectName(QStringLiteral("customerAddress2"));
    for (QLineEdit* e : {m_customerName, m_address1, m_address2}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    grid->addWidget(new QLabel(QStringLiteral("รหัสลูกค้า")), 0, 0);
    grid->addWidget(m_customerCode, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("ชื่อลูกค้า")), 0, 2);
    grid->addWidget(m_customerName, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("ที่อยู่")), 1, 2);
    grid->addWidget(m_address1, 1, 3);
    grid->addWidget(m_address2, 2, 3);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* Tpos2::buildEntry() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_productCode = new QLineEdit;
    m_productCode->setObjectName(QStringLiteral("productCode"));
    m_productCode->setMaxLength(15);
    QFont big = m_productCode->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_productCode->setFont(big);
    m_hint = new QLabel(PosText::Hint);
    m_hint->setObjectName(QStringLiteral("hint"));
    m_quantityCaption = new QLabel(QStringLiteral("จำนวน"));
    m_quantity = new QLineEdit;
    m_quantity->setObjectName(QStringLiteral("quantity"));
    m_quantity->setMaximumWidth(90);
    m_lineDiscountCaption = new QLabel(QStringLiteral("ส่วนลด %"));
    m_lineDiscount = new QLineEdit;
    m_lineDiscount->setObjectName(QStringLiteral("lineDiscount"));
    m_lineDiscount->setMaximumWidth(90);
    m_salespersonCaption = new QLabel(QStringLiteral("พนักงานขาย"));
    m_salesperson = new QComboBox;
    m_salesperson->setObjectName(QStringLiteral("salesperson"));
    row->addWidget(new QLabel(QStringLiteral("รหัสสินค้า")));
    row->addWidget(m_productCode, 2);
    row->addWidget(m_hint, 2);
    row->addWidget(m_quantityCaption);
    row->addWidget(m_quantity);
    row->addWidget(m_lineDiscountCaption);
    row->addWidget(m_lineDiscount);
    row->addWidget(m_salespersonCaption);
    row->addWidget(m_salesperson, 1);
    return box;
}

QWidget* Tpos2::buildTotals() {
    m_totalsPanel = new QFrame;
    m_totalsPanel->setObjectName(QStringLiteral("totalsPanel"));
    m_totalsPanel->setFrameShape(QFrame::StyledPanel);
    m_totalsPanel->setAutoFillBackground(true);
    auto* grid = new QGridLayout(m_totalsPanel);
    m_amountDue = new QLabel;
    m_amountDue->setObjectName(QStringLiteral("amountDue"));
    m_amountDue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont huge = m_amountDue->font();
    huge.setPointSize(36);
    huge.setBold(true);
    m_amountDue->setFont(huge);
    m_onHand = new QLabel;
    m_onHand->setObjectName(QStringLiteral("onHand"));
    m_tax = new QLabel;
    m_discountShown = new QLabel;
    m_sum = new QLabel;
    m_creditTerm = new QLabel;
    m_dueDate = new QLabel;
    for (QLabel* l : {m_tax, m_discountShown, m_sum})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_cashDiscountButton = new QPushButton(QStringLiteral("ลดเงิน&สด"));
    m_cashDiscountButton->setObjectName(QStringLiteral("cashDiscountButton"));
    m_cashDiscountButton->setFocusPolicy(Qt::NoFocus);

    grid->addWidget(m_amountDue, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("คงเหลือ")), 1, 0);
    grid->addWidget(m_onHand, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("รวมเงิน")), 2, 0);
    grid->addWidget(m_sum, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("ลดเงินสด")), 3, 0);
    grid->addWidget(m_discountShown, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("ภาษี")), 4, 0);
    grid->addWidget(m_tax, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("เครดิต")), 2, 2);
    grid->addWidget(m_creditTerm, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("วันครบชำระ")), 3, 2);
    grid->addWidget(m_dueDate, 3, 3);
    grid->addWidget(m_cashDiscountButton, 4, 2, 1, 2);

    // Yellow for sales under flat-rate tax, red for sales under value-added tax.
    QPalette palette = m_totalsPanel->palette();
    palette.setColor(QPalette::Window, m_sale->panelColour() == PosSale::PanelColour::Red
                                           ? QColor(Qt::red)
                                           : QColor(Qt::yellow));
    m_totalsPanel->setPalette(palette);
    return m_totalsPanel;
}

QFrame* Tpos2::buildCashDiscount() {
    m_cashDiscountPanel = new QFrame;
    m_cashDiscountPanel->setObjectName(QStringLiteral("cashDiscountPanel"));
    m_cashDiscountPanel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(m_cashDiscountPanel);
    m_cashDiscount = new QLineEdit;
    m_cashDiscount->setObjectName(QStringLiteral("cashDiscount"));
    row->addWidget(new QLabel(QStringLiteral("ลดเงินสด")));
    row->addWidget(m_cashDiscount);
    row->addWidget(new QLabel(QStringLiteral("บาท")));
    return m_cashDiscountPanel;
}

QFrame* Tpos2::buildPayment() {
    m_paymentPanel = new QFrame;
    m_paymentPanel->setObjectName(QStringLiteral("paymentPanel"));
    m_paymentPanel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(m_paymentPanel);
    m_shopName = new QLabel;
    QFont bold = m_shopName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_shopName->setFont(bold);
    m_paymentTotal = new QLabel;
    m_paymentTotal->setFont(bold);
    m_received = new QLineEdit;
    m_received->setObjectName(QStringLiteral("received"));
    m_received->setFont(bold);
    m_change = new QLabel;
    m_change->setObjectName(QStringLiteral("change"));
    m_change->setFont(bold);
    for (QLabel* l : {m_paymentTotal, m_change})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_received->setAlignment(Qt::AlignRight);
    m_thankYou = new QPushButton(QStringLiteral("ขอบคุณทุกท่านที่ใช้บริการ"));
    m_thankYou->setObjectName(QStringLiteral("thankYou"));
    grid->addWidget(m_shopName, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("รวมเงิน")), 1, 0);
    grid->addWidget(m_paymentTotal, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("รับเงิน")), 2, 0);
    grid->addWidget(m_received, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("เงินทอน")), 3, 0);
    grid->addWidget(m_change, 3, 1);
    grid->addWidget(m_thankYou, 4, 0, 1, 2);
    return m_paymentPanel;
}

QFrame* Tpos2::buildCustomerList() {
    m_customerListPanel = new QFrame;
    m_customerListPanel->setObjectName(QStringLiteral("customerListPanel"));
    m_customerListPanel->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(m_customerListPanel);
    m_customerList = new QTableView;
    m_customerList->setObjectName(QStringLiteral("customerList"));
    m_customerList->setModel(m_sale->customerList());
    m_customerList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_customerList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_customerList->verticalHeader()->hide();
    m_customerList->horizontalHeader()->setStretchLastSection(true);
    m_customerListClose = new QPushButton(QStringLiteral("ปิด"));
    column->addWidget(m_customerList);
    column->addWidget(m_customerListClose, 0, Qt::AlignRight);
    return m_customerListPanel;
}

QFrame* Tpos2::buildSearch() {
    m_searchPanel = new QFrame;
    m_searchPanel->setObjectName(QStringLiteral("searchPanel"));
    m_searchPanel->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(m_searchPanel);
    auto* row = new QHBoxLayout;
    m_searchByCode = new QRadioButton(QStringLiteral("รหัสสินค้า"));
    m_searchByName = new QRadioButton(QStringLiteral("ชื่อสินค้า"));
    m_searchLabel = new QLabel;
    m_searchText = new QLineEdit;
    m_searchText->setObjectName(QStringLiteral("searchText"));
    row->addWidget(new QLabel(QStringLiteral("ค้นหาโดย")));
    row->addWidget(m_searchByCode);
    row->addWidget(m_searchByName);
    row->addWidget(m_searchLabel);
    row->addWidget(m_searchText, 1);
    m_searchGrid = new QTableView;
    m_searchGrid->setObjectName(QStringLiteral("searchGrid"));
    m_searchGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_searchGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_searchGrid->verticalHeader()->hide();
    column->addLayout(row);
    column->addWidget(m_searchGrid);
    return m_searchPanel;
}

void Tpos2::connectFields() {
    PosSale* s = m_sale.get();
    connect(m_customerCode, &QLineEdit::textEdited, s, &PosSale::setCustomerCodeText);
    connect(m_customerCode, &QLineEdit::returnPressed, s, &PosSale::enterCustomerCode);
    connect(m_customerList, &QTableView::clicked, s,
            [s](const QModelIndex& index) { s->clickCustomer(index.row()); });
    connect(m_customerListClose, &QPushButton::clicked, this,
            [this] { m_sale->closeCustomerList(m_customerList->currentIndex().row()); });

    connect(m_productCode, &QLineEdit::textEdited, s, &PosSale::setCodeText);
    connect(m_productCode, &QLineEdit::returnPressed, s, &PosSale::enterProductCode);
    connect(m_quantity, &QLineEdit::textEdited, s, &PosSale::setQuantityText);
    connect(m_quantity, &QLineEdit::returnPressed, s, &PosSale::enterQuantity);
    connect(m_lineDiscount, &QLineEdit::textEdited, s, &PosSale::setDiscountText);
    connect(m_lineDiscount, &QLineEdit::returnPressed, s, &PosSale::enterLineDiscount);
    connect(m_salesperson, &QComboBox::activated, s, &PosSale::chooseSalesperson);
    connect(m_cashDiscountButton, &QPushButton::clicked, s, &PosSale::openCashDiscount);
    connect(m_cashDiscount, &QLineEdit::textEdited, s, &PosSale::setCashDiscountText);
    connect(m_cashDiscount, &QLineEdit::returnPressed, s, &PosSale::enterCashDiscount);

    connect(m_searchByCode, &QRadioButton::clicked, s,
            [s] { s->searchBy(PosProductSearch::By::Code); });
    connect(m_searchByName, &QRadioButton::clicked, s,
            [s] { s->searchBy(PosProductSearch::By::Name); });
    connect(m_searchText, &QLineEdit::textEdited, s, &PosSale::searchType);
    connect(m_searchText, &QLineEdit::returnPressed, s, &PosSale::searchEnter);
    connect(m_searchGrid, &QTableView::clicked, s,
            [s](const QModelIndex& index) { s->searchClick(index.row()); });

    connect(m_received, &QLineEdit::textEdited, s, &PosSale::setReceivedText);
    connect(m_received, &QLineEdit::returnPressed, s, &PosSale::enterReceived);
    connect(m_thankYou, &QPushButton::clicked, s, &PosSale::finish);

    for (QObject* o : {static_cast<QObject*>(m_productCode), static_cast<QObject*>(m_lines),
                       static_cast<QObject*>(m_customerList), static_cast<QObject*>(m_salesperson),
                       static_cast<QObject*>(m_searchGrid)})
        o->installEventFilter(this);
}

void Tpos2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first activation reads the settings; coming back to the window reads nothing.
    if (m_activated)
        return;
    m_activated = true;
    if (m_sale->activate()) {
        m_searchGrid->setModel(m_sale->productSearch());
        const QSignalBlocker block(m_salesperson);
        m_salesperson->addItems(m_sale->salespersonNames());
    }
    refresh();
}

void Tpos2::closeEvent(QCloseEvent* event) {
    if (m_sale->close())
        event->accept();
    else
        event->ignore();
}

bool Tpos2::productCodeKey(QKeyEvent* key) {
    QChar command;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_A)
        command = QChar(1);
    else if (mods == Qt::ControlModifier && key->key() == Qt::Key_C)
        command = QChar(3);
    else if (mods == Qt::AltModifier && key->key() == Qt::Key_1)
        command = QChar(1);
    else if (mods == Qt::AltModifier && key->key() == Qt::Key_3)
        command = QChar(3);
    else if (key->text().size() == 1)
        command = key->text().at(0);
    return !command.isNull() && m_sale->productCodeKey(command);
}

bool Tpos2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == m_salesperson) {
        // Leaving the list takes the name shown, as choosing it does.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && m_sale->focus() == PosSale::Focus::Salesperson)
            m_sale->chooseSalesperson(m_salesperson->currentIndex());
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_productCode)
        return productCodeKey(key);
    if (!isEnter(key))
        return false;
    if (watched == m_lines) {
        m_sale->gridEnter(m_lines->currentIndex().row());
        return true;
    }
    if (watched == m_customerList) {
        m_sale->closeCustomerList(m_customerList->currentIndex().row());
        return true;
    }
    if (watched == m_salesperson) {
        m_sale->chooseSalesperson(m_salesperson->currentIndex());
        return true;
    }
    if (watched == m_searchGrid) {
        m_sale->searchEnter();
        return true;
    }
    return false;
}

void Tpos2::refresh() {
    PosSale& s = *m_sale;
    showText(m_customerCode, s.customerCodeText());
    m_customerCode->setEnabled(s.isActive() && !s.customerLocked());
    showText(m_customerName, s.customerName());
    showText(m_address1, s.customerAddress1());
    showText(m_address2, s.customerAddress2());

    showText(m_productCode, s.codeText());
    m_productCode->setEnabled(s.productCodeEnabled());
    m_hint->setVisible(s.hintVisible());
    showText(m_quantity, s.quantityText());
    m_quantityCaption->setVisible(s.quantityVisible());
    m_quantity->setVisible(s.quantityVisible());
    showText(m_lineDiscount, s.discountText());
    m_lineDiscountCaption->setVisible(s.discountVisible());
    m_lineDiscount->setVisible(s.discountVisible());
    m_salespersonCaption->setVisible(s.salespersonVisible());
    m_salesperson->setVisible(s.salespersonVisible());
    if (m_salesperson->currentIndex() != s.salespersonIndex()) {
        const QSignalBlocker block(m_salesperson);
        m_salesperson->setCurrentIndex(s.salespersonIndex());
    }

    const PosTotalsResult& t = s.totals();
    m_amountDue->setText(t.amountDue.format());
    m_onHand->setText(s.onHandText());
    m_sum->setText(t.gross.format());
    m_discountShown->setText(t.discount.format());
    m_tax->setText(t.tax.format());
    m_creditTerm->setText(s.creditTerm());
    m_dueDate->setText(s.dueDate());
    m_cashDiscountButton->setEnabled(s.step() == PosSale::Step::SaleOpen);
    m_cashDiscountPanel->setVisible(s.cashDiscountVisible());
    showText(m_cashDiscount, s.cashDiscountText());

    m_paymentPanel->setVisible(s.paymentVisible());
    m_shopName->setText(s.settings().shopName);
    m_paymentTotal->setText(s.header().sumTotal.format());
    showText(m_received, s.receivedText());
    m_change->setText(s.changeText());
    m_thankYou->setEnabled(s.thankYouEnabled());
    const QString picture = m_files.resolve(QStringLiteral("cashdrawer.bmp"));
    m_thankYou->setIcon(s.drawerPictureShown() && QFile::exists(picture) ? QIcon(picture)
                                                                         : QIcon());

    m_customerListPanel->setVisible(s.customerListVisible());
    m_searchPanel->setVisible(s.searchVisible());
    if (s.searchVisible()) {
        const PosProductSearch& search = *s.productSearch();
        m_searchByCode->setChecked(search.by() == PosProductSearch::By::Code);
        m_searchByName->setChecked(search.by() == PosProductSearch::By::Name);
        m_searchLabel->setText(search.label());
        showText(m_searchText, search.text());
        selectRow(m_searchGrid, search.currentRow());
    }
    applyFocus();
}

void Tpos2::applyFocus() {
    QWidget* target = nullptr;
    switch (m_sale->focus()) {
    case PosSale::Focus::CustomerCode:
        target = m_customerCode;
        break;
    case PosSale::Focus::CustomerList:
        target = m_customerList;
        if (!m_customerList->currentIndex().isValid())
            selectRow(m_customerList, 0);
        break;
    case PosSale::Focus::ProductCode:
        target = m_productCode;
        break;
    case PosSale::Focus::Quantity:
        target = m_quantity;
        break;
    case PosSale::Focus::LineDiscount:
        target = m_lineDiscount;
        break;
    case PosSale::Focus::Lines:
        target = m_lines;
        if (!m_lines->currentIndex().isValid())
            selectRow(m_lines, m_sale->lines()->rowCount() - 1);
        break;
    case PosSale::Focus::CashDiscount:
        target = m_cashDiscount;
        break;
    case PosSale::Focus::Salesperson:
        target = m_salesperson;
        break;
    case PosSale::Focus::SearchField:
        target = m_searchText;
        break;
    case PosSale::Focus::Received:
        target = m_received;
        break;
    case PosSale::Focus::ThankYou:
        target = m_thankYou;
        break;
    }
    if (target && target->isEnabled() && target->isVisibleTo(this) && !target->hasFocus())
        target->setFocus();
}
