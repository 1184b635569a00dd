#ifndef ZELFULLDISK_H
#define ZELFULLDISK_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

// While it lives, every write into a file beyond `bytes` fails the way a full
// disk fails a write, for the whole process and without privileges: the
// process's file-size limit. Passing the limit raises SIGXFSZ, ignored here, so
// the write fails (EFBIG, "File too large") instead of ending the process.
// Writes to pipes and terminals (the test's own output) are not limited.
class ZELFullDisk
{
public:
    explicit ZELFullDisk(rlim_t bytes = 0)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~ZELFullDisk()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    ZELFullDisk(const ZELFullDisk &) = delete;
    ZELFullDisk &operator=(const ZELFullDisk &) = delete;

    bool isActive() const { return m_active; }

    // What the system says of a write the limit stops.
    static QString reason() { return QString::fromLocal8Bit(strerror(EFBIG)); }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};

// A small file system of its own, filled up: a real full disk (ENOSPC). Needs
// the right to mount (tests run as root here); isMounted() says whether it
// could be had, and tests that use it skip without it. The limit above is what
// every machine can do.
class ZELFullTmpfs
{
public:
    explicit ZELFullTmpfs(const QString &folder)
        : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~ZELFullTmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    ZELFullTmpfs(const ZELFullTmpfs &) = delete;
    ZELFullTmpfs &operator=(const ZELFullTmpfs &) = delete;

    bool isMounted() const { return m_mounted; }
    QString folder() const { return m_folder; }

    // Takes every byte still free (after the files the test put there) but
    // `left`, which stays free: a disk nearly full.
    void fill(qint64 left = 0)
    {
        QFile filler(m_folder + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("f", 1) == 1) {
        }
        filler.resize(qMax<qint64>(0, filler.size() - left));
    }

    static QString reason() { return QString::fromLocal8Bit(strerror(ENOSPC)); }

private:
    QString m_folder;
    bool m_mounted = false;
};

// The files of a folder (hidden ones too): a failed write leaves no file of
// its own behind.
inline QStringList zelFilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

#endif
