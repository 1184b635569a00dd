#include /* form */ "ui/ui_zelgroupmessagedialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>

void Ui_ZELGroupMessageDialog::setupUi(QDialog *ZELGroupMessageDialog)
{
    if (ZELGroupMessageDialog->objectName().isEmpty())
        ZELGroupMessageDialog->setObjectName(QString::fromLatin1("ZELGroupMessageDialog"));

    auto *column = new QVBoxLayout(ZELGroupMessageDialog);
    m_onlineUsersListWidget = new QTreeWidget(ZELGroupMessageDialog);
    m_onlineUsersListWidget->setObjectName(QString::fromLatin1("m_onlineUsersListWidget"));
    column->addWidget(m_onlineUsersListWidget, 1);
    m_groupMessageTextEdit = new QTextEdit(ZELGroupMessageDialog);
    m_groupMessageTextEdit->setObjectName(QString::fromLatin1("m_groupMessageTextEdit"));
    column->addWidget(m_groupMessageTextEdit);
    auto *buttons = new QHBoxLayout();
    m_sendMessageButton = new QPushButton(ZELGroupMessageDialog);
    m_sendMessageButton->setObjectName(QString::fromLatin1("m_sendMessageButton"));
    m_sendMessageButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton = new QPushButton(ZELGroupMessageDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    buttons->addStretch(1);
    buttons->addWidget(m_sendMessageButton);
    buttons->addWidget(m_cancelButton);
    column->addLayout(buttons);

    retranslateUi(ZELGroupMessageDialog);
}

void Ui_ZELGroupMessageDialog::retranslateUi(QDialog *ZELGroupMessageDialog)
{
    Q_UNUSED(ZELGroupMessageDialog);
    m_sendMessageButton->setText(QCoreApplication::translate("ZELGroupMessageDialog", "Send"));
    m_sendMessageButton->setToolTip(QCoreApplication::translate("ZELGroupMessageDialog", "Send Group Message"));
}
