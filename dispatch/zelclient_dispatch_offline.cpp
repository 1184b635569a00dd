#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchOfflineMessages(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchOfflineMessageStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchVoiceMailFileDetails(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDatabaseProblem(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchOnlineGroupMessage(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteOfflineMessageStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
