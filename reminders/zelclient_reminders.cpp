#include "core/zelclient.h"

void ZELClient::reminder()
{
}

void ZELClient::reminderPopupDisplay(QString, QString, QString)
{
}

void ZELClient::scheduleNextReminder()
{
}

void ZELClient::reminderIsDismissed(QString &)
{
}

void ZELClient::reminderIsSnoozed(QStringList &)
{
}

void ZELClient::selfDeleteReminderinQMap(QString &)
{
}

void ZELClient::selfAddReminderinQMap(QString &, QString &, QString &, QString &, QString &)
{
}

void ZELClient::selfEditReminderinQMap(QString &, QString &, QString &, QString &, QString &, QString &)
{
}

void ZELClient::crossAddReminderinQMap(QString &, QString &, QString &, QString &, QString &, QString &)
{
}
