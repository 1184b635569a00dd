#include "zelfulldisk.h"
#include "zeltestmain.h"

#include "protocol/zelfilewriter.h"
#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsafewrite.h"
#include "protocol/zelsettingslists.h"

#include <QDomDocument>
#include <QSemaphore>
#include <QThread>
#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>

using Prefs = ZELPreferencesFile;

namespace {

const QStringList localServer = {"127.0.0.1", "5222", "No Proxy", "", "", "", ""};

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString fileText(const QString &name)
{
    return QString::fromLatin1(qUncompress(fileBytes(name)));
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// (tag, text) of every child element of the root's n-th child.
QList<QPair<QString, QString>> blockOf(const QString &text, int n)
{
    QDomDocument document;
    document.setContent(text);
    QDomElement block = document.documentElement().firstChildElement();
    for (int i = 0; i < n; ++i)
        block = block.nextSiblingElement();
    QList<QPair<QString, QString>> fields;
    for (QDomElement e = block.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        fields << qMakePair(e.tagName(), e.text());
    return fields;
}

Prefs::UserSettings customUser(const QString &name, const QString &flavour)
{
    Prefs::UserSettings s = Prefs::UserSettings::defaults(name, name + "-pw", "TRUE", "FALSE");
    // Every position gets a value of its own, so a shifted position shows.
    auto fill = [&](QStringList &list, const QString &tag) {
        for (int i = 0; i < list.size(); ++i)
            list[i] = QStringLiteral("%1-%2-%3-%4").arg(flavour, name, tag).arg(i);
    };
    fill(s.statusMessages, "status");
    fill(s.chatWindow, "chat");
    fill(s.autoStatus, "auto");
    fill(s.contactDisplay, "contacts");
    fill(s.notifications, "notify");
    fill(s.chatHistory, "history");
    s.defaultFileLocation = "/files/" + name;
    s.hideOfflineUsers = "TRUE";
    s.quickReplies = "Yes##No";
    s.quickReplyOption = "FALSE";
    return s;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    QString m_folder;
    Prefs prefs() const { return Prefs(m_folder); }

private slots:
    void init()
    {
        static int run = 0;
        m_folder = QDir::homePath() + QStringLiteral("/data%1/ZEL").arg(++run);
        QDir().mkpath(m_folder);
    }

    void firstRunFileText()
    {
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        const QString expected = QStringLiteral(
            "<!DOCTYPE PERSONALSETTINGS>\n"
            "<SETTINGS>\n"
            " <CONNECTTOSERVER>\n"
            "  <HOSTNAME>127.0.0.1</HOSTNAME>\n"
            "  <PORTVALUE>5222</PORTVALUE>\n"
            "  <PROXYSERVER>No Proxy</PROXYSERVER>\n"
            "  <PROXYSERVERHOSTNAME></PROXYSERVERHOSTNAME>\n"
            "  <PROXYSERVERPORTVALUE></PROXYSERVERPORTVALUE>\n"
            "  <USERNEMEAUTHENTICATOR></USERNEMEAUTHENTICATOR>\n"
            "  <PASSWORDAUTHENTICATOR></PASSWORDAUTHENTICATOR>\n"
            " </CONNECTTOSERVER>\n"
            "</SETTINGS>\n");
        QCOMPARE(p.fileName(), m_folder + "/zelPreferencesSettings.xml");
        const QString text = fileText(p.fileName());
        QCOMPARE(text, expected);
        QCOMPARE(text.size(), 385);
        // A first-run file is never replaced by a second first run.
        QVERIFY(!p.create({"other", "1"}));
        QCOMPARE(fileText(p.fileName()), expected);

        const Prefs::ReadResult read = p.read(QString());
        QCOMPARE(read.state, Prefs::Loaded);
        QCOMPARE(read.connectionSettings, localServer);
        QCOMPARE(read.userCase, Prefs::UserNotFound);
        QCOMPARE(read.userBlockCount, 0);
    }

    void firstSignInBlock()
    {
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        QVERIFY(QDir().mkpath(QDir::homePath() + "/Desktop")); // a desktop with a Desktop folder
        QVERIFY(p.addUser(Prefs::UserSettings::defaults("alice", "secret", "TRUE", "FALSE"),
                          localServer));
        const QString home = QDir::homePath();
        const QList<QPair<QString, QString>> expected = {
            {"USERNAME", "alice"}, {"DEFAULTFILELOCATION", home + "/Desktop"},
            {"DEFAULTLOGINSTATUS", "Online"}, {"AVAILABLEMESSAGE", "I am online"},
            {"AWAYMESSAGE", "I am away"}, {"MEETINGMESSAGE", "I am in meeting"},
            {"BUSYMESSAGE", "I am busy"}, {"USERDEFINEDSTATUS", "<EMPTY>"},
            {"USERDEFINEDSTATUSMESSAGE", "<EMPTY>"}, {"CHATWINDOWFONTFAMILY", "Verdana"},
            {"FONTSIZE", "8"}, {"DISPLAYBUSINESSCARD", "TRUE"}, {"DISPLAYSMILEY", "TRUE"},
            {"CLOSECHATWINDOWMESSAGE", "FALSE"}, {"DISPLAYTIMESTAMP", "TRUE"},
            {"HOURFORMAT24", "FALSE"}, {"HOURFORMAT12", "TRUE"}, {"WARNMEMEETING", "TRUE"},
            {"WARNMEAWAY", "TRUE"}, {"ESCKEY", "TRUE"}, {"ENTERKEYTOSEND", "TRUE"},
            {"INSERTNEWLINE", "FALSE"}, {"SHOWUSERSTATUS", "FALSE"},
            {"HIDEOFFLINEUSERS", "FALSE"}, {"AVAILABLETOBUSY", "TRUE"},
            {"BUSYTOAVAILABLE", "TRUE"}, {"AVAILABLETOAWAY", "TRUE"},
            {"AWAYTOAVAILABLE", "TRUE"}, {"BUSYDURATION", "2"}, {"AWAYDURATION", "7"},
            {"CHATUSERSLISTDAYS", "1"}, {"SHOWRECENTCHATUSERS", "TRUE"},
            {"DEPARTMENTWISE", "FALSE"}, {"SHOWRECENTCHATUSERS", "TRUE"},
            {"AUTOLOGIN", "FALSE"}, {"AUTOLOGINPASSWORD", "secret"}, {"ONLINEPOPUP", "TRUE"},
            {"OFFLINEPOPUP", "FALSE"}, {"FILEPOPUP", "TRUE"}, {"MESSAGEPOPUP", "TRUE"},
            {"OFFLINEMESSAGEPOPUP", "TRUE"}, {"VOICEMAILPOPUP", "TRUE"},
            {"REMEMBERPASSWORD", "FALSE"}, {"REMEMBERME", "TRUE"},
            {"USERSTATUSDETAILS", "TRUE"}, {"AUTOMATICSAVE", "FALSE"},
            {"SAVELOCATION", home + "/Desktop/ZELChatHistory"}, {"DELETEHISTORY", "FALSE"},
            {"DELETEDAYS", "30"}, {"FROMSERVER", "TRUE"},
            {"QUICKREPLY", "Hi##Hello##Good Morning##Bye##Thank You"},
            {"QUICKREPLYOPTION", "TRUE"}, {"PROMPTONLINE", "FALSE"}, {"PROMPTAWAY", "FALSE"},
            {"PROMPTMEETING", "FALSE"}, {"PROMPTBUSY", "FALSE"}, {"PROMPTOFFLINE", "FALSE"},
            {"PROMPTUSERDEFINED", "FALSE"}, {"OFFLINEMESSAGE", "I am offline"},
            {"CONTACTSEARCH", "TRUE"},
        };
        QCOMPARE(expected.size(), 60);
        const QString text = fileText(p.fileName());
        QCOMPARE(blockOf(text, 1), expected);
        QCOMPARE(blockOf(text, 0).size(), 7);
        QVERIFY(text.contains("\n <USERSETTINGS>\n  <USERNAME>alice</USERNAME>\n"));

        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.userCase, Prefs::UserFound);
        QCOMPARE(read.user.chatWindow, ZELChatWindowList::defaults());
        QCOMPARE(read.user.autoStatus, ZELAutoStatusList::defaults());
        QCOMPARE(read.user.contactDisplay, ZELContactDisplayList::defaults());
    }

    void twoUsersReadBack()
    {
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        Prefs::UserSettings alice = customUser("alice", "a");
        Prefs::UserSettings bob = customUser("bob", "b");
        bob.rememberMe = "FALSE";
        // The two crossed elements must still come back at their own positions.
        alice.autoStatus[ZELAutoStatusList::OnlineToAway] = "FALSE";
        alice.autoStatus[ZELAutoStatusList::AwayToOnline] = "TRUE";
        alice.autoStatus[ZELAutoStatusList::AutoLogin] = "TRUE";
        QVERIFY(p.addUser(bob, localServer));
        QVERIFY(p.addUser(alice, localServer));

        const QString text = fileText(p.fileName());
        const auto aliceBlock = blockOf(text, 2);
        QCOMPARE(aliceBlock.at(26), qMakePair(QString("AVAILABLETOAWAY"), QString("TRUE")));
        QCOMPARE(aliceBlock.at(27), qMakePair(QString("AWAYTOAVAILABLE"), QString("FALSE")));

        const Prefs::ReadResult forAlice = p.read("alice");
        QCOMPARE(forAlice.userCase, Prefs::UserFound);
        QCOMPARE(forAlice.user.blockValues(), alice.blockValues());
        QVERIFY(forAlice.user == alice);
        QCOMPARE(p.read("bob").user.blockValues(), bob.blockValues());

        QCOMPARE(forAlice.userBlockCount, 2);
        QCOMPARE(forAlice.loginSettings.keys(), QStringList({"alice", "bob"}));
        const LoginSettingsRecord aliceRecord = forAlice.loginSettings.value("alice");
        QCOMPARE(aliceRecord.autoLogin, QString("TRUE"));
        QCOMPARE(aliceRecord.autoLoginPassword, QString("alice-pw"));
        QCOMPARE(aliceRecord.rememberMe, QString("TRUE"));
        QCOMPARE(forAlice.loginSettings.value("bob").rememberMe, QString("FALSE"));
        // The block read last comes first.
        QCOMPARE(forAlice.autoLoginEntries,
                 QStringList({"alice", "TRUE", "alice-pw", "bob", bob.autoStatus.at(6), "bob-pw"}));
    }

    void readCases_data()
    {
        QTest::addColumn<QString>("loginId");
        QTest::addColumn<int>("expectedCase");
        QTest::newRow("start-up, no login id") << QString() << int(Prefs::UserNotFound);
        QTest::newRow("unknown user") << QString("carol") << int(Prefs::UserNotFound);
        QTest::newRow("stored user") << QString("alice") << int(Prefs::UserFound);
        QTest::newRow("short block") << QString("short") << int(Prefs::UserIncomplete);
        QTest::newRow("user after a short block") << QString("bob") << int(Prefs::UserFound);
    }

    void readCases()
    {
        QFETCH(QString, loginId);
        QFETCH(int, expectedCase);
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        // A block cut short, followed by a complete one: its values must not be
        // filled up from the next user's block.
        QVERIFY(p.addUser(customUser("short", "s"), localServer));
        QDomDocument document;
        QVERIFY(document.setContent(fileText(p.fileName())));
        QDomElement shortBlock = document.documentElement().lastChildElement();
        shortBlock.removeChild(shortBlock.lastChild());
        writeBytes(p.fileName(), qCompress(document.toString(1).toLatin1(), 9));
        QVERIFY(p.addUser(customUser("bob", "b"), localServer));

        const Prefs::ReadResult read = p.read(loginId);
        QCOMPARE(read.state, Prefs::Loaded);
        QCOMPARE(int(read.userCase), expectedCase);
        if (read.userCase == Prefs::UserFound)
            QCOMPARE(read.user.blockValues(), customUser(loginId, loginId.left(1)).blockValues());
    }

    void missingFile()
    {
        Prefs p = prefs();
        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.state, Prefs::Missing);
        QCOMPARE(read.userCase, Prefs::UserNotFound);
        QVERIFY(read.connectionSettings.isEmpty());
        QVERIFY(!p.replaceUser(customUser("alice", "a")));
        QVERIFY(!p.exists());
    }

    void replaceUserMovesBlockToEnd()
    {
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        QVERIFY(p.addUser(customUser("bob", "b"), localServer));
        Prefs::UserSettings alice = customUser("alice", "a2");
        alice.statusMessages[ZELStatusMessageList::AwayMessage] = QString::fromUtf8("Back at 5 \u20ac");
        QVERIFY(p.replaceUser(alice));

        const QString text = fileText(p.fileName());
        QCOMPARE(blockOf(text, 0).first().first, QString("HOSTNAME"));
        QCOMPARE(blockOf(text, 1).first().second, QString("bob"));
        QCOMPARE(blockOf(text, 2).first().second, QString("alice"));
        QCOMPARE(blockOf(text, 3).size(), 0);
        // Outside Latin-1 is stored as '?'.
        QCOMPARE(p.read("alice").user.statusMessages.at(ZELStatusMessageList::AwayMessage),
                 QString("Back at 5 ?"));

        const QByteArray before = fileBytes(p.fileName());
        QVERIFY(!p.replaceUser(customUser("carol", "c")));
        QCOMPARE(fileBytes(p.fileName()), before);
    }

    void removeUserDropsFirstBlockOnly()
    {
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        QVERIFY(p.addUser(customUser("bob", "b"), localServer));
        QVERIFY(p.addUser(customUser("alice", "a2"), localServer));
        QFile::setPermissions(p.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ReadOther);

        QVERIFY(p.removeUser("alice"));
        const QString text = fileText(p.fileName());
        QCOMPARE(blockOf(text, 0).size(), 7);
        QCOMPARE(blockOf(text, 1).first().second, QString("bob"));
        QCOMPARE(p.read("alice").user.blockValues(), customUser("alice", "a2").blockValues());
        QCOMPARE(QFileInfo(p.fileName()).permissions() & QFileDevice::ReadOther, QFileDevice::Permissions());

        const QByteArray before = fileBytes(p.fileName());
        QVERIFY(!p.removeUser("carol"));
        QCOMPARE(fileBytes(p.fileName()), before);
    }

    void replaceConnectionKeepsUsers()
    {
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        const QStringList proxied = {"chat.example", "5223", "HttpProxy", "proxy", "3128", "u", "p"};
        QVERIFY(p.replaceConnection(proxied));
        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.connectionSettings, proxied);
        QCOMPARE(read.userCase, Prefs::UserFound);
        QCOMPARE(read.userBlockCount, 1);
    }

    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray validText = "<!DOCTYPE PERSONALSETTINGS>\n<SETTINGS>\n</SETTINGS>\n";
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("plain text, not compressed") << validText;
        QTest::newRow("cut short") << qCompress(validText, 9).left(12);
        QTest::newRow("not XML") << qCompress("settings? what settings", 9);
        QTest::newRow("other root") << qCompress("<!DOCTYPE PERSONALSETTINGS>\n<PROFILE/>\n", 9);
        QByteArray huge = qCompress(validText, 9);
        huge[0] = char(0x7f);
        QTest::newRow("absurd length") << huge;
        // Past what any copy of ours writes: refused before a tree is built.
        QTest::newRow("nested deeper than any file")
            << qCompress("<!DOCTYPE PERSONALSETTINGS>\n<SETTINGS>" + QByteArray("<USERSETTINGS>").repeated(5000)
                             + QByteArray("</USERSETTINGS>").repeated(5000) + "</SETTINGS>\n",
                         9);
        QTest::newRow("internal subset") << qCompress(
            "<!DOCTYPE PERSONALSETTINGS [<!ENTITY u '<USERSETTINGS/>'>]>\n<SETTINGS>&u;</SETTINGS>\n", 9);
    }

    void damagedFileIsSetAside()
    {
        QFETCH(QByteArray, content);
        Prefs p = prefs();
        writeBytes(p.fileName(), content);

        // An edit must not replace the damaged file with an empty document.
        QVERIFY(!p.replaceUser(customUser("alice", "a")));
        QVERIFY(!p.exists());
        QCOMPARE(fileBytes(p.setAsideFileName()), content);
        QVERIFY(!p.errorString().isEmpty());
        writeBytes(p.fileName(), content);
        QVERIFY(!p.removeUser("alice"));
        QVERIFY(!p.exists());
        QCOMPARE(fileBytes(p.setAsideFileName()), content);

        writeBytes(p.fileName(), content);
        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.state, Prefs::SetAside);
        QCOMPARE(read.userCase, Prefs::UserNotFound);
        QVERIFY(read.connectionSettings.isEmpty());
        QCOMPARE(fileBytes(p.setAsideFileName()), content);

        // The first-run road then starts a sound file; a sign-in adds to it.
        QVERIFY(p.create(localServer));
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        QCOMPARE(p.read("alice").userCase, Prefs::UserFound);
    }

    void addUserWithoutFileStartsWithServer()
    {
        Prefs p = prefs();
        QVERIFY(!p.addUser(customUser("alice", "a"), QStringList()));
        QVERIFY(!p.exists());
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.connectionSettings, localServer);
        QCOMPARE(read.userCase, Prefs::UserFound);
    }

    void addUserToFileWithoutServerBlock_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty settings") << QByteArray("<!DOCTYPE PERSONALSETTING>\n<SETTINGS></SETTINGS>\n");
        // A damaged document type must not be written back unreadable.
        QTest::newRow("damaged document type")
            << QByteArray("<!DOCTYPE P") + QByteArray(8, '\xff') + QByteArray("E:") + QByteArray(1, '\0')
                   + QByteArray("ONALSETTING>\n<SETTINGS></SETTINGS>\n");
    }

    void addUserToFileWithoutServerBlock()
    {
        // A file whose settings are empty: the user's block must be found again.
        QFETCH(QByteArray, text);
        Prefs p = prefs();
        writeBytes(p.fileName(), qCompress(text, 9));
        const Prefs::ReadResult first = p.read("alice");
        QCOMPARE(first.state, Prefs::Loaded);
        QCOMPARE(first.userCase, Prefs::UserNotFound);
        QVERIFY(p.addUser(customUser("alice", "a"), first.connectionSettings));
        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.userCase, Prefs::UserFound);
        QCOMPARE(read.user, customUser("alice", "a"));
        QCOMPARE(read.userBlockCount, 1);
    }

    void ownerOnly()
    {
        Prefs p = prefs();
        const QFileDevice::Permissions ownerRw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther
            | QFileDevice::ExeOther;
        QVERIFY(p.create(localServer));
        QCOMPARE(QFileInfo(p.fileName()).permissions() & (ownerRw | others), ownerRw);
        // A file left readable by an older run is tightened by the next save.
        QFile::setPermissions(p.fileName(), ownerRw | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        QCOMPARE(QFileInfo(p.fileName()).permissions() & (ownerRw | others), ownerRw);
    }

    // A file others may read is restricted to its owner as soon as it is read,
    // before any save.
    void readRestrictsToOwner_data()
    {
        QTest::addColumn<int>("extra");
        QTest::newRow("readable by all") << int(QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QTest::newRow("writable by the group") << int(QFileDevice::WriteGroup);
    }

    void readRestrictsToOwner()
    {
        QFETCH(int, extra);
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        QVERIFY(p.addUser(customUser("alice", "a"), localServer));
        const QFileDevice::Permissions ownerRw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QVERIFY(QFile::setPermissions(p.fileName(), ownerRw | QFileDevice::Permissions(extra)));
        const Prefs::ReadResult read = p.read("alice");
        QCOMPARE(read.userCase, Prefs::UserFound);
        QCOMPARE(QFileInfo(p.fileName()).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser
                                                           | QFileDevice::ExeUser),
                 ownerRw);
    }

    // A default folder missing on this desktop falls back to the download
    // folder, then home; nothing is created for it.
    // A full disk: whatever the operation, the preferences file stays byte for
    // byte as it was, the operation says it could not write and why, and no
    // file of its own is left beside it. The file-size limit works anywhere;
    // the small file system is a real full disk where one can be mounted.
    void fullDiskKeepsTheFile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("disk"); // "limit 0", "limit 1024" or "tmpfs"
        for (const char *operation : {"addUser", "replaceUser", "removeUser", "replaceConnection"}) {
            for (const char *disk : {"limit 0", "limit 1024", "tmpfs"})
                QTest::addRow("%s, %s", operation, disk) << QString(operation) << QString(disk);
        }
    }

    void fullDiskKeepsTheFile()
    {
        QFETCH(QString, operation);
        QFETCH(QString, disk);
        std::unique_ptr<ZELFullTmpfs> tmpfs;
        if (disk == "tmpfs") {
            tmpfs = std::make_unique<ZELFullTmpfs>(m_folder);
            if (!tmpfs->isMounted())
                QSKIP("no small file system can be mounted here");
        }
        Prefs p = prefs();
        QVERIFY(p.create(localServer));
        // A remembered circle of colleagues: a file of some kilobytes.
        for (const char *name : {"alice", "bob", "carol", "dave", "erin", "frank", "grace", "heidi"})
            QVERIFY(p.addUser(customUser(name, "old"), localServer));
        const QByteArray before = fileBytes(p.fileName());
        QVERIFY(before.size() > 2048);
        const QStringList files = zelFilesIn(m_folder);

        bool done = true;
        QString reason;
        {
            std::unique_ptr<ZELFullDisk> limit;
            if (tmpfs) {
                tmpfs->fill();
                reason = ZELFullTmpfs::reason();
            } else {
                limit = std::make_unique<ZELFullDisk>(disk == "limit 0" ? 0 : 1024);
                QVERIFY(limit->isActive());
                reason = ZELFullDisk::reason();
            }
            if (operation == "addUser")
                done = p.addUser(customUser("ivan", "new"), localServer);
            else if (operation == "replaceUser")
                done = p.replaceUser(customUser("carol", "new"));
            else if (operation == "removeUser")
                done = p.removeUser("bob");
            else
                done = p.replaceConnection({"chat.example", "5223", "No Proxy", "", "", "", ""});
        }
        if (tmpfs)
            QFile::remove(m_folder + "/filler");
        QVERIFY(!done);
        QVERIFY(p.writeFailed());
        QCOMPARE(p.errorString(), reason);
        QCOMPARE(fileBytes(p.fileName()), before);
        QCOMPARE(zelFilesIn(m_folder), files);
        // And the next start reads every remembered user.
        QCOMPARE(p.read("carol").user.blockValues(), customUser("carol", "old").blockValues());
        QCOMPARE(p.read("carol").loginSettings.size(), 8);
    }

    // The one writer of stored files, on a full disk: the old file stays byte
    // for byte (or no file appears), the reason is the system's, and nothing of
    // the failed write is left in the folder.
    void safeWriteOnFullDisk_data()
    {
        QTest::addColumn<QString>("how");     // replace, filler, create, cancelled
        QTest::addColumn<int>("size");        // bytes of the new content
        QTest::addColumn<int>("limit");       // the file-size limit, -1 for none
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("small, buffered, nothing written") << "replace" << 200 << 0 << true;
        QTest::newRow("5,000 bytes, room for 4,096") << "replace" << 5000 << 4096 << true;
        QTest::newRow("3 MB in chunks, room for 1 MB") << "replace" << (3 << 20) << (1 << 20) << true;
        QTest::newRow("new file, no room") << "replace" << 5000 << 4096 << false;
        QTest::newRow("written by a filler") << "filler" << 5000 << 4096 << true;
        QTest::newRow("filler giving up") << "filler gives up" << 100 << -1 << true;
        QTest::newRow("create, no room") << "create" << 5000 << 4096 << false;
        QTest::newRow("create over a file") << "create" << 100 << -1 << true;
        QTest::newRow("cancelled") << "cancelled" << 5000 << -1 << true;
        // A real full file system, where one can be mounted: 8 KB left.
        QTest::newRow("50 KB, 8 KB left on a small file system") << "replace" << 51200 << -2 << true;
        QTest::newRow("5,000 bytes, 4 KB left on a small file system") << "replace" << 5000 << -2 << true;
    }

    void safeWriteOnFullDisk()
    {
        QFETCH(QString, how);
        QFETCH(int, size);
        QFETCH(int, limit);
        QFETCH(bool, oldFile);
        std::unique_ptr<ZELFullTmpfs> tmpfs;
        if (limit == -2) {
            tmpfs = std::make_unique<ZELFullTmpfs>(m_folder);
            if (!tmpfs->isMounted())
                QSKIP("no small file system can be mounted here");
        }
        const QString path = m_folder + "/kept.bin";
        const QByteArray old("the old content, which must survive");
        if (oldFile)
            writeBytes(path, old);
        if (tmpfs)
            tmpfs->fill(size > 8192 ? 8192 : 4096);
        const QStringList files = zelFilesIn(m_folder);
        QByteArray content(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            content[i] = char(i * 31 + 7);

        ZELSafeWrite::Result result;
        {
            std::unique_ptr<ZELFullDisk> full;
            if (limit >= 0)
                full = std::make_unique<ZELFullDisk>(limit);
            if (how == "replace") {
                result = ZELSafeWrite::replace(path, content);
            } else if (how == "filler") {
                result = ZELSafeWrite::replace(path, [&](QIODevice &device) {
                    device.write(content); // a writer that does not look at what it wrote
                    return true;
                });
            } else if (how == "filler gives up") {
                result = ZELSafeWrite::replace(path, [&](QIODevice &device) {
                    device.write(content);
                    return false;
                });
            } else if (how == "create") {
                result = ZELSafeWrite::create(path, content);
            } else {
                const std::atomic_bool cancelled{true};
                result = ZELSafeWrite::replace(path, content, {}, &cancelled);
            }
        }
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        if (limit >= 0)
            QCOMPARE(result.error, ZELFullDisk::reason());
        if (tmpfs)
            QCOMPARE(result.error, ZELFullTmpfs::reason());
        QCOMPARE(fileBytes(path), oldFile ? old : QByteArray());
        QCOMPARE(QFileInfo::exists(path), oldFile);
        QCOMPARE(zelFilesIn(m_folder), files);
        QVERIFY(ZELSafeWrite::notSaved("The file", result).endsWith(": " + result.error));

        // With room again the same write goes through.
        if (tmpfs)
            QFile::remove(m_folder + "/filler");
        if (how != "create" || !oldFile) {
            QFile::remove(path);
            QVERIFY(ZELSafeWrite::replace(path, content).ok);
            QCOMPARE(fileBytes(path), content);
        }
    }

    // Writes off the caller's thread end in the order asked and are reported
    // there; cancelled ones give up, report nothing and leave their target as
    // it was; destroying the writer cancels and waits.
    void fileWriterOrderAndCancel()
    {
        const QString first = m_folder + "/first.bin";
        const QString second = m_folder + "/second.bin";
        writeBytes(second, "old second");
        QStringList told;
        QSemaphore started;
        // Holds the writer's thread until it is cancelled.
        const auto holdUntilCancelled = [&](const std::atomic_bool &cancelled) {
            started.release();
            while (!cancelled.load())
                QThread::msleep(1);
            return ZELSafeWrite::replace(first, QByteArray("first"));
        };
        const auto note = [&](const char *what) {
            return [&told, what](const ZELSafeWrite::Result &r) { told << QString("%1 %2").arg(what).arg(r.ok); };
        };
        auto writer = std::make_unique<ZELFileWriter>();
        writer->run(holdUntilCancelled, note("first"));
        writer->run(
            [&](const std::atomic_bool &cancelled) {
                return ZELSafeWrite::replace(second, QByteArray(3 << 20, 'n'), {}, &cancelled);
            },
            note("second"));
        QVERIFY(started.tryAcquire(1, 5000));
        QVERIFY(writer->isBusy());
        writer->cancelAll();
        QVERIFY(writer->waitForWrites(5000));
        QTRY_VERIFY(!writer->isBusy());
        QCOMPARE(told, QStringList()); // cancelled: neither reports
        QCOMPARE(fileBytes(second), QByteArray("old second"));

        writer->run([&](const std::atomic_bool &) { return ZELSafeWrite::replace(first, QByteArray("a")); },
                    note("a"));
        writer->run([&](const std::atomic_bool &) { return ZELSafeWrite::replace(second, QByteArray("b")); },
                    note("b"));
        QTRY_COMPARE(told, (QStringList{"a 1", "b 1"}));

        // Destroyed while a write runs and another waits: both give up.
        writer->run(holdUntilCancelled, note("late"));
        writer->run(
            [&](const std::atomic_bool &cancelled) {
                return ZELSafeWrite::replace(second, QByteArray("never"), {}, &cancelled);
            },
            note("never"));
        QVERIFY(started.tryAcquire(1, 5000));
        writer.reset();
        QCoreApplication::processEvents();
        QCOMPARE(told, (QStringList{"a 1", "b 1"}));
        QCOMPARE(fileBytes(second), QByteArray("b"));
        QCOMPARE(zelFilesIn(m_folder), (QStringList{"first.bin", "second.bin"}));
    }

    void defaultFoldersExist_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("desktop") << QStringList{"Desktop", "Downloads"} << "Desktop";
        QTest::newRow("no desktop") << QStringList{"Downloads"} << "Downloads";
        QTest::newRow("neither") << QStringList() << "";
    }

    void defaultFoldersExist()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        for (const QString &folder : present)
            QVERIFY(QDir(home.path()).mkpath(folder));
        const QString base = expected.isEmpty() ? home.path() : home.path() + "/" + expected;
        const QString folder = ZELSettingsDefaults::defaultFileLocation();
        const QStringList history = ZELChatHistoryList::defaults();
        const QStringList after = QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        qputenv("HOME", oldHome);
        QCOMPARE(folder, base);
        QCOMPARE(history.value(ZELChatHistoryList::SaveLocation), base + "/ZELChatHistory");
        QCOMPARE(after.size(), present.size());
    }
};

ZEL_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
