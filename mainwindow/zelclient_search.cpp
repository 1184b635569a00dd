#include "core/zelclient.h"

void ZELClient::setupContactSearch()
{
}

void ZELClient::activeUserSearchClicked(bool)
{
}

void ZELClient::inactiveUserSearchClicked(bool)
{
}

void ZELClient::searchContactFromTree(const QString &)
{
}

void ZELClient::searchCloseButtonClicked()
{
}

void ZELClient::gotoSearchNext()
{
}

void ZELClient::showContactSearch()
{
}

