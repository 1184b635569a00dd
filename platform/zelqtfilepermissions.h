#ifndef ZELQTFILEPERMISSIONS_H
#define ZELQTFILEPERMISSIONS_H

#include "platform/zelfilepermissions.h"

// The file system's own answer.
class ZELQtFilePermissions : public ZELFilePermissions
{
public:
    bool isWritable(const QString &path) const override;
};

#endif
