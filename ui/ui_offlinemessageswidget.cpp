#include /* form */ "ui/ui_offlinemessageswidget.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>

void Ui_OfflineMessagesWidget::setupUi(QWidget *OfflineMessagesWidget)
{
    if (OfflineMessagesWidget->objectName().isEmpty())
        OfflineMessagesWidget->setObjectName(QString::fromLatin1("OfflineMessagesWidget"));
    OfflineMessagesWidget->resize(564, 551);

    auto *column = new QVBoxLayout(OfflineMessagesWidget);
    m_offlineTabWidget = new QTabWidget(OfflineMessagesWidget);
    m_offlineTabWidget->setObjectName(QString::fromLatin1("m_offlineTabWidget"));
    column->addWidget(m_offlineTabWidget);

    OfflineMessageTab = new QWidget();
    OfflineMessageTab->setObjectName(QString::fromLatin1("OfflineMessageTab"));
    auto *inbox = new QVBoxLayout(OfflineMessageTab);
    m_offlineTable = new QTableWidget(OfflineMessageTab);
    m_offlineTable->setObjectName(QString::fromLatin1("m_offlineTable"));
    m_offlineTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    inbox->addWidget(m_offlineTable);
    m_messageBox = new QTextBrowser(OfflineMessageTab);
    m_messageBox->setObjectName(QString::fromLatin1("m_messageBox"));
    inbox->addWidget(m_messageBox);
    auto *inboxButtons = new QHBoxLayout();
    m_replyPushButton = new QPushButton(OfflineMessageTab);
    m_replyPushButton->setObjectName(QString::fromLatin1("m_replyPushButton"));
    m_deleteButton = new QPushButton(OfflineMessageTab);
    m_deleteButton->setObjectName(QString::fromLatin1("m_deleteButton"));
    m_deleteAllButton = new QPushButton(OfflineMessageTab);
    m_deleteAllButton->setObjectName(QString::fromLatin1("m_deleteAllButton"));
    inboxButtons->addStretch(1);
    inboxButtons->addWidget(m_replyPushButton);
    inboxButtons->addWidget(m_deleteButton);
    inboxButtons->addWidget(m_deleteAllButton);
    inbox->addLayout(inboxButtons);
    m_offlineTabWidget->addTab(OfflineMessageTab, QString());

    FTPTab = new QWidget();
    FTPTab->setObjectName(QString::fromLatin1("FTPTab"));
    auto *files = new QVBoxLayout(FTPTab);
    auto *fileLine = new QHBoxLayout();
    m_recievedFileLabel = new QLabel(FTPTab);
    m_recievedFileLabel->setObjectName(QString::fromLatin1("m_recievedFileLabel"));
    m_fileStatusLabel = new QLabel(FTPTab);
    m_fileStatusLabel->setObjectName(QString::fromLatin1("m_fileStatusLabel"));
    fileLine->addWidget(m_recievedFileLabel, 1);
    fileLine->addWidget(m_fileStatusLabel);
    files->addLayout(fileLine);
    auto *downloadLine = new QHBoxLayout();
    m_defaultFileLocation = new QLineEdit(FTPTab);
    m_defaultFileLocation->setObjectName(QString::fromLatin1("m_defaultFileLocation"));
    m_defaultFileLocation->setReadOnly(true);
    m_browsebutton = new QPushButton(FTPTab);
    m_browsebutton->setObjectName(QString::fromLatin1("m_browsebutton"));
    m_ftpDownloadButton = new QPushButton(FTPTab);
    m_ftpDownloadButton->setObjectName(QString::fromLatin1("m_ftpDownloadButton"));
    m_ftpRejectButton = new QPushButton(FTPTab);
    m_ftpRejectButton->setObjectName(QString::fromLatin1("m_ftpRejectButton"));
    downloadLine->addWidget(m_defaultFileLocation, 1);
    downloadLine->addWidget(m_browsebutton);
    downloadLine->addWidget(m_ftpDownloadButton);
    downloadLine->addWidget(m_ftpRejectButton);
    files->addLayout(downloadLine);
    m_receivedFileDetailsTable = new QTableWidget(FTPTab);
    m_receivedFileDetailsTable->setObjectName(QString::fromLatin1("m_receivedFileDetailsTable"));
    m_receivedFileDetailsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_receivedFileDetailsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    files->addWidget(m_receivedFileDetailsTable, 1);
    m_offlineTabWidget->addTab(FTPTab, QString());

    retranslateUi(OfflineMessagesWidget);
}

void Ui_OfflineMessagesWidget::retranslateUi(QWidget *OfflineMessagesWidget)
{
    OfflineMessagesWidget->setWindowTitle(QCoreApplication::translate("OfflineMessagesWidget", "Offline Messages"));
    m_offlineTabWidget->setTabText(m_offlineTabWidget->indexOf(OfflineMessageTab),
                                   QCoreApplication::translate("OfflineMessagesWidget", "Offline Messages"));
    m_offlineTabWidget->setTabText(m_offlineTabWidget->indexOf(FTPTab),
                                   QCoreApplication::translate("OfflineMessagesWidget", "Offline Files"));
}
