#include "protocol/zelpreferencesfile.h"

#include "protocol/zelsafewrite.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zelxmlbounds.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

const QString SettingsTag = QStringLiteral("SETTINGS");
const QString ConnectionTag = QStringLiteral("CONNECTTOSERVER");
const QString UserTag = QStringLiteral("USERSETTINGS");
const QString DocumentType = QStringLiteral("PERSONALSETTINGS");
const QString FileName = QStringLiteral("/zelPreferencesSettings.xml");

// A stored file is a few kilobytes; a length field beyond this is damage, and
// must not make the decompressor reserve that much memory.
constexpr quint32 MaxTextSize = 16 * 1024 * 1024;

const char *const connectionElements[ZELConnectionList::Size] = {
    "HOSTNAME", "PORTVALUE", "PROXYSERVER", "PROXYSERVERHOSTNAME",
    "PROXYSERVERPORTVALUE", "USERNEMEAUTHENTICATOR", "PASSWORDAUTHENTICATOR",
};

// Where each element of a user block comes from.
enum Source {
    UserName, DefaultFileLocation, Status, ChatWindow, AutoStatus, ContactDisplay,
    Notifications, ChatHistory, HideOfflineUsers, AutoLoginPassword,
    RememberPassword, RememberMe, QuickReplies, QuickReplyOption
};

struct BlockField
{
    const char *element;
    Source source;
    int position; // in the source list; 0 for single values
};

// The block's layout as stored on disk. The names are kept as files have them:
// "AVAILABLETOAWAY" holds the away-to-online flag and "AWAYTOAVAILABLE" the
// online-to-away flag, "SHOWRECENTCHATUSERS" appears twice.
const BlockField blockFields[ZELPreferencesFile::UserBlockSize] = {
    {"USERNAME", UserName, 0},
    {"DEFAULTFILELOCATION", DefaultFileLocation, 0},
    {"DEFAULTLOGINSTATUS", Status, ZELStatusMessageList::LoginStatus},
    {"AVAILABLEMESSAGE", Status, ZELStatusMessageList::OnlineMessage},
    {"AWAYMESSAGE", Status, ZELStatusMessageList::AwayMessage},
    {"MEETINGMESSAGE", Status, ZELStatusMessageList::MeetingMessage},
    {"BUSYMESSAGE", Status, ZELStatusMessageList::BusyMessage},
    {"USERDEFINEDSTATUS", Status, ZELStatusMessageList::UserDefinedStatus},
    {"USERDEFINEDSTATUSMESSAGE", Status, ZELStatusMessageList::UserDefinedStatusMessage},
    {"CHATWINDOWFONTFAMILY", ChatWindow, ZELChatWindowList::FontFamily},
    {"FONTSIZE", ChatWindow, ZELChatWindowList::FontSize},
    {"DISPLAYBUSINESSCARD", ChatWindow, ZELChatWindowList::DisplayInfoBox},
    {"DISPLAYSMILEY", ChatWindow, ZELChatWindowList::DisplaySmileys},
    {"CLOSECHATWINDOWMESSAGE", ChatWindow, ZELChatWindowList::PartnerClosedMessage},
    {"DISPLAYTIMESTAMP", ChatWindow, ZELChatWindowList::DisplayTimeStamp},
    {"HOURFORMAT24", ChatWindow, ZELChatWindowList::HourFormat24},
    {"HOURFORMAT12", ChatWindow, ZELChatWindowList::HourFormat12},
    {"WARNMEMEETING", ChatWindow, ZELChatWindowList::WarnMeeting},
    {"WARNMEAWAY", ChatWindow, ZELChatWindowList::WarnAway},
    {"ESCKEY", ChatWindow, ZELChatWindowList::EscapeCloses},
    {"ENTERKEYTOSEND", ChatWindow, ZELChatWindowList::EnterSends},
    {"INSERTNEWLINE", ChatWindow, ZELChatWindowList::EnterNewLine},
    {"SHOWUSERSTATUS", ChatWindow, ZELChatWindowList::ShowStatusChange},
    {"HIDEOFFLINEUSERS", HideOfflineUsers, 0},
    {"AVAILABLETOBUSY", AutoStatus, ZELAutoStatusList::OnlineToBusy},
    {"BUSYTOAVAILABLE", AutoStatus, ZELAutoStatusList::BusyToOnline},
    {"AVAILABLETOAWAY", AutoStatus, ZELAutoStatusList::AwayToOnline},
    {"AWAYTOAVAILABLE", AutoStatus, ZELAutoStatusList::OnlineToAway},
    {"BUSYDURATION", AutoStatus, ZELAutoStatusList::BusyMinutes},
    {"AWAYDURATION", AutoStatus, ZELAutoStatusList::AwayMinutes},
    {"CHATUSERSLISTDAYS", ContactDisplay, ZELContactDisplayList::RecentChatDays},
    {"SHOWRECENTCHATUSERS", ContactDisplay, ZELContactDisplayList::ShowRecentChats},
    {"DEPARTMENTWISE", ContactDisplay, ZELContactDisplayList::GroupByDepartment},
    {"SHOWRECENTCHATUSERS", ContactDisplay, ZELContactDisplayList::GroupByStatus},
    {"AUTOLOGIN", AutoStatus, ZELAutoStatusList::AutoLogin},
    {"AUTOLOGINPASSWORD", AutoLoginPassword, 0},
    {"ONLINEPOPUP", Notifications, ZELNotificationList::ComesOnline},
    {"OFFLINEPOPUP", Notifications, ZELNotificationList::GoesOffline},
    {"FILEPOPUP", Notifications, ZELNotificationList::SendsFile},
    {"MESSAGEPOPUP", Notifications, ZELNotificationList::SendsMessage},
    {"OFFLINEMESSAGEPOPUP", Notifications, ZELNotificationList::SendsOfflineMessage},
    {"VOICEMAILPOPUP", Notifications, ZELNotificationList::SendsVoiceMail},
    {"REMEMBERPASSWORD", RememberPassword, 0},
    {"REMEMBERME", RememberMe, 0},
    {"USERSTATUSDETAILS", ContactDisplay, ZELContactDisplayList::HighlightDetails},
    {"AUTOMATICSAVE", ChatHistory, ZELChatHistoryList::AutomaticSave},
    {"SAVELOCATION", ChatHistory, ZELChatHistoryList::SaveLocation},
    {"DELETEHISTORY", ChatHistory, ZELChatHistoryList::DeleteHistory},
    {"DELETEDAYS", ChatHistory, ZELChatHistoryList::DeleteDays},
    {"FROMSERVER", ChatHistory, ZELChatHistoryList::FromServer},
    {"QUICKREPLY", QuickReplies, 0},
    {"QUICKREPLYOPTION", QuickReplyOption, 0},
    {"PROMPTONLINE", Status, ZELStatusMessageList::PromptOnline},
    {"PROMPTAWAY", Status, ZELStatusMessageList::PromptAway},
    {"PROMPTMEETING", Status, ZELStatusMessageList::PromptMeeting},
    {"PROMPTBUSY", Status, ZELStatusMessageList::PromptBusy},
    {"PROMPTOFFLINE", Status, ZELStatusMessageList::PromptOffline},
    {"PROMPTUSERDEFINED", Status, ZELStatusMessageList::PromptUserDefined},
    {"OFFLINEMESSAGE", Status, ZELStatusMessageList::OfflineMessage},
    {"CONTACTSEARCH", ContactDisplay, ZELContactDisplayList::SearchOnCtrlF},
};

int listSize(Source source)
{
    switch (source) {
    case Status: return ZELStatusMessageList::Size;
    case ChatWindow: return ZELChatWindowList::Size;
    case AutoStatus: return ZELAutoStatusList::Size;
    case ContactDisplay: return ZELContactDisplayList::Size;
    case Notifications: return ZELNotificationList::Size;
    case ChatHistory: return ZELChatHistoryList::Size;
    default: return 0;
    }
}

// The single value or list a field belongs to; exactly one of the two is set.
template <typename Settings, typename Text, typename List>
void fieldTarget(Settings &s, Source source, Text *&single, List *&list)
{
    single = nullptr;
    list = nullptr;
    switch (source) {
    case UserName: single = &s.userName; break;
    case DefaultFileLocation: single = &s.defaultFileLocation; break;
    case Status: list = &s.statusMessages; break;
    case ChatWindow: list = &s.chatWindow; break;
    case AutoStatus: list = &s.autoStatus; break;
    case ContactDisplay: list = &s.contactDisplay; break;
    case Notifications: list = &s.notifications; break;
    case ChatHistory: list = &s.chatHistory; break;
    case HideOfflineUsers: single = &s.hideOfflineUsers; break;
    case AutoLoginPassword: single = &s.autoLoginPassword; break;
    case RememberPassword: single = &s.rememberPassword; break;
    case RememberMe: single = &s.rememberMe; break;
    case QuickReplies: single = &s.quickReplies; break;
    case QuickReplyOption: single = &s.quickReplyOption; break;
    }
}

QDomElement textElement(QDomDocument &document, const QString &tag, const QString &text)
{
    QDomElement element = document.createElement(tag);
    element.appendChild(document.createTextNode(text));
    return element;
}

} // namespace

// --- UserSettings ---------------------------------------------------------

ZELPreferencesFile::UserSettings ZELPreferencesFile::UserSettings::defaults(
    const QString &loginId, const QString &password, const QString &rememberMe,
    const QString &rememberPassword)
{
    UserSettings s;
    s.userName = loginId;
    s.defaultFileLocation = ZELSettingsDefaults::defaultFileLocation();
    s.statusMessages = ZELStatusMessageList::defaults();
    s.chatWindow = ZELChatWindowList::defaults();
    s.autoStatus = ZELAutoStatusList::defaults();
    s.contactDisplay = ZELContactDisplayList::defaults();
    s.notifications = ZELNotificationList::defaults();
    s.chatHistory = ZELChatHistoryList::defaults();
    s.hideOfflineUsers = ZELSettingsDefaults::hideOfflineUsers();
    s.autoLoginPassword = password;
    s.rememberPassword = rememberPassword;
    s.rememberMe = rememberMe;
    s.quickReplies = ZELSettingsDefaults::quickReplies();
    s.quickReplyOption = ZELSettingsDefaults::quickReplyOption();
    return s;
}

QStringList ZELPreferencesFile::UserSettings::blockValues() const
{
    QStringList values;
    values.reserve(UserBlockSize);
    for (const BlockField &field : blockFields) {
        const QString *single;
        const QStringList *list;
        fieldTarget(*this, field.source, single, list);
        values << (single ? *single : list->value(field.position));
    }
    return values;
}

ZELPreferencesFile::UserSettings ZELPreferencesFile::UserSettings::fromBlockValues(
    const QStringList &values)
{
    UserSettings s;
    for (Source source : {Status, ChatWindow, AutoStatus, ContactDisplay, Notifications, ChatHistory}) {
        QString *single;
        QStringList *list;
        fieldTarget(s, source, single, list);
        *list = QStringList(listSize(source), QString());
    }
    for (int i = 0; i < UserBlockSize; ++i) {
        QString *single;
        QStringList *list;
        fieldTarget(s, blockFields[i].source, single, list);
        (single ? *single : (*list)[blockFields[i].position]) = values.value(i);
    }
    return s;
}

LoginSettingsRecord ZELPreferencesFile::UserSettings::loginRecord() const
{
    return LoginSettingsRecord{userName, autoStatus.value(ZELAutoStatusList::AutoLogin),
                               autoLoginPassword, rememberMe, rememberPassword};
}

bool ZELPreferencesFile::UserSettings::operator==(const UserSettings &other) const
{
    return blockValues() == other.blockValues();
}

// --- ZELPreferencesFile ---------------------------------------------------

ZELPreferencesFile::ZELPreferencesFile(const QString &dataFolder)
    : m_dataFolder(dataFolder)
{
}

void ZELPreferencesFile::setDataFolder(const QString &dataFolder)
{
    m_dataFolder = dataFolder;
}

QString ZELPreferencesFile::dataFolder() const
{
    return m_dataFolder;
}

QString ZELPreferencesFile::fileName() const
{
    return m_dataFolder + FileName;
}

QString ZELPreferencesFile::setAsideFileName() const
{
    return fileName() + QStringLiteral(".bad");
}

bool ZELPreferencesFile::exists() const
{
    return QFileInfo::exists(fileName());
}

QString ZELPreferencesFile::errorString() const
{
    return m_error;
}

QStringList ZELPreferencesFile::connectionElementNames()
{
    QStringList names;
    for (const char *name : connectionElements)
        names << QString::fromLatin1(name);
    return names;
}

QStringList ZELPreferencesFile::userElementNames()
{
    QStringList names;
    for (const BlockField &field : blockFields)
        names << QString::fromLatin1(field.element);
    return names;
}

bool ZELPreferencesFile::fail(const QString &text)
{
    m_error = text;
    return false;
}

ZELPreferencesFile::FileState ZELPreferencesFile::load(QDomDocument &document)
{
    m_writeFailed = false;
    QFile file(fileName());
    if (!file.exists()) {
        m_error = QStringLiteral("No preferences file");
        return Missing;
    }
    // It holds passwords: one that others may read (made by hand or by an
    // older copy) is restricted to its owner before anything is read from it.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                            | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                            | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (file.permissions() & others)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return Unreadable;
    }
    const QByteArray compressed = file.readAll();
    file.close();

    QByteArray text;
    if (compressed.size() > 4 && qFromBigEndian<quint32>(compressed.constData()) <= MaxTextSize)
        text = qUncompress(compressed);
    // A file past the bounds no copy of ours writes is damage too, and
    // refused before the reader spends more than a pass over it.
    const QString content = QString::fromLatin1(text);
    QDomDocument parsed;
    if (content.isEmpty() || !ZELXmlBounds::allows(content) || !parsed.setContent(content)
        || parsed.documentElement().tagName() != SettingsTag) {
        // Keep the user's file for inspection instead of overwriting it later.
        if (!setAside())
            return Unreadable;
        m_error = QStringLiteral("The preferences file was damaged and has been kept as %1")
                      .arg(setAsideFileName());
        return SetAside;
    }
    if (parsed.doctype().name() != DocumentType) {
        // A damaged document type would be written back as it was read, and
        // the file could no longer be read: what is written carries our own.
        document = newDocument();
        document.replaceChild(document.importNode(parsed.documentElement(), true), document.documentElement());
    } else {
        document = parsed;
    }
    m_error.clear();
    return Loaded;
}

bool ZELPreferencesFile::setAside()
{
    const QString aside = setAsideFileName();
    if (QFileInfo::exists(aside))
        QFile::remove(aside);
    if (!QFile::rename(fileName(), aside))
        return fail(QStringLiteral("The damaged preferences file cannot be moved aside"));
    return true;
}

QDomDocument ZELPreferencesFile::newDocument()
{
    QDomDocument document(DocumentType);
    document.appendChild(document.createElement(SettingsTag));
    return document;
}

QDomElement ZELPreferencesFile::connectionElement(QDomDocument &document,
                                                  const QStringList &settings)
{
    QDomElement element = document.createElement(ConnectionTag);
    for (int i = 0; i < ZELConnectionList::Size; ++i)
        element.appendChild(textElement(document, QString::fromLatin1(connectionElements[i]),
                                        settings.value(i)));
    return element;
}

QDomElement ZELPreferencesFile::userElement(QDomDocument &document, const UserSettings &user)
{
    QDomElement element = document.createElement(UserTag);
    const QStringList values = user.blockValues();
    for (int i = 0; i < UserBlockSize; ++i)
        element.appendChild(textElement(document, QString::fromLatin1(blockFields[i].element),
                                        values.at(i)));
    return element;
}

bool ZELPreferencesFile::save(const QDomDocument &document)
{
    m_writeFailed = false;
    if (document.documentElement().tagName() != SettingsTag)
        return fail(QStringLiteral("Refusing to write a preferences document without settings"));
    // Characters outside Latin-1 are stored as '?'.
    const QByteArray bytes = qCompress(document.toString(1).toLatin1(), 9);

    QDir().mkpath(m_dataFolder);
    // The file holds passwords: owner only, before any byte is written.
    const ZELSafeWrite::Result written =
        ZELSafeWrite::replace(fileName(), bytes, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!written) {
        m_writeFailed = true;
        return fail(written.error);
    }
    m_error.clear();
    return true;
}

bool ZELPreferencesFile::writeFailed() const
{
    return m_writeFailed;
}

ZELPreferencesFile::ReadResult ZELPreferencesFile::read(const QString &loginId)
{
    ReadResult result;
    QDomDocument document;
    result.state = load(document);
    if (result.state != Loaded)
        return result;

    const QDomElement root = document.documentElement();
    const QDomNode connection = root.firstChild();
    QDomElement value = connection.firstChildElement();
    for (int i = 0; i < ZELConnectionList::Size; ++i) {
        result.connectionSettings << value.text();
        if (!value.isNull())
            value = value.nextSiblingElement();
    }

    bool found = false;
    QStringList collected;
    for (QDomElement block = connection.nextSiblingElement(); !block.isNull();
         block = block.nextSiblingElement()) {
        ++result.userBlockCount;
        LoginSettingsRecord record;
        QString key;
        bool collecting = false;
        for (QDomElement child = block.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            const QString tag = child.tagName();
            const QString text = child.text();
            if (tag == QLatin1String("USERNAME")) {
                key = text;
                record.userName = text;
                if (!found && !loginId.isEmpty() && text == loginId)
                    collecting = true;
            } else if (tag == QLatin1String("AUTOLOGIN")) {
                result.autoLoginEntries.insert(0, key);
                result.autoLoginEntries.insert(1, text);
                record.autoLogin = text;
            } else if (tag == QLatin1String("AUTOLOGINPASSWORD")) {
                result.autoLoginEntries.insert(qMin<qsizetype>(2, result.autoLoginEntries.size()), text);
                record.autoLoginPassword = text;
            } else if (tag == QLatin1String("REMEMBERPASSWORD")) {
                record.rememberPassword = text;
            } else if (tag == QLatin1String("REMEMBERME")) {
                record.rememberMe = text;
                result.loginSettings.insert(key, record);
            }
            if (collecting)
                collected << text;
        }
        // Only the user's own block supplies settings: a short block must not
        // borrow values from the next user's block.
        if (collecting)
            found = true;
    }

    if (found && collected.size() >= UserBlockSize) {
        result.userCase = UserFound;
        result.user = UserSettings::fromBlockValues(collected.mid(0, UserBlockSize));
    } else if (found) {
        result.userCase = UserIncomplete;
    }
    return result;
}

bool ZELPreferencesFile::create(const QStringList &connectionSettings)
{
    if (exists())
        return fail(QStringLiteral("The preferences file exists already"));
    QDomDocument document = newDocument();
    QDomElement root = document.documentElement();
    root.appendChild(connectionElement(document, connectionSettings));
    return save(document);
}

bool ZELPreferencesFile::addUser(const UserSettings &user, const QStringList &connectionSettings)
{
    QDomDocument document;
    const FileState state = load(document);
    if (state == Unreadable)
        return false;
    if (state != Loaded) {
        if (connectionSettings.isEmpty())
            return fail(QStringLiteral("No server settings to start a preferences file with"));
        document = newDocument();
        document.documentElement().appendChild(connectionElement(document, connectionSettings));
    } else if (document.documentElement().firstChild().isNull()) {
        // The first block is always read as the server's: in a file without
        // one, the user's own block must not take its place and be lost.
        document.documentElement().appendChild(connectionElement(document, connectionSettings));
    }
    document.documentElement().appendChild(userElement(document, user));
    return save(document);
}

bool ZELPreferencesFile::replaceUser(const UserSettings &user)
{
    if (user.userName.isEmpty())
        return fail(QStringLiteral("No user name"));
    QDomDocument document;
    if (load(document) != Loaded)
        return false;
    QDomElement root = document.documentElement();
    for (QDomNode block = root.firstChild().nextSibling(); !block.isNull();
         block = block.nextSibling()) {
        if (!block.isElement() || block.firstChildElement().text() != user.userName)
            continue;
        root.appendChild(userElement(document, user));
        root.removeChild(block);
        return save(document);
    }
    return fail(QStringLiteral("No stored settings for %1").arg(user.userName));
}

bool ZELPreferencesFile::removeUser(const QString &loginId)
{
    if (loginId.isEmpty())
        return fail(QStringLiteral("No user name"));
    QDomDocument document;
    if (load(document) != Loaded)
        return false;
    QDomElement root = document.documentElement();
    for (QDomNode block = root.firstChild().nextSibling(); !block.isNull();
         block = block.nextSibling()) {
        if (!block.isElement() || block.firstChildElement().text() != loginId)
            continue;
        root.removeChild(block);
        return save(document);
    }
    return fail(QStringLiteral("No stored settings for %1").arg(loginId));
}

bool ZELPreferencesFile::replaceConnection(const QStringList &connectionSettings)
{
    QDomDocument document;
    const FileState state = load(document);
    if (state == Unreadable)
        return false;
    if (state != Loaded)
        document = newDocument();
    QDomElement root = document.documentElement();
    const QDomElement element = connectionElement(document, connectionSettings);
    if (root.firstChild().isNull())
        root.appendChild(element);
    else
        root.replaceChild(element, root.firstChild());
    return save(document);
}
