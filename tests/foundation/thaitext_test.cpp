#include "scriptedprompter.h"
#include "shopcore/foundation/thaitext.h"

#include <gtest/gtest.h>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString Incomplete = u("ข้อมูล วัน เดือน ปี  ไม่ครบ");
const QString Wrong = u("ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที");

struct TextCase {
    const char* name;
    const char* input;
    const char* expected;
};

TEST(BahtText, WordsAmountsByTheGroupRules) {
    const TextCase cases[] = {
        {"zero", "0.00", "ศูนย์บาทถ้วน"},
        {"negative", "-5.00", "ศูนย์บาทถ้วน"},
        {"rounds to zero (half to even)", "0.005", "ศูนย์บาทถ้วน"},
        {"one", "1", " หนึ่งบาทถ้วน"},
        {"eleven ends in et", "11", " สิบเอ็ดบาทถ้วน"},
        {"twenty-one", "21", " ยี่สิบเอ็ดบาทถ้วน"},
        {"thirty-seven", "37", " สามสิบเจ็ดบาทถ้วน"},
        {"hundred", "100", " หนึ่งร้อยบาทถ้วน"},
        {"hundred and one says nueng", "101", " หนึ่งร้อยหนึ่งบาทถ้วน"},
        {"hundred and eleven", "111", " หนึ่งร้อยสิบเอ็ดบาทถ้วน"},
        {"thousand: empty baht group", "1000", " หนึ่งพัน บาทถ้วน"},
        {"twenty-one thousand", "21000", " สองหมื่นหนึ่งพัน บาทถ้วน"},
        {"satang only", "0.25", " บาท ยี่สิบห้าสตางค์ "},
        {"seven satang", "0.07", " บาท เจ็ดสตางค์ "},
        {"one satang", "0.01", " บาท หนึ่งสตางค์ "},
        {"eleven satang", "0.11", " บาท สิบเอ็ดสตางค์ "},
        {"satang rounded half to even", "12.345", " สิบสองบาท สามสิบสี่สตางค์ "},
        {"thousands commas", "1,234.5", " หนึ่งพัน สองร้อยสามสิบสี่บาท ห้าสิบสตางค์ "},
        {"million: no leading blank", "1000000", "หนึ่งล้าน บาทถ้วน"},
        {"ten million", "10000000", "สิบล้าน บาทถ้วน"},
        {"all three groups", "1234567.50", "หนึ่งล้าน สองแสนสามหมื่นสี่พัน ห้าร้อยหกสิบเจ็ดบาท ห้าสิบสตางค์ "},
        {"hundred and one million", "101000001", "หนึ่งร้อยหนึ่งล้าน หนึ่งบาทถ้วน"},
        {"largest of nine digits", "999999999.99",
         "เก้าร้อยเก้าสิบเก้าล้าน เก้าแสนเก้าหมื่นเก้าพัน เก้าร้อยเก้าสิบเก้าบาท "
         "เก้าสิบเก้าสตางค์ "},
        {"a thousand million", "1000000000", "หนึ่งพันล้าน บาทถ้วน"},
        {"twenty-one thousand million", "21000000000", "สองหมื่นหนึ่งพันล้าน บาทถ้วน"},
        {"a million million", "1000000000000", "หนึ่งล้านล้าน บาทถ้วน"},
        {"over a million million", "1234567890123.45",
         "หนึ่งล้านสองแสนสามหมื่นสี่พันห้าร้อยหกสิบเจ็ดล้าน แปดแสนเก้าหมื่น "
         "หนึ่งร้อยยี่สิบสามบาท สี่สิบห้าสตางค์ "},
        {"not a number", "12a", ""},
        {"empty", "", ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BahtText(u(c.input)), u(c.expected));
    }
}

TEST(BahtText, MoneyGivesTheSameWordsAsItsText) {
    EXPECT_EQ(BahtText(Money::fromInt(100)), u(" หนึ่งร้อยบาทถ้วน"));
    const Money amount = *Money::parse(QStringLiteral("1234567.505"));
    EXPECT_EQ(BahtText(amount), BahtText(amount.plain()));
}

TEST(ThaiDateText, BuddhistAndChristianYears) {
    EXPECT_EQ(ThaiDateText(QDate(2004, 1, 5)), QStringLiteral("05/01/2547"));
    EXPECT_EQ(ChristianDateText(QDate(2004, 1, 5)), QStringLiteral("05/01/2004"));
    EXPECT_EQ(ThaiDateText(QDate()), QStringLiteral("  /  /    "));
    EXPECT_EQ(ChristianDateText(QDate()), EmptyDateText);
    EXPECT_EQ(EmptyDateText.size(), 10);
}

TEST(ThaiDateToDate, ReadsOrShowsOneOfItsTwoMessages) {
    struct Case {
        const char* name;
        QString text;
        QDate expected;
        QString message;
    } cases[] = {
        {"plain", QStringLiteral("15/01/2547"), QDate(2004, 1, 15), {}},
        {"blanks around", QStringLiteral(" 15/01/2547 "), QDate(2004, 1, 15), {}},
        {"leap day", QStringLiteral("29/02/2547"), QDate(2004, 2, 29), {}},
        {"nine characters", QStringLiteral("1/01/2547"), {}, Incomplete},
        {"empty", QString(), {}, Incomplete},
        {"empty date text", EmptyDateText, {}, Incomplete},
        {"no such day", QStringLiteral("31/02/2547"), {}, Wrong},
        {"no such month", QStringLiteral("15/13/2547"), {}, Wrong},
        {"day zero", QStringLiteral("00/01/2547"), {}, Wrong},
        {"letters", QStringLiteral("ab/01/2547"), {}, Wrong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        EXPECT_EQ(ThaiDateToDate(c.text, prompter), c.expected);
        if (c.message.isEmpty())
            EXPECT_TRUE(prompter.asked().isEmpty());
        else
            EXPECT_EQ(prompter.texts(), QStringList{c.message});
    }
}

TEST(IsThaiDate, ChecksLengthMonthAndDayByTheLeapRule) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"29/02/2547", true}, // 2004 is a leap year
        {"29/02/2546", false},  {"31/04/2547", false}, {"30/04/2547", true},  {"31/12/2547", true},
        {"15/13/2547", false},  {"15/00/2547", false}, {"00/01/2547", false}, // no day 0
        {" 01/01/2547 ", true}, {"1/01/2547", false},  {"", false},           {"  /  /    ", false},
        {"aa/bb/cccc", false},  {"29/02/2443", true}, // no century rule: 1900 counts as a leap year
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsThaiDate(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST(IsNumberText, AcceptsNumbersAndTellsTheUserOtherwise) {
    for (const char* number : {"12", "-1.5", " 3.25 ", "1,234.50", "0.0001", "1e3"}) {
        ScriptedPrompter prompter;
        EXPECT_TRUE(IsNumberText(QString::fromLatin1(number), prompter)) << number;
        EXPECT_TRUE(prompter.asked().isEmpty()) << number;
    }
    for (const char* bad : {"", "abc", "1.2.3", "12a", "nan", "inf", "-"}) {
        ScriptedPrompter prompter;
        EXPECT_FALSE(IsNumberText(QString::fromLatin1(bad), prompter)) << bad;
        EXPECT_EQ(prompter.texts(), QStringList{u("ตัวเลข...ไม่ถูกต้อง ")}) << bad;
    }
}

struct TermCase {
    const char* name;
    QString date;
    const char* term;
    QString expected;
};

TEST(DueDateForTerm, DaysAddToTheDateMonthsGiveTheMonthsLastDay) {
    const TermCase cases[] = {
        {"cash", "15/01/2547", "สด", "15/01/2547"},
        {"30 days", "15/01/2547", "30 ว.", "14/02/2547"},
        {"3 days over the year end", "30/12/2546", "3 ว.", "02/01/2547"},
        {"120 days over a leap February", "01/12/2546", "120 ว.", "30/03/2547"},
        {"one month into a leap February", "15/01/2547", "1 ด.", "29/02/2547"},
        {"end of this month", "15/01/2547", "0 ด.", "31/01/2547"},
        {"end of February, not leap", "15/02/2548", "0 ด.", "28/02/2548"},
        {"six months over the year end", "10/09/2547", "6 ด.", "31/03/2548"},
        {"two months from December", "15/12/2546", "2 ด.", "29/02/2547"},
        {"term with a trailing blank", "15/01/2547", "30 ว. ", "14/02/2547"},
        {"unlisted days", "15/01/2547", "10 ว.", "15/01/2547"},
        {"unlisted months", "15/01/2547", "7 ด.", "15/01/2547"},
        {"year term is no credit term", "15/01/2547", "1 ป.", "15/01/2547"},
        {"empty term", "15/01/2547", "", "15/01/2547"},
        {"empty date", "", "30 ว.", ""},
        {"no date stays no date", EmptyDateText, "30 ว.", EmptyDateText},
        {"unreadable date unchanged", "32/01/2547", "1 ด.", "32/01/2547"},
    };
    for (const TermCase& c : cases)
        EXPECT_EQ(DueDateForTerm(c.date, u(c.term)), c.expected) << c.name;
}

TEST(DueDateForTerm, EveryOfferedTermButCashMovesTheDate) {
    const QStringList terms = CreditTerms();
    ASSERT_EQ(terms.size(), 16);
    EXPECT_EQ(terms.first(), u("สด"));
    EXPECT_EQ(terms.mid(1, 8).join(QLatin1Char('|')),
              u("3 ว.|7 ว.|15 ว.|30 ว.|45 ว.|60 ว.|90 ว.|120 ว."));
    EXPECT_EQ(terms.mid(9).join(QLatin1Char('|')), u("0 ด.|1 ด.|2 ด.|3 ด.|4 ด.|5 ด.|6 ด."));
    const QString date = QStringLiteral("10/01/2547");
    for (const QString& term : terms.mid(1)) {
        const QString due = DueDateForTerm(date, term);
        EXPECT_TRUE(IsThaiDate(due) && due != date)
            << term.toStdString() << " " << due.toStdString();
    }
}

TEST(WarrantyEndDate, LastDayOnWhichTheWarrantyHolds) {
    const TermCase cases[] = {
        {"7 days include the first", "01/03/2547", "7 ว.", "07/03/2547"},
        {"15 days over the year end", "20/12/2546", "15 ว.", "03/01/2547"},
        {"180 days", "01/01/2547", "180 ว.", "28/06/2547"},
        {"60 days", "01/01/2547", "60 ว.", "29/02/2547"},
        {"month from the 1st ends the month before", "01/12/2546", "1 ด.", "31/12/2546"},
        {"month from the 1st of January", "01/01/2547", "1 ด.", "31/01/2547"},
        {"six months from the 1st over the year", "01/08/2547", "6 ด.", "31/01/2548"},
        {"month from the 5th ends on the 4th", "05/01/2547", "1 ด.", "04/02/2547"},
        {"month from the 15th", "15/01/2547", "1 ด.", "14/02/2547"},
        {"month from the 28th ends the month", "28/01/2547", "1 ด.", "29/02/2547"},
        {"from the 31st into a short month", "31/01/2547", "1 ด.", "29/02/2547"},
        {"from the 31st into a 30-day month", "31/03/2547", "1 ด.", "30/04/2547"},
        {"from the 30th keeps the day", "30/03/2547", "1 ด.", "30/04/2547"},
        {"year from 1 January", "01/01/2547", "1 ป.", "31/12/2547"},
        {"year from a leap day", "29/02/2547", "1 ป.", "28/02/2548"},
        {"three years", "15/06/2547", "3 ป.", "15/06/2550"},
        {"no warranty", "15/06/2547", "", "15/06/2547"},
        {"four years unknown", "15/06/2547", "4 ป.", "15/06/2547"},
        {"seven months unknown", "15/06/2547", "7 ด.", "15/06/2547"},
        {"empty start", "", "1 ด.", ""},
    };
    for (const TermCase& c : cases)
        EXPECT_EQ(WarrantyEndDate(c.date, u(c.term)), c.expected) << c.name;
}

TEST(WarrantyEndDate, EveryOfferedTermGivesADate) {
    const QStringList terms = WarrantyTerms();
    ASSERT_EQ(terms.size(), 17);
    EXPECT_TRUE(terms.first().isEmpty());
    for (const QString& term : terms)
        EXPECT_TRUE(IsThaiDate(WarrantyEndDate(QStringLiteral("15/11/2547"), term)))
            << term.toStdString();
    for (const char* extra : {"15 ว.", "60 ว."})
        EXPECT_NE(WarrantyEndDate(QStringLiteral("15/11/2547"), u(extra)),
                  QStringLiteral("15/11/2547"));
}

TEST(MonthBounds, FirstAndLastDayOfAMonth) {
    EXPECT_EQ(MonthStartText(7, 2547), QStringLiteral("01/07/2547"));
    EXPECT_EQ(MonthEndText(2, 2547), QStringLiteral("29/02/2547"));
    EXPECT_EQ(MonthEndText(2, 2546), QStringLiteral("28/02/2546"));
    EXPECT_EQ(MonthEndText(4, 2547), QStringLiteral("30/04/2547"));
    EXPECT_EQ(MonthEndText(12, 2547), QStringLiteral("31/12/2547"));
    EXPECT_EQ(MonthEndText(13, 2547), EmptyDateText);
    EXPECT_EQ(MonthStartText(0, 2547), EmptyDateText);
}

TEST(ZeroPad, PadsTheTrimmedText) {
    const struct {
        const char* text;
        int width;
        const char* expected;
    } cases[] = {
        {"42", 6, "000042"}, {" 42 ", 6, "000042"},   {"   ", 6, ""},
        {"", 6, ""},         {"123456", 6, "123456"}, {"1234567", 6, "1234567"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZeroPad(QString::fromLatin1(c.text), c.width), QString::fromLatin1(c.expected))
            << c.text;
}

} // namespace
