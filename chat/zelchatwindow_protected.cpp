// The chat window's side of password-protected messages and locked files:
// the prompt per item, the viewer of an unlocked message, the report of a
// prompt given up, and the password change reaching open prompts.

#include "chat/zelchatwindow.h"

#include "chat/zelpasswordchatdialog.h"
#include "chat/zelpasswordprotect.h"
#include "chat/zeltranscript.h"
#include "style/zelmessageboxclass.h"
#include "style/zeltextbounds.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {

const char kMessagePromptHead[] = "You have received a password protected message from <font color = blue><b>";
const char kMessagePromptTail[] = "</b></font>. Please give your login password to view this message :";

// A conference sender travels as "login##display name".
QString conferenceSender(const QStringList &message)
{
    return message.value(1).section(QStringLiteral("##"), 1, 1);
}

bool isAcceptList(const QStringList &list)
{
    const QString type = list.value(0);
    return type == QLatin1String("FTPACCEPT") || type == QLatin1String("CONFERENCECHATFTPACCEPT");
}

// Columns of the download table read here.
enum DownloadColumn { NameColumn = 0, SenderColumn = 3, StateColumn = 5, LockColumn = 6 };

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

// The first waiting row of the named file, or -1. Rows and the page show a
// long or odd name shortened and cleaned; the name as sent is matched.
int waitingRow(const QTableWidget *table, const QString &wireName)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (cellText(table, row, StateColumn) == QLatin1String("Waiting")
            && ZELTextBounds::wireName(table->item(row, NameColumn)) == wireName)
            return row;
    }
    return -1;
}

void countAnsweredFile(ZELChatWindow &window)
{
    window.m_receivedFileCount = qMax(0, window.m_receivedFileCount - 1);
    if (window.m_receivedFileCount == 0)
        window.m_indicateFileReceivedLabel->hide();
    else
        window.m_indicateFileReceivedLabel->setText(QStringLiteral("(") + QString::number(window.m_receivedFileCount)
                                                    + QStringLiteral(") Files received"));
}

// The password was right: the locked file goes on as an unlocked one would.
void unlockedFile(ZELChatWindow *window, QStringList list, QString folder, QString file)
{
    if (!isAcceptList(list)) {
        window->filePages().m_fileStatusLabel->setText(QStringLiteral("Declined"));
        window->filePages().m_defaultFileLocation->setText(QStringLiteral("File Declined"));
        window->downLoadTabClose();
        emit window->fileDeclinedSignal(list);
        countAnsweredFile(*window);
        return;
    }
    // Another download may have begun while the prompt was open; the offer waits.
    if (window->m_downloading) {
        window->m_informationBox->showInformationBox(window, QStringLiteral("File Downloading"),
                                                     QStringLiteral("Wait..Already one file is downloading"));
        return;
    }
    window->filePages().m_fileStatusLabel->setText(QStringLiteral("Downloading.........."));
    window->downLoadTabClose();
    if (QMovie *movie = window->filePages().m_downLoadProgressBar->movie()) {
        if (!window->m_moviesPaused)
            movie->start();
    }
    window->filePages().m_downLoadProgressBar->show();
    const int row = waitingRow(window->filePages().m_dowLoadtable, list.value(2));
    if (row >= 0) {
        auto *state = new QTableWidgetItem(QStringLiteral("Downloading..."));
        state->setForeground(QBrush(Qt::blue));
        window->filePages().m_dowLoadtable->setItem(row, StateColumn, state);
    }
    emit window->fileAcceptedSignal(list, folder, file);
    window->m_downloadTimer->start(100);
    countAnsweredFile(*window);
}

// Opens the prompt for the waiting file on the download page when it is
// locked; false (the caller goes on) when it is not locked or not waiting.
bool askForLockedFile(ZELChatWindow &window, bool accept)
{
    const QString fileName = ZELTextBounds::wireName(window.filePages().m_recievedFileLabel);
    const int row = waitingRow(window.filePages().m_dowLoadtable, fileName);
    if (row < 0 || cellText(window.filePages().m_dowLoadtable, row, LockColumn) != QLatin1String("1"))
        return false;
    const QString sender = cellText(window.filePages().m_dowLoadtable, row, SenderColumn);
    const bool oneToOne = !window.m_peer.isEmpty();
    QStringList list;
    if (accept)
        list = oneToOne ? QStringList{QStringLiteral("FTPACCEPT"), window.m_ownLoginId, fileName, window.m_peer}
                        : QStringList{QStringLiteral("CONFERENCECHATFTPACCEPT"), window.m_ownLoginId, fileName,
                                      QStringLiteral("Accepted"), window.m_conferenceSessionName};
    else
        list = oneToOne ? QStringList{QStringLiteral("CHAT"), fileName, window.m_peer, sender}
                        : QStringList{QStringLiteral("CONFERECECHAT"), fileName, window.m_conferenceSessionName,
                                      sender};
    window.passwordProtectedMessage(list, window.m_loginPassword, window.filePages().m_defaultFileLocation->text(), sender);
    return true;
}

} // namespace

void ZELChatWindow::passwordProtectedMessage(QStringList message, QString password, QString folder, QString file)
{
    QWidget *active = QApplication::activeWindow();

    auto *prompt = new ZELPasswordProtect(this);
    connect(prompt, &ZELPasswordProtect::displayPasswordProtectedMessage, this,
            &ZELChatWindow::displayPasswordProtectedMessage);
    // Only a message given up is reported to its sender. A file's decline list
    // also begins with "CHAT", and closing its prompt just leaves the offer waiting.
    if (file.isEmpty())
        connect(prompt, &ZELPasswordProtect::closePwdDialogSignal, this, &ZELChatWindow::closePwdDialogSignal);
    prompt->m_loginPassword = password;
    prompt->m_messageDetails = message;
    prompt->m_fileLocation = folder;
    prompt->m_fileSender = file;

    if (!file.isEmpty()) {
        prompt->m_passwordProtectLabel->setText(
            isAcceptList(message)
                ? QStringLiteral("You have received a password protected file. Please give your login password "
                                 "to download this file :")
                : QStringLiteral("Please give your login password to decline this password protected file :"));
        // A file prompt holds its chat window until it is answered.
        prompt->setWindowModality(Qt::WindowModal);
        prompt->setModal(true);
    } else {
        const QString sender =
            message.value(0) == QLatin1String("CHAT") ? message.value(8) : conferenceSender(message);
        prompt->m_passwordProtectLabel->setText(QString::fromLatin1(kMessagePromptHead)
                                                + ZELTextBounds::shownName(sender).toHtmlEscaped()
                                                + QString::fromLatin1(kMessagePromptTail));
    }
    prompt->m_messageTime = ZELTranscript::timeStamp(m_hourFormat24);
    prompt->show();

    // A prompt that arrives while another is being answered leaves it the keyboard.
    if (active) {
        active->raise();
        active->activateWindow();
        active->setFocus();
        if (auto *field = active->findChild<QLineEdit *>(QStringLiteral("m_passwordLineEdit")))
            field->setFocus();
    }
}

void ZELChatWindow::displayPasswordProtectedMessage(QStringList message, QString time, QString folder,
                                                    QString file)
{
    if (isMinimized())
        restoreWindowState();
    else
        raise();

    if (!folder.isEmpty()) {
        unlockedFile(this, message, folder, file);
        return;
    }

    auto *viewer = new ZELPasswordChatDialog(this);
    connect(viewer, &ZELPasswordChatDialog::replyPasswordProtectedMessageSignal, this,
            &ZELChatWindow::replyPasswordProtectedMessageSignal);
    if (!m_quickReplyButton->isEnabled())
        viewer->m_replyButton->setEnabled(false);

    QColor colour;
    QString sender;
    if (message.value(0) == QLatin1String("CHAT")) {
        colour = ZELTranscript::receivedColour();
        sender = message.value(8);
        // The peer's message is here: its typing notice is over.
        m_messageTypeLabel->setText(QString());
        if (QMovie *old = m_messageIndicationGif->movie()) {
            old->stop();
            m_messageIndicationGif->clear();
            delete old;
        }
        m_messageIndicationGif->setMovie(new QMovie(QStringLiteral(":images/pencil.gif"), QByteArray(), this));
    } else {
        colour = ZELTranscript::ownColour();
        sender = conferenceSender(message);
    }

    viewer->m_passwordTextBrowser->append(
        ZELTranscript::headingRow(ZELTranscript::Received, colour, sender, time));
    QString body = ZELTranscript::decodeCommas(message.value(3));
    body.replace(QStringLiteral("lock.gif"), QStringLiteral("unlock.gif"));
    if (m_passwordReplyState == QLatin1String("FALSE")) {
        const bool hadPictures = body.contains(QLatin1String("img"));
        body.remove(QStringLiteral("img"));
        if (hadPictures)
            body += QStringLiteral(" :) ");
    }
    viewer->m_passwordTextBrowser->appendMessage(body);

    const QString title = QStringLiteral("Password Protected Message from ") + ZELTextBounds::shownName(sender);
    viewer->setWindowTitle(title);
    viewer->m_logoLabel->setText(title);
    QScrollBar *bar = viewer->m_passwordTextBrowser->verticalScrollBar();
    bar->setValue(bar->maximum());
    viewer->show();
}

void ZELChatWindow::closePwdDialogSignal(QStringList message, QString outcome)
{
    const QString type = message.value(0);
    // The message goes back as it came: its picture path relative again.
    const QString html = QString(message.value(3)).replace(m_dataFolder + QStringLiteral("/ScreenCapture/"),
                                                           QStringLiteral("ScreenCapture/"));
    QStringList report{QStringLiteral("PWDMESSAGEDELIVEREDSTATUS")};
    if (type == QLatin1String("CHAT")) {
        report << message.value(2) << html << message.value(1) << QStringLiteral("CHAT") << outcome;
    } else if (type == QLatin1String("CONFERENCECHATMESSAGE")) {
        report << message.value(1) << html << message.value(2) << m_ownDisplayName << outcome;
    } else {
        return;
    }
    emit sendPwdMessageStatus(report);
}

void ZELChatWindow::replyPasswordProtectedMessageSignal()
{
    if (isMinimized())
        restoreWindowState();
    else
        raise();
    Chat->setCurrentWidget(chatpage);
    serverMessage->setFocus();
}

void ZELChatWindow::changePasswordForProtectedMessage(QString password)
{
    m_loginPassword = password;
    const QList<ZELPasswordProtect *> prompts =
        findChildren<ZELPasswordProtect *>(QStringLiteral("ZELPwdProtectDialog"));
    for (ZELPasswordProtect *prompt : prompts)
        prompt->m_loginPassword = password;
}

// ---------------------------------------------------------------------------
// Locked files: the same prompt stands before accepting or declining.

bool ZELChatWindow::findPasswordProtectedFile()
{
    return askForLockedFile(*this, true);
}

bool ZELChatWindow::findDeclinedFilePwdProtected()
{
    return askForLockedFile(*this, false);
}
