#pragma once

#include <QByteArray>
#include <QIODevice>

namespace plandex {

// A file open for writing, as a device that knows whether every byte
// reached it. Writers such as QPdfWriter never look at what a write
// returned, so the first failure is kept here and every write after it
// fails too. Writes are gathered and handed to the system in large pieces.
// The descriptor stays open and the caller's.
class FileSink : public QIODevice
{
public:
    explicit FileSink(int fd);

    // Hands what is gathered to the system; false when any write failed.
    bool finish();
    // The system's error of the first failed write; 0 when none failed.
    int error() const { return m_error; }

    bool seek(qint64 pos) override;
    qint64 size() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 len) override;

private:
    bool writeGathered();

    int m_fd;
    QByteArray m_gathered;
    int m_error = 0;
    // The end of what was written at the descriptor's offset so far.
    qint64 m_end = 0;
};

} // namespace plandex
