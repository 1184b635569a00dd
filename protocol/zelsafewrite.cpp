#include "protocol/zelsafewrite.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace ZELSafeWrite {

namespace {

// Large contents go in pieces, so that a cancel is seen soon.
constexpr qsizetype ChunkBytes = 1024 * 1024;

// A write that did not reach the file (no room is a resource error); other
// errors (permissions a file system cannot keep) do not make the content wrong.
bool writeFailed(const QFileDevice &file)
{
    return file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResourceError;
}

Result failed(const QString &reason)
{
    return Result{false, reason.isEmpty() ? QStringLiteral("Unknown error") : reason};
}

// Every byte handed over so far is in the file and the file system has taken
// it. A flush that fails is the full disk a buffered write did not report.
bool settled(QFileDevice &file, QString *reason)
{
    if (writeFailed(file) || !file.flush()) {
        // A write cut short says nothing of why; the next try of the rest does.
        file.flush();
        *reason = file.errorString();
        return false;
    }
#ifdef Q_OS_UNIX
    // Some file systems report a lack of room only when the data goes to the
    // disk; a file system that cannot sync says so and is taken at its word.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        *reason = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
#endif
    return true;
}

bool writeAll(QFileDevice &file, QByteArrayView data, const std::atomic_bool *cancelled, QString *reason)
{
    for (qsizetype at = 0; at < data.size(); at += ChunkBytes) {
        if (cancelled && cancelled->load()) {
            *reason = QStringLiteral("Cancelled");
            return false;
        }
        const QByteArrayView chunk = data.sliced(at, qMin(ChunkBytes, data.size() - at));
        const qint64 written = file.write(chunk.data(), chunk.size());
        if (written != chunk.size()) {
            // Cut short: the rest, tried once more, tells why.
            if (written >= 0)
                file.write(chunk.data() + written, chunk.size() - written);
            *reason = file.errorString();
            return false;
        }
    }
    return true;
}

// What a filler writes goes through here into the file: a write the file
// takes only in part fails as a whole, whether or not the filler looks.
class CheckedDevice : public QIODevice
{
public:
    explicit CheckedDevice(QFileDevice &file)
        : m_file(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool failed() const { return m_failed; }
    QString reason() const { return m_reason; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_failed)
            return -1;
        QString why;
        if (!writeAll(m_file, QByteArrayView(data, size), nullptr, &why)) {
            m_failed = true;
            m_reason = why;
            return -1;
        }
        return size;
    }

private:
    QFileDevice &m_file;
    bool m_failed = false;
    QString m_reason;
};

Result replaceWith(const QString &path, QFileDevice::Permissions permissions,
                   const std::function<bool(QSaveFile &, QString *)> &write)
{
    if (path.isEmpty())
        return failed(QStringLiteral("No file name"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (permissions)
        file.setPermissions(permissions);
    // Returning without commit() drops the new file; the old one is untouched.
    QString reason;
    if (!write(file, &reason) || !settled(file, &reason))
        return failed(reason);
    if (!file.commit())
        return failed(file.errorString());
    if (permissions)
        QFile::setPermissions(path, permissions);
    return Result{true, QString()};
}

} // namespace

Result replace(const QString &path, QByteArrayView data, QFileDevice::Permissions permissions,
               const std::atomic_bool *cancelled)
{
    return replaceWith(path, permissions, [&](QSaveFile &file, QString *reason) {
        return writeAll(file, data, cancelled, reason);
    });
}

Result replace(const QString &path, const Filler &fill, QFileDevice::Permissions permissions)
{
    return replaceWith(path, permissions, [&](QSaveFile &file, QString *reason) {
        CheckedDevice device(file);
        const bool filled = fill(device);
        if (device.failed()) {
            *reason = device.reason();
            return false;
        }
        if (!filled) {
            *reason = QStringLiteral("Not written");
            return false;
        }
        return true;
    });
}

Result create(const QString &path, QByteArrayView data)
{
    if (path.isEmpty())
        return failed(QStringLiteral("No file name"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return failed(file.errorString());
    QString reason;
    bool written = writeAll(file, data, nullptr, &reason) && settled(file, &reason);
    file.close();
    if (written && writeFailed(file)) {
        reason = file.errorString();
        written = false;
    }
    if (!written) {
        file.remove();
        return failed(reason);
    }
    return Result{true, QString()};
}

QString notSaved(const QString &what, const Result &result)
{
    return what + QStringLiteral(" could not be saved: ") + result.error;
}

} // namespace ZELSafeWrite
