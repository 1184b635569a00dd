#ifndef ZELOFFLINEMESSAGESWIDGET_H
#define ZELOFFLINEMESSAGESWIDGET_H

#include /* form */ "ui/ui_offlinemessageswidget.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QCloseEvent;
class QTimer;

// The offline messages window: the inbox of offline messages (run by the
// main widget) and the offline files (downloaded or rejected from here).
// One top-level instance without parent for the whole run.
class ZELOfflineMessagesWidget : public QWidget, public Ui_OfflineMessagesWidget
{
    Q_OBJECT

public:
    ZELOfflineMessagesWidget();

    QString m_loginId;
    QTimer *m_rotationTimer = nullptr; // turns the "Offline Files" tab icon during a download
    int m_checkedMessageCount = 0;
    int m_offlineFileCount = 0;
    bool m_downloading = false;
    bool m_inactive = false; // disconnected or being emptied: selection changes are ignored
    int m_iconIndex = 0;

signals:
    void closeWidget();
    void downloadOfflineFile(QStringList &request, QString &folder, QString &fileName);
    void rejectOfflineFile(QStringList &request);

public slots:
    void closeConnection();
    void connectedServer();

protected:
    void closeEvent(QCloseEvent *event) override;
};

#endif
