#include "thaitext.h"
#include "prompter.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace {

const QString Day = QStringLiteral("ว.");
const QString Month = QStringLiteral("ด.");
const QString Year = QStringLiteral("ป.");

// ---- amounts in words ----

QString digitWord(int d) {
    static const char* const words[] = {"",   "หนึ่ง", "สอง", "สาม", "สี่",
                                        "ห้า", "หก",  "เจ็ด", "แปด", "เก้า"};
    return QString::fromUtf8(words[d]);
}

// 1 to 99: tens "สิบ", "ยี่สิบ", "สามสิบ"...; units "เอ็ด" for 1 after a ten.
QString words1to99(int n) {
    if (n < 10)
        return digitWord(n);
    const int tens = n / 10;
    const int units = n % 10;
    QString out = tens == 1   ? QStringLiteral("สิบ")
                  : tens == 2 ? QStringLiteral("ยี่สิบ")
                              : digitWord(tens) + QStringLiteral("สิบ");
    if (units == 1)
        out += QStringLiteral("เอ็ด");
    else
        out += digitWord(units);
    return out;
}

// A group of three digits: hundreds, then a lone last digit as its digit word (101 ends in
// "หนึ่ง") or the last two digits by the 1-99 rule.
QString groupWords(int n) {
    QString out;
    if (n / 100 != 0)
        out = digitWord(n / 100) + QStringLiteral("ร้อย");
    const int last2 = n % 100;
    out += last2 < 10 ? digitWord(last2) : words1to99(last2);
    return out;
}

// The thousands group: one place word per digit (21 thousand is "สองหมื่นหนึ่งพัน").
QString thousandsWords(int n) {
    QString out;
    if (n / 100 != 0)
        out += digitWord(n / 100) + QStringLiteral("แสน");
    if (n / 10 % 10 != 0)
        out += digitWord(n / 10 % 10) + QStringLiteral("หมื่น");
    if (n % 10 != 0)
        out += digitWord(n % 10) + QStringLiteral("พัน");
    return out;
}

// The count of millions. Below a thousand it is one group; larger counts go on with the
// thousands places and, from a million millions, with "ล้าน" again.
QString millionsWords(std::int64_t n) {
    QString out;
    if (n >= 1'000'000) {
        out = millionsWords(n / 1'000'000) + QStringLiteral("ล้าน");
        n %= 1'000'000;
    }
    return out + thousandsWords(int(n / 1000)) + groupWords(int(n % 1000));
}

// ---- date texts ----

bool isLeap(int christianYear) {
    return christianYear % 4 == 0;
}

int monthLength(int month, int buddhistYear) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeap(buddhistYear - 543))
        return 29;
    return lengths[month - 1];
}

QString dateText(int day, int month, int year) {
    return QStringLiteral("%1/%2/%3")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'));
}

// Only ASCII digits make a number here: no signs, no blanks inside the fixed positions.
std::optional<int> digitsOf(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

struct DateParts {
    int day = 0;
    int month = 0;
    int year = 0; // Buddhist
};

// Day, month and year of a complete date text: characters 1-2, 4-5 and 7-10 (trimmed).
std::optional<DateParts> partsOf(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() != 10)
        return std::nullopt;
    const auto day = digitsOf(t.mid(0, 2));
    const auto month = digitsOf(t.mid(3, 2));
    const auto year = digitsOf(t.mid(6, 4).trimmed());
    if (!day || !month || !year)
        return std::nullopt;
    return DateParts{*day, *month, *year};
}

// The parts of a date text that names a real day by the leap rule of the date texts.
std::optional<DateParts> validParts(const QString& text) {
    const auto p = partsOf(text);
    if (!p || p->month < 1 || p->month > 12 || p->day < 1 ||
        p->day > monthLength(p->month, p->year))
        return std::nullopt;
    return p;
}

QDate dateOf(const DateParts& p) {
    return QDate(p.year - 543, p.month, p.day);
}

struct Term {
    int count = 0;
    QString unit; // Day, Month or Year
};

// "30 ว." -> 30 days; nullopt for any other shape.
std::optional<Term> termOf(const QString& text) {
    const QString t = text.trimmed();
    const int blank = t.indexOf(QLatin1Char(' '));
    if (blank <= 0)
        return std::nullopt;
    const auto count = digitsOf(t.left(blank));
    const QString unit = t.mid(blank + 1);
    if (!count || (unit != Day && unit != Month && unit != Year))
        return std::nullopt;
    return Term{*count, unit};
}

} // namespace

QStringList CreditTerms() {
    QStringList terms{QStringLiteral("สด")};
    for (int n : {3, 7, 15, 30, 45, 60, 90, 120})
        terms << QStringLiteral("%1 ว.").arg(n);
    for (int n = 0; n <= 6; ++n)
        terms << QStringLiteral("%1 ด.").arg(n);
    return terms;
}

QStringList WarrantyTerms() {
    QStringList terms{QString()};
    for (int n : {3, 7, 30, 45, 90, 120, 180})
        terms << QStringLiteral("%1 ว.").arg(n);
    for (int n = 1; n <= 6; ++n)
        terms << QStringLiteral("%1 ด.").arg(n);
    for (int n = 1; n <= 3; ++n)
        terms << QStringLiteral("%1 ป.").arg(n);
    return terms;
}

QString BahtText(const QString& amount) {
    const auto value = Money::parse(amount);
    return value ? BahtText(*value) : QString();
}

QString BahtText(Money amount) {
    const Money v = amount.rounded(2);
    if (v.units() <= 0)
        return QStringLiteral("ศูนย์บาทถ้วน");
    const std::int64_t whole = v.units() / Money::Scale;
    const int satang = int(v.units() % Money::Scale / 100);

    const std::int64_t millions = whole / 1'000'000;
    const int thousands = int(whole / 1000 % 1000);
    const int units = int(whole % 1000);

    const QString millionsPart =
        millions > 0 ? millionsWords(millions) + QStringLiteral("ล้าน") : QString();
    const QString thousandsPart = thousands > 0 ? thousandsWords(thousands) : QString();
    QString bahtPart = (units > 0 ? groupWords(units) : QString()) + QStringLiteral("บาท");
    if (satang > 0)
        bahtPart += QLatin1Char(' ') + words1to99(satang) + QStringLiteral("สตางค์ ");
    else
        bahtPart += QStringLiteral("ถ้วน");

    QString out = millionsPart;
    if (!thousandsPart.isEmpty())
        out += QLatin1Char(' ') + thousandsPart;
    return out + QLatin1Char(' ') + bahtPart;
}

QString ThaiDateText(const QDate& date) {
    if (!date.isValid())
        return EmptyDateText;
    return dateText(date.day(), date.month(), date.year() + 543);
}

QString ChristianDateText(const QDate& date) {
    if (!date.isValid())
        return EmptyDateText;
    return dateText(date.day(), date.month(), date.year());
}

QDate ThaiDateToDate(const QString& text, Prompter& prompter) {
    if (text.trimmed().size() != 10) {
        prompter.information(QStringLiteral("ข้อมูล วัน เดือน ปี  ไม่ครบ"));
        return {};
    }
    const auto p = partsOf(text);
    const QDate date = p ? dateOf(*p) : QDate();
    if (!date.isValid())
        prompter.information(QStringLiteral("ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที"));
    return date;
}

bool IsThaiDate(const QString& text) {
    return validParts(text).has_value();
}

std::optional<double> NumberTextValue(const QString& text) {
    if (const auto money = Money::parse(text))
        return money->toDouble();
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool IsNumberText(const QString& text, Prompter& prompter) {
    const bool ok = NumberTextValue(text).has_value();
    if (!ok)
        prompter.information(QStringLiteral("ตัวเลข...ไม่ถูกต้อง "));
    return ok;
}

QString DueDateForTerm(const QString& documentDate, const QString& creditTerm) {
    const auto term = termOf(creditTerm);
    const auto parts = validParts(documentDate);
    if (!term || !parts)
        return documentDate;
    if (term->unit == Day) {
        static const QList<int> days{3, 7, 15, 30, 45, 60, 90, 120};
        if (!days.contains(term->count))
            return documentDate;
        const QDate date = dateOf(*parts);
        return date.isValid() ? ThaiDateText(date.addDays(term->count)) : documentDate;
    }
    if (term->unit == Month && term->count <= 6) {
        int month = parts->month + term->count;
        int year = parts->year;
        if (month > 12) {
            month -= 12;
            ++year;
        }
        return dateText(monthLength(month, year), month, year);
    }
    return documentDate;
}

QString WarrantyEndDate(const QString& startDate, const QString& warrantyTerm) {
    const auto term = termOf(warrantyTerm);
    const auto p = validParts(startDate);
    if (!term || !p)
        return startDate;
    if (term->unit == Day) {
        static const QList<int> days{3, 7, 15, 30, 45, 60, 90, 120, 180};
        if (!days.contains(term->count))
            return startDate;
        // The day of the start counts: seven days from 1 March end on 7 March.
        const QDate date = dateOf(*p);
        return date.isValid() ? ThaiDateText(date.addDays(term->count - 1)) : startDate;
    }
    if (term->unit == Month) {
        if (term->count < 1 || term->count > 6)
            return startDate;
        int month = p->month + term->count;
        int year = p->year;
        if (month > 12) {
            month -= 12;
            ++year;
        }
        if (p->day == 1) {
            // From the first of a month to the end of the month before the target month.
            int before = month - 1;
            int beforeYear = year;
            if (before == 0) {
                before = 12;
                --beforeYear;
            }
            return dateText(monthLength(before, beforeYear), before, beforeYear);
        }
        const int last = monthLength(month, year);
        int day = p->day - 1;
        if (p->day == 28)
            day = last;
        else if (p->day > 28)
            day = std::min(p->day, last);
        return dateText(day, month, year);
    }
    if (term->count < 1 || term->count > 3)
        return startDate;
    const int year = p->year + term->count;
    if (p->day == 1 && p->month == 1)
        return dateText(31, 12, year - 1);
    const int day = p->month == 2 ? std::min(p->day, monthLength(2, year)) : p->day;
    return dateText(day, p->month, year);
}

QString MonthStartText(int month, int buddhistYear) {
    if (month < 1 || month > 12)
        return EmptyDateText;
    return dateText(1, month, buddhistYear);
}

QString MonthEndText(int month, int buddhistYear) {
    if (month < 1 || month > 12)
        return EmptyDateText;
    return dateText(monthLength(month, buddhistYear), month, buddhistYear);
}

QString ZeroPad(const QString& text, int width) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    return t.rightJustified(width, QLatin1Char('0'));
}
