#ifndef ZELFILEPERMISSIONS_H
#define ZELFILEPERMISSIONS_H

#include <QString>

// Whether the user may write a file or into a folder. A layer of its own
// because the answer depends on who runs the client: tests run as root, for
// whom every folder is writable, and still need to see the refusals.
class ZELFilePermissions
{
public:
    virtual ~ZELFilePermissions() = default;
    virtual bool isWritable(const QString &path) const = 0;
};

#endif
