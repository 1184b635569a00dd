#include "messages/zelchathistorylistwindow.h"

ZELChatHistoryListWindow::ZELChatHistoryListWindow()
    : QDialog(nullptr)
{
    setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_saveChatButton->setEnabled(false);
    connect(m_chatListclose, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

// The session table stays enabled; its handler checks the flag instead.
void ZELChatHistoryListWindow::closeConnection()
{
    m_disconnected = true;
    m_contactNamesList->setEnabled(false);
    m_conferenceChatDateList->setEnabled(false);
}

void ZELChatHistoryListWindow::connectedServer()
{
    m_disconnected = false;
    m_contactNamesList->setEnabled(true);
    m_conferenceChatDateList->setEnabled(true);
}
