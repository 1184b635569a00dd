#ifndef ZELPICTUREFIELD_H
#define ZELPICTUREFIELD_H

#include <QByteArray>
#include <QString>

// The one picture a chat or conference message carries (element 5):
//
//     name + "&#SCREEN#&" + Base64(qCompress(file bytes, 9))
//
// An empty field means no picture. The receiver stores the bytes in its own
// "ScreenCapture" folder and points the message HTML there; storeReceived does
// all of that so every message type treats pictures alike:
//
//     const ZELPictureField::Stored stored = ZELPictureField::storeReceived(dataFolder, field);
//     html = ZELPictureField::pointAtStoredCopy(html, stored, dataFolder);
namespace ZELPictureField {

inline QString marker() { return QStringLiteral("&#SCREEN#&"); }
inline QString folderName() { return QStringLiteral("ScreenCapture"); }

// A picture whose file is this size or larger is not sent.
constexpr qint64 MaxPictureFileSize = 1048576;
// A received picture inflating beyond this is taken as empty: the sender's
// limit is far below it, and a small field must not inflate into gigabytes.
constexpr qsizetype MaxReceivedPictureSize = 16 * 1024 * 1024;

QString encode(const QString &name, const QByteArray &fileBytes);

// Name part (before the first marker) and the inflated data part (between the
// first and a second marker). Data that is not valid compressed data, or that
// inflates beyond the limit, gives empty bytes.
void decode(const QString &field, QString *name, QByteArray *bytes,
            qsizetype limit = MaxReceivedPictureSize);

// zlib data in qCompress's layout, inflated with a hard limit on the output.
QByteArray boundedUncompress(const QByteArray &data, qsizetype limit);

struct Stored
{
    QString wireName;   // the name as it travelled ("" when the field had none)
    QString storedName; // file name inside the picture folder; "" when nothing was written
};

// Writes the picture of a received field into dataFolder + "/ScreenCapture".
// The stored name is the bare file name of the wire name (no folder part, so
// nothing lands outside the picture folder); when a file of that name already
// holds other bytes, " (2)", " (3)", ... goes before the suffix, so an earlier
// picture never changes under a transcript that shows it.
Stored storeReceived(const QString &dataFolder, const QString &field);

// Every "ScreenCapture/" + wire name in the message HTML becomes the stored
// copy's full path.
QString pointAtStoredCopy(QString html, const Stored &stored, const QString &dataFolder);

} // namespace ZELPictureField

#endif
