#ifndef UI_ZELVOICEMAILINBOXDIALOG_H
#define UI_ZELVOICEMAILINBOXDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSlider>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QWidget>

#include "style/zelframelabels.h"

// The voice-mail inbox's form: title strip and frame around three pages, the
// download notice, the table of voice mails and the player.
class Ui_ZELVoiceMailInboxDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_closeButton;
    QStackedWidget *voiceMailStackedWidget;
    QWidget *downloadPage;
    QLabel *m_loadLabel;
    QPushButton *m_dCloseButton;
    QWidget *inboxPage;
    QPushButton *m_openFileButton;
    QPushButton *m_cancelButton;
    QTableWidget *m_voiceMailTableWidget;
    QWidget *PlayVoiceMailPage;
    QLabel *m_playVoiceMailLable;
    QPushButton *m_playButton;
    QPushButton *m_stopButton;
    QPushButton *m_saveButton;
    QPushButton *m_backButton;
    QPushButton *m_exitButton;
    QSlider *m_horizontalSlider;
    QLabel *m_timeLabel;

    void setupUi(QDialog *ZELVoiceMailInboxDialog);
    void retranslateUi(QDialog *ZELVoiceMailInboxDialog);
};

namespace Ui {
class ZELVoiceMailInboxDialog : public Ui_ZELVoiceMailInboxDialog {};
}

#endif
