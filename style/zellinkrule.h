#ifndef ZELLINKRULE_H
#define ZELLINKRULE_H

#include <QString>
#include <QUrl>

class QLabel;

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
    // data folder (received pictures), never from another local path. `url`
    // is the picture's source as the document holds it.
    static bool mayLoadPicture(const QUrl &url);
    // The same for a path under `dataFolder`.
    static bool mayLoadPicture(const QUrl &url, const QString &dataFolder);

    // Rich text for a label, which cannot be asked before it loads a
    // picture: every <img> whose source the rule refuses (or cannot tell) is
    // taken out, the rest stays as it is.
    static QString withoutForeignPictures(const QString &html);
    static QString withoutForeignPictures(const QString &html, const QString &dataFolder);
};

#endif
