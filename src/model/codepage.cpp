#include "model/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
    QStringDecoder decoder(codePage);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

CodePageText decodeCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder(codePage);
    if (!decoder.isValid())
        return {QString::fromLatin1(bytes), -1};
    CodePageText result {decoder.decode(bytes), -1};
    if (!decoder.hasError() && result.text.size() == bytes.size()) {
        result.badByte = firstUndefined(result.text);
        return result;
    }
    // Rare: find the byte by itself, so the caller can say where.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QStringDecoder one(codePage);
        const QString c = one.decode(bytes.sliced(i, 1));
        if (one.hasError() || c.size() != 1 || firstUndefined(c) == 0) {
            result.badByte = i;
            return result;
        }
    }
    result.badByte = 0;
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
