#include "contacts/zeladdcontact.h"

ZELAddContact::ZELAddContact(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setParent(parent, Qt::Dialog | Qt::FramelessWindowHint);
    m_searchButton->setEnabled(false);
    m_addButton->setEnabled(false);
    m_showALLButton->hide();
    m_resultLabel->hide();
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::close);
    hide();
}

void ZELAddContact::closeConnection()
{
    m_disconnected = true;
    m_addButton->setEnabled(false);
    m_searchButton->setEnabled(false);
    m_showALLButton->setEnabled(false);
}

void ZELAddContact::connectedServer()
{
    m_disconnected = false;
    m_addButton->setEnabled(m_checkedCount > 0);
    m_showALLButton->setEnabled(true);
    // Search comes back with the next edit of the search text.
}
