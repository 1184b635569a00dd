#ifndef ZELPICTUREFIELD_H
#define ZELPICTUREFIELD_H

#include <QByteArray>
#include <QHash>
#include <QString>

// The one picture a chat or conference message carries (element 5):
//
//     name + "&#SCREEN#&" + Base64(qCompress(file bytes, 9))
//
// An empty field means no picture. The receiver stores the bytes in its own
// "ScreenCapture" folder and points the message HTML there; storeReceived does
// all of that so every message type treats pictures alike:
//
//     const ZELPictureField::Stored stored = ZELPictureField::storeReceived(dataFolder, field, received);
//     html = ZELPictureField::pointAtStoredCopy(html, stored, dataFolder);
namespace ZELPictureField {

inline QString marker() { return QStringLiteral("&#SCREEN#&"); }
inline QString folderName() { return QStringLiteral("ScreenCapture"); }

// A picture whose file is this size or larger is not sent.
constexpr qint64 MaxPictureFileSize = 1048576;
// A received picture is taken up to what a sender may send and no larger.
constexpr qsizetype MaxReceivedPictureSize = MaxPictureFileSize - 1;
// What the pictures received in one run may take on disk in all.
constexpr qint64 MaxReceivedSpace = 100 * 1024 * 1024;

QString encode(const QString &name, const QByteArray &fileBytes);

// Name part (before the first marker) and the inflated data part (between the
// first and a second marker). Data that is not valid compressed data, or that
// inflates beyond the limit, gives empty bytes; *tooLarge tells the latter.
void decode(const QString &field, QString *name, QByteArray *bytes,
            qsizetype limit = MaxReceivedPictureSize, bool *tooLarge = nullptr);

// zlib data in qCompress's layout, inflated with a hard limit on the output.
QByteArray boundedUncompress(const QByteArray &data, qsizetype limit, bool *tooLarge = nullptr);

// What became of the picture of one received field.
enum class Outcome {
    NoPicture,   // no field, or no data folder to store it in
    Stored,      // written, or an equal picture already stored is shown
    Undecodable, // the data is not a picture's compressed bytes: the message shows without it
    TooLarge,    // larger than a sender may send
    SpaceUsedUp, // received pictures have used MaxReceivedSpace (or the bound set) this run
    NotWritten   // the name is refused or the file system refused the file
};

struct Stored
{
    QString wireName;   // the name as it travelled ("" when the field had none)
    QString storedName; // file name inside the picture folder; "" when nothing was written
    Outcome outcome = Outcome::NoPicture;
};

// What this run's received pictures take and what each file in the picture
// folder that this run wrote or looked at holds, so that a picture arriving
// again is recognised without reading earlier files again. One per client.
struct ReceivedPictures
{
    struct File
    {
        qint64 size = 0;
        qint64 modifiedMs = 0;
        QByteArray digest; // empty until a picture of the same size needed it
    };

    qint64 spaceBound = MaxReceivedSpace;
    qint64 spaceUsed = 0;
    QHash<QString, File> files; // by full path
};

// Writes the picture of a received field into dataFolder + "/ScreenCapture".
// The stored name is the bare file name of the wire name (no folder part, so
// nothing lands outside the picture folder), shortened before its suffix when
// too long for the file system; when a file of that name already holds other
// bytes, " (2)", " (3)", ... goes before the suffix, so an earlier picture
// never changes under a transcript that shows it.
Stored storeReceived(const QString &dataFolder, const QString &field, ReceivedPictures &received);

// Every "ScreenCapture/" + wire name in the message HTML becomes the stored
// copy's full path. A picture not stored is taken out of the message, and one
// refused for its size, for want of space or by the file system leaves a line
// saying so.
QString pointAtStoredCopy(QString html, const Stored &stored, const QString &dataFolder);

// The line a message shows for a picture that was not stored; "" when none.
QString notStoredNotice(Outcome outcome);

} // namespace ZELPictureField

#endif
