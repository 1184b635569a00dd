#ifndef ZELPREFERENCESFILE_H
#define ZELPREFERENCESFILE_H

#include "protocol/zelrecords.h"

#include <QMap>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;

// The preferences file: data folder + "/zelPreferencesSettings.xml", qCompress
// (level 9) of the Latin-1 text of a "PERSONALSETTINGS" document whose root
// "SETTINGS" holds one "CONNECTTOSERVER" element and then one "USERSETTINGS"
// block of 60 elements per user, in the order the users were added.
//
// Every write replaces the file atomically and leaves it readable by its owner
// only. A file that cannot be decompressed or parsed, or whose root is not
// "SETTINGS", is moved aside to ".bad" and never written over with an empty
// document.
class ZELPreferencesFile
{
public:
    static constexpr int UserBlockSize = 60;

    // The values of one user's block.
    struct UserSettings
    {
        QString userName;
        QString defaultFileLocation;
        QStringList statusMessages;  // ZELStatusMessageList positions
        QStringList chatWindow;      // ZELChatWindowList
        QStringList autoStatus;      // ZELAutoStatusList
        QStringList contactDisplay;  // ZELContactDisplayList
        QStringList notifications;   // ZELNotificationList
        QStringList chatHistory;     // ZELChatHistoryList
        QString hideOfflineUsers;
        QString autoLoginPassword;
        QString rememberPassword;
        QString rememberMe;
        QString quickReplies;
        QString quickReplyOption;

        // What a user without a block gets; the last three come from the
        // sign-in (typed password, the two check boxes as "TRUE"/"FALSE").
        static UserSettings defaults(const QString &loginId, const QString &password,
                                     const QString &rememberMe, const QString &rememberPassword);
        // The 60 values in the block's element order; a missing list position
        // is written as an empty text.
        QStringList blockValues() const;
        // From 60 values in the block's element order.
        static UserSettings fromBlockValues(const QStringList &values);
        LoginSettingsRecord loginRecord() const;

        bool operator==(const UserSettings &other) const;
    };

    enum FileState {
        Loaded,     // a "SETTINGS" document was read
        Missing,    // no file: take the first-run road
        SetAside,   // damaged; moved to setAsideFileName(): take the first-run road
        Unreadable  // exists but cannot be opened; left alone, nothing is written
    };

    enum UserCase {
        UserNotFound,   // no block for the login id (or no file): apply the defaults
        UserFound,      // user holds the stored values
        UserIncomplete  // the block has fewer than 60 elements: keep what is held
    };

    struct ReadResult
    {
        FileState state = Missing;
        QStringList connectionSettings;  // ZELConnectionList, 7 entries; empty unless Loaded
        UserCase userCase = UserNotFound;
        UserSettings user;               // filled for UserFound
        // One record per block, keyed by user name (a later block of the same
        // name replaces an earlier one).
        QMap<QString, LoginSettingsRecord> loginSettings;
        // User name, "AUTOLOGIN" text, "AUTOLOGINPASSWORD" text per block, the
        // block read last first.
        QStringList autoLoginEntries;
        int userBlockCount = 0;
    };

    explicit ZELPreferencesFile(const QString &dataFolder = QString());

    void setDataFolder(const QString &dataFolder);
    QString dataFolder() const;
    QString fileName() const;
    QString setAsideFileName() const;
    bool exists() const;

    // Reads the file; the first block whose "USERNAME" is loginId supplies the
    // user's settings (an empty loginId matches none).
    ReadResult read(const QString &loginId);

    // First run: a new file holding only the connection element. Refuses to
    // replace an existing file.
    bool create(const QStringList &connectionSettings);
    // Appends a block for user (also when one exists) and writes the file. When
    // there is no usable file, starts a new one with connectionSettings first.
    bool addUser(const UserSettings &user, const QStringList &connectionSettings);
    // Replaces the first block whose first element holds user.userName by a new
    // block at the end. Writes nothing when there is no such block.
    bool replaceUser(const UserSettings &user);
    // Drops the first block whose first element holds loginId and writes the
    // file. Writes nothing when there is no such block or no usable file.
    bool removeUser(const QString &loginId);
    // Replaces the connection element, the user blocks staying in place; without
    // a usable file starts a new one holding only the connection element.
    bool replaceConnection(const QStringList &connectionSettings);

    // Why the last operation failed.
    QString errorString() const;
    // The last operation had a new content and could not write it (no room
    // left, ...): the file holds what it held before.
    bool writeFailed() const;

    static QStringList connectionElementNames();
    static QStringList userElementNames();

private:
    FileState load(QDomDocument &document);
    bool setAside();
    bool save(const QDomDocument &document);
    static QDomDocument newDocument();
    static QDomElement connectionElement(QDomDocument &document, const QStringList &settings);
    static QDomElement userElement(QDomDocument &document, const UserSettings &user);
    bool fail(const QString &text);

    QString m_dataFolder;
    QString m_error;
    bool m_writeFailed = false;
};

#endif
