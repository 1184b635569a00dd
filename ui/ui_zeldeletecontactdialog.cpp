#include /* form */ "ui/ui_zeldeletecontactdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>

void Ui_ZELDeleteContactDialog::setupUi(QDialog *ZELDeleteContactDialog)
{
    if (ZELDeleteContactDialog->objectName().isEmpty())
        ZELDeleteContactDialog->setObjectName(QString::fromLatin1("ZELDeleteContactDialog"));
    ZELDeleteContactDialog->resize(650, 375);

    auto *column = new QVBoxLayout(ZELDeleteContactDialog);
    m_deleteContactList = new QTableWidget(ZELDeleteContactDialog);
    m_deleteContactList->setObjectName(QString::fromLatin1("m_deleteContactList"));
    m_deleteContactList->setSelectionBehavior(QAbstractItemView::SelectRows);
    column->addWidget(m_deleteContactList, 1);
    m_displayErrorMessage = new QLabel(ZELDeleteContactDialog);
    m_displayErrorMessage->setObjectName(QString::fromLatin1("m_displayErrorMessage"));
    m_displayErrorMessage->setAlignment(Qt::AlignCenter);
    m_displayErrorMessage->hide();
    column->addWidget(m_displayErrorMessage);

    auto *buttons = new QHBoxLayout();
    m_okButton = new QPushButton(ZELDeleteContactDialog);
    m_okButton->setObjectName(QString::fromLatin1("m_okButton"));
    m_okButton->setCursor(Qt::PointingHandCursor);
    m_okButton->setEnabled(false);
    m_cancelButton = new QPushButton(ZELDeleteContactDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    column->addLayout(buttons);

    retranslateUi(ZELDeleteContactDialog);
}

void Ui_ZELDeleteContactDialog::retranslateUi(QDialog *ZELDeleteContactDialog)
{
    ZELDeleteContactDialog->setWindowTitle(QCoreApplication::translate("ZELDeleteContactDialog", "Delete Contact"));
    m_okButton->setText(QCoreApplication::translate("ZELDeleteContactDialog", "Remove"));
    m_okButton->setToolTip(QCoreApplication::translate("ZELDeleteContactDialog", "Remove Contact"));
    m_cancelButton->setText(QCoreApplication::translate("ZELDeleteContactDialog", "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate("ZELDeleteContactDialog", "Close"));
}
