#include "core/zelclient.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include "protocol/zelhistorypaths.h"
#include "protocol/zelsettingslists.h"
#include "messages/zelchathistorylistwindow.h"

namespace {

void addOnce(QListWidget *list, const QString &text)
{
    if (list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        list->addItem(text);
}

} // namespace

QString ZELClient::localHistoryRoot() const
{
    return ZELHistoryPaths::userFolder(m_chatHistorySettings.value(ZELChatHistoryList::SaveLocation),
                                       m_ownDisplayName);
}

// The main widget keeps at most one wait cursor of its own; the answer removes it.
void ZELClient::showHistoryWaitCursor()
{
    if (m_waitCursorShown)
        return;
    const QPixmap wait(QStringLiteral(":images/Wait.png"));
    QApplication::setOverrideCursor(QCursor(wait, wait.width() / 2, wait.height() / 2));
    m_waitCursorShown = true;
}

void ZELClient::removeHistoryWaitCursor()
{
    if (!m_waitCursorShown)
        return;
    QApplication::restoreOverrideCursor();
    m_waitCursorShown = false;
}

void ZELClient::showChatHistoryList()
{
    ZELChatHistoryListWindow *window = m_chatHistoryWindow.get();
    window->m_saveFolder = m_defaultFileLocation;
    if (window->isMaximized() && window->m_maximized) {
        // Maximised again through its own toggle, so it gets its maximised look.
        window->showNormal();
        window->maximized();
    } else {
        window->showNormal();
    }
    window->raise();
    // The lists act only on a click in the active window.
    window->activateWindow();
    showHistoryWaitCursor();
    if (m_chatHistorySettings.value(ZELChatHistoryList::FromServer) == QLatin1String("TRUE")) {
        window->m_serverMode = true;
        QStringList request{QStringLiteral("CHATHISTORYLIST"), QStringLiteral("sampleuser")};
        convertXMLSendToServer(request);
    } else {
        window->m_serverMode = false;
        window->m_localHistoryRoot = localHistoryRoot();
        getChatHistoryDetailsFromClient();
    }
}

void ZELClient::requestDateFromServer(QString &userName)
{
    showHistoryWaitCursor();
    QStringList request{QStringLiteral("CHATHISTORYDATE"), userName, m_loginId};
    convertXMLSendToServer(request);
}

void ZELClient::sendChatDateToServer(QString &date, QString &userName)
{
    showHistoryWaitCursor();
    QStringList request{QStringLiteral("CHATHISTORYDATETOSERVER"), date, m_loginId, userName};
    convertXMLSendToServer(request);
}

void ZELClient::requestConferenceName(QString &date)
{
    showHistoryWaitCursor();
    QStringList request{QStringLiteral("CONFERENCECHATHISTORYNAME"), date};
    convertXMLSendToServer(request);
}

void ZELClient::requstConferenceHistory(QString &date, QString &conference)
{
    showHistoryWaitCursor();
    QStringList request{QStringLiteral("CONFERENCEHISTORY"), date, conference};
    convertXMLSendToServer(request);
}

void ZELClient::getChatHistoryDetailsFromClient()
{
    const QFileInfoList days = ZELChatHistoryListWindow::dayFolders(localHistoryRoot());
    QListWidget *contacts = m_chatHistoryWindow->m_contactNamesList;
    QListWidget *conferenceDays = m_chatHistoryWindow->m_conferenceChatDateList;
    contacts->clear();
    conferenceDays->clear();
    const QString conference = QStringLiteral("Conference-");
    for (const QFileInfo &day : days) {
        for (const QFileInfo &file : ZELChatHistoryListWindow::transcripts(day.absoluteFilePath())) {
            const QString name = file.fileName();
            if (name.startsWith(conference))
                addOnce(conferenceDays, day.fileName());
            else
                addOnce(contacts, name.chopped(5)); // without ".html"
        }
    }
    removeHistoryWaitCursor();
}

// Sign-in keeps the newest day folders. Only the date-named folders the chat
// windows make are counted or removed; a count that is not a number removes
// nothing.
void ZELClient::checkChatHistoryFolder()
{
    bool ok = false;
    const int keep = m_chatHistorySettings.value(ZELChatHistoryList::DeleteDays).toInt(&ok);
    if (!ok || keep < 0)
        return;
    const QFileInfoList days = ZELChatHistoryListWindow::dayFolders(localHistoryRoot());
    // Only the files directly inside the selected day folders go; a folder
    // still holding anything else stays.
    for (int i = days.size() - 1; i >= keep; --i) {
        QDir day(days.at(i).absoluteFilePath());
        for (const QString &file : day.entryList(QDir::Files))
            day.remove(file);
        QDir().rmdir(day.absolutePath());
    }
}
