#include "core/zelclient.h"

void ZELClient::showVoiceRecorderDialog()
{
}

void ZELClient::sendVoiceMailToServer(QStringList &)
{
}

void ZELClient::downLoadVoiceMailfromServer(QStringList &)
{
}
void ZELClient::updateVoiceMailInboxTable()
{
}
