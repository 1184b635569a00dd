#include "media/zelvoicemail.h"

#include "platform/zelplatform.h"
#include "platform/zelsoundplayer.h"
#include "platform/zelsoundrecorder.h"
#include "protocol/zelsafewrite.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMovie>
#include <QTime>
#include <QTimer>

namespace {

const int MaximumMinutes = 2;
const QString Separator = QStringLiteral("`VS`");
const QString StartRecording = QStringLiteral("<h1>Start Recording..........</h1>");
const QString ZeroClock = QStringLiteral("00:00:00");
const QString PlayText = QStringLiteral("Play");
const int Yes = 3;
const int No = 4;

} // namespace

ZELVoiceMail::ZELVoiceMail()
    : QDialog(nullptr)
{
    windowSettings();
    initializeMemberVariables();
    signalsAndSlots();
    hide();
}

ZELVoiceMail::~ZELVoiceMail()
{
    if (m_playing)
        ZELPlatform::soundPlayer()->stop();
    if (m_recording)
        ZELPlatform::soundRecorder()->close();
}

void ZELVoiceMail::windowSettings()
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/voiceChat.png")));
    // Frame pictures, title buttons with their hover pictures, drag by the title strip.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::WindowBackground | ZELFramelessHelper::KeepWindowFlags);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
}

void ZELVoiceMail::initializeMemberVariables()
{
    m_recordingMovie = new QMovie(QStringLiteral(":images/voicePlay.gif"), QByteArray(), this);
    m_recordingClock = new QTimer(this);
    m_recordingClock->setInterval(1000);
    m_playbackClock = new QTimer(this);
    m_playbackClock->setInterval(1000);
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                           QMessageBox::No, 0, this);
    m_informationBox = new ZELMessageBoxClass(this);
    m_horizontalSlider->setEnabled(false);
    disableButtons();
}

void ZELVoiceMail::signalsAndSlots()
{
    connect(m_playButton, &QPushButton::clicked, this, &ZELVoiceMail::playRecordedFile);
    connect(m_sendButton, &QPushButton::clicked, this, &ZELVoiceMail::sendVoiceMail);
    connect(m_stopButton, &QPushButton::clicked, this, &ZELVoiceMail::stopVoiceRecording);
    connect(m_startButton, &QPushButton::clicked, this, &ZELVoiceMail::startVoiceRecording);
    connect(m_restoreDefaultsButton, &QPushButton::clicked, this, &ZELVoiceMail::resetSettings);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_recordingClock, &QTimer::timeout, this, &ZELVoiceMail::timerForSlideBar);
    connect(m_playbackClock, &QTimer::timeout, this, &ZELVoiceMail::playSlideBar);
}

QString ZELVoiceMail::tempFilePath() const
{
    return m_dataFolder + QStringLiteral("/VoiceMails/tempfile.wav");
}

QString ZELVoiceMail::voiceMailFileName(const QString &recipient, const QString &sender, const QTime &sentAt,
                                        int minutes, int seconds)
{
    return recipient + Separator + sender + Separator + sentAt.toString(QStringLiteral("hh;mm;ss"))
        + QStringLiteral("MIN") + QString::number(minutes) + QStringLiteral("SEC") + QString::number(seconds)
        + QStringLiteral(".wav");
}

QString ZELVoiceMail::clockText(int minutes, int seconds)
{
    return QStringLiteral("00:0") + QString::number(minutes) + (seconds < 10 ? QStringLiteral(":0") : QStringLiteral(":"))
        + QString::number(seconds);
}

void ZELVoiceMail::showVoiceMailDialog(QString senderName, QString recipientName)
{
    m_senderName = senderName;
    m_recipientName = recipientName;
    disableButtons();
    show();
}

void ZELVoiceMail::enableButtons()
{
    m_restoreDefaultsButton->setEnabled(true);
    m_stopButton->setEnabled(true);
    m_playButton->setEnabled(true);
    m_sendButton->setEnabled(!m_disconnected);
}

void ZELVoiceMail::disableButtons()
{
    m_restoreDefaultsButton->setEnabled(false);
    m_stopButton->setEnabled(false);
    m_playButton->setEnabled(false);
    m_sendButton->setEnabled(false);
    m_startButton->setEnabled(true);
}

void ZELVoiceMail::showWindowMinimized()
{
    showMinimized();
}

void ZELVoiceMail::startVoiceRecording()
{
    QDir().mkpath(m_dataFolder + QStringLiteral("/VoiceMails"));

    m_startButton->setEnabled(false);
    m_playButton->setEnabled(false);
    m_sendButton->setEnabled(false);
    m_restoreDefaultsButton->setEnabled(true);
    m_stopButton->setEnabled(true);
    m_horizontalSlider->setEnabled(true);

    m_voiceRecordLabel->setScaledContents(true);
    m_voiceRecordLabel->setMovie(m_recordingMovie);
    m_horizontalSlider->setMaximum(MaximumMinutes * 60);
    m_recording = true;
    m_recordingMovie->start();
    m_recordingClock->start();

    ZELSoundRecorder *recorder = ZELPlatform::soundRecorder();
    if (!recorder->open()) {
        deviceFailed();
        return;
    }
    if (!recorder->record()) {
        recorder->close();
        deviceFailed();
    }
}

// Nothing is being recorded: a clock running on would end in a recording to
// save and send that holds no sound, or an earlier one.
void ZELVoiceMail::deviceFailed()
{
    resetSettings();
    m_recording = false;
    m_informationBox->showInformationBox(this, QStringLiteral("Voice Mail"), QStringLiteral("Sound device cannot open"));
}

void ZELVoiceMail::timerForSlideBar()
{
    if (!m_recording) {
        m_clockMinutes = 0;
        m_clockSeconds = 0;
        m_timeLabel->setText(ZeroClock);
        return;
    }
    if (m_clockSeconds == 59) {
        m_clockSeconds = 0;
        ++m_clockMinutes;
        if (m_clockMinutes == MaximumMinutes) {
            stopVoiceRecording();
            return;
        }
    } else {
        ++m_clockSeconds;
    }
    m_timeLabel->setText(clockText(m_clockMinutes, m_clockSeconds));
    m_horizontalSlider->setValue(m_sliderTicks);
    ++m_sliderTicks;
}

void ZELVoiceMail::stopVoiceRecording()
{
    m_recordingClock->stop();
    m_recording = false;
    if (m_clockMinutes == 0 && m_clockSeconds == 0)
        m_clockSeconds = 1;
    m_recordedMinutes = m_clockMinutes;
    m_recordedSeconds = m_clockSeconds;
    m_clockMinutes = 0;
    m_clockSeconds = 0;
    ZELPlatform::soundRecorder()->stop();
    m_horizontalSlider->setMaximum(m_recordedMinutes * 60 + m_recordedSeconds);
    m_horizontalSlider->setEnabled(false);
    saveRecordedFile();
}

void ZELVoiceMail::saveRecordedFile()
{
    m_recordingMovie->stop();
    m_sliderTicks = 0;
    m_horizontalSlider->setValue(0);
    m_voiceRecordLabel->clear();
    m_voiceRecordLabel->setText(QStringLiteral("<h1>Save Voice Mail..........</h1>"));

    ZELSoundRecorder *recorder = ZELPlatform::soundRecorder();
    const int answer = m_questionBox->showQuestionBox(this, QStringLiteral("Voice Recording"),
                                                      QStringLiteral("Do you want to save this recording?"), Yes, No);
    if (answer == Yes) {
        m_playButton->setEnabled(true);
        m_stopButton->setEnabled(false);
        m_restoreDefaultsButton->setEnabled(false);
        m_sendButton->setEnabled(!m_disconnected);
        m_voiceRecordLabel->setText(QStringLiteral("<h1>Play or Send Voice Mail..........</h1>"));
        m_timeLabel->setText(ZeroClock);
        if (!recorder->save(tempFilePath())) {
            const QString reason = recorder->errorString();
            recorder->close();
            // Play and Send would use whatever an earlier recording left there.
            showIdleState();
            m_informationBox->showInformationBox(
                this, QStringLiteral("Voice Mail"),
                ZELSafeWrite::notSaved(QStringLiteral("The recording"), ZELSafeWrite::Result{false, reason}));
            return;
        }
    } else {
        showIdleState();
    }
    recorder->close();
    m_timeLabel->setText(ZeroClock);
}

void ZELVoiceMail::showIdleState()
{
    m_startButton->setEnabled(true);
    m_stopButton->setEnabled(false);
    m_restoreDefaultsButton->setEnabled(false);
    m_playButton->setEnabled(false);
    m_sendButton->setEnabled(false);
    m_voiceRecordLabel->setText(StartRecording);
}

void ZELVoiceMail::resetSettings()
{
    ZELPlatform::soundRecorder()->close();
    m_recording = false;
    m_recordingMovie->stop();
    m_recordingClock->stop();
    m_timeLabel->setText(ZeroClock);
    m_sliderTicks = 0;
    m_clockMinutes = 0;
    m_clockSeconds = 0;
    m_recordedMinutes = 0;
    m_recordedSeconds = 0;
    m_horizontalSlider->setValue(0);
    m_voiceRecordLabel->clear();
    m_voiceRecordLabel->setText(StartRecording);
    m_restoreDefaultsButton->setEnabled(false);
    m_stopButton->setEnabled(false);
    m_horizontalSlider->setEnabled(false);
    m_startButton->setEnabled(true);
}

void ZELVoiceMail::playRecordedFile()
{
    if (m_playButton->text() == PlayText) {
        m_horizontalSlider->setEnabled(true);
        m_playbackClock->start(1000);
        // A device that cannot play is not reported: the clock runs the length.
        ZELPlatform::soundPlayer()->play(tempFilePath());
        m_sliderTicks = 0;
        m_playing = true;
        m_playButton->setText(QStringLiteral("Stop Play"));
    } else {
        stopPlayback();
    }
}

void ZELVoiceMail::stopPlayback()
{
    m_horizontalSlider->setEnabled(false);
    m_playbackClock->stop();
    m_timeLabel->setText(ZeroClock);
    m_sliderTicks = 0;
    m_clockMinutes = 0;
    m_clockSeconds = 0;
    m_horizontalSlider->setValue(0);
    m_playing = false;
    ZELPlatform::soundPlayer()->stop();
    m_playButton->setText(PlayText);
}

void ZELVoiceMail::playSlideBar()
{
    if (m_clockSeconds == 59) {
        m_clockSeconds = 0;
        ++m_clockMinutes;
    } else if (m_recordedMinutes * 60 + m_recordedSeconds < m_clockMinutes * 60 + m_clockSeconds) {
        stopPlayback();
        return;
    } else {
        ++m_clockSeconds;
    }
    m_timeLabel->setText(clockText(m_clockMinutes, m_clockSeconds));
    m_horizontalSlider->setValue(m_sliderTicks);
    ++m_sliderTicks;
}

void ZELVoiceMail::sendVoiceMail()
{
    if (m_playing) {
        ZELPlatform::soundPlayer()->stop();
        m_playing = false;
    }
    m_voiceMailFileName = voiceMailFileName(m_recipientName, m_senderName, QTime::currentTime(), m_recordedMinutes,
                                            m_recordedSeconds);
    QStringList request{QStringLiteral("VOICEMAILREADY"), m_recipientName, m_senderName, m_voiceMailFileName};
    emit sendVoiceMailToServer(request);
    m_sendButton->setEnabled(false);
    close();
}

void ZELVoiceMail::closeConnection()
{
    m_disconnected = true;
    m_sendButton->setEnabled(false);
}

// Send comes back only for a recording that can be played.
void ZELVoiceMail::connectedServer()
{
    m_disconnected = false;
    m_sendButton->setEnabled(m_playButton->isEnabled());
}

void ZELVoiceMail::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        event->ignore();
}

void ZELVoiceMail::closeEvent(QCloseEvent *event)
{
    if (m_playing)
        stopPlayback();
    int answer = Yes;
    if (m_sendButton->isEnabled() && !m_disconnected) {
        answer = m_questionBox->showQuestionBox(this, QStringLiteral("Voice Recording"),
                                                QStringLiteral("Do you want to close without sending the saved voice mail ?"),
                                                Yes, No);
    } else if (m_restoreDefaultsButton->isEnabled() && !m_startButton->isEnabled() && !m_disconnected) {
        answer = m_questionBox->showQuestionBox(this, QStringLiteral("Recording in-progress..."),
                                                QStringLiteral("Do you want to close without sending the voice mail ?"),
                                                Yes, No);
    }
    if (answer != Yes) {
        event->ignore();
        return;
    }

    m_recordingMovie->stop();
    m_playbackClock->stop();
    m_horizontalSlider->setValue(0);
    m_voiceRecordLabel->clear();
    m_playButton->setText(PlayText);
    m_voiceRecordLabel->setText(StartRecording);
    if (m_playing) {
        ZELPlatform::soundPlayer()->stop();
        m_playing = false;
    }
    m_recordingClock->stop();
    m_timeLabel->setText(ZeroClock);
    m_horizontalSlider->setEnabled(false);
    if (m_recording) {
        ZELPlatform::soundRecorder()->close();
        m_recording = false;
    }
    m_sliderTicks = 0;
    m_clockMinutes = 0;
    m_clockSeconds = 0;
    m_recordedMinutes = 0;
    m_recordedSeconds = 0;
    m_closeButton->clearFocus();
    event->accept();
}
