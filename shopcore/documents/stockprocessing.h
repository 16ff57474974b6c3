#pragma once

#include "stockmovements.h"

#include "shopcore/foundation/alias.h"

#include <QObject>
#include <memory>

class Connection;
class ExclusiveUse;
class Prompter;

// The forms of the stock processing window: the retail program's, the rental program's (the
// same movements) and the repair program's (parts lines of repair jobs instead of sales).
struct StockProcessingForm {
    QString title;
    MovementSource incoming;
    MovementSource outgoing;

    static StockProcessingForm retail();
    static StockProcessingForm rental();
    static StockProcessingForm service();
};

namespace StockProcessingText {
inline const QString IncomingPage = QStringLiteral("นำเข้า");
inline const QString OutgoingPage = QStringLiteral("จำหน่ายออก");
inline const QString Step1 = QStringLiteral("1.  เริ่มดำเนินการปรับปรุงข้อมูล");
inline const QString Step2 = QStringLiteral("2.  เขียนลงฐานข้อมูลจริง");
inline const QString Quit = QStringLiteral("เลิก");
inline const QString WriteFailed = QStringLiteral("ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ .. ข้อมูล ถูกยกเลิก... ");
} // namespace StockProcessingText

// Folds the open movements into the products' stored balances. Step 1 works in memory only:
// each incoming line adds its quantity to its product, each outgoing line subtracts it, a line
// whose product is missing changes nothing, and every line's code is shown as 0. Step 2 writes
// the lines and balances in one transaction, or, failing, shows the failure and discards the
// changes. The window's connection keeps the database in exclusive use for its whole life.
class StockProcessing : public QObject {
    Q_OBJECT
public:
    enum class Page { Incoming, Outgoing };
    enum class State { Idle, Processed, Finished };

    StockProcessing(const AliasEntry& alias, StockProcessingForm form, Prompter& prompter);
    ~StockProcessing() override;

    // Opens the window's own connection in exclusive use. False, after a Thai message, when
    // the store cannot be reached or other stations hold it.
    bool open();

    void runStep1();
    void runStep2();

    const StockProcessingForm& form() const { return m_form; }
    State state() const { return m_state; }
    bool step1Enabled() const { return m_state == State::Idle && m_open; }
    bool step2Enabled() const { return m_state == State::Processed && m_hasRows; }
    const QList<Movement>& incoming() const { return m_incoming; }
    const QList<Movement>& outgoing() const { return m_outgoing; }
    // The balance step 1 computed for a product (nullopt for a product it did not touch).
    std::optional<double> newBalance(const QString& code) const;

signals:
    void pageShown(StockProcessing::Page page);
    void progressRange(int maximum);
    void progressMoved(int value);
    void linesChanged();
    void statesChanged();

private:
    void fold(QList<Movement>& lines, double sign, Page page);
    void reportProgress(qsizetype row, qsizetype count);

    AliasEntry m_alias;
    StockProcessingForm m_form;
    Prompter& m_prompter;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<ExclusiveUse> m_exclusive;
    bool m_open = false;
    State m_state = State::Idle;
    bool m_hasRows = false;
    QList<Movement> m_incoming;
    QList<Movement> m_outgoing;
    QHash<QString, double> m_balances;
    QHash<QString, double> m_changes;
};
