#include "shell/mimeappslist.h"

#include "files/safesave.h"
#include "files/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QList>

#include <algorithm>

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

// Whether a "key=value" line names an application ("a.desktop;b.desktop;").
bool namesAnApplication(const QByteArray &line)
{
    const QList<QByteArray> names = line.mid(line.indexOf('=') + 1).split(';');
    return std::any_of(names.begin(), names.end(),
        [](const QByteArray &name) { return !name.trimmed().isEmpty(); });
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
    qsizetype keyLine = -1; // the last one, which readers of the list go by
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
        if (keyOf(bare) == key)
            keyLine = i;
    }

    // The user's choice stays, and so does ours in whatever form it has.
    if (keyLine >= 0 && namesAnApplication(lines[keyLine]))
        return list;
    if (keyLine >= 0) {
        lines[keyLine] = entry + lineEnding(lines[keyLine]);
    } else {
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

bool defaultIsSettled(const QStringList &lists, const QString &mimeType, const QString &desktopFile)
{
    const QByteArray key = mimeType.toUtf8();
    const QByteArray ours = desktopFile.toUtf8();
    for (const QString &path : lists) {
        const WholeFile list = ReadWholeFile(path, Links::Follow, maxMimeappsListSize);
        if (list.problem == ReadProblem::TooLarge)
            return true;
        const QByteArray &b = list.bytes;
        QByteArray group;
        for (qsizetype start = 0, end = 0; start < b.size(); start = end + 1) {
            end = b.indexOf('\n', start);
            end = end < 0 ? b.size() : end;
            const QByteArray bare
                = QByteArrayView(b).sliced(start, end - start).trimmed().toByteArray();
            if (bare.isEmpty())
                continue;
            if (isGroupHeader(bare)) {
                group = bare;
                continue;
            }
            if (keyOf(bare) != key)
                continue;
            if (group == defaultGroup && namesAnApplication(bare))
                return true;
            const QList<QByteArray> removed = bare.mid(bare.indexOf('=') + 1).split(';');
            if (group == "[Removed Associations]"
                && std::any_of(removed.begin(), removed.end(),
                    [&ours](const QByteArray &name) { return name.trimmed() == ours; }))
                return true;
        }
    }
    return false;
}

QStringList mimeappsLists(const QStringList &folders, const QStringList &desktops)
{
    QStringList lists;
    for (const QString &folder : folders) {
        for (const QString &desktop : desktops)
            lists << folder + u'/' + desktop.toLower() + QStringLiteral("-mimeapps.list");
        lists << folder + QStringLiteral("/mimeapps.list");
    }
    return lists;
}

bool setDefaultApplication(const QString &path, const QString &mimeType, const QString &desktopFile,
    const std::function<void()> &beforeRename)
{
    // Other programs write the list too, with no lock to share: it is read
    // again as late as the safe writer allows, and a change made meanwhile
    // is merged rather than lost. A list that never settles is left to them.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const WholeFile list = ReadWholeFile(path, Links::Follow, maxMimeappsListSize);
        if (list.problem != ReadProblem::None && list.problem != ReadProblem::Missing)
            return false;
        const QByteArray merged = withDefaultApplication(list.bytes, mimeType, desktopFile);
        if (merged == list.bytes || !QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        bool changed = false;
        const QString failure = saveFileSafely(path, [&](QIODevice &file) {
            if (file.write(merged) != merged.size())
                return false;
            if (beforeRename)
                beforeRename();
            const WholeFile now = ReadWholeFile(path);
            changed = now.problem != list.problem || now.bytes != list.bytes;
            return !changed;
        });
        if (!changed)
            return failure.isEmpty();
    }
    return false;
}

} // namespace plandex
