// Files on their way: one-to-one, conference and offline files, and voice
// mails. An offer announces the file frame that follows it from the same
// client; the server keeps the data until every receiver has answered.

#include "zeldemoserver.h"
#include "zeldemosession.h"

namespace {

const QString Success = QStringLiteral("SUCCESS");
const QString KeySeparator = QStringLiteral("^%");

} // namespace

bool ZELDemoServer::canStore(qsizetype bytes) const
{
    return bytes <= MaxStoredBytes - m_storedBytes;
}

void ZELDemoServer::forget(const StoredFile &file)
{
    m_storedBytes -= file.data.size();
}

void ZELDemoServer::dropFilesFor(const QString &login)
{
    // A receiver who left answers no more: what waited for their answer goes.
    for (int i = m_files.size() - 1; i >= 0; --i) {
        StoredFile &file = m_files[i];
        const bool oneToOne = file.waiting.isEmpty();
        if (oneToOne ? file.to == login : (file.waiting.remove(login) && file.waiting.isEmpty())) {
            forget(file);
            m_files.removeAt(i);
        }
    }
}

void ZELDemoServer::expectUpload(ZELDemoSession &session, const Request &request)
{
    // A client runs one upload at a time and sends the file right after its
    // offer: an earlier offer still waiting had no file (it could not be read).
    session.uploads = {ZELDemoSession::PendingUpload{request}};
}

void ZELDemoServer::offerFile(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")) == session.login)
        expectUpload(session, request);
}

void ZELDemoServer::offerConferenceFile(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")).section(QStringLiteral("##"), 0, 0) == session.login)
        expectUpload(session, request);
}

void ZELDemoServer::offerOfflineFile(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")) == session.login)
        expectUpload(session, request);
}

void ZELDemoServer::voiceMailReady(ZELDemoSession &session, const Request &request)
{
    if (request.value(QStringLiteral("LOGINNAME")) == session.login)
        expectUpload(session, request);
}

void ZELDemoServer::storeUpload(ZELDemoSession &session, const Request &offer, const QByteArray &data)
{
    const QString fileName = offer.value(QStringLiteral("FILENAME")).left(255);
    StoredFile file;
    file.from = session.login;
    file.fileName = fileName;
    file.sentTime = timeStamp(QDateTime::currentDateTime());
    file.data = data;
    file.id = m_nextFileId++;
    const bool room = canStore(data.size());

    if (offer.type == QLatin1String("FTPREADY")) {
        file.to = offer.value(QStringLiteral("CHATUSERNAME"));
        QString failure;
        if (!room)
            failure = QStringLiteral("failed: the demo server is full");
        else if (!sessionOf(file.to))
            failure = QStringLiteral("failed: the contact is not signed in");
        session.sendText(message(QStringLiteral("FILETRANSFERSTATUS"), {
            {QStringLiteral("USERNAME"), file.to}, {QStringLiteral("STATUS"), failure.isEmpty() ? Success : failure},
            {QStringLiteral("FILENAME"), fileName}, {QStringLiteral("SIZE"), QString::number(data.size())}}));
        if (!failure.isEmpty())
            return;
        m_storedBytes += data.size();
        m_files << file;
        // An offer opens the receiver's window, which then asks for the history
        // and shows only that: the offer must be part of it.
        const ZELDemoDirectory::Person *sender = m_directory.find(file.from);
        remember(file.from, file.to, sender ? sender->displayName : file.from,
                 QStringLiteral("<b>File sent ::&nbsp;<font color ='blue'>") + fileName.toHtmlEscaped()
                     + QStringLiteral("</font></b>"));
        relay(file.to, offer);
    } else if (offer.type == QLatin1String("CONFERENCECHATFTPREADY")) {
        file.to = offer.value(QStringLiteral("CHATSUBJECT"));
        const QStringList receivers = conferenceRecipients(session, offer, QStringLiteral("CHATUSERNAME"));
        file.waiting = QSet<QString>(receivers.begin(), receivers.end());
        const bool sent = room && !file.waiting.isEmpty();
        session.sendText(message(QStringLiteral("CONFERENCEFILETRANSFERSTATUS"), {
            {QStringLiteral("CONFERENCE"), file.to},
            {QStringLiteral("STATUS"), sent ? Success : QStringLiteral("failed: nobody to receive it")},
            {QStringLiteral("FILENAME"), fileName}}));
        if (!sent)
            return;
        m_storedBytes += data.size();
        m_files << file;
        for (const QString &receiver : receivers)
            relay(receiver, offer);
    } else if (offer.type == QLatin1String("OFFLINEMESSAGEFTPREADY")) {
        file.to = offer.value(QStringLiteral("OFFLINEUSER"));
        const bool kept = room && m_directory.contains(file.to);
        session.sendText(message(QStringLiteral("OFFLINEFILETRANSFERSTATUS"), {
            {QStringLiteral("USERNAME"), file.to},
            {QStringLiteral("STATUS"), kept ? Success : QStringLiteral("failed: the demo server cannot keep it")},
            {QStringLiteral("FILENAME"), fileName}}));
        if (!kept)
            return;
        m_storedBytes += data.size();
        m_offlineFiles[file.to] << file;
        if (sessionOf(file.to))
            sendOfflineFileDetails(file.to);
    } else if (offer.type == QLatin1String("VOICEMAILREADY")) {
        file.to = offer.value(QStringLiteral("OFFLINEUSERNAME"));
        if (!room || !m_directory.contains(file.to))
            return; // the recorder waits for no answer
        m_storedBytes += data.size();
        m_voiceMails[file.to] << file;
        if (sessionOf(file.to))
            sendVoiceMailList(file.to);
    }
}

void ZELDemoServer::acceptFile(ZELDemoSession &session, const Request &request)
{
    // LOGINNAME: the receiver (this session); FTPRESULT: who offered the file.
    const QString from = request.value(QStringLiteral("FTPRESULT"));
    const QString fileName = request.value(QStringLiteral("FILENAME"));
    for (const StoredFile &file : std::as_const(m_files)) {
        if (file.waiting.isEmpty() && file.to == session.login && file.from == from && file.fileName == fileName) {
            session.sendFile(file.data);
            return;
        }
    }
}

void ZELDemoServer::fileStatus(ZELDemoSession &session, const Request &request)
{
    // LOGINNAME: who offered the file; CHATUSERNAME: who answers (this session).
    if (request.value(QStringLiteral("CHATUSERNAME")) != session.login)
        return;
    const QString from = request.value(QStringLiteral("LOGINNAME"));
    const QString fileName = request.value(QStringLiteral("FILENAME"));
    for (int i = 0; i < m_files.size(); ++i) {
        const StoredFile &file = m_files.at(i);
        if (file.waiting.isEmpty() && file.to == session.login && file.from == from && file.fileName == fileName) {
            forget(file);
            m_files.removeAt(i);
            break;
        }
    }
    relay(from, request);
}

void ZELDemoServer::acceptConferenceFile(ZELDemoSession &session, const Request &request)
{
    const QString conference = request.value(QStringLiteral("CHATSUBJECT"));
    const QString fileName = request.value(QStringLiteral("FILENAME"));
    for (const StoredFile &file : std::as_const(m_files)) {
        if (file.to == conference && file.fileName == fileName && file.waiting.contains(session.login)) {
            session.sendFile(file.data);
            return;
        }
    }
}

void ZELDemoServer::conferenceFileStatus(ZELDemoSession &session, const Request &request)
{
    // LOGINNAME: who offered the file; CHATUSERNAME: the answering member's key.
    if (request.value(QStringLiteral("CHATUSERNAME")).section(QStringLiteral("##"), 0, 0) != session.login)
        return;
    const QString from = request.value(QStringLiteral("LOGINNAME"));
    const QString conference = request.value(QStringLiteral("CHATSUBJECT"));
    const QString fileName = request.value(QStringLiteral("FILENAME"));
    for (int i = 0; i < m_files.size(); ++i) {
        StoredFile &file = m_files[i];
        if (file.to == conference && file.from == from && file.fileName == fileName
            && file.waiting.remove(session.login)) {
            if (file.waiting.isEmpty()) {
                forget(file);
                m_files.removeAt(i);
            }
            break;
        }
    }
    relay(from, request);
}

void ZELDemoServer::sendOfflineFileDetails(const QString &login)
{
    const QList<StoredFile> files = m_offlineFiles.value(login);
    if (files.isEmpty())
        return;
    Fields values;
    for (const StoredFile &file : files) {
        const ZELDemoDirectory::Person *sender = m_directory.find(file.from);
        values << qMakePair(QStringLiteral("FILEKEY"), QString::number(file.id) + KeySeparator + file.from
                                                           + KeySeparator + file.fileName)
               << qMakePair(QStringLiteral("SENTTIME"), file.sentTime)
               << qMakePair(QStringLiteral("DETAILS"), QString::number(file.data.size()) + QStringLiteral("##")
                                                           + (sender ? sender->displayName : file.from));
    }
    sendTo(login, message(QStringLiteral("OFFLINEFILEDETAILS"), values));
}

void ZELDemoServer::acceptOfflineFile(ZELDemoSession &session, const Request &request)
{
    // The key: own login "^%" sender "^%" file name.
    const QStringList key = request.value(QStringLiteral("OFFLINEFTPACCEPT")).split(KeySeparator);
    if (key.size() != 3 || key.at(0) != session.login)
        return;
    QList<StoredFile> &files = m_offlineFiles[session.login];
    for (int i = 0; i < files.size(); ++i) {
        if (files.at(i).from == key.at(1) && files.at(i).fileName == key.at(2)) {
            session.sendFile(files.at(i).data);
            forget(files.at(i));
            files.removeAt(i);
            return;
        }
    }
}

void ZELDemoServer::rejectOfflineFile(ZELDemoSession &session, const Request &request)
{
    const QStringList key = request.value(QStringLiteral("OFFLINEFTPREJECT")).split(KeySeparator);
    if (key.size() != 3 || key.at(0) != session.login)
        return;
    QList<StoredFile> &files = m_offlineFiles[session.login];
    for (int i = 0; i < files.size(); ++i) {
        if (files.at(i).from == key.at(1) && files.at(i).fileName == key.at(2)) {
            forget(files.at(i));
            files.removeAt(i);
            return;
        }
    }
}

void ZELDemoServer::sendVoiceMailList(const QString &login)
{
    QList<ZELTestPeer::Node> entries;
    for (const StoredFile &mail : m_voiceMails.value(login)) {
        entries << ZELTestPeer::Node(QStringLiteral("FILENAME"), mail.fileName)
                << ZELTestPeer::Node(QStringLiteral("SENDER"), mail.from);
    }
    if (entries.isEmpty())
        return;
    sendTo(login, ZELTestPeer::messageTree(QStringLiteral("VOICEMAILFILEDETAILS"),
                                           {ZELTestPeer::Node(QStringLiteral("FILELIST"), entries)}));
}

void ZELDemoServer::getVoiceMail(ZELDemoSession &session, const Request &request)
{
    const QString name = request.value(QStringLiteral("GETVOICEMAIL"));
    for (const StoredFile &mail : m_voiceMails.value(session.login)) {
        if (mail.fileName == name) {
            session.sendFile(mail.data);
            return;
        }
    }
}
