// Saving a chat window's transcript: on request as HTML or PDF, and on
// closing into the local history tree that the history window lists.
#include "chat/zelchatwindow.h"

#include "chat/zeltranscript.h"
#include "platform/zelchoosers.h"
#include "platform/zelfilepermissions.h"
#include "platform/zelplatform.h"
#include "protocol/zelhistorypaths.h"
#include "protocol/zelsafewrite.h"
#include "style/zelmessageboxclass.h"
#include "style/zelpdfexport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

const char kTitle[] = "Chat History";
const char kEmpty[] = "Chat history should not be empty";
const char kNotSaved[] = "Chat History has not been saved";
const char kSaved[] = "Chat History has been saved successfully";

// Only a transcript with at least one message heading is worth a file;
// notices alone (file transfers, status lines) are not.
bool holdsConversation(const QString &plainText)
{
    return !plainText.isEmpty() && plainText.contains(QLatin1String("says ::"));
}

// The HTML export declares UTF-8, so it is written as UTF-8: every script
// survives. A write that does not reach the disk whole is a failure, and the
// file of that name keeps what it held.
ZELSafeWrite::Result writeTranscript(const QString &path, const QString &html)
{
    return ZELSafeWrite::replace(path, html.toUtf8());
}

// A browser opening the saved file finds pictures shown from absolute local
// paths only with a file address; relative and resource sources stay as they are.
QString withFileAddresses(QString html)
{
    static const QRegularExpression localSource(QStringLiteral("img src=\"(?=/)"));
    return html.replace(localSource, QStringLiteral("img src=\"file://"));
}

void tell(ZELChatWindow &window, const QString &title, const char *text)
{
    window.m_informationBox->showInformationBox(&window, title, QString::fromLatin1(text));
}

} // namespace

void ZELChatWindow::saveChatSession()
{
    const QString title = QString::fromLatin1(kTitle);
    if (!holdsConversation(totalMessage->toPlainText())) {
        tell(*this, title, kEmpty);
        return;
    }

    const QString name = (!m_peer.isEmpty() ? m_peerDisplayName : m_conferenceSessionName)
                         + QDate::currentDate().toString(Qt::TextDate);
    emit pauseMovie();
    QString chosen = ZELPlatform::choosers()->saveFileName(
        this, QStringLiteral("Choose a directory to save file"),
        m_downloadFolder + QLatin1Char('/') + ZELHistoryPaths::component(name), QStringLiteral("*.html *.pdf"));
    emit restartMovie();
    if (chosen.isEmpty()) {
        tell(*this, title, kNotSaved);
        return;
    }

    const bool pdf = QFileInfo(chosen).suffix() == QLatin1String("pdf");
    if (!pdf && QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".html");
    // Checked on the name actually written, ".html" included.
    if (QFileInfo::exists(chosen) && !ZELPlatform::filePermissions()->isWritable(chosen)) {
        tell(*this, QStringLiteral("Access Denied"), "Destination folder is write protected");
        return;
    }
    if (pdf) {
        filePrintPdf(chosen);
        return;
    }
    tell(*this, title, writeTranscript(chosen, withFileAddresses(totalMessage->wholeHtml())).ok ? kSaved : kNotSaved);
}

void ZELChatWindow::filePrintPdf(QString fileName)
{
    if (fileName.isEmpty())
        return;
    const bool written = ZELPdfExport::write(*totalMessage->document(), fileName).ok;
    tell(*this, QString::fromLatin1(kTitle), written ? kSaved : kNotSaved);
}

void ZELChatWindow::saveAutomaticChatHistory()
{
    // Without a history folder the tree would start at the file system's root.
    if (m_historyFolder.isEmpty())
        return;
    const QString plain = totalMessage->toPlainText();
    const QString userFolder = ZELHistoryPaths::userFolder(m_historyFolder, m_ownDisplayName);
    if (!QDir(userFolder).exists())
        QDir().mkpath(userFolder);
    const QString fileName = !m_peer.isEmpty() ? ZELHistoryPaths::contactFileName(m_peerDisplayName)
                                               : ZELHistoryPaths::conferenceFileName(m_conferenceSessionName);
    const QString dayFolder =
        userFolder + QLatin1Char('/') + ZELHistoryPaths::dayFolderName(QDate::currentDate());
    if (!QDir(dayFolder).exists())
        QDir().mkpath(dayFolder);
    // A close never waits for, or fails on, the history: a failure is handed
    // to the main window to tell, as this window is going.
    if (!holdsConversation(plain))
        return;
    const ZELSafeWrite::Result written = writeTranscript(dayFolder + QLatin1Char('/') + fileName,
                                                         totalMessage->wholeHtml());
    if (!written) {
        QString text = ZELSafeWrite::notSaved(QStringLiteral("The chat history"), written)
                       + QStringLiteral(". The history saved before is kept.");
        emit automaticHistoryNotSaved(text);
    }
}
