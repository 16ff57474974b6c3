#include "documentbuilders.h"
#include "scriptedprompter.h"
#include "testdatabase.h"

#include "shopcore/documents/documentnumbering.h"
#include "shopcore/documents/documentstore.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

#include <gtest/gtest.h>

namespace {

const SeriesPrefixes Prefixes{{QStringLiteral("SALE"), QStringLiteral("VATS"),
                               QStringLiteral("BUYN"), QStringLiteral("BUYV")}};

Document oneLineDocument() {
    Document d;
    d.header.invNo = TemporaryNumber();
    d.header.invDate = QStringLiteral("15/01/2547");
    d.header.custNo = QStringLiteral("00012");
    d.header.custCre = QStringLiteral("สด");
    DocumentLine l;
    l.invNo = d.header.invNo;
    l.proNo = QStringLiteral("P1");
    l.proQty = 1;
    l.stkPost = 1;
    d.lines << l;
    return d;
}

// Saves a new document of the kind numbered by the document-entry rule.
std::optional<QString> saveByEntryRule(const TestDatabase& t, int kind, Prompter& prompter,
                                       const SeriesPrefixes& prefixes = Prefixes) {
    DocumentStore store(t.db(), kind);
    Document d = oneLineDocument();
    return store.saveNew(d, [&](const QSqlDatabase& db) {
        return NextDocumentNumber(db, kind, prefixes, prompter);
    });
}

std::optional<QString> saveByQueueRule(const TestDatabase& t, int kind, Prompter& prompter) {
    DocumentStore store(t.db(), kind);
    Document d = oneLineDocument();
    return store.saveNew(d, [&](const QSqlDatabase& db) {
        return NextDocumentNumberFromQueue(db, kind, Prefixes, prompter);
    });
}

QString queued(const TestDatabase& t, const char* field) {
    return textOf(scalar(
        t.db(), QStringLiteral("SELECT %1 FROM que").arg(QString::fromLatin1(field)), {}, "test"));
}

TEST(Numbering, FirstDocumentOfASeriesAsksOnceThenCountsOn) {
    TestDatabase t;
    ScriptedPrompter prompter;
    prompter.type(QStringLiteral("000001"));
    EXPECT_EQ(saveByEntryRule(t, 1, prompter), QStringLiteral("SALE1000001"));
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_EQ(prompter.asked()[0].kind, QStringLiteral("input"));
    EXPECT_EQ(prompter.asked()[0].text, NumberText::FirstPrompt);
    EXPECT_EQ(saveByEntryRule(t, 1, prompter), QStringLiteral("SALE1000002"));
    EXPECT_EQ(prompter.asked().size(), 1) << "no question once the series exists";
    // Each series counts on its own: the VAT sales start their own series in the same table.
    prompter.type(QStringLiteral("000500"));
    EXPECT_EQ(saveByEntryRule(t, 2, prompter), QStringLiteral("VATS2000500"));
    EXPECT_EQ(saveByEntryRule(t, 1, prompter), QStringLiteral("SALE1000003"));
    EXPECT_EQ(saveByEntryRule(t, 5, prompter.type(QStringLiteral("000001"))),
              QStringLiteral("TORD5000001"));
    EXPECT_EQ(saveByEntryRule(t, 6, prompter.type(QStringLiteral("000001"))),
              QStringLiteral("TQUO6000001"));
    EXPECT_TRUE(prompter.scriptDone());
    EXPECT_TRUE(queued(t, "QUE_INV_N").isEmpty()) << "the document-entry rule leaves Que alone";
}

TEST(Numbering, AFirstSequenceNotOfSixDigitsIsUsedButTheNextNumberIsRefused) {
    struct Case {
        const char* name;
        const char* typed;
        QStringList warnings;
        const char* first; // nullptr: refused, nothing saved
    };
    const Case cases[] = {
        {"short", "12", {NumberText::NotSixDigits}, "SALE112"},
        {"letters", "abc", {NumberText::NotNumeric, NumberText::NotSixDigits}, "SALE1abc"},
        {"too long for the field", "1234567", {NumberText::NotSixDigits}, nullptr},
    };
    for (const Case& c : cases) {
        TestDatabase t;
        ScriptedPrompter prompter;
        prompter.type(QString::fromLatin1(c.typed));
        const auto first = saveByEntryRule(t, 1, prompter);
        QStringList told = prompter.texts().mid(1);
        if (!c.first) {
            EXPECT_EQ(first, std::nullopt) << c.name;
            ASSERT_EQ(told.size(), c.warnings.size() + 1) << c.name;
            EXPECT_TRUE(told.last().contains(QStringLiteral("SALE11234567"))) << c.name;
            EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 0) << c.name;
            continue;
        }
        EXPECT_EQ(first, QString::fromLatin1(c.first)) << c.name;
        EXPECT_EQ(told, c.warnings) << c.name;
        prompter.clear();
        EXPECT_EQ(saveByEntryRule(t, 1, prompter), std::nullopt) << c.name;
        ASSERT_EQ(prompter.asked().size(), 1) << c.name;
        EXPECT_TRUE(prompter.last().contains(QString::fromLatin1(c.first))) << c.name;
        EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 1) << c.name;
        EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1")), 1) << c.name;
    }
}

TEST(Numbering, AFullSeriesIsRefusedInsteadOfATwelveCharacterNumber) {
    TestDatabase t;
    Build::header(t.db(), QStringLiteral("Invoice"), QStringLiteral("SALE1999999"));
    ScriptedPrompter prompter;
    EXPECT_EQ(saveByEntryRule(t, 1, prompter), std::nullopt);
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(prompter.last().contains(QStringLiteral("999999")));
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 1);
}

TEST(Numbering, TheHighestNumberOfTheSeriesIsFollowedWhateverElseIsStored) {
    TestDatabase t;
    for (const char* n :
         {"SALE1000005", "SALE1000041", "SALE2000099", "SALF1000077", "SALD1000088", "SALE0000066"})
        Build::header(t.db(), QStringLiteral("Invoice"), QString::fromLatin1(n));
    Build::header(t.db(), QStringLiteral("Order0"), QStringLiteral("SALE1000500"));
    ScriptedPrompter prompter;
    EXPECT_EQ(saveByEntryRule(t, 1, prompter), QStringLiteral("SALE1000042"));
    EXPECT_EQ(HighestDocumentNumber(t.db(), QStringLiteral("Invoice"), QStringLiteral("SALE2")),
              QStringLiteral("SALE2000099"));
    EXPECT_TRUE(HighestDocumentNumber(t.db(), QStringLiteral("Invoice"), QStringLiteral("SALE3"))
                    .isEmpty());
}

TEST(Numbering, AShortPrefixAsksForTheFirstNumberEveryTime) {
    TestDatabase t;
    SeriesPrefixes shortPrefix = Prefixes;
    shortPrefix.prefix[0] = QStringLiteral("AB");
    ScriptedPrompter prompter;
    prompter.type(QStringLiteral("000001")).type(QStringLiteral("000002"));
    EXPECT_EQ(saveByEntryRule(t, 1, prompter, shortPrefix), QStringLiteral("AB1000001"));
    EXPECT_EQ(saveByEntryRule(t, 1, prompter, shortPrefix), QStringLiteral("AB1000002"));
    EXPECT_EQ(prompter.asked().size(), 2);
}

TEST(Numbering, CancellingTheFirstNumberSavesNothingAndSaysNothing) {
    TestDatabase t;
    ScriptedPrompter prompter;
    prompter.cancel();
    EXPECT_EQ(saveByEntryRule(t, 1, prompter), std::nullopt);
    EXPECT_EQ(prompter.asked().size(), 1);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 0);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1")), 0);
}

TEST(Numbering, TheTillFollowsTheQueueAndAdvancesIt) {
    TestDatabase t;
    ScriptedPrompter prompter;
    prompter.type(QStringLiteral("000001"));
    EXPECT_EQ(saveByQueueRule(t, 2, prompter), QStringLiteral("VATS2000001"));
    EXPECT_EQ(queued(t, "QUE_INV_V"), QStringLiteral("VATS2000001"));
    EXPECT_EQ(saveByQueueRule(t, 2, prompter), QStringLiteral("VATS2000002"));
    EXPECT_EQ(queued(t, "QUE_INV_V"), QStringLiteral("VATS2000002"));
    EXPECT_EQ(prompter.asked().size(), 1);

    // The queue, not the table, says what comes next.
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_V"), QStringLiteral("VATS2000050")}}, "test");
    EXPECT_EQ(saveByQueueRule(t, 2, prompter), QStringLiteral("VATS2000051"));

    // Re-seeded from the settings to six zeros: the series goes on from 000001.
    Build::header(t.db(), QStringLiteral("Invoice"), QStringLiteral("SALE1000007"));
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("SALE1000000")}}, "test");
    EXPECT_EQ(saveByQueueRule(t, 1, prompter), QStringLiteral("SALE1000001"));

    // Purchase orders keep their numbers in QUE_QUO_N and their documents in Tmpord.
    Build::header(t.db(), QStringLiteral("Tmpord"), QStringLiteral("TORD5000003"));
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_QUO_N"), QStringLiteral("TORD5000003")}}, "test");
    EXPECT_EQ(saveByQueueRule(t, 5, prompter), QStringLiteral("TORD5000004"));
    EXPECT_EQ(queued(t, "QUE_QUO_N"), QStringLiteral("TORD5000004"));
    EXPECT_EQ(prompter.asked().size(), 1);
}

TEST(Numbering, TheTillRefusesAQueueItCannotCountOn) {
    TestDatabase t;
    Build::header(t.db(), QStringLiteral("Invoice"), QStringLiteral("SALE1000041"));
    ScriptedPrompter prompter;
    // Begun on the document-entry screen: the empty queue continues from the stored numbers.
    EXPECT_EQ(saveByQueueRule(t, 1, prompter), QStringLiteral("SALE1000042"));
    EXPECT_TRUE(prompter.asked().isEmpty());

    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("SALE1abc")}}, "test");
    EXPECT_EQ(saveByQueueRule(t, 1, prompter), std::nullopt);
    ASSERT_EQ(prompter.asked().size(), 1);
    EXPECT_TRUE(prompter.last().contains(QStringLiteral("SALE1abc")));
    EXPECT_EQ(queued(t, "QUE_INV_N"), QStringLiteral("SALE1abc"));

    // Quotations keep no queue field.
    prompter.clear();
    EXPECT_EQ(saveByQueueRule(t, 6, prompter), std::nullopt);
    EXPECT_EQ(prompter.texts(), QStringList{NumberText::Failed});
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 2);
}

TEST(Numbering, AFailedSaveLeavesTheQueueAsItWas) {
    TestDatabase t;
    Records::updateSingle(t.db(), QStringLiteral("Que"),
                          {{QStringLiteral("QUE_INV_N"), QStringLiteral("SALE1000009")}}, "test");
    Build::header(t.db(), QStringLiteral("Invoice"), QStringLiteral("SALE1000009"));
    ScriptedPrompter prompter;
    DocumentStore store(t.db(), 1);
    Document d = oneLineDocument();
    d.lines[0].proName = QString(51, QLatin1Char('x')); // wider than PRO_NAME
    EXPECT_THROW(store.saveNew(d,
                               [&](const QSqlDatabase& db) {
                                   return NextDocumentNumberFromQueue(db, 1, Prefixes, prompter);
                               }),
                 StoreError);
    EXPECT_EQ(queued(t, "QUE_INV_N"), QStringLiteral("SALE1000009"));
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice")), 1);
    EXPECT_EQ(Build::count(t.db(), QStringLiteral("invoice1")), 0);
    EXPECT_TRUE(IsTemporaryNumber(d.header.invNo)) << "the document keeps its temporary number";
}

} // namespace
