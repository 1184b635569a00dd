#ifndef UI_CHATWIDGET_H
#define UI_CHATWIDGET_H

#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpacerItem>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTextBrowser>
#include "chat/zeltranscriptview.h"
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QWidget>

// The chat window's form: its own frame (corners, edges, title strip), the
// peer card, the delivery notice, the transcript, the find bar, the typing
// indicator, the tab widget with the chat, upload, download and conference
// pages, and the participants panel. It holds no behaviour; the window, the
// main widget and the dispatcher reach the widgets by these names. The upload,
// download and conference pages start empty: Ui_chatFilePages and
// Ui_chatConferencePage fill them when first used.
class Ui_chatWidget
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *hboxLayout;
    QLabel *m_leftTopCorner;
    QLabel *m_statusPixmap;
    QLabel *m_logoLabel;
    QPushButton *m_minimizeButton;
    QSpacerItem *spacerItem;
    QPushButton *m_maximizeButton;
    QSpacerItem *spacerItem1;
    QPushButton *m_closeButton;
    QLabel *m_rightTopCorner;
    QHBoxLayout *hboxLayout1;
    QLabel *m_leftStretch;
    QGridLayout *gridLayout1;
    QTabWidget *Chat;
    QWidget *chatpage;
    QGridLayout *gridLayout2;
    QVBoxLayout *vboxLayout;
    QHBoxLayout *hboxLayout2;
    QFrame *m_frame;
    QHBoxLayout *hboxLayout3;
    QHBoxLayout *hboxLayout4;
    QToolButton *m_boldButton;
    QSpacerItem *spacerItem2;
    QToolButton *m_italicButton;
    QSpacerItem *spacerItem3;
    QToolButton *m_underLineButton;
    QSpacerItem *spacerItem4;
    QToolButton *m_colorButton;
    QSpacerItem *spacerItem5;
    QToolButton *m_backGroundColorButton;
    QSpacerItem *spacerItem6;
    QToolButton *m_smileyButton;
    QSpacerItem *spacerItem7;
    QToolButton *m_deskTopCaptureButton;
    QSpacerItem *spacerItem8;
    QToolButton *m_insertImageToolButton;
    QSpacerItem *spacerItem9;
    QToolButton *m_fileSend;
    QSpacerItem *spacerItem10;
    QToolButton *m_savePushButton;
    QSpacerItem *spacerItem11;
    QToolButton *m_conferenceButton;
    QSpacerItem *spacerItem12;
    QToolButton *m_passwordProtectButton;
    QSpacerItem *spacerItem13;
    QToolButton *m_quickReplyButton;
    QSpacerItem *spacerItem14;
    QPushButton *sendButton;
    QSpacerItem *spacerItem15;
    QTextEdit *serverMessage;
    QWidget *uploadfile;
    QWidget *downLoadPage;
    QWidget *Conference_Chat;
    QHBoxLayout *hboxLayout6;
    QSpacerItem *spacerItem20;
    QLabel *m_messageIndicationGif;
    QHBoxLayout *hboxLayout7;
    QLabel *m_userStatusPixmap;
    QVBoxLayout *vboxLayout5;
    QLabel *m_userNameLabel;
    QLabel *m_userRoleLabel;
    QLabel *m_userStatusLabel;
    QSpacerItem *spacerItem21;
    QToolButton *m_hideTreeViewButton;
    QLabel *m_messageTypeLabel;
    QHBoxLayout *hboxLayout8;
    QSpacerItem *spacerItem22;
    QSpacerItem *spacerItem23;
    QFrame *m_findFrame;
    QToolButton *m_findCloseButton;
    QLineEdit *m_findTextLineEdit;
    QToolButton *m_nextFindButton;
    QToolButton *m_previousFindButton;
    QCheckBox *m_matchCaseCheckBox;
    QCheckBox *m_wholeWordCheckBox;
    QLabel *m_searchWrapped;
    QLabel *m_wrappedLabel;
    ZELTranscriptView *totalMessage;
    QSpacerItem *spacerItem24;
    QSpacerItem *spacerItem25;
    QHBoxLayout *hboxLayout9;
    QLabel *m_messageDeliveredLabel;
    QSpacerItem *spacerItem26;
    QToolButton *m_messDeliveredCloseButton;
    QSpacerItem *spacerItem27;
    QLabel *m_indicateFileReceivedLabel;
    QHBoxLayout *hboxLayout10;
    QSpacerItem *spacerItem28;
    QVBoxLayout *vboxLayout6;
    QSpacerItem *spacerItem29;
    QLabel *m_cListLabel;
    QTreeWidget *m_conferenceChatFrame;
    QSpacerItem *spacerItem30;
    QSpacerItem *spacerItem31;
    QLabel *m_rightStretch;
    QHBoxLayout *hboxLayout11;
    QLabel *m_leftBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;

    void setupUi(QWidget *chatWidget);
    void retranslateUi(QWidget *chatWidget);
};

// The contents of the chat form's upload page (uploadfile) and download page
// (downLoadPage), built into the form's empty pages when first needed.
class Ui_chatFilePages
{
public:
    QGridLayout *gridLayout3;
    QVBoxLayout *vboxLayout1;
    QLabel *m_sendFileDetails;
    QTableWidget *m_uploadedFiletable;
    QLabel *m_dragAndDropFileNameLable;
    QGridLayout *gridLayout4;
    QPushButton *m_ftpCancel;
    QPushButton *m_ftpOk;
    QPushButton *m_browsebutton;
    QLabel *m_fileStatusLabel;
    QLabel *m_statusLabel;
    QLabel *m_recievedFileLabel;
    QLabel *textLabel1;
    QLabel *m_recievedFileDetails;
    QLineEdit *m_defaultFileLocation;
    QLabel *m_downLoadProgressBar;
    QTableWidget *m_dowLoadtable;

    void setupUi(Ui_chatWidget &form);
    void retranslateUi();
};

// The contents of the chat form's conference page (Conference_Chat): the
// contacts who can be invited, the participants and the buttons between them,
// built into the form's empty page when first needed.
class Ui_chatConferencePage
{
public:
    QGridLayout *gridLayout5;
    QHBoxLayout *hboxLayout5;
    QVBoxLayout *vboxLayout2;
    QLabel *m_listOfOnLineUsersLabel;
    QListWidget *m_onlineUsersListBox;
    QVBoxLayout *vboxLayout3;
    QSpacerItem *spacerItem16;
    QPushButton *m_inviteChatButton;
    QSpacerItem *spacerItem17;
    QPushButton *m_stopChatButton;
    QSpacerItem *spacerItem18;
    QPushButton *m_removeChatButton;
    QSpacerItem *spacerItem19;
    QVBoxLayout *vboxLayout4;
    QLabel *m_chatRoomtextLabel;
    QListWidget *m_chatRoomListBox;

    void setupUi(Ui_chatWidget &form);
    void retranslateUi();
};

namespace Ui {
class chatWidget : public Ui_chatWidget {};
}

#endif
