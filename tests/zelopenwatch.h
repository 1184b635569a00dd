#ifndef ZELOPENWATCH_H
#define ZELOPENWATCH_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtGlobal>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Watches, from a thread of its own, whether this process opens `path`. A
// reader waiting in open() on a FIFO is seen at once and let go (the FIFO
// then gives it end of file); a reader of any other file is seen while it
// holds the file open, and one of /dev/zero, which never ends, ends the test.
//
//     ZELOpenWatch watch(fifoPath);
//     view.appendMessage("<img src=\"" + fifoPath + "\">");
//     QVERIFY(!watch.seen());
class ZELOpenWatch : public QThread
{
public:
    explicit ZELOpenWatch(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        struct stat status;
        m_fifo = ::stat(m_path.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
        start();
    }
    ~ZELOpenWatch() override
    {
        m_stop = true;
        wait();
    }
    bool seen() const { return m_seen; }

protected:
    void run() override
    {
        while (!m_stop) {
            if (m_fifo) {
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    m_seen = true;
                    ::close(fd);
                }
            } else if (heldOpen()) {
                m_seen = true;
                if (m_path == "/dev/zero")
                    qFatal("a picture source /dev/zero was opened: its reader never ends");
            }
            QThread::usleep(100);
        }
    }

private:
    bool heldOpen() const
    {
        const QDir descriptors(QStringLiteral("/proc/self/fd"));
        const QStringList entries = descriptors.entryList(QDir::System | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (QFile::encodeName(QFileInfo(descriptors.filePath(entry)).symLinkTarget()) == m_path)
                return true;
        }
        return false;
    }

    QByteArray m_path;
    bool m_fifo = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_seen{false};
};

#endif
