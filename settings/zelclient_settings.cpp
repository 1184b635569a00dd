#include "core/zelclient.h"

void ZELClient::showPreferencesSettings()
{
}

void ZELClient::changePasswordWindow()
{
}

void ZELClient::changePassword(QString &, QString &)
{
}
