#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchChangePassword(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchForgetPwd(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
