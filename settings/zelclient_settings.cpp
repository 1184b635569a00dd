#include "core/zelclient.h"

#include "settings/zelchangepassword.h"
#include "settings/zelpreferencessettings.h"

// A new preferences dialog for every opening, over copies of the lists held
// now; each page's save comes back through one of the save slots.
void ZELClient::showPreferencesSettings()
{
    auto *preferences = new ZELPreferencesSettings(this);
    connect(preferences, &ZELPreferencesSettings::showSampleNotification, this,
            &ZELClient::showExampleNotification);
    connect(preferences, &ZELPreferencesSettings::savePreferenceNotificationSettings, this,
            &ZELClient::saveDefaultNotificationSettings);
    connect(preferences, &ZELPreferencesSettings::saveFTPDefaultLocation, this, &ZELClient::saveDefaultLocation);
    connect(preferences, &ZELPreferencesSettings::saveContactDisplaySettingsInXML, this,
            &ZELClient::saveRecentChatListSettingsInXML);
    connect(preferences, qOverload<QStringList &>(&ZELPreferencesSettings::saveChatWindowSettings), this,
            &ZELClient::saveDefaultChatWindowSettings);
    connect(preferences, &ZELPreferencesSettings::saveChatHistoryDetails, this, &ZELClient::saveChatHistoryDetails);
    connect(preferences, &ZELPreferencesSettings::saveDefaultAutoStatusSettings, this,
            &ZELClient::editDefaultAutoStatusMessageSettings);
    connect(preferences, &ZELPreferencesSettings::saveStatusMessages, this, &ZELClient::saveDefaultStatusMessage);
    connect(preferences, &ZELPreferencesSettings::saveQuickReplySettingsSignals, this,
            &ZELClient::saveQuickReplySettingsSignals);
    preferences->setModal(true);
    preferences->showPreferencesSettings(m_notificationSettings, m_defaultFileLocation, m_connectionSettings,
                                         m_contactDisplaySettings, m_chatWindowSettings, m_autoStatusSettings,
                                         m_statusMessageSettings, m_chatHistorySettings, m_ownDisplayName,
                                         m_quickReplies, m_quickReplyOption);
}

// Every opening makes a new dialog, centred over the main window; a shown one
// is window-modal, so the menu cannot open a second.
void ZELClient::changePasswordWindow()
{
    auto *dialog = new ZELChangePassword(this);
    connect(dialog, &ZELChangePassword::changePasswordGetUserName, this, &ZELClient::changePassword);
    dialog->setModal(true);
    dialog->move(x() + width() / 2 - dialog->width() / 2, y() + height() / 2 - dialog->height() / 2);
    dialog->show();
}

void ZELClient::changePassword(QString &oldPassword, QString &newPassword)
{
    QStringList request{QStringLiteral("CHANGEPASSWORD"), m_loginId, oldPassword, newPassword};
    convertXMLSendToServer(request);
}
