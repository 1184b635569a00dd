#include "protocol/zelpicturefield.h"

#include "protocol/zelfilenames.h"

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

QByteArray boundedUncompress(const QByteArray &data, qsizetype limit)
{
    if (data.size() <= 4)
        return QByteArray();
    const qsizetype claimed = qFromBigEndian<quint32>(data.constData());
    if (claimed > limit)
        return QByteArray();

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
    if (!ok)
        return QByteArray();
    out.truncate(produced);
    return out;
}

void decode(const QString &field, QString *name, QByteArray *bytes, qsizetype limit)
{
    const QString m = marker();
    if (name)
        *name = field.section(m, 0, 0);
    if (bytes) {
        const QString data = field.section(m, 1, 1);
        *bytes = boundedUncompress(QByteArray::fromBase64(data.toLatin1()), limit);
    }
}

namespace {

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll() == bytes;
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

} // namespace

Stored storeReceived(const QString &dataFolder, const QString &field)
{
    Stored stored;
    QByteArray bytes;
    decode(field, &stored.wireName, &bytes);
    const QString bare = zelSafeFileName(stored.wireName);
    if (bare.isEmpty() || dataFolder.isEmpty())
        return stored;

    const QString folder = dataFolder + QLatin1Char('/') + folderName();
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        return stored;

    for (int n = 1; n < 10000; ++n) {
        const QString candidate = numbered(bare, n);
        const QString path = folder + QLatin1Char('/') + candidate;
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink()) {
            // The same picture again (a message shown twice) reuses its file.
            if (info.isFile() && !info.isSymLink() && holds(path, bytes)) {
                stored.storedName = candidate;
                return stored;
            }
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        const bool written = file.write(bytes) == bytes.size();
        file.close();
        if (written)
            stored.storedName = candidate;
        return stored;
    }
    return stored;
}

QString pointAtStoredCopy(QString html, const Stored &stored, const QString &dataFolder)
{
    if (stored.wireName.isEmpty() || stored.storedName.isEmpty())
        return html;
    return html.replace(folderName() + QLatin1Char('/') + stored.wireName,
                        dataFolder + QLatin1Char('/') + folderName() + QLatin1Char('/') + stored.storedName);
}

} // namespace ZELPictureField
