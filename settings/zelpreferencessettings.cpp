#include "settings/zelpreferencessettings.h"

ZELPreferencesSettings::ZELPreferencesSettings(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ZELPreferenceSettingsDialog"));
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    // One dialog per opening: it goes away when closed.
    setAttribute(Qt::WA_DeleteOnClose);
    hide();
}

void ZELPreferencesSettings::showPreferencesSettings(
    QStringList notificationSettings, QString defaultFileLocation, QStringList connectionSettings,
    QStringList contactDisplaySettings, QStringList chatWindowSettings, QStringList autoStatusSettings,
    QStringList statusMessageSettings, QStringList chatHistorySettings, QString userName, QString quickReplies,
    QString quickReplyOption)
{
    m_notificationSettings = notificationSettings;
    m_defaultFileLocation = defaultFileLocation;
    // The connect-to-server page takes the connection list; it is not kept.
    Q_UNUSED(connectionSettings);
    m_contactDisplaySettings = contactDisplaySettings;
    m_chatWindowSettings = chatWindowSettings;
    m_autoStatusSettings = autoStatusSettings;
    m_statusMessageSettings = statusMessageSettings;
    m_chatHistorySettings = chatHistorySettings;
    m_userName = userName;
    m_quickReplyMessages = quickReplies;
    m_quickReplyOption = quickReplyOption;
    show();
}
