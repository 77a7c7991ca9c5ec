#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes, or a marker no test writes when it cannot be read.
inline QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Writes bytes as the whole file; true when all were written.
inline bool put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
