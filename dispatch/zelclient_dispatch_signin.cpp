#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchLogin(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchAnotherUserLogged(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
