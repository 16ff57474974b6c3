#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Document numbers: a 4-character prefix, the kind digit and a 6-digit sequence with leading
// zeros, 11 characters. The first five characters, the head, name the series.
inline constexpr int DocumentNumberWidth = 11;
inline constexpr int HeadWidth = 5;
inline constexpr int SequenceWidth = 6;

namespace NumberText {
inline const QString FirstCaption = QStringLiteral("กำหนดเลขที่ใบสำคัญครั้งแรก");
inline const QString FirstPrompt = QStringLiteral("เลขจำนวน 6 หลัก เช่น 001007 ค่าโดยปริยาย 000001");
inline const QString FirstDefault = QStringLiteral("000001");
inline const QString NotNumeric = QStringLiteral("ต้องเป็นตัวเลข จำนวน 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ.");
inline const QString NotSixDigits = QStringLiteral("ไม่ครบ 6 หลัก ยกเลิกแล้วเริ่มต้นใหม่ นะ.");
inline const QString Failed =
    QStringLiteral(" ยังไม่สามารถกำหนดเลขที่ใบสำคัญตอนนี้ได้ ... รอสักครู่ และดำเนินการใหม่อีกครั้ง");
} // namespace NumberText

// PREFIX1 .. PREFIX4 of the shop record (or of the service settings), read once per screen.
struct SeriesPrefixes {
    std::array<QString, 4> prefix;
};

// The head of a kind's series: PREFIXn + n for kinds 1 to 4, "TORD5" and "TQUO6".
// A prefix shorter than four characters gives a shorter head, which no stored number matches.
QString SeriesHead(int kind, const SeriesPrefixes& prefixes);

// "TEMP" followed by a random number from 0 to 999998: the number of a document being entered.
QString TemporaryNumber();
bool IsTemporaryNumber(const QString& number);

// The warnings the first sequence of a series earns (it is used as typed all the same).
QStringList FirstSequenceWarnings(const QString& answer);

// The number that follows the last number of a series: the sequence (characters 6-11) plus
// one, padded to six digits, behind the head. A last number whose sequence is not six digits,
// or a series that has reached 999999, gives no number but a refusal for the user: such a
// number would not fit the field or would repeat forever.
struct NextNumber {
    QString number;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};
NextNumber NumberAfter(const QString& head, const QString& last);
