#include "core/zelclient.h"

void ZELClient::hideOfflineUsers()
{
}

void ZELClient::hideFavouritesUsers()
{
}

void ZELClient::userListSorting()
{
}

void ZELClient::expandTreewidgetUser(QTreeWidgetItem *)
{
}

void ZELClient::showContactListEmpty()
{
}

void ZELClient::changeTreewidgetUser()
{
}

void ZELClient::mailToFunction()
{
}

void ZELClient::showExampleNotification(QString &)
{
}

