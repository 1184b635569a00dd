#include "core/zelclient.h"

void ZELClient::showChatHistoryList()
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
