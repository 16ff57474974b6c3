#pragma once

#include "scriptedprompter.h"
#include "testdatabase.h"

#include "shopcore/documents/pos/possale.h"
#include "shopcore/foundation/programstate.h"

#include <QDateTime>
#include <memory>

// A shop for the till tests: prefixes SALE and VATS with one earlier sale in each series (so
// that no first number is asked), products, customers paying cash or on credit, salespeople,
// the price levels 1 / 10 / 20 / 50 / 100, and a till on a fixed clock whose prints are
// recorded instead of previewed.
namespace PosShop {

inline const QDateTime Now(QDate(2024, 1, 15), QTime(10, 30, 45));
inline const QString Today = QStringLiteral("15/01/2567");

struct Product {
    const char* code;
    const char* name;
    double price; // PRO_SPRICE; the levels 2 to 5 take 90, 80, 70 and 60 % of it
    double stock;
    const char* unit = "ชิ้น";
    const char* vat = "1";
};

void seed(const QSqlDatabase& db);
void product(const QSqlDatabase& db, const Product& p);
void customer(const QSqlDatabase& db, const QString& code, const QString& name,
              const QString& creditTerm, const QString& tel = {}, const QString& fax = {});
void setting(const QSqlDatabase& db, const char* field, const QString& value);
QString queued(const QSqlDatabase& db, const char* field = "QUE_INV_N");
// The sales stored since the seed, in number order.
QStringList savedNumbers(const QSqlDatabase& db);

} // namespace PosShop

class PosTill {
public:
    PosTill(const TestDatabase& db, int kind = 1, const AliasEntry* alias = nullptr);

    PosSale& sale() { return *m_sale; }
    PosSale* operator->() { return m_sale.get(); }
    ScriptedPrompter& prompter() { return m_prompter; }
    ProgramState& program() { return m_program; }
    const QList<PosSlipRequest>& printed() const { return m_printed; }

    void customer(const QString& code);
    void scan(const QString& code);
    // A command key in the product code field, then, when given, the field's text and Enter.
    void key(char key);
    void quantity(const QString& text);
    void lineDiscount(const QString& text);
    void cashDiscount(const QString& text);
    void received(const QString& text);
    // Saves with Yes; the till then waits for cash (cash customers) or has finished.
    std::optional<QString> saveYes();

private:
    ProgramState m_program;
    ScriptedPrompter m_prompter;
    QList<PosSlipRequest> m_printed;
    std::unique_ptr<PosSale> m_sale;
};
