#include "core/zelclient.h"

void ZELClient::successFullLoginStatus(QStringList)
{
}

