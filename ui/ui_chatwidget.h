#ifndef UI_CHATWIDGET_H
#define UI_CHATWIDGET_H

#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTextBrowser>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QWidget>

// The chat window's form: title strip, peer card, transcript, the tab widget
// with the chat, upload, download and conference pages, and the participants
// tree. It holds no behaviour; the window and the main widget reach the
// widgets by name.
class Ui_chatWidget
{
public:
    // Title strip and peer card.
    QLabel *m_statusPixmap;
    QLabel *m_logoLabel;
    QLabel *m_userStatusPixmap;
    QLabel *m_userNameLabel;
    QLabel *m_userRoleLabel;
    QLabel *m_userStatusLabel;

    // Delivery notice, transcript and typing indicators.
    QLabel *m_messageDeliveredLabel;
    QToolButton *m_messDeliveredCloseButton;
    QTextBrowser *totalMessage;
    QLabel *m_messageIndicationGif;
    QLabel *m_messageTypeLabel;
    QLabel *m_indicateFileReceivedLabel;

    QTabWidget *Chat;

    // Tab 0: formatting row, input and send button.
    QWidget *chatpage;
    QToolButton *m_boldButton;
    QToolButton *m_italicButton;
    QToolButton *m_underLineButton;
    QToolButton *m_colorButton;
    QToolButton *m_backGroundColorButton;
    QToolButton *m_smileyButton;
    QToolButton *m_deskTopCaptureButton;
    QToolButton *m_insertImageToolButton;
    QToolButton *m_fileSend;
    QToolButton *m_savePushButton;
    QToolButton *m_conferenceButton;
    QToolButton *m_passwordProtectButton;
    QToolButton *m_quickReplyButton;
    QPushButton *sendButton;
    QTextEdit *serverMessage;

    // Tab 1: files sent.
    QWidget *uploadfile;
    QTableWidget *m_uploadedFiletable;

    // Tab 2: files received.
    QWidget *downLoadPage;
    QLabel *m_downLoadProgressBar;
    QLabel *m_recievedFileLabel;
    QLabel *m_fileStatusLabel;
    QLineEdit *m_defaultFileLocation;
    QPushButton *m_browsebutton;
    QPushButton *m_ftpOk;
    QPushButton *m_ftpCancel;
    QTableWidget *m_dowLoadtable;

    // Tab 3: conference.
    QWidget *Conference_Chat;
    QListWidget *m_onlineUsersListBox;
    QPushButton *m_inviteChatButton;
    QPushButton *m_stopChatButton;
    QPushButton *m_removeChatButton;
    QListWidget *m_chatRoomListBox;

    // Side panel: the conference participants.
    QTreeWidget *m_conferenceChatFrame;

    void setupUi(QWidget *chatWidget);
    void retranslateUi(QWidget *chatWidget);
};

namespace Ui {
class chatWidget : public Ui_chatWidget {};
}

#endif
