#include "files/filepath.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex {

namespace {

constexpr char16_t firstEscape = 0xDC80;

// The length of the valid UTF-8 sequence at the start of bytes, or 0.
qsizetype utf8Length(QByteArrayView bytes)
{
    const auto b0 = uchar(bytes[0]);
    if (b0 < 0x80)
        return 1;
    qsizetype n = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        least = 0x10000;
    }
    if (n == 0 || bytes.size() < n)
        return 0;
    char32_t c = b0 & (0x7F >> n);
    for (qsizetype i = 1; i < n; ++i) {
        const auto b = uchar(bytes[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and what lies past Unicode are not UTF-8.
    if (c < least || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0;
    return n;
}

} // namespace

QString pathFromBytes(QByteArrayView bytes)
{
    QString path;
    path.reserve(bytes.size());
    qsizetype valid = 0; // the start of the valid run not yet decoded
    for (qsizetype i = 0; i <= bytes.size();) {
        const qsizetype n = i < bytes.size() ? utf8Length(bytes.sliced(i)) : 0;
        if (n > 0) {
            i += n;
            continue;
        }
        path += QString::fromUtf8(bytes.sliced(valid, i - valid));
        if (i < bytes.size())
            path += QChar(char16_t(firstEscape + uchar(bytes[i]) - 0x80));
        valid = ++i;
    }
    return path;
}

QByteArray pathBytes(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool end = i == path.size();
        const char16_t c = end ? 0 : path[i].unicode();
        const bool lowAlone
            = !end && QChar::isLowSurrogate(c) && !(i > 0 && path[i - 1].isHighSurrogate());
        if (!end && !(lowAlone && c >= firstEscape && c <= 0xDCFF))
            continue;
        bytes += path.sliced(from, i - from).toUtf8();
        if (!end)
            bytes += char(c - firstEscape + 0x80);
        from = i + 1;
    }
    return bytes;
}

QByteArray absolutePathBytes(QStringView path)
{
    QByteArray bytes = pathBytes(path);
    if (bytes.startsWith('/'))
        return bytes;
    QByteArray folder(4096, '\0');
    while (::getcwd(folder.data(), size_t(folder.size())) == nullptr) {
        if (errno != ERANGE)
            return bytes;
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qsizetype(qstrlen(folder.constData())));
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + bytes;
}

bool isSameFile(const QString &a, const QString &b)
{
    struct stat first;
    struct stat second;
    return ::stat(pathBytes(a).constData(), &first) == 0
        && ::stat(pathBytes(b).constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

} // namespace plandex
