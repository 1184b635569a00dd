#include "protocol/zelxmlcodec.h"

#include "protocol/zelxmlbounds.h"

#include <QDomDocument>
#include <QDomElement>

#include <utility>

namespace {

// One child element of a request: its name and the list position it holds.
// An empty name means the element is named by the value just before its own.
struct RequestChild
{
    const char *name;
    int position;
};

// One request type: fixed children in wire order, then, from repeatFrom to the end
// of the list, one element per value (a group of several names is written in turn).
struct RequestRow
{
    const char *type;
    RequestChild children[9];
    const char *repeated[6];
    int repeatFrom;
};

// The server's request vocabulary, in the server's own order. Several rows start
// their repeated elements at their last fixed position, so that value goes out
// twice: the server expects it under both names.
const RequestRow requestRows[] = {
    {"LOGIN", {{"UserName", 1}, {"Password", 2}, {"Invisible", 3}, {"DefaultLoginStatus", 4},
               {"DefaultStatusMessage", 5}, {"RECENTCHATDAYS", 6}}, {}, 0},
    {"ADDCONTACTREQUEST", {{"ADDNAME", 1}}, {"ADDUSERNAME"}, 2},
    {"MULTIPLEDELETECONTACT", {{"DELETENAME", 1}}, {"DELETEUSERNAME"}, 2},
    {"ADDCONTACT", {{"", 2}}, {}, 0},
    {"UPDATEUSERPROFILE", {{"USERNAME", 1}, {"OldPass", 2}}, {}, 0},
    {"CHAT", {{"CHATUSERNAME", 1}, {"LOGINNAME", 2}, {"MESSAGE", 3}, {"SENDSMILEY", 4},
              {"SENDPICTURE", 5}, {"BANNERSTATE", 6}, {"PLAINTEXT", 7}, {"DISPLAYNAME", 8},
              {"PASSWORD", 9}}, {}, 0},
    {"MESSAGEDELIVERED", {{"USERNAME", 1}, {"OldPass", 2}, {"NewPass", 3}}, {}, 0},
    {"CHANGECONFERENCECHAT", {{"CHATUSERNAME", 1}, {"CHATSESSION", 2}, {"NewPass", 3},
                              {"DISPLAYNAME", 4}}, {}, 0},
    {"CHANGEPASSWORD", {{"USERNAME", 1}, {"OldPass", 2}, {"NewPass", 3}}, {}, 0},
    {"USERDETAILS", {{"USERNAME", 1}}, {}, 0},
    {"DECIDELATER", {{"DECIDELATER", 1}}, {}, 0},
    {"FTPREADY", {{"CHATUSERNAME", 1}, {"LOGINNAME", 2}, {"FILENAME", 3}, {"FILESIZE", 4},
                  {"ADDBANNER", 5}, {"DISPLAYNAME", 6}, {"PWDPROTECT", 7}}, {}, 0},
    {"FTPACCEPT", {{"LOGINNAME", 1}, {"FILENAME", 2}, {"FTPRESULT", 3}}, {}, 0},
    {"FTPSTATUS", {{"LOGINNAME", 1}, {"CHATUSERNAME", 2}, {"FTPSTATUS", 3}, {"FILENAME", 4}}, {}, 0},
    {"MESSAGETYPESTATUS", {{"LOGINNAME", 1}, {"CHATUSERNAME", 2}, {"TYPESTATUS", 3}}, {}, 0},
    {"MESSAGERASESTATUS", {{"LOGINNAME", 1}, {"CHATUSERNAME", 2}, {"ERASESTATUS", 3}}, {}, 0},
    {"CONFERENCECHAT", {{"CHATUSERNAME", 1}, {"LOGINNAME", 2}, {"INVITECHAT", 3},
                        {"DISPLAYNAME", 4}}, {}, 0},
    {"CONFERECECHATSTATUS", {{"LOGINNAME", 1}, {"CHATUSERNAME", 2}, {"CHATSESSIONNAME", 3},
                             {"STATUS", 4}, {"DUSERNAME", 5}}, {}, 0},
    {"CONFERENCECHATMESSAGE", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}, {"MESSAGE", 3}, {"SMILEY", 4},
                               {"SENDPICTURE", 5}, {"ADDBANNER", 6}, {"PLAINTEXT", 7}},
     {"CHATUSERNAME"}, 7},
    {"UPDATECONFERENCECHATUSERS", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}, {"NEWUSER", 3},
                                   {"USERS", 4}}, {"CHATUSERNAME"}, 5},
    {"REMOVECONFERENCECHATUSER", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}, {"USERNAME", 3}},
     {"CONFERENCEUSERS"}, 3},
    {"STOPCONFERENCECHAT", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}}, {"CHATUSERNAME"}, 2},
    // The offline and the online group message share one layout.
    {"OFFLINEGROUPMESSAGE", {{"HTMLMESSAGE", 1}, {"PLAINMESSAGE", 2}}, {"USERSNAME"}, 2},
    {"ONLINEGROUPMESSAGE", {{"HTMLMESSAGE", 1}, {"PLAINMESSAGE", 2}}, {"USERSNAME"}, 2},
    {"CONFERENCECHATFTPREADY", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}, {"FILENAME", 3},
                                {"FILESIZE", 4}}, {"CHATUSERNAME"}, 5},
    {"OFFLINEMESSAGEFTPREADY", {{"LOGINNAME", 1}, {"OFFLINEUSER", 2}, {"FILENAME", 3},
                                {"FILESIZE", 4}}, {}, 0},
    {"CONFERENCECHATFTPACCEPT", {{"LOGINNAME", 1}, {"FILENAME", 2}, {"FTPRESULT", 3},
                                 {"CHATSUBJECT", 4}}, {}, 0},
    {"CONFERENCECHATFTPSTATUS", {{"LOGINNAME", 1}, {"CHATUSERNAME", 2}, {"FTPSTATUS", 3},
                                 {"FILENAME", 4}, {"CHATSUBJECT", 5}}, {}, 0},
    {"INVISBLEMODE", {{"INVISBLEMODE", 1}, {"DEFAULTLOGIN", 2}}, {}, 0},
    {"CHANGESTATUS", {{"CHANGESTATUS", 1}, {"STATUS", 2}}, {}, 0},
    {"OFFLINEMESSAGE", {{"RECEIVER", 1}, {"SENDER", 2}, {"MESSAGE", 3}, {"HTMLMESSAGE", 4},
                        {"RMESSAGE", 5}}, {}, 0},
    {"OFFLINEMESSAGEREAD", {{"RECEIVER", 1}, {"SENDER", 2}, {"MESSAGE", 3}}, {}, 0},
    {"DELETEOFFLINEMESSAGES", {}, {"Messages"}, 1},
    {"ADDREMINDER", {}, {"KEY", "SUBJECT", "DATETIME", "STATUS", "ASSIGNEE", "GMTTIME"}, 1},
    {"EDITREMINDER", {{"KEY", 1}, {"SUBJECT", 2}, {"DATETIME", 3}, {"STATUS", 4}, {"ASSIGNEE", 5},
                      {"GMT", 6}}, {}, 0},
    {"DELETEREMINDER", {{"KEY", 1}, {"ASSIGNEE", 2}}, {}, 0},
    {"SNOOZEREMINDER", {{"KEY", 1}, {"ASSIGNEE", 2}, {"DATETIME", 3}}, {}, 0},
    {"CLOSECHATWINDOW", {{"CHATUSERNAME", 1}, {"LOGINNAME", 2}, {"MESSAGE", 3}}, {}, 0},
    {"CLOSECONFERENCECHATWINDOW", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}, {"CLOSEMESSAGE", 3}},
     {"CHATUSERNAME"}, 3},
    {"CONFERENCETYPESTATUS", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}}, {"CHATUSERNAME"}, 2},
    {"CONFERENCEERASESTATUS", {{"LOGINNAME", 1}, {"CHATSUBJECT", 2}}, {"CHATUSERNAME"}, 2},
    // The server reads the own login first here.
    {"CHATOPENED", {{"LOGINUSERNAME", 2}, {"CHATUSER", 1}}, {}, 0},
    {"CHATHISTORYLIST", {{"LOGINUSER", 1}}, {}, 0},
    {"CHATHISTORYDATE", {{"CONTACTUSERNAME", 1}, {"LOGINNAME", 2}}, {}, 0},
    {"CHATHISTORYDATETOSERVER", {{"CHATDATEFOLDER", 1}, {"LOGINNAME", 2}, {"CONTACTNAME", 3}}, {}, 0},
    {"CONFERENCEHISTORY", {{"CONFERENCEDATE", 1}, {"CONFERENCENAME", 2}}, {}, 0},
    {"CONFERENCECHATHISTORYNAME", {{"DATE", 1}}, {}, 0},
    {"SIGNOUT", {{"USERNAME", 1}, {"STATUSMESSAGE", 2}}, {}, 0},
    {"UPDATESTATUSMESSAGE", {{"LOGINSTATUS", 1}, {"STATUSMESSAGE", 2}}, {}, 0},
    {"VOICEMAILREADY", {{"OFFLINEUSERNAME", 1}, {"LOGINNAME", 2}, {"FILENAME", 3}}, {}, 0},
    {"GETVOICEMAIL", {{"GETVOICEMAIL", 1}}, {}, 0},
    {"KEEPALIVE", {{"KEEPALIVE", 1}}, {}, 0},
    {"OFFLINEFTPACCEPT", {{"OFFLINEFTPACCEPT", 1}}, {}, 0},
    {"OFFLINEFTPREJECT", {{"OFFLINEFTPREJECT", 1}}, {}, 0},
    {"CHECKVERSION", {{"CHECKVERSION", 1}}, {}, 0},
    {"ADDCONTACTAPPROVALSTATUS", {{"CONTACTNAME", 1}, {"LOGINNAME", 2}, {"APPROVALSTATUS", 3}}, {}, 0},
    {"ACCEPTREQUESTEDUSERCONTACTS", {{"CONTACTNAME", 1}, {"LOGINNAME", 2}}, {}, 0},
    {"REJECTREQUESTEDUSERCONTACTS", {{"CONTACTNAME", 1}, {"LOGINNAME", 2}}, {}, 0},
    {"ADDCONTACTACCEPTEDLIST", {{"ADDNAME", 1}}, {"ADDUSERNAME"}, 2},
    {"ADDCONTACTREJECTEDLIST", {{"ADDNAME", 1}}, {"ADDUSERNAME"}, 2},
    {"PWDMESSAGEDELIVEREDSTATUS", {{"LOGINNAME", 1}, {"OFFLINEUSER", 2}, {"FILENAME", 3},
                                   {"FILESIZE", 4}, {"INVALID", 5}}, {}, 0},
};

enum class Form {
    FixedText,      // the first N children, each its whole character data
    FixedFirstText, // the first N children, each its leading text node only
    All,            // every child, its whole character data
    Wrapped,        // values inside one wrapper element named by `wrapper`
    NewUser,
    AddContact,
    DeleteContact,
    DeleteContactListEmpty,
};

struct MessageRow
{
    const char *tag;
    Form form;
    int count;
    const char *wrapper;
};

// The server's message vocabulary.
const MessageRow messageRows[] = {
    {"NEWUSER", Form::NewUser, 0, nullptr},
    {"LOGIN", Form::FixedText, 5, nullptr},
    {"LOGOUT", Form::FixedText, 5, nullptr},
    {"CHANGESTATUS", Form::All, 0, nullptr},
    {"ADDCONTACT", Form::AddContact, 0, nullptr},
    {"DELETECONTACT", Form::DeleteContact, 0, nullptr},
    {"DELETECONTACTLISTEMPTY", Form::DeleteContactListEmpty, 0, nullptr},
    {"DELETENAME", Form::FixedText, 4, nullptr},
    {"ONLINEGROUPMESSAGE", Form::FixedText, 4, nullptr},
    {"CHANGECONFERENCECHAT", Form::FixedText, 4, nullptr},
    {"CHANGEPASSWORD", Form::FixedText, 2, nullptr},
    {"FORGETPWD", Form::FixedText, 2, nullptr},
    {"CHAT", Form::FixedText, 9, nullptr},
    {"FTPREADY", Form::FixedFirstText, 7, nullptr},
    {"FTPSTATUS", Form::FixedFirstText, 4, nullptr},
    {"DATABASEPROBLEM", Form::FixedText, 1, nullptr},
    {"ANOTHERUSERLOGGED", Form::FixedText, 1, nullptr},
    {"MESSAGETYPESTATUS", Form::FixedFirstText, 3, nullptr},
    {"MESSAGERASESTATUS", Form::FixedFirstText, 3, nullptr},
    {"CONFERENCECHAT", Form::FixedText, 4, nullptr},
    {"CONFERECECHATSTATUS", Form::FixedFirstText, 5, nullptr},
    {"UPDATECONFERENCECHATUSERS", Form::FixedFirstText, 5, nullptr},
    {"CONFERENCECHATMESSAGE", Form::FixedFirstText, 7, nullptr},
    {"REMOVECONFERENCECHATUSER", Form::FixedFirstText, 3, nullptr},
    {"STOPCONFERENCECHAT", Form::FixedFirstText, 4, nullptr},
    {"CONFERENCECHATFTPREADY", Form::FixedFirstText, 5, nullptr},
    {"CONFERENCECHATFTPSTATUS", Form::FixedFirstText, 5, nullptr},
    {"OFFLINEMESSAGES", Form::All, 0, nullptr},
    {"OFFLINEMESSAGESTATUS", Form::All, 0, nullptr},
    {"DELETEOFFLINEMESSAGESTATUS", Form::FixedText, 1, nullptr},
    {"SELFREMINDERS", Form::All, 0, nullptr},
    {"CROSSREMINDERS", Form::All, 0, nullptr},
    {"OFFLINEFILEDETAILS", Form::All, 0, nullptr},
    {"ADDCROSSREMINDER", Form::All, 0, nullptr},
    {"DELETECROSSREMINDER", Form::FixedText, 1, nullptr},
    {"SNOOZECROSSREMINDER", Form::All, 0, nullptr},
    {"CLOSECHATWINDOW", Form::FixedFirstText, 3, nullptr},
    {"CLOSECONFERENCECHATWINDOW", Form::FixedFirstText, 5, nullptr},
    {"CONFERENCETYPESTATUS", Form::FixedFirstText, 2, nullptr},
    {"CONFERENCEERASESTATUS", Form::FixedFirstText, 2, nullptr},
    {"CHATHISTORYTOCLIENT", Form::FixedText, 3, nullptr},
    {"CHATHISTORYLIST", Form::Wrapped, 0, "SAMPLE"},
    {"RECENTCHATUSERLIST", Form::Wrapped, 0, "USERSLIST"},
    {"VOICEMAILFILEDETAILS", Form::Wrapped, 0, "FILELIST"},
    {"CHATHISTORYDATE", Form::Wrapped, 0, "NAMES"},
    {"CHATHISTORYFROMSERVER", Form::FixedText, 1, nullptr},
    {"CHATHISTORYFOROPENNEWWIDGET", Form::FixedText, 2, nullptr},
    {"CONFERENCEHISTORYFROMSERVER", Form::FixedText, 1, nullptr},
    {"CONFERENCEDATES", Form::Wrapped, 0, "DATE"},
    {"CONFERENCENAMESTOBESENT", Form::Wrapped, 0, "CONFERENCEFILE"},
    {"FILETRANSFERSTATUS", Form::FixedText, 4, nullptr},
    {"OFFLINEFILETRANSFERSTATUS", Form::FixedText, 3, nullptr},
    {"CONFERENCEFILETRANSFERSTATUS", Form::FixedText, 3, nullptr},
    {"ADDCONTACTAPPROVALSTATUS", Form::All, 0, nullptr},
    {"APPROVALREQUESTEDUSER", Form::All, 0, nullptr},
    {"PRIVILEGEINFO", Form::All, 0, nullptr},
    {"APPROVALALERT", Form::FixedText, 2, nullptr},
    {"VOICECHATINVITATION", Form::FixedText, 3, nullptr},
    {"VOICECHATINVITATIONSTATUS", Form::FixedText, 5, nullptr},
    {"STOPVOICECHAT", Form::FixedText, 2, nullptr},
    {"STARTVOICECHAT", Form::FixedText, 2, nullptr},
    {"DELETEREMINDERLIST", Form::FixedText, 1, nullptr},
    {"MESSAGEDELIVERED", Form::FixedText, 3, nullptr},
    {"PWDMESSAGEDELIVEREDSTATUS", Form::FixedText, 5, nullptr},
};

QString textOf(const QDomNode &node)
{
    return node.toElement().text();
}

QString firstTextOf(const QDomNode &node)
{
    return node.firstChild().toText().nodeValue();
}

QString tagOf(const QDomNode &node)
{
    return node.toElement().tagName();
}

void appendChildTexts(const QDomNode &parent, QStringList &out)
{
    for (QDomNode n = parent.firstChild(); !n.isNull(); n = n.nextSibling())
        out << textOf(n);
}

const RequestRow *requestRow(const QString &type)
{
    for (const RequestRow &row : requestRows) {
        if (type == QLatin1String(row.type))
            return &row;
    }
    return nullptr;
}

// Where the markup starting with '<' at `at` ends (one past its '>'), or -1 when it
// does not end in the block or holds a '<' a well-formed document cannot hold there.
// Only the ends matter here: names and attributes are left to the XML reader.
qsizetype markupEnd(QByteArrayView block, qsizetype at, bool *opens, bool *closes)
{
    *opens = false;
    *closes = false;
    const QByteArrayView rest = block.sliced(at);
    auto endOf = [&](QByteArrayView close) -> qsizetype {
        const qsizetype end = block.indexOf(close, at + 2);
        return end < 0 ? -1 : end + close.size();
    };
    if (rest.startsWith("<!--"))
        return endOf("-->");
    if (rest.startsWith("<![CDATA["))
        return endOf("]]>");
    if (rest.startsWith("<?"))
        return endOf("?>");
    const bool declaration = rest.startsWith("<!");
    const bool endTag = rest.startsWith("</");
    char quote = 0;
    int brackets = 0; // a document type's internal subset holds markup of its own
    for (qsizetype i = at + 1; i < block.size(); ++i) {
        const char c = block.at(i);
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '<' && !brackets)
                return -1;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (declaration && c == '[') {
            ++brackets;
        } else if (declaration && c == ']' && brackets > 0) {
            --brackets;
        } else if (c == '<' && !brackets) {
            return -1;
        } else if (c == '>' && !brackets) {
            if (!declaration) {
                *closes = endTag;
                *opens = !endTag && block.at(i - 1) != '/';
            }
            return i + 1;
        }
    }
    return -1;
}

const MessageRow *messageRow(const QString &tag)
{
    for (const MessageRow &row : messageRows) {
        if (tag == QLatin1String(row.tag))
            return &row;
    }
    return nullptr;
}

// A text node's value as QDomDocument writes it: "<" and "&" escaped, ">"
// after "]]", CR as a reference, quotes as they are.
void appendEscapedText(QString &out, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'>' && i >= 2 && text.at(i - 1) == u']' && text.at(i - 2) == u']')
            out += QLatin1String("&gt;");
        else if (c == u'\r')
            out += QLatin1String("&#xd;");
        else
            out += c;
    }
}

} // namespace

ZELXmlCodec::ZELXmlCodec() = default;

ZELXmlCodec::~ZELXmlCodec() = default;

QString ZELXmlCodec::compose(QStringList request) const
{
    const QString type = request.value(0);
    const RequestRow *row = requestRow(type);
    // QDomDocument writes nothing for a document without an element, but the
    // server still expects the document-type line for an unknown request.
    if (!row)
        return QStringLiteral("<!DOCTYPE CLIENT>\n");

    // Written in one pass, as QDomDocument::toString(1) writes the document:
    // its own escaping moves the rest of the text for every character it
    // escapes, so a value of a million "&" (a profile the server sent, handed
    // back) took hours to write and held up every request after it.
    QString out = QStringLiteral("<!DOCTYPE CLIENT>\n<") + type;
    bool hasChildren = false;
    // Missing positions are written empty rather than read past the list's end.
    auto addChild = [&out, &hasChildren](const QString &name, const QString &value) {
        if (!hasChildren)
            out += QLatin1String(">\n");
        hasChildren = true;
        out += QLatin1String(" <") + name + u'>';
        appendEscapedText(out, value);
        out += QLatin1String("</") + name + QLatin1String(">\n");
    };

    for (const RequestChild &child : row->children) {
        if (!child.name)
            break;
        const QString name = *child.name ? QString::fromLatin1(child.name)
                                         : request.value(child.position - 1);
        addChild(name, request.value(child.position));
    }

    int groupSize = 0;
    while (groupSize < 6 && row->repeated[groupSize])
        ++groupSize;
    if (groupSize > 0) {
        for (int i = row->repeatFrom; i < request.size(); i += groupSize) {
            for (int k = 0; k < groupSize; ++k)
                addChild(QString::fromLatin1(row->repeated[k]), request.value(i + k));
        }
    }
    if (!hasChildren)
        return out + QLatin1String("/>\n");
    return out + QLatin1String("</") + type + QLatin1String(">\n");
}

QStringList ZELXmlCodec::parse(QString message) const
{
    // Deeper or wider than any message: refused before the reader spends
    // more than a pass over the text on it, like text that does not parse.
    if (!ZELXmlBounds::allows(message))
        return QStringList();
    QDomDocument doc;
    QString error;
    int line = 0;
    int column = 0;
    if (!doc.setContent(message, &error, &line, &column)) {
        // Text after a whole root element (the server writes the contact list
        // of DELETECONTACT there) leaves the document as it is. Any other fault
        // may leave a root element behind whose values would be made up: such
        // a message says nothing at all.
        qsizetype at = 0;
        for (int i = 1; i < line && at >= 0; ++i) {
            at = message.indexOf(QLatin1Char('\n'), at);
            if (at >= 0)
                ++at;
        }
        if (at < 0 || line < 1 || column < 1)
            return QStringList();
        at += column - 1;
        doc = QDomDocument();
        if (at <= 0 || at > message.size() || !doc.setContent(message.left(at)))
            return QStringList();
    }
    const QDomElement root = doc.documentElement();
    const QString tag = root.tagName();
    const MessageRow *row = messageRow(tag);
    if (!row)
        return QStringList();

    QStringList out{tag};
    const QDomNode first = root.firstChild();
    switch (row->form) {
    case Form::FixedText:
    case Form::FixedFirstText: {
        QDomNode n = first;
        for (int i = 0; i < row->count; ++i) {
            if (n.isNull()) {
                out << QString();
                continue;
            }
            out << (row->form == Form::FixedText ? textOf(n) : firstTextOf(n));
            n = n.nextSibling();
        }
        break;
    }
    case Form::All:
        appendChildTexts(root, out);
        break;
    case Form::Wrapped: {
        const QString wrapper = tagOf(first);
        out << wrapper;
        if (wrapper != QLatin1String(row->wrapper))
            break;
        const QDomNode c = first.firstChild();
        out << tagOf(c) << textOf(c);
        if (!c.isNull()) {
            for (QDomNode n = c.nextSibling(); !n.isNull(); n = n.nextSibling())
                out << textOf(n);
        }
        break;
    }
    case Form::NewUser: {
        const QString kind = tagOf(first);
        if (kind == QLatin1String("OWN")) {
            out << kind << textOf(first);
        } else if (kind == QLatin1String("OTHERS")) {
            out << kind;
            for (QDomNode record = first.firstChild(); !record.isNull(); record = record.nextSibling())
                appendChildTexts(record, out);
        }
        break;
    }
    case Form::AddContact: {
        const QString kind = tagOf(first);
        out << kind;
        if (kind == QLatin1String("SEARCHUSERNAME")) {
            const QDomNode d = first.firstChild();
            const QString inner = tagOf(d);
            out << inner << textOf(d);
            if (inner == QLatin1String("NAME"))
                out << textOf(d.nextSibling());
        } else if (kind == QLatin1String("SEARCHKEYWORD") || kind == QLatin1String("ADDNAME")) {
            appendChildTexts(first, out);
        }
        break;
    }
    case Form::DeleteContact:
        if (tagOf(first) == QLatin1String("DELETELIST"))
            out << QStringLiteral("DELETELIST") << textOf(first);
        break;
    case Form::DeleteContactListEmpty:
        if (tagOf(first) == tag)
            out << tag;
        break;
    }
    return out;
}

QStringList ZELXmlCodec::splitBatch(QByteArrayView block)
{
    static constexpr QByteArrayView separator(":::");
    QStringList pieces;
    qsizetype start = 0;
    qsizetype depth = 0;
    qsizetype i = 0;
    bool complete = true;
    // Markup and element content are stepped over, so a ":::" is taken as the
    // separator only between elements at the top level: where one document has
    // ended and the next has not begun.
    while (i < block.size()) {
        const char c = block.at(i);
        if (c == '<') {
            bool opens = false;
            bool closes = false;
            const qsizetype end = markupEnd(block, i, &opens, &closes);
            if (end < 0) {
                complete = false;
                break;
            }
            if (opens)
                ++depth;
            else if (closes && depth > 0)
                --depth;
            i = end;
        } else if (c == ':' && depth == 0 && block.sliced(i).startsWith(separator)) {
            pieces << QString::fromLatin1(block.sliced(start, i - start));
            i += separator.size();
            start = i;
        } else {
            const qsizetype next = block.indexOf('<', i + 1);
            const qsizetype stop = next < 0 ? block.size() : next;
            if (depth == 0) {
                const qsizetype sep = block.sliced(i, stop - i).indexOf(separator);
                if (sep > 0) {
                    i += sep;
                    continue;
                }
            }
            i = stop;
        }
    }
    if (depth > 0)
        complete = false;
    if (complete) {
        pieces << QString::fromLatin1(block.sliced(start));
        return pieces;
    }
    // A piece that is no complete document (a frame cut short, or text that is
    // not XML) cannot say where it ends: from there on, every ":::" splits.
    for (;;) {
        const qsizetype sep = block.indexOf(separator, start);
        if (sep < 0) {
            pieces << QString::fromLatin1(block.sliced(start));
            return pieces;
        }
        pieces << QString::fromLatin1(block.sliced(start, sep - start));
        start = sep + separator.size();
    }
}

QList<QStringList> ZELXmlCodec::parseBlock(QByteArrayView block)
{
    const ZELXmlCodec codec;
    QStringList pieces = splitBatch(block);
    QList<QStringList> messages;
    for (QString &piece : pieces) {
        // An empty piece is a frame that carried nothing: the messages after it still count.
        if (piece.isEmpty())
            continue;
        QStringList message = codec.parse(std::exchange(piece, QString()));
        if (!message.isEmpty())
            messages.append(std::move(message));
    }
    return messages;
}
