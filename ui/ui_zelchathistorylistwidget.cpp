#include /* form */ "ui/ui_zelchathistorylistwidget.h"

#include <QtWidgets/QBoxLayout>

void Ui_ZELChatHistoryListWidget::setupUi(QDialog *ZELChatHistoryListWidget)
{
    if (ZELChatHistoryListWidget->objectName().isEmpty())
        ZELChatHistoryListWidget->setObjectName(QString::fromLatin1("ZELChatHistoryListWidget"));
    ZELChatHistoryListWidget->resize(615, 567);

    auto *column = new QVBoxLayout(ZELChatHistoryListWidget);
    auto *lists = new QHBoxLayout();
    m_contactNamesList = new QListWidget(ZELChatHistoryListWidget);
    m_contactNamesList->setObjectName(QString::fromLatin1("m_contactNamesList"));
    m_conferenceChatDateList = new QListWidget(ZELChatHistoryListWidget);
    m_conferenceChatDateList->setObjectName(QString::fromLatin1("m_conferenceChatDateList"));
    m_chatDateList = new QTableWidget(ZELChatHistoryListWidget);
    m_chatDateList->setObjectName(QString::fromLatin1("m_chatDateList"));
    lists->addWidget(m_contactNamesList);
    lists->addWidget(m_conferenceChatDateList);
    lists->addWidget(m_chatDateList, 1);
    column->addLayout(lists);
    m_historyDisplay = new QTextBrowser(ZELChatHistoryListWidget);
    m_historyDisplay->setObjectName(QString::fromLatin1("m_historyDisplay"));
    column->addWidget(m_historyDisplay, 1);
    auto *buttons = new QHBoxLayout();
    m_saveChatButton = new QPushButton(ZELChatHistoryListWidget);
    m_saveChatButton->setObjectName(QString::fromLatin1("m_saveChatButton"));
    m_chatListclose = new QPushButton(ZELChatHistoryListWidget);
    m_chatListclose->setObjectName(QString::fromLatin1("m_chatListclose"));
    buttons->addStretch(1);
    buttons->addWidget(m_saveChatButton);
    buttons->addWidget(m_chatListclose);
    column->addLayout(buttons);

    retranslateUi(ZELChatHistoryListWidget);
}

// The texts come with the full form.
void Ui_ZELChatHistoryListWidget::retranslateUi(QDialog *ZELChatHistoryListWidget)
{
    Q_UNUSED(ZELChatHistoryListWidget);
}
