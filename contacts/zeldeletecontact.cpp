#include "contacts/zeldeletecontact.h"

ZELDeleteContact::ZELDeleteContact(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    m_deleteContactList->setColumnCount(6);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

void ZELDeleteContact::closeConnection()
{
    m_disconnected = true;
    m_okButton->setEnabled(false);
}

void ZELDeleteContact::connectedServer()
{
    m_disconnected = false;
    m_okButton->setEnabled(m_checkedCount > 0);
}
