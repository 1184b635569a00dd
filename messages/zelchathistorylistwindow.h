#ifndef ZELCHATHISTORYLISTWINDOW_H
#define ZELCHATHISTORYLISTWINDOW_H

#include /* form */ "ui/ui_zelchathistorylistwidget.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class ZELMessageBoxClass;

// Browses the chat transcripts kept on the server or on this computer.
// One top-level instance without parent; closing only hides it. In server
// mode it never talks to the server itself: it emits what it needs and the
// dispatcher writes the answers into its widgets.
class ZELChatHistoryListWindow : public QDialog, public Ui_ZELChatHistoryListWidget
{
    Q_OBJECT

public:
    ZELChatHistoryListWindow();
    ~ZELChatHistoryListWindow() override;

    // Shows the page the user sees while a transcript is on its way.
    static QString loadingPage();

    // Full conference session name behind each row of m_chatDateList.
    QStringList m_sessionNames;
    QString m_saveFolder;       // starting folder of the save dialog
    QString m_localHistoryRoot; // the user's local history folder
    QString m_imageFolder;      // put in front of picture references on export
    bool m_serverMode = false;
    bool m_maximized = false;
    bool m_conferenceSelected = false;
    bool m_disconnected = false;
    QString m_selectedConferenceDay;
    QString m_selectedContact;     // tool tip of the selected contact
    QString m_selectedContactName; // its text
    ZELMessageBoxClass *m_informationBox = nullptr;

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
    void displayMessage(QString text);
    void enableSaveButton();
    void selectionChangedDataToServer();
    void closeConnection();
    void connectedServer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

#endif
