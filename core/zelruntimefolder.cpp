#include "core/zelruntimefolder.h"

#include <QDir>
#include <QFileInfo>

QString ZELRuntimeFolder::locate(const QString &executableFolder)
{
    if (executableFolder.isEmpty())
        return QString();
    const QDir base(executableFolder);
    for (const QString &candidate : {base.absolutePath(), base.absoluteFilePath(QString::fromLatin1(InstalledData))}) {
        if (QFileInfo(candidate + QStringLiteral("/Smileys")).isDir())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

bool ZELRuntimeFolder::enter(const QString &executableFolder)
{
    const QString folder = locate(executableFolder);
    return !folder.isEmpty() && QDir::setCurrent(folder);
}
