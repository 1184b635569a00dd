#include /* form */ "ui/ui_zelchangepassworddialog.h"

#include <QtCore/QCoreApplication>

namespace {

QLineEdit *passwordField(QDialog *dialog, const char *name, int y)
{
    auto *field = new QLineEdit(dialog);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(146, y, 157, 18);
    field->setMaxLength(15);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

} // namespace

void Ui_ZELChangePasswordDialog::setupUi(QDialog *ZELChangePasswordDialog)
{
    if (ZELChangePasswordDialog->objectName().isEmpty())
        ZELChangePasswordDialog->setObjectName(QString::fromLatin1("ZELChangePasswordDialog"));
    ZELChangePasswordDialog->setFixedSize(320, 175);

    m_oldPassWordEdit = passwordField(ZELChangePasswordDialog, "m_oldPassWordEdit", 35);
    m_newPassWordEdit = passwordField(ZELChangePasswordDialog, "m_newPassWordEdit", 65);
    m_reTypeNewPasswordEdit = passwordField(ZELChangePasswordDialog, "m_reTypeNewPasswordEdit", 95);
    m_modifyPasswordButton = new QPushButton(ZELChangePasswordDialog);
    m_modifyPasswordButton->setObjectName(QString::fromLatin1("m_modifyPasswordButton"));
    m_modifyPasswordButton->setGeometry(140, 130, 75, 23);
    m_modifyPasswordButton->setCursor(Qt::PointingHandCursor);
    m_modifyPasswordCancelButton = new QPushButton(ZELChangePasswordDialog);
    m_modifyPasswordCancelButton->setObjectName(QString::fromLatin1("m_modifyPasswordCancelButton"));
    m_modifyPasswordCancelButton->setGeometry(227, 130, 75, 23);
    m_modifyPasswordCancelButton->setCursor(Qt::PointingHandCursor);

    retranslateUi(ZELChangePasswordDialog);
}

void Ui_ZELChangePasswordDialog::retranslateUi(QDialog *ZELChangePasswordDialog)
{
    ZELChangePasswordDialog->setWindowTitle(QCoreApplication::translate("ZELChangePasswordDialog", "Change Password"));
    m_modifyPasswordButton->setText(QCoreApplication::translate("ZELChangePasswordDialog", "Modify"));
    m_modifyPasswordButton->setToolTip(QCoreApplication::translate("ZELChangePasswordDialog", "Modify"));
    m_modifyPasswordCancelButton->setText(QCoreApplication::translate("ZELChangePasswordDialog", "Close"));
    m_modifyPasswordCancelButton->setToolTip(QCoreApplication::translate("ZELChangePasswordDialog", "Close"));
}
