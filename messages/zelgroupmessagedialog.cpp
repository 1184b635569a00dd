#include "messages/zelgroupmessagedialog.h"

ZELGroupMessageDialog::ZELGroupMessageDialog(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    m_sendMessageButton->setEnabled(false);
    connect(m_groupMessageTextEdit, &QTextEdit::textChanged, this, &ZELGroupMessageDialog::enableSendButton);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

// Send needs a recipient, a text and the connection. While the connection is
// down and the other two hold, the button keeps its (disabled) state.
void ZELGroupMessageDialog::enableSendButton()
{
    const bool ready = checkedCount > 0 && !m_groupMessageTextEdit->toPlainText().isEmpty();
    if (!ready)
        m_sendMessageButton->setEnabled(false);
    else if (!disconnected)
        m_sendMessageButton->setEnabled(true);
}

void ZELGroupMessageDialog::connectedServer()
{
    disconnected = false;
    enableSendButton();
}

void ZELGroupMessageDialog::closeConnection()
{
    disconnected = true;
    m_sendMessageButton->setEnabled(false);
}
