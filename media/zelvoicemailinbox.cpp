#include "media/zelvoicemailinbox.h"

ZELVoiceMailInbox::ZELVoiceMailInbox(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    // Hidden value, sender, status, duration, file name.
    m_voiceMailTableWidget->setColumnCount(5);
    m_voiceMailTableWidget->setColumnHidden(0, true);
    m_openFileButton->setEnabled(false);
    hide();
}

void ZELVoiceMailInbox::closeConnection()
{
    m_disconnected = true;
    m_openFileButton->setEnabled(false);
}

// Open waits for the next click on a row.
void ZELVoiceMailInbox::connectedServer()
{
    m_disconnected = false;
}
