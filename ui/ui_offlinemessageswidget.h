#ifndef UI_OFFLINEMESSAGESWIDGET_H
#define UI_OFFLINEMESSAGESWIDGET_H

#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTextBrowser>
#include <QtWidgets/QWidget>

// The offline messages window's form: tab 0 the inbox of offline messages,
// tab 1 the files other users left for the user.
class Ui_OfflineMessagesWidget
{
public:
    QTabWidget *m_offlineTabWidget;

    QWidget *OfflineMessageTab;
    QTableWidget *m_offlineTable;
    QTextBrowser *m_messageBox;
    QPushButton *m_replyPushButton;
    QPushButton *m_deleteButton;
    QPushButton *m_deleteAllButton;

    QWidget *FTPTab;
    QLabel *m_recievedFileLabel;
    QLabel *m_fileStatusLabel;
    QLineEdit *m_defaultFileLocation;
    QPushButton *m_browsebutton;
    QPushButton *m_ftpDownloadButton;
    QPushButton *m_ftpRejectButton;
    QTableWidget *m_receivedFileDetailsTable;

    void setupUi(QWidget *OfflineMessagesWidget);
    void retranslateUi(QWidget *OfflineMessagesWidget);
};

namespace Ui {
class OfflineMessagesWidget : public Ui_OfflineMessagesWidget {};
}

#endif
