#ifndef ZELLINKRULE_H
#define ZELLINKRULE_H

#include <QString>
#include <QUrl>
#include <QVariant>

class QLabel;
class QTextEdit;

// What a link or a picture in a received message may reach. Messages are rich
// text from peers: a link may carry any scheme under any text, and a picture
// any local path. Every view that shows received text asks here.
class ZELLinkRule
{
public:
    // Only web, FTP and mail links go to the desktop's opener on a click;
    // any other link shows as its text.
    static bool opensOnClick(const QUrl &url);
    // Hands an allowed link to the desktop's opener; false for any other.
    static bool open(const QUrl &url);
    // A label's links open through open(), never through the label itself:
    // a label that opens external links hands any scheme to the desktop.
    static void routeLinks(QLabel *label);
    // A mail link whose address is the whole of `address`, whatever it holds:
    // no part of it becomes a query or another field.
    static QUrl mailUrl(const QString &address);

    // Whether a word the user sends becomes a link (the sender's side; the
    // receiver still asks opensOnClick before opening it).
    static bool isLinkWord(const QString &word);

    // A picture may come from the client's own resources, its smileys or its
    // data folder (received pictures), never from another local path: the
    // source must name a regular file of at most MaxPictureBytes whose real
    // path, links followed, lies in one of those places. `url` is the
    // picture's source as the document holds it.
    static bool mayLoadPicture(const QUrl &url);
    // The same for a path under `dataFolder`.
    static bool mayLoadPicture(const QUrl &url, const QString &dataFolder);

    // What a document gets for a resource its text names (a view's
    // loadResource answer): a picture the rule allows, read here with its
    // size bounded; for any other picture an empty one of our own, and for a
    // style sheet or page an empty text. Never a null value: on one the
    // toolkit opens the source itself, a FIFO or /dev/zero included.
    static QVariant resource(int type, const QUrl &url);
    static QVariant resource(int type, const QUrl &url, const QString &dataFolder);

    // Rich text for a label, tooltip or message box, whose document reads
    // pictures and style sheets by itself and cannot be asked first. The
    // text is read as the label would read it: when it would load nothing
    // the rule refuses it comes back unchanged; otherwise the pictures the
    // rule refuses are taken out of it, and where anything else would still
    // be read (a style sheet, a background) it is shown as plain text.
    static QString withoutForeignPictures(const QString &html);
    static QString withoutForeignPictures(const QString &html, const QString &dataFolder);

    // Gives an editor the user types into, where a received text may be
    // pasted from a transcript, a document whose pictures and sheets are
    // asked of this rule too. Call it before the editor holds any text.
    static void guardPictures(QTextEdit *editor);

    // Largest picture file shown: as large as a picture a message may carry.
    static const qint64 MaxPictureBytes;
};

#endif
