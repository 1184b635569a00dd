// Prints throughput figures of the wire layer: the receive path against plain
// qUncompress on the same bytes, and the codec's compose and parse rates; then
// how long the GUI thread is held by framing a file of 1 MB and 4 MB for
// sending (the frame must keep the terminator out whatever the bytes), and by
// a received chat file of those sizes and of 16 and 60 MB holding the server's
// markers inside, stored through the real receive path and dispatcher, offscreen.
// Last, the time the receiver thread spends parsing documents far deeper or
// wider than any message, next to a real contact list of 50,000 (--documents:
// only that).

#include "core/zelclient.h"
#include "zelbenchhold.h"
#include "zelbenchhome.h"

#include "peer/zeltestpeer.h"
#include "protocol/zeltcpsocket.h"
#include "protocol/zelxmlcodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qsizetype readSize = 64 * 1024;

// Best of several runs, in seconds.
template <typename Work>
double bestSeconds(int runs, Work work)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

struct Wire
{
    QByteArray bytes;          // as they arrive
    QList<QByteArrayView> pieces; // each frame without its terminator
};

Wire wireOf(const QList<QByteArray> &frames)
{
    Wire wire;
    for (const QByteArray &frame : frames)
        wire.bytes += frame;
    qsizetype at = 0;
    for (const QByteArray &frame : frames) {
        wire.pieces << QByteArrayView(wire.bytes).sliced(at, frame.size() - 10);
        at += frame.size();
    }
    return wire;
}

void compareReceive(const char *label, const Wire &wire, int runs)
{
    ZELTcpSocket socket;
    qsizetype delivered = 0;
    QObject::connect(&socket, &ZELTcpSocket::sendDataToClient, &socket,
                     [&delivered](QByteArray &text, QByteArray &files) { delivered += text.size() + files.size(); });

    const double path = bestSeconds(runs, [&] {
        for (qsizetype at = 0; at < wire.bytes.size(); at += readSize)
            socket.processReceivedBytes(QByteArrayView(wire.bytes).sliced(at, qMin(readSize, wire.bytes.size() - at)));
    });
    qsizetype inflated = 0;
    const double raw = bestSeconds(runs, [&] {
        inflated = 0;
        for (QByteArrayView piece : wire.pieces)
            inflated += qUncompress(reinterpret_cast<const uchar *>(piece.data()), piece.size()).size();
    });
    const double mb = wire.bytes.size() / 1e6;
    std::printf("%-34s %8.1f MB on the wire, %8.1f MB inflated\n", label, mb, inflated / 1e6);
    std::printf("  receive path   %9.3f ms  %9.1f MB/s\n", path * 1e3, mb / path);
    std::printf("  qUncompress    %9.3f ms  %9.1f MB/s\n", raw * 1e3, mb / raw);
    std::printf("  ratio (qUncompress time / receive-path time): %.2f   (goal 0.80 or better)\n", raw / path);
    if (delivered == 0)
        std::printf("  WARNING: nothing was handed over\n");
}

QByteArray chatMessage(int i)
{
    return QStringLiteral("<CHAT>\n <CHATUSERNAME>colleague%1</CHATUSERNAME>\n <LOGINNAME>me</LOGINNAME>\n"
                          " <MESSAGE>&lt;font face=\"Verdana\" color=\"#000000\"&gt;Meeting at %1:30 in room "
                          "B%1$#$ bring the figures please&lt;/font&gt;</MESSAGE>\n <SENDSMILEY>FALSE</SENDSMILEY>\n"
                          " <SENDPICTURE>FALSE</SENDPICTURE>\n <BANNERSTATE>FALSE</BANNERSTATE>\n"
                          " <PLAINTEXT>Meeting at %1:30</PLAINTEXT>\n <DISPLAYNAME>Colleague %1</DISPLAYNAME>\n"
                          " <PASSWORD></PASSWORD>\n</CHAT>\n").arg(i).toLatin1();
}

void rate(const char *label, int count, double seconds)
{
    std::printf("  %-44s %10.0f per second  (%.2f us each)\n", label, count / seconds, seconds * 1e6 / count);
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// Random bytes holding the terminator text every 64 KB and ending in a cut-short
// one, made so that the zlib checksum begins with '>': compressing it must fall
// back to stored blocks. The four bytes before the end are changed until it
// does; the checksum of what comes before them is taken once.
QByteArray terminatorsEverywhere(qsizetype size)
{
    QByteArray bytes = randomBytes(size, 5);
    for (qsizetype at = 0; at + 10 < size; at += 64 * 1024)
        bytes.replace(at, 10, "<WRITEEND>");
    bytes.replace(size - 9, 9, "<WRITEEND");
    const qsizetype tweak = size - 13;
    quint32 a0 = 1;
    quint32 b0 = 0;
    for (qsizetype i = 0; i < tweak; ++i) {
        a0 = (a0 + uchar(bytes[i])) % 65521;
        b0 = (b0 + a0) % 65521;
    }
    for (quint32 n = 0;; ++n) {
        bytes.replace(tweak, 4, QByteArrayView(reinterpret_cast<const char *>(&n), 4));
        quint32 a = a0;
        quint32 b = b0;
        for (qsizetype i = tweak; i < size; ++i) {
            a = (a + uchar(bytes[i])) % 65521;
            b = (b + a) % 65521;
        }
        if ((b >> 8) == '>')
            return bytes;
    }
}

// The longest hold of the GUI thread while the client receives and stores one
// chat file, and the time until it is stored (the download ends).
void receiveFile(ZELBenchHoldApplication &app, ZELClient &client, ZELBenchPeerThread &server, const char *label,
                 const QByteArray &data)
{
    const QString path = client.m_saveFolder + QStringLiteral("/received.bin");
    QFile::remove(path);
    client.m_fileDataAwaited = true;
    client.m_chatDownloadPending = true;
    client.m_downloadInProgress = true;
    client.m_transferFileName = QStringLiteral("received.bin");
    app.resetLongest();
    QElapsedTimer timer;
    timer.start();
    server.run([&] { server.peer.sendFile(data); });
    while ((client.m_chatDownloadPending || client.m_downloadInProgress) && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    QFile stored(path);
    const bool same = stored.open(QIODevice::ReadOnly) && stored.readAll() == data;
    std::printf("  %-44s hold %7.1f ms   stored after %7.1f ms   %s\n", label, app.longest,
                timer.nsecsElapsed() / 1e6, same ? "byte-identical" : "NOT STORED AS SENT");
}

// One parse of each hostile document on the receiver thread's path, beside a
// real large message; every row must stay in proportion to its size.
void documentFigures()
{
    std::printf("\nParsing one document (receiver thread), one run each\n");
    const ZELXmlCodec codec;
    const auto nested = [](int depth) {
        return QStringLiteral("<CHAT><MESSAGE>") + QString(QStringLiteral("<b>")).repeated(depth) + QLatin1Char('x')
            + QString(QStringLiteral("</b>")).repeated(depth) + QStringLiteral("</MESSAGE></CHAT>");
    };
    const auto attributes = [](int count) {
        QString text = QStringLiteral("<CHAT");
        for (int i = 0; i < count; ++i)
            text += QStringLiteral(" a%1=\"v\"").arg(i);
        return text + QStringLiteral("><MESSAGE>x</MESSAGE></CHAT>");
    };
    QString contacts = QStringLiteral("<NEWUSER>\n <OTHERS>\n");
    for (int i = 0; i < 50000; ++i)
        contacts += QStringLiteral("  <USER>\n   <NAME>user%1</NAME>\n   <STATE>Online</STATE>\n"
                                   "   <DEPARTMENT>Department %2</DEPARTMENT>\n   <DISPLAYNAME>Contact %1</DISPLAYNAME>\n"
                                   "   <PROFILE>Engineer&amp;&amp;Company</PROFILE>\n   <MESSAGE>Working</MESSAGE>\n"
                                   "   <STATUS>Online</STATUS>\n   <APPROVAL>APPROVED</APPROVAL>\n  </USER>\n")
                        .arg(i).arg(i % 10);
    contacts += QStringLiteral(" </OTHERS>\n</NEWUSER>\n");
    const QList<std::pair<const char *, QString>> rows{
        {"50,000 contacts as records (parses)", contacts},
        {"100,000 nested elements in a CHAT", nested(100000)},
        {"100,000 attributes on the root", attributes(100000)},
        {"4,000,001 comments after the root", QStringLiteral("<CHAT><MESSAGE>x</MESSAGE></CHAT>")
                                                   + QString(QStringLiteral("<!---->")).repeated(4000001)},
        {"1,000,000 nested elements in a CHAT", nested(1000000)},
    };
    for (const auto &[label, text] : rows) {
        QElapsedTimer timer;
        timer.start();
        const qsizetype values = codec.parse(text).size();
        std::printf("  %-40s %7.1f MB %10.1f ms  values %lld\n", label, text.size() / 1048576.0,
                    timer.nsecsElapsed() / 1e6, static_cast<long long>(values));
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    ZELBenchHoldApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    if (QCoreApplication::arguments().contains(QStringLiteral("--documents"))) {
        documentFigures();
        return 0;
    }
    const int runs = 15;
#if !defined(__OPTIMIZE__)
    std::printf("Built without optimisation: build with -DCMAKE_BUILD_TYPE=Release for figures that count.\n\n");
#endif

    std::printf("Receive path (reads of %lld KB)\n", static_cast<long long>(readSize / 1024));
    {
        QList<QByteArray> frames;
        for (int i = 0; i < 1000; ++i)
            frames << ZELTcpSocket::frame(chatMessage(i));
        compareReceive("1,000 text frames in one batch", wireOf(frames), runs);
    }
    {
        QByteArray file(2 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(1);
        for (qsizetype i = 0; i < file.size(); ++i)
            file[i] = char(generator.bounded(256));
        compareReceive("2 MB file frame, random bytes", wireOf({ZELTcpSocket::fileFrame(file)}), runs);

        QByteArray text;
        for (int i = 0; text.size() < 2 * 1024 * 1024; ++i)
            text += chatMessage(i);
        text.truncate(2 * 1024 * 1024);
        compareReceive("2 MB file frame, text", wireOf({ZELTcpSocket::fileFrame(text)}), runs);
    }

    std::printf("\nCodec\n");
    ZELXmlCodec codec;
    const QStringList chat{"CHAT", "colleague", "me",
                           "<font face=\"Verdana\">Meeting at 10:30$#$ bring the figures</font>",
                           "FALSE", "FALSE", "FALSE", "Meeting at 10:30", "Me", ""};
    const int count = 20000;
    int sink = 0;
    rate("compose CHAT", count, bestSeconds(3, [&] {
        for (int i = 0; i < count; ++i)
            sink += codec.compose(chat).size();
    }));
    rate("compose CHAT + text frame (send path)", count, bestSeconds(3, [&] {
        for (int i = 0; i < count; ++i)
            sink += ZELTcpSocket::textFrame(codec.compose(chat)).size();
    }));
    const QString chatXml = QString::fromLatin1(chatMessage(7));
    rate("parse CHAT", count, bestSeconds(3, [&] {
        for (int i = 0; i < count; ++i)
            sink += codec.parse(chatXml).size();
    }));
    QString presence = QStringLiteral("<NEWUSER><OTHERS>");
    for (int i = 0; i < 50; ++i)
        presence += QStringLiteral("<USER><NAME>user%1</NAME><STATUS>Online</STATUS><MESSAGE>at my desk</MESSAGE>"
                                   "<GROUP>Staff</GROUP></USER>").arg(i);
    presence += QStringLiteral("</OTHERS></NEWUSER>");
    rate("parse NEWUSER with 50 contacts", count / 20, bestSeconds(3, [&] {
        for (int i = 0; i < count / 20; ++i)
            sink += codec.parse(presence).size();
    }));

    std::printf("\nFraming a file for sending (GUI thread), best of 3\n");
    for (const qsizetype size : {qsizetype(1) << 20, qsizetype(4) << 20}) {
        const QByteArray mb = QByteArray::number(size >> 20) + " MB";
        QByteArray text;
        for (int i = 0; text.size() < size; ++i)
            text += chatMessage(i);
        text.truncate(size);
        const QList<std::pair<QByteArray, QByteArray>> cases{
            {mb + " random bytes", randomBytes(size, 3)},
            {mb + " text", text},
            {mb + " random, terminator texts inside", terminatorsEverywhere(size)},
        };
        for (const auto &item : cases) {
            // Named, not bound: a lambda may not capture a structured binding before C++20.
            const QByteArray &label = item.first;
            const QByteArray &data = item.second;
            QByteArray frame;
            const double seconds = bestSeconds(3, [&] { frame = ZELTcpSocket::fileFrame(data); });
            const bool clean = frame.indexOf("<WRITEEND>") == frame.size() - 10
                               && ZELTcpSocket::decodeFrame(frame.chopped(10)) == data + "<FILEEND>";
            std::printf("  %-44s %9.1f ms  frame %9lld B  %s\n", label.constData(), seconds * 1e3,
                        static_cast<long long>(frame.size()), clean ? "one terminator, at the end" : "BROKEN");
        }
    }

    std::printf("\nReceiving a chat file holding the markers (GUI thread hold)\n");
    {
        ZELClient client;
        client.m_loginId = QStringLiteral("bench");
        client.m_signedIn = true;
        client.m_saveFolder = home.filePath(QStringLiteral("received"));
        QDir().mkpath(client.m_saveFolder);
        ZELBenchPeerThread server;
        if (!server.connect(client.m_tcpSocket))
            return 1;
        // 16 and 60 MB: a large received file is written off the window's thread.
        for (const qsizetype size : {qsizetype(1) << 20, qsizetype(4) << 20, qsizetype(16) << 20, qsizetype(60) << 20}) {
            QByteArray data = randomBytes(size, 7);
            const QByteArray markers = "<FILEEND>#VOICE#<BANNEREND><BANNEREMPTY><WRITEEND>";
            for (qsizetype at = 0; at + markers.size() < size; at += 4096)
                data.replace(at, markers.size(), markers);
            receiveFile(app, client, server,
                        (QByteArray::number(size >> 20) + " MB, markers every 4 KB").constData(), data);
        }
    }
    documentFigures();
    return sink == 0 ? 1 : 0;
}
