#include "platform/zelstandardfolders.h"

#include <QDir>
#include <QStandardPaths>

QString ZELStandardFolders::applicationDataFolder() const
{
    return QDir::fromNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}
