#ifndef ZELPREFERENCESSETTINGS_H
#define ZELPREFERENCESSETTINGS_H

#include /* form */ "ui/ui_zelpreferencessettings.h"
#include "protocol/zelsettingslists.h"

#include <QDialog>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QUrl>

class QCloseEvent;
class QEvent;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// The preferences dialog: nine pages over copies of the main widget's
// settings lists. Made anew for each opening as a window-modal child of the
// main widget; it never stores anything itself: each page that saves hands
// its whole list back through one signal, and the dialog deletes itself when
// it closes.
//
// Every saving page follows one pattern: an edit enables its Ok, Reset and
// Apply; Ok saves and closes (or only closes when Apply is off, that is when
// nothing changed since the last fill or save); Apply saves and stays; Reset
// refills the page from the dialog's copy. Closing while any Apply is on asks
// first.
class ZELPreferencesSettings : public QDialog, public Ui_ZELPreferenceSettingsDialog
{
    Q_OBJECT

public:
    // Page indexes of the stack and the tool box.
    enum Page { ContactDisplay, ChatWindow, AutoStatusChange, Notification, StatusMessage, FileTransfer,
                ChatHistory, QuickReply, ConnectToServer, PageCount };

    static constexpr int MaximumQuickReplies = 10;
#ifdef Q_OS_WIN
    static constexpr bool WindowsShares = true;
#else
    static constexpr bool WindowsShares = false;
#endif
    // Away is always at least this many minutes above Busy.
    static constexpr int AwayAfterBusyMinutes = ZELAutoStatusList::AwayAfterBusyMinutes;

    // The address the Open links hand to the desktop for a folder path. A path
    // that starts with "//" names a network share on Windows, which a file
    // address carries with the server as its host; anywhere else a run of "/"
    // reads as one, as the file system reads it.
    static QUrl folderUrl(const QString &path, bool windowsShares = WindowsShares);

    explicit ZELPreferencesSettings(QWidget *parent);
    ~ZELPreferencesSettings() override;

    QStringList m_autoStatusSettings;
    QStringList m_chatWindowSettings;
    QStringList m_statusMessageSettings;
    QStringList m_chatHistorySettings;
    QStringList m_notificationSettings;
    QStringList m_contactDisplaySettings;
    QString m_defaultFileLocation;
    QString m_selectedFileLocation;
    QString m_userName;
    QString m_quickReplyMessages;
    QString m_quickReplyOption;
    double m_historyFolderSize = 0;
    int m_defaultStatusIndex = 0;

    bool m_contactApplied = false;
    bool m_chatApplied = false;
    bool m_autoStatusApplied = false;
    bool m_notificationApplied = false;
    bool m_statusMessageApplied = false;
    bool m_ftpApplied = false;
    bool m_historyApplied = false;
    bool m_quickReplyApplied = false;

    ZELMessageBoxClass *m_questionBox = nullptr;

    // The signed-in user's transcripts: history folder + "/" + user name.
    // Empty when the name cannot name a folder there.
    QString userHistoryFolder() const;
    bool userHistoryFolderExists() const;

signals:
    void showSampleNotification(QString &kind);
    void savePreferenceNotificationSettings(QStringList &notificationSettings);
    void saveFTPDefaultLocation(QString &folder);
    void saveContactDisplaySettingsInXML(QStringList &contactDisplaySettings);
    void saveChatWindowSettings(QStringList &chatWindowSettings);
    void saveDefaultAutoStatusSettings(QStringList &autoStatusSettings);
    void saveStatusMessages(QStringList &statusMessageSettings);
    void saveChatHistoryDetails(QStringList &chatHistorySettings);
    void saveQuickReplySettingsSignals(QString &quickReplies, QString &quickReplyOption);

public slots:
    // Keeps copies of the main widget's settings, fills every page and shows the dialog.
    void showPreferencesSettings(QStringList notificationSettings, QString defaultFileLocation,
                                 QStringList connectionSettings, QStringList contactDisplaySettings,
                                 QStringList chatWindowSettings, QStringList autoStatusSettings,
                                 QStringList statusMessageSettings, QStringList chatHistorySettings,
                                 QString userName, QString quickReplies, QString quickReplyOption);

    void currentToolBoxChanged(int index);
    void onBackButtonClicked();
    void onFrontButtonClicked();
    void cancelSlot();

    // Contact display
    void resetSettings();
    void saveRecentChatListSettings();
    void onContactApplyButton();
    void enableContactDisplayButton(const QString &text);
    void enableContactDisplayButton(int state);
    void enableContactDisplayButton(bool checked);
    void showSearchCheckBox(int state);

    // Chat window
    void showChatWindowSettings(QStringList settings);
    void resetChatWindowSettings();
    void resetFontSettings();
    void saveChatWindowSettings();
    void onChatApplyButton();
    void enableChatOKButton(const QString &text);
    void enableChatOKButton(int state);
    void enableChatOKButton(bool checked);

    // Automatic status change
    void showAutoStatusChangeSettings(QStringList settings);
    void resetAutoStatusChangeSettings();
    void saveAutoStatusChangeSettings();
    void onAutoApplyButton();
    void enableAutoStatusOKButton(int value);
    void enableBusyStatusGroup(int state);
    void enableAwayStatusGroup(int state);
    void busyMinChange(int busy);

    // Notification
    void resetNotificationSettings();
    void saveNotificationSettings();
    void onNotificationApplyButton();
    void enableNotificationButtons(int state);

    // Status messages
    void showStatusMessageSettings();
    void resetStatusMessage();
    void saveStatusMessage();
    void onStatusApplyButton();
    void enableStatusMessageButton(const QString &text);
    void enableStatusMessageOKButton(int state);
    void changeComoBoxItem(const QString &text);

    // File transfer
    void openFileDialog();
    void saveSelectedLocation();
    void resetFileSaveLocation();
    void enableFTPOKButton(const QString &text);
    void onFtpApplyButton();

    // Chat history
    void showChatHistoryPreferenceSettings(QStringList settings);
    void saveChatHistorySettings();
    void resetChatHistorySettings();
    void onHistoryApplyButton();
    void selectChatHistoryLocation();
    void enableChatHistoryOKButton(int value);
    void enableChatHistoryOKButton(const QString &text);
    void deleteChatHistory();
    void deleteChatHistoryFiles(QDir folder, QStringList dayFolders);
    void calculateChatHistoryFolderSize(QDir folder, QStringList dayFolders);

    // Quick replies
    void showQuickReplyMessages();
    void addKeywordButtonEnable(const QString &text);
    void addKeyword();
    void getSelectedKeyWordItem();
    void updateKeyWordItem();
    void deleteKeyWordItem();
    void enableQuickReplyOKButton(bool checked);
    void saveQuickReplySettings();
    void onQuickReplyApplyButton();

    // Server connection (shown only)
    void ConnectToServerDialog(QStringList settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void setZELStyle();
    void defaultSettings();
    void loadWidgetSettings();

    void showPage(int index);
    bool pageKey();
    void userStatusFocusOut(QObject *field);
    void openFolder(QString path);
    void showFolderSize();
    QStringList historyDayFolders() const;

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
