#include "core/zelclient.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "protocol/zeltcpsocket.h"
#include "core/zelthread.h"

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

// Every connection through which the socket, the worker thread, the form, the
// actions and the long-lived windows reach the main widget, in one place and
// in a fixed order. Windows made on demand are wired where they are made.
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

    // Contact dialogs
    connect(m_addContactDialog, &ZELAddContact::addContact, this, &ZELClient::addContactName);
    connect(m_addContactDialog, &ZELAddContact::searchKeyword, this, &ZELClient::searchStringToServer);
    connect(m_addContactDialog, &ZELAddContact::searchUserName, this, &ZELClient::searchUserName);
    connect(m_addContactDialog, &ZELAddContact::showApprovalProfileDetails,
            this, &ZELClient::showApprovalProfileDetails);
    connect(m_approvalAddContactDialog, &ZELApprovalAddContact::sendRejectedUsersListSignal,
            this, &ZELClient::sendRejectedUsersListSignal);
    connect(m_approvalAddContactDialog, &ZELApprovalAddContact::sendAcceptedUsersListSignal,
            this, &ZELClient::sendAcceptedUsersListSignal);
    connect(m_approvalAddContactDialog, &ZELApprovalAddContact::showApprovalProfileDetails,
            this, &ZELClient::showApprovalProfileDetails);
    connect(m_approvalRequestedUserDialog, &ZELApprovalRequestedUser::sendAcceptedRejectedUsersListSignal,
            this, &ZELClient::sendAcceptedRejectedUsersListSignal);
    connect(m_deleteContactDialog, &ZELDeleteContact::deleteContact, this, &ZELClient::deleteContactName);
    connect(m_deleteContactDialog, &ZELDeleteContact::showApprovalProfileDetails,
            this, &ZELClient::showApprovalProfileDetails);

    // Worker thread: emitted from its own thread, so these arrive queued.
    connect(m_workerThread, &ZELThread::reminderPopup, this, &ZELClient::reminderPopupDisplay);
    connect(m_workerThread, &ZELThread::sendMousePositionToClient, this, &ZELClient::changeStatus);
    connect(m_workerThread, &ZELThread::setConnectionState, this, &ZELClient::setConnectionState);

    // Reminders
    connect(m_reminderPopup, &ZELReminderPopup::dismissClicked, this, &ZELClient::reminderIsDismissed);
    connect(m_reminderPopup, &ZELReminderPopup::snoozeClicked, this, &ZELClient::reminderIsSnoozed);
    connect(m_reminderDialog, &ZELReminderDialog::selfDeleteReminderDetails,
            this, &ZELClient::selfDeleteReminderinQMap);
    connect(m_reminderDialog, &ZELReminderDialog::selfAddReminderDetails,
            this, &ZELClient::selfAddReminderinQMap);
    connect(m_reminderDialog, &ZELReminderDialog::selfEditReminderDetails,
            this, &ZELClient::selfEditReminderinQMap);
    connect(m_reminderDialog, &ZELReminderDialog::crossAddReminderDetails,
            this, &ZELClient::crossAddReminderinQMap);

    // Chat history
    connect(m_chatHistoryWindow, &ZELChatHistoryListWindow::requestChatDate,
            this, &ZELClient::requestDateFromServer);
    connect(m_chatHistoryWindow, &ZELChatHistoryListWindow::sendChatDate,
            this, &ZELClient::sendChatDateToServer);
    connect(m_chatHistoryWindow, &ZELChatHistoryListWindow::requestConferenceChatDate,
            this, &ZELClient::requestConferenceName);
    connect(m_chatHistoryWindow, &ZELChatHistoryListWindow::getConferenceHistory,
            this, &ZELClient::requstConferenceHistory);
    connect(m_chatHistoryWindow, &ZELChatHistoryListWindow::pauseMovie, this, &ZELClient::pauseMovie);
    connect(m_chatHistoryWindow, &ZELChatHistoryListWindow::restartMovie, this, &ZELClient::restartMovie);

    // Voice mail
    connect(m_voiceMailRecorder, &ZELVoiceMail::sendVoiceMailToServer, this, &ZELClient::sendVoiceMailToServer);
    connect(m_voiceMailInbox, &ZELVoiceMailInbox::downLoadVoiceMailfromServer,
            this, &ZELClient::downLoadVoiceMailfromServer);
    connect(m_voiceMailInbox, &ZELVoiceMailInbox::pauseMovie, this, &ZELClient::pauseMovie);
    connect(m_voiceMailInbox, &ZELVoiceMailInbox::restartMovie, this, &ZELClient::restartMovie);

    // Tray
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &ZELClient::iconActivated);

    // Offline messages
    connect(m_offlineMessagesWidget->m_deleteButton, &QAbstractButton::clicked,
            this, &ZELClient::deleteSelectedMessage);
    connect(m_offlineMessagesWidget->m_deleteAllButton, &QAbstractButton::clicked,
            this, &ZELClient::deleteAllOfflineMessages);
    connect(m_offlineMessagesWidget->m_replyPushButton, &QAbstractButton::clicked,
            this, &ZELClient::replyOfflineMessages);
    connect(m_offlineMessagesWidget->m_offlineTable, &QTableWidget::itemSelectionChanged,
            this, &ZELClient::showOfflineMessage);
    connect(m_offlineMessagesWidget->m_offlineTable, &QTableWidget::itemChanged,
            this, &ZELClient::itemChangeStatus);
    connect(m_offlineMessagesWidget, &ZELOfflineMessagesWidget::closeWidget, this, &ZELClient::cancelSlot);
    connect(m_offlineMessagesWidget, &ZELOfflineMessagesWidget::downloadOfflineFile,
            this, &ZELClient::downloadOfflineFile);
    connect(m_offlineMessagesWidget, &ZELOfflineMessagesWidget::rejectOfflineFile,
            this, &ZELClient::rejectOfflineFile);
}
