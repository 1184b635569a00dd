#ifndef UI_ZELCHANGEPASSWORDDIALOG_H
#define UI_ZELCHANGEPASSWORDDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "style/zelframelabels.h"

// The password dialog's form (320 x 175): the frame pieces and title strip of
// a frameless dialog, old, new and repeated password, Modify and Close.
class Ui_ZELChangePasswordDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_closeButton;
    QLabel *m_oldPassword;
    QLabel *m_newPassword;
    QLabel *m_retypePassword;
    QLineEdit *m_oldPassWordEdit;
    QLineEdit *m_newPassWordEdit;
    QLineEdit *m_reTypeNewPasswordEdit;
    QPushButton *m_modifyPasswordButton;
    QPushButton *m_modifyPasswordCancelButton;

    void setupUi(QDialog *ZELChangePasswordDialog);
    void retranslateUi(QDialog *ZELChangePasswordDialog);
};

namespace Ui {
class ZELChangePasswordDialog : public Ui_ZELChangePasswordDialog {};
}

#endif
