#include "core/zelclient.h"

#include "media/zelvoicemail.h"
#include "media/zelvoicemailinbox.h"
#include "style/zeltextbounds.h"

#include <QBrush>
#include <QLabel>
#include <QTableWidget>

void ZELClient::showVoiceRecorderDialog()
{
    if (m_voiceMailAction->isEnabled() && !m_voiceMailRecorder.isVisible()) {
        QString displayName;
        for (const UserRecord &record : std::as_const(m_users)) {
            if (record.userName == m_selectedUserName) {
                displayName = record.displayName;
                break;
            }
        }
        const QString title = QStringLiteral("Voice Mail for ") + displayName;
        m_voiceMailRecorder->setWindowTitle(title);
        m_voiceMailRecorder->m_logoLabel->setText(title);
        m_voiceMailRecorder->showVoiceMailDialog(m_loginId, m_selectedUserName);
    } else if (m_voiceMailRecorder->isMinimized()) {
        m_voiceMailRecorder->showNormal();
    }
}

// The request first, then the recording as one file frame.
void ZELClient::sendVoiceMailToServer(QStringList &request)
{
    convertXMLSendToServer(request);
    QString path = m_voiceMailRecorder->tempFilePath();
    fileUpload(path);
}

void ZELClient::downLoadVoiceMailfromServer(QStringList &request)
{
    m_voiceMailDownloading = true;
    m_downloadVoiceMailName = request.value(1);
    convertXMLSendToServer(request);
}

void ZELClient::updateVoiceMailInboxTable(const QString &storedName)
{
    ZELVoiceMailInbox *inbox = m_voiceMailInbox.get();
    QTableWidget *table = inbox->m_voiceMailTableWidget;
    table->clearSelection();
    const QString stored = storedName.isEmpty() ? m_downloadVoiceMailName : storedName;
    const auto isWaiting = [&](int row) {
        const QTableWidgetItem *status = table->item(row, ZELVoiceMailInbox::StatusColumn);
        const QTableWidgetItem *name = table->item(row, ZELVoiceMailInbox::FileNameColumn);
        return status && name && status->text() == QLatin1String("New")
               && ZELTextBounds::wireName(name) == m_downloadVoiceMailName;
    };
    // Only the row that asked for it is read: another mail of the same name still waits for its own.
    int row = inbox->m_downloadRow;
    if (row < 0 || row >= table->rowCount() || !isWaiting(row)) {
        row = -1;
        for (int candidate = 0; candidate < table->rowCount() && row < 0; ++candidate) {
            if (isWaiting(candidate))
                row = candidate;
        }
    }
    if (row >= 0) {
        auto *read = new QTableWidgetItem(QStringLiteral("Read"));
        read->setForeground(QBrush(Qt::darkGreen));
        table->setItem(row, ZELVoiceMailInbox::StatusColumn, read);
        table->item(row, ZELVoiceMailInbox::FileNameColumn)->setData(ZELVoiceMailInbox::StoredNameRole, stored);
    }
    inbox->m_downloadRow = -1;
    inbox->m_backButton->setEnabled(true);
    inbox->m_stopButton->setEnabled(false);
    inbox->m_playButton->setText(QStringLiteral("Play"));
    inbox->m_playFileName = stored;
    inbox->m_playVoiceMailLable->setText(QStringLiteral("<h1>Click PLAY</h1>"));
    inbox->voiceMailStackedWidget->setCurrentIndex(ZELVoiceMailInbox::PlayPage);
    // Never below zero, even when the server sends a mail it did not list.
    m_newVoiceMailCount = qMax(0, m_newVoiceMailCount - 1);
    m_voiceMailIndicationLabel->setText(QStringLiteral("(") + QString::number(m_newVoiceMailCount)
                                        + QStringLiteral(") Voice Mails"));
}

void ZELClient::showVoiceMailInboxDialog()
{
    m_voiceMailInbox->setModal(true);
    m_voiceMailInbox->m_saveFolder = m_defaultFileLocation;
    m_voiceMailInbox->show();
}
