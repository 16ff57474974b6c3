#include "documentstore.h"
#include "exclusiveuse.h"
#include "settlement.h"

#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "shopcore/foundation/transaction.h"

#include <QSet>

DocumentStore::DocumentStore(const QSqlDatabase& db, int kind)
    : m_db(db), m_kind(DocumentKind::get(kind)) {}

void DocumentStore::stamp(DocumentHeader& h) const {
    h.invType = QString(m_kind.digitChar());
    const SavingFlags f = FlagsAtSaving(h.invDate, h.custCre, h.invNo, h.custNo);
    h.fgOk = f.fgOk;
    h.fgBill = f.fgBill;
    h.dueDate = f.dueDate;
    h.pBill = f.pBill;
}

void DocumentStore::writeTouched(const QList<RecordWrite>& touched) const {
    for (const RecordWrite& w : touched) {
        if (w.key.isEmpty())
            Records::insert(m_db, w.table, w.values, "DocumentStore::save");
        else
            Records::update(m_db, w.table, w.values, w.key, "DocumentStore::save");
    }
}

std::optional<QString> DocumentStore::saveNew(Document& doc, const NumberProvider& provider,
                                              const QList<RecordWrite>& touched) {
    Transaction tx(m_db, Transaction::Lock::WriteLockNow);
    ExclusiveUse::refuseWhileProcessing(m_db);
    const std::optional<QString> number = provider(m_db);
    if (!number)
        return std::nullopt;

    Document saved = doc;
    saved.header.invNo = *number;
    stamp(saved.header);
    Records::insert(m_db, m_kind.headerTable, saved.header.values(), HeaderWrite);
    for (DocumentLine& line : saved.lines) {
        line.invNo = *number;
        line.autoId = Records::insert(m_db, m_kind.lineTable, line.values(), LineWrite);
    }
    writeTouched(touched);
    tx.commit();
    doc = saved;
    return number;
}

void DocumentStore::saveEdited(Document& doc, const QList<RecordWrite>& touched) {
    Transaction tx(m_db, Transaction::Lock::WriteLockNow);
    ExclusiveUse::refuseWhileProcessing(m_db);

    Document saved = doc;
    const QString number = saved.header.invNo;
    stamp(saved.header);
    const QVariantMap key{{QStringLiteral("INV_NO"), number}};
    if (Records::update(m_db, m_kind.headerTable, saved.header.values(), key,
                        "DocumentStore::saveEdited") == 0)
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("DocumentStore::saveEdited"),
                         QStringLiteral("ไม่พบเอกสารเลขที่ %1 ในระบบ ไม่สามารถบันทึกได้").arg(number));

    QSet<qint64> stored;
    QSqlQuery q = runSql(
        m_db,
        QStringLiteral("SELECT auto FROM %1 WHERE inv_no = :NO").arg(m_kind.lineTable.toLower()),
        {{QStringLiteral("NO"), number}}, "DocumentStore::saveEdited");
    while (q.next())
        stored.insert(q.value(0).toLongLong());

    QSet<qint64> kept;
    for (DocumentLine& line : saved.lines) {
        line.invNo = number;
        if (line.autoId && stored.contains(*line.autoId)) {
            Records::update(m_db, m_kind.lineTable, line.values(),
                            {{QStringLiteral("AUTO"), *line.autoId}}, "DocumentStore::saveEdited");
            kept.insert(*line.autoId);
        } else {
            line.autoId =
                Records::insert(m_db, m_kind.lineTable, line.values(), "DocumentStore::saveEdited");
        }
    }
    for (qint64 id : std::as_const(stored))
        if (!kept.contains(id))
            Records::remove(m_db, m_kind.lineTable, {{QStringLiteral("AUTO"), id}},
                            "DocumentStore::saveEdited");

    Records::insert(m_db, QStringLiteral("Cancel"), {{QStringLiteral("CANC_NO"), number}},
                    "DocumentStore::saveEdited");
    writeTouched(touched);
    tx.commit();
    doc = saved;
}

QList<DocumentLine> DocumentStore::linesOf(const QString& invNo) const {
    QList<DocumentLine> lines;
    QSqlQuery q = runSql(m_db,
                         QStringLiteral("SELECT * FROM %1 WHERE inv_no = :NO ORDER BY auto")
                             .arg(m_kind.lineTable.toLower()),
                         {{QStringLiteral("NO"), invNo}}, "DocumentStore::linesOf");
    while (q.next())
        lines << DocumentLine::fromRow(rowOf(q));
    return lines;
}

std::optional<Document> DocumentStore::load(const QString& invNo) const {
    QSqlQuery q = runSql(
        m_db,
        QStringLiteral("SELECT * FROM %1 WHERE inv_no = :NO").arg(m_kind.headerTable.toLower()),
        {{QStringLiteral("NO"), invNo}}, "DocumentStore::load");
    if (!q.next())
        return std::nullopt;
    Document doc{DocumentHeader::fromRow(rowOf(q)), {}};
    q.finish();
    doc.lines = linesOf(invNo);
    return doc;
}

QList<DocumentHeader> DocumentStore::headersOfSeries(const QString& head) const {
    QList<DocumentHeader> out;
    QSqlQuery q = runSql(m_db,
                         QStringLiteral("SELECT * FROM %1 WHERE substr(inv_no, 1, 5) = :HEAD "
                                        "ORDER BY inv_no")
                             .arg(m_kind.headerTable.toLower()),
                         {{QStringLiteral("HEAD"), head}}, "DocumentStore::headersOfSeries");
    while (q.next())
        out << DocumentHeader::fromRow(rowOf(q));
    return out;
}
