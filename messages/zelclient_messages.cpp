#include "core/zelclient.h"

void ZELClient::generateWindow()
{
}

void ZELClient::showChatHistoryList()
{
}

void ZELClient::showGroupMessageDialog()
{
}

void ZELClient::deleteSelectedMessage()
{
}

void ZELClient::deleteAllOfflineMessages()
{
}

void ZELClient::replyOfflineMessages()
{
}

void ZELClient::showOfflineMessage()
{
}

void ZELClient::itemChangeStatus(QTableWidgetItem *)
{
}

void ZELClient::cancelSlot()
{
}

void ZELClient::downloadOfflineFile(QStringList &, QString &, QString &)
{
}

void ZELClient::rejectOfflineFile(QStringList &)
{
}

void ZELClient::requestDateFromServer(QString &)
{
}

void ZELClient::sendChatDateToServer(QString &, QString &)
{
}

void ZELClient::requestConferenceName(QString &)
{
}

void ZELClient::requstConferenceHistory(QString &, QString &)
{
}
