// Prints the longest hold of the GUI thread for every message type the
// dispatcher handles, with each of its fields in turn filled by a long value,
// and for a few shapes that are costly whatever their size: deep and wide
// markup, a large contact list with chat windows open, pictures that name a
// device or a pipe.
//
// Each row runs in a process of its own, from a fresh client in the state in
// which its message does most work (signed in, the sender's chat window and a
// conference open, the dialog it fills open); the message is written to the
// client's own socket by a local peer, as the server would send it, and goes
// through the receiver thread and the dispatcher, offscreen. "hold" is the
// longest single event of the GUI thread from the write until the client is
// idle again; "paint" the longest show and paint of a window the message
// opened or changed; the last column names the receiver's class and the event
// type of the longest event. A row that does not end in time is stopped and
// shown as such.
//
//     bench_fields                 every row, 1 MB and 4 MB values
//     bench_fields --kb 64,256     other sizes
//     bench_fields --only CHAT     rows whose name holds the text
//     bench_fields --over          print only the rows over the goal
//     bench_fields --again FILE    only the rows a table printed to FILE shows over the goal
//     bench_fields --jobs 2        rows side by side (figures inflate)
//     bench_fields --timeout 60    seconds before a row is stopped
//     bench_fields --list          the rows, without running them
//     bench_fields --short         a few small rows: checks that the bench runs

#include "core/zelclient.h"
#include "zelbenchhold.h"
#include "zelbenchhome.h"

#include "chat/zelchatwindow.h"
#include "contacts/zeladdcontact.h"
#include "messages/zelchathistorylistwindow.h"
#include "peer/zeltestpeer.h"
#include "protocol/zelsettingslists.h"
#include "protocol/zeltcpsocket.h"
#include "reminders/zelreminderdialog.h"
#include "style/zelstyle.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

// Whether the address sanitizer is built in (gcc and clang say it differently).
#if defined(__SANITIZE_ADDRESS__)
#define ZEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEL_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef ZEL_ADDRESS_SANITIZER
#define ZEL_ADDRESS_SANITIZER 0
#endif

namespace {

constexpr double GoalMs = 100;

// What a value reads as, and so which long values it is given.
enum class Kind {
    Text,   // an unbroken word and ordinary words
    Number, // also a long run of digits
    List,   // also many items, `separator` between them
};

struct FieldSpec
{
    const char *tag; // "" for the text the server writes after the document
    const char *value; // realistic; "%1" numbers the record
    Kind kind = Kind::Text;
    const char *separator = nullptr;
};

// The state a row starts from.
enum Setup : unsigned {
    SignedIn = 1u << 0,      // contacts, the sender's chat window, a conference, an offline reply window
    SignInPending = 1u << 1, // login page, waiting for the answer
    HistoryOpen = 1u << 2,   // the history window on screen
    AddContactOpen = 1u << 3,
    RemindersBuilt = 1u << 4,
    OfflineInbox = 1u << 5, // 600 offline messages held
    DeliveryPending = 1u << 6,
};

struct TypeSpec
{
    const char *type;
    const char *variant;   // tells apart rows of one type in different shapes or states
    const char *wrapper;   // the element the fields sit in, or nullptr
    const char *recordTag; // each record an element of its own, or nullptr
    int recordFrom;        // the fields from here on repeat as records; -1: no records
    unsigned setup;
    FieldSpec fields[10];
};

const char Profile[] = "Engineer&&Acme Ltd&&Chennai&&India&&600001&&044 2345 6789&&98400 12345&&asha@acme.example&&"
                       "Ravi Kumar&&1990-04-01&&&&+05:30";
const char CardProfile[] = "Engineer&&Acme Ltd&&Chennai&&India&&600001&&044 2345 6789&&98400 12345&&"
                           "asha@acme.example&&Ravi Kumar&&1990-04-01&&&&+05:30&&Acme Ltd";
const char Conference[] = "Planning12345678";

// Every message type the dispatcher handles, in the dispatcher's order, with its
// fields as it reads them.
const TypeSpec types[] = {
    {"NEWUSER", "own", nullptr, nullptr, -1, SignedIn,
     {{"OWN", "user%1,Online,Sales,User %1,Engineer&&Acme Ltd,At my desk,Online,APPROVED", Kind::List, ","}}},
    {"NEWUSER", "others", "OTHERS", "USER", 0, SignedIn,
     {{"USERNAME", "nina%1"}, {"STATE", "Online"}, {"DEPARTMENT", "Sales"}, {"DISPLAYNAME", "Nina Das %1"},
      {"PROFILE", Profile, Kind::List, "&&"}, {"STATUSMESSAGE", "In a meeting"}, {"STATUS", "Online"},
      {"APPROVAL", "APPROVED"}}},
    {"LOGIN", "", nullptr, nullptr, -1, SignInPending,
     {{"RESULT", "SUCCESSLOGIN"}, {"DISPLAYNAME", "Bench User"}, {"MARQUEE", "Welcome to the new office"},
      {"INVISIBLE", "1", Kind::Number}, {"PROFILE", Profile, Kind::List, "&&"}}},
    {"LOGOUT", "", nullptr, nullptr, -1, SignedIn,
     {{"USERNAME", "ravi"}, {"DEPARTMENT", "Sales"}, {"DISPLAYNAME", "Ravi Kumar"}, {"COMPANY", "Acme Ltd"},
      {"STATUSMESSAGE", "Gone home"}}},
    {"CHANGESTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"USERNAME", "ravi"}, {"STATUSMESSAGE", "In a meeting"}, {"STATUS", "Busy"}, {"COMPANY", "Acme Ltd"},
      {"DISPLAYNAME", "Ravi Kumar"}, {"PROFILE", "Engineer&&Acme Ltd&&Chennai&&India&&600001&&1&&2&&3&&4&&5&&Acme",
                                      Kind::List, "&&"}}},
    {"ADDCONTACT", "search", "SEARCHKEYWORD", nullptr, 0, SignedIn | AddContactOpen,
     {{"DISPLAYNAME", "Nina Das %1"}, {"USERNAME", "nina%1"}, {"DEPARTMENT", "Sales"},
      {"PROFILE", CardProfile, Kind::List, "&&"}}},
    {"ADDCONTACT", "add", "ADDNAME", nullptr, -1, SignedIn,
     {{"USERNAME", "nina"}, {"STATE", "Online"}, {"DEPARTMENT", "Sales"}, {"PROFILE", Profile, Kind::List, "&&"},
      {"DISPLAYNAME", "Nina Das"}, {"STATUSMESSAGE", "Hello"}, {"STATUS", "Online"}}},
    {"DELETECONTACT", "", nullptr, nullptr, -1, SignedIn,
     {{"DELETELIST", "LIST"}, {"", "Nina Das %1,nina%1,Sales,Engineer&&Acme Ltd", Kind::List, ","}}},
    {"DELETECONTACTLISTEMPTY", "", nullptr, nullptr, -1, SignedIn, {{"DELETECONTACTLISTEMPTY", ""}}},
    {"DELETENAME", "", nullptr, nullptr, -1, SignedIn,
     {{"USERNAME", "meena"}, {"DEPARTMENT", "Sales"}, {"PRESENT", "1", Kind::Number}, {"COMPANY", "Acme Ltd"}}},
    {"ADDCONTACTAPPROVALSTATUS", "", nullptr, nullptr, 0, SignedIn,
     {{"REQUEST", "nina%1#Nina Das#Sales#Engineer##Engineer&&Acme Ltd&&Chennai&&India&&1&&2&&3&&4&&5&&6&&7&&Acme",
       Kind::List, "#"}}},
    {"PRIVILEGEINFO", "", nullptr, nullptr, 0, SignedIn, {{"VALUE", "Field###Sales###1###1", Kind::List, "###"}}},
    {"APPROVALREQUESTEDUSER", "", nullptr, nullptr, 0, SignedIn, {{"VALUE", "nina%1##Nina Das %1"}}},
    {"APPROVALALERT", "", nullptr, nullptr, -1, SignedIn, {{"USERNAME", "nina"}, {"DISPLAYNAME", "Nina Das"}}},
    {"CHANGEPASSWORD", "", nullptr, nullptr, -1, SignedIn, {{"STATUS", "CHANGED"}, {"PASSWORD", "n3w-secret"}}},
    {"FORGETPWD", "", nullptr, nullptr, -1, SignInPending, {{"USERNAME", "bench"}, {"RESULT", "SENT"}}},
    {"ANOTHERUSERLOGGED", "", nullptr, nullptr, -1, SignedIn, {{"VALUE", "ANOTHERUSERLOGGED"}}},
    {"FTPREADY", "open window", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "ravi"}, {"FILENAME", "minutes of the meeting.pdf"},
      {"FILESIZE", "52311", Kind::Number}, {"ADDBANNER", "ADD_BANNER"}, {"DISPLAYNAME", "Ravi Kumar"},
      {"PWDPROTECT", "0", Kind::Number}}},
    {"FTPREADY", "new window", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "asha"}, {"FILENAME", "minutes of the meeting.pdf"},
      {"FILESIZE", "52311", Kind::Number}, {"ADDBANNER", "ADD_BANNER"}, {"DISPLAYNAME", "Asha Rao"},
      {"PWDPROTECT", "0", Kind::Number}}},
    {"CHANGECONFERENCECHAT", "", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"CHATSESSION", "asha"}, {"NEWPASS", "Review98765432"},
      {"DISPLAYNAME", "Asha Rao"}}},
    {"CHAT", "open window", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "ravi"}, {"MESSAGE", "Shall we meet at <b>three</b>?"},
      {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""}, {"PLAINTEXT", "Shall we meet at three?"},
      {"DISPLAYNAME", "Ravi Kumar"}, {"PASSWORD", "FALSE"}}},
    {"CHAT", "new window", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "asha"}, {"MESSAGE", "Shall we meet at <b>three</b>?"},
      {"SENDSMILEY", ""}, {"SENDPICTURE", ""}, {"BANNERSTATE", ""}, {"PLAINTEXT", "Shall we meet at three?"},
      {"DISPLAYNAME", "Asha Rao"}, {"PASSWORD", "FALSE"}}},
    {"MESSAGEDELIVERED", "", nullptr, nullptr, -1, SignedIn | DeliveryPending,
     {{"USERNAME", "bench"}, {"OLDPASS", "ravi"}, {"NEWPASS", "Shall we meet at three?"}}},
    {"PWDMESSAGEDELIVEREDSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "bench"}, {"OFFLINEUSER", "The figures for <b>March</b>"}, {"FILENAME", "ravi"},
      {"FILESIZE", "CHAT"}, {"INVALID", "FALSE"}}},
    {"FTPSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "bench"}, {"CHATUSERNAME", "ravi"}, {"FTPSTATUS", "Accepted"},
      {"FILENAME", "minutes of the meeting.pdf"}}},
    {"CONFERENCETYPESTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi"}, {"CHATSUBJECT", Conference}, {"CHATUSERNAME", "bench"}}},
    {"CONFERENCEERASESTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi"}, {"CHATSUBJECT", Conference}, {"CHATUSERNAME", "bench"}}},
    {"MESSAGETYPESTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "bench"}, {"CHATUSERNAME", "ravi"}, {"TYPESTATUS", "is typing..."}}},
    {"MESSAGERASESTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "bench"}, {"CHATUSERNAME", "ravi"}, {"ERASESTATUS", "is erasing..."}}},
    {"CLOSECHATWINDOW", "", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "ravi"}, {"MESSAGE", "Ravi Kumar has closed the chat window"}}},
    {"CONFERECECHATSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "bench"}, {"CHATUSERNAME", "asha"}, {"CHATSESSIONNAME", Conference}, {"STATUS", "Accepted"},
      {"DUSERNAME", "Asha Rao"}}},
    {"CONFERENCECHAT", "", nullptr, nullptr, -1, SignedIn,
     {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "asha"}, {"INVITECHAT", "Review98765432"},
      {"DISPLAYNAME", "Asha Rao"}}},
    {"UPDATECONFERENCECHATUSERS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference}, {"NEWUSER", "nina##Nina Das"},
      {"USERS", "user%1##User %1", Kind::List, ","}, {"CHATUSERNAME", "bench"}}},
    {"CONFERENCECHATMESSAGE", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference}, {"MESSAGE", "The plan is <b>ready</b>"},
      {"SMILEY", "FALSE"}, {"SENDPICTURE", ""}, {"ADDBANNER", ""}, {"PLAINTEXT", "The plan is ready"}}},
    {"REMOVECONFERENCECHATUSER", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference}, {"USERNAME", "meena##Meena Iyer"}}},
    {"STOPCONFERENCECHAT", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference}, {"CHATUSERNAME", "bench"},
      {"CHATUSERNAME", "meena"}}},
    {"CONFERENCECHATFTPREADY", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi##Ravi Kumar"}, {"CHATSUBJECT", Conference}, {"FILENAME", "minutes of the meeting.pdf"},
      {"FILESIZE", "52311##0", Kind::List, "##"}, {"CHATUSERNAME", "bench"}}},
    {"CONFERENCECHATFTPSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "bench"}, {"CHATUSERNAME", "ravi##Ravi Kumar"}, {"FTPSTATUS", "Accepted"},
      {"FILENAME", "minutes of the meeting.pdf"}, {"CHATSUBJECT", Conference}}},
    {"CLOSECONFERENCECHATWINDOW", "", nullptr, nullptr, -1, SignedIn,
     {{"LOGINNAME", "ravi"}, {"CHATSUBJECT", Conference}, {"CLOSEMESSAGE", "Ravi Kumar has closed the window"},
      {"CHATUSERNAME", "bench"}, {"CHATUSERNAME", "meena"}}},
    {"FILETRANSFERSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"VALUE", "ravi"}, {"VALUE", "SUCCESS"}, {"VALUE", "minutes of the meeting.pdf"}, {"VALUE", ""}}},
    {"OFFLINEFILETRANSFERSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"VALUE", "zoe"}, {"VALUE", "SUCCESS"}, {"VALUE", "minutes of the meeting.pdf"}}},
    {"OFFLINEFILEDETAILS", "", nullptr, nullptr, 0, SignedIn,
     {{"KEY", "bench^%ravi^%report %1.txt", Kind::List, "^%"}, {"TIME", "2026-12-10 10:15"},
      {"SIZE", "52311##Ravi Kumar", Kind::List, "##"}}},
    {"CONFERENCEFILETRANSFERSTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"VALUE", Conference}, {"VALUE", "SUCCESS"}, {"VALUE", "minutes of the meeting.pdf"}}},
    {"SELFREMINDERS", "", nullptr, nullptr, 0, SignedIn,
     {{"KEY", "%1", Kind::Number}, {"SUBJECT", "Send the report"}, {"DATETIME", "2026-12-10 18:00:00"},
      {"STATUS", "Awaiting"}, {"ASSIGNEE", "bench"}, {"OWNER", "Bench User"}, {"LOCALDUE", "Self"}}},
    {"CROSSREMINDERS", "", nullptr, nullptr, 0, SignedIn,
     {{"KEY", "%1", Kind::Number}, {"SUBJECT", "Call the client"}, {"DATETIME", "2026-12-10 18:00:00"},
      {"STATUS", "Awaiting"}, {"ASSIGNEE", "ravi"}, {"OWNER", "Ravi Kumar"}, {"LOCALDUE", "2026-12-10 18:00:00"}}},
    {"ADDCROSSREMINDER", "", nullptr, nullptr, -1, SignedIn,
     {{"KEY", "77", Kind::Number}, {"SUBJECT", "Call the client"}, {"DATETIME", "2026-12-10 18:00:00"},
      {"STATUS", "Awaiting"}, {"ASSIGNEE", "ravi"}, {"OWNER", "Ravi Kumar"}, {"LOCALDUE", "2026-12-10 18:00:00"}}},
    {"DELETECROSSREMINDER", "", nullptr, nullptr, -1, SignedIn, {{"KEY", "77", Kind::Number}}},
    {"SNOOZECROSSREMINDER", "", nullptr, nullptr, -1, SignedIn,
     {{"KEY", "77", Kind::Number}, {"DATETIME", "2026-12-10 18:10:00"}}},
    {"OFFLINEMESSAGES", "", nullptr, nullptr, 0, SignedIn | OfflineInbox,
     {{"VALUE", "ravi##Call me back %1##2026-12-10 09:%1##NO##<b>Call me back</b>##RAVI##NO", Kind::List, "##"}}},
    {"OFFLINEMESSAGESTATUS", "", nullptr, nullptr, -1, SignedIn,
     {{"VALUE", "SENT"}, {"VALUE", "zoe"}, {"VALUE", "See you <b>tomorrow</b>"}}},
    {"CHATHISTORYTOCLIENT", "", nullptr, nullptr, -1, SignedIn,
     {{"TRANSCRIPT", "<b>Ravi Kumar</b> 10:02<br>Shall we meet at three?"}, {"CHATUSERNAME", "ravi"},
      {"VALUE", ""}}},
    {"CHATHISTORYLIST", "", "SAMPLE", nullptr, 0, SignedIn | HistoryOpen,
     {{"USERNAME", "user%1"}, {"DISPLAYNAME", "User %1"}}},
    {"RECENTCHATUSERLIST", "", "USERSLIST", nullptr, 0, SignedIn, {{"USERNAME", "user%1"}}},
    {"VOICEMAILFILEDETAILS", "", "FILELIST", nullptr, 0, SignedIn,
     {{"FILENAME", "ravi_20261210_%1.wav"}, {"SENDER", "Ravi Kumar"}}},
    {"CHATHISTORYDATE", "", "NAMES", nullptr, 0, SignedIn | HistoryOpen,
     {{"VALUE", "2026-12-%1"}, {"VALUE", "10:00:00"}, {"VALUE", "10:30:00"}}},
    {"CONFERENCENAMESTOBESENT", "", "CONFERENCEFILE", nullptr, 0, SignedIn | HistoryOpen,
     {{"VALUE", "Planning%1~ravi"}, {"VALUE", "10:00:00"}, {"VALUE", "10:30:00"}}},
    {"CHATHISTORYFROMSERVER", "", nullptr, nullptr, -1, SignedIn | HistoryOpen,
     {{"HISTORY", "<b>Ravi Kumar</b> 10:02<br>Shall we meet at three?"}}},
    {"CONFERENCEHISTORYFROMSERVER", "", nullptr, nullptr, -1, SignedIn | HistoryOpen,
     {{"HISTORY", "<b>Ravi Kumar</b> 10:02<br>The plan is ready"}}},
    {"DATABASEPROBLEM", "", nullptr, nullptr, -1, SignedIn, {{"VALUE", "DATABASEPROBLEM"}}},
    {"CHATHISTORYFOROPENNEWWIDGET", "", nullptr, nullptr, -1, SignedIn,
     {{"HISTORY", "<b>Ravi Kumar</b> 10:02<br>Shall we meet at three?"}, {"CHATUSER", "ravi"}}},
    {"ONLINEGROUPMESSAGE", "", nullptr, nullptr, -1, SignedIn,
     {{"PLAINMESSAGE", "The office closes early today"}, {"HTMLMESSAGE", "The office closes <b>early</b> today"},
      {"LOGINNAME", "ravi"}, {"DISPLAYNAME", "Ravi Kumar"}}},
    {"DELETEREMINDERLIST", "", nullptr, nullptr, -1, SignedIn | RemindersBuilt, {{"USERNAME", "meena"}}},
    {"CONFERENCEDATES", "", "DATE", nullptr, 0, SignedIn | HistoryOpen, {{"VALUE", "2026-12-%1"}}},
    {"DELETEOFFLINEMESSAGESTATUS", "", nullptr, nullptr, -1, SignedIn | OfflineInbox, {{"VALUE", "DELETED"}}},
};

int fieldCount(const TypeSpec &type)
{
    int n = 0;
    while (n < 10 && type.fields[n].tag)
        ++n;
    return n;
}

// The long values a field is given.
enum class Fill { Word, Words, Digits, Items, Records };
const char *const fillNames[] = {"word", "words", "digits", "items", "records"};

QString fillText(Fill fill, const FieldSpec &field, qsizetype size)
{
    QString out;
    out.reserve(size + 64);
    switch (fill) {
    case Fill::Word:
        out.fill(QLatin1Char('w'), size);
        return out;
    case Fill::Words: {
        static const QString words = QStringLiteral("the minutes of the meeting are in the shared folder and ");
        while (out.size() < size)
            out += words;
        break;
    }
    case Fill::Digits: {
        static const QString digits = QStringLiteral("1234567890");
        while (out.size() < size)
            out += digits;
        break;
    }
    case Fill::Items: {
        const QString item = QString::fromUtf8(field.value);
        const QString separator = QString::fromUtf8(field.separator);
        for (int n = 1; out.size() < size; ++n)
            out += item.arg(n) + separator;
        break;
    }
    case Fill::Records:
        break;
    }
    out.truncate(size);
    return out;
}

QString realistic(const FieldSpec &field, int record)
{
    const QString value = QString::fromUtf8(field.value);
    return value.contains(QLatin1String("%1")) ? value.arg(record) : value;
}

// The message of a type, field `filled` holding `value` (none when -1),
// the records repeated `records` times.
QString buildMessage(const TypeSpec &type, int filled, const QString &value, int records)
{
    const int count = fieldCount(type);
    QList<ZELTestPeer::Node> nodes;
    QString after;
    const int groupFrom = type.recordFrom < 0 ? count : type.recordFrom;
    for (int i = 0; i < groupFrom; ++i) {
        const QString text = i == filled ? value : realistic(type.fields[i], 1);
        if (!*type.fields[i].tag)
            after = text;
        else
            nodes.append(ZELTestPeer::Node(QString::fromLatin1(type.fields[i].tag), text));
    }
    for (int r = 1; r <= (groupFrom < count ? records : 0); ++r) {
        QList<ZELTestPeer::Node> group;
        for (int i = groupFrom; i < count; ++i)
            group.append(ZELTestPeer::Node(QString::fromLatin1(type.fields[i].tag),
                                           i == filled ? value : realistic(type.fields[i], r)));
        if (type.recordTag)
            nodes.append(ZELTestPeer::Node(QString::fromLatin1(type.recordTag), group));
        else
            nodes += group;
    }
    if (type.wrapper)
        nodes = {ZELTestPeer::Node(QString::fromLatin1(type.wrapper), nodes)};
    QString xml = ZELTestPeer::messageTree(QString::fromLatin1(type.type), nodes);
    if (!after.isEmpty())
        xml += QLatin1Char('\n') + after;
    return xml;
}

// One row of the table: a type's field and a long value, or one of the shapes below.
struct Row
{
    int type = -1;  // index into `types`, or -1 for a shape
    int field = -1; // -1 with Fill::Records: the whole record repeated
    Fill fill = Fill::Word;
    int kb = 0;
    int shape = -1; // index into `shapes`
};

// Costly shapes, whatever their size.
struct Shape
{
    const char *name;
    unsigned setup;
    int chatWindows; // chat windows opened before, beyond the setup's own
    std::function<QByteArray(const QString &folder)> frame;
};

QByteArray chatFrame(const QString &body)
{
    return ZELTestPeer::textFrame(ZELTestPeer::message(
        "CHAT", {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "ravi"}, {"MESSAGE", body}, {"SENDSMILEY", ""},
                 {"SENDPICTURE", ""}, {"BANNERSTATE", ""}, {"PLAINTEXT", "hi"}, {"DISPLAYNAME", "Ravi Kumar"},
                 {"PASSWORD", "FALSE"}}));
}

QByteArray contactsFrame(int contacts)
{
    QList<ZELTestPeer::Node> users;
    users.reserve(contacts);
    for (int c = 0; c < contacts; ++c) {
        const QString n = QString::number(c);
        users.append(ZELTestPeer::Node(
            QStringLiteral("USER"),
            QList<ZELTestPeer::Node>{{"USERNAME", "user" + n},
                                     {"STATE", c % 3 ? "Online" : "Offline"},
                                     {"DEPARTMENT", "Department " + QString::number(c % 40)},
                                     {"DISPLAYNAME", "User " + n},
                                     {"PROFILE", QString::fromLatin1(Profile)},
                                     {"STATUSMESSAGE", "At my desk"},
                                     {"STATUS", "Online"},
                                     {"APPROVAL", "APPROVED"}}));
    }
    return ZELTestPeer::textFrame(
        ZELTestPeer::messageTree("NEWUSER", {ZELTestPeer::Node(QStringLiteral("OTHERS"), users)}));
}

QString repeated(const QString &piece, int times)
{
    QString out;
    out.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const QList<Shape> &shapes()
{
    static const QList<Shape> table = {
        {"chat body: 100,000 nested <b>", SignedIn, 0,
         [](const QString &) {
             return chatFrame(repeated(QStringLiteral("<b>"), 100000) + QStringLiteral("deep")
                              + repeated(QStringLiteral("</b>"), 100000));
         }},
        {"chat body: 100,000 attributes", SignedIn, 0,
         [](const QString &) {
             QString span = QStringLiteral("<span");
             for (int i = 0; i < 100000; ++i)
                 span += QStringLiteral(" a%1=\"x\"").arg(i);
             return chatFrame(span + QStringLiteral(">wide</span>"));
         }},
        {"XML: 100,000 nested elements in CHAT", SignedIn, 0,
         [](const QString &) {
             QByteArray xml = "<CHAT><CHATUSERNAME>bench</CHATUSERNAME><LOGINNAME>ravi</LOGINNAME><MESSAGE>";
             xml += QByteArray("<b>").repeated(100000) + "deep" + QByteArray("</b>").repeated(100000);
             xml += "</MESSAGE></CHAT>";
             return ZELTestPeer::frame(xml);
         }},
        {"XML: 100,000 attributes on the root", SignedIn, 0,
         [](const QString &) {
             QByteArray xml = "<CHAT";
             for (int i = 0; i < 100000; ++i)
                 xml += " a" + QByteArray::number(i) + "=\"x\"";
             xml += "><CHATUSERNAME>bench</CHATUSERNAME><LOGINNAME>ravi</LOGINNAME><MESSAGE>hi</MESSAGE></CHAT>";
             return ZELTestPeer::frame(xml);
         }},
        {"50,000 contacts, no chat window", SignedIn, -1, [](const QString &) { return contactsFrame(50000); }},
        {"50,000 contacts, 1 chat window", SignedIn, 0, [](const QString &) { return contactsFrame(50000); }},
        {"50,000 contacts, 100 chat windows", SignedIn, 99, [](const QString &) { return contactsFrame(50000); }},
        {"chat body: <img src=\"/dev/zero\">", SignedIn, 0,
         [](const QString &) { return chatFrame(QStringLiteral("look <img src=\"/dev/zero\">")); }},
        {"chat body: picture from a FIFO", SignedIn, 0,
         [](const QString &folder) {
             const QString fifo = folder + QStringLiteral("/picture.png");
             ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
             return chatFrame(QStringLiteral("look <img src=\"") + fifo + QStringLiteral("\">"));
         }},
    };
    return table;
}

QString rowName(const Row &row)
{
    if (row.shape >= 0)
        return QString::fromLatin1(shapes().at(row.shape).name);
    const TypeSpec &type = types[row.type];
    QString name = QString::fromLatin1(type.type);
    if (*type.variant)
        name += QStringLiteral(" (") + QString::fromLatin1(type.variant) + QLatin1Char(')');
    if (row.field < 0)
        return name + QStringLiteral(" records");
    const char *tag = type.fields[row.field].tag;
    return name + QStringLiteral(" ") + QString::number(row.field + 1) + QLatin1Char(':')
           + (*tag ? QString::fromLatin1(tag) : QStringLiteral("(after)"));
}

QList<Row> allRows(const QList<int> &sizesKb, bool withShapes)
{
    QList<Row> rows;
    for (const int kb : sizesKb) {
        for (int t = 0; t < int(std::size(types)); ++t) {
            const TypeSpec &type = types[t];
            for (int f = 0; f < fieldCount(type); ++f) {
                rows.append({t, f, Fill::Word, kb});
                rows.append({t, f, Fill::Words, kb});
                if (type.fields[f].kind == Kind::Number)
                    rows.append({t, f, Fill::Digits, kb});
                if (type.fields[f].kind == Kind::List)
                    rows.append({t, f, Fill::Items, kb});
            }
            if (type.recordFrom >= 0)
                rows.append({t, -1, Fill::Records, kb});
        }
    }
    if (withShapes) {
        for (int s = 0; s < shapes().size(); ++s)
            rows.append({-1, -1, Fill::Word, 0, s});
    }
    return rows;
}

QByteArray rowFrame(const Row &row, const QString &folder)
{
    if (row.shape >= 0)
        return shapes().at(row.shape).frame(folder);
    const TypeSpec &type = types[row.type];
    const qsizetype size = qsizetype(row.kb) * 1024;
    if (row.fill == Fill::Records) {
        const int count = fieldCount(type);
        qsizetype one = 0;
        for (int i = type.recordFrom; i < count; ++i)
            one += qsizetype(strlen(type.fields[i].value)) + 2 * qsizetype(strlen(type.fields[i].tag)) + 8;
        return ZELTestPeer::textFrame(buildMessage(type, -1, QString(), int(qMax<qsizetype>(1, size / one))));
    }
    return ZELTestPeer::textFrame(buildMessage(type, row.field, fillText(row.fill, type.fields[row.field], size), 1));
}

// ---- one row, in a process of its own ----

// Runs posted events and timers for a second: what a message leaves to do
// later (layouts, paints, single-shot timers) is done by then. An event that
// takes longer stretches the second.
void drainEvents()
{
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void deliver(ZELClient &client, const QString &xml)
{
    QByteArray text = xml.toLatin1() + ":::";
    QByteArray noFiles;
    client.messageFromServer(text, noFiles);
}

void showWindow(QWidget *window)
{
    if (!window)
        return;
    window->showNormal();
    window->resize(500, 450);
}

void prepare(ZELClient &client, unsigned setup, int extraWindows)
{
    client.show();
    // The settings of a first run, with every notice in the chat windows on.
    client.m_chatWindowSettings = ZELChatWindowList::defaults();
    client.m_notificationSettings = ZELNotificationList::defaults();
    client.m_chatWindowSettings[ZELChatWindowList::PartnerClosedMessage] = QStringLiteral("TRUE");
    client.m_chatWindowSettings[ZELChatWindowList::ShowStatusChange] = QStringLiteral("TRUE");
    client.m_loginId = QStringLiteral("bench");
    if (setup & SignInPending) {
        client.m_signInPending = true;
        return;
    }
    client.successFullLoginStatus({QStringLiteral("LOGIN"), QStringLiteral("SUCCESSLOGIN"), QStringLiteral("Bench User"),
                                   QString(), QStringLiteral("1"), QString()});
    client.m_signedIn = true;

    // A few contacts present: the sender, the conference's members, one away.
    QList<ZELTestPeer::Node> users;
    const char *const people[][4] = {{"ravi", "Ravi Kumar", "Online", "APPROVED"},
                                     {"meena", "Meena Iyer", "Online", "APPROVED"},
                                     {"asha", "Asha Rao", "Online", "APPROVED"},
                                     {"zoe", "Zoe Mathew", "Offline", "APPROVED"}};
    for (const auto &person : people)
        users.append(ZELTestPeer::Node(
            QStringLiteral("USER"),
            QList<ZELTestPeer::Node>{{"USERNAME", person[0]}, {"STATE", person[2]}, {"DEPARTMENT", "Sales"},
                                     {"DISPLAYNAME", person[1]}, {"PROFILE", QString::fromLatin1(Profile)},
                                     {"STATUSMESSAGE", "At my desk"}, {"STATUS", "Online"},
                                     {"APPROVAL", person[3]}}));
    deliver(client, ZELTestPeer::messageTree("NEWUSER", {ZELTestPeer::Node(QStringLiteral("OTHERS"), users)}));

    if (extraWindows >= 0) {
        client.createChatWindow(QStringLiteral("ravi"));
        ZELChatWindow *chat = client.m_chatWindows.value(QStringLiteral("ravi"));
        showWindow(chat);
        if (chat && (setup & DeliveryPending))
            chat->m_deliveryPending = true;
        for (int i = 0; i < extraWindows; ++i)
            client.createChatWindow(QStringLiteral("peer%1").arg(i));
    }
    if (extraWindows == 0) {
        // A conference with Ravi and Meena, and a reply to Zoe's offline message.
        deliver(client, ZELTestPeer::message("CHANGECONFERENCECHAT", {{"CHATUSERNAME", "bench"},
                                                                      {"CHATSESSION", "ravi"},
                                                                      {"NEWPASS", Conference},
                                                                      {"DISPLAYNAME", "Ravi Kumar"}}));
        deliver(client, ZELTestPeer::message("CONFERECECHATSTATUS", {{"LOGINNAME", "bench"},
                                                                     {"CHATUSERNAME", "meena"},
                                                                     {"CHATSESSIONNAME", Conference},
                                                                     {"STATUS", "Accepted"},
                                                                     {"DUSERNAME", "Meena Iyer"}}));
        showWindow(client.m_chatWindows.value(QString::fromLatin1(Conference)));
        client.openChatWindowForOfflineMessage(QStringLiteral("zoe"), QStringLiteral("<b>Call me</b>"),
                                               QStringLiteral("2026-12-10 09:00"), QStringLiteral("Zoe Mathew"),
                                               QStringLiteral("zoe###2026-12-10 09:00###<b>Call me</b>###Call me"));
        showWindow(client.m_chatWindows.value(QStringLiteral("zoeOfflineMessage")));
    }
    if (setup & HistoryOpen)
        showWindow(client.m_chatHistoryWindow.get());
    if (setup & AddContactOpen)
        showWindow(client.m_addContactDialog.get());
    if (setup & RemindersBuilt)
        client.m_reminderDialog.get();
    if (setup & OfflineInbox) {
        ZELTestPeer::Fields records;
        for (int i = 0; i < 600; ++i)
            records.append({QStringLiteral("VALUE"),
                            QStringLiteral("ravi##Message %1##2026-12-09 %1##YES##<b>Message %1</b>##RAVI##NO").arg(i)});
        deliver(client, ZELTestPeer::message("OFFLINEMESSAGES", records));
    }
}

// Shows and paints every window the message opened or changed; returns the longest.
double paintWindows()
{
    double longest = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() && !qobject_cast<ZELChatWindow *>(top))
            continue;
        QElapsedTimer timer;
        timer.start();
        if (top->isMinimized() || !top->isVisible())
            top->showNormal();
        top->grab();
        longest = std::max(longest, timer.nsecsElapsed() / 1e6);
    }
    return longest;
}

int runRow(ZELBenchHoldApplication &app, const Row &row, const QString &folder)
{
#if !ZEL_ADDRESS_SANITIZER
    // A picture read without end must not take the machine with it. (Under
    // the address sanitizer, whose shadow memory needs the address space.)
    const rlimit memory{rlim_t(6) << 30, rlim_t(6) << 30};
    setrlimit(RLIMIT_AS, &memory);
#endif

    const unsigned setup = row.shape >= 0 ? shapes().at(row.shape).setup : types[row.type].setup;
    const int extraWindows = row.shape >= 0 ? shapes().at(row.shape).chatWindows : 0;
    const QByteArray frame = rowFrame(row, folder);

    ZELClient client;
    ZELBenchPeerThread server;
    if (!server.connect(client.m_tcpSocket))
        return 1;
    // Handed over, and read as the type it was sent as.
    int handedOver = 0;
    const QString type = row.shape >= 0 ? QString() : QString::fromLatin1(types[row.type].type);
    bool parsed = row.shape >= 0;
    QObject::connect(client.m_tcpSocket, &ZELTcpSocket::sendDataToClient, &client,
                     [&](QByteArray &, QByteArray &, const QList<QStringList> &messages) {
                         ++handedOver;
                         for (const QStringList &message : messages)
                             parsed = parsed || message.value(0) == type;
                     });
    prepare(client, setup, extraWindows);
    drainEvents();
    paintWindows();
    drainEvents();

    app.resetLongest();
    QElapsedTimer timer;
    timer.start();
    server.run([&] { server.peer.sendRaw(frame); });
    while (handedOver < 1 && timer.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double readyMs = timer.nsecsElapsed() / 1e6;
    drainEvents();
    const double hold = app.longest;
    const double paint = paintWindows();
    std::printf("RESULT %.1f %.1f %.1f %d %s\n", hold, paint, readyMs, handedOver > 0 && parsed ? 1 : 0,
                app.longestEvent.isEmpty() ? "-" : app.longestEvent.constData());
    std::fflush(stdout);
    // Tearing down a client of 50,000 contacts is no part of the row.
    std::_Exit(0);
}

// ---- the table ----

struct Outcome
{
    bool ended = false;
    double hold = 0;
    double paint = 0;
    double ready = 0;
    bool handedOver = false;
    QByteArray longestEvent;
};

QStringList rowArguments(const Row &row)
{
    return {QStringLiteral("--row"), QString::number(row.type), QString::number(row.field),
            QString::number(int(row.fill)), QString::number(row.kb), QString::number(row.shape)};
}

Outcome parseOutcome(const QByteArray &output)
{
    Outcome out;
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith("RESULT "))
            continue;
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 5)
            continue;
        out.ended = true;
        out.hold = parts.at(1).toDouble();
        out.paint = parts.at(2).toDouble();
        out.ready = parts.at(3).toDouble();
        out.handedOver = parts.at(4).toInt() > 0;
        out.longestEvent = parts.value(5);
    }
    return out;
}

void printRow(const Row &row, const Outcome &out, int timeoutS, bool onlyOver)
{
    const QByteArray name = rowName(row).toUtf8();
    const QByteArray fill = row.shape >= 0 ? QByteArray("-") : QByteArray(fillNames[int(row.fill)]);
    const QByteArray size = row.shape >= 0 ? QByteArray("-") : QByteArray::number(row.kb) + " KB";
    if (!out.ended) {
        std::printf("%-58s %-7s %8s  %9s  %8s  %9s  OVER (did not end in %d s)\n", name.constData(), fill.constData(),
                    size.constData(), "-", "-", "-", row.shape >= 0 ? 3 * timeoutS : timeoutS);
    } else {
        const bool over = out.hold > GoalMs || out.paint > GoalMs;
        if (onlyOver && !over)
            return;
        std::printf("%-58s %-7s %8s  %9.1f  %8.1f  %9.1f  %-4s  %s%s\n", name.constData(), fill.constData(),
                    size.constData(), out.hold, out.paint, out.ready, over ? "OVER" : "ok",
                    out.longestEvent.constData(), out.handedOver ? "" : " (not read as its type)");
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    ZELBenchHoldApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    // The client's font and style, as the program sets them: what a view paints goes through them.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
    QApplication::setStyle(new ZELStyle);

    const QStringList args = app.arguments().mid(1);
    const int rowAt = int(args.indexOf(QStringLiteral("--row")));
    if (rowAt >= 0 && args.size() >= rowAt + 6) {
        Row row;
        row.type = args.at(rowAt + 1).toInt();
        row.field = args.at(rowAt + 2).toInt();
        row.fill = Fill(args.at(rowAt + 3).toInt());
        row.kb = args.at(rowAt + 4).toInt();
        row.shape = args.at(rowAt + 5).toInt();
        return runRow(app, row, home.path());
    }

    const auto option = [&args](const char *name) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    const bool shortRun = args.contains(QStringLiteral("--short"));
    const bool onlyOver = args.contains(QStringLiteral("--over"));
    const QString only = option("--only");
    const int jobs = qMax(1, option("--jobs").toInt());
    int timeoutS = option("--timeout").toInt();
    if (timeoutS <= 0)
        timeoutS = shortRun ? 60 : 30;
    QList<int> sizesKb;
    for (const QString &kb : option("--kb").split(QLatin1Char(','), Qt::SkipEmptyParts))
        sizesKb << kb.toInt();
    if (sizesKb.isEmpty())
        sizesKb = shortRun ? QList<int>{16} : QList<int>{1024, 4096};

    QList<Row> rows = allRows(sizesKb, !shortRun);
    if (!only.isEmpty())
        rows.removeIf([&only](const Row &row) { return !rowName(row).contains(only, Qt::CaseInsensitive); });
    if (shortRun) {
        // One row of each shape of message: a text in a window, a list, a dialog, a shape.
        const QStringList picks = {QStringLiteral("CHAT (open window) 3:MESSAGE"), QStringLiteral("NEWUSER (others) records"),
                                   QStringLiteral("CHATHISTORYDATE records"), QStringLiteral("LOGIN 2:DISPLAYNAME")};
        rows.removeIf([&picks](const Row &row) {
            return (row.fill != Fill::Words && row.fill != Fill::Records) || !picks.contains(rowName(row));
        });
    }
    const QString again = option("--again");
    if (!again.isEmpty()) {
        // Only the rows a table printed before shows over the goal.
        QFile table(again);
        if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::printf("cannot read %s\n", again.toLocal8Bit().constData());
            return 1;
        }
        QSet<QString> over;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine());
            if (line.contains(QLatin1String(" OVER")))
                over.insert(line.left(line.indexOf(QLatin1String(" OVER"))).simplified());
        }
        rows.removeIf([&over](const Row &row) {
            const QByteArray fill = row.shape >= 0 ? QByteArray("-") : QByteArray(fillNames[int(row.fill)]);
            const QString size = row.shape >= 0 ? QStringLiteral("-") : QString::number(row.kb) + QStringLiteral(" KB");
            const QString key = (rowName(row) + QLatin1Char(' ') + QString::fromLatin1(fill) + QLatin1Char(' ') + size).simplified();
            for (const QString &line : over) {
                if (line.startsWith(key))
                    return false;
            }
            return true;
        });
    }
    if (args.contains(QStringLiteral("--list"))) {
        for (const Row &row : std::as_const(rows))
            std::printf("%s  %s  %d KB\n", rowName(row).toUtf8().constData(), fillNames[int(row.fill)], row.kb);
        std::printf("%lld rows\n", static_cast<long long>(rows.size()));
        return 0;
    }

    std::printf("%-58s %-7s %8s  %9s  %8s  %9s  %-4s  %s\n", "message and field", "value", "size", "hold ms",
                "paint ms", "ready ms", "goal", "longest event (receiver:type)");
    int failed = 0;
    int over = 0;
    double worst = 0;
    // Rows run `jobs` at a time, each in a child process; results print in row order.
    struct Running
    {
        QProcess *process;
        QElapsedTimer started;
    };
    QList<Running> running;
    QList<Outcome> outcomes(rows.size());
    QList<bool> done(rows.size(), false);
    int next = 0;
    int printed = 0;
    QHash<QProcess *, int> rowOf;
    while (printed < rows.size()) {
        while (running.size() < jobs && next < rows.size()) {
            auto *child = new QProcess;
            child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child->start(QCoreApplication::applicationFilePath(), rowArguments(rows.at(next)));
            rowOf.insert(child, next);
            running.append(Running{child, QElapsedTimer()});
            running.last().started.start();
            ++next;
        }
        for (qsizetype i = running.size() - 1; i >= 0; --i) {
            QProcess *child = running.at(i).process;
            const bool ended = child->waitForFinished(20);
            // The shapes (a list of 50,000 contacts is 15 MB) get three times as long.
            const int allowedS = rows.at(rowOf.value(child)).shape >= 0 ? 3 * timeoutS : timeoutS;
            const bool late = running.at(i).started.elapsed() > qint64(allowedS) * 1000;
            if (!ended && !late)
                continue;
            if (!ended) {
                child->kill();
                child->waitForFinished(5000);
            }
            const int r = rowOf.take(child);
            outcomes[r] = parseOutcome(child->readAllStandardOutput());
            // A row that crashed did not run; in the short run neither did one that hung.
            if ((ended || shortRun) && !outcomes.at(r).ended)
                ++failed;
            done[r] = true;
            delete child;
            running.removeAt(i);
        }
        while (printed < rows.size() && done.at(printed)) {
            const Outcome &out = outcomes.at(printed);
            printRow(rows.at(printed), out, timeoutS, onlyOver);
            if (!out.ended || out.hold > GoalMs || out.paint > GoalMs)
                ++over;
            worst = std::max({worst, out.hold, out.paint});
            ++printed;
        }
    }
    std::printf("%lld rows, %d over %.0f ms or not ended, %d did not run; longest hold %.1f ms\n",
                static_cast<long long>(rows.size()), over, GoalMs, failed, worst);
    // The short run checks that every row runs, not how fast.
    return shortRun && failed > 0 ? 1 : 0;
}
