#ifndef UI_ZELVOICEMAILDIALOG_H
#define UI_ZELVOICEMAILDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QPushButton>

// The voice-mail recorder's form: so far its Play and Send buttons.
class Ui_ZELVoiceMailDialog
{
public:
    QPushButton *m_playButton;
    QPushButton *m_sendButton;

    void setupUi(QDialog *ZELVoiceMailDialog);
    void retranslateUi(QDialog *ZELVoiceMailDialog);
};

namespace Ui {
class ZELVoiceMailDialog : public Ui_ZELVoiceMailDialog {};
}

#endif
