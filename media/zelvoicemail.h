#ifndef ZELVOICEMAIL_H
#define ZELVOICEMAIL_H

#include /* form */ "ui/ui_zelvoicemaildialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

class QMovie;
class QTimer;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Records up to two minutes of sound for one contact, plays it back and hands
// the request for it to the main widget. One top-level instance without
// parent, only hidden when closed.
class ZELVoiceMail : public QDialog, public Ui_ZELVoiceMailDialog
{
    Q_OBJECT

public:
    ZELVoiceMail();
    ~ZELVoiceMail() override;

    void closeConnection();
    void connectedServer();

    // The recording every save overwrites and every send uploads.
    QString tempFilePath() const;
    // recipient`VS`sender`VS`hh;mm;ssMINmSECs.wav
    static QString voiceMailFileName(const QString &recipient, const QString &sender, const QTime &sentAt,
                                     int minutes, int seconds);
    static QString clockText(int minutes, int seconds);

    QString m_dataFolder; // set by the main widget right after construction
    int m_sliderTicks = 0;
    int m_recordedMinutes = 0;
    int m_clockMinutes = 0;
    int m_clockSeconds = 0;
    int m_recordedSeconds = 0;
    bool m_recording = false;
    bool m_playing = false;
    bool m_disconnected = false;
    QString m_senderName;
    QString m_recipientName;
    QString m_voiceMailFileName;
    QMovie *m_recordingMovie = nullptr;
    QTimer *m_recordingClock = nullptr;
    QTimer *m_playbackClock = nullptr;
    ZELMessageBoxClass *m_questionBox = nullptr;
    ZELMessageBoxClass *m_informationBox = nullptr;

signals:
    void sendVoiceMailToServer(QStringList &request);

public slots:
    void showVoiceMailDialog(QString senderName, QString recipientName);
    void enableButtons();
    void playRecordedFile();
    void sendVoiceMail();
    void stopVoiceRecording();
    void startVoiceRecording();
    void resetSettings();
    void saveRecordedFile();
    void disableButtons();
    void showWindowMinimized();
    void timerForSlideBar();
    void playSlideBar();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings();
    void initializeMemberVariables();
    void signalsAndSlots();
    void stopPlayback();
    void showIdleState();
    void deviceFailed();

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
