// Prints throughput figures of the wire layer: the receive path against plain
// qUncompress on the same bytes, and the codec's compose and parse rates.

#include "protocol/zeltcpsocket.h"
#include "protocol/zelxmlcodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
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
    return sink == 0 ? 1 : 0;
}
