#include "model/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <bitset>

namespace plandex {

namespace {

constexpr char codePage[] = "windows-1251";
// What the encoder writes for a character it cannot encode.
constexpr char16_t substitute = 0x1A;

// The code page leaves byte 0x98 undefined; the converter passes it on as
// the control character U+0098 instead of failing. No other byte decodes to
// a C1 control, so one stands for a byte that is no character.
qsizetype firstUndefined(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80 && text[i].unicode() <= 0x9F)
            return i;
    }
    return -1;
}

// The code page maps each byte to one character on its own, so the
// converter's answer for each byte, asked once, decodes a whole file in one
// pass: a file of long names spends its time reading, not converting.
struct ByteTable {
    bool valid = false;
    std::array<char16_t, 256> chars {};
    std::array<bool, 256> defined {};
    // The characters some byte decodes to.
    std::bitset<0x10000> held;
};

const ByteTable &byteTable()
{
    static const ByteTable table = [] {
        ByteTable t;
        t.valid = QStringDecoder(codePage).isValid();
        for (int b = 0; t.valid && b < 256; ++b) {
            QStringDecoder one(codePage);
            const char byte = char(b);
            const QString c = one.decode(QByteArrayView(&byte, 1));
            t.defined[b] = !one.hasError() && c.size() == 1 && firstUndefined(c) < 0;
            t.chars[b] = c.isEmpty() ? substitute : c[0].unicode();
            if (t.defined[b])
                t.held.set(t.chars[b]);
        }
        return t;
    }();
    return table;
}

bool inCodePage(char32_t c, const ByteTable &table = byteTable())
{
    if (!table.valid)
        return c < 0x100;
    return c < 0x10000 && table.held[c];
}

// The reference "&#digits;" at i: its length and the number it gives
// (past the last code point when it has more digits than one needs); a
// length of 0 when there is none.
struct Reference {
    qsizetype length = 0;
    char32_t value = 0;
};

Reference referenceAt(QStringView text, qsizetype i)
{
    if (text.size() - i < 4 || text[i] != u'&' || text[i + 1] != u'#')
        return {};
    char32_t value = 0;
    qsizetype end = i + 2;
    for (; end < text.size() && text[end] >= u'0' && text[end] <= u'9'; ++end)
        value = std::min<char32_t>(value * 10 + (text[end].unicode() - u'0'), 0x110000);
    if (end == i + 2 || end == text.size() || text[end] != u';')
        return {};
    return {end + 1 - i, value};
}

} // namespace

void appendWithCharacterReferences(QString &out, QStringView name)
{
    const ByteTable &table = byteTable();
    qsizetype kept = 0; // the start of the run not yet appended
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        // Most names are letters the code page holds.
        if (c < 0x80 && c != u'&')
            continue;
        const bool pair
            = QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        if (pair)
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
        const bool ampersand = c == u'&' && referenceAt(name, i).length > 0;
        if (!ampersand && inCodePage(c, table))
            continue;
        out += name.sliced(kept, i - kept);
        out += QLatin1String("&#") + QString::number(ampersand ? uint(u'&') : uint(c)) + u';';
        i += pair ? 1 : 0;
        kept = i + 1;
    }
    out += name.sliced(kept);
}

QString withoutCharacterReferences(QStringView text)
{
    qsizetype at = text.indexOf(u'&');
    if (at < 0)
        return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype kept = 0; // the start of the text not yet appended
    const char16_t *chars = text.utf16();
    for (; at < text.size(); ++at) {
        if (chars[at] != u'&')
            continue;
        const Reference r = referenceAt(text, at);
        const bool ampersand = r.length == 5 && r.value == u'&';
        if (!ampersand && (r.length == 0 || r.value > 0x10FFFF || inCodePage(r.value)))
            continue;
        out += text.sliced(kept, at - kept);
        if (QChar::requiresSurrogates(r.value))
            out += QString::fromUcs4(&r.value, 1);
        else
            out += QChar(char16_t(r.value));
        kept = at + r.length;
        at = kept - 1;
    }
    out += text.sliced(kept);
    return out;
}

QByteArray toCodePage(const QString &text)
{
    QStringEncoder encoder(codePage);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

QString fromCodePage(const QByteArray &bytes)
{
    return decodeCodePage(bytes).text;
}

CodePageText decodeCodePage(QByteArrayView bytes)
{
    const ByteTable &table = byteTable();
    if (!table.valid)
        return {QString::fromLatin1(bytes), -1};
    CodePageText result;
    result.text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(result.text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes[i]);
        out[i] = table.chars[b];
        if (!table.defined[b] && result.badByte < 0)
            result.badByte = i;
    }
    return result;
}

std::optional<QByteArray> encodeCodePage(QStringView text)
{
    QStringEncoder encoder(codePage);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    // A converter may fall back to a look-alike byte without an error;
    // only a text that reads back the same was encoded faithfully.
    const CodePageText back = decodeCodePage(bytes);
    if (back.badByte >= 0 || back.text != text)
        return std::nullopt;
    return bytes;
}

QString cleanObjectName(const QString &typed)
{
    QString printable;
    printable.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.category() != QChar::Other_Control)
            printable.append(c);
    }
    return printable;
}

} // namespace plandex
