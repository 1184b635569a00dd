#ifndef ZELDEMOSERVER_H
#define ZELDEMOSERVER_H

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include "peer/zeltestpeer.h"
#include "zeldemodirectory.h"

class QTcpServer;
class ZELDemoSession;

// A small office server for trying the client on one machine: any number of
// clients at once, each its own session, speaking the client's wire. It keeps
// everything in memory for the run (presence, relayed chats and their history,
// files on their way, conferences, offline and voice mails, reminders) and
// writes nothing to disk. A development aid, not a product.
//
// Its handlers are spread over one file per concern: sign-in and presence,
// chat, files, conferences, offline and group messages, contacts and profiles,
// and the answers to the client's questions (history, reminders, voice mail).
class ZELDemoServer : public QObject
{
    Q_OBJECT

public:
    using Request = ZELTestPeer::Request;
    using Fields = ZELTestPeer::Fields;

    // Bounds of what the demo keeps for the run.
    static constexpr qsizetype MaxStoredBytes = 256 * 1024 * 1024;
    static constexpr int MaxOfflineMessages = 200;
    static constexpr int MaxHistoryEntries = 200;
    static constexpr qsizetype MaxHistoryEntryBytes = 16 * 1024;
    // What one user's offline box may hold, counted as the characters it takes
    // on the wire (escaped): the whole box goes out in one frame at sign-in,
    // which must stay well inside the client's frame limit.
    static constexpr qsizetype MaxOfflineBoxChars = 8 * 1024 * 1024;

    explicit ZELDemoServer(QObject *parent = nullptr);
    ~ZELDemoServer() override;

    bool listen(quint16 port = 0);
    quint16 port() const;
    int sessionCount() const { return int(m_sessions.size()); }
    ZELDemoDirectory &directory() { return m_directory; }

    // Wire words the client and the tests share.
    static QString timeStamp(const QDateTime &when);

private:
    struct StoredFile
    {
        QString from;
        QString to;          // one-to-one and offline: the receiver; conference: the conference
        QString fileName;
        QString sentTime;
        QByteArray data;
        QSet<QString> waiting; // conference receivers who have not answered yet
        int id = 0;
    };
    struct OfflineMessage
    {
        QString from;
        QString text;
        QString sentTime;
        QString html;
        bool read = false;
        bool replied = false;
    };
    struct HistoryEntry
    {
        QString speaker; // display name
        QDateTime when;
        QString html;
    };
    struct Conference
    {
        QString owner;
        QSet<QString> members; // everyone in it, the owner too
        QSet<QString> invited;
    };
    struct Reminder
    {
        QString id, subject, due, state, assignee, owner, gmt;
    };

    using Handler = void (ZELDemoServer::*)(ZELDemoSession &, const Request &);
    struct Route
    {
        const char *type;
        Handler handler;
        bool needsSignIn;
    };
    static const Route routes[];

    void acceptConnections();
    void handleRequest(ZELDemoSession *session, const Request &request);
    void handleFile(ZELDemoSession *session, const QByteArray &fileData);
    void sessionClosed(ZELDemoSession *session);

    // Sending.
    ZELDemoSession *sessionOf(const QString &login) const;
    bool isOnline(const QString &login) const; // signed in and visible to others
    void sendTo(const QString &login, const QString &xml);
    void relay(const QString &login, const Request &request);
    // The users named by the request's elements of that name, that exist, are
    // signed in and are not the sender; each once.
    QStringList recipients(const ZELDemoSession &session, const Request &request, const QString &element) const;
    static QString message(const QString &root, const Fields &fields);

    // Sign-in and presence (zeldemosignin.cpp).
    void checkVersion(ZELDemoSession &session, const Request &request);
    void signIn(ZELDemoSession &session, const Request &request);
    void signOut(ZELDemoSession &session, const Request &request);
    void keepAlive(ZELDemoSession &session, const Request &request);
    void changeStatus(ZELDemoSession &session, const Request &request);
    void updateStatusMessage(ZELDemoSession &session, const Request &request);
    void invisibleMode(ZELDemoSession &session, const Request &request);
    void changePassword(ZELDemoSession &session, const Request &request);
    void forgottenPassword(ZELDemoSession &session, const Request &request);
    void endSession(ZELDemoSession &session, bool announce);
    QStringList contactValues(const ZELDemoDirectory::Person &person) const;
    void announcePresence(const QString &login);
    void announceSignOut(const QString &login);
    void announceStatus(const QString &login);
    void sendContactList(ZELDemoSession &session);
    void sendPrivileges(ZELDemoSession &session);

    // Chat (zeldemochat.cpp).
    void chat(ZELDemoSession &session, const Request &request);
    void messageDelivered(ZELDemoSession &session, const Request &request);
    void typingStatus(ZELDemoSession &session, const Request &request);
    void closeChatWindow(ZELDemoSession &session, const Request &request);
    void protectedMessageStatus(ZELDemoSession &session, const Request &request);
    void chatOpened(ZELDemoSession &session, const Request &request);
    void answerChat(ZELDemoSession &session, const ZELDemoDirectory::Person &bot, const QString &plain,
                    const Request &request);
    void remember(const QString &a, const QString &b, const QString &speaker, const QString &html);
    QString transcript(const QString &a, const QString &b, const QDate &day = QDate()) const;
    static QString pairKey(const QString &a, const QString &b);

    // Files (zeldemofiles.cpp).
    void offerFile(ZELDemoSession &session, const Request &request);
    void acceptFile(ZELDemoSession &session, const Request &request);
    void fileStatus(ZELDemoSession &session, const Request &request);
    void offerOfflineFile(ZELDemoSession &session, const Request &request);
    void acceptOfflineFile(ZELDemoSession &session, const Request &request);
    void rejectOfflineFile(ZELDemoSession &session, const Request &request);
    void voiceMailReady(ZELDemoSession &session, const Request &request);
    void getVoiceMail(ZELDemoSession &session, const Request &request);
    void offerConferenceFile(ZELDemoSession &session, const Request &request);
    void acceptConferenceFile(ZELDemoSession &session, const Request &request);
    void conferenceFileStatus(ZELDemoSession &session, const Request &request);
    void expectUpload(ZELDemoSession &session, const Request &request);
    void storeUpload(ZELDemoSession &session, const Request &offer, const QByteArray &data);
    bool canStore(qsizetype bytes) const;
    void forget(const StoredFile &file);
    void dropFilesFor(const QString &login);
    void sendOfflineFileDetails(const QString &login);
    void sendVoiceMailList(const QString &login);

    // Conferences (zeldemoconference.cpp).
    void inviteToConference(ZELDemoSession &session, const Request &request);
    void answerInvitation(ZELDemoSession &session, const Request &request);
    void updateConferenceUsers(ZELDemoSession &session, const Request &request);
    void conferenceMessage(ZELDemoSession &session, const Request &request);
    void removeConferenceUser(ZELDemoSession &session, const Request &request);
    void stopConference(ZELDemoSession &session, const Request &request);
    void changeToConference(ZELDemoSession &session, const Request &request);
    void closeConferenceWindow(ZELDemoSession &session, const Request &request);
    void conferenceTyping(ZELDemoSession &session, const Request &request);
    void leaveConferences(const QString &login);
    // The members named by the request that are in the conference with the sender.
    QStringList membersBut(const Conference &conference, const QString &login) const;
    QStringList conferenceRecipients(const ZELDemoSession &session, const Request &request, const QString &element) const;

    // Offline and group messages (zeldemooffline.cpp).
    void offlineMessage(ZELDemoSession &session, const Request &request);
    void offlineMessageRead(ZELDemoSession &session, const Request &request);
    void deleteOfflineMessages(ZELDemoSession &session, const Request &request);
    void onlineGroupMessage(ZELDemoSession &session, const Request &request);
    void offlineGroupMessage(ZELDemoSession &session, const Request &request);
    static qsizetype wireChars(const OfflineMessage &message);
    // False when the message was not kept (an unknown receiver, or a full box).
    bool keepOfflineMessage(const QString &to, const QString &from, const QString &text, const QString &html);
    void sendOfflineMessages(const QString &login);
    static QStringList groupRecipients(const Request &request);

    // Contacts and profiles (zeldemocontacts.cpp).
    void searchContacts(ZELDemoSession &session, const Request &request);
    void requestContacts(ZELDemoSession &session, const Request &request);
    void approvalStatus(ZELDemoSession &session, const Request &request);
    void acceptedList(ZELDemoSession &session, const Request &request);
    void rejectedList(ZELDemoSession &session, const Request &request);
    void ignoreRequest(ZELDemoSession &session, const Request &request);
    void deleteContacts(ZELDemoSession &session, const Request &request);
    void updateProfile(ZELDemoSession &session, const Request &request);
    void answerContactRequest(const QString &approver, const QString &requester, bool approved);
    void sendApprovalRequests(const QString &login, bool alert);
    void sendAddedContact(const QString &to, const QString &contact);

    // Answers to the client's questions: history, reminders (zeldemoanswers.cpp).
    void historyList(ZELDemoSession &session, const Request &request);
    void historyDates(ZELDemoSession &session, const Request &request);
    void historyOfDate(ZELDemoSession &session, const Request &request);
    void conferenceNames(ZELDemoSession &session, const Request &request);
    void conferenceHistory(ZELDemoSession &session, const Request &request);
    void addReminders(ZELDemoSession &session, const Request &request);
    void editReminder(ZELDemoSession &session, const Request &request);
    void deleteReminder(ZELDemoSession &session, const Request &request);
    void snoozeReminder(ZELDemoSession &session, const Request &request);
    void sendReminders(ZELDemoSession &session);
    void sendRecentChats(ZELDemoSession &session);
    QStringList historyPartners(const QString &login) const;
    static QStringList reminderValues(const Reminder &reminder);

    QTcpServer *m_listener = nullptr;
    QList<ZELDemoSession *> m_sessions;
    int m_nextSessionId = 1;
    ZELDemoDirectory m_directory;

    QList<StoredFile> m_files;           // one-to-one and conference files waiting for answers
    QHash<QString, QList<StoredFile>> m_offlineFiles;
    QHash<QString, QList<StoredFile>> m_voiceMails;
    qsizetype m_storedBytes = 0;
    int m_nextFileId = 1;
    QHash<QString, QList<OfflineMessage>> m_offlineMessages;
    QHash<QString, QList<HistoryEntry>> m_history; // by pairKey
    QHash<QString, Conference> m_conferences;
    QList<Reminder> m_reminders;
};

#endif
