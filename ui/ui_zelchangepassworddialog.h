#ifndef UI_ZELCHANGEPASSWORDDIALOG_H
#define UI_ZELCHANGEPASSWORDDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

// The password dialog's form: old, new and repeated password and the
// Modify and Close buttons.
class Ui_ZELChangePasswordDialog
{
public:
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
