#include "platform/zelfakefilepermissions.h"

#include <QDir>
#include <QFileInfo>

bool ZELFakeFilePermissions::isWritable(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    for (const QString &refused : readOnly) {
        if (QDir::cleanPath(refused) == clean)
            return false;
    }
    return QFileInfo(path).isWritable();
}
