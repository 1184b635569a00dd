#include "core/zelclient.h"

void ZELClient::createXMLfile()
{
}

void ZELClient::readUserList()
{
}

void ZELClient::createXMLfileForUsers()
{
}

void ZELClient::editPreferencesSettings()
{
}

void ZELClient::replaceNodeForConnectionSettings()
{
}

void ZELClient::saveDefaultNotificationSettings(QStringList &)
{
}

void ZELClient::saveDefaultLocation(QString &)
{
}

void ZELClient::saveRecentChatListSettingsInXML(QStringList &)
{
}

void ZELClient::saveDefaultChatWindowSettings(QStringList &)
{
}

void ZELClient::saveChatHistoryDetails(QStringList &)
{
}

void ZELClient::editDefaultAutoStatusMessageSettings(QStringList &)
{
}

void ZELClient::saveDefaultStatusMessage(QStringList &)
{
}

void ZELClient::saveQuickReplySettingsSignals(QString &, QString &)
{
}

