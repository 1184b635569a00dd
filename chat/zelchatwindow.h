#ifndef ZELCHATWINDOW_H
#define ZELCHATWINDOW_H

#include /* form */ "ui/ui_chatwidget.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QCloseEvent;
class QMovie;
class QTimer;
class QTreeWidgetItem;

// The window of one conversation: one-to-one, conference or offline message.
// It never talks to the server; it emits request lists, and the main widget
// and the dispatcher call its slots and write its members and form widgets.
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

    QString m_dataFolder;
    QString m_conferenceSessionName;
    QString m_loginPassword;
    QString m_quickReplyOption;
    QString m_escKeyOption;
    QString m_enterKeyOption;
    QString m_hourFormat24;
    int m_uploadIconFrame = 0;
    int m_downloadIconFrame = 0;
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
    QTimer *m_uploadTimer = nullptr;
    QTimer *m_downloadTimer = nullptr;
    bool m_ignoreClose = false;
    bool m_deliveryPending = false;
    bool m_closeSilently = false;
    bool m_moviesPaused = false;
    bool m_maximizedFlag = false;
    bool m_downloading = false;
    bool m_uploading = false;
    // Which animation of m_messageIndicationGif was started last.
    bool m_typingAnimation = false;
    bool m_erasingAnimation = false;
    // The peer signed out while the window was open; chat controls are off.
    bool m_peerSignedOut = false;
    // An offline message was sent and its status is still awaited.
    bool m_offlineMessagePending = false;

signals:
    void sendMessage(QStringList &request);
    void closeChat(QString &key);
    void sendFile(QString &, QString &, QString &, QString &, QString &);
    void minimized();
    void desktopCaptureHelper(QString &);
    void sendTypeMessageToClient(QString &, QString &);
    void sendEraseMessageToClient(QString &, QString &);
    void conferenceChat(QStringList &);
    void conferenceChatMessage(QStringList &);
    void removeConferenceChatUser(QStringList &);
    void stopConferenceChat(QStringList &);
    void sendFileInconferenceChat(QString &, QStringList &);
    void closeChatWindow(QStringList &request);
    void closeConferenceChatWindow(QStringList &request);
    void fileTransferStatusSignal(QStringList &);
    void conferenceMessageTypeStatus(QStringList &);
    void pauseMovie();
    void restartMovie();
    void screenCaptureClosedSignal();
    void fileAcceptedSignal(QStringList &, QString &, QString &);
    void fileDeclinedSignal(QStringList &);
    void showUserProfile(QString &);
    void sendOfflineMessages(QStringList &);
    void sendFileInOfflineMessage(QString &, QStringList &);
    void insertImageSignal(QString &, QString &, QString &, QString &);
    void changeConferenceClickedSignal(ZELChatWindow *window);
    void sendPwdMessageStatus(QStringList &);

public slots:
    void tableSettings();
    // Esc closes, Enter sends, 24-hour time stamps ("TRUE"/"FALSE").
    void setDefaultSettings(QString escKey, QString enterKey, QString hourFormat24);
    // Smileys shown, contact card shown ("TRUE"/"FALSE").
    void enableSmiley(QString smiley, QString businessCard);
    void chatTabEnableDisable(bool disable);
    void ftpCancel();
    void movieFinished();
    void changeDefaultFtpLocation(QString folder);
    void setUploadFailedStatus();
    void setDownloadFailedStatus();
    void changePasswordForProtectedMessage(QString password);
    void replyMessageDetails(QString details);
    void createQickReplyMenuItem(QString replies, QString option);
    void updateQuickReplyMessageMenuItems(QString replies, QString option);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString statusTimeText() const;

    QMovie *m_typingMovie = nullptr;
    QMovie *m_transferMovie = nullptr;
};

#endif
