#include "shell/mimeappslist.h"

#include <QList>

namespace plandex {

namespace {

const QByteArray defaultGroup = QByteArrayLiteral("[Default Applications]");

bool isGroupHeader(const QByteArray &line)
{
    return line.trimmed().startsWith('[');
}

// The key of a "key=value" line, without blanks around it.
QByteArray keyOf(const QByteArray &line)
{
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QByteArray() : line.left(eq).trimmed();
}

QByteArray lineEnding(const QByteArray &line)
{
    if (line.endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    return line.endsWith('\n') ? QByteArrayLiteral("\n") : QByteArray();
}

} // namespace

QByteArray withDefaultApplication(
    const QByteArray &list, const QString &mimeType, const QString &desktopFile)
{
    const QByteArray key = mimeType.toUtf8();
    const QByteArray entry = key + '=' + desktopFile.toUtf8() + ';';

    // Lines keep their own endings, so a file with CR LF keeps them.
    QList<QByteArray> lines;
    for (qsizetype start = 0; start < list.size();) {
        qsizetype end = list.indexOf('\n', start);
        end = end < 0 ? list.size() : end + 1;
        lines.append(list.mid(start, end - start));
        start = end;
    }
    const QByteArray eol = list.contains("\r\n") ? QByteArrayLiteral("\r\n") : "\n";

    bool inDefaults = false;
    bool replaced = false;
    qsizetype groupEnd = -1; // index after the last key line of the group
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray bare = lines[i].trimmed();
        if (isGroupHeader(lines[i])) {
            inDefaults = bare == defaultGroup;
            if (inDefaults && groupEnd < 0)
                groupEnd = i + 1;
            continue;
        }
        if (!inDefaults)
            continue;
        if (!bare.isEmpty() && !bare.startsWith('#'))
            groupEnd = i + 1;
        if (keyOf(bare) == key) {
            lines[i] = entry + lineEnding(lines[i]);
            replaced = true;
        }
    }

    if (!replaced) {
        if (groupEnd < 0) {
            if (!lines.isEmpty() && !lines.last().endsWith('\n'))
                lines.last() += eol;
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines.append(eol);
            lines.append(defaultGroup + eol);
            groupEnd = lines.size();
        } else if (!lines[groupEnd - 1].endsWith('\n')) {
            lines[groupEnd - 1] += eol;
        }
        lines.insert(groupEnd, entry + eol);
    }
    return lines.join();
}

} // namespace plandex
