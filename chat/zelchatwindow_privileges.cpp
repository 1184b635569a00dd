#include "chat/zelchatwindow.h"

#include <QSet>

// The server's rules decide by group and department whether files and
// pictures may be sent; a conference window keeps every participant's group
// and department and applies the union of their rules.

void ZELChatWindow::addPrivilegeList(QString groupName, QString department, QString userName)
{
    m_privilegeMap.insert(userName, PrivilegeRecord{userName, groupName, department});
}

void ZELChatWindow::checkConferenceChatPrivilege(QStringList privileges)
{
    QSet<QString> participantKeys;
    for (const PrivilegeRecord &record : std::as_const(m_privilegeMap))
        participantKeys.insert(record.key());

    const QList<PrivilegeRule> rules = PrivilegeRule::parseAll(privileges);
    QSet<QString> ruleKeys;
    for (const PrivilegeRule &rule : rules)
        ruleKeys.insert(rule.key);
    // A participant the rules do not know leaves the window as it is.
    if (!ruleKeys.contains(participantKeys))
        return;

    const QLatin1String yes("1");
    const QLatin1String no("0");
    bool files = false;
    bool pictures = false;
    for (const PrivilegeRule &rule : rules) {
        if (!participantKeys.contains(rule.key))
            continue;
        // Only the three well-formed grants count; anything else grants nothing.
        if (rule.fileRight == yes && rule.pictureRight == yes) {
            files = pictures = true;
        } else if (rule.fileRight == no && rule.pictureRight == yes) {
            pictures = true;
        } else if (rule.fileRight == yes && rule.pictureRight == no) {
            files = true;
        }
    }

    m_fileSend->setEnabled(files);
    m_deskTopCaptureButton->setEnabled(pictures);
    m_insertImageToolButton->setEnabled(pictures);
    m_fileRight = files ? QStringLiteral("Yes") : QStringLiteral("No");
    m_pictureRight = pictures ? QStringLiteral("Yes") : QStringLiteral("No");
}
