#include "files/filesink.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace plandex {

namespace {

constexpr qsizetype gatherSize = qsizetype(256) * 1024;

} // namespace

FileSink::FileSink(int fd)
    : m_fd(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool FileSink::finish()
{
    return writeGathered();
}

bool FileSink::writeGathered()
{
    const char *data = m_gathered.constData();
    qsizetype left = m_gathered.size();
    while (left > 0 && m_error == 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing is a full disk that did not say so.
            m_error = n < 0 ? errno : ENOSPC;
            break;
        }
        data += n;
        left -= n;
    }
    m_gathered.clear();
    return m_error == 0;
}

qint64 FileSink::writeData(const char *data, qint64 len)
{
    if (m_error != 0)
        return -1;
    m_gathered.append(data, qsizetype(len));
    m_end = std::max(m_end, pos() + len);
    if (m_gathered.size() >= gatherSize && !writeGathered())
        return -1;
    return len;
}

qint64 FileSink::readData(char *, qint64)
{
    return -1;
}

bool FileSink::seek(qint64 pos)
{
    if (!writeGathered())
        return false;
    if (::lseek(m_fd, off_t(pos), SEEK_SET) < 0) {
        m_error = errno;
        return false;
    }
    return QIODevice::seek(pos);
}

qint64 FileSink::size() const
{
    return m_end;
}

} // namespace plandex
