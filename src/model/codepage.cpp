#include "model/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

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
        }
        return t;
    }();
    return table;
}

} // namespace

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
    // Round trip through the code page, so the list shows what a save keeps.
    QString kept = fromCodePage(toCodePage(printable));
    kept.replace(QChar(substitute), QLatin1Char('?'));
    return kept;
}

} // namespace plandex
