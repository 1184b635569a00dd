#include /* form */ "ui/ui_zelchangepassworddialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QRect>
#include <QtGui/QFont>

namespace {

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(bold);
    return font;
}

QLabel *textLabel(QDialog *dialog, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(verdana(false));
    return label;
}

QLineEdit *passwordField(QDialog *dialog, const char *name, int y)
{
    auto *field = new QLineEdit(dialog);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(146, y, 157, 18);
    field->setFont(verdana(false));
    field->setMaxLength(15);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

QPushButton *pushButton(QDialog *dialog, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(verdana(false));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

void Ui_ZELChangePasswordDialog::setupUi(QDialog *ZELChangePasswordDialog)
{
    if (ZELChangePasswordDialog->objectName().isEmpty())
        ZELChangePasswordDialog->setObjectName(QString::fromLatin1("ZELChangePasswordDialog"));
    ZELChangePasswordDialog->setFixedSize(320, 175);
    ZELChangePasswordDialog->setCursor(Qt::ArrowCursor);

    setupFrameLabels(ZELChangePasswordDialog, QSize(320, 175));
    m_logoLabel = titleLabel(ZELChangePasswordDialog, QRect(11, 0, 298, 20));
    m_logoLabel->setStyleSheet(QStringLiteral("color: black;"));
    m_closeButton = titleButton(ZELChangePasswordDialog, "m_closeButton", QRect(297, 7, 12, 11));

    m_oldPassword = textLabel(ZELChangePasswordDialog, "m_oldPassword", QRect(12, 35, 100, 18));
    m_oldPassword->setFixedSize(100, 18);
    m_newPassword = textLabel(ZELChangePasswordDialog, "m_newPassword", QRect(12, 65, 91, 18));
    m_retypePassword = textLabel(ZELChangePasswordDialog, "m_retypePassword", QRect(12, 95, 131, 18));
    m_oldPassWordEdit = passwordField(ZELChangePasswordDialog, "m_oldPassWordEdit", 35);
    m_newPassWordEdit = passwordField(ZELChangePasswordDialog, "m_newPassWordEdit", 65);
    m_reTypeNewPasswordEdit = passwordField(ZELChangePasswordDialog, "m_reTypeNewPasswordEdit", 95);
    m_modifyPasswordButton = pushButton(ZELChangePasswordDialog, "m_modifyPasswordButton", QRect(140, 130, 75, 23));
    m_modifyPasswordCancelButton =
        pushButton(ZELChangePasswordDialog, "m_modifyPasswordCancelButton", QRect(227, 130, 75, 23));

    QWidget::setTabOrder(m_oldPassWordEdit, m_newPassWordEdit);
    QWidget::setTabOrder(m_newPassWordEdit, m_reTypeNewPasswordEdit);
    QWidget::setTabOrder(m_reTypeNewPasswordEdit, m_modifyPasswordButton);

    retranslateUi(ZELChangePasswordDialog);
}

void Ui_ZELChangePasswordDialog::retranslateUi(QDialog *ZELChangePasswordDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELChangePasswordDialog", text); };
    ZELChangePasswordDialog->setWindowTitle(tr("Change Password"));
    m_logoLabel->setText(tr("Change Password"));
    m_closeButton->setToolTip(tr("Close"));
    m_oldPassword->setText(tr("Old Password"));
    m_newPassword->setText(tr("New Password"));
    m_retypePassword->setText(tr("Re-type New Password"));
    m_modifyPasswordButton->setText(tr("Modify"));
    m_modifyPasswordButton->setToolTip(tr("Modify"));
    m_modifyPasswordCancelButton->setText(tr("Close"));
    m_modifyPasswordCancelButton->setToolTip(tr("Close"));
}
