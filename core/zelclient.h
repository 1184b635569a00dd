#ifndef ZELCLIENT_H
#define ZELCLIENT_H

#include <QAbstractSocket>
#include <QAuthenticator>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QHash>
#include <QList>
#include <QMap>
#include <QNetworkProxy>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>
#include <memory>

#include "core/zellazy.h"
#include "protocol/zelpicturefield.h"
#include "protocol/zelrecords.h"
#include "ui/ui_zembrio.h"

class QAction;
class QDialog;
class QMenu;
class QMovie;
class QTableWidgetItem;
class QTimer;
class QTreeWidgetItem;

class ZELAddContact;
class ZELApprovalAddContact;
class ZELApprovalRequestedUser;
class ZELBusinessCardDetails;
class ZELChatHistoryListWindow;
class ZELChatWindow;
class ZELContactIndex;
class ZELDeleteContact;
class ZELFileWriter;
class ZELGroupMessageDisplay;
class ZELMessageBoxClass;
class ZELOfflineMessagesWidget;
class ZELPopup;
class ZELPreferencesFile;
class ZELReminderDialog;
class ZELReminderPopup;
class ZELRequestDialog;
class ZELSlicedWork;
class ZELTcpSocket;
class ZELThread;
class ZELVoiceMail;
class ZELVoiceMailInbox;
class ZELXmlCodec;

// What a dispatcher branch tells the message loop.
enum class ZELDispatchResult {
    Continue,    // go on with the next message
    LeaveLoop,   // drop the rest of the delivery's messages, still route the files
    Return       // end the delivery here: no file routing, no closing step
};

// The main widget and the hub of the client. It owns the connection, the
// worker thread, the codec, the tray icon and every long-lived window, and it
// is the receiver of everything that reaches the server or the user.
//
// The class is declared once, here; each subsystem implements its own slots
// in its own folder (zelclient_<concern>.cpp).
class ZELClient : public QWidget, public Ui_Zembrio
{
    Q_OBJECT

public:
    ZELClient();
    ~ZELClient() override;

    // The build tag sent with "CHECKVERSION" on every connection.
    static const char *const BuildTag;

    // ------------------------------------------------------------------
    // Construction (core/zelclient.cpp)
public slots:
    void windowSettings();
    void createActions();
    void createShortCutKeys();
    void createMenuAndAddSubMenus();
    void createObjectsForChildWidgets();
    void showSytemTrayIcon();
    void signalsAndSlots();
    void setInstallEventFiltersForAllObjects();
    void initializeMemberVariables();
    void setZELStyle();          // mainwindow/zelclient_look.cpp
    void defaultSettings();
    void callTimers();
    void displayClientWidget();

    // First display (core/zelclient_display.cpp)
    void connectToSocket();
    void createSubDialogForSignOut();
    void showGrayScaleWidget();

    // ------------------------------------------------------------------
    // Wire and connection (core/zelclient_connection.cpp)
    void convertXMLSendToServer(QStringList &request);
    void fileUpload(QString &filePath);
    void setConnectionState();
    void proxySettingsForConnect();
    void connected();
    void sendKeepAliveSignalToServer();
    void closeConnection();
    void disConnectedSignal();
    void connectedSignal();
    void displayError(QAbstractSocket::SocketError error);
    void displayState(QAbstractSocket::SocketState state);
    void proxyAuthenticationRequiredFunction(const QNetworkProxy &proxy, QAuthenticator *authenticator);

    // Server connection settings hand-over
    void getHostNameAndPortValue();
    void setHostDetails(QStringList &details);
    void connectToServer(QString host, QString port);
    void connectForSignIn();
    // Ends the user's connection attempt that has not connected yet, as a
    // refused one ends: back to the sign-in page, what was typed kept.
    void giveUpConnectionAttempt(bool closedByUser);

    // Banner and user details
    void callBannerLogoFileCreation(QByteArray data);
    void getUserDetails();

    // Sign-in, remembered users (core/zelclient_signin.cpp)
    void verifyAccountInfo();
    bool selectAutoLoginUser(const QStringList &entries);
    void enablePasswordField(const QString &text);
    void enableUserNameField(const QString &text);
    void clearPasswordField(const QString &text);
    void rememberMEStateChanged();
    void rememberPwdStateChanged();
    void autoSignInStateChanged();
    void forgetUserDetails();
    void indicateCapsLock();
    void connectwithProxySettings();

    // Sign-out and exit
    void fileMenuSignOut();
    void fileMenuExit();
    void signOut();
    void signOutSuccessFull();
    // Closes what a session leaves that is its user's alone (its windows, the
    // messages waiting for them, its counters), as at a sign-out.
    void endUserSession();

    // Preferences file and saves (core/zelclient_preferences.cpp)
    void createXMLfile();
    void readUserList();
    void createXMLfileForUsers();
    void editPreferencesSettings();
    void replaceNodeForConnectionSettings();
    void saveDefaultNotificationSettings(QStringList &settings);
    void saveDefaultLocation(QString &location);
    void saveRecentChatListSettingsInXML(QStringList &settings);
    void saveDefaultChatWindowSettings(QStringList &settings);
    void saveChatHistoryDetails(QStringList &settings);
    void editDefaultAutoStatusMessageSettings(QStringList &settings);
    void saveDefaultStatusMessage(QStringList &settings);
    void saveQuickReplySettingsSignals(QString &replies, QString &option);
    void showPreferencesSettings();
    void changePasswordWindow();
    void changePassword(QString &oldPassword, QString &newPassword);

    // ------------------------------------------------------------------
    // Look and feel
    void showAboutZEL();

    // ------------------------------------------------------------------
    // Main window and contact list (mainwindow/)
    bool eventFilter(QObject *watched, QEvent *event) override;
public:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
public slots:
    void successFullLoginStatus(QStringList reply);
    void setupContactSearch();
    void changeStatus(int x, int y, bool keyPressed);
    void callChangeStatus();
    void changeStatusAsBusy();
    void rotateSystemTrayIcon();
    void textScrolling();
    void setDefaultStatusMessage();
    void updateStatusMessages();
    void sendStatusMessageSignal(QString &status, QStringList &messages);
    void cancelStatusMessageSignal(QString &status);
    void promtStatusMessageDialog(QString status);
    void hideOfflineUsers();
    void hideFavouritesUsers();
    void activeUserSearchClicked(bool checked);
    void inactiveUserSearchClicked(bool checked);
    void searchContactFromTree(const QString &text);
    void searchCloseButtonClicked();
    void gotoSearchNext();
    void showContactSearch();
    void showExampleNotification(QString &type);
    void callManualSignOutFunction();
    void callStatusFunction(QString status);
    void trayIconMaximizedSlot();
    void trayIconHideSlot();
    void minimized();
    void closeSlot();
    void userListSorting();
    void changeTreewidgetUser();
    void expandTreewidgetUser(QTreeWidgetItem *item);
    void mailToFunction();
    void toOpenZEL();
    void trayIconSignInSlot();
    void changeStatusManually(QAction *action);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void invisibleToggle();
    void showContactListEmpty();

    // ------------------------------------------------------------------
    // Contact tree (mainwindow/zelclient_contacttree.cpp, zelclient_presence.cpp,
    // zelclient_popups.cpp)
    void addUsersListInMainWindow(QStringList users, QStringList profiles);
    void removeUserNameFromApprovalList(QStringList message, QString company);
    void changeUserStatusProfile(QTreeWidgetItem *item, QString status, QString statusMessage);
    void userLoggedInStatus(QString userName, QString displayName, QString photoBase64);
    void callRightClickOperation();
    // Opening a conversation from a row under "Recent Chats with...", or under
    // "Active" / "Inactive" (group: that row's text).
    void processForFavouriteUsers(QTreeWidgetItem *item);
    void processForActiveUsers(QTreeWidgetItem *item, QString group);
    void showBusinessCardForFavouriteUsers(QTreeWidgetItem *item);
    void showBusinessCardForInactiveUsers(QTreeWidgetItem *item);
    void raisePopUp(QString name, QString status);
    void popupHideSlot();
    void hidePopUp();
    void showChatPopupWidget(QStringList message, QString senderName);
    void popupChatHideSlot();
    void showVoiceMailPopup(QString text);
    void popupLoginHideSlot();
    void showChatWidgetPopup();
    void showVoiceMailOfflineMessageWindow();
public:
    void calculateTimeZone(QString &zone);
    // Enables and retitles the six contact controls for a presence word.
    void setContactActionStates(const QString &presence);
    // The pop-up labels' share of the main widget's event filter; true when handled.
    bool popupLabelEvent(QObject *watched, QEvent *event);
    // User name -> rows of the tree, kept current by the tree's own model signals.
    // Owned here so it goes before the tree does and hears nothing of its end.
    ZELContactIndex *contactIndex();
    struct ZELContactIndexDeleter { void operator()(ZELContactIndex *index) const; };
    std::unique_ptr<ZELContactIndex, ZELContactIndexDeleter> m_contactIndex;
    QString m_selectedContactTimeZone;
    bool m_noticeAlignTop = false;
public slots:

    // ------------------------------------------------------------------
    // Server message dispatch (dispatch/)
    void messageFromServer(QByteArray &text, QByteArray &files);
    // The same with the block's messages already parsed (by the socket's reader).
    void parsedMessagesFromServer(QByteArray &text, QByteArray &files, const QList<QStringList> &messages);
    void updateConferenceChatUsers(QStringList request);

public:
    // Routes the file block of a delivery; false ends the delivery there.
    bool routeFileBlock(QByteArray &files);
    // Downloads under way end with the session (a lost connection, signing
    // out): their flags clear, and a received file still being written gives
    // up, an existing file of its name keeping what it held.
    void endDownloads();
    // After a write of the preferences file: when it could not be written
    // (the file keeping its old content), the user is told.
    void reportPreferencesWrite(const ZELPreferencesFile &file);
    // One handler per server message type, in the dispatcher's test order.
    ZELDispatchResult dispatchNewUser(const QStringList &message);
    ZELDispatchResult dispatchLogin(const QStringList &message);
    ZELDispatchResult dispatchLogout(const QStringList &message);
    ZELDispatchResult dispatchChangeStatus(const QStringList &message);
    ZELDispatchResult dispatchAddContact(const QStringList &message);
    ZELDispatchResult dispatchDeleteContact(const QStringList &message);
    ZELDispatchResult dispatchDeleteContactListEmpty(const QStringList &message);
    ZELDispatchResult dispatchDeleteName(const QStringList &message);
    ZELDispatchResult dispatchAddContactApprovalStatus(const QStringList &message);
    ZELDispatchResult dispatchPrivilegeInfo(const QStringList &message);
    ZELDispatchResult dispatchApprovalRequestedUser(const QStringList &message);
    ZELDispatchResult dispatchApprovalAlert(const QStringList &message);
    ZELDispatchResult dispatchChangePassword(const QStringList &message);
    ZELDispatchResult dispatchForgetPwd(const QStringList &message);
    ZELDispatchResult dispatchAnotherUserLogged(const QStringList &message);
    ZELDispatchResult dispatchFtpReady(const QStringList &message);
    ZELDispatchResult dispatchChangeConferenceChat(const QStringList &message);
    ZELDispatchResult dispatchChat(const QStringList &message);
    ZELDispatchResult dispatchMessageDelivered(const QStringList &message);
    ZELDispatchResult dispatchPwdMessageDeliveredStatus(const QStringList &message);
    ZELDispatchResult dispatchFtpStatus(const QStringList &message);
    ZELDispatchResult dispatchConferenceTypeStatus(const QStringList &message);
    ZELDispatchResult dispatchConferenceEraseStatus(const QStringList &message);
    ZELDispatchResult dispatchMessageTypeStatus(const QStringList &message);
    ZELDispatchResult dispatchMessageEraseStatus(const QStringList &message);
    ZELDispatchResult dispatchCloseChatWindow(const QStringList &message);
    ZELDispatchResult dispatchConferenceChatStatus(const QStringList &message);
    ZELDispatchResult dispatchConferenceChat(const QStringList &message);
    ZELDispatchResult dispatchUpdateConferenceChatUsers(const QStringList &message);
    ZELDispatchResult dispatchConferenceChatMessage(const QStringList &message);
    ZELDispatchResult dispatchRemoveConferenceChatUser(const QStringList &message);
    ZELDispatchResult dispatchStopConferenceChat(const QStringList &message);
    ZELDispatchResult dispatchConferenceChatFtpReady(const QStringList &message);
    ZELDispatchResult dispatchConferenceChatFtpStatus(const QStringList &message);
    ZELDispatchResult dispatchCloseConferenceChatWindow(const QStringList &message);
    ZELDispatchResult dispatchFileTransferStatus(const QStringList &message);
    ZELDispatchResult dispatchOfflineFileTransferStatus(const QStringList &message);
    ZELDispatchResult dispatchOfflineFileDetails(const QStringList &message);
    ZELDispatchResult dispatchConferenceFileTransferStatus(const QStringList &message);
    ZELDispatchResult dispatchSelfReminders(const QStringList &message);
    ZELDispatchResult dispatchCrossReminders(const QStringList &message);
    ZELDispatchResult dispatchAddCrossReminder(const QStringList &message);
    ZELDispatchResult dispatchDeleteCrossReminder(const QStringList &message);
    ZELDispatchResult dispatchSnoozeCrossReminder(const QStringList &message);
    ZELDispatchResult dispatchOfflineMessages(const QStringList &message);
    ZELDispatchResult dispatchOfflineMessageStatus(const QStringList &message);
    ZELDispatchResult dispatchChatHistoryToClient(const QStringList &message);
    ZELDispatchResult dispatchChatHistoryList(const QStringList &message);
    ZELDispatchResult dispatchRecentChatUserList(const QStringList &message);
    ZELDispatchResult dispatchVoiceMailFileDetails(const QStringList &message);
    ZELDispatchResult dispatchChatHistoryDate(const QStringList &message);
    ZELDispatchResult dispatchConferenceNamesToBeSent(const QStringList &message);
    ZELDispatchResult dispatchChatHistoryFromServer(const QStringList &message);
    ZELDispatchResult dispatchConferenceHistoryFromServer(const QStringList &message);
    ZELDispatchResult dispatchDatabaseProblem(const QStringList &message);
    ZELDispatchResult dispatchChatHistoryForOpenNewWidget(const QStringList &message);
    ZELDispatchResult dispatchOnlineGroupMessage(const QStringList &message);
    ZELDispatchResult dispatchDeleteReminderList(const QStringList &message);
    ZELDispatchResult dispatchConferenceDates(const QStringList &message);
    ZELDispatchResult dispatchDeleteOfflineMessageStatus(const QStringList &message);
    // The dispatch table as data: every type it knows, and one parsed message run
    // through it (Continue for a type it does not know); the fuzz target feeds both.
    static QStringList dispatchTypes();
    ZELDispatchResult dispatchMessage(const QStringList &message);

    // Long lists. A handler hands the rows of a long list over as steps: they
    // run a slice at a time, and every delivery after the message waits, in
    // arrival order, until the closing step has run. A list that fits into one
    // slice is done at once.
    void runSliced(qsizetype count, std::function<void(qsizetype)> step, std::function<void()> finish);
    // Ends the list being worked through and hands over every delivery waiting
    // behind it, at once: before anything the session had is cleared.
    void settleSlicedWork();
    // Whether a list is being worked through, or deliveries wait behind one.
    bool slicedWorkPending() const;
public slots:

    // ------------------------------------------------------------------
    // Chat windows (chat/)
    void setUserNameForChat();
    void userChatWindow(QTreeWidgetItem *item, int column);
    void showConferenceChatWidget();
    void requestDialogCloseSignal(ZELRequestDialog *dialog);
    void pauseMovie();
    void restartMovie();
    void messageToSend(QStringList &request);
    // File transfers of the chat windows (chat/zelclient_filetransfer.cpp)
    void ftpStatus(QString status);
    void conferenceChatFtpStatus(QString status);
    void advanceProgressBar(QString done);
    void conferenceProgressBar(QString done);
    // Chat file transfers (chat/zelclient_filetransfer.cpp)
    void fileToSend(QString &filePath, QString &receiver, QString &banner, QString &ownDisplayName,
                    QString &locked);
    void sendFileInconferenceChat(QString &filePath, QStringList &request);
    void fileAcceptedSignal(QStringList &request, QString &folder, QString &sender);
    void fileDeclinedSignal(QStringList &details);
    void fileTransferStatusSignal(QStringList &request);
    void ftpAcceptRejectResult(QString result);
    void createChatWindow(QString userName);
    void removeChat(QString &key);
    void closeChatWindow(QStringList &request);
    void informChatOpened(QString &ownLoginId, QString &peer);
    void sendMessageDeliveredStatus(QStringList details);
    void minimizedChat();
    void screenCaptureClosedSignal();
    void sendMessageTypeStatus(QString &ownLoginId, QString &peer);
    void sendMessageEraseStatus(QString &ownLoginId, QString &peer);
    // A chat window wired as one-to-one and conference windows both need (chat/zelclient_chat.cpp)
    ZELChatWindow *newChatWindow();
    // Conferences: set-up, windows, invitations and relays (chat/zelclient_conference.cpp)
    void openConferenceChatWidget(QString conferenceName);
    void createChatWindowForConferenceChat(QString conferenceName, bool ownConference, bool minimized);
    void changeConferenceClickedSignal(ZELChatWindow *window);
    void callChangeConferenceFunction(QString conferenceName);
    void changeConferenceChatWindow(QString conferenceName, bool convertedHere);
    void showConferenceChatAcceptanceDialog(QString kind, QStringList details);
    void sendAcceptRejectSignal(QString &kind, QString &answer, QStringList &details);
    void conferenceChatStatus(QString status, QString inviter, QString conferenceName, QString inviterDisplayName);
    void conferenceChat(QStringList &request);
    void conferenceChatMessage(QStringList &request);
    void removeConferenceChatUser(QStringList &request);
    void stopConferenceChat(QStringList &request);
    void closeConferenceChatWindow(QStringList &request);
    void conferenceMessageTypeStatus(QStringList &request);
public:
    // A participant's photo from the contact records (Base64, empty when he is
    // not a contact); his group and department go to the window's rights.
    QString participantPhoto(const QString &userName, ZELChatWindow *window);
    // A participant's row in the room list and his entry in the tree, up to
    // MaxConferenceParticipants per window.
    static constexpr int MaxConferenceParticipants = 200;
    // Request pop-ups open at once; further requests wait, oldest first, and
    // open as pop-ups close. The wait is bounded by count and by the text it
    // holds: a request beyond either bound gets its kind's refusal at once, so
    // its sender is answered even in a flood.
    static constexpr int MaxOpenRequestDialogs = 20;
    static constexpr int MaxWaitingRequests = 200;
    static constexpr qsizetype MaxWaitingRequestText = 1024 * 1024; // characters
    struct WaitingRequest
    {
        QString kind;
        QStringList details;
        qsizetype text = 0;
    };
    QList<WaitingRequest> m_waitingRequests;
    qsizetype m_waitingRequestText = 0;
    // Opens waiting requests, oldest first, while there is room for a pop-up.
    void openWaitingRequests();
    // Closes every pop-up without an answer and forgets the waiting requests
    // with them (sign-out, lost connection).
    void closeRequestDialogs();
    // Brings the open request pop-ups in front of a window just shown: they
    // stay on top, and without a window manager nothing else puts them there.
    void raiseRequestDialogs();
    void addConferenceParticipant(ZELChatWindow *window, const QString &userName, const QString &displayName);
    // The name itself, or, when a window already has it, the typed part marked
    // " (2)", " (3)", ... before the time, so that no open window is replaced.
    QString unusedConferenceName(const QString &conferenceName) const;
    // Fills a window's list of invitable contacts, one row per user name.
    void fillOnlineUsersList(ZELChatWindow *window);
public slots:
    // Privileges of one-to-one windows (chat/zelclient_privileges.cpp)
    void setChatWindowPrivilege(ZELChatWindow *window, QString key);

    // ------------------------------------------------------------------
    // Contacts and profiles (contacts/)
    void addContactWindow();
    void deleteContactWindow();
    void approvalAddContactWindow();
    void requestedAddContactWindow();
    void showEditUserProfileDialog();
    void setUserProfile();
    void deleteSelectedUserFromContact();
    void addContactName(QStringList &request, QStringList &users, QStringList &profiles);
    void searchStringToServer(QString &keyword);
    void searchUserName(QString &userName);
    void showApprovalProfileDetails(QStringList &details, QPoint &position);
    void sendRejectedUsersListSignal(QStringList &users, int &count);
    void sendAcceptedUsersListSignal(QStringList &users, int &count);
    void sendAcceptedRejectedUsersListSignal(QStringList &users);
    void deleteContactName(QStringList &users);
    void decideLaterUserContact();
    void addContactApprovalStatus(QString answer, QString requester, QString loginId);
    void checkUserNameInApprovalContact(QString loginId);
    void updateUserProfileString(QStringList &profile);
    void showUserProfile();
    void showChatUserProfile(QString &userName);

    // ------------------------------------------------------------------
    // Group messages, offline messages, chat history (messages/)
    void generateWindow();
    void showChatHistoryList();
    void showGroupMessageDialog();
    void deleteSelectedMessage();
    void deleteAllOfflineMessages();
    void replyOfflineMessages();
    void showOfflineMessage();
    void itemChangeStatus(QTableWidgetItem *item);
    void cancelSlot();
    void downloadOfflineFile(QStringList &request, QString &folder, QString &fileName);
    void rejectOfflineFile(QStringList &request);
    void requestDateFromServer(QString &userName);
    void sendChatDateToServer(QString &userName, QString &date);
    void requestConferenceName(QString &date);
    void requstConferenceHistory(QString &date, QString &conference);

    // ------------------------------------------------------------------
    // Group messages and history (messages/zelclient_groupmessages.cpp, messages/zelclient_history.cpp)
    void displayGroupMessage(QStringList message);
    void groupMessageDialogCloseSignal(ZELGroupMessageDisplay *window);
public:
    // Tells the open group-message windows how many messages wait behind them.
    void showWaitingGroupMessageCount();
    // Recipient records ("##"-joined) of the contact rows three levels below a group row.
    static QStringList groupMessageRecipients(const QTreeWidgetItem *groupRow);
    // SAVELOCATION + "/" + the signed-in user's name.
    QString localHistoryRoot() const;
    void showHistoryWaitCursor();
    void removeHistoryWaitCursor();
    // Group-message flood: at most this many message windows are open; later messages wait, in order.
    static constexpr int MaxGroupMessageWindows = 8;
    QList<QStringList> m_pendingGroupMessages;
    // What the waiting group messages may take in all, counted by their text;
    // one beyond it is not kept, and the user is told how many went that way.
    static constexpr qsizetype MaxWaitingGroupMessageBytes = 64 * 1024 * 1024;
    qsizetype m_groupMessageWaitingBound = MaxWaitingGroupMessageBytes;
    qsizetype m_pendingGroupMessageBytes = 0;
    qsizetype m_refusedGroupMessages = 0;
    // Messages still waiting for a window when their user signed out, by
    // login id: nobody has seen them, so they come at that user's next sign-in.
    QHash<QString, QList<QStringList>> m_heldGroupMessages;
    // Chat-window flood (dispatch/zelclient_waitingchats.cpp): with this many chat
    // windows open, chats and file offers from people without a window wait, in
    // the order they came, and are shown as windows close. Such windows also
    // open one an event-loop turn, the others waiting meanwhile.
    static constexpr int MaxChatWindows = 100;
    // What the waiting messages may take in all, counted by their text.
    static constexpr qsizetype MaxWaitingChatBytes = 64 * 1024 * 1024;
    int m_chatWindowBound = MaxChatWindows;
    QList<QStringList> m_waitingChats;
    QHash<QString, int> m_waitingSenders; // messages waiting, by sender
    qsizetype m_waitingChatBytes = 0;
    // A window for a new sender was opened in this event-loop turn.
    bool m_chatWindowOpenedThisTurn = false;
    // Messages turned away because the waiting ones took all their space.
    qsizetype m_refusedChats = 0;
    bool m_releasingWaitingChat = false;
    bool m_waitingChatsScheduled = false;
    // Chats still waiting when their user signed out, by login id.
    QHash<QString, QList<QStringList>> m_heldChats;
    // True when the message from `sender` is not to be shown now: it waits, or
    // was turned away. Shows the sender's earlier waiting messages first when
    // the sender has a window again.
    bool chatWaits(const QStringList &message, const QString &sender);
    // Shows every waiting message of `sender`, in order.
    void releaseWaitingChats(const QString &sender);
    // Opens the window of the oldest waiting sender while there is room, one a turn.
    void showWaitingChats();
    void scheduleWaitingChats();
    // How the session ended that holds the waiting messages.
    enum class WaitingChatsEnd { SignOut, ConnectionLost };
    // Puts the waiting messages aside for this user's next sign-in. Signing
    // out declines the waiting file offers, as the closing windows do theirs.
    void holdWaitingChats(WaitingChatsEnd end);
    // The number of people waiting for a window, under the contact list.
    void showWaitingChatCount();
public slots:
    void getChatHistoryDetailsFromClient();
    void checkChatHistoryFolder();

    // ------------------------------------------------------------------
    // Offline messages (messages/zelclient_offline.cpp)
    void deleteOfflineMessages();
    void deleteMessages();
    void openChatWindowForOfflineMessage(QString peer, QString body, QString time, QString name,
                                         QString details);
    void sendOfflineMessages(QStringList &request);
    void sendFileInOfflineMessage(QString &filePath, QStringList &request);
public:
    // Counter label and action text always; the inbox's file and message tab texts as asked.
    void refreshOfflineCounters(bool fileTab = true, bool messageTab = true);
    // Removes the inbox rows (the checked ones only, or all) with their records.
    void removeOfflineRows(bool checkedOnly);
    QString m_replyTarget; // sender of the offline message shown last
public slots:

    // ------------------------------------------------------------------
    // Reminders (reminders/zelclient_reminders.cpp)
    void reminder();
    void reminderPopupDisplay(QString subject, QString reminderId, QString due);
    void scheduleNextReminder();
    QString ownTimeZone() const;
    void reminderIsDismissed(QString &reminderId);
    void reminderIsSnoozed(QStringList &details);
    void selfDeleteReminderinQMap(QString &reminderId);
    void selfAddReminderinQMap(QString &subject, QString &due, QString &state, QString &assignee,
                               QString &reminderId);
    void selfEditReminderinQMap(QString &subject, QString &due, QString &state, QString &assignee,
                                QString &reminderId, QString &zoneTime);
    void crossAddReminderinQMap(QString &subject, QString &due, QString &state, QString &assignee,
                                QString &reminderId, QString &zoneTime);
    void loadReminderinQMap(QString &subject, QString &due, QString &state, QString &reminderId,
                            QString &assignee, QString &owner, QString &localDue);
    void loadOtherReminderinQMap(QString &subject, QString &due, QString &state, QString &reminderId,
                                 QString &assignee, QString &assigneeName);
    void crossEditReminderinQMap(QString &subject, QString &unused, QString &state, QString &reminderId,
                                 QString &assignee, QString &owner, QString &due);
    void deleteReminderinTable(QString &reminderId);
    void snoozeFromOtherUser(QString &reminderId, QString &due);

    // ------------------------------------------------------------------
    // Voice mail and screen capture (media/)
    void showVoiceRecorderDialog();
    void sendVoiceMailToServer(QStringList &request);
    void downLoadVoiceMailfromServer(QStringList &request);
    // storedName: the file the mail was kept in, when not its own name (another mail had it).
    void updateVoiceMailInboxTable(const QString &storedName = QString());
    void showVoiceMailInboxDialog();

public slots:
    // ------------------------------------------------------------------
    // Protected messages (chat/zelclient_protected.cpp)
    // Notice on the pop-up: key of the chat window to bring forward, sender's name.
    void showPasswordProtectPopup(QString key, QString senderName);
    void sendPwdMessageStatus(QStringList &request);
    // Received pictures (chat/zelclient_pictures.cpp): the picture field of a CHAT or
    // CONFERENCECHATMESSAGE is stored under the data folder's ScreenCapture folder;
    // fileName gets the stored file's name (empty when nothing was stored).
    void saveScreenCaptureImage(QString pictureField, QString &fileName);
    // Stores the field's picture and returns the message HTML pointing at the stored copy.
    QString showReceivedPicture(const QString &pictureField, const QString &messageHtml);

public:
    // ------------------------------------------------------------------
    // Members named by the construction

    QFile m_preferencesFile;
    QDialog *m_signOutOverlay = nullptr;
    QNetworkProxy m_networkProxy;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QDomElement m_preferencesElement;
    QDomDocument m_preferencesDocument;

    QMovie *m_bannerMovie = nullptr;
    QMovie *m_processMovie = nullptr;
    QMovie *m_connectingMovie = nullptr;

    QTimer *m_awayTimer = nullptr;
    QTimer *m_busyTimer = nullptr;
    QTimer *m_textScrollTimer = nullptr;
    QTimer *m_keepAliveTimer = nullptr;
    QTimer *m_trayRotationTimer = nullptr;

    QPoint m_lastCursorPosition;
    QPoint m_dragPosition;
    bool m_dragging = false; // a press in the title zone started a drag

    QMap<QString, QString> m_offlineMessages;
    QMap<QString, ZELChatWindow *> m_chatWindows;
    QMap<QString, LoginSettingsRecord> m_loginSettings;
    QMap<QString, ReminderRecord> m_reminders;
    QMap<QString, UserRecord> m_users;
    QMap<ZELRequestDialog *, int> m_requestDialogs;
    QMap<ZELGroupMessageDisplay *, int> m_groupMessageDisplays;
    // Closes every window of such a list (a closing window may close or
    // delete others) and empties it.
    template <typename Window>
    static void closeEach(QMap<Window *, int> &windows)
    {
        const QList<Window *> open = windows.keys();
        for (Window *window : open) {
            QPointer<Window> guard = window;
            if (guard)
                guard->close();
            windows.remove(window);
        }
    }

    QMenu *m_trayMenu = nullptr;
    QMenu *m_trayStatusMenu = nullptr;
    QMenu *m_statusPopupMenu = nullptr;
    QMenu *m_contactsPopupMenu = nullptr;
    QMenu *m_settingsPopupMenu = nullptr;
    QMenu *m_filePopupMenu = nullptr;
    QMenu *m_connectionPopupMenu = nullptr;
    QMenu *m_helpPopupMenu = nullptr;
    QMenu *m_contactContextMenu = nullptr;
    QMenu *m_emptyPopupMenu = nullptr;

    QString m_connectionStateText;
    QString m_dataFolder;
    // The space and files of the pictures received in this run.
    ZELPictureField::ReceivedPictures m_receivedPictures;

    // Settings lists (positions: core/zelsettingslists.h)
    QStringList m_chatWindowSettings;
    QStringList m_ownProfile;
    QStringList m_chatHistorySettings;
    QStringList m_autoStatusSettings;
    QStringList m_contactDisplaySettings;
    QStringList m_statusMessageSettings;
    QStringList m_notificationSettings;
    QStringList m_offlineMessageList;
    QStringList m_connectionSettings;

    // Actions, in creation order
    QAction *m_signOutAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_addContactAction = nullptr;
    QAction *m_removeContactAction = nullptr;
    QAction *m_chatHistoryAction = nullptr;
    QAction *m_conferenceChatAction = nullptr;
    QAction *m_chatAction = nullptr;
    QAction *m_offlineMessagesAction = nullptr;
    QAction *m_addContactApprovalAction = nullptr;
    QAction *m_approvalRequestedAction = nullptr;
    QAction *m_voiceMailAction = nullptr;
    QAction *m_groupMessageAction = nullptr;
    QAction *m_searchContactAction = nullptr;
    QAction *m_preferencesAction = nullptr;
    QAction *m_connectToServerAction = nullptr;
    QAction *m_onlineAction = nullptr;
    QAction *m_meetingAction = nullptr;
    QAction *m_awayAction = nullptr;
    QAction *m_busyAction = nullptr;
    QAction *m_userStatusAction = nullptr;
    QAction *m_invisibleModeAction = nullptr;
    QAction *m_changePasswordAction = nullptr;
    QAction *m_hideOfflineUsersAction = nullptr;
    QAction *m_remindersAction = nullptr;
    QAction *m_myProfileAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_sendEmailAction = nullptr;
    QAction *m_contactRemoveAction = nullptr;
    QAction *m_viewProfileAction = nullptr;
    QAction *m_signInAction = nullptr;
    QAction *m_trayStatusAction = nullptr;
    QAction *m_trayExitAction = nullptr;
    QAction *m_openAction = nullptr;

    // Child objects
    ZELThread *m_workerThread = nullptr;
    ZELTcpSocket *m_tcpSocket = nullptr;
    ZELXmlCodec *m_xmlCodec = nullptr;
    // Long-lived windows, each built on first use (see ZELClient::setUpLazyWindows).
    ZELLazy<ZELAddContact> m_addContactDialog;
    ZELLazy<ZELPopup> m_notificationPopup;
    ZELLazy<ZELReminderDialog> m_reminderDialog;
    ZELLazy<ZELReminderPopup> m_reminderPopup;
    ZELLazy<ZELDeleteContact> m_deleteContactDialog;
    ZELLazy<ZELBusinessCardDetails> m_businessCardPopup;
    ZELLazy<ZELVoiceMail> m_voiceMailRecorder;
    ZELLazy<ZELVoiceMailInbox> m_voiceMailInbox;
    ZELLazy<ZELOfflineMessagesWidget> m_offlineMessagesWidget;
    ZELLazy<ZELApprovalAddContact> m_approvalAddContactDialog;
    ZELLazy<ZELChatHistoryListWindow> m_chatHistoryWindow;
    ZELLazy<ZELApprovalRequestedUser> m_approvalRequestedUserDialog;
    // What a window built late must still learn: the server was reached (it is
    // told so on connecting). The reminder assignees the contact lists bring are
    // kept here, as the dialog's list would hold them, until the dialog is built.
    bool m_lazyWindowsConnected = false;
    struct PendingAssignees {
        QStringList names{QStringLiteral("Self")}; // the list's items, in order
        QStringList details{QStringLiteral("Self##Self")}; // "shown##login##time zone"
        int current = 0;
        bool changed = false;
    } m_pendingAssignees;
    QMap<int, QString> m_pendingOfflineTabTexts; // the offline inbox's tab texts, by tab
    void setUpLazyWindows();
    void resetReminderAssignees();
    bool hasReminderAssignee(const QString &displayName) const;
    void addReminderAssignee(const QString &displayName, const QString &details);
    void removeReminderAssigneesOf(const QString &userName);

    ZELMessageBoxClass *m_informationBox = nullptr;
    ZELLazy<ZELMessageBoxClass> m_questionBox; // its icon costs a theme look-up: built when first asked

    QList<QTreeWidgetItem *> m_searchMatches;

    // ------------------------------------------------------------------
    // Core: connection, sign-in, preferences
    int m_trayAnimationFrame = 0;
    bool m_signInPending = false;
    // Sign In was pressed while the server was out of reach: the connection
    // it started signs in with the fields as typed once the banner has come.
    bool m_signInOnConnect = false;
    bool m_versionRefused = false;
    bool m_autoLoginTried = false;
    bool m_autoReSignIn = false;
    bool m_fileDataAwaited = true;
    bool m_bannerNotSavedTold = false; // a banner that could not be stored is told once a run
    bool m_userNotInPreferences = true;
    bool m_preferencesEditMode = false;
    bool m_loginListFilled = false;
    bool m_rememberMeChanged = false;
    bool m_rememberPasswordChanged = false;
    bool m_autoSignInChanged = false;
    bool m_connectionDown = false;
    bool m_waitCursorShown = false;
    bool m_animationsPaused = false;
    bool m_statusMessagesSaved = false;
    bool m_signedIn = false;
    bool m_signedInElsewhere = false;
    bool m_reconnecting = false;
    bool m_justConnected = false;
    bool m_reSignInPending = false;
    bool m_restoreStatusOnSignIn = false;
    // Who started the sign-in that awaits its answer: the user, the client
    // again after a reconnection, or the client from the stored automatic
    // sign-in. A sign-in of the client's own that loses its connection before
    // the answer is made again once the server is back.
    enum class SignInStarter { User, AfterLoss, Stored };
    SignInStarter m_pendingSignInStarter = SignInStarter::User;
    QString m_statusBeforeLoss;
    QString m_password;
    QString m_autoLoginPassword;
    QString m_loginId;
    QString m_loginStatus;
    QString m_invisibleLogin = QStringLiteral("FALSE");
    QString m_rememberMe = QStringLiteral("FALSE");
    QString m_rememberPassword = QStringLiteral("FALSE");
    QString m_defaultFileLocation;
    QString m_quickReplies;
    QString m_quickReplyOption;
    QString m_hideOfflineUsers = QStringLiteral("FALSE");
    int m_awayMinutes = 0;
    int m_busyMinutes = 0;
    // Automatic sign-in: the user blocks' (name, flag, password) as read at start-up
    QStringList m_autoLoginList;
    bool m_autoLoginListRead = false;
    // Sign-in without an answer: given up after this long, with a message
    int m_signInAnswerMs = 30000;
    QTimer *m_signInAnswerTimer = nullptr;
    // The user's connection attempt (start-up, the settings, Sign In) that
    // has not connected after this long is given up
    int m_connectAttemptMs = 25000;
    QTimer *m_connectAttemptTimer = nullptr;
    // The user whose session the connection took with it, while its windows
    // stay for him to sign in again; empty when there is none
    QString m_lostSessionUser;
    // Set while a lost session's windows close: nothing of it goes to the
    // server, which ended that session with the connection
    bool m_requestsHeld = false;
    // Login ids of the sign-ins given up on this connection whose answers
    // are still to come, oldest first (the server answers in order).
    QStringList m_abandonedSignIns;
    // A given-up sign-in was accepted late: everything else this connection
    // brings belongs to that session and is dropped until it is closed.
    bool m_abandonedSessionOpen = false;

    // ------------------------------------------------------------------
    // Main window and contact list
    int m_sortClickCount = 2;
    QTreeWidgetItem *m_expandedContactItem = nullptr;
    QTreeWidgetItem *m_recentChatsItem = nullptr;
    QTreeWidgetItem *m_onlineItem = nullptr;
    QTreeWidgetItem *m_offlineItem = nullptr;
    QTreeWidgetItem *m_activeItem = nullptr;
    QTreeWidgetItem *m_inactiveItem = nullptr;
    QTreeWidgetItem *m_contactListEmptyItem = nullptr;
    bool m_contactMenuRequested = false;
    bool m_profileFromChat = false;
    bool m_screenCaptureActive = false;
    bool m_openChatMinimized = false;
    bool m_sessionActive = false;
    QString m_ownDisplayName;
    QString m_selectedUserName;
    QString m_popupChatUser;
    QStringList m_presentContacts;
    QStringList m_recentChatUsers;
    QString m_conversionPeer;

    // ------------------------------------------------------------------
    // File transfers
    bool m_uploadInProgress = false;
    bool m_downloadInProgress = false;
    bool m_chatDownloadPending = false;
    bool m_conferenceDownload = false;
    bool m_chatDownloadDone = false;
    bool m_conferenceDownloadDone = false;
    QString m_saveFolder;
    QString m_transferFileName;
    QString m_transferPeer;
    QString m_transferSender;
    bool m_offlineFileDownloading = false;
    QString m_offlineFileFolder;
    QString m_offlineFileName;
    // Stores received files (chat, offline, voice mail) off the window's thread.
    ZELFileWriter *m_fileWriter = nullptr;

    // ------------------------------------------------------------------
    // Counters, contacts, voice mail, offline messages
    int m_unreadOfflineMessageCount = 0;
    int m_offlineFileCount = 0;
    int m_requestedCount = 0;
    int m_newVoiceMailCount = 0;
    bool m_voiceMailDownloading = false;
    bool m_decideLater = false;
    QString m_downloadVoiceMailName;
    // Dispatch: the text block being handled (a delete list travels after its document)
    QByteArray m_deliveryBlock;
    // A delivery waiting behind a long list; `resumed`: the rest of one begun before it.
    struct HeldDelivery
    {
        QByteArray text;
        QByteArray files;
        QList<QStringList> messages;
        bool resumed = false;
    };
    // Runs a delivery's messages; a message that starts a long list leaves the
    // rest held, first in line.
    void runDelivery(QByteArray &text, QByteArray &files, const QList<QStringList> &messages, bool resumed);
    ZELDispatchResult dispatchOne(const QStringList &message);
    void resumeHeldDeliveries();
    QList<HeldDelivery> m_heldDeliveries;
    ZELSlicedWork *m_slicedWork = nullptr;
    bool m_settlingSlices = false;
    int m_dispatchDepth = 0;
    QStringList m_offlineFileDetails;
    QStringList m_privilegeInfo;

    // ------------------------------------------------------------------
    // Own status, tray and search (mainwindow/zelclient_status.cpp,
    // zelclient_tray.cpp, zelclient_search.cpp)
public slots:
    void availableAction();
    void meetingAction();
    void awayAction();
    void busyAction();
    void userDefinedAction();
    void sendStatusMessage(QString status, QString message);
    void setInvisibleMode();
    void showConnectedTrayMessage();
    void movingText();

public:
    // One idle "minute" of the automatic Away and Busy timers; tests shorten it.
    int m_idleMinuteMs = 60000;
    QString m_currentStatus;       // the status the user chose; automatic Away/Busy keep it
    QString m_defaultStatusMessage; // the message of the default log-in status
    bool m_autoAwayInProgress = false;
    bool m_autoBusyInProgress = false;
    bool m_idleTimersArmed = false;
    bool m_autoStatusApplied = false;
    QString m_searchResult;        // "FOUND" once the last search kept a row
    QString m_marqueeText;
    int m_marqueeX = 290;
    int m_marqueeY = 525;
    int m_marqueeTextWidth = 0;
    int m_marqueeSpan = 0;

    // Idle cost: the marquee and the banner picture pause while the window is unseen,
    // and rest once keyboard and mouse have been still for m_marqueeRestMs
    void watchWhetherSeen();
    void noteUserInput(bool input);
    int m_marqueeRestMs = 60000;
};

#endif
