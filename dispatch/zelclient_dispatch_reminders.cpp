#include "core/zelclient.h"

ZELDispatchResult ZELClient::dispatchSelfReminders(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchCrossReminders(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchAddCrossReminder(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteCrossReminder(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchSnoozeCrossReminder(const QStringList &)
{
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchDeleteReminderList(const QStringList &)
{
    return ZELDispatchResult::Continue;
}
