#ifndef ZELCHATHISTORYLISTWINDOW_H
#define ZELCHATHISTORYLISTWINDOW_H

#include /* form */ "ui/ui_zelchathistorylistwidget.h"

#include <QDialog>
#include <QString>
#include <QStringList>

// Browses the chat transcripts kept on the server or on this computer.
// One top-level instance without parent; closing only hides it.
class ZELChatHistoryListWindow : public QDialog, public Ui_ZELChatHistoryListWidget
{
    Q_OBJECT

public:
    ZELChatHistoryListWindow();

    // Full conference session name behind each row of m_chatDateList.
    QStringList m_sessionNames;
    bool m_disconnected = false;

signals:
    void requestChatDate(QString &contact);
    void sendChatDate(QString &date, QString &contact);
    void requestConferenceChatDate(QString &day);
    void getConferenceHistory(QString &day, QString &sessionName);
    void pauseMovie();
    void restartMovie();

public slots:
    void closeConnection();
    void connectedServer();
};

#endif
