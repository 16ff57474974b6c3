#include "documentnumbering.h"
#include "documentkind.h"

#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

namespace {

// The header tables and queue fields are names from the program, never from the user; they
// are checked against the schema before they go into SQL.
QString checkedName(const QString& table, const QString& field = QString()) {
    const TableDef* t = Schema::table(table);
    if (!t || (!field.isEmpty() && !t->field(field)))
        throw StoreError(StoreError::Kind::Refused, QStringLiteral("DocumentNumbering"),
                         QStringLiteral("ไม่มีแฟ้มข้อมูล %1 %2").arg(table, field));
    return field.isEmpty() ? Dialect::quote(t->name) : Dialect::quote(t->field(field)->name);
}

// The first sequence of a series, asked once: warned about when it is not six digits, used as
// typed all the same, but never longer than the number field.
std::optional<QString> firstNumber(const QString& head, Prompter& prompter) {
    const std::optional<QString> answer =
        prompter.input(NumberText::FirstCaption, NumberText::FirstPrompt, NumberText::FirstDefault);
    if (!answer)
        return std::nullopt;
    for (const QString& warning : FirstSequenceWarnings(*answer))
        prompter.information(warning);
    const QString number = head + *answer;
    if (number.size() > DocumentNumberWidth) {
        prompter.information(QStringLiteral("เลขที่ใบสำคัญ %1 ยาวเกิน %2 ตัวอักษร ใช้เป็นเลขที่ไม่ได้ ... "
                                            "ยกเลิกแล้วเริ่มต้นใหม่ นะ.")
                                 .arg(number)
                                 .arg(DocumentNumberWidth));
        return std::nullopt;
    }
    return number;
}

std::optional<QString> refusedOr(const NextNumber& next, Prompter& prompter) {
    if (!next.ok()) {
        prompter.information(next.refusal);
        return std::nullopt;
    }
    return next.number;
}

QString upperBound(const QString& head) {
    QString upper = head;
    upper[upper.size() - 1] = QChar(upper.back().unicode() + 1);
    return upper;
}

} // namespace

QString HighestDocumentNumber(const QSqlDatabase& db, const QString& headerTable,
                              const QString& head) {
    if (head.isEmpty())
        return {};
    // The range lets the look-up use the key; the series is still the first five characters.
    const QString sql = QStringLiteral("SELECT inv_no FROM %1 WHERE inv_no >= :HEAD AND "
                                       "inv_no < :UPPER AND substr(inv_no, 1, 5) = :HEAD "
                                       "ORDER BY inv_no DESC LIMIT 1")
                            .arg(checkedName(headerTable));
    return textOf(scalar(
        db, sql, {{QStringLiteral("HEAD"), head}, {QStringLiteral("UPPER"), upperBound(head)}},
        "HighestDocumentNumber"));
}

std::optional<QString> NextDocumentNumber(const QSqlDatabase& db, const QString& headerTable,
                                          const QString& head, Prompter& prompter) {
    QString last;
    try {
        last = HighestDocumentNumber(db, headerTable, head);
    } catch (const StoreError&) {
        prompter.information(NumberText::Failed);
        return std::nullopt;
    }
    if (last.isEmpty())
        return firstNumber(head, prompter);
    return refusedOr(NumberAfter(head, last), prompter);
}

std::optional<QString> NextDocumentNumber(const QSqlDatabase& db, int kind,
                                          const SeriesPrefixes& prefixes, Prompter& prompter) {
    const auto k = DocumentKind::of(kind);
    if (!k) {
        prompter.information(NumberText::Failed);
        return std::nullopt;
    }
    return NextDocumentNumber(db, k->headerTable, SeriesHead(kind, prefixes), prompter);
}

std::optional<QString> NextDocumentNumberFromQueue(const QSqlDatabase& db,
                                                   const QueueSeries& series, Prompter& prompter) {
    try {
        const QString field = checkedName(QStringLiteral("Que"), series.queueField);
        const QString lock =
            Dialect::of(db).isPostgres() ? QStringLiteral(" FOR UPDATE") : QString();
        const QString queued =
            textOf(scalar(db, QStringLiteral("SELECT %1 FROM que%2").arg(field, lock), {},
                          "NextDocumentNumberFromQueue"));
        const QString highest = HighestDocumentNumber(db, series.headerTable, series.head);
        // A queue field never filled (the series was begun on the document-entry screen)
        // continues from the highest stored number instead of failing for good.
        QString last = queued.trimmed().isEmpty() ? highest : queued;
        if (series.pastStoredNumbers && highest > last)
            last = highest;
        std::optional<QString> number = highest.isEmpty()
                                            ? firstNumber(series.head, prompter)
                                            : refusedOr(NumberAfter(series.head, last), prompter);
        if (!number)
            return std::nullopt;
        Records::updateSingle(db, QStringLiteral("Que"), {{series.queueField, *number}},
                              "NextDocumentNumberFromQueue");
        return number;
    } catch (const StoreError&) {
        prompter.information(NumberText::Failed);
        return std::nullopt;
    }
}

std::optional<QString> NextDocumentNumberFromQueue(const QSqlDatabase& db, int kind,
                                                   const SeriesPrefixes& prefixes,
                                                   Prompter& prompter) {
    const auto k = DocumentKind::of(kind);
    if (!k || k->queueField.isEmpty()) {
        prompter.information(NumberText::Failed);
        return std::nullopt;
    }
    return NextDocumentNumberFromQueue(
        db, {SeriesHead(kind, prefixes), k->headerTable, k->queueField}, prompter);
}
