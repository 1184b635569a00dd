#include "chat/zelchatwindow.h"

#include "chat/zelinvitablelist.h"
#include "chat/zelsmileydialog.h"
#include "chat/zeltranscript.h"
#include "mainwindow/zelcontactrow.h"
#include "mainwindow/zelmainwindowlook.h"
#include "media/zeldesktopcapturehelper.h"
#include "media/zelscreencaptureeditor.h"
#include "platform/zelchoosers.h"
#include "platform/zeldesktopservices.h"
#include "platform/zelplatform.h"
#include "style/zelframelesshelper.h"
#include "style/zellinkrule.h"
#include "style/zelmessageboxclass.h"
#include "style/zelsharedsheet.h"
#include "style/zelstyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMovie>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace {

// Columns shared by the upload and download tables.
enum FileColumn { FileNameColumn = 0, FolderColumn = 1, PeerColumn = 3, StatusColumn = 5, LockedColumn = 6 };
const int kFileColumnCount = 7;

const char kFailureBackground[] = "#f5fffa";
const char kTrue[] = "TRUE";
const char kLockImage[] = "<img src = ':images/lock.gif' width='16' height='16'>&nbsp;";
const char kPhotoFrameSheet[] =
    "border: 1px solid gray; border-radius: 5px;padding: 2px2px;background-color:qconicalgradient(x1: 0, "
    "y1: 0, x2: 0.5, y2: 0.5,stop: 0 #1891D0, stop: 1 white);";
const char kPhotoHoverSheet[] =
    "border: 1px solid gray; border-radius: 5px;padding: 1px1px;background-color:qconicalgradient(x1: 0, "
    "y1: 0, x2: 0.5, y2: 0.5,stop: 0 #1891D0, stop: 1 white);";
const char kNoPhotoImage[] = ":images/userInfo1.png";

int s_deliveryCheckInterval = 30000;

bool isTrue(const QString &flag)
{
    return flag == QLatin1String(kTrue);
}

// The smiley codes typed in the input and the pictures they become. A code and
// its picture are both two characters long, so cursor positions survive.
struct SmileyCode
{
    const char *code;
    const char *html;
};
const SmileyCode smileyCodes[] = {
    {":|", "<img src = 'Smileys/Smile.png'>&nbsp;"},
    {":)", "<img src = 'Smileys/Hot.png'>&nbsp;"},
};

// A colour button: its picture as face and the colour in the bar under it.
QPalette colourButtonPalette(QPalette palette, const QString &image, const QSize &size, const QColor &text)
{
    const QPixmap face = loadCachedPixmap(image);
    const QBrush brush(face.isNull() ? QPixmap()
                                     : face.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::FastTransformation));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Button, brush);
        palette.setBrush(group, QPalette::Window, brush);
        palette.setBrush(group, QPalette::ButtonText, QBrush(text));
    }
    return palette;
}

// The light blue of the tab widget, the tool buttons and the conference lists.
QPalette toolPalette()
{
    QPalette tools;
    const auto set = [&tools](QPalette::ColorRole role, const QColor &colour) {
        ZELMainWindowLook::setRole(tools, role, QBrush(colour));
    };
    set(QPalette::Light, QColor(255, 255, 255, 255));
    set(QPalette::Midlight, QColor(144, 209, 247, 255));
    set(QPalette::Dark, QColor(255, 255, 255, 255));
    set(QPalette::WindowText, QColor(0, 102, 204, 255));
    set(QPalette::Base, QColor(255, 255, 255, 255));
    set(QPalette::Window, QColor(144, 209, 247, 255));
    set(QPalette::Shadow, QColor(144, 209, 247, 255));
    set(QPalette::Highlight, QColor(144, 209, 247, 255));
    set(QPalette::AlternateBase, QColor(248, 252, 255, 255));
    set(QPalette::Text, QColor(0, 0, 0, 255));
    set(QPalette::Button, QColor(240, 245, 251, 255));
    return tools;
}

// Keys pressed in the input, tested in this order; the first row that
// matches acts. A row with exact modifiers matches only that set.
struct InputKeyRow
{
    bool (*key)(int key);
    Qt::KeyboardModifiers modifiers;
    bool anyModifiers;
    bool (*applies)(const ZELChatWindow &window); // null: always
    void (*action)(ZELChatWindow &window);
    bool consumed;
};

const InputKeyRow inputKeys[] = {
    {[](int k) { return k == Qt::Key_Up; }, Qt::ControlModifier, false, nullptr,
     [](ZELChatWindow &w) { w.showPreviousMessage(); }, true},
    {[](int k) { return k == Qt::Key_Down; }, Qt::ControlModifier, false, nullptr,
     [](ZELChatWindow &w) { w.showNextMessage(); }, true},
    {[](int k) { return k == Qt::Key_B; }, Qt::ControlModifier, false, nullptr,
     [](ZELChatWindow &w) { w.writeBoldLetters(); }, true},
    {[](int k) { return k == Qt::Key_U; }, Qt::ControlModifier, false, nullptr,
     [](ZELChatWindow &w) { w.writeUnderLineLetters(); }, true},
    {[](int k) { return k == Qt::Key_I; }, Qt::ControlModifier, false, nullptr,
     [](ZELChatWindow &w) { w.writeItalicLetters(); }, true},
    {[](int k) { return k == Qt::Key_P; }, Qt::AltModifier, false, nullptr,
     [](ZELChatWindow &w) {
         QToolButton *lock = w.m_passwordProtectButton;
         if (lock->isVisible() && lock->isEnabled())
             lock->setChecked(!lock->isChecked());
     },
     true},
    {[](int k) { return k == Qt::Key_E; }, Qt::ControlModifier, false,
     [](const ZELChatWindow &w) { return w.m_smileyButton->isEnabled(); },
     [](ZELChatWindow &w) { w.openSmiley(); }, true},
    // Blank, digits, letters and punctuation up to the back quote.
    {[](int k) { return k >= 0x1E && k <= 0x64; }, Qt::NoModifier, true, nullptr,
     [](ZELChatWindow &w) { w.sendTypeMessage(); }, false},
    {[](int k) { return k == Qt::Key_Delete || k == Qt::Key_Backspace; }, Qt::NoModifier, true, nullptr,
     [](ZELChatWindow &w) { w.sendEraseMessage(); }, false},
    {[](int k) { return k == Qt::Key_Return; }, Qt::ShiftModifier, false, nullptr,
     [](ZELChatWindow &w) {
         if (isTrue(w.m_enterKeyOption))
             w.serverMessage->insertHtml(QStringLiteral("<br>"));
         else
             w.sendChatMessage();
     },
     true},
    {[](int k) { return k == Qt::Key_Enter || k == Qt::Key_Return; }, Qt::NoModifier, true,
     [](const ZELChatWindow &w) { return isTrue(w.m_enterKeyOption); },
     [](ZELChatWindow &w) {
         if (w.sendButton->isEnabled())
             w.sendChatMessage();
     },
     true},
};

// Ctrl + key on the window (keys its focused child left unhandled).
struct WindowKeyRow
{
    int key;
    bool (*applies)(const ZELChatWindow &window); // null: always
    void (*action)(ZELChatWindow &window);
};

const WindowKeyRow windowKeys[] = {
    {Qt::Key_F, nullptr,
     [](ZELChatWindow &w) {
         w.m_findTextLineEdit->setFocus();
         ZELSharedSheet::setShared(w.m_findTextLineEdit,
                                   QStringLiteral("border: 1px solid gray;background: white;border-radius: 3px;"));
         w.m_findFrame->show();
     }},
    {Qt::Key_S, [](const ZELChatWindow &w) { return w.m_savePushButton->isEnabled(); },
     [](ZELChatWindow &w) { w.saveChatSession(); }},
    {Qt::Key_D, [](const ZELChatWindow &w) { return w.m_deskTopCaptureButton->isEnabled(); },
     [](ZELChatWindow &w) { w.desktopCapture(); }},
    {Qt::Key_T, [](const ZELChatWindow &w) { return w.m_fileSend->isEnabled(); },
     [](ZELChatWindow &w) { w.fileSend(); }},
    {Qt::Key_P, [](const ZELChatWindow &w) { return w.m_insertImageToolButton->isEnabled(); },
     [](ZELChatWindow &w) { w.insertImageClicked(); }},
    {Qt::Key_M,
     [](const ZELChatWindow &w) { return w.m_conferenceButton->isEnabled() && w.m_conferenceButton->isVisible(); },
     [](ZELChatWindow &w) { w.changeConferenceClicked(); }},
};

} // namespace

ZELChatWindow::ZELChatWindow()
    : QWidget(nullptr)
{
    windowSettings();
    initializeMemberVariables();
    defaultSettings();
    setZELStyle();
    signalsAndSlots();
}

ZELChatWindow::~ZELChatWindow()
{
    // The page's lists may still signal while the form goes, after the page's
    // record has gone: a slot reaching the page then must not build it anew.
    if (m_conferencePage) {
        m_conferencePage->m_onlineUsersListBox->disconnect(this);
        m_conferencePage->m_chatRoomListBox->disconnect(this);
    }
    m_questionBox.reset();
    m_informationBox.reset();
    m_smileyDialog.reset();
    // A capture still open goes with its window, editor included, and reports nothing.
    if (m_captureHelper) {
        m_captureHelper->disconnect(this);
        delete m_captureHelper->m_screenCaptureEditor.data();
        delete m_captureHelper;
    }
    m_privilegeMap.clear();
}

int ZELChatWindow::deliveryCheckInterval()
{
    return s_deliveryCheckInterval;
}

void ZELChatWindow::setDeliveryCheckInterval(int milliseconds)
{
    s_deliveryCheckInterval = milliseconds;
}

void ZELChatWindow::setUserDetails(QString ownLoginId, QString peer, QString loginPassword)
{
    m_ownLoginId = ownLoginId;
    m_peer = peer;
    m_loginPassword = loginPassword;
}

void ZELChatWindow::restoreWindowState()
{
    if (m_maximizedFlag) {
        // The window system places a maximised window; a geometry set here
        // would take the maximised state away again.
        showMaximized();
        setMask(QRegion(rect()));
    } else {
        showNormal();
        setMask(QRegion(rect()));
        m_maximizedFlag = false;
    }
}

void ZELChatWindow::setPresencePicture(const QString &path)
{
    m_statusPixmap->setPixmap(
        QPixmap(path).scaled(15, 15, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
}

void ZELChatWindow::windowSettings()
{
    setupUi(this);
    setMask(QRegion(rect()));
    // Without a frame from the window system; it can still be minimised.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowIcon(ZELContactRow::icon(":images/chat_icon.png"));
    setAcceptDrops(true);
    // Title buttons, drag, corner resize and the frame pictures.
    m_chrome = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground);
    // A received text pasted into the input box brings its pictures along.
    ZELLinkRule::guardPictures(serverMessage);
}

void ZELChatWindow::initializeMemberVariables()
{
    m_closing = m_keepOpen = m_stopCancelled = false;
    m_fileDropped = m_pictureDropped = m_conferenceStopped = m_transferActive = false;
    m_resizing = m_dragging = m_matchCase = m_searchState = m_wholeWord = false;
    m_ignoreClose = m_deliveryPending = m_closeSilently = m_moviesPaused = m_maximizedFlag = false;
    m_overwriteFile = m_downloading = m_uploading = false;
    m_typingAnimation = m_erasingAnimation = m_peerSignedOut = m_offlineMessagePending = false;
    m_uploadIconFrame = 0;
    m_downloadIconFrame = 0;
    m_receivedFileCount = 0;

    m_informationBox.setBuilder([this] { return new ZELMessageBoxClass(this); });
    m_questionBox.setBuilder([this] {
        return new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, QMessageBox::Yes,
                                      QMessageBox::No, 0, this);
    });
    m_smileyDialog.setBuilder([this] {
        auto *dialog = new ZELSmileyDialog;
        connect(dialog, &ZELSmileyDialog::sendSelectedSmiley, this, &ZELChatWindow::selectSmiley);
        return dialog;
    });
    m_uploadTimer = new QTimer(this);
    m_downloadTimer = new QTimer(this);
}

void ZELChatWindow::defaultSettings()
{
    // Both animations stay stopped until typing notices or a download start them.
    auto *typing = new QMovie(QStringLiteral(":images/pencil.gif"), QByteArray(), this);
    m_messageIndicationGif->setMovie(typing);
    m_messageIndicationGif->setScaledContents(true);
    typing->setCacheMode(QMovie::CacheAll);

    totalMessage->setReadOnly(true);
    downLoadPage->setEnabled(false);
    Chat->setCurrentIndex(0);

    for (QObject *watched : {static_cast<QObject *>(m_closeButton), static_cast<QObject *>(m_minimizeButton),
                             static_cast<QObject *>(serverMessage), static_cast<QObject *>(m_maximizeButton),
                             static_cast<QObject *>(m_logoLabel), static_cast<QObject *>(this),
                             static_cast<QObject *>(m_userStatusPixmap), static_cast<QObject *>(m_findTextLineEdit),
                             static_cast<QObject *>(m_indicateFileReceivedLabel)})
        watched->installEventFilter(this);

    serverMessage->setFocus();
    sendButton->setEnabled(false);

    for (QWidget *w : {static_cast<QWidget *>(m_findFrame), static_cast<QWidget *>(m_wrappedLabel),
                       static_cast<QWidget *>(m_searchWrapped), static_cast<QWidget *>(m_messageDeliveredLabel),
                       static_cast<QWidget *>(m_messDeliveredCloseButton)})
        w->hide();

    m_textColor = Qt::black;
    m_backgroundColor = Qt::white;

    m_indicateFileReceivedLabel->hide();
    m_conferenceButton->hide();
    m_conferenceChatFrame->hide();
    m_cListLabel->hide();
    m_conferenceChatFrame->header()->hide();
    m_conferenceChatFrame->setRootIsDecorated(false);
    m_conferenceRootItem = new QTreeWidgetItem(m_conferenceChatFrame);
    m_conferenceRootItem->setExpanded(true);
    m_hideTreeViewButton->hide();

    m_quickReplyButton->setPopupMode(QToolButton::MenuButtonPopup);
}

void ZELChatWindow::setZELStyle()
{
    // Plain styles: the application style would paint its own faces over these.
    ZELMainWindowLook::setPlainStyle(this);
    for (QWidget *w : {static_cast<QWidget *>(m_hideTreeViewButton),
                       static_cast<QWidget *>(m_messDeliveredCloseButton),
                       static_cast<QWidget *>(m_quickReplyButton)})
        ZELMainWindowLook::setXpStyle(w);
    // Title buttons, window background and frame pieces come from the frame helper.

    const QPixmap toolBackground = loadCachedPixmap(QStringLiteral(":images/bg.jpg"));
    if (!toolBackground.isNull()) {
        QPalette strip;
        strip.setBrush(QPalette::Window,
                       QBrush(toolBackground.scaled(toolBackground.width(), m_frame->height(),
                                                    Qt::KeepAspectRatioByExpanding, Qt::FastTransformation)));
        m_frame->setPalette(strip);
        m_findFrame->setPalette(strip);
    }

    const QPalette tools = toolPalette();
    for (QWidget *w : {static_cast<QWidget *>(Chat), static_cast<QWidget *>(m_fileSend),
                       static_cast<QWidget *>(m_boldButton), static_cast<QWidget *>(m_italicButton),
                       static_cast<QWidget *>(m_underLineButton), static_cast<QWidget *>(m_smileyButton),
                       static_cast<QWidget *>(m_deskTopCaptureButton), static_cast<QWidget *>(m_savePushButton),
                       static_cast<QWidget *>(m_insertImageToolButton)})
        w->setPalette(tools);

    m_colorButton->setPalette(colourButtonPalette(tools, QStringLiteral(":images/fontcolor.jpg"),
                                                  m_colorButton->size(), Qt::black));
    m_backGroundColorButton->setPalette(colourButtonPalette(tools, QStringLiteral(":images/background_color.jpg"),
                                                            m_colorButton->size(), Qt::white));

    const char *tabIcons[] = {":images/chat_icon.png", ":images/uploading.png", ":images/downloading.png",
                              ":images/conferance_icon.png"};
    for (int tab = 0; tab < 4; ++tab)
        Chat->setTabIcon(tab, ZELContactRow::icon(tabIcons[tab]));

    const struct
    {
        QAbstractButton *button;
        const char *icon;
    } icons[] = {
        {m_italicButton, ":images/textitalic.png"},
        {m_boldButton, ":images/textbold.png"},
        {m_underLineButton, ":images/textunder.png"},
        {m_fileSend, ":images/uploading.png"},
        {m_colorButton, ":images/transparent.png"},
        {m_backGroundColorButton, ":images/transparent.png"},
        {m_smileyButton, ":images/smiley.gif"},
        {m_deskTopCaptureButton, ":images/capture.png"},
        {m_savePushButton, ":images/save.png"},
        {m_findCloseButton, ":images/closetab.png"},
        {m_nextFindButton, ":images/next.png"},
        {m_previousFindButton, ":images/prev.png"},
        {m_messDeliveredCloseButton, ":images/closetab.png"},
        {m_insertImageToolButton, ":images/insertImage.png"},
        {m_conferenceButton, ":images/groupChat.png"},
        {m_hideTreeViewButton, ":images/ArrowRight.gif"},
        {m_passwordProtectButton, ":images/lock.gif"},
        {m_quickReplyButton, ":images/quickreply.gif"},
    };
    for (const auto &entry : icons)
        entry.button->setIcon(ZELContactRow::icon(entry.icon));

    // Every widget given a style sheet keeps a parsed copy of its own and
    // styles what lies inside it by it. The sheets go through the one style
    // all shared sheets use, and each part of the window takes its sheet when
    // it first shows: the views' scroll bars when they have something to
    // scroll, the delivery notice and the participants tree when shown, the
    // find field when the find bar opens. Most windows never show them.
    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    for (QTextEdit *view : {static_cast<QTextEdit *>(totalMessage), serverMessage})
        ZELSharedSheet::setFittedView(view, sheet);
    // The file and conference pages are styled when one of them is first shown,
    // and built then if nothing needed them before: most windows never show
    // them, and their widgets and sheets cost the most.
    connect(Chat, &QTabWidget::currentChanged, this, &ZELChatWindow::styleSidePages);
    ZELSharedSheet::setSharedWhenShown(
        m_messageDeliveredLabel, QStringLiteral("border: 1px solid gray;border-radius: 3px;background: lightyellow;"));

    ZELSharedSheet::setSharedWhenShown(m_conferenceChatFrame,
                                       QStringLiteral("border: 1px solid gray;border-radius: 5px;padding: 1px1px;"));
    ZELSharedSheet::setShared(m_userStatusPixmap, QString::fromLatin1(kPhotoFrameSheet));
    fitFindBarToFonts();
}

void ZELChatWindow::styleSidePages()
{
    QWidget *const page = Chat->currentWidget();
    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    if ((page == uploadfile || page == downLoadPage) && !m_filePagesStyled) {
        m_filePagesStyled = true;
        Ui_chatFilePages &pages = filePages();
        for (QWidget *w : {static_cast<QWidget *>(pages.m_uploadedFiletable), static_cast<QWidget *>(pages.m_dowLoadtable)})
            ZELMainWindowLook::setXpStyle(w);
        // Each file table's own corner sheet carries the shared one for its parts.
        for (QTableWidget *table : {pages.m_uploadedFiletable, pages.m_dowLoadtable})
            ZELSharedSheet::apply(table,
                                  {table->verticalHeader(), table->horizontalHeader(), table->horizontalScrollBar(),
                                   table->verticalScrollBar()},
                                  sheet);
        ZELSharedSheet::setFitted(pages.m_defaultFileLocation, sheet);
    } else if (page == Conference_Chat && !m_conferencePageStyled) {
        m_conferencePageStyled = true;
        Ui_chatConferencePage &conference = conferencePage();
        for (QWidget *w : {static_cast<QWidget *>(conference.m_onlineUsersListBox),
                           static_cast<QWidget *>(conference.m_chatRoomListBox)})
            ZELSharedSheet::setFitted(w, sheet);
    }
}

void ZELChatWindow::signalsAndSlots()
{
    connect(sendButton, &QAbstractButton::clicked, this, &ZELChatWindow::sendChatMessage);
    connect(m_boldButton, &QAbstractButton::clicked, this, &ZELChatWindow::writeBoldLetters);
    connect(m_italicButton, &QAbstractButton::clicked, this, &ZELChatWindow::writeItalicLetters);
    connect(m_underLineButton, &QAbstractButton::clicked, this, &ZELChatWindow::writeUnderLineLetters);
    connect(m_fileSend, &QAbstractButton::clicked, this, &ZELChatWindow::fileSend);
    connect(m_colorButton, &QAbstractButton::clicked, this, &ZELChatWindow::setColorFont);
    connect(m_backGroundColorButton, &QAbstractButton::clicked, this, &ZELChatWindow::setBackGroundColor);
    connect(m_smileyButton, &QAbstractButton::clicked, this, &ZELChatWindow::openSmiley);
    connect(m_deskTopCaptureButton, &QAbstractButton::clicked, this, &ZELChatWindow::desktopCapture);
    // Close, minimise and maximise are wired by the frame helper; maximising
    // also keeps the remembered state.
    connect(m_chrome, &ZELFramelessHelper::windowResized, this, [this]() { m_maximizedFlag = isMaximized(); });
    connect(m_savePushButton, &QAbstractButton::clicked, this, &ZELChatWindow::saveChatSession);
    connect(m_findCloseButton, &QAbstractButton::clicked, this, &ZELChatWindow::findCloseClicked);
    connect(m_nextFindButton, &QAbstractButton::clicked, this, &ZELChatWindow::findNextClicked);
    connect(m_previousFindButton, &QAbstractButton::clicked, this, &ZELChatWindow::findPreviousClicked);
    connect(m_messDeliveredCloseButton, &QAbstractButton::clicked, this, &ZELChatWindow::messageDeliveredCloseClicked);
    connect(serverMessage, &QTextEdit::cursorPositionChanged, this, &ZELChatWindow::cursorChanged);
    connect(m_matchCaseCheckBox, &QCheckBox::stateChanged, this, &ZELChatWindow::matchCaseState);
    connect(m_wholeWordCheckBox, &QCheckBox::stateChanged, this, &ZELChatWindow::wholeWordState);
    connect(m_findTextLineEdit, &QLineEdit::textChanged, this, &ZELChatWindow::findTextInChat);
    connect(serverMessage, &QTextEdit::textChanged, this, &ZELChatWindow::replaceTextSmiley);
    connect(m_uploadTimer, &QTimer::timeout, this, &ZELChatWindow::rotateUploadingIcon);
    connect(m_downloadTimer, &QTimer::timeout, this, &ZELChatWindow::rotateDownloadingIcon);
    connect(m_insertImageToolButton, &QAbstractButton::clicked, this, &ZELChatWindow::insertImageClicked);
    connect(m_conferenceButton, &QAbstractButton::clicked, this, &ZELChatWindow::changeConferenceClicked);
    connect(m_hideTreeViewButton, &QAbstractButton::clicked, this, &ZELChatWindow::changeHideTreeViewClicked);
    connect(m_conferenceChatFrame, &QTreeWidget::itemDoubleClicked, this, &ZELChatWindow::treeViewDoubleClicked);
    connect(m_quickReplyButton, &QAbstractButton::clicked, this, &ZELChatWindow::showQuickReplyMenu);

    // Links in the transcript open as ZELMessageBrowser allows.
    keepTranscriptEndInView();
}

Ui_chatFilePages &ZELChatWindow::filePages()
{
    if (m_filePages)
        return *m_filePages;
    m_filePages = std::make_unique<Ui_chatFilePages>();
    Ui_chatFilePages &pages = *m_filePages;
    pages.setupUi(*this);
    // The pages take the window's plain style, as the rest of the form did when it was set.
    for (QWidget *page : {uploadfile, downLoadPage})
        for (QWidget *w : page->findChildren<QWidget *>())
            w->setStyle(style());
    tableSettings();
    pages.m_downLoadProgressBar->setMovie(
        new QMovie(QStringLiteral(":images/filedownload.gif"), QByteArray(), this));
    pages.m_downLoadProgressBar->hide();
    pages.m_dragAndDropFileNameLable->hide();
    // A transfer's state may be the server's word: plain text, never markup.
    pages.m_fileStatusLabel->setTextFormat(Qt::PlainText);
    connect(pages.m_dowLoadtable, &QTableWidget::cellClicked, this, &ZELChatWindow::selectFileToDowload);
    connect(pages.m_dowLoadtable, &QTableWidget::cellDoubleClicked, this, &ZELChatWindow::openDowloadedFile);
    connect(pages.m_browsebutton, &QAbstractButton::clicked, this, &ZELChatWindow::ftpBrowseLocation);
    connect(pages.m_ftpOk, &QAbstractButton::clicked, this, &ZELChatWindow::ftpAccept);
    connect(pages.m_ftpCancel, &QAbstractButton::clicked, this, &ZELChatWindow::ftpDeclined);
    // Built while one of them is shown: styled as a shown page is.
    styleSidePages();
    return pages;
}

void ZELChatWindow::hideDownloadProgress()
{
    if (!hasFilePages())
        return;
    if (QMovie *movie = filePages().m_downLoadProgressBar->movie())
        movie->stop();
    filePages().m_downLoadProgressBar->hide();
}

Ui_chatConferencePage &ZELChatWindow::conferencePage()
{
    if (m_conferencePage)
        return *m_conferencePage;
    m_conferencePage = std::make_unique<Ui_chatConferencePage>();
    Ui_chatConferencePage &page = *m_conferencePage;
    page.setupUi(*this);
    for (QWidget *list : {page.m_onlineUsersListBox, page.m_chatRoomListBox})
        list->setPalette(toolPalette());
    for (QPushButton *button : {page.m_stopChatButton, page.m_inviteChatButton, page.m_removeChatButton}) {
        button->setEnabled(false);
        if (!m_conferenceControlsShown)
            button->hide();
    }
    connect(page.m_inviteChatButton, &QAbstractButton::clicked, this, &ZELChatWindow::addUsersInConferenceChat);
    connect(page.m_removeChatButton, &QAbstractButton::clicked, this, &ZELChatWindow::removeUsersInConferenceChat);
    connect(page.m_stopChatButton, &QAbstractButton::clicked, this, qOverload<>(&ZELChatWindow::stopConferenceChat));
    connect(page.m_onlineUsersListBox, &QListWidget::itemSelectionChanged, this, &ZELChatWindow::enableInviteButton);
    connect(page.m_chatRoomListBox, &QListWidget::itemSelectionChanged, this, &ZELChatWindow::enableRemoveButton);
    // Invitable contacts that came while the page was not built.
    if (m_invitableUsers)
        m_invitableUsers->attach(page.m_onlineUsersListBox);
    // Built while it is shown: styled as a shown page is.
    styleSidePages();
    return page;
}

bool ZELChatWindow::conferenceControlsShown() const
{
    return m_conferencePage ? !m_conferencePage->m_inviteChatButton->isHidden() : m_conferenceControlsShown;
}

void ZELChatWindow::setConferenceControlsShown(bool shown)
{
    m_conferenceControlsShown = shown;
    if (!m_conferencePage)
        return;
    for (QPushButton *button :
         {m_conferencePage->m_inviteChatButton, m_conferencePage->m_removeChatButton, m_conferencePage->m_stopChatButton})
        button->setVisible(shown);
}

void ZELChatWindow::tableSettings()
{
    Ui_chatFilePages &pages = filePages();
    for (QTableWidget *table : {pages.m_uploadedFiletable, pages.m_dowLoadtable}) {
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->setColumnCount(kFileColumnCount);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setColumnHidden(PeerColumn, true);
        table->setColumnHidden(LockedColumn, true);
    }
    pages.m_uploadedFiletable->setHorizontalHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Path"),
                                                    QStringLiteral("Size"), QStringLiteral("Sent to"),
                                                    QStringLiteral("Sent to"), QStringLiteral("Status"),
                                                    QStringLiteral("Password Protected")});
    pages.m_dowLoadtable->setHorizontalHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Path"),
                                               QStringLiteral("Size"), QStringLiteral("Recieved From"),
                                               QStringLiteral("Recieved From"), QStringLiteral("Status"),
                                               QStringLiteral("Password Protected")});
}

// ---------------------------------------------------------------------------
// Sending

void ZELChatWindow::sendChatMessage()
{
    QString protectedFlag = QStringLiteral("FALSE");
    if (m_passwordProtectButton->isChecked()) {
        QTextCursor start(serverMessage->document());
        start.setPosition(0);
        start.insertHtml(QString::fromLatin1(kLockImage));
        protectedFlag = QString::fromLatin1(kTrue);
    }

    if (serverMessage->toPlainText().trimmed().isEmpty()) {
        resetInput();
        return;
    }

    hyperLink();

    if (!m_offlinePeer.isEmpty()) {
        QString html = serverMessage->toHtml().trimmed();
        html.remove(QRegularExpression(QStringLiteral("[']")));
        QString plain = serverMessage->toPlainText().trimmed();
        if (plain.contains(QLatin1Char('\\'))) {
            plain.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
            html.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
        }
        QStringList request{QStringLiteral("OFFLINEMESSAGE"), m_offlinePeer, m_ownLoginId, plain, html,
                            m_replyDetails};
        m_offlineMessagePending = true;
        emit sendOfflineMessages(request);
        resetInput();
        return;
    }

    const QString time = ZELTranscript::timeStamp(m_hourFormat24);
    const QString plain = serverMessage->toPlainText().trimmed();
    const QString html = serverMessage->toHtml().trimmed();
    // Kept for recall as long as the window lives: without the spare room of
    // the buffer the HTML was written into, which is about as large again.
    QString recalled = html;
    recalled.squeeze();
    m_sentMessages.append(recalled);
    m_sentMessageIndex = int(m_sentMessages.size());
    QString encoded = ZELTranscript::encodeCommas(html);

    const bool conference = participantCount() > 0 || m_peer.isEmpty();
    const int own = totalMessage->lastHeading(m_ownDisplayName);
    bool headed = false;
    if (!conference) {
        const int peer = totalMessage->lastHeading(m_peerDisplayName);
        if (own <= peer) {
            headed = true;
            m_bannerState = QStringLiteral("ADD_BANNER");
        } else if (m_forceHeading == QLatin1String("ADD")) {
            headed = true;
        } else {
            m_bannerState.clear();
        }
        if (headed)
            totalMessage->append(ZELTranscript::headingRow(ZELTranscript::OwnOneToOne, ZELTranscript::ownColour(),
                                                           m_ownDisplayName, time));
    } else {
        int others = -1;
        for (int i = 0; i < participantCount(); ++i)
            others = qMax(others, totalMessage->lastHeading(m_chatRoomListBox->item(i)->text()));
        if (own <= others) {
            headed = true;
            m_conferenceBannerState = QStringLiteral("ADD_BANNER");
            m_forceConferenceHeading.clear();
        } else if (m_forceConferenceHeading == QLatin1String("ADD")) {
            headed = true;
        } else {
            m_conferenceBannerState.clear();
            m_forceConferenceHeading.clear();
        }
        if (headed)
            totalMessage->append(ZELTranscript::headingRow(ZELTranscript::OwnConference,
                                                           ZELTranscript::receivedColour(), m_ownDisplayName, time));
    }
    if (!headed)
        totalMessage->append(ZELTranscript::continuationRow(time));
    totalMessage->append(ZELTranscript::decodeCommas(encoded));
    ZELTranscript::scrollToEnd(totalMessage);

    attachPendingPicture(encoded);

    if (!conference) {
        QStringList request{QStringLiteral("CHAT"), m_peer,        m_ownLoginId,     encoded,
                            QString(),              m_imageData,   m_bannerState,    plain,
                            m_ownDisplayName,       protectedFlag};
        m_deliveryPending = true;
        QTimer::singleShot(deliveryCheckInterval(), this, &ZELChatWindow::messageDeliveredStatus);
        emit sendMessage(request);
    } else {
        QStringList request{QStringLiteral("CONFERENCECHATMESSAGE"),
                            m_ownLoginId + QStringLiteral("##") + m_ownDisplayName,
                            m_conferenceSessionName,
                            encoded,
                            protectedFlag,
                            m_imageData,
                            m_conferenceBannerState,
                            plain};
        request << participantUserNames();
        m_deliveryPending = false;
        emit conferenceChatMessage(request);
    }

    m_imageData.clear();
    m_bannerState.clear();
    m_forceHeading.clear();
    m_conferenceBannerState.clear();
    m_forceConferenceHeading.clear();
    resetInput();
}

void ZELChatWindow::resetInput()
{
    serverMessage->clear();
    serverMessage->setFocus();
    serverMessage->setFontItalic(false);
    serverMessage->setFontUnderline(false);
    serverMessage->setFontWeight(QFont::Normal);
    serverMessage->setTextColor(Qt::black);
    QTextCharFormat plain;
    plain.setBackground(QBrush(Qt::white, Qt::SolidPattern));
    plain.setAnchor(false);
    serverMessage->mergeCurrentCharFormat(plain);
    m_underLineButton->setChecked(false);
    m_italicButton->setChecked(false);
    m_boldButton->setChecked(false);
    m_passwordProtectButton->setChecked(false);
}

void ZELChatWindow::messageDeliveredStatus()
{
    // Any armed check reads the flag as it is when it fires.
    if (!m_deliveryPending)
        return;
    m_messageDeliveredLabel->setText(QStringLiteral("Last message not delivered yet"));
    m_messageDeliveredLabel->show();
    m_messDeliveredCloseButton->show();
}

void ZELChatWindow::messageDeliveredCloseClicked()
{
    m_messageDeliveredLabel->clear();
    m_messageDeliveredLabel->hide();
    m_messDeliveredCloseButton->hide();
}

// ---------------------------------------------------------------------------
// Composing

void ZELChatWindow::writeBoldLetters()
{
    const int weight = serverMessage->textCursor().charFormat().fontWeight();
    if (weight == QFont::Normal)
        serverMessage->setFontWeight(QFont::Bold);
    else if (weight == QFont::Bold)
        serverMessage->setFontWeight(QFont::Normal);
}

void ZELChatWindow::writeItalicLetters()
{
    serverMessage->setFontItalic(!serverMessage->textCursor().charFormat().fontItalic());
}

void ZELChatWindow::writeUnderLineLetters()
{
    serverMessage->setFontUnderline(!serverMessage->textCursor().charFormat().fontUnderline());
}

void ZELChatWindow::setColorFont()
{
    const QColor chosen = ZELPlatform::choosers()->color(serverMessage->textColor(), this, QString());
    if (chosen.isValid())
        m_textColor = chosen;
    serverMessage->setTextColor(m_textColor);
    m_colorButton->setPalette(colourButtonPalette(m_colorButton->palette(), QStringLiteral(":images/fontcolor.jpg"),
                                                  m_colorButton->size(), m_textColor));
}

void ZELChatWindow::setBackGroundColor()
{
    const QColor start = serverMessage->textCursor().charFormat().background().color();
    const QColor chosen = ZELPlatform::choosers()->color(start, this, QString());
    if (chosen.isValid())
        m_backgroundColor = chosen;
    // Black text would vanish on a black background.
    serverMessage->setTextColor(m_backgroundColor.name() == QLatin1String("#000000") ? QColor(Qt::white)
                                                                                     : m_textColor);
    QTextCharFormat format;
    format.setBackground(QBrush(m_backgroundColor, Qt::SolidPattern));
    serverMessage->mergeCurrentCharFormat(format);
    m_backGroundColorButton->setPalette(colourButtonPalette(m_backGroundColorButton->palette(),
                                                            QStringLiteral(":images/background_color.jpg"),
                                                            m_colorButton->size(), m_backgroundColor));
}

void ZELChatWindow::setFont()
{
    const QFont start(QStringLiteral("Verdana"), 8, QFont::Normal, false);
    bool ok = false;
    QFont chosen = ZELPlatform::choosers()->font(&ok, start, this, QString());
    if (!ok)
        chosen = start;
    QTextCharFormat format;
    format.setFont(chosen);
    serverMessage->mergeCurrentCharFormat(format);
}

void ZELChatWindow::cursorChanged()
{
    const QTextCharFormat format = serverMessage->textCursor().charFormat();
    if (format.fontWeight() == QFont::Bold)
        m_boldButton->setChecked(true);
    else if (format.fontWeight() == QFont::Normal)
        m_boldButton->setChecked(false);
    m_italicButton->setChecked(format.fontItalic());
    m_underLineButton->setChecked(format.fontUnderline());

    const QColor foreground = format.foreground().color();
    QPalette text = colourButtonPalette(m_colorButton->palette(), QStringLiteral(":images/fontcolor.jpg"),
                                        m_colorButton->size(), foreground);
    ZELMainWindowLook::setRole(text, QPalette::Base, QBrush(foreground));
    m_colorButton->setPalette(text);

    QColor background = format.background().color();
    if (background == QColor(Qt::black))
        background = Qt::white;
    QPalette back = colourButtonPalette(text, QStringLiteral(":images/background_color.jpg"), m_colorButton->size(),
                                        background);
    m_backGroundColorButton->setPalette(back);
}

void ZELChatWindow::replaceTextSmiley()
{
    QString html = serverMessage->toHtml();
    bool replaced = false;
    for (const SmileyCode &smiley : smileyCodes) {
        if (html.contains(QLatin1String(smiley.code))) {
            html.replace(QLatin1String(smiley.code), QLatin1String(smiley.html));
            replaced = true;
            break;
        }
    }
    if (replaced) {
        // Rewriting the input notifies again: the next pass takes the other code.
        const int position = serverMessage->textCursor().position();
        serverMessage->clear();
        serverMessage->textCursor().insertHtml(html);
        QTextCursor cursor = serverMessage->textCursor();
        cursor.setPosition(qMin(position, serverMessage->document()->characterCount() - 1));
        serverMessage->setTextCursor(cursor);
    }

    const bool filled = !serverMessage->toPlainText().simplified().isEmpty() && serverMessage->isEnabled();
    if (!m_offlinePeer.isEmpty()) {
        sendButton->setEnabled(filled);
    } else if ((!conferenceControlsShown() && !m_peer.isEmpty()) || participantCount() > 0) {
        if (filled) {
            sendButton->setEnabled(true);
            m_passwordProtectButton->setEnabled(true);
        } else {
            sendButton->setEnabled(false);
        }
    }
}

void ZELChatWindow::hyperLink()
{
    serverMessage->moveCursor(QTextCursor::Start);
    const QStringList words = serverMessage->toPlainText().simplified().split(QLatin1Char(' '));
    for (const QString &word : words) {
        if (word.isEmpty() || !ZELLinkRule::isLinkWord(word))
            continue;
        serverMessage->find(word, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
        QTextCharFormat link;
        link.setAnchor(true);
        link.setAnchorHref(word.contains(QLatin1Char('@')) ? QStringLiteral("mailto:") + word : word);
        serverMessage->mergeCurrentCharFormat(link);
    }
}

void ZELChatWindow::sendTypeMessage()
{
    if (!m_peer.isEmpty()) {
        QString own = m_ownLoginId;
        QString peer = m_peer;
        emit sendTypeMessageToClient(own, peer);
        return;
    }
    QStringList request{QStringLiteral("CONFERENCETYPESTATUS"), m_ownLoginId, m_conferenceSessionName};
    request << participantUserNames();
    emit conferenceMessageTypeStatus(request);
}

void ZELChatWindow::sendEraseMessage()
{
    if (!m_peer.isEmpty()) {
        QString own = m_ownLoginId;
        QString peer = m_peer;
        emit sendEraseMessageToClient(own, peer);
        return;
    }
    QStringList request{QStringLiteral("CONFERENCEERASESTATUS"), m_ownLoginId, m_conferenceSessionName};
    request << participantUserNames();
    emit conferenceMessageTypeStatus(request);
}

void ZELChatWindow::showPreviousMessage()
{
    if (m_sentMessages.isEmpty())
        return;
    serverMessage->clear();
    if (m_sentMessageIndex > 0)
        --m_sentMessageIndex;
    serverMessage->append(m_sentMessages.value(m_sentMessageIndex));
}

void ZELChatWindow::showNextMessage()
{
    if (m_sentMessages.isEmpty())
        return;
    serverMessage->clear();
    if (m_sentMessageIndex < m_sentMessages.size()) {
        ++m_sentMessageIndex;
        if (m_sentMessageIndex < m_sentMessages.size())
            serverMessage->append(m_sentMessages.at(m_sentMessageIndex));
    }
}

void ZELChatWindow::movieFinished()
{
    m_messageTypeLabel->clear();
}

void ZELChatWindow::openSmiley()
{
    m_smileyDialog->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    const QPoint at = m_smileyButton->mapToGlobal(QPoint(0, 0));
    m_smileyDialog->setGeometry(at.x() - 200, at.y(), m_smileyDialog->width(), m_smileyDialog->height());
    m_smileyDialog->m_smileyListBox->setFocus();
    if (m_smileyDialog->m_smileyListBox->count() > 0)
        m_smileyDialog->m_smileyListBox->setCurrentRow(0);
    m_smileyDialog->show();
}

void ZELChatWindow::selectSmiley(QString name)
{
    // The picture takes the place of a character only: what is typed after it
    // keeps the font and colour typed before it, loaded picture or not.
    const QTextCharFormat typed = serverMessage->currentCharFormat();
    serverMessage->insertHtml(QStringLiteral("<img src = 'Smileys/") + name + QStringLiteral(".png'>"));
    QTextCharFormat after;
    after.setFont(typed.font());
    after.setForeground(typed.foreground());
    after.setBackground(typed.background());
    serverMessage->setCurrentCharFormat(after);
}

// ---------------------------------------------------------------------------
// Keys and pointer

bool ZELChatWindow::handleInputKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    for (const InputKeyRow &row : inputKeys) {
        if (!row.key(event->key()))
            continue;
        if (!row.anyModifiers && modifiers != row.modifiers)
            continue;
        if (row.applies && !row.applies(*this))
            continue;
        row.action(*this);
        return row.consumed;
    }
    return false;
}

bool ZELChatWindow::handleWindowKey(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    for (const WindowKeyRow &row : windowKeys) {
        if (event->key() != row.key)
            continue;
        if (row.applies && !row.applies(*this))
            return false;
        row.action(*this);
        return true;
    }
    return false;
}

QPixmap ZELChatWindow::peerPhoto() const
{
    QPixmap photo;
    if (!m_peerPhoto.isEmpty())
        photo.loadFromData(qUncompress(QByteArray::fromBase64(m_peerPhoto.toLatin1())));
    if (photo.isNull())
        photo = loadCachedPixmap(QString::fromLatin1(kNoPhotoImage));
    return photo;
}

bool ZELChatWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == serverMessage && type == QEvent::KeyPress)
        return handleInputKey(static_cast<QKeyEvent *>(event));
    if (watched == this && type == QEvent::KeyPress)
        return handleWindowKey(static_cast<QKeyEvent *>(event));

    if (watched == m_userStatusPixmap) {
        if (type == QEvent::MouseButtonPress) {
            showUserProfile();
        } else if (type == QEvent::Enter) {
            if (m_userNameLabel->isVisible())
                m_userStatusPixmap->setPixmap(peerPhoto());
            m_userStatusPixmap->setStyleSheet(QString::fromLatin1(kPhotoHoverSheet));
        } else if (type == QEvent::Leave) {
            const bool framed = m_userNameLabel->isVisible() && !m_peerPhoto.isEmpty();
            m_userStatusPixmap->setStyleSheet(framed ? QString::fromLatin1(kPhotoFrameSheet) : QString());
        }
        return false;
    }

    if (watched == m_findTextLineEdit && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return) {
            findNextClicked();
            return true;
        }
        return false;
    }

    if (watched == m_indicateFileReceivedLabel) {
        if (type == QEvent::Enter) {
            m_indicateFileReceivedLabel->setText(QStringLiteral("<u>") + m_indicateFileReceivedLabel->text()
                                                 + QStringLiteral("<u>"));
        } else if (type == QEvent::Leave) {
            m_indicateFileReceivedLabel->setText(m_indicateFileReceivedLabel->text().remove(QStringLiteral("<u>")));
        } else if (type == QEvent::MouseButtonPress) {
            Chat->setCurrentIndex(2);
        }
        return false;
    }

    if (watched == this && type == QEvent::WindowStateChange) {
        // A maximised window restored from the task bar sits at the top-left corner.
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if (old == (Qt::WindowMinimized | Qt::WindowMaximized))
            QTimer::singleShot(1, this, &ZELChatWindow::showChatWindow);
        paintWhileSeen();
    }
    // The window system takes a minimised window off the screen after the
    // state has changed, and puts it back before it is restored.
    if (watched == this && type == QEvent::Show && windowHandle())
        windowHandle()->installEventFilter(this);
    if (watched == windowHandle() && type == QEvent::Expose)
        paintWhileSeen();
    return false;
}

void ZELChatWindow::paintWhileSeen()
{
    // A minimised window off the screen paints nothing and holds no picture of
    // itself. One the window system leaves on the screen (with no window
    // manager to hide it) keeps painting: else it would stay over the windows
    // under it as their stale picture, and take the clicks meant for them.
    const QWindow *handle = windowHandle();
    setUpdatesEnabled(!isMinimized() || (handle && handle->isExposed()));
}

void ZELChatWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isTrue(m_escKeyOption)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Drag and corner resize belong to the frame helper, which filters these first.
void ZELChatWindow::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
}

void ZELChatWindow::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
}

void ZELChatWindow::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
}

// ---------------------------------------------------------------------------
// Window states and closing

void ZELChatWindow::maximized()
{
    m_chrome->toggleMaximized();
    m_maximizedFlag = isMaximized();
}

void ZELChatWindow::showMinimizedChatWindow()
{
    showMinimized();
}

void ZELChatWindow::showChatWindow()
{
    if (!isMaximized())
        setGeometry(0, 0, width(), height());
}

void ZELChatWindow::closeEvent(QCloseEvent *event)
{
    // A running screen capture hides every chat window; none may close meanwhile.
    if (m_ignoreClose) {
        event->ignore();
        return;
    }

    const auto finish = [this, event]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->parentWidget() == this)
            modal->close();
        event->accept();
        deleteLater();
    };
    const auto refuse = [this, event]() {
        m_closing = false;
        m_stopCancelled = false;
        m_keepOpen = false;
        event->ignore();
    };

    if (windowTitle().contains(QLatin1String("Sending Offline Message"))) {
        QString key = m_offlinePeer + QStringLiteral("OfflineMessage");
        emit closeChat(key);
        finish();
        return;
    }

    m_transferActive = false;
    m_closing = true;

    if (participantCount() == 0 && !m_peer.isEmpty()) {
        sendFileDeclainedStatus();
        if (m_keepOpen)
            return refuse();
        QString key = m_peer;
        emit closeChat(key);
        if (!m_closeSilently) {
            QStringList request{QStringLiteral("CLOSECHATWINDOW"), m_peer, m_ownLoginId,
                                m_ownLoginId + QStringLiteral(" has closed the chat window")};
            emit closeChatWindow(request);
        }
    } else if (hasConferencePage() && conferenceControlsShown()) {
        // The owner's stop already told the participants.
        stopConferenceChat();
        if (m_stopCancelled)
            return refuse();
        sendFileDeclainedStatus();
        QString key = m_conferenceSessionName;
        emit closeChat(key);
    } else {
        if (!m_closeSilently && participantCount() > 0) {
            checkFileStaus();
            if (!m_transferActive && Chat->isTabEnabled(3)) {
                const int answer = m_questionBox->showQuestionBox(
                    this, QStringLiteral("Conference Chat"),
                    QStringLiteral("Are you sure you want to leave from this conference chat ?"), 0, 1);
                if (answer != 0)
                    return refuse();
            }
        }
        if (!m_stopCancelled) {
            sendFileDeclainedStatus();
            if (m_keepOpen)
                return refuse();
            QString key = m_conferenceSessionName;
            emit closeChat(key);
            QStringList request{QStringLiteral("CLOSECONFERENCECHATWINDOW"), m_ownLoginId, m_conferenceSessionName,
                                m_ownDisplayName + QStringLiteral(" left from this conference chat")};
            request << participantUserNames();
            emit closeConferenceChatWindow(request);
        }
    }

    m_closing = false;
    if (m_stopCancelled && !m_closeSilently) {
        event->ignore();
        return;
    }
    if (isTrue(m_autoSave))
        saveAutomaticChatHistory();
    finish();
}

// ---------------------------------------------------------------------------
// Settings and state the main widget and the dispatcher apply

void ZELChatWindow::setDefaultSettings(QString escKey, QString enterKey, QString hourFormat24)
{
    m_escKeyOption = escKey;
    m_enterKeyOption = enterKey;
    m_hourFormat24 = hourFormat24;
}

void ZELChatWindow::enableSmiley(QString smiley, QString businessCard)
{
    m_smileyButton->setEnabled(isTrue(smiley));
    // Only one-to-one windows have a peer card; the invite button marks a conference.
    if (conferenceControlsShown())
        return;
    QWidget *const card[] = {m_userStatusPixmap, m_userNameLabel, m_userRoleLabel, m_userStatusLabel};
    if (isTrue(businessCard) && !m_userRoleLabel->text().simplified().isEmpty()) {
        for (QWidget *w : card)
            w->show();
    } else if (businessCard == QLatin1String("FALSE")) {
        for (QWidget *w : card)
            w->hide();
    }
}

void ZELChatWindow::chatTabEnableDisable(bool disable)
{
    QWidget *const controls[] = {serverMessage,      sendButton,         m_boldButton,
                                 m_italicButton,     m_underLineButton,  m_colorButton,
                                 m_backGroundColorButton, m_smileyButton, m_conferenceButton,
                                 m_quickReplyButton, m_passwordProtectButton};
    for (QWidget *w : controls)
        w->setEnabled(!disable);
    // An open protected-message viewer answers only while the chat does.
    for (QWidget *reply : findChildren<QWidget *>(QStringLiteral("m_replyButton")))
        reply->setEnabled(m_quickReplyButton->isEnabled());
    if (disable) {
        m_deskTopCaptureButton->setEnabled(false);
        m_insertImageToolButton->setEnabled(false);
        m_fileSend->setEnabled(false);
    } else {
        const bool pictures = m_pictureRight == QLatin1String("Yes");
        m_deskTopCaptureButton->setEnabled(pictures);
        m_insertImageToolButton->setEnabled(pictures);
        m_fileSend->setEnabled(m_fileRight == QLatin1String("Yes"));
    }
}

void ZELChatWindow::showUserProfile()
{
    QString userName = m_peer.isEmpty() ? m_offlinePeer : m_peer;
    emit showUserProfile(userName);
}

void ZELChatWindow::replyMessageDetails(QString details)
{
    m_replyDetails = details;
}

void ZELChatWindow::createQickReplyMenuItem(QString replies, QString option)
{
    m_quickReplyOption = option;
    auto *menu = new QMenu(this);
    connect(menu, &QMenu::triggered, this, &ZELChatWindow::sendQuickReplyMessage);
    // Styled when first about to show, as the main window's menus: most
    // windows never open it.
    connect(menu, &QMenu::aboutToShow, menu, [menu]() {
        if (menu->styleSheet().isEmpty())
            ZELSharedSheet::setFitted(menu, ZELMainWindowLook::sharedStyleSheet());
    });
    const QStringList entries = replies.split(QStringLiteral("##"), Qt::KeepEmptyParts);
    for (const QString &entry : entries)
        menu->addAction(entry);
    m_quickReplyButton->setMenu(menu);
}

void ZELChatWindow::updateQuickReplyMessageMenuItems(QString replies, QString option)
{
    if (QMenu *old = m_quickReplyButton->menu()) {
        m_quickReplyButton->setMenu(nullptr);
        old->deleteLater();
    }
    createQickReplyMenuItem(replies, option);
}

void ZELChatWindow::showQuickReplyMenu()
{
    m_quickReplyButton->showMenu();
}

void ZELChatWindow::sendQuickReplyMessage(QAction *action)
{
    if (participantCount() == 0 && m_peer.isEmpty() && m_offlinePeer.isEmpty()) {
        m_informationBox->showInformationBox(this, QStringLiteral("Conference Chat"),
                                             QStringLiteral("Conference chat users should not be empty"));
        return;
    }
    if (!action)
        return;
    // The reply must not stick to the last word typed.
    const QString typed = serverMessage->toPlainText();
    const bool separated = typed.isEmpty() || typed.endsWith(QLatin1Char(' ')) || typed.endsWith(QLatin1Char('\n'))
                           || typed.endsWith(QLatin1Char('\t'));
    serverMessage->insertHtml(separated ? action->text() : QStringLiteral("&nbsp;") + action->text());
    if (isTrue(m_quickReplyOption))
        sendChatMessage();
}

// ---------------------------------------------------------------------------
// Files: what the connection loss and the download folder change need now

void ZELChatWindow::ftpCancel()
{
    filePages().m_browsebutton->setEnabled(true);
    filePages().m_ftpOk->setEnabled(true);
    filePages().m_ftpCancel->setEnabled(true);
}

void ZELChatWindow::changeDefaultFtpLocation(QString folder)
{
    m_downloadFolder = folder;
    if (!hasFilePages())
        return;
    for (int row = 0; row < filePages().m_dowLoadtable->rowCount(); ++row) {
        QTableWidgetItem *status = filePages().m_dowLoadtable->item(row, StatusColumn);
        if (!status || status->text() != QLatin1String("Waiting"))
            continue;
        QTableWidgetItem *path = filePages().m_dowLoadtable->item(row, FolderColumn);
        if (!path) {
            path = new QTableWidgetItem;
            filePages().m_dowLoadtable->setItem(row, FolderColumn, path);
        }
        path->setText(folder);
    }
}

void ZELChatWindow::setUploadFailedStatus()
{
    if (!hasFilePages())
        return;
    const QString time = ZELTranscript::timeStamp(m_hourFormat24);
    for (int row = 0; row < filePages().m_uploadedFiletable->rowCount(); ++row) {
        QTableWidgetItem *status = filePages().m_uploadedFiletable->item(row, StatusColumn);
        if (!status || status->text() != QLatin1String("Uploading..."))
            continue;
        status->setText(QStringLiteral("Uploading Failed"));
        status->setForeground(QBrush(Qt::red));
        const QTableWidgetItem *name = filePages().m_uploadedFiletable->item(row, FileNameColumn);
        totalMessage->append(QStringLiteral("<table bgcolor = ") + QLatin1String(kFailureBackground)
                             + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                                              "<b>File sending status ::: ")
                             + (name ? name->text() : QString())
                             + QStringLiteral(" sending <font color=red>Failed</td><td width='20%' align='right'>"
                                              "<font color=darkgray><b>")
                             + time + QStringLiteral("</td></tr></table>"));
    }
}

void ZELChatWindow::setDownloadFailedStatus()
{
    if (!hasFilePages())
        return;
    const QString time = ZELTranscript::timeStamp(m_hourFormat24);
    bool failed = false;
    for (int row = 0; row < filePages().m_dowLoadtable->rowCount(); ++row) {
        QTableWidgetItem *status = filePages().m_dowLoadtable->item(row, StatusColumn);
        if (!status || status->text() != QLatin1String("Downloading..."))
            continue;
        failed = true;
        status->setText(QStringLiteral("Downloading Failed"));
        status->setForeground(QBrush(Qt::red));
        const QTableWidgetItem *name = filePages().m_dowLoadtable->item(row, FileNameColumn);
        totalMessage->append(QStringLiteral("<table bgcolor = ") + QLatin1String(kFailureBackground)
                             + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                                              "<b>File downloading status ::: ")
                             + (name ? name->text() : QString())
                             + QStringLiteral(" downloading <font color=red>Failed</td><td width='20%' align='right'>"
                                              "<font color=darkgray><b>")
                             + time + QStringLiteral("</td></tr></table>"));
    }
    if (failed)
        filePages().m_fileStatusLabel->setText(QStringLiteral("Downloading Failed"));
}
