#include "protocol/zelpicturefield.h"

#include "protocol/zelfilenames.h"
#include "protocol/zelsafewrite.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

namespace ZELPictureField {

QString encode(const QString &name, const QByteArray &fileBytes)
{
    return name + marker() + QString::fromLatin1(qCompress(fileBytes, 9).toBase64());
}

QByteArray boundedUncompress(const QByteArray &data, qsizetype limit, bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    if (data.size() <= 4)
        return QByteArray();
    const qsizetype claimed = qFromBigEndian<quint32>(data.constData());
    if (claimed > limit) {
        // Only what begins as compressed data counts as a picture too large.
        const uchar method = uchar(data.at(4));
        if (tooLarge && data.size() > 5)
            *tooLarge = (method & 0x0f) == Z_DEFLATED && ((method << 8) | uchar(data.at(5))) % 31 == 0;
        return QByteArray();
    }

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return QByteArray();
    QByteArray out(qMax<qsizetype>(claimed, 256), Qt::Uninitialized);
    qsizetype produced = 0;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData() + 4));
    stream.avail_in = uInt(data.size() - 4);
    bool ok = false;
    for (;;) {
        if (produced == out.size()) {
            if (out.size() > limit)
                break;
            out.resize(qMin<qsizetype>(out.size() * 2, limit + 1));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        stream.avail_out = uInt(out.size() - produced);
        const int rc = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - stream.avail_out;
        if (rc == Z_STREAM_END) {
            ok = produced <= limit;
            break;
        }
        if (rc != Z_OK && !(rc == Z_BUF_ERROR && stream.avail_out == 0))
            break; // corrupt, truncated or out of memory
    }
    inflateEnd(&stream);
    if (tooLarge)
        *tooLarge = produced > limit;
    if (!ok)
        return QByteArray();
    out.truncate(produced);
    return out;
}

void decode(const QString &field, QString *name, QByteArray *bytes, qsizetype limit, bool *tooLarge)
{
    const QString m = marker();
    if (name)
        *name = field.section(m, 0, 0);
    if (bytes) {
        const QString data = field.section(m, 1, 1);
        *bytes = boundedUncompress(QByteArray::fromBase64(data.toLatin1()), limit, tooLarge);
    }
}

namespace {

// A file name is at most this many bytes in the file system's encoding (UTF-8
// here); the longest number a stored name gets is " (9999)".
constexpr qsizetype MaxNameBytes = 255;
constexpr int MaxNumber = 9999;
constexpr qsizetype LongestTagBytes = 7;
// A longer "suffix" of an over-long name is no file type worth keeping.
constexpr qsizetype MaxSuffixBytes = 16;
// Space is taken in blocks: a flood of tiny pictures still costs room.
constexpr qint64 BlockBytes = 4096;

qsizetype utf8Size(QStringView text)
{
    return text.toUtf8().size();
}

// The start of `text` in at most `bytes` UTF-8 bytes, never half a character.
QString utf8Head(QStringView text, qsizetype bytes)
{
    QString head = text.left(bytes).toString();
    while (!head.isEmpty() && (utf8Size(head) > bytes || head.back().isHighSurrogate()))
        head.chop(1);
    return head;
}

// A name that fits the file system with any number added; an over-long one
// keeps its suffix and loses the end of the part before it.
QString fittingName(const QString &name)
{
    const qsizetype room = MaxNameBytes - LongestTagBytes;
    if (name.size() <= room / 4 || utf8Size(name) <= room)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QStringView suffix = dot > 0 ? QStringView(name).sliced(dot) : QStringView();
    const qsizetype suffixBytes = suffix.size() <= MaxSuffixBytes ? utf8Size(suffix) : MaxSuffixBytes + 1;
    if (suffixBytes > MaxSuffixBytes)
        return utf8Head(name, room);
    return utf8Head(QStringView(name).first(dot), room - suffixBytes) + suffix.toString();
}

// name, "name (2)", "name (3)", ... with the suffix kept at the end.
QString numbered(const QString &name, int n)
{
    if (n < 2)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString tag = QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    return dot > 0 ? name.left(dot) + tag + name.mid(dot) : name + tag;
}

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

qint64 spaceFor(qsizetype size)
{
    return (qMax<qint64>(size, 1) + BlockBytes - 1) / BlockBytes * BlockBytes;
}

enum class Holding { Free, Same, Other };

// What the file at `path` holds against a picture of `size` bytes with `digest`.
// A file this run knows is judged from memory; a file of the same size it
// does not know is read once and then known.
Holding holding(ReceivedPictures &received, const QString &path, qsizetype size, const QByteArray &digest)
{
    auto known = received.files.find(path);
    if (known != received.files.end() && (known->size != size || (!known->digest.isEmpty() && known->digest != digest)))
        return Holding::Other;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (known != received.files.end())
            received.files.erase(known);
        return Holding::Free;
    }
    if (!info.isFile() || info.isSymLink())
        return Holding::Other;
    const qint64 modifiedMs = info.lastModified().toMSecsSinceEpoch();
    if (known == received.files.end() || known->size != info.size() || known->modifiedMs != modifiedMs)
        known = received.files.insert(path, {info.size(), modifiedMs, QByteArray()});
    if (known->size != size)
        return Holding::Other;
    if (known->digest.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Holding::Other;
        known->digest = digestOf(file.readAll());
    }
    return known->digest == digest ? Holding::Same : Holding::Other;
}

// Takes every image whose tag names `source` out of the HTML; the text stays.
QString withoutImage(const QString &html, const QString &source)
{
    const QLatin1StringView tagStart("<img");
    QString out;
    qsizetype kept = 0;
    qsizetype open = html.indexOf(tagStart, 0, Qt::CaseInsensitive);
    while (open >= 0) {
        const qsizetype close = html.indexOf(QLatin1Char('>'), open);
        if (close < 0)
            break;
        if (QStringView(html).sliced(open, close + 1 - open).contains(source)) {
            out += QStringView(html).sliced(kept, open - kept);
            kept = close + 1;
        }
        open = html.indexOf(tagStart, close + 1, Qt::CaseInsensitive);
    }
    out += QStringView(html).sliced(kept);
    return out;
}

} // namespace

Stored storeReceived(const QString &dataFolder, const QString &field, ReceivedPictures &received)
{
    Stored stored;
    if (field.isEmpty() || dataFolder.isEmpty())
        return stored;
    QByteArray bytes;
    bool tooLarge = false;
    decode(field, &stored.wireName, &bytes, MaxReceivedPictureSize, &tooLarge);
    if (bytes.isEmpty()) {
        stored.outcome = tooLarge ? Outcome::TooLarge : Outcome::Undecodable;
        return stored;
    }
    stored.outcome = Outcome::NotWritten;
    const QString bare = zelSafeFileName(stored.wireName);
    const QString folder = dataFolder + QLatin1Char('/') + folderName();
    if (bare.isEmpty() || (!QDir(folder).exists() && !QDir().mkpath(folder)))
        return stored;

    const QString name = fittingName(bare);
    const QByteArray digest = digestOf(bytes);
    for (int n = 1; n <= MaxNumber; ++n) {
        const QString candidate = numbered(name, n);
        const QString path = folder + QLatin1Char('/') + candidate;
        const Holding held = holding(received, path, bytes.size(), digest);
        if (held == Holding::Same) {
            // The same picture again (a message shown twice) reuses its file.
            stored.storedName = candidate;
            stored.outcome = Outcome::Stored;
            return stored;
        }
        if (held == Holding::Other)
            continue;
        if (received.spaceUsed + spaceFor(bytes.size()) > received.spaceBound) {
            stored.outcome = Outcome::SpaceUsedUp;
            return stored;
        }
        if (!ZELSafeWrite::create(path, bytes)) {
            // Taken since it was looked at: the next number may be free. Any
            // other refusal (no room, no permission, a name still too long)
            // holds for every number.
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
                continue;
            return stored;
        }
        received.spaceUsed += spaceFor(bytes.size());
        received.files.insert(path, {bytes.size(), QFileInfo(path).lastModified().toMSecsSinceEpoch(), digest});
        stored.storedName = candidate;
        stored.outcome = Outcome::Stored;
        return stored;
    }
    return stored;
}

QString notStoredNotice(Outcome outcome)
{
    switch (outcome) {
    case Outcome::TooLarge:
        return QStringLiteral("Picture not stored: 1 MB or larger");
    case Outcome::SpaceUsedUp:
        return QStringLiteral("Picture not stored: the space for received pictures is used up until the next start");
    case Outcome::NotWritten:
        return QStringLiteral("Picture could not be stored");
    default:
        return QString();
    }
}

QString pointAtStoredCopy(QString html, const Stored &stored, const QString &dataFolder)
{
    const QString source = folderName() + QLatin1Char('/') + stored.wireName;
    if (stored.outcome == Outcome::Stored && !stored.wireName.isEmpty())
        return html.replace(source, dataFolder + QLatin1Char('/') + folderName() + QLatin1Char('/') + stored.storedName);
    if (stored.outcome == Outcome::NoPicture)
        return html;
    // A name left pointing into the folder could show an earlier picture of that name.
    if (!stored.wireName.isEmpty() && html.contains(source))
        html = withoutImage(html, source);
    const QString notice = notStoredNotice(stored.outcome);
    if (notice.isEmpty())
        return html;
    const QString line = QStringLiteral("<p><font color=darkgray><i>") + notice + QStringLiteral("</i></font></p>");
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    return end >= 0 ? html.insert(end, line) : html + line;
}

} // namespace ZELPictureField
