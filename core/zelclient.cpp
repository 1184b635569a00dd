#include "core/zelclient.h"
#include "core/zelslicedwork.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMovie>
#include <QStackedWidget>
#include <QPalette>
#include <QPixmap>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QLabel>
#include <QTimer>

#include "protocol/zelfilewriter.h"
#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "protocol/zelxmlcodec.h"
#include "platform/zelplatform.h"
#include "platform/zelsystemfolders.h"
#include "style/zelmessageboxclass.h"
#include "style/zelplaintooltips.h"

#include "chat/zelrequestdialog.h"
#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "mainwindow/zelbusinesscarddetails.h"
#include "mainwindow/zelpopup.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelofflinemessageswidget.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"

const char *const ZELClient::BuildTag = "BETAZEL 08-4-2009";

ZELClient::ZELClient()
    : QWidget(nullptr)
{
    // Tooltips carry what peers wrote: shown as plain text, whichever window.
    ZELPlainToolTips::install();
    windowSettings();
    createActions();
    createShortCutKeys();
    createMenuAndAddSubMenus();
    createObjectsForChildWidgets();
    showSytemTrayIcon();
    signalsAndSlots();
    setInstallEventFiltersForAllObjects();
    initializeMemberVariables();
    setZELStyle();
    defaultSettings();
    callTimers();
    displayClientWidget();
    m_addContactToolButton->setEnabled(false);
}

ZELClient::~ZELClient()
{
    // Deleting a connected socket emits disconnected and stateChanged; those
    // must not reach this half-destroyed widget, so cut the socket loose first.
    if (m_tcpSocket) {
        m_tcpSocket->disconnect(this);
        m_tcpSocket->abort();
    }
    if (m_workerThread)
        m_workerThread->disconnect(this);
    // A list still filling stops where it is: its rows go with their windows.
    delete std::exchange(m_slicedWork, nullptr);
    m_heldDeliveries.clear();
    // A received file still being written gives up (its target keeps its old
    // content) before anything its report would touch is gone.
    delete m_fileWriter;
    m_fileWriter = nullptr;
    // The marquee's watcher reads this widget's members when it is hidden, and
    // ~QWidget hides it once this part is gone: the watcher goes first.
    delete findChild<QObject *>(QStringLiteral("zelMarqueePause"), Qt::FindDirectChildrenOnly);

    m_addContactDialog.reset();
    m_approvalAddContactDialog.reset();
    m_approvalRequestedUserDialog.reset();
    m_businessCardPopup.reset();
    m_chatHistoryWindow.reset();
    m_deleteContactDialog.reset();
    m_offlineMessagesWidget.reset();
    m_reminderDialog.reset();
    m_reminderPopup.reset();
    delete m_tcpSocket;
    m_tcpSocket = nullptr;

    if (m_workerThread && m_workerThread->isRunning())
        m_workerThread->stop();
    delete m_workerThread;
    m_workerThread = nullptr;

    delete m_xmlCodec;
    m_xmlCodec = nullptr;
    m_voiceMailInbox.reset();
    m_voiceMailRecorder.reset();
    m_questionBox.reset();
    delete m_informationBox;
    m_informationBox = nullptr;
    // The pop-up's labels report to this widget's event filter, which looks into
    // the pop-up: once ~ZELPopup has run, the labels' destruction must not reach it.
    if (ZELPopup *popup = m_notificationPopup.built()) {
        popup->m_messageLabel->removeEventFilter(this);
        popup->m_noticeLabel->removeEventFilter(this);
    }
    m_notificationPopup.reset();
    delete m_signOutOverlay;
    m_signOutOverlay = nullptr;
    delete m_processMovie;
    delete m_connectingMovie;
    delete m_bannerMovie;
}

void ZELClient::windowSettings()
{
    setupUi(this);

    const QPixmap background(QStringLiteral(":images/bg.png"));
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(background));
    setPalette(pal);
    if (!background.isNull())
        setMask(background.mask());

    // On X11 a minimise hint alone gives a decorated window: say frameless too.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":images/icon.png")));

    QString base = ZELPlatform::systemFolders()->applicationDataFolder();
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir dir(base);
    if (!dir.exists(QStringLiteral("ZEL")))
        dir.mkpath(QStringLiteral("ZEL"));
    m_dataFolder = base + QStringLiteral("/ZEL");
    QDir data(m_dataFolder);
    data.mkdir(QStringLiteral("VoiceMails"));
    data.mkdir(QStringLiteral("Banner"));
}

namespace {

struct ActionRow
{
    QAction *ZELClient::*member;
    const char *text;
    const char *icon;
};

// Creation order matters: it is the order the menus show them in.
const ActionRow actionTable[] = {
    {&ZELClient::m_signOutAction, "&Sign Out", ":images/signout.gif"},
    {&ZELClient::m_exitAction, "&Exit", ":images/exit.png"},
    {&ZELClient::m_addContactAction, "&Add Contact", ":images/add_icon.png"},
    {&ZELClient::m_removeContactAction, "&Remove Contact", ":images/remove_icon.png"},
    {&ZELClient::m_chatHistoryAction, "Chat &History", ":images/chat_history_client.png"},
    {&ZELClient::m_conferenceChatAction, "Con&ference Chat", ":images/conferance_icon.png"},
    {&ZELClient::m_chatAction, "&Chat", ":images/chat_icon.png"},
    {&ZELClient::m_offlineMessagesAction, "&Offline Messages", ":images/offlineMessage.gif"},
    {&ZELClient::m_addContactApprovalAction, "Add Contact A&pproval", ":images/add_icon.png"},
    {&ZELClient::m_approvalRequestedAction, "Approval Requested User Contacts", ":images/add_icon.png"},
    {&ZELClient::m_voiceMailAction, "&Voice Mail", ":images/voiceChat.png"},
    {&ZELClient::m_groupMessageAction, "&Group Message", ":images/groupChat.png"},
    {&ZELClient::m_searchContactAction, "&Search Contact", ":images/search_icon.gif"},
    {&ZELClient::m_preferencesAction, "&Preferences...", ":images/preferences.png"},
    {&ZELClient::m_connectToServerAction, "&Connect to Server", nullptr},
    {&ZELClient::m_onlineAction, "&Online", ":images/Online.png"},
    {&ZELClient::m_meetingAction, "&Meeting", ":images/Meeting.png"},
    {&ZELClient::m_awayAction, "A&way", ":images/Away.png"},
    {&ZELClient::m_busyAction, "&Busy", ":images/Busy.png"},
    {&ZELClient::m_userStatusAction, "User Status", ":images/splash.png"},
    {&ZELClient::m_invisibleModeAction, "&Invisible Mode", ":images/Invisible.png"},
    {&ZELClient::m_changePasswordAction, "&Change Password", ":images/change_password.png"},
    {&ZELClient::m_hideOfflineUsersAction, "Hide &Offline Users", ":images/hide_offline_user.png"},
    {&ZELClient::m_remindersAction, "&Reminders", ":images/reminder.png"},
    {&ZELClient::m_myProfileAction, "&My Profile", ":images/userInfo1.png"},
    {&ZELClient::m_aboutAction, "About ZE&L", nullptr},
    {&ZELClient::m_sendEmailAction, "&Send an E-Mail", ":images/email.gif"},
    {&ZELClient::m_contactRemoveAction, "&Remove Contact", ":images/remove_icon.png"},
    {&ZELClient::m_viewProfileAction, "View &Profile", ":images/userInfo1.png"},
    {&ZELClient::m_signInAction, "&Sign In", nullptr},
    {&ZELClient::m_trayStatusAction, "&Status", nullptr},
    {&ZELClient::m_trayExitAction, "&Exit", nullptr},
    {&ZELClient::m_openAction, "&Open ZEL", nullptr},
};

struct ShortcutRow
{
    QAction *ZELClient::*member;
    const char *keys;
};

const ShortcutRow shortcutTable[] = {
    {&ZELClient::m_signOutAction, "Ctrl+X"},
    {&ZELClient::m_exitAction, "Ctrl+E"},
    {&ZELClient::m_addContactAction, "Ctrl+A"},
    {&ZELClient::m_removeContactAction, "Ctrl+D"},
    {&ZELClient::m_chatHistoryAction, "Ctrl+H"},
    {&ZELClient::m_chatAction, "Ctrl+C"},
    {&ZELClient::m_conferenceChatAction, "Ctrl+M"},
    {&ZELClient::m_remindersAction, "Ctrl+R"},
    {&ZELClient::m_voiceMailAction, "Ctrl+V"},
    {&ZELClient::m_offlineMessagesAction, "Ctrl+O"},
    {&ZELClient::m_groupMessageAction, "Ctrl+G"},
    {&ZELClient::m_searchContactAction, "Ctrl+F"},
};

// A null action stands for a separator.
void fillMenu(QMenu *menu, std::initializer_list<QAction *> actions)
{
    for (QAction *action : actions) {
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
    }
}

} // namespace

void ZELClient::createActions()
{
    for (const ActionRow &row : actionTable) {
        QAction *action = new QAction(tr(row.text), this);
        if (row.icon)
            action->setIcon(QIcon(QString::fromLatin1(row.icon)));
        this->*row.member = action;
    }
}

void ZELClient::createShortCutKeys()
{
    for (const ShortcutRow &row : shortcutTable)
        (this->*row.member)->setShortcut(QKeySequence(QString::fromLatin1(row.keys)));
    m_statusMessageToolButton->setShortcut(QKeySequence(QStringLiteral("Alt+Ctrl+S")));
}

void ZELClient::createMenuAndAddSubMenus()
{
    m_filePopupMenu = new QMenu(this);
    m_contactsPopupMenu = new QMenu(this);
    m_settingsPopupMenu = new QMenu(this);
    m_statusPopupMenu = new QMenu(this);
    m_emptyPopupMenu = new QMenu(this);
    m_connectionPopupMenu = new QMenu(this);
    m_trayStatusMenu = new QMenu(this);
    m_helpPopupMenu = new QMenu(this);
    m_contactContextMenu = new QMenu(this);

    fillMenu(m_filePopupMenu, {m_signOutAction, m_exitAction});
    // "&Add Contact" heads the Contacts menu: the toolbar's Add button stays
    // off, and Ctrl+A alone would leave the add-contact dialog out of sight.
    fillMenu(m_contactsPopupMenu, {m_addContactAction, m_removeContactAction, m_chatHistoryAction, nullptr,
                                   m_conferenceChatAction, m_chatAction, m_voiceMailAction,
                                   m_offlineMessagesAction, m_groupMessageAction, nullptr,
                                   m_addContactApprovalAction, m_approvalRequestedAction});
    fillMenu(m_settingsPopupMenu, {m_remindersAction, m_changePasswordAction, m_hideOfflineUsersAction,
                                   nullptr, m_myProfileAction, nullptr, m_preferencesAction});
    fillMenu(m_statusPopupMenu, {m_onlineAction, m_meetingAction, m_awayAction, m_busyAction,
                                 m_userStatusAction, nullptr, m_invisibleModeAction});
    fillMenu(m_connectionPopupMenu, {m_connectToServerAction, nullptr, m_trayExitAction});
    fillMenu(m_helpPopupMenu, {m_aboutAction});
    fillMenu(m_contactContextMenu, {m_chatAction, m_voiceMailAction, m_contactRemoveAction,
                                    m_viewProfileAction, m_sendEmailAction});

    m_fileMenu->setMenu(m_filePopupMenu);
    m_contactsMenu->setMenu(m_contactsPopupMenu);
    m_settingsMenu->setMenu(m_settingsPopupMenu);
    m_helpMenu->setMenu(m_helpPopupMenu);
    m_statusMessageToolButton->setMenu(m_statusPopupMenu);
}

void ZELClient::createObjectsForChildWidgets()
{
    m_tcpSocket = new ZELTcpSocket();
    // Server messages are parsed off the GUI thread, however large.
    m_tcpSocket->setParsesMessages(true);
    m_workerThread = new ZELThread();
    m_xmlCodec = new ZELXmlCodec();
    m_fileWriter = new ZELFileWriter(this);
    m_trayIcon = new QSystemTrayIcon(this);

    setUpLazyWindows();
}

void ZELClient::showSytemTrayIcon()
{
    fillMenu(m_trayStatusMenu, {m_onlineAction, m_meetingAction, m_awayAction, m_busyAction,
                                m_userStatusAction, nullptr, m_invisibleModeAction});
    m_trayStatusAction->setMenu(m_trayStatusMenu);

    m_trayMenu = new QMenu(this);
    fillMenu(m_trayMenu, {m_trayStatusAction, m_signInAction, m_connectToServerAction, nullptr,
                          m_openAction, m_trayExitAction});
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->setIcon(QIcon(QStringLiteral(":images/Offline.png")));
    m_trayStatusAction->setEnabled(false);
}

void ZELClient::setInstallEventFiltersForAllObjects()
{
    const QList<QObject *> watched = {
        userNameEdit, passWordEdit, m_fileMenu, m_contactsMenu, m_settingsMenu, m_helpMenu,
        m_addContactToolButton, m_deleteContactToolButton, m_conferenceChatToolButton,
        m_chatToolButton, signoutButton, m_forgetPasswordButton, m_settingsLabel, textBrowser,
        m_voiceMailIndicationLabel, m_closeButton, m_loginPageCloseButton, m_minimizeButton,
        m_loginPageMinimizeButton, m_processMinimizeButton, m_processPageCloseButton, loginPage,
    };
    for (QObject *object : watched)
        object->installEventFilter(this);
    const QList<QObject *> more = {
        m_contactView, m_forgetMeLink, m_invisibleModeCheckBox, m_rememberMeCheckBox,
        m_rememberPasswordCheckBox, m_autoSignInCheckBox, m_searchLineEdit, this,
    };
    for (QObject *object : more)
        object->installEventFilter(this);
}

void ZELClient::initializeMemberVariables()
{
    m_sortClickCount = 2;
    m_userNotInPreferences = true;
    m_fileDataAwaited = true;
    m_lastCursorPosition = QPoint(0, 0);
    m_connectionStateText = QStringLiteral("Not Connected");

    m_preferencesFile.setFileName(m_dataFolder + QStringLiteral("/zelPreferencesSettings.xml"));

    m_questionBox.setBuilder([this] {
        return new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, ZELMessageBoxClass::Yes,
                                      ZELMessageBoxClass::No, ZELMessageBoxClass::NoButton, this);
    });
    m_informationBox = new ZELMessageBoxClass(this);

    // Inside each character class "|" is a literal character, so the login id,
    // the search text and the password may contain it.
    userNameEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Z|a-z|0-9|\\-|\\_|\\.|\\@]{1,35}")), this));
    m_searchLineEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Z|a-z|0-9|\\-|\\_|\\.|\\@|\\*|\\s]{1,35}")), this));
    passWordEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(
            "[A-Z|a-z|0-9|\\~|\\!|\\@|\\#|\\$|\\%|\\^|\\&|\\|\\/|\\*|\\_|\\?|\\>|\\<|\\,|\\.|\"|\\:|\\;]{1,15}")),
        this));

    signButton->setEnabled(false);
    m_bannerMovie = nullptr;
}

void ZELClient::defaultSettings()
{
    m_logoLabelProcess->setPixmap(QPixmap(QStringLiteral(":images/logo.png")));

    m_processMovie = new QMovie(QStringLiteral(":images/process.gif"));
    m_connectingMovie = new QMovie(QStringLiteral(":images/connecting.gif"));
    m_processLable->setMovie(m_processMovie);
    m_connectingGifLabel->setMovie(m_connectingMovie);
    // The connecting animations run only while their page is on screen: started
    // anywhere else they stop at once, and the page starts them when it shows.
    for (QMovie *movie : {m_processMovie, m_connectingMovie}) {
        connect(movie, &QMovie::stateChanged, this, [this, movie](QMovie::MovieState state) {
            if (state == QMovie::Running && stackedWidget->currentWidget() != processPage)
                movie->stop();
        });
    }
    connect(stackedWidget, &QStackedWidget::currentChanged, this, [this]() {
        const bool shown = stackedWidget->currentWidget() == processPage;
        for (QMovie *movie : {m_processMovie, m_connectingMovie}) {
            if (shown && !m_animationsPaused)
                movie->start();
            else if (!shown)
                movie->stop();
        }
    });
    if (!m_animationsPaused) {
        m_connectingMovie->start();
        m_processMovie->start();
    }

    m_logoLabel->setPixmap(QPixmap(QStringLiteral(":images/logo.png")));
    m_logoLabelLoginPage->setPixmap(QPixmap(QStringLiteral(":images/logo.png")));

    m_connectedStateLabel->setText(QStringLiteral("<font color = 'red'>Not Connected"));
    m_trayIcon->setToolTip(QStringLiteral("Not Connected"));
    userNameEdit->setFocus();

    for (QAction *action : {m_signInAction, m_voiceMailAction, m_chatAction,
                            m_addContactApprovalAction, m_conferenceChatAction})
        action->setEnabled(false);
    m_chatToolButton->setEnabled(false);
    m_conferenceChatToolButton->setEnabled(false);
    m_connectToServerAction->setEnabled(true);

    for (QAction *action : {m_hideOfflineUsersAction, m_invisibleModeAction, m_onlineAction,
                            m_meetingAction, m_awayAction, m_busyAction, m_userStatusAction})
        action->setCheckable(true);

    QFile::remove(m_dataFolder + QStringLiteral("/Banner/banner.gif"));

    stackedWidget->setCurrentWidget(loginPage);
    userNameEdit->insertItem(0, QString());

    m_expandedContactItem = nullptr;
    setupContactSearch();
}

void ZELClient::callTimers()
{
    m_awayTimer = new QTimer(this);
    connect(m_awayTimer, &QTimer::timeout, this, &ZELClient::callChangeStatus);
    m_busyTimer = new QTimer(this);
    connect(m_busyTimer, &QTimer::timeout, this, &ZELClient::changeStatusAsBusy);
    m_keepAliveTimer = new QTimer(this);
    m_keepAliveTimer->setInterval(120000);
    connect(m_keepAliveTimer, &QTimer::timeout, this, &ZELClient::sendKeepAliveSignalToServer);
    m_trayRotationTimer = new QTimer(this);
    connect(m_trayRotationTimer, &QTimer::timeout, this, &ZELClient::rotateSystemTrayIcon);
    m_textScrollTimer = new QTimer(this);
    connect(m_textScrollTimer, &QTimer::timeout, this, &ZELClient::textScrolling);
}
