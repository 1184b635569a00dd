#include "protocol/zelfilenames.h"

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
