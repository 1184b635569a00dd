#ifndef ZELOFFLINEMESSAGESWIDGET_H
#define ZELOFFLINEMESSAGESWIDGET_H

#include /* form */ "ui/ui_offlinemessageswidget.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QCloseEvent;
class QTimer;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// The offline messages window: the inbox of offline messages (its rows are
// filled and run by the main widget) and the offline files, which this window
// lists, downloads one at a time or rejects. It never talks to the server:
// downloads and rejections leave as request lists through its signals.
//
// One top-level instance without parent for the whole run; closing hides it.
class ZELOfflineMessagesWidget : public QWidget, public Ui_OfflineMessagesWidget
{
    Q_OBJECT

public:
    // Columns of the file table.
    enum FileColumn {
        FileNameColumn = 0,
        PathColumn = 1,
        SizeColumn = 2,
        SenderUserColumn = 3,
        SenderNameColumn = 4,
        SentTimeColumn = 5,
        StatusColumn = 6
    };

    ZELOfflineMessagesWidget();
    ~ZELOfflineMessagesWidget() override;

    // Appends one row per file of an "OFFLINEFILEDETAILS" message, saved into folder.
    // One row of the offline file table: the file whose three values start at
    // `at` in the details, to be saved in `folder`; counted in m_offlineFileCount.
    void addOfflineFile(const QStringList &details, int at, const QString &folder);

    // A name as questions show it: cut after 20 characters, escaped for their markup.
    static QString shortName(const QString &fileName);

    QString m_loginId;
    QTimer *m_rotationTimer = nullptr; // turns the "Offline Files" tab icon during a download
    int m_checkedMessageCount = 0;
    int m_offlineFileCount = 0;
    bool m_downloading = false;
    bool m_inactive = false; // disconnected or being emptied: selection changes are ignored
    int m_iconIndex = 0;
    ZELMessageBoxClass *m_questionBox = nullptr;
    ZELMessageBoxClass *m_informationBox = nullptr;
    // Whether a folder takes new files; replaceable because the superuser may write anywhere.
    std::function<bool(const QString &folder)> m_folderWritable;

signals:
    void closeWidget();
    void downloadOfflineFile(QStringList &request, QString &folder, QString &fileName);
    void rejectOfflineFile(QStringList &request);

public slots:
    void minimizedWindow();
    void onBrowseButtonClicked();
    void onDownloadButtonClicked();
    void onRejectButtonClicked();
    void selectionChangedFileDetails();
    void rotateDownloadingIcon();
    void openDowloadedFile(int row, int column);
    void closeConnection();
    void connectedServer();
    bool alertMessageBox(QString fileName);
    void sectionClickedSignal(int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings();
    void defaultSettings();
    void initializeMemberVariables();
    void setZELStyle();
    void setupOfflineTables();
    void signalsAndSlots();
    void setFileButtonsEnabled(bool enabled);
    QString chooseFolder();
    bool folderWritable(const QString &folder) const;

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
