#include "core/zelclient.h"

void ZELClient::showAboutZEL()
{
}
