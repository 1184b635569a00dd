#ifndef UI_ZELVOICEMAILINBOXDIALOG_H
#define UI_ZELVOICEMAILINBOXDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>

// The voice-mail inbox's form: so far the table of voice mails and Open.
class Ui_ZELVoiceMailInboxDialog
{
public:
    QTableWidget *m_voiceMailTableWidget;
    QPushButton *m_openFileButton;

    void setupUi(QDialog *ZELVoiceMailInboxDialog);
    void retranslateUi(QDialog *ZELVoiceMailInboxDialog);
};

namespace Ui {
class ZELVoiceMailInboxDialog : public Ui_ZELVoiceMailInboxDialog {};
}

#endif
