#include "core/zelclient.h"

bool ZELClient::routeFileBlock(QByteArray &)
{
    return true;
}
