#include "possale.h"
#include "posnumbers.h"

#include "shopcore/documents/cashdrawer.h"
#include "shopcore/documents/documentkind.h"
#include "shopcore/documents/documentnumber.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/thaitext.h"

QString PosText::NotEnoughStock(double onHand) {
    return QStringLiteral(" สินค้า มีจำนวน ") + ShortNumberText(onHand) +
           QStringLiteral(" หน่วย  ไม่พอจำหน่าย ");
}

PosSale::PosSale(const AliasEntry& alias, int kind, const ProgramState& program, Prompter& prompter,
                 QObject* parent)
    : QObject(parent), m_alias(alias), m_kind(kind == 2 ? 2 : 1), m_program(program),
      m_prompter(prompter) {
    m_totals = PosTotals({}, std::nullopt, m_kind);
}

PosSale::~PosSale() = default;

QSqlDatabase PosSale::db() const {
    return m_connection ? m_connection->db() : QSqlDatabase();
}

QStringList PosSale::salespersonNames() const {
    QStringList names;
    for (const Salesperson& s : m_salespeople)
        names << s.name;
    return names;
}

void PosSale::guarded(const std::function<void()>& action) {
    if (!m_active)
        return;
    try {
        reconnectIfNeeded();
        action();
    } catch (const StoreError& e) {
        // The connection may have gone with the error; the next action opens it again.
        m_connectionSuspect = true;
        m_prompter.information(e.message());
    }
    emit changed();
}

void PosSale::reconnectIfNeeded() {
    if (!m_connectionSuspect)
        return;
    m_connection->reopen();
    m_connectionSuspect = false;
}

bool PosSale::activate() {
    if (m_active)
        return true;
    try {
        m_connection = std::make_unique<Connection>(m_alias, QStringLiteral("pos"));
        m_store = std::make_unique<PosStore>(m_connection->db());
        m_salespeople = m_store->salespeople();
        m_levels = m_store->priceLevels();
        m_settings = m_store->settings();
    } catch (const StoreError& e) {
        m_store.reset();
        m_connection.reset();
        m_prompter.information(e.message());
        return false;
    }
    m_search = std::make_unique<PosProductSearch>(*m_store);
    m_salespersonIndex = m_salespeople.isEmpty() ? -1 : 0;
    m_active = true;
    reset();
    // The drawer port stays open while the till is open; a port that cannot be opened is
    // reported now and tried again when cash is taken.
    if (const auto com = DrawerPortNumber(DrawerPlace::Till, m_settings.comPort)) {
        m_drawer =
            std::make_unique<CashDrawer>(m_alias, *com, DrawerUsesSoftwareFlow(DrawerPlace::Till));
        if (const auto error = m_drawer->open())
            m_prompter.information(*error);
    }
    emit changed();
    return true;
}

void PosSale::reset() {
    m_step = Step::NoSale;
    m_searchVisible = false;
    m_quantityVisible = false;
    m_discountVisible = false;
    m_salespersonVisible = false;
    m_cashDiscountVisible = false;
    m_customerListVisible = false;
    m_thankYouEnabled = false;
    m_drawerPicture = false;
    m_changeShown = false;
    m_deletingLine = false;
    m_salespersonChosen = false;
    m_lines.clear();
    m_cashDiscount.reset();
    m_totals = PosTotals({}, std::nullopt, m_kind);
    m_header = DocumentHeader();
    m_customer = PosCustomer();
    m_customerCodeText.clear();
    m_address1.clear();
    m_address2.clear();
    m_onHandText.clear();
    m_codeText.clear();
    m_cashDiscountText.clear();
    m_receivedText.clear();
    m_quantityText = QStringLiteral("0");
    m_discountText = QStringLiteral("0");
    m_nextQuantity = 0;
    m_nextDiscount = 0;
    m_tendered = Money();
    m_change = Money();
    m_focus = Focus::CustomerCode;
}

void PosSale::recompute() {
    m_totals = PosTotals(m_lines.prices(), m_cashDiscount, m_kind);
}

// --- the customer ------------------------------------------------------------------------

void PosSale::enterCustomerCode() {
    guarded([this] {
        if (m_step != Step::NoSale)
            return;
        if (m_customerCodeText.isEmpty()) {
            m_customerList.setCustomers(m_store->customers());
            m_customerListVisible = true;
            m_focus = Focus::CustomerList;
            return;
        }
        if (const auto customer = m_store->customerStartingWith(m_customerCodeText)) {
            startSale(*customer);
            return;
        }
        m_customer = PosCustomer();
        m_address1.clear();
        m_address2.clear();
        m_focus = Focus::CustomerCode;
    });
}

void PosSale::clickCustomer(int row) {
    if (m_customerListVisible && row >= 0 && row < m_customerList.rowCount())
        m_customerCodeText = m_customerList.codeAt(row);
    emit changed();
}

void PosSale::closeCustomerList(int row) {
    if (!m_customerListVisible)
        return;
    if (row >= 0 && row < m_customerList.rowCount())
        m_customerCodeText = m_customerList.codeAt(row);
    m_customerListVisible = false;
    m_focus = Focus::CustomerCode;
    emit changed();
}

void PosSale::startSale(const PosCustomer& customer) {
    m_customer = customer;
    m_customerCodeText = customer.code;
    m_header = DocumentHeader();
    m_header.invNo = TemporaryNumber();
    m_header.invType = QString(DocumentKind::get(m_kind).digitChar());
    m_header.invDate = ThaiDateText(now().date());
    m_header.custNo = customer.code;
    m_header.custName = customer.name;
    m_header.custCre = customer.creditTerm;
    m_header.dueDate = DueDateForTerm(m_header.invDate, customer.creditTerm);
    m_header.taxRate = TaxRateOf(m_kind);

    m_address1 = customer.address1.trimmed() + QLatin1Char(' ') + customer.address2.trimmed();
    m_address2 = customer.province.trimmed();
    if (!customer.tel.trimmed().isEmpty())
        m_address2 += QStringLiteral(" Tel ") + customer.tel;
    if (!customer.fax.trimmed().isEmpty())
        m_address2 += QStringLiteral(" fax ") + customer.fax;

    m_lines.clear();
    m_cashDiscount.reset();
    m_salespersonChosen = false;
    recompute();
    m_step = Step::SaleOpen;
    m_focus = Focus::ProductCode;
}

// --- the lines ---------------------------------------------------------------------------

void PosSale::enterProductCode() {
    guarded([this] {
        if (m_step != Step::SaleOpen)
            return;
        if (m_codeText.isEmpty()) {
            m_search->open();
            m_searchVisible = true;
            m_focus = Focus::SearchField;
            return;
        }
        const QString code = m_codeText;
        m_codeText.clear();
        m_focus = Focus::ProductCode;
        const auto product = m_store->product(code);
        if (!product) {
            m_prompter.information(PosText::CodeNotFound);
            return;
        }
        addLine(*product);
    });
}

void PosSale::addLine(const PosProduct& product) {
    m_focus = Focus::ProductCode;
    const double onHand = m_store->onHand(product.code);
    m_onHandText = ShortNumberText(onHand);
    const double quantity = m_nextQuantity > 0 ? m_nextQuantity : 1;
    const double discount = m_nextDiscount > 0 ? m_nextDiscount : 0;
    // Lines of the same product already on this sale are not counted: they are not stored yet.
    if (onHand < quantity) {
        m_quantityText = QStringLiteral("0");
        m_nextQuantity = 0;
        m_prompter.information(PosText::NotEnoughStock(onHand));
        return;
    }
    DocumentLine line;
    line.invNo = m_header.invNo;
    line.proNo = product.code;
    line.proName = product.name;
    line.proQty = quantity;
    line.unitPrice = QuantityBreakPrice(product.prices, quantity, m_levels);
    line.discount = discount;
    line.stkPost = 1;
    line.earn = quantity;
    line.vStatus = product.vatFlag;
    line.pBill = product.unit;
    line.price = LineAmount(quantity, line.unitPrice.value_or(Money()), discount).price;
    m_lines.append(line);

    m_nextQuantity = 0;
    m_nextDiscount = 0;
    m_quantityText = QStringLiteral("0");
    m_discountText = QStringLiteral("0");
    m_quantityVisible = false;
    m_discountVisible = false;
    recompute();
}

bool PosSale::productCodeKey(QChar key) {
    if (!m_active || m_step != Step::SaleOpen)
        return false;
    switch (key.unicode()) {
    case u'*':
        m_quantityVisible = true;
        m_quantityText = QStringLiteral("1");
        m_focus = Focus::Quantity;
        break;
    case u'/':
        m_discountVisible = true;
        m_focus = Focus::LineDiscount;
        break;
    case u'-':
        // The grid deletes on Enter while the code field holds "-".
        m_deletingLine = true;
        m_codeText = QStringLiteral("-");
        m_focus = Focus::Lines;
        break;
    case u'+':
        save();
        return true;
    case u'?':
        m_codeText.clear();
        enterProductCode();
        return true;
    case 1: // Alt+1 on the keypad, Ctrl+A
        openCashDiscount();
        return true;
    case 3: // Alt+3 on the keypad, Ctrl+C
        openSalespeople();
        return true;
    default:
        return false;
    }
    emit changed();
    return true;
}

void PosSale::enterQuantity() {
    guarded([this] {
        if (m_step != Step::SaleOpen || !IsNumberText(m_quantityText, m_prompter))
            return;
        m_nextQuantity = NumberOfText(m_quantityText);
        m_focus = Focus::ProductCode;
    });
}

void PosSale::enterLineDiscount() {
    guarded([this] {
        if (m_step != Step::SaleOpen || !IsNumberText(m_discountText, m_prompter))
            return;
        m_nextDiscount = NumberOfText(m_discountText);
        m_focus = Focus::ProductCode;
    });
}

void PosSale::gridEnter(int row) {
    guarded([this, row] {
        if (m_step != Step::SaleOpen)
            return;
        if (m_deletingLine) {
            switch (m_prompter.askYesNoCancel(PosText::DeleteLine)) {
            case Prompter::Answer::Yes:
                if (row >= 0 && row < m_lines.rowCount())
                    m_lines.removeAt(row);
                recompute();
                break;
            case Prompter::Answer::No:
                m_prompter.information(PosText::DeleteCancelled);
                recompute();
                break;
            case Prompter::Answer::Cancel:
                break;
            }
        }
        m_deletingLine = false;
        m_codeText.clear();
        m_focus = Focus::ProductCode;
    });
}

void PosSale::openCashDiscount() {
    guarded([this] {
        if (m_step != Step::SaleOpen)
            return;
        m_cashDiscountVisible = true;
        m_cashDiscount = Money();
        m_cashDiscountText = QStringLiteral("0");
        recompute();
        m_focus = Focus::CashDiscount;
    });
}

void PosSale::enterCashDiscount() {
    guarded([this] {
        if (m_step != Step::SaleOpen || !m_cashDiscountVisible)
            return;
        if (m_cashDiscountText.trimmed().isEmpty()) {
            m_cashDiscount.reset();
        } else {
            if (!IsNumberText(m_cashDiscountText, m_prompter))
                return;
            m_cashDiscount = MoneyOfText(m_cashDiscountText);
        }
        m_cashDiscountVisible = false;
        recompute();
        m_focus = Focus::ProductCode;
    });
}

void PosSale::openSalespeople() {
    guarded([this] {
        if (m_step != Step::SaleOpen)
            return;
        m_salespersonVisible = true;
        m_focus = Focus::Salesperson;
    });
}

void PosSale::chooseSalesperson(int index) {
    guarded([this, index] {
        if (m_step != Step::SaleOpen || !m_salespersonVisible || index < 0 ||
            index >= m_salespeople.size())
            return;
        m_salespersonIndex = index;
        m_header.saleNo = m_salespeople.at(index).code;
        m_header.saleName = m_salespeople.at(index).name;
        m_salespersonChosen = true;
        m_focus = Focus::ProductCode;
    });
}

// --- the product search panel ------------------------------------------------------------

void PosSale::searchBy(PosProductSearch::By by) {
    guarded([this, by] {
        if (m_searchVisible)
            m_search->setBy(by);
    });
}

void PosSale::searchType(const QString& text) {
    guarded([this, &text] {
        if (m_searchVisible)
            m_search->type(text);
    });
}

void PosSale::searchClick(int row) {
    guarded([this, row] {
        if (m_searchVisible)
            m_search->clickRow(row);
    });
}

void PosSale::searchEnter() {
    guarded([this] {
        if (!m_searchVisible || m_step != Step::SaleOpen)
            return;
        if (m_search->by() == PosProductSearch::By::Name)
            m_search->takeFullName();
        m_searchVisible = false;
        m_focus = Focus::ProductCode;
        const auto shown = m_search->current();
        if (!shown)
            return;
        // The grid may be older than the register: the line takes the product as it is now.
        if (const auto product = m_store->product(shown->code))
            addLine(*product);
        else
            m_prompter.information(PosText::CodeNotFound);
    });
}
