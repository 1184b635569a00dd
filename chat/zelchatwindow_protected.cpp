// The chat window's side of password-protected messages and locked files:
// the prompt per item, the viewer of an unlocked message, the report of a
// prompt given up, and the password change reaching open prompts.

#include "chat/zelchatwindow.h"

#include "chat/zelpasswordchatdialog.h"
#include "chat/zelpasswordprotect.h"
#include "chat/zeltranscript.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QScrollBar>
#include <QTabWidget>

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

// Locked files wait for the download side of the window.
void unlockedFile(ZELChatWindow *, const QStringList &, const QString &, const QString &) {}

} // namespace

void ZELChatWindow::passwordProtectedMessage(QStringList message, QString password, QString folder, QString file)
{
    QWidget *active = QApplication::activeWindow();

    auto *prompt = new ZELPasswordProtect(this);
    connect(prompt, &ZELPasswordProtect::displayPasswordProtectedMessage, this,
            &ZELChatWindow::displayPasswordProtectedMessage);
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
        prompt->m_passwordProtectLabel->setText(QString::fromLatin1(kMessagePromptHead) + sender
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
    viewer->m_passwordTextBrowser->append(body);

    const QString title = QStringLiteral("Password Protected Message from ") + sender;
    viewer->setWindowTitle(title);
    viewer->m_logoLabel->setText(title);
    QScrollBar *bar = viewer->m_passwordTextBrowser->verticalScrollBar();
    bar->setValue(bar->maximum());
    viewer->show();
}

void ZELChatWindow::closePwdDialogSignal(QStringList message, QString outcome)
{
    const QString type = message.value(0);
    QStringList report{QStringLiteral("PWDMESSAGEDELIVEREDSTATUS")};
    if (type == QLatin1String("CHAT")) {
        report << message.value(2) << message.value(3) << message.value(1) << QStringLiteral("CHAT") << outcome;
    } else if (type == QLatin1String("CONFERENCECHATMESSAGE")) {
        report << message.value(1) << message.value(3) << message.value(2) << m_ownDisplayName << outcome;
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

bool ZELChatWindow::findPasswordProtectedFile() { return false; }
bool ZELChatWindow::findDeclinedFilePwdProtected() { return false; }
