#ifndef UI_ZELREQUESTDIALOG_H
#define UI_ZELREQUESTDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

// The invitation pop-up's form: one line of text and the answer buttons,
// placed by fixed geometry over the pop-up's background picture.
class Ui_ZELRequestDialog
{
public:
    QPushButton *m_requestAcceptButton;
    QPushButton *m_requestRejectButton;
    QLabel *m_displayTextLable;
    QPushButton *m_decideLaterButton;

    void setupUi(QDialog *ZELRequestDialog);
    void retranslateUi(QDialog *ZELRequestDialog);
};

namespace Ui {
class ZELRequestDialog : public Ui_ZELRequestDialog {};
}

#endif
