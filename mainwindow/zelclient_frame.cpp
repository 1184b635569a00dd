#include "core/zelclient.h"

bool ZELClient::eventFilter(QObject *, QEvent *)
{
    return false;
}

void ZELClient::mousePressEvent(QMouseEvent *)
{
}

void ZELClient::mouseReleaseEvent(QMouseEvent *)
{
}

void ZELClient::mouseMoveEvent(QMouseEvent *)
{
}

void ZELClient::closeEvent(QCloseEvent *)
{
}

void ZELClient::minimized()
{
}

void ZELClient::closeSlot()
{
}

void ZELClient::trayIconHideSlot()
{
}

void ZELClient::trayIconMaximizedSlot()
{
}

void ZELClient::toOpenZEL()
{
}

