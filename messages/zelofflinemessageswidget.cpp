#include "messages/zelofflinemessageswidget.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include "protocol/zelfilenames.h"
#include "mainwindow/zelmainwindowlook.h"
#include "platform/zelchoosers.h"
#include "platform/zeldesktopservices.h"
#include "platform/zelplatform.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zelsharedsheet.h"
#include "style/zeltextbounds.h"
#include "style/zelplainstyle.h"

namespace {

const char kWaiting[] = "Waiting";
const char kDownloading[] = "Downloading....";
const char kDownloaded[] = "Downloaded";
const char kFtpIcon[] = ":images/ftp.gif";
const int FileTab = 1;

void setColouredText(QTableWidget *table, int row, int column, const QString &text, Qt::GlobalColor colour)
{
    auto *item = new QTableWidgetItem(text);
    item->setForeground(QBrush(colour));
    table->setItem(row, column, item);
}

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

// The file name of a row as sent; the cell shows it cleaned and shortened.
QString fileNameAt(const QTableWidget *table, int row)
{
    return ZELTextBounds::wireName(table->item(row, ZELOfflineMessagesWidget::FileNameColumn));
}

} // namespace

ZELOfflineMessagesWidget::ZELOfflineMessagesWidget()
    : QWidget(nullptr)
{
    windowSettings();
    defaultSettings();
    initializeMemberVariables();
    setZELStyle();
    setupOfflineTables();
    signalsAndSlots();
}

ZELOfflineMessagesWidget::~ZELOfflineMessagesWidget()
{
    m_checkedMessageCount = 0;
    m_offlineFileCount = 0;
    m_loginId.clear();
    delete m_questionBox;
    delete m_informationBox;
    delete m_rotationTimer;
}

void ZELOfflineMessagesWidget::windowSettings()
{
    setupUi(this);
    // A file's state may be the server's word: plain text, never markup.
    m_fileStatusLabel->setTextFormat(Qt::PlainText);
    setWindowIcon(QIcon(QStringLiteral(":images/offlineMessage.gif")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setMask(rect());
}

void ZELOfflineMessagesWidget::defaultSettings()
{
    m_closeButton->installEventFilter(this);
    installEventFilter(this);
    m_minimizeButton->installEventFilter(this);
    m_deleteButton->setEnabled(false);
    m_replyPushButton->setEnabled(false);
    m_offlineTabWidget->setTabIcon(0, QIcon(QStringLiteral(":images/offlineMessage.gif")));
    m_offlineTabWidget->setTabIcon(FileTab, QIcon(QString::fromLatin1(kFtpIcon)));
    // Only a selected waiting row enables the file buttons.
    setFileButtonsEnabled(false);
}

void ZELOfflineMessagesWidget::initializeMemberVariables()
{
    m_downloading = m_inactive = false;
    m_checkedMessageCount = m_offlineFileCount = m_iconIndex = 0;
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                           QMessageBox::No, 0, this);
    m_informationBox = new ZELMessageBoxClass(this);
    m_rotationTimer = new QTimer(this);
}

void ZELOfflineMessagesWidget::setZELStyle()
{
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_closeButton),
                            static_cast<QWidget *>(m_minimizeButton), static_cast<QWidget *>(m_offlineTable),
                            static_cast<QWidget *>(m_receivedFileDetailsTable)}) {
        ZELPlainStyle::setOn(widget);
    }
    // Title buttons, frame labels, background, drag and corner resize.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground);
}

void ZELOfflineMessagesWidget::setupOfflineTables()
{
    m_offlineTable->setColumnCount(6);
    const int widths[] = {50, 50, 50, 100, 150, 305};
    for (int column = 0; column < 6; ++column)
        m_offlineTable->setColumnWidth(column, widths[column]);
    m_offlineTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_offlineTable->setHorizontalHeaderLabels({QStringLiteral("Check"), QString(), QStringLiteral("Sender"),
                                               QStringLiteral("Sender"), QStringLiteral("Sent Time"),
                                               QStringLiteral("Message")});
    m_offlineTable->horizontalHeaderItem(1)->setIcon(QIcon(QStringLiteral(":images/unreadmessag.png")));
    m_offlineTable->setColumnHidden(2, true);
    m_offlineTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_offlineTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_offlineTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_offlineTable->horizontalHeader()->setStretchLastSection(true);
    m_offlineTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A header marks the sections of a selection in bold, wider than the
    // plain text its sections are sized to: with one row, selecting it would
    // cut every column title.
    for (QTableWidget *table : {m_offlineTable, m_receivedFileDetailsTable}) {
        table->horizontalHeader()->setHighlightSections(false);
        table->verticalHeader()->setHighlightSections(false);
    }

    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    // The table's own corner sheet carries the shared one for its parts.
    ZELSharedSheet::apply(m_offlineTable,
                          {m_offlineTable->horizontalHeader(), m_offlineTable->verticalHeader(),
                           m_offlineTable->verticalScrollBar(), m_offlineTable->horizontalScrollBar()},
                          sheet);
    // The tab widget keeps the whole sheet for the pages it may be given.
    m_offlineTabWidget->setStyleSheet(sheet);
    for (QWidget *widget : {static_cast<QWidget *>(m_messageBox), static_cast<QWidget *>(m_defaultFileLocation),
                            static_cast<QWidget *>(m_receivedFileDetailsTable)})
        ZELSharedSheet::setFitted(widget, sheet);
    m_offlineTabWidget->setCurrentIndex(0);

    m_receivedFileDetailsTable->setColumnCount(7);
    m_receivedFileDetailsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_receivedFileDetailsTable->setHorizontalHeaderLabels(
        {QStringLiteral("File Name"), QStringLiteral("Path"), QStringLiteral("Size"), QStringLiteral("Recieved From"),
         QStringLiteral("Recieved From"), QStringLiteral("Sent Time"), QStringLiteral("Status")});
    m_receivedFileDetailsTable->setColumnHidden(SenderUserColumn, true);
    // Rows made at the height a fill gives them: a changed height makes the
    // header place every row again, which for a long list grows with its square.
    m_receivedFileDetailsTable->verticalHeader()->setDefaultSectionSize(15);
}

void ZELOfflineMessagesWidget::signalsAndSlots()
{
    // The frame helper already closes and minimises from the title buttons.
    connect(m_cancelButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_browsebutton, &QAbstractButton::clicked, this, &ZELOfflineMessagesWidget::onBrowseButtonClicked);
    connect(m_ftpDownloadButton, &QAbstractButton::clicked, this, &ZELOfflineMessagesWidget::onDownloadButtonClicked);
    connect(m_ftpRejectButton, &QAbstractButton::clicked, this, &ZELOfflineMessagesWidget::onRejectButtonClicked);
    connect(m_receivedFileDetailsTable, &QTableWidget::itemSelectionChanged, this,
            &ZELOfflineMessagesWidget::selectionChangedFileDetails);
    connect(m_receivedFileDetailsTable, &QTableWidget::cellDoubleClicked, this,
            &ZELOfflineMessagesWidget::openDowloadedFile);
    connect(m_offlineTable->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &ZELOfflineMessagesWidget::sectionClickedSignal);
    connect(m_rotationTimer, &QTimer::timeout, this, &ZELOfflineMessagesWidget::rotateDownloadingIcon);
}

void ZELOfflineMessagesWidget::setFileButtonsEnabled(bool enabled)
{
    m_browsebutton->setEnabled(enabled);
    m_ftpDownloadButton->setEnabled(enabled);
    m_ftpRejectButton->setEnabled(enabled);
}

bool ZELOfflineMessagesWidget::folderWritable(const QString &folder) const
{
    if (m_folderWritable)
        return m_folderWritable(folder);
    return QFileInfo(folder).isWritable();
}

QString ZELOfflineMessagesWidget::chooseFolder()
{
    return ZELPlatform::choosers()->existingFolder(this, QStringLiteral("Choose a directory"),
                                                   QDir::homePath() + QStringLiteral("/Desktop"));
}

QString ZELOfflineMessagesWidget::shortName(const QString &wireName)
{
    const QString fileName = ZELTextBounds::withoutFormatControls(wireName);
    return (fileName.size() > 20 ? fileName.left(20) + QStringLiteral("...") : fileName).toHtmlEscaped();
}

void ZELOfflineMessagesWidget::addOfflineFile(const QStringList &details, int at, const QString &folder)
{
    const QString keySeparator = QStringLiteral("^%");
    const QString sizeSeparator = QStringLiteral("##");
    const QString key = details.value(at);
    const QString sizeAndName = details.value(at + 2);
    const QString fileName = key.section(keySeparator, 2, 2);
    const int row = m_receivedFileDetailsTable->rowCount();
    m_receivedFileDetailsTable->insertRow(row);
    m_receivedFileDetailsTable->setRowHeight(row, 15);
    auto *name = new QTableWidgetItem;
    ZELTextBounds::setFileName(name, fileName);
    m_receivedFileDetailsTable->setItem(row, FileNameColumn, name);
    m_receivedFileDetailsTable->setItem(row, PathColumn, new QTableWidgetItem(folder));
    m_receivedFileDetailsTable->setItem(
        row, SizeColumn,
        new QTableWidgetItem(ZELTextBounds::shownName(sizeAndName.section(sizeSeparator, 0, 0))
                             + QStringLiteral(" bytes")));
    m_receivedFileDetailsTable->setItem(row, SenderUserColumn, new QTableWidgetItem(key.section(keySeparator, 1, 1)));
    m_receivedFileDetailsTable->setItem(row, SenderNameColumn,
                                        new QTableWidgetItem(ZELTextBounds::shownName(
                                            sizeAndName.section(sizeSeparator, 1, 1))));
    m_receivedFileDetailsTable->setItem(row, SentTimeColumn,
                                        new QTableWidgetItem(ZELTextBounds::shownName(details.value(at + 1))));
    setColouredText(m_receivedFileDetailsTable, row, StatusColumn, QString::fromLatin1(kWaiting), Qt::blue);
    if (at == 1) {
        ZELTextBounds::setFileName(m_recievedFileLabel, fileName);
        m_fileStatusLabel->setText(QString::fromLatin1(kWaiting));
        m_defaultFileLocation->setText(folder);
    }
    ++m_offlineFileCount;
}

void ZELOfflineMessagesWidget::onBrowseButtonClicked()
{
    const QString folder = chooseFolder();
    if (folder.isEmpty())
        return;
    if (!folderWritable(folder)) {
        m_informationBox->showInformationBox(this, QStringLiteral("Access Denied"),
                                             QStringLiteral("Destination folder is write protected"));
        return;
    }
    m_defaultFileLocation->setText(folder);
    for (int row = 0; row < m_receivedFileDetailsTable->rowCount(); ++row) {
        if (fileNameAt(m_receivedFileDetailsTable, row) == ZELTextBounds::wireName(m_recievedFileLabel))
            m_receivedFileDetailsTable->setItem(row, PathColumn, new QTableWidgetItem(folder));
    }
}

void ZELOfflineMessagesWidget::onDownloadButtonClicked()
{
    if (m_downloading) {
        m_informationBox->showInformationBox(this, QStringLiteral("File Downloading"),
                                             QStringLiteral("Wait..Already one file is downloading"));
        return;
    }
    const int row = m_receivedFileDetailsTable->currentRow();
    const QTableWidgetItem *nameItem = m_receivedFileDetailsTable->item(row, FileNameColumn);
    const QTableWidgetItem *pathItem = m_receivedFileDetailsTable->item(row, PathColumn);
    const QTableWidgetItem *senderItem = m_receivedFileDetailsTable->item(row, SenderUserColumn);
    if (row < 0 || !nameItem || !pathItem || !senderItem)
        return;
    QString fileName = ZELTextBounds::wireName(nameItem);
    const QString path = pathItem->text();
    const QString sender = senderItem->text();
    if (!QFileInfo(path).isDir()) {
        m_informationBox->showInformationBox(this, QStringLiteral("File Downloading"),
                                             QStringLiteral("Path does not exist"));
        return;
    }
    if (!folderWritable(path)) {
        m_informationBox->showInformationBox(this, QStringLiteral("Access Denied"),
                                             QStringLiteral("Destination folder is write protected"));
        return;
    }
    // The name is the server's: only its bare form is looked for inside the folder.
    const QString target = zelSafeFilePath(path, fileName);
    if (!target.isEmpty() && QFileInfo::exists(target) && !alertMessageBox(fileName)) {
        const QString folder = chooseFolder();
        if (folder.isEmpty())
            return;
        m_defaultFileLocation->setText(folder);
        for (int other = 0; other < m_receivedFileDetailsTable->rowCount(); ++other) {
            if (fileNameAt(m_receivedFileDetailsTable, other) == ZELTextBounds::wireName(m_recievedFileLabel)) {
                m_receivedFileDetailsTable->setItem(other, PathColumn, new QTableWidgetItem(folder));
                break;
            }
        }
    }
    // An existing file agreed to be overwritten is replaced only once the new
    // bytes are on disk, so a download that never arrives does not cost it.

    QStringList request{QStringLiteral("OFFLINEFTPACCEPT"),
                        m_loginId + QStringLiteral("^%") + sender + QStringLiteral("^%") + fileName};
    setColouredText(m_receivedFileDetailsTable, row, StatusColumn, QString::fromLatin1(kDownloading), Qt::red);
    m_fileStatusLabel->setText(QString::fromLatin1(kDownloading));
    m_downloading = true;
    setFileButtonsEnabled(false);
    m_rotationTimer->start(100);
    --m_offlineFileCount;
    QString folder = cellText(m_receivedFileDetailsTable, row, PathColumn);
    emit downloadOfflineFile(request, folder, fileName);
    m_receivedFileDetailsTable->clearSelection();
}

void ZELOfflineMessagesWidget::onRejectButtonClicked()
{
    const int row = m_receivedFileDetailsTable->currentRow();
    if (row < 0)
        return;
    const QTableWidgetItem *nameItem = m_receivedFileDetailsTable->item(row, FileNameColumn);
    const QTableWidgetItem *senderItem = m_receivedFileDetailsTable->item(row, SenderUserColumn);
    if (!nameItem || !senderItem)
        return;
    QStringList request{QStringLiteral("OFFLINEFTPREJECT"), m_loginId + QStringLiteral("^%") + senderItem->text()
                                                                + QStringLiteral("^%")
                                                                + ZELTextBounds::wireName(nameItem)};
    setColouredText(m_receivedFileDetailsTable, row, PathColumn, QStringLiteral("File Not Downloaded"), Qt::red);
    setColouredText(m_receivedFileDetailsTable, row, StatusColumn, QStringLiteral("Rejected"), Qt::red);
    m_fileStatusLabel->setText(QStringLiteral("Rejected"));
    setFileButtonsEnabled(false);
    --m_offlineFileCount;
    emit rejectOfflineFile(request);
    m_receivedFileDetailsTable->clearSelection();
}

void ZELOfflineMessagesWidget::selectionChangedFileDetails()
{
    if (!ZELFramelessHelper::holdsWindowFocus(m_receivedFileDetailsTable) || m_inactive)
        return;
    const int row = m_receivedFileDetailsTable->currentRow();
    if (row < 0)
        return;
    ZELTextBounds::setFileName(m_recievedFileLabel, fileNameAt(m_receivedFileDetailsTable, row));
    m_defaultFileLocation->setText(cellText(m_receivedFileDetailsTable, row, PathColumn));
    const QString status = cellText(m_receivedFileDetailsTable, row, StatusColumn);
    m_fileStatusLabel->setText(status);
    setFileButtonsEnabled(status == QLatin1String(kWaiting));
}

void ZELOfflineMessagesWidget::rotateDownloadingIcon()
{
    m_offlineTabWidget->setTabIcon(FileTab, QIcon(QStringLiteral(":images/icon%1.png").arg(m_iconIndex)));
    m_iconIndex = (m_iconIndex + 1) % 4;
}

void ZELOfflineMessagesWidget::openDowloadedFile(int row, int)
{
    const QTableWidgetItem *status = m_receivedFileDetailsTable->item(row, StatusColumn);
    if (!status)
        return;
    if (status->text() != QLatin1String(kDownloaded)) {
        m_informationBox->showInformationBox(this, QStringLiteral("Open Downloaded File"),
                                             QStringLiteral("File not downloaded"));
        return;
    }
    const QString fileName = fileNameAt(m_receivedFileDetailsTable, row);
    // The file was written under its bare name; that is the one to open.
    const QString fullName = zelSafeFilePath(cellText(m_receivedFileDetailsTable, row, PathColumn), fileName);
    const int answer = m_questionBox->showQuestionBox(
        this, QStringLiteral("Downloaded File"),
        QStringLiteral("Are you sure you want to open <font color=Blue>") + shortName(fileName)
            + QStringLiteral("<font color=Black> file ?"),
        3, 4);
    if (answer != 3)
        return;
    if (fullName.isEmpty() || !QFileInfo::exists(fullName)) {
        m_informationBox->showInformationBox(this, QStringLiteral("Open Downloaded File"),
                                             QStringLiteral("File does not exist"));
        return;
    }
    if (!ZELPlatform::desktopServices()->openUrl(QUrl::fromLocalFile(fullName)))
        m_informationBox->showInformationBox(this, QStringLiteral("Open Downloaded File"),
                                             QStringLiteral("Unknown file format"));
}

bool ZELOfflineMessagesWidget::alertMessageBox(QString fileName)
{
    return m_questionBox->showQuestionBox(this, QStringLiteral("File Transfer"),
                                          QStringLiteral("Do you want to over write <font color=Blue>")
                                              + shortName(fileName) + QStringLiteral("<font color = black> file ?"),
                                          0, 1)
           == 0;
}

void ZELOfflineMessagesWidget::sectionClickedSignal(int column)
{
    if (column != 0 || m_offlineTable->rowCount() == 0)
        return;
    m_offlineTable->sortItems(4, Qt::DescendingOrder);
    for (int row = 0; row < m_offlineTable->rowCount(); ++row) {
        QTableWidgetItem *check = m_offlineTable->item(row, 0);
        if (check)
            check->setCheckState(check->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void ZELOfflineMessagesWidget::minimizedWindow()
{
    showMinimized();
}

void ZELOfflineMessagesWidget::closeConnection()
{
    m_inactive = true;
    m_receivedFileDetailsTable->clearSelection();
    if (m_downloading) {
        m_rotationTimer->stop();
        m_offlineTabWidget->setTabIcon(FileTab, QIcon(QString::fromLatin1(kFtpIcon)));
        for (int row = 0; row < m_receivedFileDetailsTable->rowCount(); ++row) {
            if (cellText(m_receivedFileDetailsTable, row, StatusColumn) == QLatin1String(kDownloading)) {
                setColouredText(m_receivedFileDetailsTable, row, StatusColumn, QStringLiteral("Failed"), Qt::red);
                setColouredText(m_receivedFileDetailsTable, row, PathColumn, QStringLiteral("Network Problem"),
                                Qt::red);
                break;
            }
        }
        if (m_fileStatusLabel->text() == QLatin1String(kDownloading))
            m_fileStatusLabel->setText(QStringLiteral("Network Problem"));
    }
    setFileButtonsEnabled(false);
}

void ZELOfflineMessagesWidget::connectedServer()
{
    m_inactive = false;
    m_receivedFileDetailsTable->clearSelection();
}

bool ZELOfflineMessagesWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        close();
    return false;
}

void ZELOfflineMessagesWidget::closeEvent(QCloseEvent *event)
{
    m_deleteButton->setEnabled(false);
    m_replyPushButton->setEnabled(false);
    setFileButtonsEnabled(false);
    // Emptying the inbox is not the user unchecking its rows.
    m_inactive = true;
    m_offlineTable->setRowCount(0);
    m_inactive = false;
    m_checkedMessageCount = 0;
    m_offlineTabWidget->setTabEnabled(0, true);
    m_offlineTabWidget->setTabEnabled(FileTab, true);
    m_receivedFileDetailsTable->clearSelection();
    m_iconIndex = 0;
    if (m_rotationTimer->isActive())
        m_rotationTimer->stop();
    m_messageBox->clear();
    emit closeWidget();
    event->accept();
}
