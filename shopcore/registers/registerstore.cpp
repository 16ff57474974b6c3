#include "registerstore.h"

#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

namespace {

const QString CodeBind = QStringLiteral("CODE");
const QString NameBind = QStringLiteral("NAME");

} // namespace

RegisterStore::RegisterStore(const QSqlDatabase& db, const QString& table, const QString& codeField,
                             const QString& nameField)
    : m_db(db), m_table(table), m_code(codeField.toUpper()), m_name(nameField.toUpper()),
      m_qTable(Dialect::quote(table)), m_qCode(Dialect::quote(codeField)),
      m_qName(Dialect::quote(nameField)) {}

QString RegisterStore::select(const QString& where, const QString& orderBy, int limit) const {
    QString sql = QStringLiteral("SELECT * FROM ") + m_qTable;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    if (limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(limit);
    return sql;
}

QList<QVariantMap> RegisterStore::rows(const QString& sql, const QVariantMap& binds) const {
    QList<QVariantMap> out;
    QSqlQuery q = runSql(m_db, sql, binds, "RegisterStore");
    while (q.next())
        out << rowOf(q);
    return out;
}

std::optional<QVariantMap> RegisterStore::one(const QString& sql, const QVariantMap& binds) const {
    QSqlQuery q = runSql(m_db, sql, binds, "RegisterStore");
    if (!q.next())
        return std::nullopt;
    return rowOf(q);
}

std::optional<QVariantMap> RegisterStore::find(const QString& code) const {
    return one(select(m_qCode + QStringLiteral(" = :CODE"), {}, 0), {{CodeBind, code}});
}

bool RegisterStore::exists(const QString& code) const {
    return scalar(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :CODE").arg(m_qTable, m_qCode),
                  {{CodeBind, code}}, "RegisterStore::exists")
        .isValid();
}

std::optional<QVariantMap> RegisterStore::first(RegisterOrder order) const {
    if (order == RegisterOrder::Code)
        return one(select({}, m_qCode, 1), {});
    if (auto unnamed = one(select(m_qName + QStringLiteral(" IS NULL"), m_qCode, 1), {}))
        return unnamed;
    return one(select(m_qName + QStringLiteral(" IS NOT NULL"), m_qName + ", " + m_qCode, 1), {});
}

std::optional<QVariantMap> RegisterStore::last(RegisterOrder order) const {
    if (order == RegisterOrder::Code)
        return one(select({}, m_qCode + QStringLiteral(" DESC"), 1), {});
    if (auto named =
            one(select(m_qName + QStringLiteral(" IS NOT NULL"),
                       m_qName + QStringLiteral(" DESC, ") + m_qCode + QStringLiteral(" DESC"), 1),
                {}))
        return named;
    return one(select(m_qName + QStringLiteral(" IS NULL"), m_qCode + QStringLiteral(" DESC"), 1),
               {});
}

QList<QVariantMap> RegisterStore::walk(RegisterOrder order, const QVariantMap& from, int count,
                                       bool forward) const {
    const QString code = textOf(from.value(m_code));
    const QString after = forward ? QStringLiteral(" > ") : QStringLiteral(" < ");
    const QString dir = forward ? QString() : QStringLiteral(" DESC");
    const QVariantMap byCode{{CodeBind, code}};
    if (order == RegisterOrder::Code)
        return rows(select(m_qCode + after + QStringLiteral(":CODE"), m_qCode + dir, count),
                    byCode);

    // Name order: unnamed records by code, then named ones by name and code.
    QList<QVariantMap> out;
    const auto take = [&](const QString& where, const QString& orderBy, const QVariantMap& b) {
        if (out.size() < count)
            out += rows(select(where, orderBy, count - int(out.size())), b);
    };
    const QString byNameAndCode = m_qName + dir + QStringLiteral(", ") + m_qCode + dir;
    const QVariant name = from.value(m_name);
    if (name.isNull()) {
        take(m_qName + QStringLiteral(" IS NULL AND ") + m_qCode + after + QStringLiteral(":CODE"),
             m_qCode + dir, byCode);
        if (forward)
            take(m_qName + QStringLiteral(" IS NOT NULL"), byNameAndCode, {});
        return out;
    }
    const QVariantMap byName{{NameBind, name.toString()}};
    take(m_qName + QStringLiteral(" = :NAME AND ") + m_qCode + after + QStringLiteral(":CODE"),
         m_qCode + dir, {{NameBind, name.toString()}, {CodeBind, code}});
    take(m_qName + after + QStringLiteral(":NAME"), byNameAndCode, byName);
    if (!forward)
        take(m_qName + QStringLiteral(" IS NULL"), m_qCode + dir, {});
    return out;
}

std::optional<QVariantMap> RegisterStore::next(RegisterOrder order, const QVariantMap& from) const {
    const QList<QVariantMap> r = walk(order, from, 1, true);
    return r.isEmpty() ? std::nullopt : std::optional<QVariantMap>(r.first());
}

std::optional<QVariantMap> RegisterStore::prior(RegisterOrder order,
                                                const QVariantMap& from) const {
    const QList<QVariantMap> r = walk(order, from, 1, false);
    return r.isEmpty() ? std::nullopt : std::optional<QVariantMap>(r.first());
}

QList<QVariantMap> RegisterStore::following(RegisterOrder order, const QVariantMap& from,
                                            int count) const {
    return walk(order, from, count, true);
}

QList<QVariantMap> RegisterStore::preceding(RegisterOrder order, const QVariantMap& from,
                                            int count) const {
    return walk(order, from, count, false);
}

std::optional<QVariantMap> RegisterStore::nearest(RegisterOrder order, const QString& text) const {
    if (text.isEmpty())
        return first(order);
    const QString field = order == RegisterOrder::Code ? m_qCode : m_qName;
    const QString orderBy =
        order == RegisterOrder::Code ? m_qCode : m_qName + QStringLiteral(", ") + m_qCode;
    if (auto found = one(select(field + QStringLiteral(" >= :TEXT"), orderBy, 1), {{"TEXT", text}}))
        return found;
    return last(order);
}

std::optional<QVariantMap> RegisterStore::findCodeIgnoringCase(const QString& text) const {
    // A short register (customers): the comparison cannot use the index and need not.
    return one(select(QStringLiteral("upper(%1) = upper(:TEXT)").arg(m_qCode), m_qCode, 1),
               {{"TEXT", text}});
}

std::optional<QVariantMap> RegisterStore::findNameStartingWith(const QString& text) const {
    // Every name that begins with the text sorts at or after it, and the first of them is the
    // first name at or after it.
    auto found = one(
        select(m_qName + QStringLiteral(" >= :TEXT"), m_qName + QStringLiteral(", ") + m_qCode, 1),
        {{"TEXT", text}});
    if (found && textOf(found->value(m_name)).startsWith(text))
        return found;
    return std::nullopt;
}

void RegisterStore::insert(const QVariantMap& values) const {
    Records::insert(m_db, m_table, values, "RegisterStore::insert");
}

bool RegisterStore::update(const QString& code, const QVariantMap& values) const {
    return Records::update(m_db, m_table, values, {{m_code, code}}, "RegisterStore::update") > 0;
}

void RegisterStore::remove(const QString& code) const {
    Records::remove(m_db, m_table, {{m_code, code}}, "RegisterStore::remove");
}
