#ifndef ZELCHATWINDOW_H
#define ZELCHATWINDOW_H

#include /* form */ "ui/ui_chatwidget.h"

#include <QColor>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

#include "chat/zelprivilegerecord.h"
#include "core/zellazy.h"
#include "core/zellazypart.h"

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QMouseEvent;
class QMovie;
class QTimer;
class QTreeWidgetItem;
class ZELDesktopCaptureHelper;
class ZELFramelessHelper;
class ZELInvitableList;
class ZELMessageBoxClass;
class ZELSmileyDialog;
// The window of one conversation: one-to-one, conference or offline message.
// It never talks to the server; it emits request lists, and the main widget
// and the dispatcher call its slots and write its members and form widgets,
// which are public for that reason.
//
// A window has no parent. It deletes itself (deleteLater) once its close
// event is accepted, after emitting closeChat() with its key in the main
// widget's map.
class ZELChatWindow : public QWidget, public Ui_chatWidget
{
    Q_OBJECT

public:
    ZELChatWindow();
    ~ZELChatWindow() override;

    // Stores the own login id, the peer's user name and the sign-in password.
    void setUserDetails(QString ownLoginId, QString peer, QString loginPassword);
    // Shows a minimised window again, maximised or normal as it was.
    void restoreWindowState();
    // The peer's presence picture in the title band, always at 15 x 15.
    void setPresencePicture(const QString &path);

    // Milliseconds from a one-to-one send to its delivery check (30000).
    static int deliveryCheckInterval();
    static void setDeliveryCheckInterval(int milliseconds);

    ZELFramelessHelper *chrome() const { return m_chrome; }

    using QWidget::setFont;

    QString m_dataFolder;
    QMap<QString, PrivilegeRecord> m_privilegeMap;
    QPoint m_dragPosition;
    QStringList m_sentMessages;
    QString m_conferenceSessionName;
    QString m_captureImagePath;
    QString m_loginPassword;
    QString m_passwordReplyState;
    QString m_quickReplyOption;
    QString m_imageData;
    QString m_escKeyOption;
    QString m_enterKeyOption;
    QString m_hourFormat24;
    int m_sentMessageIndex = 0;
    int m_uploadIconFrame = 0;
    int m_downloadIconFrame = 0;
    bool m_closing = false;
    bool m_keepOpen = false;
    bool m_stopCancelled = false;
    bool m_fileDropped = false;
    bool m_pictureDropped = false;
    bool m_conferenceStopped = false;
    bool m_transferActive = false;
    bool m_resizing = false;
    bool m_dragging = false;
    bool m_matchCase = false;
    bool m_searchState = false;
    bool m_wholeWord = false;
    // Built when the smiley button is first used.
    ZELLazy<ZELSmileyDialog> m_smileyDialog;
    QPointer<ZELDesktopCaptureHelper> m_captureHelper;
    QColor m_backgroundColor = Qt::white;
    QColor m_textColor = Qt::black;
    QWidget *m_conferenceTab = nullptr;
    QTreeWidgetItem *m_conferenceRootItem = nullptr;
    int m_receivedFileCount = 0;
    QString m_offlinePeer;
    QString m_ownLoginId;
    QString m_autoSave;
    QString m_historyFolder;
    QString m_pictureRight;
    QString m_fileRight;
    QString m_conferenceBannerState;
    QString m_forceConferenceHeading;
    QString m_bannerState;
    QString m_forceHeading;
    QString m_peer;
    QString m_peerPhoto;
    QString m_replyDetails;
    QString m_peerStatus;
    QString m_peerDisplayName;
    QString m_ownDisplayName;
    QString m_downloadFolder;
    QStringList m_conferenceInvitees;
    QStringList m_conferenceUsers;
    // Built when first asked to show something.
    ZELLazy<ZELMessageBoxClass> m_informationBox;
    ZELLazy<ZELMessageBoxClass> m_questionBox;
    QTimer *m_uploadTimer = nullptr;
    QTimer *m_downloadTimer = nullptr;
    bool m_ignoreClose = false;
    bool m_deliveryPending = false;
    bool m_closeSilently = false;
    bool m_moviesPaused = false;
    bool m_maximizedFlag = false;
    bool m_overwriteFile = false;
    bool m_downloading = false;
    bool m_uploading = false;
    // Which animation of m_messageIndicationGif was started last.
    bool m_typingAnimation = false;
    bool m_erasingAnimation = false;
    // The peer signed out while the window was open; chat controls are off.
    bool m_peerSignedOut = false;
    // An offline message was sent and its status is still awaited.
    bool m_offlineMessagePending = false;

    // The upload and download pages: built, wired and set up the first time
    // anything needs them (an offer sent or received, a tab shown, a test).
    // Every use of their widgets goes through here.
    Ui_chatFilePages &filePages();
    // Whether they are built; a window without them has no transfer to show.
    bool hasFilePages() const { return m_filePages != nullptr; }
    // Stops and hides the download animation, if the pages exist.
    void hideDownloadProgress();
    // A file offered to the user here, one-to-one or in a conference: the
    // download page shows it waiting and the table gains its row. The name
    // is shown cleaned and shortened and kept as sent for the answer.
    void showFileOffer(const QString &wireName, const QString &size, const QString &sender,
                       const QString &displayName, const QString &locked, const QString &folder);

    // The conference page: built, wired and set up the first time anything
    // needs its lists or buttons (the page shown, a conference made, a list
    // filled). The page's widgets below, under their form names, reach it
    // through here when used; the window's own questions that need no page
    // (a conference? who takes part?) go through the calls further below.
    Ui_chatConferencePage &conferencePage();
    // Whether it is built; a window without it has no participant and no one to invite.
    bool hasConferencePage() const { return m_conferencePage != nullptr; }
    template <typename T>
    using ConferencePageWidget = ZELLazyPart<ZELChatWindow, Ui_chatConferencePage, T>;
    ConferencePageWidget<QLabel> m_listOfOnLineUsersLabel{this, &ZELChatWindow::conferencePage,
                                                          &Ui_chatConferencePage::m_listOfOnLineUsersLabel};
    ConferencePageWidget<QListWidget> m_onlineUsersListBox{this, &ZELChatWindow::conferencePage,
                                                           &Ui_chatConferencePage::m_onlineUsersListBox};
    ConferencePageWidget<QPushButton> m_inviteChatButton{this, &ZELChatWindow::conferencePage,
                                                         &Ui_chatConferencePage::m_inviteChatButton};
    ConferencePageWidget<QPushButton> m_stopChatButton{this, &ZELChatWindow::conferencePage,
                                                       &Ui_chatConferencePage::m_stopChatButton};
    ConferencePageWidget<QPushButton> m_removeChatButton{this, &ZELChatWindow::conferencePage,
                                                         &Ui_chatConferencePage::m_removeChatButton};
    ConferencePageWidget<QLabel> m_chatRoomtextLabel{this, &ZELChatWindow::conferencePage,
                                                     &Ui_chatConferencePage::m_chatRoomtextLabel};
    ConferencePageWidget<QListWidget> m_chatRoomListBox{this, &ZELChatWindow::conferencePage,
                                                        &Ui_chatConferencePage::m_chatRoomListBox};
    // The user runs this window's conference: its Invite, Remove and Stop
    // buttons are not hidden. Both read and set without building the page.
    bool conferenceControlsShown() const;
    void setConferenceControlsShown(bool shown);
    // The contacts m_onlineUsersListBox offers for invitation
    // (chat/zelchatwindow_conference.cpp): every change to that list's rows,
    // and every read of them, goes through here. Changes wait for the list
    // while the conference page is not built, and build it only when read.
    ZELInvitableList &invitableUsers();

    // Conference participants, found by user name (chat/zelchatwindow_conference.cpp).
    // None of these builds the conference page.
    int participantCount() const;
    QListWidgetItem *participantRow(const QString &userName) const;
    QStringList participantUserNames() const;
    // Takes the participant's tree entry out and deletes it with its widget.
    void removeParticipantEntry(const QString &userName);
    void clearParticipantEntries();
    // Row, tree entry and rights of one participant.
    void removeParticipant(const QString &userName);

signals:
    void sendMessage(QStringList &request);
    void closeChat(QString &key);
    void sendFile(QString &, QString &, QString &, QString &, QString &);
    void minimized();
    void desktopCaptureHelper(QString &);
    void sendTypeMessageToClient(QString &ownLoginId, QString &peer);
    void sendEraseMessageToClient(QString &ownLoginId, QString &peer);
    void conferenceChat(QStringList &);
    void conferenceChatMessage(QStringList &request);
    void removeConferenceChatUser(QStringList &);
    void stopConferenceChat(QStringList &);
    void sendFileInconferenceChat(QString &, QStringList &);
    void closeChatWindow(QStringList &request);
    void closeConferenceChatWindow(QStringList &request);
    void fileTransferStatusSignal(QStringList &);
    void conferenceMessageTypeStatus(QStringList &request);
    void pauseMovie();
    void restartMovie();
    void screenCaptureClosedSignal();
    void fileAcceptedSignal(QStringList &, QString &, QString &);
    void fileDeclinedSignal(QStringList &);
    void showUserProfile(QString &userName);
    void sendOfflineMessages(QStringList &request);
    void sendFileInOfflineMessage(QString &, QStringList &);
    void insertImageSignal(QString &, QString &, QString &, QString &);
    void changeConferenceClickedSignal(ZELChatWindow *window);
    void sendPwdMessageStatus(QStringList &);
    // The transcript saved on closing could not be written; text says why.
    void automaticHistoryNotSaved(const QString &text);

public slots:
    void windowSettings();
    void initializeMemberVariables();
    void defaultSettings();
    void tableSettings();
    void setZELStyle();
    void signalsAndSlots();
    void sendChatMessage();
    void fileSend();
    void writeBoldLetters();
    void writeItalicLetters();
    void writeUnderLineLetters();
    void setColorFont();
    void setBackGroundColor();
    void setFont();
    void ftpCancel();
    void downLoadTabClose();
    void openSmiley();
    void selectSmiley(QString name);
    void desktopCapture();
    // Smileys shown, contact card shown ("TRUE"/"FALSE").
    void enableSmiley(QString smiley, QString businessCard);
    void capturedScreen(QString &status, QString &path, QString &fileName, QString &text);
    void sendTypeMessage();
    void addUsersInConferenceChat();
    void removeUsersInConferenceChat();
    void setConferenceChatSessionName(QString sessionName, QString title);
    void stopConferenceChat();
    void cursorChanged();
    void showNextMessage();
    void showPreviousMessage();
    // Esc closes, Enter sends, 24-hour time stamps ("TRUE"/"FALSE").
    void setDefaultSettings(QString escKey, QString enterKey, QString hourFormat24);
    void sendEraseMessage();
    void movieFinished();
    void openDowloadedFile(int row, int column);
    void replaceTextSmiley();
    void sendFileDeclainedStatus();
    void ftpAccept();
    void ftpBrowseLocation();
    void selectFileToDowload(int row, int column);
    QString recieverName();
    void ftpDeclined();
    void showUserProfile();
    void checkFileStaus();
    void saveChatSession();
    void chatTabEnableDisable(bool disable);
    void ftpAcceptStatus();
    void changeDefaultFtpLocation(QString folder);
    void findTextInChat(QString text);
    void findCloseClicked();
    void findNextClicked();
    void findPreviousClicked();
    void matchCaseState(int state);
    void rotateUploadingIcon();
    void rotateDownloadingIcon();
    void wholeWordState(int state);
    void hyperLink();
    void messageDeliveredCloseClicked();
    void messageDeliveredStatus();
    void showChatWindow();
    void enableInviteButton();
    void enableRemoveButton();
    void maximized();
    void showMinimizedChatWindow();
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void alertMessageBox();
    void checkPictureFile(QString path);
    void insertImageClicked();
    void changeConferenceClicked();
    void setItemWidgetList(QString displayName, QString userName, QString photo);
    void convertImageString(QString path, QString &field);
    void pauseMovieSignal();
    void restartMovieSignal();
    void changeHideTreeViewClicked();
    void filePrintPdf(QString fileName);
    void saveAutomaticChatHistory();
    void treeViewDoubleClicked(QTreeWidgetItem *item, int column);
    void addPrivilegeList(QString groupName, QString department, QString userName);
    void checkConferenceChatPrivilege(QStringList privileges);
    void displayPasswordProtectedMessage(QStringList message, QString time, QString folder, QString file);
    void passwordProtectedMessage(QStringList message, QString password, QString folder, QString file);
    void showQuickReplyMenu();
    void sendQuickReplyMessage(QAction *action);
    void createQickReplyMenuItem(QString replies, QString option);
    void updateQuickReplyMessageMenuItems(QString replies, QString option);
    void replyPasswordProtectedMessageSignal();
    void closePwdDialogSignal(QStringList message, QString outcome);
    bool findPasswordProtectedFile();
    bool findDeclinedFilePwdProtected();
    void changePasswordForProtectedMessage(QString password);
    void replyMessageDetails(QString details);
    // Transfers under way when the connection dropped are marked failed.
    void setUploadFailedStatus();
    void setDownloadFailedStatus();

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool handleInputKey(QKeyEvent *event);
    bool handleWindowKey(QKeyEvent *event);
    void resetInput();
    // Sending: the pending picture becomes the picture field, its path relative.
    void attachPendingPicture(QString &encodedHtml);
    // Pictures lay out after their message is appended: a transcript showing its
    // end keeps showing it while they grow it.
    void keepTranscriptEndInView();
    // The find bar's boxes and wrap notice take the width their text needs in
    // the font this machine substitutes.
    void fitFindBarToFonts();
    QPixmap peerPhoto() const;
    // Painting stops while the window is minimised and off the screen.
    void paintWhileSeen();
    // Styles the file pages and the conference page once each, when first shown.
    void styleSidePages();
    bool m_filePagesStyled = false;
    bool m_conferencePageStyled = false;
    std::unique_ptr<Ui_chatFilePages> m_filePages;
    std::unique_ptr<Ui_chatConferencePage> m_conferencePage;
    // Whether the conference page's buttons show once the page is built.
    bool m_conferenceControlsShown = true;
    ZELInvitableList *m_invitableUsers = nullptr;

    ZELFramelessHelper *m_chrome = nullptr;
    QMovie *m_typingMovie = nullptr;
    QMovie *m_transferMovie = nullptr;
};

#endif
