// The till's saving, payment and finishing steps.
#include "posnumbers.h"
#include "possale.h"

#include "shopcore/documents/cashdrawer.h"
#include "shopcore/documents/documentkind.h"
#include "shopcore/documents/documentnumbering.h"
#include "shopcore/documents/documentstore.h"
#include "shopcore/documents/settlement.h"
#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/programstate.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/thaitext.h"

namespace {

bool failedAt(const StoreError& e, const char* where) {
    return e.where() == QLatin1String(where);
}

} // namespace

void PosSale::save() {
    guarded([this] {
        if (m_step == Step::SaleOpen)
            saveSale();
    });
}

PosSale::SaveOutcome PosSale::saveSale() {
    switch (m_prompter.askYesNoCancel(PosText::SaveQuestion)) {
    case Prompter::Answer::Cancel:
        m_codeText.clear();
        m_focus = Focus::ProductCode;
        return SaveOutcome::Kept;
    case Prompter::Answer::No:
        reset();
        return SaveOutcome::Discarded;
    case Prompter::Answer::Yes:
        break;
    }

    // The number is taken and the sale written in one transaction with the queue locked, so
    // that stations saving at once each get their own number. A clash on the number (one
    // stored past the queue by another rule) is retried once, counting on from it.
    bool clashed = false;
    for (;;) {
        Document doc;
        std::optional<QString> number;
        try {
            reconnectIfNeeded();
            number = trySave(doc, clashed);
        } catch (const StoreError& e) {
            if (e.kind() == StoreError::Kind::DuplicateKey &&
                failedAt(e, DocumentStore::HeaderWrite) && !clashed) {
                clashed = true;
                continue;
            }
            m_connectionSuspect = true;
            if (failedAt(e, DocumentStore::HeaderWrite))
                m_prompter.information(PosText::HeaderNotWritten);
            else if (failedAt(e, DocumentStore::LineWrite))
                m_prompter.information(PosText::LineNotWritten);
            m_prompter.information(PosText::SaveFailed);
            m_codeText.clear();
            m_focus = Focus::ProductCode;
            return SaveOutcome::Kept;
        }
        if (!number) {
            // The numbering has told why; the sale stays as it is unless tried again.
            if (m_prompter.askYesNo(PosText::TryAgain))
                continue;
            m_codeText.clear();
            m_focus = Focus::ProductCode;
            return SaveOutcome::Kept;
        }
        m_header = doc.header;
        m_currentNumber = *number;
        if (SettlementFlag(m_customer.creditTerm) == 1)
            takePayment();
        else
            finishSale();
        return SaveOutcome::Saved;
    }
}

std::optional<QString> PosSale::trySave(Document& doc, bool pastStoredNumbers) {
    const PosTotalsResult totals = PosTotals(m_lines.prices(), m_cashDiscount, m_kind);
    const QDateTime at = now();
    doc.header = m_header;
    doc.header.invDate = ThaiDateText(at.date());
    doc.header.invTime = QTime(at.time().hour(), at.time().minute(), at.time().second());
    doc.header.custNo = m_customer.code;
    doc.header.custName = m_customer.name;
    doc.header.custCre = m_customer.creditTerm;
    doc.header.total = totals.net;
    doc.header.tax = totals.tax;
    doc.header.sumTotal = totals.amountDue;
    doc.header.discount = totals.discount;
    doc.header.taxRate = totals.taxRate;
    doc.header.idCode1 = m_program.loginName;
    if (!m_salespersonChosen) {
        doc.header.saleNo.clear();
        doc.header.saleName.clear();
    }
    doc.lines = m_lines.lines();

    const DocumentKind& kind = DocumentKind::get(m_kind);
    QueueSeries series{SeriesHead(m_kind, m_settings.prefixes), kind.headerTable, kind.queueField,
                       pastStoredNumbers};
    DocumentStore store(m_connection->db(), m_kind);
    return store.saveNew(doc, [&](const QSqlDatabase& db) {
        return NextDocumentNumberFromQueue(db, series, m_prompter);
    });
}

// --- payment and finishing ---------------------------------------------------------------

void PosSale::takePayment() {
    m_step = Step::Payment;
    m_receivedText.clear();
    m_tendered = Money();
    m_change = Money();
    m_changeShown = false;
    m_thankYouEnabled = false;
    m_drawerPicture = false;
    m_focus = Focus::Received;
}

void PosSale::kickDrawer() {
    if (!m_drawer)
        return;
    if (!m_drawer->isOpen()) {
        if (const auto error = m_drawer->open()) {
            m_prompter.information(*error);
            return;
        }
    }
    if (const auto error = m_drawer->kick())
        m_prompter.information(*error);
}

void PosSale::enterReceived() {
    if (!m_active || m_step != Step::Payment || m_receivedText.isEmpty())
        return;
    m_tendered = Money();
    m_change = Money();
    m_changeShown = false;
    m_thankYouEnabled = false;
    m_drawerPicture = true;
    // The drawer opens on every Enter, before the amount is looked at.
    kickDrawer();
    if (!IsNumberText(m_receivedText, m_prompter)) {
        m_receivedText.clear();
        emit changed();
        return;
    }
    m_tendered = MoneyOfText(m_receivedText);
    m_receivedText = m_tendered.format();
    const Money due = m_header.sumTotal;
    m_change = due.isZero() ? m_tendered : m_tendered - due;
    if (m_change.isNegative()) {
        m_prompter.information(PosText::NotEnoughMoney);
        m_receivedText.clear();
    } else {
        m_changeShown = true;
        m_thankYouEnabled = true;
        m_focus = Focus::ThankYou;
    }
    emit changed();
}

void PosSale::finish() {
    if (!m_active || m_step != Step::Payment || !m_thankYouEnabled)
        return;
    finishSale();
    emit changed();
}

void PosSale::finishSale() {
    const bool credit = m_step != Step::Payment;
    if (m_settings.printMode != 2 && m_prompter.askYesNo(PosText::PrintQuestion) && m_printer) {
        PosSlipRequest request;
        request.number = m_currentNumber;
        request.slipLayout = m_settings.slipLayout;
        request.preview = m_settings.printMode != 1;
        if (!credit) {
            request.received = m_tendered;
            request.change = m_change;
        }
        m_printer(request, m_connection->db());
    }
    reset();
}

bool PosSale::close() {
    if (m_active && m_step == Step::SaleOpen && m_lines.rowCount() > 0) {
        try {
            saveSale();
        } catch (const StoreError& e) {
            m_prompter.information(e.message());
        }
        emit changed();
        if (m_step != Step::NoSale)
            return false;
    }
    if (m_drawer)
        m_drawer->close();
    return true;
}
