#include "media/zelvoicemail.h"

ZELVoiceMail::ZELVoiceMail()
    : QDialog(nullptr)
{
    setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Nothing recorded yet: nothing to play or send.
    m_playButton->setEnabled(false);
    m_sendButton->setEnabled(false);
    hide();
}

void ZELVoiceMail::closeConnection()
{
    m_disconnected = true;
    m_sendButton->setEnabled(false);
}

// Send comes back only for a recording that can be played.
void ZELVoiceMail::connectedServer()
{
    m_disconnected = false;
    m_sendButton->setEnabled(m_playButton->isEnabled());
}
