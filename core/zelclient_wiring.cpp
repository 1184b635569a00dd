#include "core/zelclient.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"
#include "mainwindow/zelbusinesscarddetails.h"
#include "mainwindow/zelpopup.h"

#include "contacts/zeladdcontact.h"
#include "contacts/zelapprovaladdcontact.h"
#include "contacts/zelapprovalrequesteduser.h"
#include "contacts/zeldeletecontact.h"
#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelofflinemessageswidget.h"
#include "reminders/zelreminderdialog.h"
#include "reminders/zelreminderpopup.h"

// Every connection through which the socket, the worker thread, the form and
// the actions reach the main widget, in one place and in a fixed order. Windows
// made on demand are wired where they are made; the long-lived ones below.
void ZELClient::signalsAndSlots()
{
    // Socket
    connect(m_tcpSocket, &QAbstractSocket::errorOccurred, this, &ZELClient::displayError);
    connect(m_tcpSocket, &QAbstractSocket::stateChanged, this, &ZELClient::displayState);
    connect(m_tcpSocket, &QAbstractSocket::proxyAuthenticationRequired,
            this, &ZELClient::proxyAuthenticationRequiredFunction);
    connect(m_tcpSocket, &ZELTcpSocket::sendDataToClient, this, &ZELClient::parsedMessagesFromServer);
    connect(m_tcpSocket, &ZELTcpSocket::disconnectedSignal, this, &ZELClient::closeConnection);
    connect(m_tcpSocket, &QAbstractSocket::connected, this, &ZELClient::connected);

    // Form buttons
    connect(signButton, &QAbstractButton::clicked, this, &ZELClient::verifyAccountInfo);
    connect(signoutButton, &QAbstractButton::clicked, this, &ZELClient::fileMenuSignOut);
    connect(m_closeButton, &QAbstractButton::clicked, this, &ZELClient::trayIconHideSlot);
    connect(m_minimizeButton, &QAbstractButton::clicked, this, &ZELClient::minimized);
    connect(m_loginPageCloseButton, &QAbstractButton::clicked, this, &ZELClient::closeSlot);
    connect(m_loginPageMinimizeButton, &QAbstractButton::clicked, this, &ZELClient::minimized);
    connect(m_processPageCloseButton, &QAbstractButton::clicked, this, &ZELClient::closeSlot);
    connect(m_processMinimizeButton, &QAbstractButton::clicked, this, &ZELClient::minimized);
    connect(m_userNamePushButton, &QAbstractButton::clicked, this, &ZELClient::userListSorting);
    connect(m_addContactToolButton, &QAbstractButton::clicked, this, &ZELClient::addContactWindow);
    connect(m_deleteContactToolButton, &QAbstractButton::clicked, this, &ZELClient::deleteContactWindow);
    connect(m_conferenceChatToolButton, &QAbstractButton::clicked, this, &ZELClient::showConferenceChatWidget);
    connect(m_chatToolButton, &QAbstractButton::clicked, this, &ZELClient::setUserNameForChat);
    connect(passWordEdit, &QLineEdit::textChanged, this, &ZELClient::enablePasswordField);
    connect(userNameEdit, &QComboBox::editTextChanged, this, &ZELClient::enableUserNameField);
    // The old text-carrying signal also fired for index changes only: read the text here.
    connect(userNameEdit, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { clearPasswordField(userNameEdit->itemText(index)); });
    connect(m_contactView, &QTreeWidget::itemDoubleClicked, this, &ZELClient::userChatWindow);
    connect(m_contactView, &QTreeWidget::itemSelectionChanged, this, &ZELClient::changeTreewidgetUser);
    connect(m_contactView, &QTreeWidget::itemExpanded, this, &ZELClient::expandTreewidgetUser);
    connect(m_rememberMeCheckBox, &QAbstractButton::pressed, this, &ZELClient::rememberMEStateChanged);
    connect(m_rememberPasswordCheckBox, &QAbstractButton::pressed, this, &ZELClient::rememberPwdStateChanged);
    connect(m_autoSignInCheckBox, &QAbstractButton::pressed, this, &ZELClient::autoSignInStateChanged);
    connect(m_searchLineEdit, &QLineEdit::textEdited, this, &ZELClient::searchContactFromTree);
    connect(m_activeusersearch, &QAbstractButton::clicked, this, &ZELClient::activeUserSearchClicked);
    connect(m_inactiveusersearch, &QAbstractButton::clicked, this, &ZELClient::inactiveUserSearchClicked);
    connect(m_searchCloseButton, &QAbstractButton::clicked, this, &ZELClient::searchCloseButtonClicked);
    connect(m_searchLineEdit, &QLineEdit::returnPressed, this, &ZELClient::gotoSearchNext);

    // Actions
    connect(m_signOutAction, &QAction::triggered, this, &ZELClient::fileMenuSignOut);
    connect(m_exitAction, &QAction::triggered, this, &ZELClient::fileMenuExit);
    connect(m_hideOfflineUsersAction, &QAction::triggered, this, &ZELClient::hideOfflineUsers);
    connect(m_myProfileAction, &QAction::triggered, this, &ZELClient::showEditUserProfileDialog);
    connect(m_chatAction, &QAction::triggered, this, &ZELClient::setUserNameForChat);
    connect(m_conferenceChatAction, &QAction::triggered, this, &ZELClient::showConferenceChatWidget);
    connect(m_addContactAction, &QAction::triggered, this, &ZELClient::addContactWindow);
    connect(m_addContactApprovalAction, &QAction::triggered, this, &ZELClient::approvalAddContactWindow);
    connect(m_approvalRequestedAction, &QAction::triggered, this, &ZELClient::requestedAddContactWindow);
    connect(m_changePasswordAction, &QAction::triggered, this, &ZELClient::changePasswordWindow);
    connect(m_removeContactAction, &QAction::triggered, this, &ZELClient::deleteContactWindow);
    connect(m_remindersAction, &QAction::triggered, this, &ZELClient::reminder);
    connect(m_chatHistoryAction, &QAction::triggered, this, &ZELClient::showChatHistoryList);
    connect(m_sendEmailAction, &QAction::triggered, this, &ZELClient::mailToFunction);
    connect(m_connectToServerAction, &QAction::triggered, this, &ZELClient::connectwithProxySettings);
    connect(m_voiceMailAction, &QAction::triggered, this, &ZELClient::showVoiceRecorderDialog);
    connect(m_openAction, &QAction::triggered, this, &ZELClient::toOpenZEL);
    connect(m_signInAction, &QAction::triggered, this, &ZELClient::trayIconSignInSlot);
    connect(m_trayExitAction, &QAction::triggered, this, &ZELClient::fileMenuExit);
    connect(m_contactRemoveAction, &QAction::triggered, this, &ZELClient::deleteSelectedUserFromContact);
    connect(m_offlineMessagesAction, &QAction::triggered, this, &ZELClient::generateWindow);
    connect(m_aboutAction, &QAction::triggered, this, &ZELClient::showAboutZEL);
    connect(m_preferencesAction, &QAction::triggered, this, &ZELClient::showPreferencesSettings);
    connect(m_viewProfileAction, &QAction::triggered, this, &ZELClient::setUserProfile);
    connect(m_groupMessageAction, &QAction::triggered, this, &ZELClient::showGroupMessageDialog);
    connect(m_searchContactAction, &QAction::triggered, this, &ZELClient::showContactSearch);
    connect(m_statusPopupMenu, &QMenu::triggered, this, &ZELClient::changeStatusManually);

    // Worker thread: emitted from its own thread, so these arrive queued.
    connect(m_workerThread, &ZELThread::reminderPopup, this, &ZELClient::reminderPopupDisplay);
    connect(m_workerThread, &ZELThread::sendMousePositionToClient, this, &ZELClient::changeStatus);
    connect(m_workerThread, &ZELThread::setConnectionState, this, &ZELClient::setConnectionState);

    // Tray
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &ZELClient::iconActivated);

}

// The long-lived windows are built on first use. Each builder makes its window,
// wires it, and tells it what it would have been told had it existed from the
// start: that the server was reached, and for the reminder dialog that its
// assignees were reset.
void ZELClient::setUpLazyWindows()
{
    m_addContactDialog.setBuilder([this] {
        auto *dialog = new ZELAddContact(this);
        connect(dialog, &ZELAddContact::addContact, this, &ZELClient::addContactName);
        connect(dialog, &ZELAddContact::searchKeyword, this, &ZELClient::searchStringToServer);
        connect(dialog, &ZELAddContact::searchUserName, this, &ZELClient::searchUserName);
        connect(dialog, &ZELAddContact::showApprovalProfileDetails, this, &ZELClient::showApprovalProfileDetails);
        if (m_lazyWindowsConnected)
            dialog->connectedServer();
        return dialog;
    });
    m_approvalAddContactDialog.setBuilder([this] {
        auto *dialog = new ZELApprovalAddContact(this);
        connect(dialog, &ZELApprovalAddContact::sendRejectedUsersListSignal,
                this, &ZELClient::sendRejectedUsersListSignal);
        connect(dialog, &ZELApprovalAddContact::sendAcceptedUsersListSignal,
                this, &ZELClient::sendAcceptedUsersListSignal);
        connect(dialog, &ZELApprovalAddContact::showApprovalProfileDetails,
                this, &ZELClient::showApprovalProfileDetails);
        if (m_lazyWindowsConnected)
            dialog->connectedServer();
        return dialog;
    });
    m_approvalRequestedUserDialog.setBuilder([this] {
        auto *dialog = new ZELApprovalRequestedUser(this);
        connect(dialog, &ZELApprovalRequestedUser::sendAcceptedRejectedUsersListSignal,
                this, &ZELClient::sendAcceptedRejectedUsersListSignal);
        if (m_lazyWindowsConnected)
            dialog->connectedServer();
        return dialog;
    });
    m_deleteContactDialog.setBuilder([this] {
        auto *dialog = new ZELDeleteContact(this);
        connect(dialog, &ZELDeleteContact::deleteContact, this, &ZELClient::deleteContactName);
        connect(dialog, &ZELDeleteContact::showApprovalProfileDetails, this, &ZELClient::showApprovalProfileDetails);
        if (m_lazyWindowsConnected)
            dialog->connectedServer();
        return dialog;
    });
    m_businessCardPopup.setBuilder([this] { return new ZELBusinessCardDetails(this); });
    m_reminderDialog.setBuilder([this] {
        auto *dialog = new ZELReminderDialog(this);
        connect(dialog, &ZELReminderDialog::selfDeleteReminderDetails, this, &ZELClient::selfDeleteReminderinQMap);
        connect(dialog, &ZELReminderDialog::selfAddReminderDetails, this, &ZELClient::selfAddReminderinQMap);
        connect(dialog, &ZELReminderDialog::selfEditReminderDetails, this, &ZELClient::selfEditReminderinQMap);
        connect(dialog, &ZELReminderDialog::crossAddReminderDetails, this, &ZELClient::crossAddReminderinQMap);
        if (m_lazyWindowsConnected)
            dialog->enableReminderButtons();
        if (m_pendingAssignees.changed) {
            dialog->m_assigneeName->clear();
            dialog->m_assigneeName->addItems(m_pendingAssignees.names);
            dialog->m_assigneeName->setCurrentIndex(m_pendingAssignees.current);
            dialog->m_assigneeDetails = m_pendingAssignees.details;
        }
        m_pendingAssignees = PendingAssignees();
        return dialog;
    });
    m_reminderPopup.setBuilder([this] {
        auto *popup = new ZELReminderPopup();
        connect(popup, &ZELReminderPopup::dismissClicked, this, &ZELClient::reminderIsDismissed);
        connect(popup, &ZELReminderPopup::snoozeClicked, this, &ZELClient::reminderIsSnoozed);
        if (m_lazyWindowsConnected)
            popup->enablePopupButtons();
        return popup;
    });
    m_chatHistoryWindow.setBuilder([this] {
        auto *window = new ZELChatHistoryListWindow();
        connect(window, &ZELChatHistoryListWindow::requestChatDate, this, &ZELClient::requestDateFromServer);
        connect(window, &ZELChatHistoryListWindow::sendChatDate, this, &ZELClient::sendChatDateToServer);
        connect(window, &ZELChatHistoryListWindow::requestConferenceChatDate, this, &ZELClient::requestConferenceName);
        connect(window, &ZELChatHistoryListWindow::getConferenceHistory, this, &ZELClient::requstConferenceHistory);
        connect(window, &ZELChatHistoryListWindow::pauseMovie, this, &ZELClient::pauseMovie);
        connect(window, &ZELChatHistoryListWindow::restartMovie, this, &ZELClient::restartMovie);
        if (m_lazyWindowsConnected)
            window->connectedServer();
        return window;
    });
    m_voiceMailRecorder.setBuilder([this] {
        auto *recorder = new ZELVoiceMail();
        recorder->m_dataFolder = m_dataFolder;
        connect(recorder, &ZELVoiceMail::sendVoiceMailToServer, this, &ZELClient::sendVoiceMailToServer);
        if (m_lazyWindowsConnected)
            recorder->connectedServer();
        return recorder;
    });
    m_voiceMailInbox.setBuilder([this] {
        auto *inbox = new ZELVoiceMailInbox(this);
        inbox->m_dataFolder = m_dataFolder;
        connect(inbox, &ZELVoiceMailInbox::downLoadVoiceMailfromServer, this, &ZELClient::downLoadVoiceMailfromServer);
        connect(inbox, &ZELVoiceMailInbox::pauseMovie, this, &ZELClient::pauseMovie);
        connect(inbox, &ZELVoiceMailInbox::restartMovie, this, &ZELClient::restartMovie);
        if (m_lazyWindowsConnected)
            inbox->connectedServer();
        return inbox;
    });
    m_offlineMessagesWidget.setBuilder([this] {
        auto *window = new ZELOfflineMessagesWidget();
        connect(window->m_deleteButton, &QAbstractButton::clicked, this, &ZELClient::deleteSelectedMessage);
        connect(window->m_deleteAllButton, &QAbstractButton::clicked, this, &ZELClient::deleteAllOfflineMessages);
        connect(window->m_replyPushButton, &QAbstractButton::clicked, this, &ZELClient::replyOfflineMessages);
        connect(window->m_offlineTable, &QTableWidget::itemSelectionChanged, this, &ZELClient::showOfflineMessage);
        connect(window->m_offlineTable, &QTableWidget::itemChanged, this, &ZELClient::itemChangeStatus);
        connect(window, &ZELOfflineMessagesWidget::closeWidget, this, &ZELClient::cancelSlot);
        connect(window, &ZELOfflineMessagesWidget::downloadOfflineFile, this, &ZELClient::downloadOfflineFile);
        connect(window, &ZELOfflineMessagesWidget::rejectOfflineFile, this, &ZELClient::rejectOfflineFile);
        for (auto it = m_pendingOfflineTabTexts.cbegin(); it != m_pendingOfflineTabTexts.cend(); ++it)
            window->m_offlineTabWidget->setTabText(it.key(), it.value());
        m_pendingOfflineTabTexts.clear();
        if (m_lazyWindowsConnected)
            window->connectedServer();
        return window;
    });
    m_notificationPopup.setBuilder([this] {
        auto *popup = new ZELPopup(this);
        popup->m_messageLabel->installEventFilter(this);
        popup->m_noticeLabel->installEventFilter(this);
        return popup;
    });
}
