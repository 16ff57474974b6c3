#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// The tables of the database, declared once: fields with type and width, the unique key,
// the secondary indexes and the records a new installation starts with.
//
// No table or field name here is a reserved word of PostgreSQL or SQLite, so hand-written SQL
// writes every one of them unquoted (POSITION, TYPE, SUM and SERVICE are keywords or function
// names that both engines accept as names). A name added later that is reserved (USER, ORDER,
// GROUP, TABLE, LIMIT, DESC, LEFT, ...) must go through Dialect::quote in hand-written SQL;
// the schema tests run every name unquoted on both engines and fail on such a name.
enum class FieldType { Text, Float, SmallInt, Integer, AutoInc, Date, Time, Graphic, Logical };

struct Field {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0; // characters, for text fields
};

struct TableDef {
    QString name;                     // as the programs name it, without ".DB"
    QList<Field> fields;              // in table order
    QStringList uniqueKey;            // empty: no unique key
    QList<QStringList> indexes;       // secondary indexes, each one or more fields
    QList<QVariantMap> initialRecords; // written when a database is installed

    const Field* field(const QString& fieldName) const; // case-insensitive; nullptr if none
};

// Builders that keep the table lists short.
inline Field text(const QString& name, int width) { return {name, FieldType::Text, width}; }
inline Field real(const QString& name) { return {name, FieldType::Float, 0}; }
inline Field smallInt(const QString& name) { return {name, FieldType::SmallInt, 0}; }
inline Field integer(const QString& name) { return {name, FieldType::Integer, 0}; }
inline Field autoInc(const QString& name) { return {name, FieldType::AutoInc, 0}; }
inline Field date(const QString& name) { return {name, FieldType::Date, 0}; }
inline Field time(const QString& name) { return {name, FieldType::Time, 0}; }
inline Field graphic(const QString& name) { return {name, FieldType::Graphic, 0}; }
inline Field logical(const QString& name) { return {name, FieldType::Logical, 0}; }
// "PREFIX", 5, 9, 4 gives PREFIX5 .. PREFIX9, text 4 each.
QList<Field> numberedTexts(const QString& stem, int from, int to, int width);
QList<Field> numberedReals(const QString& stem, int from, int to);

namespace Schema {
// Raised when the layout changes; upgrade steps bring older databases up to it.
constexpr int Version = 1;

const QList<TableDef>& tables();
const TableDef* table(const QString& name); // case-insensitive; nullptr if unknown

// The table families, each declared in its own file.
QList<TableDef> sharedTables();
QList<TableDef> documentTables();
QList<TableDef> billingTables();
QList<TableDef> rentalTables();
QList<TableDef> serviceTables();

// Layouts that more than one table has: the rental items and purchases repeat them.
QList<Field> productFields();
QList<Field> documentHeaderFields();
QList<Field> documentLineFields();
// A header table and its line table with their keys and indexes.
QList<TableDef> documentPair(const QString& header, const QString& lines);
} // namespace Schema
