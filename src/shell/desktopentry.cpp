#include "shell/desktopentry.h"

#include "shell/roomfiletype.h"

#include <QFile>

#include <algorithm>

namespace plandex {

QString execArgument(const QString &argument)
{
    // The characters that force quoting, from the desktop entry format.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || reserved.contains(c);

    QString out;
    out.reserve(argument.size() + 8);
    if (quote)
        out += u'"';
    for (const QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += u'\\';
        out += c;
        if (c == u'%')
            out += u'%';
    }
    if (quote)
        out += u'"';
    return out;
}

bool fitsExecLine(const QString &program)
{
    // A name the file system could not decode has become something else.
    if (!program.startsWith(u'/') || program.contains(QChar::ReplacementCharacter)
        || QFile::decodeName(QFile::encodeName(program)) != program)
        return false;
    // % starts a field code, and GLib looks the program up before it
    // undoes %%; control characters end or garble the line in some readers;
    // the format forbids = in the program's name.
    return std::none_of(program.begin(), program.end(),
        [](QChar c) { return c == u'%' || c == u'=' || c.category() == QChar::Other_Control; });
}

QString keyFileValue(const QString &value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray desktopEntry(const QString &program)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Plandex\n"
                                        "GenericName=Room Planner\n"
                                        "GenericName[ru]=Планировщик комнаты\n"
                                        "Comment=Lay out furniture in a room\n"
                                        "Comment[ru]=Расстановка мебели в комнате\n"
                                        "Exec=%1 %f\n"
                                        "Icon=%2\n"
                                        "Terminal=false\n"
                                        "MimeType=%3;\n"
                                        "Categories=Graphics;2DGraphics;\n"
                                        "Keywords=room;furniture;plan;interior;\n"
                                        "Keywords[ru]=комната;мебель;план;интерьер;\n")
                             .arg(keyFileValue(execArgument(program)), appIconName, roomMimeType);
    return text.toUtf8();
}

} // namespace plandex
