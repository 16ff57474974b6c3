#pragma once

#include "shopcore/documents/pos/possale.h"
#include "shopcore/foundation/localfiles.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// The POS till screen: the customer, the product code field the scanner types into, the
// lines grid, the totals with the amount due in large figures, and the panels for the cash
// discount, the payment, the customer list and the product search. Its behaviour is PosSale's;
// this window shows it and passes the keys on.
class Tpos2 : public QWidget {
    Q_OBJECT
public:
    Tpos2(std::unique_ptr<PosSale> sale, const LocalFiles& files = LocalFiles::standard(),
          QWidget* parent = nullptr);
    ~Tpos2() override;

    PosSale& sale() { return *m_sale; }

    QLineEdit* customerCodeEdit() const { return m_customerCode; }
    QLineEdit* customerNameEdit() const { return m_customerName; }
    QLineEdit* productCodeEdit() const { return m_productCode; }
    QLineEdit* quantityEdit() const { return m_quantity; }
    QLineEdit* lineDiscountEdit() const { return m_lineDiscount; }
    QComboBox* salespersonList() const { return m_salesperson; }
    QTableView* linesView() const { return m_lines; }
    QLabel* amountDueLabel() const { return m_amountDue; }
    QLabel* hintLabel() const { return m_hint; }
    QFrame* totalsPanel() const { return m_totalsPanel; }
    QPushButton* cashDiscountButton() const { return m_cashDiscountButton; }
    QFrame* cashDiscountPanel() const { return m_cashDiscountPanel; }
    QLineEdit* cashDiscountEdit() const { return m_cashDiscount; }
    QFrame* paymentPanel() const { return m_paymentPanel; }
    QLineEdit* receivedEdit() const { return m_received; }
    QLabel* changeLabel() const { return m_change; }
    QPushButton* thankYouButton() const { return m_thankYou; }
    QFrame* customerListPanel() const { return m_customerListPanel; }
    QTableView* customerListView() const { return m_customerList; }
    QPushButton* customerListCloseButton() const { return m_customerListClose; }
    QFrame* searchPanel() const { return m_searchPanel; }
    QLineEdit* searchEdit() const { return m_searchText; }
    QTableView* searchView() const { return m_searchGrid; }
    QRadioButton* searchByCodeButton() const { return m_searchByCode; }
    QRadioButton* searchByNameButton() const { return m_searchByName; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCustomer();
    QWidget* buildEntry();
    QWidget* buildTotals();
    QFrame* buildCashDiscount();
    QFrame* buildPayment();
    QFrame* buildCustomerList();
    QFrame* buildSearch();
    void connectFields();
    void refresh();
    void applyFocus();
    bool productCodeKey(QKeyEvent* event);

    std::unique_ptr<PosSale> m_sale;
    LocalFiles m_files;
    bool m_activated = false;

    QLineEdit* m_customerCode;
    QLineEdit* m_customerName;
    QLineEdit* m_address1;
    QLineEdit* m_address2;
    QLineEdit* m_productCode;
    QLabel* m_hint;
    QLabel* m_quantityCaption;
    QLineEdit* m_quantity;
    QLabel* m_lineDiscountCaption;
    QLineEdit* m_lineDiscount;
    QLabel* m_salespersonCaption;
    QComboBox* m_salesperson;
    QTableView* m_lines;
    QFrame* m_totalsPanel;
    QLabel* m_amountDue;
    QLabel* m_onHand;
    QLabel* m_tax;
    QLabel* m_discountShown;
    QLabel* m_sum;
    QLabel* m_creditTerm;
    QLabel* m_dueDate;
    QPushButton* m_cashDiscountButton;
    QFrame* m_cashDiscountPanel;
    QLineEdit* m_cashDiscount;
    QFrame* m_paymentPanel;
    QLabel* m_shopName;
    QLabel* m_paymentTotal;
    QLineEdit* m_received;
    QLabel* m_change;
    QPushButton* m_thankYou;
    QFrame* m_customerListPanel;
    QTableView* m_customerList;
    QPushButton* m_customerListClose;
    QFrame* m_searchPanel;
    QRadioButton* m_searchByCode;
    QRadioButton* m_searchByName;
    QLabel* m_searchLabel;
    QLineEdit* m_searchText;
    QTableView* m_searchGrid;
};
