#include /* form */ "ui/ui_chatwidget.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>

namespace {

QToolButton *toolButton(QWidget *parent, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

void Ui_chatWidget::setupUi(QWidget *chatWidget)
{
    if (chatWidget->objectName().isEmpty())
        chatWidget->setObjectName(QString::fromLatin1("chatWidget"));
    chatWidget->resize(800, 637);

    auto *body = new QHBoxLayout(chatWidget);
    body->setContentsMargins(0, 0, 0, 0);
    auto *column = new QVBoxLayout();
    body->addLayout(column);

    auto *title = new QHBoxLayout();
    m_statusPixmap = new QLabel(chatWidget);
    m_statusPixmap->setObjectName(QString::fromLatin1("m_statusPixmap"));
    m_logoLabel = new QLabel(chatWidget);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    title->addWidget(m_statusPixmap);
    title->addWidget(m_logoLabel, 1);
    column->addLayout(title);

    auto *card = new QHBoxLayout();
    m_userStatusPixmap = new QLabel(chatWidget);
    m_userStatusPixmap->setObjectName(QString::fromLatin1("m_userStatusPixmap"));
    m_userStatusPixmap->setScaledContents(true);
    auto *cardText = new QVBoxLayout();
    m_userNameLabel = new QLabel(chatWidget);
    m_userNameLabel->setObjectName(QString::fromLatin1("m_userNameLabel"));
    m_userRoleLabel = new QLabel(chatWidget);
    m_userRoleLabel->setObjectName(QString::fromLatin1("m_userRoleLabel"));
    m_userStatusLabel = new QLabel(chatWidget);
    m_userStatusLabel->setObjectName(QString::fromLatin1("m_userStatusLabel"));
    cardText->addWidget(m_userNameLabel);
    cardText->addWidget(m_userRoleLabel);
    cardText->addWidget(m_userStatusLabel);
    card->addWidget(m_userStatusPixmap);
    card->addLayout(cardText, 1);
    column->addLayout(card);

    auto *delivery = new QHBoxLayout();
    m_messageDeliveredLabel = new QLabel(chatWidget);
    m_messageDeliveredLabel->setObjectName(QString::fromLatin1("m_messageDeliveredLabel"));
    m_messDeliveredCloseButton = toolButton(chatWidget, "m_messDeliveredCloseButton");
    delivery->addWidget(m_messageDeliveredLabel, 1);
    delivery->addWidget(m_messDeliveredCloseButton);
    column->addLayout(delivery);

    totalMessage = new QTextBrowser(chatWidget);
    totalMessage->setObjectName(QString::fromLatin1("totalMessage"));
    column->addWidget(totalMessage, 1);

    m_messageIndicationGif = new QLabel(chatWidget);
    m_messageIndicationGif->setObjectName(QString::fromLatin1("m_messageIndicationGif"));
    m_messageTypeLabel = new QLabel(chatWidget);
    m_messageTypeLabel->setObjectName(QString::fromLatin1("m_messageTypeLabel"));
    m_indicateFileReceivedLabel = new QLabel(chatWidget);
    m_indicateFileReceivedLabel->setObjectName(QString::fromLatin1("m_indicateFileReceivedLabel"));
    column->addWidget(m_messageIndicationGif);
    column->addWidget(m_messageTypeLabel);
    column->addWidget(m_indicateFileReceivedLabel);

    Chat = new QTabWidget(chatWidget);
    Chat->setObjectName(QString::fromLatin1("Chat"));
    Chat->setTabPosition(QTabWidget::South);
    column->addWidget(Chat);

    chatpage = new QWidget();
    chatpage->setObjectName(QString::fromLatin1("chatpage"));
    auto *chatLayout = new QVBoxLayout(chatpage);
    auto *tools = new QHBoxLayout();
    m_boldButton = toolButton(chatpage, "m_boldButton");
    m_boldButton->setCheckable(true);
    m_italicButton = toolButton(chatpage, "m_italicButton");
    m_italicButton->setCheckable(true);
    m_underLineButton = toolButton(chatpage, "m_underLineButton");
    m_underLineButton->setCheckable(true);
    m_colorButton = toolButton(chatpage, "m_colorButton");
    m_backGroundColorButton = toolButton(chatpage, "m_backGroundColorButton");
    m_smileyButton = toolButton(chatpage, "m_smileyButton");
    m_deskTopCaptureButton = toolButton(chatpage, "m_deskTopCaptureButton");
    m_insertImageToolButton = toolButton(chatpage, "m_insertImageToolButton");
    m_fileSend = toolButton(chatpage, "m_fileSend");
    m_savePushButton = toolButton(chatpage, "m_savePushButton");
    m_conferenceButton = toolButton(chatpage, "m_conferenceButton");
    m_passwordProtectButton = toolButton(chatpage, "m_passwordProtectButton");
    m_passwordProtectButton->setCheckable(true);
    m_quickReplyButton = toolButton(chatpage, "m_quickReplyButton");
    sendButton = new QPushButton(chatpage);
    sendButton->setObjectName(QString::fromLatin1("sendButton"));
    for (QWidget *w : { static_cast<QWidget *>(m_boldButton), static_cast<QWidget *>(m_italicButton),
                        static_cast<QWidget *>(m_underLineButton), static_cast<QWidget *>(m_colorButton),
                        static_cast<QWidget *>(m_backGroundColorButton), static_cast<QWidget *>(m_smileyButton),
                        static_cast<QWidget *>(m_deskTopCaptureButton),
                        static_cast<QWidget *>(m_insertImageToolButton), static_cast<QWidget *>(m_fileSend),
                        static_cast<QWidget *>(m_savePushButton), static_cast<QWidget *>(m_conferenceButton),
                        static_cast<QWidget *>(m_passwordProtectButton),
                        static_cast<QWidget *>(m_quickReplyButton) })
        tools->addWidget(w);
    tools->addStretch(1);
    tools->addWidget(sendButton);
    chatLayout->addLayout(tools);
    serverMessage = new QTextEdit(chatpage);
    serverMessage->setObjectName(QString::fromLatin1("serverMessage"));
    chatLayout->addWidget(serverMessage);
    Chat->addTab(chatpage, QString());

    uploadfile = new QWidget();
    uploadfile->setObjectName(QString::fromLatin1("uploadfile"));
    auto *uploadLayout = new QVBoxLayout(uploadfile);
    m_uploadedFiletable = new QTableWidget(uploadfile);
    m_uploadedFiletable->setObjectName(QString::fromLatin1("m_uploadedFiletable"));
    uploadLayout->addWidget(m_uploadedFiletable);
    Chat->addTab(uploadfile, QString());

    downLoadPage = new QWidget();
    downLoadPage->setObjectName(QString::fromLatin1("downLoadPage"));
    auto *downloadLayout = new QVBoxLayout(downLoadPage);
    auto *fileLine = new QHBoxLayout();
    m_recievedFileLabel = new QLabel(downLoadPage);
    m_recievedFileLabel->setObjectName(QString::fromLatin1("m_recievedFileLabel"));
    m_fileStatusLabel = new QLabel(downLoadPage);
    m_fileStatusLabel->setObjectName(QString::fromLatin1("m_fileStatusLabel"));
    m_downLoadProgressBar = new QLabel(downLoadPage);
    m_downLoadProgressBar->setObjectName(QString::fromLatin1("m_downLoadProgressBar"));
    m_downLoadProgressBar->setScaledContents(true);
    fileLine->addWidget(m_recievedFileLabel, 1);
    fileLine->addWidget(m_fileStatusLabel);
    fileLine->addWidget(m_downLoadProgressBar);
    downloadLayout->addLayout(fileLine);
    auto *folderLine = new QHBoxLayout();
    m_defaultFileLocation = new QLineEdit(downLoadPage);
    m_defaultFileLocation->setObjectName(QString::fromLatin1("m_defaultFileLocation"));
    m_defaultFileLocation->setReadOnly(true);
    m_browsebutton = new QPushButton(downLoadPage);
    m_browsebutton->setObjectName(QString::fromLatin1("m_browsebutton"));
    m_ftpOk = new QPushButton(downLoadPage);
    m_ftpOk->setObjectName(QString::fromLatin1("m_ftpOk"));
    m_ftpCancel = new QPushButton(downLoadPage);
    m_ftpCancel->setObjectName(QString::fromLatin1("m_ftpCancel"));
    folderLine->addWidget(m_defaultFileLocation, 1);
    folderLine->addWidget(m_browsebutton);
    folderLine->addWidget(m_ftpOk);
    folderLine->addWidget(m_ftpCancel);
    downloadLayout->addLayout(folderLine);
    m_dowLoadtable = new QTableWidget(downLoadPage);
    m_dowLoadtable->setObjectName(QString::fromLatin1("m_dowLoadtable"));
    downloadLayout->addWidget(m_dowLoadtable);
    Chat->addTab(downLoadPage, QString());

    Conference_Chat = new QWidget();
    Conference_Chat->setObjectName(QString::fromLatin1("Conference_Chat"));
    auto *conferenceLayout = new QHBoxLayout(Conference_Chat);
    m_onlineUsersListBox = new QListWidget(Conference_Chat);
    m_onlineUsersListBox->setObjectName(QString::fromLatin1("m_onlineUsersListBox"));
    m_onlineUsersListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *conferenceButtons = new QVBoxLayout();
    m_inviteChatButton = new QPushButton(Conference_Chat);
    m_inviteChatButton->setObjectName(QString::fromLatin1("m_inviteChatButton"));
    m_stopChatButton = new QPushButton(Conference_Chat);
    m_stopChatButton->setObjectName(QString::fromLatin1("m_stopChatButton"));
    m_removeChatButton = new QPushButton(Conference_Chat);
    m_removeChatButton->setObjectName(QString::fromLatin1("m_removeChatButton"));
    conferenceButtons->addStretch(1);
    conferenceButtons->addWidget(m_inviteChatButton);
    conferenceButtons->addWidget(m_stopChatButton);
    conferenceButtons->addWidget(m_removeChatButton);
    conferenceButtons->addStretch(1);
    m_chatRoomListBox = new QListWidget(Conference_Chat);
    m_chatRoomListBox->setObjectName(QString::fromLatin1("m_chatRoomListBox"));
    m_chatRoomListBox->setSelectionMode(QAbstractItemView::MultiSelection);
    conferenceLayout->addWidget(m_onlineUsersListBox);
    conferenceLayout->addLayout(conferenceButtons);
    conferenceLayout->addWidget(m_chatRoomListBox);
    Chat->addTab(Conference_Chat, QString());

    m_conferenceChatFrame = new QTreeWidget(chatWidget);
    m_conferenceChatFrame->setObjectName(QString::fromLatin1("m_conferenceChatFrame"));
    body->addWidget(m_conferenceChatFrame);

    retranslateUi(chatWidget);
}

// Only the tab texts so far; the other texts come with the full form.
void Ui_chatWidget::retranslateUi(QWidget *chatWidget)
{
    Q_UNUSED(chatWidget);
    Chat->setTabText(Chat->indexOf(chatpage), QCoreApplication::translate("chatWidget", "Chat"));
    Chat->setTabText(Chat->indexOf(uploadfile), QCoreApplication::translate("chatWidget", "Upload Status"));
    Chat->setTabText(Chat->indexOf(downLoadPage), QCoreApplication::translate("chatWidget", "Download Status"));
    Chat->setTabText(Chat->indexOf(Conference_Chat), QCoreApplication::translate("chatWidget", "Conference Chat"));
}
