#include "core/zelclient.h"

#include "style/zelaboutdialog.h"

void ZELClient::showAboutZEL()
{
    // The box deletes itself on any close.
    auto *about = new ZELAboutDialog(this);
    about->setModal(true);
    about->show();
}
