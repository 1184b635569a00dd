#include "messages/zelofflinemessageswidget.h"

#include <QCloseEvent>
#include <QTimer>

namespace {

enum FileColumn { FileNameColumn = 0, PathColumn = 1, SenderUserColumn = 3, StatusColumn = 6 };
const char kDownloading[] = "Downloading....";

void setRedText(QTableWidget *table, int row, int column, const QString &text)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setText(text);
    item->setForeground(QBrush(Qt::red));
}

} // namespace

ZELOfflineMessagesWidget::ZELOfflineMessagesWidget()
    : QWidget(nullptr)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    m_rotationTimer = new QTimer(this);
    m_rotationTimer->setInterval(100);

    m_offlineTable->setColumnCount(6);
    m_offlineTable->setHorizontalHeaderLabels({ QStringLiteral("Check"), QString(), QStringLiteral("Sender"),
                                                QStringLiteral("Sender"), QStringLiteral("Sent Time"),
                                                QStringLiteral("Message") });
    m_offlineTable->setColumnHidden(2, true);
    m_offlineTable->setSelectionMode(QAbstractItemView::SingleSelection);

    m_receivedFileDetailsTable->setColumnCount(7);
    m_receivedFileDetailsTable->setHorizontalHeaderLabels(
        { QStringLiteral("File Name"), QStringLiteral("Path"), QStringLiteral("Size"),
          QStringLiteral("Recieved From"), QStringLiteral("Recieved From"), QStringLiteral("Sent Time"),
          QStringLiteral("Status") });
    m_receivedFileDetailsTable->setColumnHidden(SenderUserColumn, true);

    // Only a selected waiting row enables the file buttons.
    m_browsebutton->setEnabled(false);
    m_ftpDownloadButton->setEnabled(false);
    m_ftpRejectButton->setEnabled(false);
    hide();
}

void ZELOfflineMessagesWidget::closeConnection()
{
    m_inactive = true;
    m_receivedFileDetailsTable->clearSelection();
    if (m_downloading) {
        m_rotationTimer->stop();
        m_offlineTabWidget->setTabIcon(1, QIcon(QStringLiteral(":images/ftp.gif")));
        for (int row = 0; row < m_receivedFileDetailsTable->rowCount(); ++row) {
            const QTableWidgetItem *status = m_receivedFileDetailsTable->item(row, StatusColumn);
            if (status && status->text() == QLatin1String(kDownloading)) {
                setRedText(m_receivedFileDetailsTable, row, StatusColumn, QStringLiteral("Failed"));
                setRedText(m_receivedFileDetailsTable, row, PathColumn, QStringLiteral("Network Problem"));
                break;
            }
        }
        if (m_fileStatusLabel->text() == QLatin1String(kDownloading))
            m_fileStatusLabel->setText(QStringLiteral("Network Problem"));
    }
    m_browsebutton->setEnabled(false);
    m_ftpDownloadButton->setEnabled(false);
    m_ftpRejectButton->setEnabled(false);
}

void ZELOfflineMessagesWidget::connectedServer()
{
    m_inactive = false;
    m_receivedFileDetailsTable->clearSelection();
}

void ZELOfflineMessagesWidget::closeEvent(QCloseEvent *event)
{
    m_checkedMessageCount = 0;
    emit closeWidget();
    event->accept();
}
