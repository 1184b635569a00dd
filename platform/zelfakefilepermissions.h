#ifndef ZELFAKEFILEPERMISSIONS_H
#define ZELFAKEFILEPERMISSIONS_H

#include "platform/zelfilepermissions.h"

#include <QStringList>

// For tests: every path in readOnly (compared after cleaning) is refused; any
// other path gets the file system's answer.
class ZELFakeFilePermissions : public ZELFilePermissions
{
public:
    bool isWritable(const QString &path) const override;

    QStringList readOnly;
};

#endif
