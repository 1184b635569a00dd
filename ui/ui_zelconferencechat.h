#ifndef UI_ZELCONFERENCECHAT_H
#define UI_ZELCONFERENCECHAT_H

#include "style/zelframelabels.h"

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

// The conference name dialog's form (319 x 160, fixed): frame pieces placed by
// geometry, the name field with its caption, Ok and Close.
class Ui_ZELConferenceChatDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QLabel *label;
    QPushButton *m_closeButton;
    QPushButton *m_conferenceChatOkButton;
    QPushButton *m_cancelButton;
    QLabel *m_chatSessionNameLabel;
    QLineEdit *m_chatSessionNameEdit;

    void setupUi(QDialog *ZELConferenceChatDialog);
    void retranslateUi(QDialog *ZELConferenceChatDialog);
};

namespace Ui {
class ZELConferenceChatDialog : public Ui_ZELConferenceChatDialog {};
}

#endif
