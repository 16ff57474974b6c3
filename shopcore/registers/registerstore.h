#pragma once

#include <QSqlDatabase>
#include <QVariantMap>
#include <optional>

// The orders a register is browsed in: its code index or its name index.
enum class RegisterOrder { Code, Name };

// The records of one register table (code field with a unique key, name field with an index),
// reached one row at a time by indexed queries: a register of 100,000 products moves to the
// next record without reading the others. In name order, records without a name come first
// (by code), then the others by name and code, so that every record has one place.
// Records are maps of upper-case field names to values, as rowOf() gives them.
class RegisterStore {
public:
    RegisterStore(const QSqlDatabase& db, const QString& table, const QString& codeField,
                  const QString& nameField);

    const QString& table() const { return m_table; }
    const QString& codeField() const { return m_code; }
    const QString& nameField() const { return m_name; }
    QSqlDatabase db() const { return m_db; }

    std::optional<QVariantMap> find(const QString& code) const;
    bool exists(const QString& code) const;

    std::optional<QVariantMap> first(RegisterOrder order) const;
    std::optional<QVariantMap> last(RegisterOrder order) const;
    std::optional<QVariantMap> next(RegisterOrder order, const QVariantMap& from) const;
    std::optional<QVariantMap> prior(RegisterOrder order, const QVariantMap& from) const;
    // The first record at or after the text in the order; the last record when none is, and
    // the first when the text is empty.
    std::optional<QVariantMap> nearest(RegisterOrder order, const QString& text) const;
    // Up to `count` records after (or before, nearest first) the given one in the order.
    QList<QVariantMap> following(RegisterOrder order, const QVariantMap& from, int count) const;
    QList<QVariantMap> preceding(RegisterOrder order, const QVariantMap& from, int count) const;

    // The first record, in code order, whose code equals the text ignoring letter case.
    std::optional<QVariantMap> findCodeIgnoringCase(const QString& text) const;
    // The first record, in name order, whose name begins with the text.
    std::optional<QVariantMap> findNameStartingWith(const QString& text) const;

    // Width-checked writes (StoreError on a too-wide text, a duplicate code, a lock ...).
    void insert(const QVariantMap& values) const;
    // Returns false when no record has the code any more (deleted at another station).
    bool update(const QString& code, const QVariantMap& values) const;
    void remove(const QString& code) const;

private:
    QString select(const QString& where, const QString& orderBy, int limit) const;
    QList<QVariantMap> rows(const QString& sql, const QVariantMap& binds) const;
    std::optional<QVariantMap> one(const QString& sql, const QVariantMap& binds) const;
    QList<QVariantMap> walk(RegisterOrder order, const QVariantMap& from, int count,
                            bool forward) const;

    QSqlDatabase m_db;
    QString m_table;
    QString m_code;
    QString m_name;
    QString m_qTable, m_qCode, m_qName; // quoted names for generated SQL
};
