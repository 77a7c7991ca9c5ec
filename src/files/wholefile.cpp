#include "files/wholefile.h"

#include "files/safesave.h"

#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandex {

namespace {

ReadProblem statProblem(const struct stat &st, qint64 limit)
{
    if (!S_ISREG(st.st_mode))
        return ReadProblem::NotRegular;
    if (st.st_size > limit)
        return ReadProblem::TooLarge;
    return ReadProblem::None;
}

} // namespace

WholeFile ReadWholeFile(const QString &path, Links links, qint64 limit)
{
    WholeFile result;
    const QByteArray name = pathBytes(path);
    struct stat st;
    const bool follow = links == Links::Follow;
    if (name.isEmpty()
        || (follow ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) != 0) {
        result.problem = ReadProblem::Missing;
        return result;
    }
    if ((result.problem = statProblem(st, limit)) != ReadProblem::None)
        return result;

    // Non-blocking, and checked again on the open file: the name may have
    // been given to a fifo in between.
    const int fd
        = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        result.problem = errno == ENOENT ? ReadProblem::Missing : ReadProblem::Unreadable;
        return result;
    }
    if (::fstat(fd, &st) != 0)
        result.problem = ReadProblem::Unreadable;
    else
        result.problem = statProblem(st, limit);

    if (result.problem == ReadProblem::None) {
        // The file may grow while it is read: read at most one byte past
        // the limit, enough to tell.
        result.bytes.resize(qsizetype(st.st_size) + 1);
        qsizetype got = 0;
        for (;;) {
            if (got == result.bytes.size()) {
                if (got > limit) {
                    result.problem = ReadProblem::TooLarge;
                    break;
                }
                result.bytes.resize(std::min<qsizetype>(got * 2 + 4096, limit + 1));
            }
            const ssize_t n
                = ::read(fd, result.bytes.data() + got, size_t(result.bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.problem = ReadProblem::Unreadable;
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        result.bytes.resize(result.problem == ReadProblem::None ? got : 0);
    }
    ::close(fd);
    return result;
}

QString WriteWholeFile(const QString &path, const QByteArray &bytes, Links links)
{
    return saveFileSafely(
        path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); }, links);
}

} // namespace plandex
