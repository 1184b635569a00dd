#ifndef ZELCONTACTROW_H
#define ZELCONTACTROW_H

#include <QDateTime>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QTreeWidgetItem;

// The form of a row of the contact tree. A contact row carries its contact in
// its tool tip, user name + " - " + presence word, and its text is the display
// name, followed by " (" + status word + ")" for a present contact whose status
// is not Online. A row with an empty tool tip is a group, company or
// department row.
class ZELContactRow
{
public:
    static const char *const OnlineIcon;   // present contact
    static const char *const OfflineIcon;  // absent contact, and the rows above it
    static const char *const ApprovalIcon; // contact request not yet approved

    // The picture as an icon, read from the resources once.
    static QIcon icon(const char *picture);
    // The same for any picture shown again and again (tray, status, tab icons):
    // one QIcon per picture, so the pixmap cache holds each rendering once
    // instead of once more for every new QIcon made of the same file.
    static QIcon icon(const QString &picture);

    // From a row, blanks at both ends removed and inner runs reduced to one.
    static QString userName(const QTreeWidgetItem *row);
    static QString presenceWord(const QTreeWidgetItem *row);
    static QString displayName(const QTreeWidgetItem *row);
    // "Away)" style mark between the first and second "(", blanks removed.
    static QString statusMark(const QTreeWidgetItem *row);
    // The status word of the row text; empty means Online.
    static QString statusWord(const QTreeWidgetItem *row);

    static QString userNameOfToolTip(const QString &toolTip);
    // Text of a present contact's row.
    static QString presentText(const QString &displayName, const QString &status);

    // A contact row, filled before it enters the tree.
    static QTreeWidgetItem *make(const QString &text, const char *icon, const QString &toolTip);
    // A company or department row with the given icon, height 20.
    static QTreeWidgetItem *makeGroup(const QString &text, const char *icon);
    // The first child of parent whose text is text, or null.
    static QTreeWidgetItem *childByText(QTreeWidgetItem *parent, const QString &text);
    // The top-level row above a row (the row itself when it is one).
    static QTreeWidgetItem *topLevelOf(QTreeWidgetItem *row);
    static void setCollapsedHeight(QTreeWidgetItem *row);

    // A contact photo: Base64 of a qCompress'ed image file. False with the
    // default picture when the text is empty or does not decode.
    static bool decodePhoto(const QString &base64, QPixmap *picture);
    // The time in a "GMT+hh:mm" zone at the given UTC moment, as "hh:mm:ss ap".
    static QString timeInZone(const QString &zone, const QDateTime &utcNow);
    // The presence word when it has a picture of its own ("Offline" only
    // withOffline), else "splash".
    static QString statusWord(const QString &status, bool withOffline);
    // ":images/" + word + ".png" for the presence words a picture exists for, else splash.
    static QString statusPicture(const QString &status, bool withOffline);
};

#endif
