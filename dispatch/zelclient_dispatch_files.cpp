#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchFtpReady(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchFtpStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchFileTransferStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchConferenceFileTransferStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
