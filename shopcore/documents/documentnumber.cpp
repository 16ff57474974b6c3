#include "documentnumber.h"

#include "shopcore/foundation/thaitext.h"

#include <QRandomGenerator>
#include <QRegularExpression>

QString SeriesHead(int kind, const SeriesPrefixes& prefixes) {
    switch (kind) {
    case 1:
    case 2:
    case 3:
    case 4:
        return prefixes.prefix[kind - 1] + QString::number(kind);
    case 5:
        return QStringLiteral("TORD5");
    case 6:
        return QStringLiteral("TQUO6");
    }
    return {};
}

QString TemporaryNumber() {
    return QStringLiteral("TEMP") + QString::number(QRandomGenerator::global()->bounded(999999));
}

bool IsTemporaryNumber(const QString& number) {
    return number.startsWith(QLatin1String("TEMP"));
}

QStringList FirstSequenceWarnings(const QString& answer) {
    static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    QStringList warnings;
    bool fits = false;
    answer.trimmed().toInt(&fits);
    if (!integer.match(answer).hasMatch() || !fits)
        warnings << NumberText::NotNumeric;
    if (answer.size() != SequenceWidth)
        warnings << NumberText::NotSixDigits;
    return warnings;
}

NextNumber NumberAfter(const QString& head, const QString& last) {
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    const QString sequence = last.mid(HeadWidth);
    if (!sixDigits.match(sequence).hasMatch())
        return {QString(), QStringLiteral("เลขที่ใบสำคัญล่าสุด \"%1\" ไม่ใช่ตัวเลข 6 หลัก "
                                          "จึงกำหนดเลขที่ถัดไปไม่ได้ ... "
                                          "ต้องแก้ไขเลขที่ใบสำคัญนั้นก่อน")
                               .arg(last.trimmed())};
    const int next = sequence.toInt() + 1;
    if (next > 999999)
        return {QString(), QStringLiteral("เลขที่ใบสำคัญชุด %1 ใช้ครบ 999999 แล้ว "
                                          "จึงกำหนดเลขที่ถัดไปไม่ได้ ... "
                                          "ต้องเปลี่ยนคำนำหน้าเลขที่ใบสำคัญในข้อมูลระบบ")
                               .arg(head)};
    return {head + ZeroPad(QString::number(next), SequenceWidth), QString()};
}
