#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchAddContact(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteContact(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteContactListEmpty(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteName(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchAddContactApprovalStatus(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchPrivilegeInfo(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchApprovalRequestedUser(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchApprovalAlert(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
