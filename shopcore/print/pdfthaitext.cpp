#include "pdfthaitext.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The private-use code points of the shaped Thai glyphs and the characters they show.
char16_t standardThaiOf(char16_t pua) {
    static const char16_t map[] = {
        0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, // F700-F708
        0x0E4C, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E0D, 0x0E31, 0x0E4D, // F709-F711
        0x0E47, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E38, 0x0E39, 0x0E3A, // F712-F71A
    };
    if (pua >= 0xF700 && pua <= 0xF71A)
        return map[pua - 0xF700];
    if (pua == 0x0009)
        return 0x0020;
    return pua;
}

// Rewrites the 4-digit hex targets of the character maps in place (the glyph ids before them
// stay): same length, so every offset of the file stays valid.
void fixCharacterMaps(QByteArray& pdf) {
    qsizetype from = 0;
    while ((from = pdf.indexOf("begincmap", from)) >= 0) {
        const qsizetype end = pdf.indexOf("endcmap", from);
        if (end < 0)
            return;
        int sources = 0; // glyph ids that open each line of the current section
        for (qsizetype line = from; line < end;) {
            qsizetype next = pdf.indexOf('\n', line);
            if (next < 0 || next > end)
                next = end;
            const QByteArray text = pdf.mid(line, next - line);
            if (text.endsWith("beginbfrange"))
                sources = 2;
            else if (text.endsWith("beginbfchar"))
                sources = 1;
            else if (text.startsWith("end"))
                sources = 0;
            else if (sources > 0) {
                int seen = 0;
                for (qsizetype i = line; i + 5 < next; ++i) {
                    if (pdf.at(i) != '<' || pdf.at(i + 5) != '>')
                        continue;
                    if (++seen > sources) {
                        bool ok = false;
                        const auto code = char16_t(pdf.mid(i + 1, 4).toUInt(&ok, 16));
                        const char16_t fixed = ok ? standardThaiOf(code) : code;
                        if (fixed != code)
                            pdf.replace(i + 1, 4,
                                        QByteArray::number(uint(fixed), 16)
                                            .rightJustified(4, '0')
                                            .toUpper());
                    }
                    i += 5;
                }
            }
            line = next + 1;
        }
        from = end;
    }
}

// Glyph id -> Unicode of one character map (bfrange with arrays or offsets, and bfchar).
QHash<QString, ushort> readCharacterMap(const QByteArray& cmap) {
    QHash<QString, ushort> out;
    static const QRegularExpression range(QStringLiteral(
        "<([0-9A-Fa-f]{4})>\\s*<([0-9A-Fa-f]{4})>\\s*(\\[[^\\]]*\\]|<[0-9A-Fa-f]{4}>)"));
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    const QString text = QString::fromLatin1(cmap);
    const qsizetype ranges = text.indexOf(QLatin1String("beginbfrange"));
    for (auto m = range.globalMatch(text, std::max<qsizetype>(0, ranges)); m.hasNext();) {
        const auto match = m.next();
        const uint first = match.captured(1).toUInt(nullptr, 16);
        const uint last = match.captured(2).toUInt(nullptr, 16);
        const QString target = match.captured(3);
        if (target.startsWith(QLatin1Char('['))) {
            uint glyph = first;
            for (auto t = hex.globalMatch(target); t.hasNext() && glyph <= last; ++glyph)
                out.insert(QStringLiteral("%1").arg(glyph, 4, 16, QLatin1Char('0')).toUpper(),
                           ushort(t.next().captured(1).toUInt(nullptr, 16)));
        } else {
            const uint base = target.mid(1, 4).toUInt(nullptr, 16);
            for (uint glyph = first; glyph <= last; ++glyph)
                out.insert(QStringLiteral("%1").arg(glyph, 4, 16, QLatin1Char('0')).toUpper(),
                           ushort(base + glyph - first));
        }
    }
    return out;
}

struct PdfObject {
    int number = 0;
    QByteArray bytes; // "N 0 obj" up to and including "endobj\n"
};

struct ParsedPdf {
    QByteArray head; // header up to the first object
    QList<PdfObject> objects;
    QByteArray trailer; // "trailer ... >>" without startxref
};

bool parse(const QByteArray& pdf, ParsedPdf& out) {
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return false;
    bool ok = false;
    const qsizetype xref =
        pdf.mid(startxref + 9, 32).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || !pdf.mid(xref).startsWith("xref"))
        return false;
    const qsizetype trailer = pdf.indexOf("trailer", xref);
    if (trailer < 0)
        return false;
    const QList<QByteArray> lines = pdf.mid(xref, trailer - xref).split('\n');
    QList<QPair<qsizetype, int>> offsets;
    int number = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> parts = lines[i].trimmed().split(' ');
        if (parts.size() == 2) { // subsection: first object and count
            number = parts[0].toInt();
            continue;
        }
        if (parts.size() == 3 && parts[2] == "n")
            offsets.append({parts[0].toLongLong(), number});
        ++number;
    }
    if (offsets.isEmpty())
        return false;
    std::sort(offsets.begin(), offsets.end());
    out.head = pdf.left(offsets.first().first);
    for (const auto& [offset, objectNumber] : offsets) {
        const qsizetype end = pdf.indexOf("endobj", offset);
        if (end < 0)
            return false;
        qsizetype stop = end + 6;
        while (stop < pdf.size() && (pdf.at(stop) == '\n' || pdf.at(stop) == '\r'))
            ++stop;
        out.objects.append({objectNumber, pdf.mid(offset, stop - offset)});
    }
    out.trailer = pdf.mid(trailer, startxref - trailer);
    return true;
}

QByteArray write(const ParsedPdf& pdf) {
    QByteArray out = pdf.head;
    QHash<int, qsizetype> offsets;
    int highest = 0;
    for (const PdfObject& o : pdf.objects) {
        offsets.insert(o.number, out.size());
        highest = std::max(highest, o.number);
        out += o.bytes;
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(highest + 1) + "\n0000000000 65535 f \n";
    for (int n = 1; n <= highest; ++n)
        out += offsets.contains(n)
                   ? QByteArray::number(offsets.value(n)).rightJustified(10, '0') + " 00000 n \n"
                   : QByteArray("0000000000 65535 f \n");
    out += pdf.trailer + "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

QByteArray streamOf(const QByteArray& object, qsizetype* begin, qsizetype* end) {
    qsizetype s = object.indexOf("stream\n");
    const qsizetype e = object.lastIndexOf("endstream");
    if (s < 0 || e < 0)
        return {};
    s += 7;
    qsizetype stop = e;
    if (stop > s && object.at(stop - 1) == '\n')
        --stop;
    *begin = s;
    *end = stop;
    return object.mid(s, stop - s);
}

QByteArray inflate(const QByteArray& data) {
    QByteArray sized(4, '\0');
    const quint32 guess = quint32(data.size()) * 8 + 1024; // Qt grows the buffer as needed
    for (int i = 0; i < 4; ++i)
        sized[i] = char((guess >> (24 - 8 * i)) & 0xff);
    return qUncompress(sized + data);
}

QByteArray deflate(const QByteArray& data) {
    return qCompress(data, 9).mid(4); // without Qt's length prefix: a plain zlib stream
}

// The characters of a run of glyphs in their typed order: shaping draws sara am as nikhahit,
// any tone mark, sara aa (typed, the tone mark comes first and sara am is one character), and
// may draw a tone mark before the vowel below it, which canonical ordering puts back.
QString typedOrder(QString text) {
    static const QRegularExpression saraAm(QStringLiteral("\u0E4D([\u0E48-\u0E4B]*)\u0E32"));
    text.replace(saraAm, QStringLiteral("\\1\u0E33"));
    return text.normalized(QString::NormalizationForm_C);
}

QByteArray utf16Hex(const QString& text) {
    QByteArray out = "FEFF";
    for (QChar c : text)
        out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return out;
}

// Gives every text object of a page's content an /ActualText span with the characters its
// glyphs stand for, so that readers copy the text as typed rather than guessing from the
// positions of the marks.
QByteArray markActualText(const QByteArray& content,
                          const QHash<QByteArray, QHash<QString, ushort>>& fonts) {
    static const QRegularExpression font(QStringLiteral("/(\\w+) [-0-9.]+ Tf"));
    static const QRegularExpression shown(QStringLiteral("<([0-9A-Fa-f]+)> Tj"));
    const QString text = QString::fromLatin1(content);
    QString out;
    qsizetype done = 0;
    qsizetype block = 0;
    while ((block = text.indexOf(QLatin1String("BT\n"), done)) >= 0) {
        const qsizetype blockEnd = text.indexOf(QLatin1String("ET\n"), block);
        if (blockEnd < 0)
            break;
        out += text.mid(done, block - done);
        const QString body = text.mid(block + 3, blockEnd - block - 3);
        const auto f = font.match(body);
        const auto glyphs = fonts.value(f.hasMatch() ? f.captured(1).toLatin1() : QByteArray());
        QString typed;
        bool known = !glyphs.isEmpty();
        for (auto m = shown.globalMatch(body); known && m.hasNext();) {
            const QString hex = m.next().captured(1).toUpper();
            for (qsizetype i = 0; known && i + 4 <= hex.size(); i += 4) {
                const ushort u = glyphs.value(hex.mid(i, 4));
                known = u != 0;
                typed += QChar(u);
            }
        }
        out += QStringLiteral("BT\n");
        if (known && !typed.isEmpty())
            out += QStringLiteral("/Span <</ActualText <%1>>> BDC\n")
                       .arg(QString::fromLatin1(utf16Hex(typedOrder(typed)))) +
                   body + QStringLiteral("EMC\n");
        else
            out += body;
        done = blockEnd;
    }
    out += text.mid(done);
    return out.toLatin1();
}

} // namespace

QByteArray fixThaiTextOfPdf(const QByteArray& original) {
    QByteArray pdf = original;
    fixCharacterMaps(pdf);

    ParsedPdf parsed;
    if (!parse(pdf, parsed))
        return pdf;

    // Fonts by their resource name: /F7 names object 7 throughout Qt's files; its /ToUnicode
    // names the character map.
    QHash<int, const PdfObject*> byNumber;
    for (const PdfObject& o : parsed.objects)
        byNumber.insert(o.number, &o);
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    static const QRegularExpression fontName(QStringLiteral("/(\\w+) (\\d+) 0 R"));
    QHash<QByteArray, QHash<QString, ushort>> fonts;
    for (const PdfObject& o : parsed.objects) {
        const qsizetype dict = o.bytes.indexOf("/Font <<");
        if (dict < 0)
            continue;
        const QString entries =
            QString::fromLatin1(o.bytes.mid(dict + 8, o.bytes.indexOf(">>", dict) - dict - 8));
        for (auto m = fontName.globalMatch(entries); m.hasNext();) {
            const auto f = m.next();
            const PdfObject* fontObject = byNumber.value(f.captured(2).toInt());
            if (!fontObject)
                continue;
            const auto map = toUnicode.match(QString::fromLatin1(fontObject->bytes));
            if (const PdfObject* cmap =
                    map.hasMatch() ? byNumber.value(map.captured(1).toInt()) : nullptr)
                fonts.insert(f.captured(1).toLatin1(), readCharacterMap(cmap->bytes));
        }
    }
    if (fonts.isEmpty())
        return pdf;

    static const QRegularExpression length(QStringLiteral("/Length (\\d+ 0 R|\\d+)"));
    for (PdfObject& o : parsed.objects) {
        if (!o.bytes.contains("/FlateDecode") || o.bytes.contains("/Length1") ||
            o.bytes.contains("/Subtype /Image"))
            continue;
        qsizetype begin = 0;
        qsizetype end = 0;
        const QByteArray content = inflate(streamOf(o.bytes, &begin, &end));
        if (!content.contains("BT\n"))
            continue;
        const QByteArray marked = markActualText(content, fonts);
        if (marked == content)
            continue;
        const QByteArray packed = deflate(marked);
        QByteArray bytes = o.bytes.left(begin) + packed + o.bytes.mid(end);
        const QString head = QString::fromLatin1(bytes.left(begin));
        const auto l = length.match(head);
        if (!l.hasMatch())
            continue;
        bytes.replace(l.capturedStart(), l.capturedLength(),
                      "/Length " + QByteArray::number(packed.size()));
        o.bytes = bytes;
    }
    return write(parsed);
}
