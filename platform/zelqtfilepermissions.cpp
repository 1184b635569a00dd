#include "platform/zelqtfilepermissions.h"

#include <QFileInfo>

bool ZELQtFilePermissions::isWritable(const QString &path) const
{
    return QFileInfo(path).isWritable();
}
