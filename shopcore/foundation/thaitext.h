#pragma once

#include "money.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Prompter;

// The Thai text, number and date routines every program carries: amounts in words, the
// ten-character Buddhist-Era date text (dd/mm/yyyy, year = Christian year + 543) in which the
// database keeps its dates, credit and warranty terms, month bounds and zero padding.
//
// The zero date is a null QDate: the routines return it for a date text they cannot read and
// turn it (or any invalid QDate) into the empty date text.

// "  /  /    ": the blank of the date entry masks, standing for no date.
inline const QString EmptyDateText = QStringLiteral("  /  /    ");

// The credit terms of CUST_CRE in the order the registers offer them: cash, N days, N months
// ("0 ด." is the end of the current month).
QStringList CreditTerms();
// The warranty terms the product registers offer, the empty text (no warranty) first.
// WarrantyEndDate also understands "15 ว." and "60 ว.".
QStringList WarrantyTerms();

// The amount in Thai words as printed between "<" and ">": groups separated by blanks, every
// amount below a million starting with a blank, zero and negative amounts "ศูนย์บาทถ้วน".
// Amounts of a thousand million baht and more are worded on in the same way
// ("หนึ่งพันล้าน บาทถ้วน", "หนึ่งล้านล้าน บาทถ้วน"). The text overload takes the amount as a
// decimal number with a point ("1234.50"; thousands commas allowed) and gives an empty text
// when it is not a number.
QString BahtText(const QString& amount);
QString BahtText(Money amount);

// dd/mm/yyyy with the Buddhist year; the empty date text for the zero date.
QString ThaiDateText(const QDate& date);
// As ThaiDateText with the Christian year (rental slips).
QString ChristianDateText(const QDate& date);

// Reads a date text. An incomplete text (not 10 characters once trimmed) or one that names
// no real day shows its message and gives the zero date.
QDate ThaiDateToDate(const QString& text, Prompter& prompter);
// True for a complete date text naming a real day (leap years: Christian year divisible by 4).
bool IsThaiDate(const QString& text);
// The value of a number text: what Money reads (thousands commas allowed) or a plain C-locale
// number ("1e3"); nullopt when the text is not a number. The one rule of every number entry.
std::optional<double> NumberTextValue(const QString& text);
// True when the text is a number; otherwise shows "ตัวเลข...ไม่ถูกต้อง " and gives false.
bool IsNumberText(const QString& text, Prompter& prompter);

// The due date of a document dated `documentDate` under a credit term. An empty date stays
// empty; a date that cannot be read, "สด" and any term not in CreditTerms() leave it unchanged.
QString DueDateForTerm(const QString& documentDate, const QString& creditTerm);
// The last day on which a warranty from `startDate` still holds. An empty term, an unknown
// term or a start date that cannot be read give the start date unchanged.
QString WarrantyEndDate(const QString& startDate, const QString& warrantyTerm);

// First and last day of a month (1-12) of a Buddhist year, as date texts; the empty date
// text for a month outside 1-12.
QString MonthStartText(int month, int buddhistYear);
QString MonthEndText(int month, int buddhistYear);

// The trimmed text with leading zeros up to `width`; a blank text gives an empty text and a
// text as long as the width or longer is returned trimmed.
QString ZeroPad(const QString& text, int width);
