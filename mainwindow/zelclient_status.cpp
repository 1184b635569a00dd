#include "core/zelclient.h"

void ZELClient::changeStatus(int, int, bool)
{
}

void ZELClient::callChangeStatus()
{
}

void ZELClient::changeStatusAsBusy()
{
}

void ZELClient::setDefaultStatusMessage()
{
}

void ZELClient::updateStatusMessages()
{
}

void ZELClient::sendStatusMessageSignal(QString &, QStringList &)
{
}

void ZELClient::cancelStatusMessageSignal(QString &)
{
}

void ZELClient::promtStatusMessageDialog(QString)
{
}

void ZELClient::callManualSignOutFunction()
{
}

void ZELClient::callStatusFunction(QString)
{
}

void ZELClient::changeStatusManually(QAction *)
{
}

void ZELClient::invisibleToggle()
{
}

