#include "core/zelclient.h"

void ZELClient::setUserNameForChat()
{
}

void ZELClient::userChatWindow(QTreeWidgetItem *, int)
{
}

void ZELClient::showConferenceChatWidget()
{
}

void ZELClient::requestDialogCloseSignal(ZELRequestDialog *)
{
}

void ZELClient::pauseMovie()
{
}

void ZELClient::restartMovie()
{
}

void ZELClient::messageToSend(QStringList &)
{
}
