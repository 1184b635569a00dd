#include /* form */ "ui/ui_zelapprovaladdcontactdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QSpacerItem>

void Ui_ZELApprovalAddContactDialog::setupUi(QDialog *ZELApprovalAddContactDialog)
{
    if (ZELApprovalAddContactDialog->objectName().isEmpty())
        ZELApprovalAddContactDialog->setObjectName(QString::fromLatin1("ZELApprovalAddContactDialog"));
    ZELApprovalAddContactDialog->resize(650, 375);
    ZELApprovalAddContactDialog->setMinimumSize(500, 375);
    ZELApprovalAddContactDialog->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setupChrome(ZELApprovalAddContactDialog, false);
    const QFont verdana8(QStringLiteral("Verdana"), 8);

    vboxLayout->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));
    label = new QLabel(ZELApprovalAddContactDialog);
    label->setObjectName(QString::fromLatin1("label"));
    label->setFixedSize(340, 18);
    label->setFont(verdana8);
    vboxLayout->addWidget(label);
    vboxLayout->addItem(new QSpacerItem(20, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    auto *hboxLayout2 = new QHBoxLayout();
    hboxLayout2->setObjectName(QString::fromLatin1("hboxLayout2"));
    hboxLayout2->setSpacing(1);
    hboxLayout2->setContentsMargins(0, 0, 0, 0);
    vboxLayout->addLayout(hboxLayout2);
    vboxLayout->addItem(new QSpacerItem(29, 1, QSizePolicy::Minimum, QSizePolicy::Fixed));
    vboxLayout->addItem(new QSpacerItem(20, 6, QSizePolicy::Minimum, QSizePolicy::Fixed));

    m_approvaltable = new QTableWidget(ZELApprovalAddContactDialog);
    m_approvaltable->setObjectName(QString::fromLatin1("m_approvaltable"));
    styleTable(m_approvaltable);
    vboxLayout->addWidget(m_approvaltable, 1);
    vboxLayout->addItem(new QSpacerItem(20, 15, QSizePolicy::Minimum, QSizePolicy::Fixed));

    auto *hboxLayout3 = new QHBoxLayout();
    hboxLayout3->setObjectName(QString::fromLatin1("hboxLayout3"));
    m_acceptPushButton = new QPushButton(ZELApprovalAddContactDialog);
    m_acceptPushButton->setObjectName(QString::fromLatin1("m_acceptPushButton"));
    m_acceptPushButton->setFixedSize(75, 23);
    m_acceptPushButton->setFont(verdana8);
    m_acceptPushButton->setCursor(Qt::PointingHandCursor);
    m_rejectPushButton = new QPushButton(ZELApprovalAddContactDialog);
    m_rejectPushButton->setObjectName(QString::fromLatin1("m_rejectPushButton"));
    m_rejectPushButton->setFont(QFont(QStringLiteral("Verdana")));
    m_rejectPushButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton = new QPushButton(ZELApprovalAddContactDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setFixedSize(75, 23);
    m_cancelButton->setFont(verdana8);
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    hboxLayout3->addStretch(1);
    hboxLayout3->addWidget(m_acceptPushButton);
    hboxLayout3->addItem(new QSpacerItem(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    hboxLayout3->addWidget(m_rejectPushButton);
    hboxLayout3->addItem(new QSpacerItem(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    hboxLayout3->addWidget(m_cancelButton);
    hboxLayout3->addStretch(1);
    vboxLayout->addLayout(hboxLayout3);
    vboxLayout->addItem(new QSpacerItem(20, 3, QSizePolicy::Minimum, QSizePolicy::Fixed));

    QWidget::setTabOrder(m_approvaltable, m_acceptPushButton);
    QWidget::setTabOrder(m_acceptPushButton, m_rejectPushButton);
    QWidget::setTabOrder(m_rejectPushButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(ZELApprovalAddContactDialog);
}

void Ui_ZELApprovalAddContactDialog::retranslateUi(QDialog *ZELApprovalAddContactDialog)
{
    const char *context = "ZELApprovalAddContactDialog";
    ZELApprovalAddContactDialog->setWindowTitle(QCoreApplication::translate(context, "Approval for Add Contact"));
    retranslateChrome(context, "Approval for Add Contact");
    label->setText(QCoreApplication::translate(context, "The following users request you to add their contact :"));
    m_acceptPushButton->setText(QCoreApplication::translate(context, "Accept"));
    m_acceptPushButton->setToolTip(QCoreApplication::translate(context, "Accept"));
    m_rejectPushButton->setText(QCoreApplication::translate(context, "Reject"));
    m_rejectPushButton->setToolTip(QCoreApplication::translate(context, "Reject"));
    m_cancelButton->setText(QCoreApplication::translate(context, "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate(context, "Close"));
}
