#ifndef ZELSAFEWRITE_H
#define ZELSAFEWRITE_H

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

#include <atomic>
#include <functional>

class QIODevice;

// The one way the client writes a file. The new content goes into a file
// beside the target and takes the target's place only once every byte is on
// the disk: a write that fails anywhere (no room left, a file-size limit, a
// folder that cannot be written) leaves the old file byte for byte as it was,
// removes what it had written and says why.
//
// The toolkit's save file alone is not enough: it reports a small write done
// while the bytes are still in its buffer, and when flushing that buffer fails
// at commit() it still renames the (empty) new file over the old one. So the
// buffer is flushed, and the flush checked, before anything is committed.
namespace ZELSafeWrite {

struct Result
{
    bool ok = false;
    QString error; // why it failed, in the system's words; empty when ok

    explicit operator bool() const { return ok; }
};

// Writes the whole content into the device it is given; false gives up.
using Filler = std::function<bool(QIODevice &device)>;

// Makes path hold data, replacing what it held. Permissions, when given, are
// the new file's from before its first byte. A cancel flag, when given and set
// meanwhile, gives up between chunks (the old file stays).
Result replace(const QString &path, QByteArrayView data, QFileDevice::Permissions permissions = {},
               const std::atomic_bool *cancelled = nullptr);

// The same with the content written by fill: for writers that write into a
// device themselves (pictures, PDF). A write fill did not look at counts too.
Result replace(const QString &path, const Filler &fill, QFileDevice::Permissions permissions = {});

// Makes a new file at path and never replaces one: fails when path exists.
// A failed write leaves no file behind.
Result create(const QString &path, QByteArrayView data);

// "<what> could not be saved: <reason>": the one shape in which the user is
// told of a failed write.
QString notSaved(const QString &what, const Result &result);

} // namespace ZELSafeWrite

#endif
