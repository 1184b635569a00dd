#include "protocol/zelfilenames.h"

#include <QFileInfo>

QString zelSafeFileName(const QString &name)
{
    if (name.contains(QChar(0)))
        return QString();
    qsizetype cut = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const QString bare = name.mid(cut + 1);
    if (bare.isEmpty() || bare == QLatin1String(".") || bare == QLatin1String(".."))
        return QString();
    return bare;
}

QString zelSafeFilePath(const QString &folder, const QString &name)
{
    const QString bare = zelSafeFileName(name);
    if (bare.isEmpty())
        return QString();
    return folder + QLatin1Char('/') + bare;
}

QString zelFreeFilePath(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // "name.ext" -> "name (n).ext"; a dot in the folder or at the name's start is no extension.
    const qsizetype cut = dot > slash + 1 ? dot : path.size();
    for (int n = 2; n < 10000; ++n) {
        const QString candidate = path.left(cut) + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')')
                                  + path.mid(cut);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}
