#ifndef UI_ZELPREFERENCESSETTINGS_H
#define UI_ZELPREFERENCESSETTINGS_H

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFontComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolBox>
#include <QtWidgets/QToolButton>

// The preferences dialog's form (750 x 550, fixed): the frame, nine pages in
// a stack, each with its group box and Reset / Ok / Apply / Cancel, and the
// tool box with Back and Next that choose the page. Fixed places, no layouts.
class Ui_ZELPreferenceSettingsDialog
{
public:
    // Frame
    QLabel *m_leftTopCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;
    QLabel *m_leftBottomCorner;
    QLabel *m_leftStretch;
    QLabel *m_rightStretch;
    QLabel *m_rightTopCorner;
    QLabel *m_logoLabel;
    QPushButton *m_closeButton;
    QStackedWidget *m_preferenceStackedWidget;

    // Page 0: contact display
    QWidget *ContactDisplayPage;
    QGroupBox *m_contactGroupBox;
    QGroupBox *m_recentChatListGroupBox;
    QLabel *label_2;
    QSpinBox *m_numberOfDaysToChatUserListSpinBox;
    QLabel *label;
    QCheckBox *m_favouritesCheckBox;
    QGroupBox *m_viewStatusGroupBox;
    QRadioButton *m_departmentWiserListButton;
    QRadioButton *m_statusWiseButton;
    QCheckBox *m_selectedUserCheckBox;
    QCheckBox *m_showSearchCheckBox;
    QPushButton *m_contactResetButton;
    QPushButton *m_contactOkButton;
    QPushButton *m_contactApplyButton;
    QPushButton *m_contactCloseButton;

    // Page 1: chat window
    QWidget *ChatPage;
    QGroupBox *m_chatGroupBox;
    QLabel *label_5;
    QFontComboBox *m_fontComboBox;
    QLabel *label_16;
    QComboBox *m_fontSizeComboBox;
    QPushButton *m_resetFontButton;
    QCheckBox *m_displayBusinessCardcheckBox;
    QCheckBox *m_displaySmileyCheckBox;
    QCheckBox *m_displayCloseCheckBox;
    QCheckBox *m_statusCheckBox;
    QLabel *label_3;
    QGroupBox *groupBox_2;
    QRadioButton *m_24HourRadioButton;
    QRadioButton *m_12HourRadioButton;
    QCheckBox *m_warnMeetingCheckBox;
    QCheckBox *m_warnAwayCheckBox;
    QCheckBox *m_escKeyCheckBox;
    QLabel *label_4;
    QGroupBox *groupBox_3;
    QRadioButton *m_sendMessageRadioButton;
    QRadioButton *m_insertsLineRadioButton;
    QLabel *m_chatErrorLabel;
    QPushButton *m_chatResetButton;
    QPushButton *m_chatOkButton;
    QPushButton *m_chatApplyButton;
    QPushButton *m_chatCloseButton;

    // Page 2: automatic status change
    QWidget *AutoStatusPage;
    QGroupBox *m_autoStatusGroupBox;
    QLabel *label_6;
    QCheckBox *m_availableToBusycheckBox;
    QSpinBox *m_busySpinBox;
    QCheckBox *m_busyToAvailablecheckBox;
    QLabel *label_7;
    QCheckBox *m_availableToAwaycheckBox;
    QSpinBox *m_awaySpinBox;
    QCheckBox *m_awayToAvailablecheckBox;
    QLabel *label_8;
    QCheckBox *m_autoLoginCheckBox;
    QLabel *m_aStatusErrorLabel;
    QPushButton *m_autoStatusResetButton;
    QPushButton *m_autoStatusOkButton;
    QPushButton *m_autoApplyButton;
    QPushButton *m_autoStatusCloseButton;

    // Page 3: notification
    QWidget *NotificationPage;
    QGroupBox *m_notificationGroupBox;
    QLabel *label_9;
    QLabel *m_onlineLabel;
    QCheckBox *m_onlineCheckBox;
    QLabel *m_onlineExampleLabel;
    QLabel *m_offlineLabel;
    QCheckBox *m_offlineCheckBox;
    QLabel *m_offlineExampleLabel;
    QLabel *m_fileLabel;
    QCheckBox *m_sendFileCheckBox;
    QLabel *m_fileExampleLabel;
    QLabel *m_newMessageLabel;
    QCheckBox *m_messageCheckBox;
    QLabel *m_newMessageExampleLabel;
    QLabel *m_offlineMessageLabel;
    QCheckBox *m_offlineMessageCheckBox;
    QLabel *m_offlineMessageExampleLabel;
    QLabel *m_voiceMailLabel;
    QCheckBox *m_voiceMailCheckBox;
    QLabel *m_voiceMailExampleLabel;
    QPushButton *m_notificationResetButton;
    QPushButton *m_notificationOkButton;
    QPushButton *m_notificationApplyButton;
    QPushButton *m_notificationCloseButton;

    // Page 4: status messages
    QWidget *StatusMessagePage;
    QGroupBox *m_statusGroupBox;
    QLabel *textLabel1;
    QComboBox *m_defaultStatus;
    QLabel *label_10;
    QLineEdit *m_availableUserMsgLineEdit;
    QCheckBox *m_availableCheckBox;
    QLabel *textLabel3;
    QLineEdit *m_awayUserMsgLineEdit;
    QCheckBox *m_awayCheckBox;
    QLabel *textLabel5;
    QLineEdit *m_meetingMsgLineEdit;
    QCheckBox *m_meetingCheckBox;
    QLabel *textLabel6;
    QLineEdit *m_busyMsgLineEdit;
    QCheckBox *m_busyCheckBox;
    QLabel *textLabel6_2;
    QLineEdit *m_offlineMsgLineEdit;
    QCheckBox *m_offlineStatusCheckBox;
    QLabel *m_userStatusLabel;
    QLineEdit *m_userDefinedLineEdit;
    QLineEdit *m_userMsgLineEdit;
    QCheckBox *m_userDefinedCheckBox;
    QLabel *m_statusErrorLabel;
    QPushButton *m_statusMessageResetButton;
    QPushButton *m_statusMessageOkButton;
    QPushButton *m_statusApplyButton;
    QPushButton *m_statusMessageCloseButton;

    // Page 5: file transfer
    QWidget *FTPSettingsPage;
    QGroupBox *m_fileTransferGroupBox;
    QGroupBox *m_ftpTransferGroupBox;
    QLabel *label_11;
    QLineEdit *m_defaultFileLocationLineEdit;
    QPushButton *m_browseButton;
    QLabel *m_openFtpLabel;
    QLabel *m_ftpErrorLabel;
    QPushButton *m_ftpResetButton;
    QPushButton *m_ftpOkButton;
    QPushButton *m_ftpApplyButton;
    QPushButton *m_ftpCloseButton;

    // Page 6: chat history
    QWidget *ChatHistoryPage;
    QGroupBox *m_chatHistoryGropBox;
    QGroupBox *groupBox;
    QCheckBox *m_autoSaveHistoryCheckBox;
    QLabel *m_locationLabel;
    QLineEdit *m_chatHistoryLocation;
    QPushButton *m_historyBrowseButton;
    QLabel *m_openLabel;
    QCheckBox *m_deleteHistoryCheckBox;
    QSpinBox *m_daySpinBox;
    QPushButton *m_deleteHistoryButton;
    QLabel *m_historyFolderSize;
    QLabel *m_folderSizeLabel;
    QCheckBox *m_chatHistoryCheckBox;
    QLabel *label_18;
    QLabel *m_ftpSettingsLinkLabel;
    QLabel *m_statusHistoryErrorLabel;
    QPushButton *m_historyResetButton;
    QPushButton *m_historyOkButton;
    QPushButton *m_historyApplyButton;
    QPushButton *m_historyCloseButton;

    // Page 7: quick replies
    QWidget *QuickReplyMessage;
    QGroupBox *m_quickReplyGropBox;
    QLabel *label_29;
    QLineEdit *m_keyMessageLineEdit;
    QPushButton *m_addKeyWordButton;
    QLabel *label_30;
    QPushButton *m_updateKeyWordButton;
    QListWidget *m_keyMessageListWidget;
    QPushButton *m_deleteKeyWordButton;
    QGroupBox *groupBox_5;
    QRadioButton *m_sendQuickRadioButton;
    QRadioButton *m_insertRadioButton;
    QLabel *m_quickReplyErrorLabel;
    QPushButton *m_qReplyResetButton;
    QPushButton *m_qReplyOkButton;
    QPushButton *m_qReplyApplyButton;
    QPushButton *m_qReplyCloseButton;

    // Page 8: server connection (shown only)
    QWidget *ConnectToServerPage;
    QGroupBox *m_cSettingsGroupBox;
    QGroupBox *m_connectToServerGroupBox;
    QLabel *label_;
    QLineEdit *m_hostNameLineEdit;
    QLabel *label_12;
    QLineEdit *m_portValueLineEdit;
    QGroupBox *m_ProxygroupBox;
    QRadioButton *m_defaultProxyRadioButton;
    QRadioButton *m_httpProxyradioButton;
    QRadioButton *m_socks5ProxyradioButton;
    QRadioButton *m_noProxyradioButton;
    QGroupBox *m_proxyServergroupBox;
    QLabel *label_1;
    QLineEdit *m_proxyServerHostName;
    QLabel *label_15;
    QLineEdit *m_proxyServerPortValue;
    QGroupBox *m_authenticationgroupBox;
    QLabel *label_13;
    QLineEdit *m_userNameAuthentication;
    QLabel *label_14;
    QLineEdit *m_passwordAuthentication;
    QPushButton *m_settingsResetButton;
    QPushButton *m_settingsOkButton;
    QPushButton *m_connectApplyButton;
    QPushButton *m_settingsCloseButton;

    // Navigation
    QToolBox *m_preferencesToolBox;
    QToolButton *m_backToolButton;
    QToolButton *m_frontToolButton;

    void setupUi(QDialog *ZELPreferenceSettingsDialog);
    void retranslateUi(QDialog *ZELPreferenceSettingsDialog);
};

namespace Ui {
class ZELPreferenceSettingsDialog : public Ui_ZELPreferenceSettingsDialog {};
}

#endif
