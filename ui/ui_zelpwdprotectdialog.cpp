#include /* form */ "ui/ui_zelpwdprotectdialog.h"

#include "ui/ui_zelformparts.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QFont>
#include <QtGui/QPalette>

void Ui_ZELPwdProtectDialog::setupUi(QDialog *ZELPwdProtectDialog)
{
    if (ZELPwdProtectDialog->objectName().isEmpty())
        ZELPwdProtectDialog->setObjectName(QString::fromLatin1("ZELPwdProtectDialog"));
    ZELPwdProtectDialog->resize(319, 200);
    ZELPwdProtectDialog->setMinimumSize(319, 200);
    ZELPwdProtectDialog->setMaximumSize(319, 200);

    m_logoLabel = new QLabel(ZELPwdProtectDialog);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setGeometry(11, 0, 297, 20);
    m_logoLabel->setFixedHeight(20);
    m_logoLabel->setFont(zelFormFont(true));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    setupFrameLabels(ZELPwdProtectDialog, QSize(319, 200));

    m_closeButton = new QPushButton(ZELPwdProtectDialog);
    m_closeButton->setObjectName(QString::fromLatin1("m_closeButton"));
    m_closeButton->setGeometry(295, 7, 12, 11);
    m_closeButton->setFixedSize(12, 11);
    m_closeButton->setFlat(true);
    m_closeButton->setAutoFillBackground(true);
    m_closeButton->setAutoDefault(false);

    m_okButton = zelFormTextButton(ZELPwdProtectDialog, "m_okButton", QRect(130, 150, 75, 23));
    m_cancelButton = zelFormTextButton(ZELPwdProtectDialog, "m_cancelButton", QRect(220, 150, 75, 23));

    m_passwordLineEdit = new QLineEdit(ZELPwdProtectDialog);
    m_passwordLineEdit->setObjectName(QString::fromLatin1("m_passwordLineEdit"));
    m_passwordLineEdit->setGeometry(30, 120, 266, 20);
    m_passwordLineEdit->setFont(zelFormFont(false));
    m_passwordLineEdit->setContextMenuPolicy(Qt::NoContextMenu);
    m_passwordLineEdit->setMaxLength(25);
    m_passwordLineEdit->setEchoMode(QLineEdit::Password);

    m_passwordProtectLabel = new QLabel(ZELPwdProtectDialog);
    m_passwordProtectLabel->setObjectName(QString::fromLatin1("m_passwordProtectLabel"));
    m_passwordProtectLabel->setGeometry(30, 35, 260, 65);
    m_passwordProtectLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_passwordProtectLabel->setWordWrap(true);

    m_errorLabel = new QLabel(ZELPwdProtectDialog);
    m_errorLabel->setObjectName(QString::fromLatin1("m_errorLabel"));
    m_errorLabel->setGeometry(30, 100, 266, 16);
    QFont tahoma(QStringLiteral("Tahoma"), 7);
    tahoma.setBold(true);
    m_errorLabel->setFont(tahoma);
    m_errorLabel->setAlignment(Qt::AlignCenter);
    QPalette red = m_errorLabel->palette();
    red.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 0));
    red.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 0));
    m_errorLabel->setPalette(red);

    QWidget::setTabOrder(m_passwordLineEdit, m_okButton);
    QWidget::setTabOrder(m_okButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(ZELPwdProtectDialog);
    QMetaObject::connectSlotsByName(ZELPwdProtectDialog);
}

void Ui_ZELPwdProtectDialog::retranslateUi(QDialog *ZELPwdProtectDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELPwdProtectDialog", text); };
    ZELPwdProtectDialog->setWindowTitle(tr("Password Authentication"));
    m_logoLabel->setText(tr("Password Authentication"));
    m_closeButton->setToolTip(tr("Close"));
    m_okButton->setText(tr("Ok"));
    m_okButton->setToolTip(tr("Ok"));
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->setToolTip(tr("Close"));
    m_passwordProtectLabel->setText(tr("You have received a password protected message. Please give your login "
                                       "password to view this message :"));
}
