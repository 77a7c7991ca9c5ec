#include "model/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace plandex {

namespace {

constexpr char codePage[] = "windows-1251";
// What the encoder writes for a character it cannot encode.
constexpr char16_t substitute = 0x1A;

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

QString cleanObjectName(const QString &typed)
{
    QString printable;
    printable.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            printable.append(c);
    }
    // Round trip through the code page, so the list shows what a save keeps.
    QString kept = fromCodePage(toCodePage(printable));
    kept.replace(QChar(substitute), QLatin1Char('?'));
    return kept;
}

} // namespace plandex
