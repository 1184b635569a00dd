#include /* form */ "ui/ui_zelapprovaladdcontactdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>

void Ui_ZELApprovalAddContactDialog::setupUi(QDialog *ZELApprovalAddContactDialog)
{
    if (ZELApprovalAddContactDialog->objectName().isEmpty())
        ZELApprovalAddContactDialog->setObjectName(QString::fromLatin1("ZELApprovalAddContactDialog"));
    ZELApprovalAddContactDialog->resize(650, 375);

    auto *column = new QVBoxLayout(ZELApprovalAddContactDialog);
    m_approvaltable = new QTableWidget(ZELApprovalAddContactDialog);
    m_approvaltable->setObjectName(QString::fromLatin1("m_approvaltable"));
    m_approvaltable->setSelectionBehavior(QAbstractItemView::SelectRows);
    column->addWidget(m_approvaltable, 1);

    auto *buttons = new QHBoxLayout();
    m_acceptPushButton = new QPushButton(ZELApprovalAddContactDialog);
    m_acceptPushButton->setObjectName(QString::fromLatin1("m_acceptPushButton"));
    m_acceptPushButton->setCursor(Qt::PointingHandCursor);
    m_rejectPushButton = new QPushButton(ZELApprovalAddContactDialog);
    m_rejectPushButton->setObjectName(QString::fromLatin1("m_rejectPushButton"));
    m_rejectPushButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton = new QPushButton(ZELApprovalAddContactDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(m_acceptPushButton);
    buttons->addWidget(m_rejectPushButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    column->addLayout(buttons);

    retranslateUi(ZELApprovalAddContactDialog);
}

void Ui_ZELApprovalAddContactDialog::retranslateUi(QDialog *ZELApprovalAddContactDialog)
{
    ZELApprovalAddContactDialog->setWindowTitle(
        QCoreApplication::translate("ZELApprovalAddContactDialog", "Approval for Add Contact"));
    m_acceptPushButton->setText(QCoreApplication::translate("ZELApprovalAddContactDialog", "Accept"));
    m_acceptPushButton->setToolTip(QCoreApplication::translate("ZELApprovalAddContactDialog", "Accept"));
    m_rejectPushButton->setText(QCoreApplication::translate("ZELApprovalAddContactDialog", "Reject"));
    m_rejectPushButton->setToolTip(QCoreApplication::translate("ZELApprovalAddContactDialog", "Reject"));
    m_cancelButton->setText(QCoreApplication::translate("ZELApprovalAddContactDialog", "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate("ZELApprovalAddContactDialog", "Close"));
}
