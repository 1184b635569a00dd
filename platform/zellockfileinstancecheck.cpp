#include "platform/zellockfileinstancecheck.h"

#include "platform/zelplatform.h"
#include "platform/zelsystemfolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <unistd.h>

ZELLockFileInstanceCheck::ZELLockFileInstanceCheck(const QString &lockFileName)
    : m_lockFileName(lockFileName)
{
}

ZELLockFileInstanceCheck::~ZELLockFileInstanceCheck() = default;

QString ZELLockFileInstanceCheck::lockFileName() const
{
    return m_lockFileName.isEmpty() ? defaultLockFileName() : m_lockFileName;
}

QString ZELLockFileInstanceCheck::defaultLockFileName()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    // Keyed by the data folder: one running client per set of preferences.
    const QByteArray key = QCryptographicHash::hash(
        QDir::cleanPath(ZELPlatform::systemFolders()->applicationDataFolder()).toUtf8(),
        QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("%1/zembrio-%2-%3.lock")
        .arg(folder).arg(::getuid()).arg(QString::fromLatin1(key));
}

bool ZELLockFileInstanceCheck::otherInstanceRunning()
{
    if (m_lock)
        return false; // we hold the claim ourselves
    auto lock = std::make_unique<QLockFile>(lockFileName());
    // Never stale while its owner lives; a dead owner's lock is removed.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // Only a lock held by a live process means another instance; a folder
        // we cannot write must not keep the client from starting.
        return lock->error() == QLockFile::LockFailedError;
    }
    m_lock = std::move(lock);
    return false;
}

void ZELLockFileInstanceCheck::release()
{
    m_lock.reset();
}
