#include "contacts/zelapprovaladdcontact.h"

namespace {
const int kLoginIdColumn = 2;
}

ZELApprovalAddContact::ZELApprovalAddContact(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    m_approvaltable->setColumnCount(6);
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

void ZELApprovalAddContact::closeConnection()
{
    m_disconnected = true;
    m_acceptPushButton->setEnabled(false);
    m_rejectPushButton->setEnabled(false);
}

void ZELApprovalAddContact::connectedServer()
{
    m_disconnected = false;
    const bool anyChecked = m_checkedCount >= 1;
    m_acceptPushButton->setEnabled(anyChecked);
    m_rejectPushButton->setEnabled(anyChecked);
}

bool ZELApprovalAddContact::checkUserAlreadyAdded(QString loginId) const
{
    for (int row = 0; row < m_approvaltable->rowCount(); ++row) {
        const QTableWidgetItem *item = m_approvaltable->item(row, kLoginIdColumn);
        if (item && item->text() == loginId)
            return true;
    }
    return false;
}
