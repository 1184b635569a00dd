#ifndef ZELLOCKFILEINSTANCECHECK_H
#define ZELLOCKFILEINSTANCECHECK_H

#include "platform/zelinstancecheck.h"

#include <QString>

#include <memory>

class QLockFile;

// One instance per application-data folder, claimed by a lock file in the
// user's runtime folder. A lock left by a process that has died is taken over.
class ZELLockFileInstanceCheck : public ZELInstanceCheck
{
public:
    // An empty name means defaultLockFileName().
    explicit ZELLockFileInstanceCheck(const QString &lockFileName = QString());
    ~ZELLockFileInstanceCheck() override;

    bool otherInstanceRunning() override;
    void release() override;

    QString lockFileName() const;
    // Runtime folder + "/zembrio-<uid>-<key of the application-data folder>.lock".
    static QString defaultLockFileName();

private:
    QString m_lockFileName;
    std::unique_ptr<QLockFile> m_lock;
};

#endif
