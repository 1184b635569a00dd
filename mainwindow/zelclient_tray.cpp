#include "core/zelclient.h"

void ZELClient::rotateSystemTrayIcon()
{
}

void ZELClient::textScrolling()
{
}

void ZELClient::trayIconSignInSlot()
{
}

void ZELClient::iconActivated(QSystemTrayIcon::ActivationReason)
{
}

