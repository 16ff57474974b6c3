#pragma once

#include "poscustomerlist.h"
#include "poslinesmodel.h"
#include "posproductsearch.h"
#include "posstore.h"

#include "shopcore/documents/documentrecords.h"
#include "shopcore/documents/documenttotals.h"
#include "shopcore/foundation/alias.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>

class CashDrawer;
class Connection;
class Prompter;
struct ProgramState;

// The texts the till shows.
namespace PosText {
inline const QString Hint = QStringLiteral(" กด * , / , - , + , Alt+1,  Alt+3, ?");
inline const QString CodeNotFound = QStringLiteral("ไม่พบรหัสนี้... ");
QString NotEnoughStock(double onHand);
inline const QString DeleteLine = QStringLiteral("ลบข้อมูลรายการนี้ จำนวนสินค้าจะกลับคืน STOCK");
inline const QString DeleteCancelled =
    QStringLiteral("คุณ ยกเลิก การลบรายการนี้... ข้อมูลจะไม่ถูกลบออกจากระบบ ");
inline const QString SaveQuestion = QStringLiteral("ต้องการเก็บข้อมูลนี้ เข้าระบบหรือไม่");
inline const QString TryAgain = QStringLiteral("ลองใหม่อีกครั้ง ...");
// A failed save keeps the sale on the screen, so the message says so instead of "cancelled".
inline const QString SaveFailed =
    QStringLiteral("ไม่สามารถบันทึกข้อมูลได้ \n ตรวจจำนวนสินค้าด้วย หรืออาจเกิดจาก User อื่นกำลัง Lock "
                   "ข้อมูล อยู่ \n รายการขายนี้ยังอยู่ กด + เพื่อบันทึกอีกครั้ง");
inline const QString HeaderNotWritten = QStringLiteral("ไม่สามารเขียนข้อมูล 1 ได้");
inline const QString LineNotWritten = QStringLiteral("ไม่สามารเขียนข้อมูล 2 ได้");
inline const QString NotEnoughMoney = QStringLiteral(" จำนวนเงินไม่พอชำระค่าสินค้า.. ");
inline const QString PrintQuestion = QStringLiteral("ต้องการพิมพ์ หรือไม่");
} // namespace PosText

// What the finishing step hands to the printing: the sale just saved, the layout of LINE5,
// preview or printer by VIEW1, and the cash of the payment step for the slips.
struct PosSlipRequest {
    QString number;
    int slipLayout = 0; // 0 TPosDO4s, 1 TPosDO8, 2 tPos_Slip3, 3 tPos_Slip4
    bool preview = true;
    Money received;
    Money change;
};
// Prints through the till's own connection; reports its own failures to the user.
using PosSlipPrinter = std::function<void(const PosSlipRequest&, const QSqlDatabase&)>;

// The till: a sale of kind 1 or 2 rung up for one customer, saved under the next number of
// the queue, paid in cash with change, and printed. Everything the cashier is asked or told
// goes through the Prompter; the screen shows what this class holds and calls its actions
// on the keys. Each action ends with changed().
class PosSale : public QObject {
    Q_OBJECT
public:
    enum class Step { NoSale, SaleOpen, Payment };
    // Where the cursor belongs after an action.
    enum class Focus {
        CustomerCode,
        CustomerList,
        ProductCode,
        Quantity,
        LineDiscount,
        Lines,
        CashDiscount,
        Salesperson,
        SearchField,
        Received,
        ThankYou,
    };
    enum class PanelColour { Yellow, Red };

    PosSale(const AliasEntry& alias, int kind, const ProgramState& program, Prompter& prompter,
            QObject* parent = nullptr);
    ~PosSale() override;

    void setSlipPrinter(PosSlipPrinter printer) { m_printer = std::move(printer); }
    // Today and the time of saving come from here (the system clock unless set).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // First activation: the settings, the salespeople, the price levels and the drawer port.
    // Later activations do nothing. False, after the engine's message, when the store cannot
    // be reached; the till then stays unusable.
    bool activate();
    bool isActive() const { return m_active; }
    QSqlDatabase db() const;

    // What the screen shows.
    int kind() const { return m_kind; }
    PanelColour panelColour() const { return m_kind == 2 ? PanelColour::Red : PanelColour::Yellow; }
    Step step() const { return m_step; }
    Focus focus() const { return m_focus; }
    const PosSettings& settings() const { return m_settings; }
    const DocumentHeader& header() const { return m_header; }
    const PosTotalsResult& totals() const { return m_totals; }
    QString onHandText() const { return m_onHandText; }
    QString customerCodeText() const { return m_customerCodeText; }
    QString customerName() const { return m_customer.name; }
    QString customerAddress1() const { return m_address1; }
    QString customerAddress2() const { return m_address2; }
    QString creditTerm() const {
        return m_step == Step::NoSale ? QString() : m_customer.creditTerm;
    }
    QString dueDate() const { return m_step == Step::NoSale ? QString() : m_header.dueDate; }
    QString codeText() const { return m_codeText; }
    QString quantityText() const { return m_quantityText; }
    QString discountText() const { return m_discountText; }
    QString cashDiscountText() const { return m_cashDiscountText; }
    QString receivedText() const { return m_receivedText; }
    QString changeText() const { return m_changeShown ? m_change.format() : QString(); }
    QString amountDueText() const { return m_totals.amountDue.format(); }
    Money tendered() const { return m_tendered; }
    Money change() const { return m_change; }
    QStringList salespersonNames() const;
    int salespersonIndex() const { return m_salespersonIndex; }
    QString currentNumber() const { return m_currentNumber; }
    bool customerLocked() const { return m_step != Step::NoSale; }
    bool productCodeEnabled() const { return m_step == Step::SaleOpen; }
    bool hintVisible() const { return m_focus == Focus::ProductCode && productCodeEnabled(); }
    bool quantityVisible() const { return m_quantityVisible; }
    bool discountVisible() const { return m_discountVisible; }
    bool salespersonVisible() const { return m_salespersonVisible; }
    bool cashDiscountVisible() const { return m_cashDiscountVisible; }
    bool customerListVisible() const { return m_customerListVisible; }
    bool searchVisible() const { return m_searchVisible; }
    bool paymentVisible() const { return m_step == Step::Payment; }
    bool thankYouEnabled() const { return m_thankYouEnabled; }
    // The thank-you button shows the drawer picture once cash was taken.
    bool drawerPictureShown() const { return m_drawerPicture; }

    PosLinesModel* lines() { return &m_lines; }
    PosCustomerList* customerList() { return &m_customerList; }
    PosProductSearch* productSearch() { return m_search.get(); }

    // Typing into a field (no action of its own).
    void setCustomerCodeText(const QString& text) { m_customerCodeText = text; }
    void setCodeText(const QString& text) { m_codeText = text; }
    void setQuantityText(const QString& text) { m_quantityText = text; }
    void setDiscountText(const QString& text) { m_discountText = text; }
    void setCashDiscountText(const QString& text) { m_cashDiscountText = text; }
    void setReceivedText(const QString& text) { m_receivedText = text; }

    // Customer code field and customer list panel.
    void enterCustomerCode();
    void clickCustomer(int row);
    void closeCustomerList(int row); // Enter in the list, or "ปิด"

    // Product code field: Enter, and the command keys (true when the key was one).
    void enterProductCode();
    bool productCodeKey(QChar key);
    void enterQuantity();
    void enterLineDiscount();
    void gridEnter(int row); // Enter in the lines grid
    void openCashDiscount(); // Alt+1, Ctrl+A, "ลดเงิน&สด"
    void enterCashDiscount();
    void openSalespeople(); // Alt+3, Ctrl+C
    void chooseSalesperson(int index);

    // Product search panel.
    void searchBy(PosProductSearch::By by);
    void searchType(const QString& text);
    void searchClick(int row);
    void searchEnter();

    void save(); // "+"
    void enterReceived();
    void finish(); // the thank-you button
    // The screen is closing: a sale not yet saved that has lines is saved or given up on the
    // cashier's word. False: keep the screen open.
    bool close();

signals:
    void changed();

private:
    enum class SaveOutcome { Saved, Kept, Discarded };

    void guarded(const std::function<void()>& action);
    void reconnectIfNeeded();
    void startSale(const PosCustomer& customer);
    void addLine(const PosProduct& product);
    void recompute();
    void reset();
    SaveOutcome saveSale();
    std::optional<QString> trySave(Document& doc, bool pastStoredNumbers);
    void takePayment();
    void kickDrawer();
    void finishSale();
    QDateTime now() const { return m_clock ? m_clock() : QDateTime::currentDateTime(); }

    AliasEntry m_alias;
    int m_kind;
    const ProgramState& m_program;
    Prompter& m_prompter;
    PosSlipPrinter m_printer;
    std::function<QDateTime()> m_clock;

    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<PosStore> m_store;
    std::unique_ptr<CashDrawer> m_drawer;
    std::unique_ptr<PosProductSearch> m_search;
    bool m_active = false;
    bool m_connectionSuspect = false;
    PosSettings m_settings;
    PriceLevels m_levels;
    QList<Salesperson> m_salespeople;

    Step m_step = Step::NoSale;
    Focus m_focus = Focus::CustomerCode;
    PosCustomer m_customer;
    DocumentHeader m_header;
    PosLinesModel m_lines;
    PosCustomerList m_customerList;
    PosTotalsResult m_totals;
    std::optional<Money> m_cashDiscount;
    double m_nextQuantity = 0;
    double m_nextDiscount = 0;
    int m_salespersonIndex = -1;
    bool m_salespersonChosen = false;
    bool m_deletingLine = false;

    QString m_customerCodeText, m_address1, m_address2, m_onHandText;
    QString m_codeText, m_quantityText, m_discountText, m_cashDiscountText, m_receivedText;
    bool m_quantityVisible = false;
    bool m_discountVisible = false;
    bool m_salespersonVisible = false;
    bool m_cashDiscountVisible = false;
    bool m_customerListVisible = false;
    bool m_searchVisible = false;
    bool m_thankYouEnabled = false;
    bool m_drawerPicture = false;
    bool m_changeShown = false;
    Money m_tendered;
    Money m_change;
    QString m_currentNumber;
};
