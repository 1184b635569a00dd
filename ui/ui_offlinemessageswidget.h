#ifndef UI_OFFLINEMESSAGESWIDGET_H
#define UI_OFFLINEMESSAGESWIDGET_H

#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpacerItem>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTextBrowser>

#include "style/zelmessagebrowser.h"
#include <QtWidgets/QWidget>

// The offline messages window's form: a frameless frame around two tabs,
// tab 0 the inbox of offline messages, tab 1 the files other users left for
// the user. The form sets no image, icon, table column or connection.
class Ui_OfflineMessagesWidget
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *hboxLayout;
    QLabel *m_leftTopCorner;
    QLabel *m_logoLabel;
    QPushButton *m_minimizeButton;
    QPushButton *m_closeButton;
    QLabel *m_rightTopCorner;
    QHBoxLayout *hboxLayout1;
    QLabel *m_leftStretch;
    QVBoxLayout *vboxLayout;
    QTabWidget *m_offlineTabWidget;

    QWidget *OfflineMessageTab;
    QVBoxLayout *vboxLayout1;
    QLabel *label;
    QTableWidget *m_offlineTable;
    QLabel *label_2;
    QHBoxLayout *hboxLayout2;
    ZELMessageBrowser *m_messageBox;
    QHBoxLayout *hboxLayout3;
    QPushButton *m_replyPushButton;
    QPushButton *m_deleteButton;
    QPushButton *m_deleteAllButton;
    QPushButton *m_cancelButton;

    QWidget *FTPTab;
    QVBoxLayout *vboxLayout2;
    QGridLayout *gridLayout1;
    QLabel *m_recievedFileDetails;
    QHBoxLayout *hboxLayout4;
    QLabel *textLabel1;
    QLabel *m_recievedFileLabel;
    QLabel *m_statusLabel;
    QLabel *m_fileStatusLabel;
    QHBoxLayout *hboxLayout5;
    QLineEdit *m_defaultFileLocation;
    QPushButton *m_browsebutton;
    QPushButton *m_ftpDownloadButton;
    QPushButton *m_ftpRejectButton;
    QTableWidget *m_receivedFileDetailsTable;

    QLabel *m_rightStretch;
    QHBoxLayout *hboxLayout6;
    QLabel *m_leftBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;

    void setupUi(QWidget *OfflineMessagesWidget);
    void retranslateUi(QWidget *OfflineMessagesWidget);
};

namespace Ui {
class OfflineMessagesWidget : public Ui_OfflineMessagesWidget {};
}

#endif
