#include "style/zellinkrule.h"

#include "platform/zeldesktopservices.h"
#include "platform/zelplatform.h"
#include "protocol/zelpicturefield.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QUrlQuery>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A picture larger than this, decoded, is not shown (64 MB as 32-bit pixels).
const int kLargestPictureSide = 8192;
const qint64 kMostPicturePixels = qint64(4096) * 4096;

// Where a picture a document names is read from; empty when it is refused.
struct PictureFile
{
    QString path;
    bool resource = false;
};

bool isInside(const QString &realPath, const QString &folder)
{
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    return !realFolder.isEmpty() && realPath.startsWith(realFolder + QLatin1Char('/'));
}

PictureFile pictureFile(const QUrl &url, const QString &dataFolder)
{
    const QString scheme = url.scheme().toLower();
    QString path;
    if (scheme == QLatin1String("qrc"))
        path = QLatin1Char(':') + url.path(QUrl::FullyDecoded);
    else if (scheme == QLatin1String("file") && url.host().isEmpty())
        path = url.toLocalFile();
    else if (scheme.isEmpty())
        path = url.path(QUrl::FullyDecoded);
    else
        return {}; // data:, http: and the rest, and another machine's files: nothing is fetched
    if (path.startsWith(QLatin1Char(':')))
        return QFileInfo(path).isFile() ? PictureFile{path, true} : PictureFile{};
    if (path.isEmpty())
        return {};
    // A relative source is read from the working folder, where the smileys are.
    const QString real = QFileInfo(QDir::current().absoluteFilePath(path)).canonicalFilePath();
    if (real.isEmpty()
        || !(isInside(real, dataFolder) || isInside(real, QDir::current().absoluteFilePath(QStringLiteral("Smileys")))))
        return {};
    const QFileInfo info(real);
    if (!info.isFile() || info.size() > ZELLinkRule::MaxPictureBytes)
        return {};
    return {real, false};
}

// The bytes of an allowed picture file, at most MaxPictureBytes; empty when
// it is no longer the regular file it was when the rule looked at it.
QByteArray pictureBytes(const PictureFile &file)
{
    QFile in;
    if (file.resource) {
        in.setFileName(file.path);
        if (!in.open(QIODevice::ReadOnly))
            return {};
    } else {
        // Never waits (a FIFO put there since) and never follows a link put there since.
        const int fd = ::open(QFile::encodeName(file.path).constData(),
                              O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return {};
        struct stat status;
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > ZELLinkRule::MaxPictureBytes
            || !in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return {};
        }
    }
    const QByteArray bytes = in.read(ZELLinkRule::MaxPictureBytes + 1);
    return bytes.size() > ZELLinkRule::MaxPictureBytes ? QByteArray() : bytes;
}

QImage decodedPicture(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(int(kMostPicturePixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid()
        && (size.width() > kLargestPictureSide || size.height() > kLargestPictureSide
            || qint64(size.width()) * size.height() > kMostPicturePixels))
        return QImage();
    return reader.read();
}

// What a refused picture shows: nothing, yet not an empty image, on which the
// toolkit would load the source by its name.
QImage noPicture()
{
    static const QImage blank = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        return image;
    }();
    return blank;
}

// The source a document asks for when it shows an image of this name.
QUrl imageUrl(const QString &name)
{
    return QUrl(name.startsWith(QLatin1String(":/")) ? QLatin1String("qrc") + name : name);
}

// Reads markup as a label does, noting whether it asked for anything the
// rule refuses; it reads nothing itself.
class PictureCheck : public QTextDocument
{
public:
    explicit PictureCheck(const QString &dataFolder)
        : m_dataFolder(dataFolder)
    {
    }

    bool refusedAny() const { return m_refused; }

    // Takes out every picture the rule refuses; true when there was one.
    bool removeRefusedPictures()
    {
        QList<QPair<int, int>> refused;
        for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QTextCharFormat format = fragment.charFormat();
                if (format.isImageFormat()
                    && !ZELLinkRule::mayLoadPicture(imageUrl(format.toImageFormat().name()), m_dataFolder))
                    refused.append({fragment.position(), fragment.length()});
            }
        }
        QTextCursor cursor(this);
        for (auto it = refused.crbegin(); it != refused.crend(); ++it) {
            cursor.setPosition(it->first);
            cursor.setPosition(it->first + it->second, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        return !refused.isEmpty();
    }

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != ImageResource || !ZELLinkRule::mayLoadPicture(name, m_dataFolder))
            m_refused = true;
        return type == ImageResource ? QVariant(noPicture()) : QVariant(QString());
    }

private:
    QString m_dataFolder;
    bool m_refused = false;
};

// A document that asks the rule for what its text names.
class GuardedDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl &name) override { return ZELLinkRule::resource(type, name); }
};

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

const qint64 ZELLinkRule::MaxPictureBytes = ZELPictureField::MaxPictureFileSize;

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
    return !pictureFile(url, dataFolder).path.isEmpty();
}

QVariant ZELLinkRule::resource(int type, const QUrl &url)
{
    return resource(type, url, ZELPlatform::dataFolder());
}

QVariant ZELLinkRule::resource(int type, const QUrl &url, const QString &dataFolder)
{
    if (type == QTextDocument::StyleSheetResource)
        return QVariant(QString());
    if (type != QTextDocument::ImageResource)
        return QVariant(QByteArray());
    const PictureFile file = pictureFile(url, dataFolder);
    if (!file.path.isEmpty()) {
        const QImage picture = decodedPicture(pictureBytes(file));
        if (!picture.isNull())
            return picture;
    }
    return noPicture();
}

void ZELLinkRule::guardPictures(QTextEdit *editor)
{
    auto *document = new GuardedDocument(editor);
    document->setDefaultFont(editor->font());
    editor->setDocument(document);
}

QString ZELLinkRule::withoutForeignPictures(const QString &html)
{
    return withoutForeignPictures(html, ZELPlatform::dataFolder());
}

QString ZELLinkRule::withoutForeignPictures(const QString &html, const QString &dataFolder)
{
    if (!html.contains(QLatin1Char('<')))
        return html;
    PictureCheck read(dataFolder);
    read.setHtml(html);
    const bool removed = read.removeRefusedPictures();
    if (!read.refusedAny() && !removed)
        return html;
    // What is left, written out again, must pass the same reading.
    if (!read.refusedAny()) {
        const QString kept = QTextDocumentFragment(&read).toHtml();
        PictureCheck again(dataFolder);
        again.setHtml(kept);
        if (!again.refusedAny() && !again.removeRefusedPictures())
            return kept;
    }
    QString plain = read.toPlainText();
    plain.remove(QChar::ObjectReplacementCharacter);
    return Qt::convertFromPlainText(plain, Qt::WhiteSpaceNormal);
}
