#ifndef UI_ZELVOICEMAILDIALOG_H
#define UI_ZELVOICEMAILDIALOG_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSlider>

#include "style/zelframelabels.h"

// The voice-mail recorder's form: title strip and frame, the status label,
// the progress slider with its clock and the row of buttons.
class Ui_ZELVoiceMailDialog : public ZELFrameLabels
{
public:
    QLabel *m_logoLabel;
    QPushButton *m_startButton;
    QPushButton *m_restoreDefaultsButton;
    QPushButton *m_stopButton;
    QPushButton *m_closeButton;
    QLabel *m_voiceRecordLabel;
    QPushButton *m_playButton;
    QPushButton *m_sendButton;
    QPushButton *m_cancelButton;
    QSlider *m_horizontalSlider;
    QPushButton *m_minimizeButton;
    QLabel *m_timeLabel;

    void setupUi(QDialog *ZELVoiceMailDialog);
    void retranslateUi(QDialog *ZELVoiceMailDialog);
};

namespace Ui {
class ZELVoiceMailDialog : public Ui_ZELVoiceMailDialog {};
}

#endif
