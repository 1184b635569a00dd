#ifndef ZELFAKESYSTEMFOLDERS_H
#define ZELFAKESYSTEMFOLDERS_H

#include "platform/zelsystemfolders.h"

// For tests: the application-data folder is whatever the test says.
class ZELFakeSystemFolders : public ZELSystemFolders
{
public:
    explicit ZELFakeSystemFolders(const QString &applicationDataFolder = QString());
    QString applicationDataFolder() const override;

    QString folder;
};

#endif
