#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchNewUser(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchLogout(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchChangeStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
