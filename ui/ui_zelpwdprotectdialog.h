#ifndef UI_ZELPWDPROTECTDIALOG_H
#define UI_ZELPWDPROTECTDIALOG_H

#include "style/zelframelabels.h"

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

// The password prompt's form (319 x 200, fixed): frame pieces placed by
// geometry, the question text, the password field, its error line, Ok and Cancel.
class Ui_ZELPwdProtectDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_closeButton;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
    QLineEdit *m_passwordLineEdit;
    QLabel *m_passwordProtectLabel;
    QLabel *m_errorLabel;

    void setupUi(QDialog *ZELPwdProtectDialog);
    void retranslateUi(QDialog *ZELPwdProtectDialog);
};

namespace Ui {
class ZELPwdProtectDialog : public Ui_ZELPwdProtectDialog {};
}

#endif
