#include "core/zelclient.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include "protocol/zelsettingslists.h"
#include "messages/zelchathistorylistwindow.h"

namespace {

// Day folders of the local history, most recently modified first.
QFileInfoList dayFolders(const QString &root)
{
    QFileInfoList folders = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::stable_sort(folders.begin(), folders.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    return folders;
}

void addOnce(QListWidget *list, const QString &text)
{
    if (list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        list->addItem(text);
}

} // namespace

QString ZELClient::localHistoryRoot() const
{
    return m_chatHistorySettings.value(ZELChatHistoryList::SaveLocation) + QLatin1Char('/') + m_ownDisplayName;
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
    ZELChatHistoryListWindow *window = m_chatHistoryWindow;
    window->m_saveFolder = m_defaultFileLocation;
    if (window->isMaximized() && window->m_maximized) {
        window->showNormal();
        window->showMaximized();
    } else {
        window->showNormal();
    }
    window->raise();
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
    const QFileInfoList days = dayFolders(localHistoryRoot());
    QListWidget *contacts = m_chatHistoryWindow->m_contactNamesList;
    QListWidget *conferenceDays = m_chatHistoryWindow->m_conferenceChatDateList;
    contacts->clear();
    conferenceDays->clear();
    for (const QFileInfo &day : days) {
        const QStringList files = QDir(day.absoluteFilePath()).entryList(QDir::Files, QDir::Unsorted);
        for (const QString &file : files) {
            if (file.contains(QLatin1String("Conference-")))
                addOnce(conferenceDays, day.fileName());
            else
                addOnce(contacts, file.left(file.size() - 5));
        }
    }
    removeHistoryWaitCursor();
}

void ZELClient::checkChatHistoryFolder()
{
    const QFileInfoList days = dayFolders(localHistoryRoot());
    bool ok = false;
    int keep = m_chatHistorySettings.value(ZELChatHistoryList::DeleteDays).toInt(&ok);
    if (!ok || keep < 0)
        keep = 0;
    // Only the files directly inside the selected day folders go; a folder
    // still holding anything else stays.
    for (int i = days.size() - 1; i >= keep; --i) {
        QDir day(days.at(i).absoluteFilePath());
        for (const QString &file : day.entryList(QDir::Files))
            day.remove(file);
        QDir().rmdir(day.absolutePath());
    }
}
