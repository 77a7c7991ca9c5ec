#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

// A temporary folder for a test. The program starts the desktop's database
// tools in the background, and they may still be writing into the folder
// when the test is done with it: removal is retried until they are gone.
class ScratchDir
{
public:
    explicit ScratchDir(const QString &pattern = QDir::tempPath() + "/plandex-test-XXXXXX")
        : m_dir(pattern)
    {
        m_dir.setAutoRemove(false);
    }
    ~ScratchDir()
    {
        if (!m_dir.isValid())
            return;
        QDeadlineTimer deadline(5000);
        while (!QDir(m_dir.path()).removeRecursively() && !deadline.hasExpired())
            QThread::msleep(50);
    }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
