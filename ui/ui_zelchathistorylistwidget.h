#ifndef UI_ZELCHATHISTORYLISTWIDGET_H
#define UI_ZELCHATHISTORYLISTWIDGET_H

#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTextBrowser>

#include "style/zelmessagebrowser.h"

#include "style/zelframelabels.h"

// The chat history window's form: the title band and frame, on the left the
// contacts and the days with conference chats, beside them the sessions of
// the selection, below the transcript and the save and close buttons. The
// window paints the frame and makes every connection.
class Ui_ZELChatHistoryListWidget : public ZELFrameLabels
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *hboxLayout;  // bottom band
    QHBoxLayout *hboxLayout1; // body band
    QVBoxLayout *vboxLayout;  // content column
    QHBoxLayout *hboxLayout2;
    QHBoxLayout *hboxLayout3; // headings
    QLabel *label_2;
    QLabel *label;
    QHBoxLayout *hboxLayout4; // lists and session table
    QVBoxLayout *vboxLayout1;
    QListWidget *m_contactNamesList;
    QLabel *label_5;
    QListWidget *m_conferenceChatDateList;
    QVBoxLayout *vboxLayout2;
    QTableWidget *m_chatDateList;
    QVBoxLayout *vboxLayout3; // transcript and buttons
    QLabel *label_4;
    ZELMessageBrowser *m_historyDisplay;
    QHBoxLayout *hboxLayout5;
    QPushButton *m_saveChatButton;
    QPushButton *m_chatListclose;
    QHBoxLayout *hboxLayout6; // title band
    QLabel *m_logoLabel;
    QPushButton *m_minimizeButton;
    QPushButton *m_maximizeButton;
    QPushButton *m_closeButton;

    void setupUi(QDialog *ZELChatHistoryListWidget);
    void retranslateUi(QDialog *ZELChatHistoryListWidget);
};

namespace Ui {
class ZELChatHistoryListWidget : public Ui_ZELChatHistoryListWidget {};
}

#endif
