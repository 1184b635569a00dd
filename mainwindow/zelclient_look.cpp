#include "core/zelclient.h"

#include "mainwindow/zelmainwindowlook.h"

// Gives the form its image faces, palettes and style sheet; runs once, after
// the menus exist and before the default page is chosen.
void ZELClient::setZELStyle()
{
    // The menus that hold entries, in the order they are styled.
    const QList<QMenu *> menus = {
        m_contactsPopupMenu, m_filePopupMenu, m_settingsPopupMenu, m_statusPopupMenu, m_trayMenu,
        m_connectionPopupMenu, m_helpPopupMenu, m_trayStatusMenu, m_contactContextMenu,
    };
    ZELMainWindowLook::apply(this, *this, menus);
}
