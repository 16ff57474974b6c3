#pragma once

#include "documentkind.h"
#include "documentrecords.h"

#include <QSqlDatabase>
#include <functional>
#include <optional>

// Gives the number of a new document from inside the save's transaction, so that reading the
// last number, writing the queue and writing the document are one unit of work (see
// NextDocumentNumber and NextDocumentNumberFromQueue). nullopt: no number, nothing is saved.
using NumberProvider = std::function<std::optional<QString>(const QSqlDatabase&)>;

// Another record written with the document in the same transaction: inserted when the key is
// empty, otherwise the records matching the key are updated.
struct RecordWrite {
    QString table;
    QVariantMap values;
    QVariantMap key;
};

// The documents of one kind: its header and line tables, and the edit log Cancel.
// Every save is one transaction: the header, its lines and the touched records are all
// written or none is (a failure throws StoreError and leaves the database as it was).
// On SQLite the transaction takes the write lock at once; on PostgreSQL a save is refused
// while stock is being processed (ExclusiveUse).
class DocumentStore {
public:
    DocumentStore(const QSqlDatabase& db, int kind);
    const DocumentKind& kind() const { return m_kind; }

    // Saves a new document: asks the provider for its number, puts the number in the header
    // and in every line in place of the temporary number, sets INV_TYPE, FG_OK, FG_BILL,
    // DUE_DATE and P_BILL (FlagsAtSaving) and writes everything. Returns the number, or
    // nullopt when the provider gave none. `doc` receives the saved values (number, flags,
    // line identities) only when the save committed.
    std::optional<QString> saveNew(Document& doc, const NumberProvider& number,
                                   const QList<RecordWrite>& touched = {});
    // StoreError::where() of a failed write of the new header, or of one of its lines.
    static constexpr const char* HeaderWrite = "DocumentStore::saveNew(header)";
    static constexpr const char* LineWrite = "DocumentStore::saveNew(line)";

    // Writes a saved document again under its own number: the header (only the fields the
    // screens write), its lines (changed, added and removed ones) and one row in Cancel that
    // logs the edit. FG_OK, DUE_DATE and P_BILL are set again from the date and term.
    void saveEdited(Document& doc, const QList<RecordWrite>& touched = {});

    std::optional<Document> load(const QString& invNo) const;
    QList<DocumentLine> linesOf(const QString& invNo) const;
    // The headers of a series (numbers beginning with the head), in number order.
    QList<DocumentHeader> headersOfSeries(const QString& head) const;

private:
    void writeTouched(const QList<RecordWrite>& touched) const;
    void stamp(DocumentHeader& header) const;

    QSqlDatabase m_db;
    DocumentKind m_kind;
};
