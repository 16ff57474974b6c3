#pragma once

#include "documentnumber.h"

#include <QSqlDatabase>
#include <optional>

class Prompter;

// The two ways a document gets its number. Both ask for the first sequence of a new series
// with an input box and report failure with a message, both through the Prompter; both give
// nullopt on failure (message shown) or when the input box is cancelled (nothing shown).
// Called inside the save's transaction (DocumentStore::saveNew), the number and the document
// are written together.

// The document-entry rule: the highest number of the series stored in the header table,
// plus one. The queue is not consulted.
std::optional<QString> NextDocumentNumber(const QSqlDatabase& db, const QString& headerTable,
                                          const QString& head, Prompter& prompter);
std::optional<QString> NextDocumentNumber(const QSqlDatabase& db, int kind,
                                          const SeriesPrefixes& prefixes, Prompter& prompter);

// The till rule: the last number kept in a field of the single record of Que, plus one, once
// the header table holds a document of the series; the new number is written back to Que.
// A queue field still empty while the series has documents (begun on the document-entry
// screen) continues from the highest stored number.
// On PostgreSQL the queue record is locked (FOR UPDATE) until the transaction ends; on SQLite
// the caller's transaction takes the write lock at BEGIN.
struct QueueSeries {
    QString head;
    QString headerTable; // where documents of the series are looked for
    QString queueField;  // QUE_INV_N, QUE_INV_V, ..., QUE_SRV_V
    // After a clash on the number key (a number of the series stored by another rule, beyond
    // the queue): count on from the highest stored number when it is past the queue's.
    bool pastStoredNumbers = false;
};
std::optional<QString> NextDocumentNumberFromQueue(const QSqlDatabase& db,
                                                   const QueueSeries& series, Prompter& prompter);
// Kinds 1 to 5 of the retail program (kind 6 keeps no queue field and always fails).
std::optional<QString> NextDocumentNumberFromQueue(const QSqlDatabase& db, int kind,
                                                   const SeriesPrefixes& prefixes,
                                                   Prompter& prompter);

// The highest stored number of a series (an empty text when there is none): one indexed
// look-up on the number.
QString HighestDocumentNumber(const QSqlDatabase& db, const QString& headerTable,
                              const QString& head);
