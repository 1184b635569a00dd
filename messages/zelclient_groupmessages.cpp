#include "core/zelclient.h"

#include <QApplication>
#include <QTreeWidgetItem>

#include "messages/zelgroupmessagedialog.h"
#include "messages/zelgroupmessagedisplay.h"
#include "protocol/zelparsedmessage.h"
#include "style/zelmessageboxclass.h"

QStringList ZELClient::groupMessageRecipients(const QTreeWidgetItem *groupRow)
{
    QStringList records;
    if (!groupRow)
        return records;
    for (int i = 0; i < groupRow->childCount(); ++i) {
        const QTreeWidgetItem *first = groupRow->child(i);
        for (int j = 0; j < first->childCount(); ++j) {
            const QTreeWidgetItem *second = first->child(j);
            for (int k = 0; k < second->childCount(); ++k) {
                const QTreeWidgetItem *contact = second->child(k);
                const QString name = contact->text(0).section(QLatin1Char('('), 0, 0).simplified();
                const QString user = contact->toolTip(0).section(QLatin1Char('-'), 0, 0).simplified();
                records << first->text(0) + QStringLiteral("##") + second->text(0) + QStringLiteral("##") + name
                        + QStringLiteral("##") + user;
            }
        }
    }
    return records;
}

void ZELClient::showGroupMessageDialog()
{
    const QStringList offline = groupMessageRecipients(m_offlineItem);
    const QStringList online = groupMessageRecipients(m_onlineItem);
    if (offline.isEmpty() && online.isEmpty()) {
        m_informationBox->showInformationBox(this, QStringLiteral("Group Message"),
                                             QStringLiteral("Contact List Empty"));
        return;
    }
    // The composer deletes itself on close; nothing keeps a pointer to it.
    auto *dialog = new ZELGroupMessageDialog(this);
    connect(dialog, &ZELGroupMessageDialog::sendGroupMessageSignal, this,
            [this](QStringList &request) { convertXMLSendToServer(request); });
    dialog->setGeometry(QRect(dialog->pos(), QSize(360, 550)));
    dialog->m_offlineRadioButto->setChecked(true);
    dialog->m_userRadioButton->setChecked(true);
    dialog->showGroupMessageDialog(online, offline);
}

void ZELClient::displayGroupMessage(QStringList message)
{
    // Every window is a top-level window of its own: a flood of messages would
    // open them without end. Beyond the bound a message waits for one to close.
    if (m_groupMessageDisplays.size() >= MaxGroupMessageWindows) {
        const qsizetype bytes = messageFootprint(message);
        if (m_pendingGroupMessageBytes + bytes > m_groupMessageWaitingBound) {
            ++m_refusedGroupMessages;
            m_informationBox->showInformationBox(
                this, QStringLiteral("Group Message"),
                QString::number(m_refusedGroupMessages)
                    + QStringLiteral(" group messages could not wait for a window and were not shown. "
                                     "Close some group message windows to see the messages that wait."));
            return;
        }
        m_pendingGroupMessages.append(message);
        m_pendingGroupMessageBytes += bytes;
        showWaitingGroupMessageCount();
        return;
    }
    auto *display = new ZELGroupMessageDisplay;
    connect(display, &ZELGroupMessageDisplay::groupMessageDialogCloseSignal, this,
            &ZELClient::groupMessageDialogCloseSignal);
    m_groupMessageDisplays.insert(display, 0);
    display->showMinimized();
    display->showGroupMessageDialog(message);
    showWaitingGroupMessageCount();
    // It flashes in the task bar until read; activating it as well would take
    // the focus from the window the user is typing in.
    QApplication::alert(display, 0);
}

void ZELClient::showWaitingGroupMessageCount()
{
    const qsizetype waiting = m_pendingGroupMessages.size();
    for (ZELGroupMessageDisplay *display : m_groupMessageDisplays.keys())
        display->setWaitingCount(waiting);
}

void ZELClient::groupMessageDialogCloseSignal(ZELGroupMessageDisplay *window)
{
    if (window)
        m_groupMessageDisplays.remove(window);
    // The window's place goes to the oldest waiting message.
    if (!m_pendingGroupMessages.isEmpty() && m_groupMessageDisplays.size() < MaxGroupMessageWindows) {
        const QStringList next = m_pendingGroupMessages.takeFirst();
        m_pendingGroupMessageBytes -= messageFootprint(next);
        displayGroupMessage(next);
    } else {
        showWaitingGroupMessageCount();
    }
}
