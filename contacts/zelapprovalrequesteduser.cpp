#include "contacts/zelapprovalrequesteduser.h"

ZELApprovalRequestedUser::ZELApprovalRequestedUser(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    // Check box, then two hidden and two shown values per request.
    m_approvaltable->setColumnCount(5);
    m_approvaltable->setColumnHidden(1, true);
    m_approvaltable->setColumnHidden(2, true);
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

void ZELApprovalRequestedUser::closeConnection()
{
    m_disconnected = true;
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
}

void ZELApprovalRequestedUser::connectedServer()
{
    m_disconnected = false;
    const bool anyChecked = m_checkedCount >= 1;
    m_acceptPushButton->setEnabled(anyChecked);
    m_rejectPushButton->setEnabled(anyChecked);
}
