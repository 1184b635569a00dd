#include "media/zelvoicemailinbox.h"

#include "protocol/zelfilenames.h"
#include "protocol/zelsafewrite.h"
#include "platform/zelchoosers.h"
#include "platform/zelplatform.h"
#include "platform/zelsoundplayer.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zelsharedsheet.h"
#include "style/zeltextbounds.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMovie>
#include <QScrollBar>
#include <QTimer>

namespace {

const QString Separator = QStringLiteral("`VS`");
const QString ZeroClock = QStringLiteral("00:00:00");
const QString PlayText = QStringLiteral("Play");
const QString NewStatus = QStringLiteral("New");
const int RowHeight = 20;
const int Yes = 3;
const int No = 4;

QString clockText(int minutes, int seconds)
{
    return QStringLiteral("00:0") + QString::number(minutes) + (seconds < 10 ? QStringLiteral(":0") : QStringLiteral(":"))
        + QString::number(seconds);
}

// The save dialog has asked before a file is overwritten, so an existing file
// is replaced; a copy that fails leaves it as it was.
ZELSafeWrite::Result copyReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (source.isEmpty() || !in.open(QIODevice::ReadOnly))
        return ZELSafeWrite::Result{false, in.errorString()};
    return ZELSafeWrite::replace(target, [&in](QIODevice &out) {
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(256 * 1024);
            if (chunk.isEmpty() || out.write(chunk) != chunk.size())
                return false;
        }
        return true;
    });
}

} // namespace

ZELVoiceMailInbox::ZELVoiceMailInbox(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    initializeMemberVariables();
    setZELStyle();
    disableButtons();
    defaultSettings();
    signalsAndSlots();
    hide();
}

ZELVoiceMailInbox::~ZELVoiceMailInbox()
{
    if (m_playing)
        ZELPlatform::soundPlayer()->stop();
}

void ZELVoiceMailInbox::windowSettings(QWidget *parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::WindowBackground);
    m_frame->setParentWindow(parent, Qt::Dialog);
    setWindowModality(Qt::WindowModal);
}

void ZELVoiceMailInbox::initializeMemberVariables()
{
    m_playbackClock = new QTimer(this);
    m_playbackClock->setInterval(1000);
    m_playingMovie = new QMovie(QStringLiteral(":images/VoiceRecording.gif"), QByteArray(), this);
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                           QMessageBox::No, 0, this);
    m_informationBox = new ZELMessageBoxClass(this);
    voiceMailStackedWidget->setCurrentIndex(InboxPage);
}

void ZELVoiceMailInbox::setZELStyle()
{
    QFile file(QStringLiteral(":images/stylesheet.qss"));
    file.open(QIODevice::ReadOnly);
    const QString sheet = QString::fromLatin1(file.readAll());
    // The table's own corner sheet carries the shared one for its parts.
    QTableWidget *table = m_voiceMailTableWidget;
    ZELSharedSheet::apply(table,
                          {table->horizontalHeader(), table->verticalHeader(), table->verticalScrollBar(),
                           table->horizontalScrollBar()},
                          sheet);
}

void ZELVoiceMailInbox::defaultSettings()
{
    QTableWidget *table = m_voiceMailTableWidget;
    table->setColumnCount(5);
    table->setHorizontalHeaderLabels({QStringLiteral("Sender Name"), QStringLiteral("Sender Name"),
                                      QStringLiteral("Status"), QStringLiteral("Time"), QStringLiteral("File Name")});
    const int widths[] = {260, 280, 65, 77, 10};
    for (int column = 0; column < 5; ++column)
        table->setColumnWidth(column, widths[column]);
    table->setColumnHidden(SenderColumn, true);
    table->setColumnHidden(FileNameColumn, true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(RowHeight);
}

void ZELVoiceMailInbox::signalsAndSlots()
{
    connect(m_backButton, &QPushButton::clicked, this, &ZELVoiceMailInbox::backAction);
    connect(m_stopButton, &QPushButton::clicked, this, &ZELVoiceMailInbox::stopVoiceMail);
    connect(m_openFileButton, &QPushButton::clicked, this, &ZELVoiceMailInbox::openVoiceMail);
    connect(m_playButton, &QPushButton::clicked, this, &ZELVoiceMailInbox::playVoiceMail);
    connect(m_saveButton, &QPushButton::clicked, this, &ZELVoiceMailInbox::saveVoiceMail);
    connect(m_voiceMailTableWidget, &QTableWidget::cellClicked, this, &ZELVoiceMailInbox::selectedFileToDowload);
    connect(m_voiceMailTableWidget, &QTableWidget::cellDoubleClicked, this, &ZELVoiceMailInbox::selectedFileToOpen);
    connect(m_playbackClock, &QTimer::timeout, this, &ZELVoiceMailInbox::playSlideBar);
    for (QPushButton *button : {m_cancelButton, m_exitButton, m_dCloseButton})
        connect(button, &QPushButton::clicked, this, &QWidget::close);
}

QString ZELVoiceMailInbox::voiceMailFolder() const
{
    return m_dataFolder + QStringLiteral("/VoiceMails");
}

void ZELVoiceMailInbox::recordedLength(const QString &fileName, int *minutes, int *seconds)
{
    QString name = fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
    const int second = name.indexOf(Separator, qMax(0, name.indexOf(Separator)) + Separator.size());
    if (name.indexOf(Separator) >= 0 && second >= 0)
        name = name.mid(second + Separator.size());
    *minutes = name.section(QStringLiteral("MIN"), 1, 1).section(QStringLiteral("SEC"), 0, 0).toInt();
    *seconds = name.section(QStringLiteral("SEC"), 1, 1).toInt();
}

QString ZELVoiceMailInbox::lengthText(const QString &fileName)
{
    int minutes = 0;
    int seconds = 0;
    recordedLength(fileName, &minutes, &seconds);
    return clockText(minutes, seconds);
}

QString ZELVoiceMailInbox::senderOf(const QString &fileName)
{
    return fileName.section(Separator, 1, 1);
}

void ZELVoiceMailInbox::clearTable()
{
    m_voiceMailTableWidget->setRowCount(0);
}

void ZELVoiceMailInbox::addVoiceMail(const QString &fileName, const QString &value)
{
    QTableWidget *table = m_voiceMailTableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setRowHeight(row, RowHeight);
    table->setItem(row, ValueColumn, new QTableWidgetItem(ZELTextBounds::shownName(value)));
    table->setItem(row, SenderColumn, new QTableWidgetItem(ZELTextBounds::shownName(
                                          ZELTextBounds::withoutFormatControls(senderOf(fileName)))));
    auto *status = new QTableWidgetItem(NewStatus);
    status->setForeground(QBrush(Qt::blue));
    table->setItem(row, StatusColumn, status);
    table->setItem(row, TimeColumn, new QTableWidgetItem(lengthText(fileName)));
    auto *name = new QTableWidgetItem;
    ZELTextBounds::setFileName(name, fileName);
    table->setItem(row, FileNameColumn, name);
}

void ZELVoiceMailInbox::disableButtons()
{
    m_openFileButton->setEnabled(false);
    m_stopButton->setEnabled(false);
}

void ZELVoiceMailInbox::resetClock()
{
    m_sliderTicks = 0;
    m_clockSeconds = 0;
    m_clockMinutes = 0;
    m_timeLabel->setText(ZeroClock);
    m_horizontalSlider->setValue(0);
}

void ZELVoiceMailInbox::backAction()
{
    m_playingMovie->stop();
    m_playVoiceMailLable->clear();
    m_playVoiceMailLable->setText(QStringLiteral("<h1>Click Play</h1>"));
    m_voiceMailTableWidget->clearSelection();
    m_openFileButton->setEnabled(false);
    m_horizontalSlider->setEnabled(false);
    resetClock();
    m_playbackClock->stop();
    voiceMailStackedWidget->setCurrentIndex(InboxPage);
}

void ZELVoiceMailInbox::stopVoiceMail()
{
    m_playingMovie->stop();
    ZELPlatform::soundPlayer()->stop();
    m_playVoiceMailLable->clear();
    resetClock();
    m_playVoiceMailLable->setText(QStringLiteral("<h1>Click Play</h1>"));
    m_playButton->setText(PlayText);
    m_playbackClock->stop();
    m_saveButton->setEnabled(true);
    m_backButton->setEnabled(true);
    m_horizontalSlider->setEnabled(false);
    m_stopButton->setEnabled(false);
}

void ZELVoiceMailInbox::selectedFileToDowload(int row, int)
{
    if (m_disconnected)
        return;
    auto text = [this, row](int column) {
        QTableWidgetItem *item = m_voiceMailTableWidget->item(row, column);
        return item ? item->text() : QString();
    };
    const QTableWidgetItem *name = m_voiceMailTableWidget->item(row, FileNameColumn);
    m_selectedFileName = ZELTextBounds::wireName(name);
    const QVariant stored = name ? name->data(StoredNameRole) : QVariant();
    m_selectedStoredName = stored.isValid() ? stored.toString() : m_selectedFileName;
    m_selectedRow = row;
    m_downloadNeeded = text(StatusColumn) == NewStatus;
    m_openFileButton->setEnabled(true);
    recordedLength(m_selectedFileName, &m_durationMinutes, &m_durationSeconds);
    m_selectedSender = text(SenderColumn);
}

void ZELVoiceMailInbox::selectedFileToOpen(int row, int column)
{
    if (m_disconnected)
        return;
    selectedFileToDowload(row, column);
    openVoiceMail();
}

void ZELVoiceMailInbox::openVoiceMail()
{
    QDir().mkpath(voiceMailFolder());
    if (m_downloadNeeded) {
        QStringList request{QStringLiteral("GETVOICEMAIL"), m_selectedFileName};
        m_downloadNeeded = false;
        m_downloadRow = m_selectedRow;
        m_openFileButton->setEnabled(false);
        m_saveButton->setEnabled(true);
        m_loadLabel->setText(QStringLiteral("<h1>Downloading...</h1>"));
        voiceMailStackedWidget->setCurrentIndex(DownloadPage);
        emit downLoadVoiceMailfromServer(request);
        return;
    }
    m_stopButton->setEnabled(false);
    m_openFileButton->setEnabled(false);
    m_saveButton->setEnabled(true);
    m_backButton->setEnabled(true);
    m_voiceMailTableWidget->clearSelection();
    m_playButton->setText(PlayText);
    m_playFileName = m_selectedStoredName;
    m_playVoiceMailLable->setText(QStringLiteral("<h1>Click PLAY</h1>"));
    voiceMailStackedWidget->setCurrentIndex(PlayPage);
}

void ZELVoiceMailInbox::playVoiceMail()
{
    m_playVoiceMailLable->setScaledContents(true);
    m_playVoiceMailLable->setMovie(m_playingMovie);
    resetClock();
    m_playingMovie->start();
    // A device that cannot play is not reported: the clock runs the length.
    const QString path = zelSafeFilePath(voiceMailFolder(), m_playFileName);
    if (!path.isEmpty())
        ZELPlatform::soundPlayer()->play(path);
    m_stopButton->setEnabled(true);
    m_saveButton->setEnabled(false);
    m_playButton->setText(QStringLiteral("Re Start"));
    m_playing = true;
    m_horizontalSlider->setEnabled(true);
    m_horizontalSlider->setMaximum(m_durationMinutes * 60 + m_durationSeconds);
    m_playbackClock->start(1000);
    m_sliderTicks = 0;
}

void ZELVoiceMailInbox::playSlideBar()
{
    if (m_clockSeconds == 59) {
        m_clockSeconds = 0;
        ++m_clockMinutes;
    } else if (m_clockMinutes * 60 + m_clockSeconds > m_durationMinutes * 60 + m_durationSeconds) {
        m_horizontalSlider->setEnabled(false);
        m_playbackClock->stop();
        m_playingMovie->stop();
        m_stopButton->setEnabled(false);
        m_saveButton->setEnabled(true);
        m_playVoiceMailLable->clear();
        m_playVoiceMailLable->setText(QStringLiteral("<h1>Click Play</h1>"));
        m_playButton->setText(PlayText);
        resetClock();
        ZELPlatform::soundPlayer()->stop();
        return;
    } else {
        ++m_clockSeconds;
    }
    m_timeLabel->setText(clockText(m_clockMinutes, m_clockSeconds));
    m_horizontalSlider->setValue(m_sliderTicks);
    ++m_sliderTicks;
}

void ZELVoiceMailInbox::saveVoiceMail()
{
    const QString source = zelSafeFilePath(voiceMailFolder(), m_playFileName);
    const QString proposed = m_selectedSender + QStringLiteral("VoiceMail.wav");
    emit pauseMovie();
    const QString chosen = ZELPlatform::choosers()->saveFileName(
        this, QStringLiteral("Choose a directory to save file"), m_saveFolder + QLatin1Char('/') + proposed,
        QStringLiteral("*.wav"));
    emit restartMovie();
    if (chosen.isEmpty())
        return;
    // A new file has no writability of its own yet: its folder decides.
    const QFileInfo target(chosen);
    const bool writable = target.exists() ? target.isWritable() : QFileInfo(target.absolutePath()).isWritable();
    if (!writable) {
        m_informationBox->showInformationBox(this, QStringLiteral("Access Denied"),
                                             QStringLiteral("Destination folder is write protected"));
        return;
    }
    const ZELSafeWrite::Result copied = copyReplacing(source, chosen);
    if (!copied) {
        m_informationBox->showInformationBox(this, QStringLiteral("Voice Mail"),
                                             ZELSafeWrite::notSaved(QStringLiteral("Voice mail"), copied));
        return;
    }
    m_saveButton->setEnabled(false);
}

void ZELVoiceMailInbox::closeConnection()
{
    m_disconnected = true;
    m_openFileButton->setEnabled(false);
}

// Open waits for the next click on a row.
void ZELVoiceMailInbox::connectedServer()
{
    m_disconnected = false;
}

void ZELVoiceMailInbox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        event->ignore();
}

void ZELVoiceMailInbox::closeEvent(QCloseEvent *event)
{
    if (voiceMailStackedWidget->currentIndex() == DownloadPage
        && m_questionBox->showQuestionBox(this, QStringLiteral("Voice Mail"),
                                          QStringLiteral("Downloading Inprogress....Do you want you to close this dialog ?"),
                                          Yes, No) != Yes) {
        event->ignore();
        return;
    }
    m_playingMovie->stop();
    m_playVoiceMailLable->setText(QString());
    m_playVoiceMailLable->clear();
    m_backButton->setEnabled(true);
    m_stopButton->setEnabled(false);
    m_openFileButton->setEnabled(false);
    m_playButton->setText(PlayText);
    resetClock();
    m_horizontalSlider->setEnabled(false);
    m_playbackClock->stop();
    m_voiceMailTableWidget->clearSelection();
    if (m_playing) {
        ZELPlatform::soundPlayer()->stop();
        m_playing = false;
    }
    voiceMailStackedWidget->setCurrentIndex(InboxPage);
    m_closeButton->clearFocus();
    event->accept();
}
