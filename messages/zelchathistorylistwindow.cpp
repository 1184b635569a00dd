#include "messages/zelchathistorylistwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include "mainwindow/zelmainwindowlook.h"
#include "protocol/zelhistorypaths.h"
#include "protocol/zelsafewrite.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zelpdfexport.h"
#include "platform/zelchoosers.h"
#include "platform/zelplatform.h"
#include "style/zelsharedsheet.h"
#include "style/zelplainstyle.h"

namespace {

const char TimeFormat[] = "hh:mm:ss ap";
const int SessionRowHeight = 22;

// The wait cursor of one local listing or reading, popped on every path.
class WaitCursor
{
public:
    WaitCursor()
    {
        const QPixmap wait(QStringLiteral(":images/Wait.png"));
        QApplication::setOverrideCursor(QCursor(wait, wait.width() / 2, wait.height() / 2));
    }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QDateTime startTime(const QFileInfo &file)
{
    const QDateTime born = file.birthTime();
    return born.isValid() ? born : file.metadataChangeTime();
}

// Transcripts declare UTF-8; older ones written byte per character still read.
QString decodeTranscript(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Relative picture references of an export point into base; absolute paths,
// resource paths and URLs already say where their picture is.
QString absolutePictures(const QString &html, const QString &base)
{
    static const QRegularExpression picture(QStringLiteral("img src=\"([^\"]*)\""));
    QString out;
    qsizetype last = 0;
    QRegularExpressionMatchIterator it = picture.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString path = match.captured(1);
        const bool relative = !path.isEmpty() && !path.startsWith(QLatin1Char(':')) && !QDir::isAbsolutePath(path)
                              && QUrl(path).scheme().isEmpty();
        out += QStringView(html).mid(last, match.capturedStart(1) - last);
        out += relative ? QStringLiteral("file://") + base + QLatin1Char('/') + path : path;
        last = match.capturedEnd(1);
    }
    out += QStringView(html).mid(last);
    return out;
}

} // namespace

ZELChatHistoryListWindow::ZELChatHistoryListWindow()
    : QDialog(nullptr)
{
    windowSettings();
    signalsAndSlots();
    initializeMemberVariables();
    defaultSettings();
    setZELStyle();
    hide();
}

ZELChatHistoryListWindow::~ZELChatHistoryListWindow()
{
    delete m_informationBox;
}

QString ZELChatHistoryListWindow::loadingPage()
{
    return QStringLiteral("<br><br><br><center><h1><font color = 'green'>Loading.....</font></h1></center>");
}

QString ZELChatHistoryListWindow::emptyHistoryPage()
{
    return QStringLiteral("<br><br><br><center><h1><font color = 'red'>Chat History Empty</font></h1></center>");
}

void ZELChatHistoryListWindow::windowSettings()
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/chat_history_client.png")));
}

void ZELChatHistoryListWindow::signalsAndSlots()
{
    connect(m_chatListclose, &QPushButton::clicked, this, &ZELChatHistoryListWindow::cancelSlot);
    connect(m_saveChatButton, &QPushButton::clicked, this, &ZELChatHistoryListWindow::saveChatSession);
    connect(m_contactNamesList, &QListWidget::itemSelectionChanged, this,
            &ZELChatHistoryListWindow::requestDateFromServer);
    connect(m_conferenceChatDateList, &QListWidget::itemSelectionChanged, this,
            &ZELChatHistoryListWindow::requstConferenceChatHistory);
    connect(m_chatDateList, &QTableWidget::itemSelectionChanged, this,
            &ZELChatHistoryListWindow::selectionChangedDataToServer);
    connect(m_historyDisplay, &QTextBrowser::textChanged, this, &ZELChatHistoryListWindow::enableSaveButton);
}

void ZELChatHistoryListWindow::initializeMemberVariables()
{
    m_informationBox = new ZELMessageBoxClass(this);
    m_serverMode = m_maximized = m_disconnected = false;
    // Smileys are referenced relative to the working folder.
    m_imageFolder = QDir::currentPath();
}

void ZELChatHistoryListWindow::defaultSettings()
{
    installEventFilter(this);
    m_saveChatButton->setEnabled(false);
    m_chatDateList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_chatDateList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_chatDateList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_chatDateList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_chatDateList->verticalHeader()->setDefaultSectionSize(SessionRowHeight);
    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    // The date table's own corner sheet carries the shared one for its parts.
    ZELSharedSheet::apply(m_chatDateList,
                          {m_chatDateList->horizontalHeader(), m_chatDateList->verticalHeader(),
                           m_chatDateList->horizontalScrollBar(), m_chatDateList->verticalScrollBar()},
                          sheet);
    const QList<QWidget *> styled = {
        m_contactNamesList, m_conferenceChatDateList, m_historyDisplay,
        m_contactNamesList->horizontalScrollBar(), m_contactNamesList->verticalScrollBar(),
        m_conferenceChatDateList->horizontalScrollBar(), m_conferenceChatDateList->verticalScrollBar(),
        m_historyDisplay->horizontalScrollBar(), m_historyDisplay->verticalScrollBar()};
    for (QWidget *widget : styled)
        ZELSharedSheet::setFitted(widget, sheet);
}

void ZELChatHistoryListWindow::setZELStyle()
{
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_chatDateList)}) {
        ZELPlainStyle::setOn(widget);
    }
    // Frame images, title buttons with their hover pictures, drag, the resize
    // corner and the maximise toggle. Return must not press Save Chat.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground
                                               | ZELFramelessHelper::NoAutoDefault);
    connect(m_frame, &ZELFramelessHelper::windowResized, this, [this] { m_maximized = isMaximized(); });

    QPalette lists;
    const QColor white(255, 255, 255), blue(144, 209, 247);
    for (QPalette::ColorRole role : {QPalette::Light, QPalette::Dark, QPalette::Base, QPalette::Window})
        lists.setColor(role, white);
    for (QPalette::ColorRole role : {QPalette::Midlight, QPalette::Shadow, QPalette::Highlight, QPalette::WindowText})
        lists.setColor(role, blue);
    lists.setColor(QPalette::Text, Qt::black);
    lists.setColor(QPalette::Button, QColor(240, 245, 251));
    lists.setColor(QPalette::AlternateBase, QColor(248, 252, 255));
    m_contactNamesList->setPalette(lists);
    m_conferenceChatDateList->setPalette(lists);
}

void ZELChatHistoryListWindow::cancelSlot()
{
    close();
}

void ZELChatHistoryListWindow::showWindowMinimized()
{
    showMinimized();
}

void ZELChatHistoryListWindow::maximized()
{
    m_frame->toggleMaximized();
}

// A maximised window that was minimised comes back at the screen's corner.
void ZELChatHistoryListWindow::showChatHistoryWindow()
{
    setGeometry(0, 0, width(), height());
}

void ZELChatHistoryListWindow::showTranscript(const QString &html)
{
    m_showingNotice = false;
    m_historyDisplay->showConversation(html);
    enableSaveButton();
}

void ZELChatHistoryListWindow::showNotice(const QString &html)
{
    m_showingNotice = true;
    m_historyDisplay->setHtml(html);
    enableSaveButton();
}

// The selection handlers act only on the user's own choice: changes the
// program makes while the list has no focus must trigger nothing.
void ZELChatHistoryListWindow::requestDateFromServer()
{
    if (m_contactNamesList->count() == 0 || !m_contactNamesList->hasFocus() || m_disconnected)
        return;
    m_conferenceChatDateList->clearSelection();
    m_chatDateList->clearSelection();
    QListWidgetItem *item = m_contactNamesList->currentItem();
    if (!item || !item->isSelected())
        return;
    m_conferenceSelected = false;
    m_selectedContactName = item->text();
    m_selectedContact = item->toolTip();
    if (m_serverMode) {
        emit requestChatDate(m_selectedContact);
    } else {
        WaitCursor wait;
        getContactChatHistoryDetails();
    }
}

void ZELChatHistoryListWindow::requstConferenceChatHistory()
{
    if (m_conferenceChatDateList->count() == 0 || !m_conferenceChatDateList->hasFocus() || m_disconnected)
        return;
    m_contactNamesList->clearSelection();
    m_chatDateList->clearSelection();
    QListWidgetItem *item = m_conferenceChatDateList->currentItem();
    if (!item || !item->isSelected())
        return;
    m_conferenceSelected = true;
    m_selectedConferenceDay = item->text();
    if (m_serverMode) {
        emit requestConferenceChatDate(m_selectedConferenceDay);
    } else {
        WaitCursor wait;
        getConferenceChatHistoryDetails();
    }
}

void ZELChatHistoryListWindow::selectionChangedDataToServer()
{
    if (m_disconnected || !m_chatDateList->hasFocus() || !m_chatDateList->currentItem())
        return;
    const int row = m_chatDateList->currentItem()->row();
    const QTableWidgetItem *cell = m_chatDateList->item(row, 0);
    QString text = cell ? cell->text() : QString();
    const QString toolTip = cell ? cell->toolTip() : QString();
    showNotice(loadingPage());
    if (!m_conferenceSelected) {
        if (m_serverMode) {
            emit sendChatDate(text, m_selectedContact);
        } else {
            WaitCursor wait;
            contactChatHistory(text, m_selectedContactName);
        }
    } else if (m_serverMode) {
        // A row without its full session name asks for nothing.
        if (row >= 0 && row < m_sessionNames.size()) {
            QString session = m_sessionNames.at(row);
            emit getConferenceHistory(m_selectedConferenceDay, session);
        }
    } else {
        WaitCursor wait;
        conferenceChatHistory(m_selectedConferenceDay, toolTip);
    }
}

QFileInfoList ZELChatHistoryListWindow::dayFolders(const QString &root)
{
    QFileInfoList days;
    const QFileInfoList folders = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &folder : folders) {
        if (ZELHistoryPaths::isDayFolderName(folder.fileName()))
            days << folder;
    }
    // Name order first, so that a stable sort leaves equal seconds by name.
    std::stable_sort(days.begin(), days.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified().toSecsSinceEpoch() > b.lastModified().toSecsSinceEpoch();
    });
    return days;
}

QFileInfoList ZELChatHistoryListWindow::transcripts(const QString &dayFolder)
{
    QFileInfoList files = QDir(dayFolder).entryInfoList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return startTime(a) < startTime(b);
    });
    return files;
}

void ZELChatHistoryListWindow::startSessionTable(const QString &firstHeader)
{
    m_chatDateList->setColumnCount(3);
    m_chatDateList->setColumnWidth(0, 140);
    m_chatDateList->setColumnWidth(1, 110);
    // The last column (110 where there is room) takes what the row numbers
    // and a scroll bar leave of the table's fixed width.
    m_chatDateList->setHorizontalHeaderLabels(
        {firstHeader, QStringLiteral("Chat Start Time"), QStringLiteral("Chat End Time")});
}

void ZELChatHistoryListWindow::appendSessionRow(const QString &first, const QFileInfo &file)
{
    const int row = m_chatDateList->rowCount();
    m_chatDateList->insertRow(row);
    m_chatDateList->setRowHeight(row, SessionRowHeight);
    m_chatDateList->setItem(row, 0, new QTableWidgetItem(first));
    m_chatDateList->setItem(row, 1, new QTableWidgetItem(startTime(file).toString(QLatin1String(TimeFormat))));
    m_chatDateList->setItem(row, 2, new QTableWidgetItem(file.lastModified().toString(QLatin1String(TimeFormat))));
}

void ZELChatHistoryListWindow::getContactChatHistoryDetails()
{
    const QFileInfoList days = dayFolders(m_localHistoryRoot);
    m_historyDisplay->clear();
    m_chatDateList->clear();
    m_chatDateList->setRowCount(0);
    m_chatDateList->setColumnCount(0);
    if (days.isEmpty())
        return;
    startSessionTable(QStringLiteral("Chat Date"));
    const QListWidgetItem *item = m_contactNamesList->currentItem();
    if (!item)
        return;
    // The contact's own transcript only: "ann" is not "joanne".
    const QString fileName = ZELHistoryPaths::contactFileName(item->text());
    for (const QFileInfo &day : days) {
        const QFileInfo transcript(QDir(day.absoluteFilePath()).filePath(fileName));
        if (transcript.isFile())
            appendSessionRow(day.fileName(), transcript);
    }
}

void ZELChatHistoryListWindow::getConferenceChatHistoryDetails()
{
    m_historyDisplay->clear();
    m_chatDateList->clear();
    m_chatDateList->setRowCount(0);
    m_chatDateList->setColumnCount(0);
    const QListWidgetItem *item = m_conferenceChatDateList->currentItem();
    if (!item || !ZELHistoryPaths::isDayFolderName(item->text()))
        return;
    const QFileInfoList files = transcripts(QDir(m_localHistoryRoot).filePath(item->text()));
    if (files.isEmpty())
        return;
    startSessionTable(QStringLiteral("Chat Session Name"));
    const QString prefix = QStringLiteral("Conference-");
    for (const QFileInfo &file : files) {
        if (!file.fileName().startsWith(prefix))
            continue;
        appendSessionRow(ZELHistoryPaths::conferenceSessionName(file.fileName()), file);
        m_chatDateList->item(m_chatDateList->rowCount() - 1, 0)->setToolTip(file.fileName());
    }
}

void ZELChatHistoryListWindow::contactChatHistory(QString date, QString contact)
{
    readTranscript(date, ZELHistoryPaths::contactFileName(contact));
}

void ZELChatHistoryListWindow::conferenceChatHistory(QString day, QString fileName)
{
    readTranscript(day, fileName);
}

// A missing or unreadable transcript leaves the "Loading....." page.
void ZELChatHistoryListWindow::readTranscript(const QString &day, const QString &fileName)
{
    // Both names come from this window's own listing; still, neither may
    // leave the day folder.
    if (!ZELHistoryPaths::isDayFolderName(day) || fileName != ZELHistoryPaths::component(fileName))
        return;
    QFile file(QDir(m_localHistoryRoot).filePath(day + QLatin1Char('/') + fileName));
    if (!file.open(QIODevice::ReadOnly))
        return;
    showTranscript(decodeTranscript(file.readAll()));
}

void ZELChatHistoryListWindow::displayMessage(QString text)
{
    m_informationBox->showInformationBox(this, QStringLiteral("Chat History Listing"), text);
}

// Runs at every slice of a long transcript: looks for the first character
// that is not white space rather than copying the whole text.
void ZELChatHistoryListWindow::enableSaveButton()
{
    static const QRegularExpression shown(QStringLiteral("\\S"));
    m_saveChatButton->setEnabled(!m_showingNotice && !m_historyDisplay->document()->find(shown).isNull());
}

bool ZELChatHistoryListWindow::folderWritable(const QString &folder) const
{
    if (m_folderWritable)
        return m_folderWritable(folder);
    return QFileInfo(folder).isWritable();
}

void ZELChatHistoryListWindow::saveChatSession()
{
    const QTableWidgetItem *current = m_chatDateList->currentItem();
    const QTableWidgetItem *cell = current ? m_chatDateList->item(current->row(), 0) : nullptr;
    const QString session = cell ? cell->text() : QString();
    QString suggested;
    const QListWidgetItem *contact = m_contactNamesList->currentItem();
    const QListWidgetItem *day = m_conferenceChatDateList->currentItem();
    if (contact && contact->isSelected())
        suggested = contact->text() + session;
    else if (day && day->isSelected())
        suggested = session + day->text();

    const QString title = QStringLiteral("Chat History");
    if (m_showingNotice || m_historyDisplay->toPlainText().simplified().isEmpty()) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Chat history should not be empty"));
        return;
    }
    emit pauseMovie();
    QString fileName = ZELPlatform::choosers()->saveFileName(
        this, QStringLiteral("Choose a directory to save file"),
        m_saveFolder + QLatin1Char('/') + (suggested.isEmpty() ? QString() : ZELHistoryPaths::component(suggested)),
        QStringLiteral("*.html *.pdf"));
    emit restartMovie();
    if (fileName.isEmpty()) {
        m_informationBox->showInformationBox(this, title, QStringLiteral("Chat History has not been saved"));
        return;
    }
    if (!folderWritable(QFileInfo(fileName).absolutePath())) {
        m_informationBox->showInformationBox(this, QStringLiteral("Access Denied"),
                                             QStringLiteral("Destination folder is write protected"));
        return;
    }
    const QString suffix = QFileInfo(fileName).suffix();
    bool saved = false;
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        saved = saveChatSessionAsPdf(fileName);
    } else {
        if (suffix.isEmpty())
            fileName += QLatin1String(".html");
        saved = saveChatSessionAsHtml(fileName);
    }
    m_informationBox->showInformationBox(this, title, saved ? QStringLiteral("Chat History has been saved successfully")
                                                            : QStringLiteral("Chat History has not been saved"));
}

// Written as UTF-8, the encoding the document's own header declares.
bool ZELChatHistoryListWindow::saveChatSessionAsHtml(const QString &fileName)
{
    const QString html = absolutePictures(m_historyDisplay->wholeHtml(), m_imageFolder);
    return ZELSafeWrite::replace(fileName, html.toUtf8()).ok;
}

bool ZELChatHistoryListWindow::saveChatSessionAsPdf(QString fileName)
{
    if (fileName.isEmpty())
        return false;
    return m_historyDisplay->saveWholeAsPdf(fileName).ok;
}

// The session table stays enabled; its handler checks the flag instead.
void ZELChatHistoryListWindow::closeConnection()
{
    m_disconnected = true;
    m_contactNamesList->setEnabled(false);
    m_conferenceChatDateList->setEnabled(false);
}

void ZELChatHistoryListWindow::connectedServer()
{
    m_disconnected = false;
    m_contactNamesList->setEnabled(true);
    m_conferenceChatDateList->setEnabled(true);
}

bool ZELChatHistoryListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier) {
            if (m_saveChatButton->isEnabled())
                saveChatSession();
            return true;
        }
    }
    if (watched == this && event->type() == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if (change->oldState() == (Qt::WindowMinimized | Qt::WindowMaximized))
            QTimer::singleShot(1, this, &ZELChatHistoryListWindow::showChatHistoryWindow);
    }
    return QDialog::eventFilter(watched, event);
}

// Closing hides: the lists, the members and the maximised flag stay for the
// next opening.
void ZELChatHistoryListWindow::closeEvent(QCloseEvent *event)
{
    m_chatDateList->setRowCount(0);
    m_chatDateList->setColumnCount(0);
    m_historyDisplay->clear();
    m_closeButton->clearFocus();
    ZELFramelessHelper::setButtonImage(m_maximizeButton, QStringLiteral(":images/maxbut.jpg"));
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    event->accept();
}
