#include "stockprocessing.h"
#include "exclusiveuse.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

StockProcessingForm StockProcessingForm::retail() {
    return {QStringLiteral("ปรับ STOCK สินค้า"), MovementSource::purchases(), MovementSource::sales()};
}

StockProcessingForm StockProcessingForm::rental() {
    return retail();
}

StockProcessingForm StockProcessingForm::service() {
    return {QStringLiteral("ปรับระบบฐานข้อมูล"), MovementSource::purchases(),
            MovementSource::repairParts()};
}

StockProcessing::StockProcessing(const AliasEntry& alias, StockProcessingForm form,
                                 Prompter& prompter)
    : m_alias(alias), m_form(std::move(form)), m_prompter(prompter) {}

StockProcessing::~StockProcessing() {
    m_exclusive.reset();
    m_connection.reset();
}

bool StockProcessing::open() {
    try {
        m_connection = std::make_unique<Connection>(m_alias, QStringLiteral("process_stock"));
        m_exclusive = std::make_unique<ExclusiveUse>(m_connection->db());
        // A million changed lines stay in memory until the commit instead of spilling.
        if (!m_connection->dialect().isPostgres())
            runSql(m_connection->db(), QStringLiteral("PRAGMA cache_size = -262144"),
                   "StockProcessing::open");
    } catch (const StoreError& e) {
        m_exclusive.reset();
        m_connection.reset();
        m_prompter.information(e.message());
        return false;
    }
    m_open = true;
    emit statesChanged();
    return true;
}

std::optional<double> StockProcessing::newBalance(const QString& code) const {
    const auto it = m_changes.constFind(code);
    if (it == m_changes.cend())
        return std::nullopt;
    return m_balances.value(code) + it.value();
}

void StockProcessing::reportProgress(qsizetype row, qsizetype count) {
    // A few hundred steps are enough for the bar, however many lines there are.
    const qsizetype step = std::max<qsizetype>(1, count / 400);
    if (row % step == 0 || row == count - 1)
        emit progressMoved(int(row));
}

void StockProcessing::fold(QList<Movement>& lines, double sign, Page page) {
    emit pageShown(page);
    emit progressRange(int(lines.size() - 1));
    for (qsizetype row = 0; row < lines.size(); ++row) {
        Movement& line = lines[row];
        const auto product = m_balances.constFind(line.code);
        if (product != m_balances.cend()) {
            line.code = product.key(); // one shared copy of each code
            m_changes[line.code] += sign * line.quantity;
        }
        reportProgress(row, lines.size());
    }
    for (Movement& line : lines)
        line.stockCode = 0;
}

void StockProcessing::runStep1() {
    if (!step1Enabled())
        return;
    m_state = State::Processed;
    emit statesChanged();
    try {
        const QSqlDatabase db = m_connection->db();
        m_incoming = StockMovements::readOpen(db, m_form.incoming);
        m_outgoing = StockMovements::readOpen(db, m_form.outgoing);
        m_balances = StockMovements::balances(db);
    } catch (const StoreError& e) {
        m_incoming.clear();
        m_outgoing.clear();
        m_prompter.information(e.message());
        m_state = State::Finished;
        emit linesChanged();
        emit statesChanged();
        return;
    }
    fold(m_incoming, +1, Page::Incoming);
    fold(m_outgoing, -1, Page::Outgoing);
    emit progressMoved(0);
    m_hasRows = !m_incoming.isEmpty() || !m_outgoing.isEmpty();
    emit linesChanged();
    emit statesChanged();
}

void StockProcessing::runStep2() {
    if (!step2Enabled())
        return;
    try {
        StockMovements::fold(m_connection->db(),
                             {{m_form.incoming, &m_incoming}, {m_form.outgoing, &m_outgoing}},
                             m_changes);
    } catch (const StoreError&) {
        m_prompter.information(StockProcessingText::WriteFailed);
        // Discarded: the lines show their open codes again and no balance changes.
        for (Movement& line : m_incoming)
            line.stockCode = m_form.incoming.openCode;
        for (Movement& line : m_outgoing)
            line.stockCode = m_form.outgoing.openCode;
        m_changes.clear();
        emit linesChanged();
    }
    m_state = State::Finished;
    emit statesChanged();
}
