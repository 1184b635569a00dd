#include "core/zelclient.h"

void ZELClient::addContactWindow()
{
}

void ZELClient::deleteContactWindow()
{
}

void ZELClient::approvalAddContactWindow()
{
}

void ZELClient::requestedAddContactWindow()
{
}

void ZELClient::showEditUserProfileDialog()
{
}

void ZELClient::setUserProfile()
{
}

void ZELClient::deleteSelectedUserFromContact()
{
}

void ZELClient::addContactName(QStringList &, QStringList &, QStringList &)
{
}

void ZELClient::searchStringToServer(QString &)
{
}

void ZELClient::searchUserName(QString &)
{
}

void ZELClient::showApprovalProfileDetails(QStringList &, QPoint &)
{
}

void ZELClient::sendRejectedUsersListSignal(QStringList &, int &)
{
}

void ZELClient::sendAcceptedUsersListSignal(QStringList &, int &)
{
}

void ZELClient::sendAcceptedRejectedUsersListSignal(QStringList &)
{
}

void ZELClient::deleteContactName(QStringList &)
{
}

void ZELClient::decideLaterUserContact()
{
}
