#include "core/zelclient.h"

// The chat windows' file transfers report here once a received file is stored.
void ZELClient::ftpStatus(QString)
{
}

void ZELClient::conferenceChatFtpStatus(QString)
{
}

void ZELClient::advanceProgressBar(QString)
{
}

void ZELClient::conferenceProgressBar(QString)
{
}
