#ifndef ZELCHATHISTORYLISTWINDOW_H
#define ZELCHATHISTORYLISTWINDOW_H

#include /* form */ "ui/ui_zelchathistorylistwidget.h"

#include <QDialog>
#include <QFileInfoList>
#include <QString>
#include <QStringList>

#include <functional>

class ZELFramelessHelper;
class ZELMessageBoxClass;

// Browses the chat transcripts kept on the server or on this computer, shows
// one and saves it as HTML or PDF. One top-level instance without parent;
// closing only hides it. In server mode it never talks to the server itself:
// it emits what it needs and the dispatcher writes the answers into it. In
// local mode it reads the history folder the chat windows write.
class ZELChatHistoryListWindow : public QDialog, public Ui_ZELChatHistoryListWidget
{
    Q_OBJECT

public:
    ZELChatHistoryListWindow();
    ~ZELChatHistoryListWindow() override;

    // Shows the page the user sees while a transcript is on its way.
    static QString loadingPage();
    // The page shown when there is no history at all.
    static QString emptyHistoryPage();

    // Day folders of a user's local history, most recently modified first,
    // equal seconds by name. Only the folders the client makes count.
    static QFileInfoList dayFolders(const QString &root);
    // The transcripts of one day folder, oldest first.
    static QFileInfoList transcripts(const QString &dayFolder);

    // Three empty columns for a session list headed firstHeader, "Chat Start
    // Time" and "Chat End Time".
    void startSessionTable(const QString &firstHeader);
    // A transcript (server answer or local file) in the view; it can be saved.
    void showTranscript(const QString &html);
    // A notice page in the view ("Loading.....", "Chat History Empty"); it
    // cannot be saved.
    void showNotice(const QString &html);

    // Full conference session name behind each row of m_chatDateList.
    QStringList m_sessionNames;
    QString m_saveFolder;       // starting folder of the save dialog
    QString m_localHistoryRoot; // the user's local history folder
    QString m_imageFolder;      // relative picture references of an export resolve against it
    bool m_serverMode = false;
    bool m_maximized = false;
    bool m_conferenceSelected = false;
    bool m_disconnected = false;
    QString m_selectedConferenceDay;
    QString m_selectedContact;     // tool tip of the selected contact
    QString m_selectedContactName; // its text
    ZELMessageBoxClass *m_informationBox = nullptr;
    ZELFramelessHelper *m_frame = nullptr;
    // Whether a folder may be written; empty: ask the file system. Tests run
    // as root, for whom every folder is writable.
    std::function<bool(const QString &folder)> m_folderWritable;

signals:
    void requestChatDate(QString &contact);
    void sendChatDate(QString &date, QString &contact);
    void requestConferenceChatDate(QString &day);
    void getConferenceHistory(QString &day, QString &sessionName);
    void pauseMovie();
    void restartMovie();

public slots:
    void cancelSlot();
    void requestDateFromServer();
    void requstConferenceChatHistory();
    void showWindowMinimized();
    void maximized();
    void displayMessage(QString text);
    void saveChatSession();
    void showChatHistoryWindow();
    void enableSaveButton();
    void selectionChangedDataToServer();
    void getContactChatHistoryDetails();
    void getConferenceChatHistoryDetails();
    void contactChatHistory(QString date, QString contact);
    void conferenceChatHistory(QString day, QString fileName);
    void closeConnection();
    void connectedServer();

public:
    // Prints the shown transcript to a PDF file; false when nothing was written.
    bool saveChatSessionAsPdf(QString fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings();
    void signalsAndSlots();
    void initializeMemberVariables();
    void defaultSettings();
    void setZELStyle();
    void appendSessionRow(const QString &first, const QFileInfo &file);
    void readTranscript(const QString &day, const QString &fileName);
    bool folderWritable(const QString &folder) const;
    bool saveChatSessionAsHtml(const QString &fileName);

    bool m_showingNotice = false;
};

#endif
