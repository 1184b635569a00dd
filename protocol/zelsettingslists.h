#ifndef ZELSETTINGSLISTS_H
#define ZELSETTINGSLISTS_H

// The positional settings lists of ZELClient: a name for every position and the
// defaults a user without stored settings gets. Flags are "TRUE" / "FALSE",
// numbers decimal text. Index the lists only through these names.

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// m_statusMessageSettings
namespace ZELStatusMessageList {
enum Position : int {
    UserDefinedStatus,        // name of the user-defined status, "<EMPTY>" when none
    UserDefinedStatusMessage, // its message, "<EMPTY>" when none
    LoginStatus,              // status taken at sign-in
    OnlineMessage,
    AwayMessage,
    MeetingMessage,
    BusyMessage,
    PromptOnline,             // ask for a message on every change to Online
    PromptAway,
    PromptMeeting,
    PromptBusy,
    PromptOffline,
    PromptUserDefined,
    OfflineMessage,           // shown with Offline and in invisible mode
    Size
};
inline QStringList defaults()
{
    return {QStringLiteral("<EMPTY>"), QStringLiteral("<EMPTY>"), QStringLiteral("Online"),
            QStringLiteral("I am online"), QStringLiteral("I am away"),
            QStringLiteral("I am in meeting"), QStringLiteral("I am busy"),
            QStringLiteral("FALSE"), QStringLiteral("FALSE"), QStringLiteral("FALSE"),
            QStringLiteral("FALSE"), QStringLiteral("FALSE"), QStringLiteral("FALSE"),
            QStringLiteral("I am offline")};
}
} // namespace ZELStatusMessageList

// m_chatWindowSettings
namespace ZELChatWindowList {
enum Position : int {
    FontFamily,
    FontSize,              // points
    DisplayInfoBox,
    DisplaySmileys,
    PartnerClosedMessage,  // tell when the partner closes the chat window
    WarnMeeting,           // alert if the partner is in a meeting before chatting
    WarnAway,              // the same for away
    EscapeCloses,
    DisplayTimeStamp,      // stored only
    HourFormat24,
    HourFormat12,          // complement of HourFormat24
    EnterSends,
    EnterNewLine,          // complement of EnterSends
    ShowStatusChange,      // tell when the partner changes status
    Size
};
inline QStringList defaults()
{
    return {QStringLiteral("Verdana"), QStringLiteral("8"), QStringLiteral("TRUE"),
            QStringLiteral("TRUE"), QStringLiteral("FALSE"), QStringLiteral("TRUE"),
            QStringLiteral("TRUE"), QStringLiteral("TRUE"), QStringLiteral("TRUE"),
            QStringLiteral("FALSE"), QStringLiteral("TRUE"), QStringLiteral("TRUE"),
            QStringLiteral("FALSE"), QStringLiteral("FALSE")};
}
} // namespace ZELChatWindowList

// m_autoStatusSettings
namespace ZELAutoStatusList {
enum Position : int {
    OnlineToBusy,  // after BusyMinutes idle
    BusyMinutes,
    BusyToOnline,  // on activity
    OnlineToAway,  // after AwayMinutes idle
    AwayMinutes,
    AwayToOnline,  // on activity
    AutoLogin,     // sign in when the application starts
    Size
};
inline QStringList defaults()
{
    return {QStringLiteral("TRUE"), QStringLiteral("2"), QStringLiteral("TRUE"),
            QStringLiteral("TRUE"), QStringLiteral("7"), QStringLiteral("TRUE"),
            QStringLiteral("FALSE")};
}
// The idle minutes the preferences page offers; Away is always at least
// AwayAfterBusyMinutes above Busy.
constexpr int MinBusyMinutes = 2;
constexpr int MaxBusyMinutes = 30;
constexpr int MinAwayMinutes = 7;
constexpr int MaxAwayMinutes = 60;
constexpr int AwayAfterBusyMinutes = 5;
// The minutes as the page shows them, whatever a hand-edited file holds: a 0
// or a word must not arm a timer that fires at once, again and again.
inline int busyMinutes(const QStringList &settings)
{
    return qBound(MinBusyMinutes, settings.value(BusyMinutes).toInt(), MaxBusyMinutes);
}
inline int awayMinutes(const QStringList &settings)
{
    return qMax(qBound(MinAwayMinutes, settings.value(AwayMinutes).toInt(), MaxAwayMinutes),
                busyMinutes(settings) + AwayAfterBusyMinutes);
}
} // namespace ZELAutoStatusList

// m_contactDisplaySettings
namespace ZELContactDisplayList {
enum Position : int {
    RecentChatDays,
    ShowRecentChats,
    GroupByDepartment,
    GroupByStatus,     // complement of GroupByDepartment
    HighlightDetails,
    SearchOnCtrlF,
    Size
};
inline QStringList defaults()
{
    return {QStringLiteral("1"), QStringLiteral("TRUE"), QStringLiteral("FALSE"),
            QStringLiteral("TRUE"), QStringLiteral("TRUE"), QStringLiteral("TRUE")};
}
} // namespace ZELContactDisplayList

// m_notificationSettings: a pop-up when a contact ...
namespace ZELNotificationList {
enum Position : int {
    ComesOnline,
    GoesOffline,
    SendsFile,
    SendsMessage,
    SendsOfflineMessage,
    SendsVoiceMail,
    Size
};
inline QStringList defaults()
{
    return {QStringLiteral("TRUE"), QStringLiteral("FALSE"), QStringLiteral("TRUE"),
            QStringLiteral("TRUE"), QStringLiteral("TRUE"), QStringLiteral("TRUE")};
}
} // namespace ZELNotificationList

namespace ZELSettingsDefaults {
// The folder the defaults start from: the desktop folder where this desktop
// has one, else the download folder, else home. Nothing is created for it.
inline QString baseFolder()
{
    for (const QStandardPaths::StandardLocation location :
         {QStandardPaths::DesktopLocation, QStandardPaths::DownloadLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}
} // namespace ZELSettingsDefaults

// m_chatHistorySettings
namespace ZELChatHistoryList {
enum Position : int {
    AutomaticSave,
    SaveLocation,
    DeleteHistory,
    DeleteDays,
    FromServer,
    Size
};
inline QStringList defaults()
{
    return {QStringLiteral("FALSE"), ZELSettingsDefaults::baseFolder() + QStringLiteral("/ZELChatHistory"),
            QStringLiteral("FALSE"), QStringLiteral("30"), QStringLiteral("TRUE")};
}
} // namespace ZELChatHistoryList

// m_connectionSettings: no defaults, filled from the file or the settings dialog.
namespace ZELConnectionList {
enum Position : int {
    Host,
    Port,
    ProxyType,     // "DefaultProxy", "HttpProxy", "Socks5Proxy"; anything else: none
    ProxyHost,
    ProxyPort,
    ProxyUser,
    ProxyPassword,
    Size
};
} // namespace ZELConnectionList

// The single values kept beside the lists.
namespace ZELSettingsDefaults {
inline QString defaultFileLocation() { return baseFolder(); }
inline QString hideOfflineUsers() { return QStringLiteral("FALSE"); }
inline QString quickReplies() { return QStringLiteral("Hi##Hello##Good Morning##Bye##Thank You"); }
inline QString quickReplyOption() { return QStringLiteral("TRUE"); }
} // namespace ZELSettingsDefaults

#endif
