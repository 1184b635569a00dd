#include "core/zelclient.h"

void ZELClient::verifyAccountInfo()
{
}

void ZELClient::enablePasswordField(const QString &)
{
}

void ZELClient::enableUserNameField(const QString &)
{
}

void ZELClient::clearPasswordField(const QString &)
{
}

void ZELClient::rememberMEStateChanged()
{
}

void ZELClient::rememberPwdStateChanged()
{
}

void ZELClient::autoSignInStateChanged()
{
}

void ZELClient::forgetUserDetails()
{
}

void ZELClient::indicateCapsLock()
{
}

void ZELClient::connectwithProxySettings()
{
}

void ZELClient::fileMenuSignOut()
{
}

void ZELClient::fileMenuExit()
{
}

void ZELClient::signOut()
{
}

void ZELClient::signOutSuccessFull()
{
}
