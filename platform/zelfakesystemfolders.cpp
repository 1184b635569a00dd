#include "platform/zelfakesystemfolders.h"

ZELFakeSystemFolders::ZELFakeSystemFolders(const QString &applicationDataFolder)
    : folder(applicationDataFolder)
{
}

QString ZELFakeSystemFolders::applicationDataFolder() const
{
    return folder;
}
