// The received text block: cut into messages, each parsed.
//
// Input: one mode byte, then
//  - mode 0: a raw text block. Its pieces joined with ":::" give the block back,
//    and every piece parses without harm;
//  - mode 1: fields (split at NUL) of CHAT messages written the way a server
//    writes them, several to a block: the block splits into exactly those
//    messages and each parses to its fields, whatever colons the fields hold;
//  - mode 2: fields of a CHAT request framed the way the client sends it: no
//    ":::" reaches the wire and the server's reader gets every field back.
#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "protocol/zeltcpsocket.h"
#include "protocol/zelxmlcodec.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_messages: %s\n", what);
    std::abort();
}

// Field text an XML document can carry as it is: control bytes become the
// characters that matter most here.
QStringList fieldsOf(const QByteArray &bytes, int count)
{
    static const char special[] = ":<>&\"';]!?-";
    QStringList fields;
    for (const QByteArray &raw : bytes.split('\0')) {
        QString field;
        for (const char c : raw) {
            const uchar u = uchar(c);
            field += u < 0x20 ? QChar(special[u % (sizeof special - 1)]) : QChar(u);
        }
        fields << field;
    }
    while (fields.size() < count)
        fields << QString();
    return fields.mid(0, count);
}

// What the reader keeps of a text: a text of blanks alone is no text node.
QString readBack(const QString &field)
{
    return field.trimmed().isEmpty() ? QString() : field;
}

QString serverMessage(const QStringList &fields, bool doctype)
{
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("CHAT"));
    doc.appendChild(root);
    for (int i = 0; i < fields.size(); ++i) {
        QDomElement child = doc.createElement(QStringLiteral("F%1").arg(i));
        child.appendChild(doc.createTextNode(fields.at(i)));
        root.appendChild(child);
    }
    return (doctype ? QStringLiteral("<!DOCTYPE SERVER>\n") : QString()) + doc.toString(1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int mode = data[0] % 3;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const ZELXmlCodec codec;

    if (mode == 0) {
        const QStringList pieces = ZELXmlCodec::splitBatch(rest);
        if (pieces.join(QStringLiteral(":::")).toLatin1() != rest)
            fail("the pieces do not make up the block");
        for (const QString &piece : pieces)
            codec.parse(piece);
        return 0;
    }

    if (mode == 1) {
        const QList<QByteArray> parts = rest.split('\x01');
        QByteArray block;
        QList<QStringList> sent;
        for (const QByteArray &part : parts) {
            const QStringList fields = fieldsOf(part, 9);
            sent << fields;
            block += serverMessage(fields, sent.size() % 2).toLatin1() + ":::";
        }
        const QStringList pieces = ZELXmlCodec::splitBatch(block);
        if (pieces.size() != sent.size() + 1 || !pieces.last().isEmpty())
            fail("the block split into other messages than were sent");
        for (int m = 0; m < sent.size(); ++m) {
            const QStringList message = codec.parse(pieces.at(m));
            if (message.size() != 10)
                fail("a message lost its fields");
            for (int i = 0; i < 9; ++i) {
                if (message.at(i + 1) != readBack(sent.at(m).at(i)))
                    fail("a field changed on its way");
            }
        }
        return 0;
    }

    QStringList request{QStringLiteral("CHAT")};
    request << fieldsOf(rest, 9);
    const QByteArray frame = ZELTcpSocket::textFrame(codec.compose(request));
    const QByteArray payload = ZELTcpSocket::decodeFrame(frame.chopped(10));
    if (payload.contains(":::"))
        fail("a separator reached the wire");
    QDomDocument doc;
    if (!doc.setContent(QString::fromLatin1(payload)))
        fail("the request is no XML document");
    QDomElement child = doc.documentElement().firstChildElement();
    for (int i = 1; i <= 9; ++i, child = child.nextSiblingElement()) {
        if (child.text() != readBack(request.at(i)))
            fail("a request field changed on its way");
    }
    return 0;
}
