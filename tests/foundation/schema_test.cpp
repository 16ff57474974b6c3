#include "shopcore/foundation/dialect.h"
#include "shopcore/foundation/installer.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/schema.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"
#include "testdatabase.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// A column as the engine reports it: lower-case name and "text(N)", "float", "smallint",
// "integer", "date", "time", "graphic" or "logical".
struct Column {
    QString name;
    QString kind;
    bool operator==(const Column&) const = default;
};

QString kindOf(const Field& f) {
    switch (f.type) {
    case FieldType::Text:
        return QStringLiteral("text(%1)").arg(f.width);
    case FieldType::Float:
        return QStringLiteral("float");
    case FieldType::SmallInt:
        return QStringLiteral("smallint");
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QStringLiteral("integer");
    case FieldType::Date:
        return QStringLiteral("date");
    case FieldType::Time:
        return QStringLiteral("time");
    case FieldType::Graphic:
        return QStringLiteral("graphic");
    case FieldType::Logical:
        return QStringLiteral("logical");
    }
    return {};
}

QString kindOfEngineType(QString type, int width) {
    type = type.toLower();
    if (type.startsWith(QLatin1String("varchar(")))
        return QStringLiteral("text(%1)").arg(type.mid(8).chopped(1));
    if (type == QLatin1String("character varying"))
        return QStringLiteral("text(%1)").arg(width);
    if (type == QLatin1String("double precision"))
        return QStringLiteral("float");
    if (type.startsWith(QLatin1String("time")))
        return QStringLiteral("time");
    if (type == QLatin1String("bytea") || type == QLatin1String("blob"))
        return QStringLiteral("graphic");
    if (type == QLatin1String("boolean"))
        return QStringLiteral("logical");
    return type; // smallint, integer, date
}

QList<Column> engineColumns(const QSqlDatabase& db, const QString& table) {
    QList<Column> out;
    if (Dialect::of(db).isPostgres()) {
        QSqlQuery q = runSql(db,
                             QStringLiteral("SELECT column_name, data_type, "
                                            "coalesce(character_maximum_length, 0) "
                                            "FROM information_schema.columns "
                                            "WHERE table_schema = current_schema() "
                                            "AND table_name = :T ORDER BY ordinal_position"),
                             {{QStringLiteral("T"), table.toLower()}}, "test");
        while (q.next())
            out << Column{q.value(0).toString(),
                          kindOfEngineType(q.value(1).toString(), q.value(2).toInt())};
    } else {
        QSqlQuery q = runSql(db, QStringLiteral("PRAGMA table_info(%1)").arg(table), "test");
        while (q.next())
            out << Column{q.value(1).toString(), kindOfEngineType(q.value(2).toString(), 0)};
    }
    return out;
}

// Each index of a table as its lower-case column list, with "!" in front when it is unique.
QSet<QString> engineIndexes(const QSqlDatabase& db, const QString& table) {
    QSet<QString> out;
    if (Dialect::of(db).isPostgres()) {
        QSqlQuery q = runSql(
            db,
            QStringLiteral("SELECT i.indisunique, array_to_string(array("
                           "SELECT a.attname FROM unnest(i.indkey) WITH ORDINALITY k(num, ord) "
                           "JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = k.num "
                           "ORDER BY k.ord), ',') FROM pg_index i "
                           "WHERE i.indrelid = to_regclass(:T)"),
            {{QStringLiteral("T"), Dialect::quote(table)}}, "test");
        while (q.next())
            out << (q.value(0).toBool() ? QStringLiteral("!") : QString()) + q.value(1).toString();
        return out;
    }
    // The INTEGER PRIMARY KEY of SQLite is the row id and has no index of its own.
    QStringList rowKey;
    QSqlQuery info = runSql(db, QStringLiteral("PRAGMA table_info(%1)").arg(table), "test");
    while (info.next())
        if (info.value(5).toInt() > 0 &&
            info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            rowKey << info.value(1).toString();
    if (rowKey.size() == 1)
        out << QStringLiteral("!") + rowKey.first();
    QSqlQuery list = runSql(db, QStringLiteral("PRAGMA index_list(%1)").arg(table), "test");
    while (list.next()) {
        QStringList cols;
        QSqlQuery cq = runSql(
            db, QStringLiteral("PRAGMA index_info(\"%1\")").arg(list.value(1).toString()), "test");
        while (cq.next())
            cols << cq.value(2).toString();
        out << (list.value(2).toInt() ? QStringLiteral("!") : QString()) +
                   cols.join(QLatin1Char(','));
    }
    return out;
}

QString joined(const QStringList& fields) {
    return fields.join(QLatin1Char(',')).toLower();
}

TEST(Schema, DeclaresEveryTableOfTheThreePrograms) {
    QStringList names;
    for (const TableDef& t : Schema::tables())
        names << t.name;
    const QStringList expected = {// shared
                                  "Product", "Customer", "Supply", "Sale", "Kelmsys", "Que",
                                  "Market", "scale",
                                  // documents and billing
                                  "Invoice", "Invoice1", "Order0", "Order1", "Tmpord", "Tmpord1",
                                  "Quotation", "Quotation1", "Cancel", "PBILL",
                                  // rental
                                  "v_rent_sys", "Product_Rent", "Order_Rent", "Order_Rent1",
                                  "v_media", "v_grade", "v_rent", "v_video", "v_bill",
                                  // service
                                  "Sevrsys", "Service", "Service1", "Maker", "Brand", "Type",
                                  "Quo_Serv", "Quo_Serv1", "QueQuot"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

TEST(Schema, InstalledTablesHaveTheDeclaredColumnsKeysAndIndexes) {
    TestDatabase t;
    for (const TableDef& table : Schema::tables()) {
        SCOPED_TRACE(table.name.toStdString());
        QList<Column> declared;
        for (const Field& f : table.fields)
            declared << Column{f.name.toLower(), kindOf(f)};
        const QList<Column> actual = engineColumns(t.db(), table.name);
        ASSERT_EQ(actual.size(), declared.size());
        for (int i = 0; i < declared.size(); ++i) {
            EXPECT_EQ(actual[i].name, declared[i].name);
            EXPECT_EQ(actual[i].kind, declared[i].kind) << declared[i].name.toStdString();
        }
        const QSet<QString> indexes = engineIndexes(t.db(), table.name);
        if (!table.uniqueKey.isEmpty()) {
            EXPECT_TRUE(indexes.contains(QStringLiteral("!") + joined(table.uniqueKey)))
                << QStringList(indexes.values()).join(QLatin1Char(' ')).toStdString();
        }
        for (const QStringList& index : table.indexes)
            EXPECT_TRUE(indexes.contains(joined(index))) << joined(index).toStdString();
    }
}

TEST(Schema, LineTablesAreIndexedForDocumentsAndStock) {
    for (const char* lines : {"Invoice1", "Order1", "Tmpord1", "Quotation1", "Order_Rent1"}) {
        const TableDef* t = Schema::table(QString::fromLatin1(lines));
        ASSERT_TRUE(t) << lines;
        EXPECT_TRUE(t->indexes.contains(QStringList{QStringLiteral("INV_NO")})) << lines;
        EXPECT_TRUE(t->indexes.contains(QStringList{
            QStringLiteral("PRO_NO"), QStringLiteral("STK_POST"), QStringLiteral("PRO_QTY")}))
            << lines;
    }
    EXPECT_TRUE(
        Schema::table(QStringLiteral("Service1"))
            ->indexes.contains(QStringList{QStringLiteral("SPR_NO"), QStringLiteral("STK_POST"),
                                           QStringLiteral("QTY")}));
}

TEST(Schema, EveryNameWorksUnquotedInHandWrittenSql) {
    TestDatabase t;
    for (const TableDef& table : Schema::tables()) {
        QStringList names;
        for (const Field& f : table.fields)
            names << f.name;
        const QString list = names.join(QStringLiteral(", "));
        const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 IS NULL ORDER BY %1")
                                .arg(list, table.name, names.first());
        EXPECT_NO_THROW(runSql(t.db(), sql, "test")) << sql.toStdString();
    }
}

TEST(Schema, SettingsTablesStartWithTheirSingleRecords) {
    TestDatabase t;
    const auto count = [&t](const char* table) {
        return scalar(t.db(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), {}, "test")
            .toInt();
    };
    for (const char* single : {"Kelmsys", "Que", "scale", "v_rent_sys", "Sevrsys"})
        EXPECT_EQ(count(single), 1) << single;
    EXPECT_EQ(count("v_media"), 5);

    // Every grade the customer lists offer exists with a quota, or nobody could rent.
    QSqlQuery grades = runSql(
        t.db(), QStringLiteral("SELECT grade, other_unit FROM v_grade ORDER BY grade"), "test");
    QStringList seen;
    while (grades.next()) {
        seen << grades.value(0).toString();
        EXPECT_GT(grades.value(1).toDouble(), 0);
    }
    EXPECT_EQ(seen, (QStringList{"A", "B", "C", "D"}));

    // The numbering needs four-character prefixes; the service settings refuse any other.
    const QVariantMap rent = rowOf([&] {
        QSqlQuery q = runSql(t.db(), QStringLiteral("SELECT * FROM v_rent_sys"), "test");
        q.next();
        return q;
    }());
    for (const char* prefix : {"PREFIX1", "PREFIX2", "PREFIX3", "PREFIX4"})
        EXPECT_EQ(rent.value(QString::fromLatin1(prefix)).toString().size(), 4) << prefix;
    EXPECT_EQ(rent.value(QStringLiteral("SKIN_RENT")).toString(), QStringLiteral("0"));
    EXPECT_EQ(rent.value(QStringLiteral("LINE9")).toString(), QStringLiteral("1"));
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT prefix1 FROM sevrsys"), {}, "test")
                  .toString()
                  .trimmed()
                  .size(),
              4);
    EXPECT_EQ(
        scalar(t.db(), QStringLiteral("SELECT skin_service FROM sevrsys"), {}, "test").toString(),
        QStringLiteral("0"));
}

TEST(Schema, TextsUpToTheWidthAreStoredAndWiderOnesRefused) {
    TestDatabase t;
    struct Case {
        const char* table;
        const char* field;
        int width;
        QVariantMap others; // what the record needs besides the field
    } cases[] = {
        {"Invoice1", "PRO_NO", 15, {}},
        {"Invoice", "INV_NO", 11, {}},
        {"v_rent", "V_CODE", 13, {}},
        {"Service", "CUST_NO", 10, {{QStringLiteral("SERV_NO"), QStringLiteral("S1")}}},
        {"PBILL", "CHE_NO", 7, {{QStringLiteral("P_BILL"), QStringLiteral("P1")}}},
        {"Maker", "MAK_NAME", 50, {{QStringLiteral("MAK_NO"), QStringLiteral("M1")}}},
    };
    const QString thai = QStringLiteral("กขคงจฉชซฌญฎฏฐฑฒณดตถทธนบปผฝพฟภมยรลวศษสหฬอฮ"
                                        "กขคงจฉชซฌญฎฏฐฑฒณดต");
    ASSERT_GT(thai.size(), 51);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        const QString table = QString::fromLatin1(c.table);
        const QString field = QString::fromLatin1(c.field);
        QVariantMap fits = c.others;
        fits.insert(field, thai.left(c.width));
        Records::insert(t.db(), table, fits, "test");
        EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT %1 FROM %2").arg(field, table), {}, "test")
                      .toString(),
                  thai.left(c.width));

        QVariantMap wide = c.others;
        wide.insert(field, thai.left(c.width + 1));
        for (auto it = wide.begin(); it != wide.end(); ++it)
            if (it.key() != field)
                it.value() = it.value().toString() + QStringLiteral("X");
        try {
            Records::insert(t.db(), table, wide, "test");
            ADD_FAILURE() << "a text wider than " << c.width << " was written";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.kind(), StoreError::Kind::TooWide);
        }
        EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), {}, "test")
                      .toInt(),
                  1);
    }
}

TEST(Schema, LineTablesNumberTheirLinesInEntryOrder) {
    TestDatabase t;
    for (const char* table : {"Invoice1", "v_rent", "Service1", "Quo_Serv1"}) {
        SCOPED_TRACE(table);
        const QString name = QString::fromLatin1(table);
        const QString code = name == QLatin1String("v_rent") ? QStringLiteral("V_BILL")
                             : name.startsWith(QLatin1String("Invoice"))
                                 ? QStringLiteral("INV_NO")
                                 : QStringLiteral("SERV_NO");
        QList<qint64> ids;
        for (int i = 0; i < 3; ++i)
            ids << *Records::insert(t.db(), name, {{code, QStringLiteral("TEMP1")}}, "test");
        EXPECT_LT(ids[0], ids[1]);
        EXPECT_LT(ids[1], ids[2]);
        // A removed last line does not give its number to the next one.
        Records::remove(t.db(), name, {{QStringLiteral("AUTO"), ids[2]}}, "test");
        const qint64 next =
            *Records::insert(t.db(), name, {{code, QStringLiteral("TEMP1")}}, "test");
        EXPECT_GT(next, ids[2]);
        QList<qint64> stored;
        QSqlQuery q =
            runSql(t.db(), QStringLiteral("SELECT auto FROM %1 ORDER BY auto").arg(name), "test");
        while (q.next())
            stored << q.value(0).toLongLong();
        EXPECT_EQ(stored, (QList<qint64>{ids[0], ids[1], next}));
    }
}

TEST(Dialect, AutoIncrementBesideAnotherUniqueKey) {
    TestDatabase t(TestDatabase::Start::Empty);
    const Dialect dialect = Dialect::of(t.db());
    const TableDef keyed{QStringLiteral("t_keyed"),
                         {autoInc("AUTO"), text("CODE", 5)},
                         {QStringLiteral("CODE")},
                         {},
                         {}};
    const TableDef unkeyed{
        QStringLiteral("t_unkeyed"), {text("CODE", 5), autoInc("AUTO")}, {}, {}, {}};
    for (const TableDef& table : {keyed, unkeyed}) {
        SCOPED_TRACE(table.name.toStdString());
        runSql(t.db(), dialect.createTable(table), "test");
        for (const char* code : {"A", "B"})
            runSql(t.db(), QStringLiteral("INSERT INTO %1 (code) VALUES (:C)").arg(table.name),
                   {{QStringLiteral("C"), QString::fromLatin1(code)}}, "test");
        QSqlQuery q = runSql(
            t.db(), QStringLiteral("SELECT auto FROM %1 ORDER BY code").arg(table.name), "test");
        ASSERT_TRUE(q.next());
        const qint64 first = q.value(0).toLongLong();
        ASSERT_TRUE(q.next());
        EXPECT_GT(q.value(0).toLongLong(), first);
        EXPECT_GT(first, 0);
    }
    try {
        runSql(t.db(), QStringLiteral("INSERT INTO t_keyed (code) VALUES ('A')"), "test");
        ADD_FAILURE() << "a second record with the same code was written";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::DuplicateKey) << e.what();
    }
}

} // namespace
