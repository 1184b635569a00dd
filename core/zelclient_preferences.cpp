#include "core/zelclient.h"

#include <QAction>
#include <QFont>
#include <QLineEdit>
#include <QTextEdit>
#include <QTreeWidget>

#include "chat/zelchatwindow.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsafewrite.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "mainwindow/zelsearchcontactaction.h"
#include "style/zelmessageboxclass.h"

namespace {

const QString True = QStringLiteral("TRUE");
const QString False = QStringLiteral("FALSE");

QString flag(bool on)
{
    return on ? True : False;
}

// The signed-in user's block, from what the main widget holds now.
ZELPreferencesFile::UserSettings heldSettings(const ZELClient &client)
{
    ZELPreferencesFile::UserSettings s;
    s.userName = client.m_loginId;
    s.defaultFileLocation = client.m_defaultFileLocation;
    s.statusMessages = client.m_statusMessageSettings;
    s.chatWindow = client.m_chatWindowSettings;
    s.autoStatus = client.m_autoStatusSettings;
    s.contactDisplay = client.m_contactDisplaySettings;
    s.notifications = client.m_notificationSettings;
    s.chatHistory = client.m_chatHistorySettings;
    s.hideOfflineUsers = client.m_hideOfflineUsers;
    s.autoLoginPassword = client.m_autoLoginPassword;
    s.rememberPassword = client.m_rememberPassword;
    s.rememberMe = client.m_rememberMe;
    s.quickReplies = client.m_quickReplies;
    s.quickReplyOption = client.m_quickReplyOption;
    return s;
}

void takeSettings(ZELClient &client, const ZELPreferencesFile::UserSettings &s)
{
    client.m_defaultFileLocation = s.defaultFileLocation;
    client.m_statusMessageSettings = s.statusMessages;
    client.m_chatWindowSettings = s.chatWindow;
    client.m_autoStatusSettings = s.autoStatus;
    client.m_contactDisplaySettings = s.contactDisplay;
    client.m_notificationSettings = s.notifications;
    client.m_chatHistorySettings = s.chatHistory;
    client.m_hideOfflineUsers = s.hideOfflineUsers;
    client.m_autoLoginPassword = s.autoLoginPassword;
    client.m_rememberPassword = s.rememberPassword;
    client.m_rememberMe = s.rememberMe;
    client.m_quickReplies = s.quickReplies;
    client.m_quickReplyOption = s.quickReplyOption;
    client.m_busyMinutes = ZELAutoStatusList::busyMinutes(s.autoStatus);
    client.m_awayMinutes = ZELAutoStatusList::awayMinutes(s.autoStatus);
}

// The status menu's user-defined entry follows status position 0.
void applyUserStatusAction(ZELClient &client, bool retitleStatusButton)
{
    if (client.m_statusMessageSettings.isEmpty())
        return;
    const QString name = client.m_statusMessageSettings.value(ZELStatusMessageList::UserDefinedStatus);
    if (name == QLatin1String("<EMPTY>")) {
        client.m_userStatusAction->setEnabled(false);
        client.m_userStatusAction->setText(QStringLiteral("User Status"));
        return;
    }
    client.m_userStatusAction->setText(name);
    if (retitleStatusButton && client.m_userStatusAction->isChecked())
        client.m_statusMessageToolButton->setText(name);
    client.m_userStatusAction->setEnabled(true);
}

} // namespace

void ZELClient::reportPreferencesWrite(const ZELPreferencesFile &file)
{
    if (!file.writeFailed())
        return;
    const ZELSafeWrite::Result failed{false, file.errorString()};
    m_informationBox->showInformationBox(
        this, QStringLiteral("Preferences"),
        ZELSafeWrite::notSaved(QStringLiteral("The preferences"), failed)
            + QStringLiteral(". The settings saved before are kept."));
}

void ZELClient::createXMLfile()
{
    // First run: the file starts with the server connection alone; user
    // blocks follow at each user's first successful sign-in.
    ZELPreferencesFile file(m_dataFolder);
    if (!file.exists()) {
        file.create(m_connectionSettings);
        reportPreferencesWrite(file);
    }
}

void ZELClient::readUserList()
{
    ZELPreferencesFile file(m_dataFolder);
    const ZELPreferencesFile::ReadResult result = file.read(m_loginId);

    for (auto it = result.loginSettings.cbegin(); it != result.loginSettings.cend(); ++it)
        m_loginSettings.insert(it.key(), it.value());
    // The automatic sign-in is decided from the file as it stood at start-up:
    // a box ticked during this run takes effect at the next start.
    if (!m_autoLoginListRead) {
        m_autoLoginList = result.autoLoginEntries;
        m_autoLoginListRead = true;
    }
    if (result.state == ZELPreferencesFile::Loaded)
        m_connectionSettings = result.connectionSettings;

    if (result.userCase == ZELPreferencesFile::UserFound) {
        m_userNotInPreferences = false;
        takeSettings(*this, result.user);
        setDefaultStatusMessage();
        applyUserStatusAction(*this, false);
    } else if (result.userCase == ZELPreferencesFile::UserIncomplete) {
        // A block cut short: the lists keep what they hold.
        m_userNotInPreferences = false;
    } else if (m_userNotInPreferences) {
        takeSettings(*this, ZELPreferencesFile::UserSettings::defaults(
                                m_loginId, m_password, flag(m_rememberMeCheckBox->isChecked()),
                                flag(m_rememberPasswordCheckBox->isChecked())));
        setDefaultStatusMessage();
        m_userStatusAction->setEnabled(false);
    }

    if (m_tcpSocket->state() != QAbstractSocket::ConnectedState) {
        // Without a usable file there is no server to go to: ask, as on a first run.
        if (m_connectionSettings.size() > ZELConnectionList::Port)
            connectToServer(m_connectionSettings.at(ZELConnectionList::Host),
                            m_connectionSettings.at(ZELConnectionList::Port));
        else
            getHostNameAndPortValue();
    }

    if (!m_loginListFilled && !m_loginSettings.isEmpty()) {
        for (const LoginSettingsRecord &record : std::as_const(m_loginSettings)) {
            if (record.rememberMe == True)
                userNameEdit->addItem(record.userName);
        }
        m_loginListFilled = true;
        m_rememberPasswordCheckBox->setEnabled(false);
        m_forgetMeLink->setEnabled(false);
        m_invisibleModeCheckBox->setChecked(false);
        m_rememberPasswordCheckBox->setChecked(false);
        m_rememberMeCheckBox->setChecked(false);
        m_autoSignInCheckBox->setChecked(false);
    }

    userNameEdit->setEditText(QString());
    passWordEdit->clear();
}

void ZELClient::createXMLfileForUsers()
{
    // While a block is being replaced the caller writes the file itself.
    if (!m_preferencesEditMode) {
        ZELPreferencesFile file(m_dataFolder);
        file.addUser(heldSettings(*this), m_connectionSettings);
        reportPreferencesWrite(file);
    }
    applyUserStatusAction(*this, true);
}

void ZELClient::editPreferencesSettings()
{
    ZELPreferencesFile file(m_dataFolder);
    if (!file.exists())
        return;
    // The user's block moves to the end; nothing is written when the file
    // holds no block for this user, and the first-sign-in writer stays free
    // to add one.
    if (file.replaceUser(heldSettings(*this))) {
        m_preferencesEditMode = true;
        applyUserStatusAction(*this, true);
    }
    reportPreferencesWrite(file);
}

void ZELClient::replaceNodeForConnectionSettings()
{
    ZELPreferencesFile file(m_dataFolder);
    file.replaceConnection(m_connectionSettings);
    reportPreferencesWrite(file);
}

void ZELClient::saveDefaultNotificationSettings(QStringList &settings)
{
    m_notificationSettings = settings;
    editPreferencesSettings();
}

void ZELClient::saveDefaultLocation(QString &location)
{
    m_defaultFileLocation = location;
    editPreferencesSettings();
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        // A window without file pages, or whose field is empty, has no transfer set up: leave it.
        if (!window->hasFilePages() || window->filePages().m_defaultFileLocation->text().isEmpty())
            continue;
        window->filePages().m_defaultFileLocation->setText(location);
        window->changeDefaultFtpLocation(location);
    }
}

void ZELClient::saveRecentChatListSettingsInXML(QStringList &settings)
{
    m_contactDisplaySettings = settings;
    editPreferencesSettings();
    hideFavouritesUsers();

    const bool searchOffered = settings.value(ZELContactDisplayList::SearchOnCtrlF) == True;
    if (!searchOffered)
        searchCloseButtonClicked();
    placeSearchContactAction(m_contactsPopupMenu, m_searchContactAction, searchOffered);

    if (m_expandedContactItem) {
        m_contactView->removeItemWidget(m_expandedContactItem, 0);
        m_expandedContactItem->setSizeHint(0, QSize(0, 20));
    }
}

void ZELClient::saveDefaultChatWindowSettings(QStringList &settings)
{
    m_chatWindowSettings = settings;
    editPreferencesSettings();
    QFont font(settings.value(ZELChatWindowList::FontFamily));
    font.setPointSize(settings.value(ZELChatWindowList::FontSize).toInt());
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        window->enableSmiley(settings.value(ZELChatWindowList::DisplaySmileys),
                             settings.value(ZELChatWindowList::DisplayInfoBox));
        if (font.pointSize() > 0)
            window->serverMessage->setFont(font);
        window->setDefaultSettings(settings.value(ZELChatWindowList::EscapeCloses),
                                   settings.value(ZELChatWindowList::EnterSends),
                                   settings.value(ZELChatWindowList::HourFormat24));
    }
}

void ZELClient::saveChatHistoryDetails(QStringList &settings)
{
    m_chatHistorySettings = settings;
    editPreferencesSettings();
    for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
        window->m_autoSave = settings.value(ZELChatHistoryList::AutomaticSave);
        window->m_historyFolder = settings.value(ZELChatHistoryList::SaveLocation);
    }
}

void ZELClient::editDefaultAutoStatusMessageSettings(QStringList &settings)
{
    m_autoStatusSettings = settings;
    m_busyMinutes = ZELAutoStatusList::busyMinutes(settings);
    m_awayMinutes = ZELAutoStatusList::awayMinutes(settings);
    m_autoLoginPassword = m_password;
    editPreferencesSettings();
    const QString autoLogin = settings.value(ZELAutoStatusList::AutoLogin);
    m_autoSignInCheckBox->setChecked(autoLogin == True);
    m_loginSettings.insert(m_loginId, LoginSettingsRecord{m_loginId, autoLogin, m_autoLoginPassword,
                                                          m_rememberMe, m_rememberPassword});
}

void ZELClient::saveDefaultStatusMessage(QStringList &settings)
{
    m_statusMessageSettings = settings;
    editPreferencesSettings();
    m_statusMessagesSaved = true;
}

void ZELClient::saveQuickReplySettingsSignals(QString &replies, QString &option)
{
    m_quickReplies = replies;
    m_quickReplyOption = option;
    editPreferencesSettings();
    for (ZELChatWindow *window : std::as_const(m_chatWindows))
        window->updateQuickReplyMessageMenuItems(replies, option);
}
