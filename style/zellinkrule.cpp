#include "style/zellinkrule.h"

#include "platform/zeldesktopservices.h"
#include "platform/zelplatform.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A relative path that stays where it begins: no "..", no drive or root.
bool staysInside(const QString &relative)
{
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative.contains(QLatin1Char('\\')))
        return false;
    const QString clean = QDir::cleanPath(relative);
    return clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../"));
}

} // namespace

bool ZELLinkRule::opensOnClick(const QUrl &url)
{
    static const QStringList allowed = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                        QStringLiteral("mailto")};
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (!allowed.contains(scheme))
        return false;
    // A web or FTP link names a host; a mail link an address.
    return scheme == QLatin1String("mailto") ? !url.path().isEmpty() : !url.host().isEmpty();
}

bool ZELLinkRule::open(const QUrl &url)
{
    if (!opensOnClick(url))
        return false;
    return ZELPlatform::desktopServices()->openUrl(url);
}

bool ZELLinkRule::mayLoadPicture(const QUrl &url)
{
    return mayLoadPicture(url, ZELPlatform::dataFolder());
}

bool ZELLinkRule::mayLoadPicture(const QUrl &url, const QString &dataFolder)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("qrc"))
        return true;
    QString path;
    if (scheme == QLatin1String("file"))
        path = url.toLocalFile();
    else if (scheme.isEmpty())
        path = url.path();
    else
        return false; // http, data, ftp and the rest: nothing is fetched
    if (path.startsWith(QLatin1Char(':')))
        return true; // the client's own resources
    if (!QDir::isAbsolutePath(path)) {
        // Relative sources resolve against the working folder: only its smileys.
        return path.startsWith(QLatin1String("Smileys/")) && staysInside(path);
    }
    if (dataFolder.isEmpty())
        return false;
    const QString folder = QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath());
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith(folder + QLatin1Char('/')))
        return false;
    // A link inside the folder may still point out of it.
    const QString real = QFileInfo(clean).canonicalFilePath();
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() || realFolder.isEmpty() || real.startsWith(realFolder + QLatin1Char('/'));
}
