#include "style/zellinkrule.h"

#include "platform/zeldesktopservices.h"
#include "platform/zelplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QUrlQuery>

namespace {

// A relative path that stays where it begins: no "..", no drive or root.
bool staysInside(const QString &relative)
{
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative.contains(QLatin1Char('\\')))
        return false;
    const QString clean = QDir::cleanPath(relative);
    return clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../"));
}

// A mail link may fill in the header fields and the body of a new mail; any
// other field (an attachment, for one) could make the mail program pick up a
// local file.
bool onlyMailFields(const QUrl &url)
{
    static const QStringList fields = {QStringLiteral("to"), QStringLiteral("cc"), QStringLiteral("bcc"),
                                       QStringLiteral("subject"), QStringLiteral("body")};
    const auto items = QUrlQuery(url).queryItems();
    for (const auto &item : items) {
        if (!fields.contains(item.first.toLower()))
            return false;
    }
    return true;
}

// What makes a typed word a link when sent. A word of a web address, a share
// path or a mail address; https is here as http is.
const char *const LinkWords[] = {"www.", "\\\\", ".com", "http://", "https://", "ftp://"};

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
    if (scheme == QLatin1String("mailto"))
        return !url.path().isEmpty() && onlyMailFields(url);
    return !url.host().isEmpty();
}

bool ZELLinkRule::open(const QUrl &url)
{
    if (!opensOnClick(url))
        return false;
    return ZELPlatform::desktopServices()->openUrl(url);
}

void ZELLinkRule::routeLinks(QLabel *label)
{
    label->setOpenExternalLinks(false);
    QObject::connect(label, &QLabel::linkActivated, label, [](const QString &link) { open(QUrl(link)); });
}

QUrl ZELLinkRule::mailUrl(const QString &address)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address, QUrl::DecodedMode);
    return url;
}

bool ZELLinkRule::isLinkWord(const QString &word)
{
    for (const char *linkWord : LinkWords) {
        if (word.contains(QLatin1String(linkWord)))
            return true;
    }
    return word.contains(QLatin1Char('@')) && word.contains(QLatin1Char('.'));
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
        return staysInside(path) && QDir::cleanPath(path).startsWith(QLatin1String("Smileys/"));
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

QString ZELLinkRule::withoutForeignPictures(const QString &html)
{
    return withoutForeignPictures(html, ZELPlatform::dataFolder());
}

QString ZELLinkRule::withoutForeignPictures(const QString &html, const QString &dataFolder)
{
    static const QRegularExpression tag(QStringLiteral("<\\s*img\\b[^>]*>?"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression source(
        QStringLiteral("\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype from = 0;
    auto tags = tag.globalMatch(html);
    while (tags.hasNext()) {
        const QRegularExpressionMatch found = tags.next();
        const QString text = found.captured();
        out += QStringView(html).mid(from, found.capturedStart() - from);
        from = found.capturedEnd();
        auto sources = source.globalMatch(text);
        if (!sources.hasNext())
            continue;
        const QRegularExpressionMatch src = sources.next();
        QString value = src.captured(1) + src.captured(2) + src.captured(3);
        // Entities and percent signs could spell a path other than the one
        // read here; a second source could be the one the label takes.
        if (sources.hasNext() || value.contains(QLatin1Char('&')) || value.contains(QLatin1Char('%'))
            || !mayLoadPicture(QUrl(value), dataFolder))
            continue;
        out += text;
    }
    out += QStringView(html).mid(from);
    return out;
}
