#include "model/visibletext.h"

namespace plandex {

namespace {

bool isBidiFormat(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069);
}

QString hex(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString visibleText(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            shown += c;
            shown += text[++i];
        } else if (c.isSurrogate()) {
            // A byte of a path kept as it was, or a half of a character.
            shown += u >= 0xDC80 && u <= 0xDCFF ? QStringLiteral("\\x") + hex(u - 0xDC00, 2)
                                                : QString(QChar::ReplacementCharacter);
        } else if (c.category() == QChar::Other_Control || isBidiFormat(u) || u == 0x2028
            || u == 0x2029) {
            shown += QStringLiteral("\\u") + hex(u, 4);
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace plandex
