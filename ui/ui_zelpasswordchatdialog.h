#ifndef UI_ZELPASSWORDCHATDIALOG_H
#define UI_ZELPASSWORDCHATDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextBrowser>

#include "style/zelmessagebrowser.h"
#include <QtWidgets/QVBoxLayout>

// The unlocked-message viewer's form (498 x 400, at least 400 x 400): the
// frame grid around a read-only text browser with Reply and Close below it.
class Ui_ZELPasswordChatDialog
{
public:
    QGridLayout *m_frameGrid;
    QLabel *m_leftTopCorner;
    QLabel *m_logoLabel;
    QPushButton *m_closeButton;
    QLabel *m_rightTopCorner;
    QLabel *m_leftStretch;
    QVBoxLayout *m_contentColumn;
    ZELMessageBrowser *m_passwordTextBrowser;
    QHBoxLayout *m_buttonRow;
    QPushButton *m_replyButton;
    QPushButton *m_cancelButton;
    QLabel *m_rightStretch;
    QLabel *m_leftBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;

    void setupUi(QDialog *ZELPasswordChatDialog);
    void retranslateUi(QDialog *ZELPasswordChatDialog);
};

namespace Ui {
class ZELPasswordChatDialog : public Ui_ZELPasswordChatDialog {};
}

#endif
