#ifndef UI_ZELCHATHISTORYLISTWIDGET_H
#define UI_ZELCHATHISTORYLISTWIDGET_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTextBrowser>

// The chat history window's form: contacts and conference days, the
// sessions of the selection, the transcript and the save and close buttons.
class Ui_ZELChatHistoryListWidget
{
public:
    QListWidget *m_contactNamesList;
    QListWidget *m_conferenceChatDateList;
    QTableWidget *m_chatDateList;
    QTextBrowser *m_historyDisplay;
    QPushButton *m_saveChatButton;
    QPushButton *m_chatListclose;

    void setupUi(QDialog *ZELChatHistoryListWidget);
    void retranslateUi(QDialog *ZELChatHistoryListWidget);
};

namespace Ui {
class ZELChatHistoryListWidget : public Ui_ZELChatHistoryListWidget {};
}

#endif
