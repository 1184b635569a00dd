#include "core/zelclient.h"

#include "chat/zelchatwindow.h"
#include "chat/zelprivilegerecord.h"

// A one-to-one window follows the rules of its peer's group and department;
// the last matching rule decides, and with none the window sends neither
// files nor pictures.
void ZELClient::setChatWindowPrivilege(ZELChatWindow *window, QString key)
{
    if (!window)
        return;
    window->m_fileSend->setEnabled(false);
    window->m_deskTopCaptureButton->setEnabled(false);
    window->m_insertImageToolButton->setEnabled(false);

    const QLatin1String allowed("1");
    for (const PrivilegeRule &rule : PrivilegeRule::parseAll(m_privilegeInfo)) {
        if (rule.key != key)
            continue;
        const bool files = rule.fileRight == allowed;
        window->m_fileSend->setEnabled(files);
        window->m_fileRight = files ? QStringLiteral("Yes") : QStringLiteral("No");
        const bool pictures = rule.pictureRight == allowed;
        window->m_deskTopCaptureButton->setEnabled(pictures);
        window->m_insertImageToolButton->setEnabled(pictures);
        window->m_pictureRight = pictures ? QStringLiteral("Yes") : QStringLiteral("No");
    }
}

