// Prints how long received pictures keep the event loop busy: one chat message
// whose picture has a name of 256 bytes, 1 MB and 4 MB (longer than the file
// system allows), then floods of 40 pictures under one name: pictures just
// under the 1 MB limit, each different; the same picture 40 times; and
// pictures inflating to 16 MB; then 80 more different ones, which reach the
// bound on what received pictures may take in a run. Each message is written to the client's own
// socket by a local peer, as the server would send it, and goes through the
// real receive path and dispatcher, offscreen. "hold" is the longest single
// event of the GUI thread; "wire" the size of the compressed frame.
//
//     bench_pictures

#include "core/zelclient.h"
#include "zelbenchhold.h"
#include "zelbenchhome.h"

#include "peer/zeltestpeer.h"
#include "protocol/zelpicturefield.h"
#include "protocol/zeltcpsocket.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <functional>

namespace {

QString pictureChat(const QString &name, const QByteArray &bytes)
{
    const QString html = QStringLiteral("<p>look <img src=\"ScreenCapture/") + name + QStringLiteral("\" /></p>");
    return ZELTestPeer::message("CHAT", {{"CHATUSERNAME", "bench"}, {"LOGINNAME", "ravi"}, {"MESSAGE", html},
                                         {"SENDSMILEY", ""}, {"SENDPICTURE", ZELPictureField::encode(name, bytes)},
                                         {"BANNERSTATE", ""}, {"PLAINTEXT", "look"}, {"DISPLAYNAME", "Ravi"},
                                         {"PASSWORD", "FALSE"}});
}

// A picture that compresses well, different for every n.
QByteArray picture(qsizetype size, int n)
{
    QByteArray bytes(size, char('a' + n % 26));
    const QByteArray tag = QByteArray::number(n);
    for (qsizetype at = 0; at + tag.size() < size; at += 4096)
        bytes.replace(at, tag.size(), tag);
    return bytes;
}

struct Folder
{
    qint64 files = 0;
    qint64 bytes = 0;
};

Folder folderNow(const QString &folder)
{
    Folder now;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files)) {
        ++now.files;
        now.bytes += info.size();
    }
    return now;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    ZELBenchHoldApplication app(argc, argv);
    Q_INIT_RESOURCE(images);

    ZELClient client;
    client.m_loginId = QStringLiteral("bench");
    client.m_signedIn = true;
    client.m_dataFolder = home.filePath(QStringLiteral("pictures"));
    client.createChatWindow(QStringLiteral("ravi"));
    const QString folder = client.m_dataFolder + QStringLiteral("/ScreenCapture");

    ZELBenchPeerThread server;
    if (!server.connect(client.m_tcpSocket))
        return 1;
    ZELTestPeer &peer = server.peer;
    // Every chat message handled is answered with a delivery receipt.
    std::atomic<int> answered = 0;
    QObject::connect(&peer, &ZELTestPeer::requestReceived, &peer, [&answered](const ZELTestPeer::Request &request) {
        if (request.type == QLatin1String("MESSAGEDELIVERED"))
            ++answered;
    }, Qt::DirectConnection);

    // Sends the messages one frame each and waits until every one is handled.
    const auto send = [&](const QStringList &messages) {
        qint64 wire = 0;
        QByteArray frames;
        for (const QString &message : messages) {
            const QByteArray frame = ZELTestPeer::textFrame(message);
            wire += frame.size();
            frames += frame;
        }
        const int expected = answered + int(messages.size());
        app.resetLongest();
        QElapsedTimer timer;
        timer.start();
        server.run([&] { peer.sendRaw(frames); });
        while (answered < expected && timer.elapsed() < 600000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QCoreApplication::processEvents();
        return std::pair<qint64, double>{wire / messages.size(), timer.nsecsElapsed() / 1e6};
    };

    std::printf("%-40s %10s %9s %10s %6s %10s\n", "case", "wire", "hold ms", "total ms", "files", "written");
    const auto report = [&](const char *name, std::pair<qint64, double> sent, Folder before) {
        const Folder after = folderNow(folder);
        std::printf("%-40s %7lld B %9.1f %10.1f %6lld %7.1f MB\n", name, static_cast<long long>(sent.first),
                    app.longest, sent.second, static_cast<long long>(after.files - before.files),
                    (after.bytes - before.bytes) / 1048576.0);
        std::fflush(stdout);
    };

    for (const qsizetype bytes : {qsizetype(256), qsizetype(1) << 20, qsizetype(4) << 20}) {
        const QString name = QString(bytes - 4, QLatin1Char('n')) + QStringLiteral(".png");
        const Folder before = folderNow(folder);
        const auto sent = send({pictureChat(name, "picture bytes " + QByteArray::number(bytes))});
        const QByteArray label = "name of " + QByteArray::number(bytes / (bytes < 1024 ? 1 : 1024))
                                 + (bytes < 1024 ? " bytes" : " KB");
        report(label.constData(), sent, before);
    }

    const auto flood = [&](const char *name, const std::function<QByteArray(int)> &bytes, int count = 40) {
        QStringList messages;
        for (int n = 0; n < count; ++n)
            messages << pictureChat(QStringLiteral("flood.jpg"), bytes(n));
        const Folder before = folderNow(folder);
        report(name, send(messages), before);
    };
    flood("40 different pictures of 1 MB - 1", [](int n) { return picture(ZELPictureField::MaxReceivedPictureSize, n); });
    flood("the same picture 40 times", [](int) { return picture(ZELPictureField::MaxReceivedPictureSize, 99); });
    flood("40 pictures inflating to 16 MB", [](int n) { return picture(16 << 20, n); });
    // 40 MB are stored already: the bound lets 60 more in.
    flood("80 more different pictures of 1 MB - 1",
          [](int n) { return picture(ZELPictureField::MaxReceivedPictureSize, 1000 + n); }, 80);
    std::printf("goal: every hold under 100 ms; received pictures bounded to %lld MB a run\n",
                static_cast<long long>(ZELPictureField::MaxReceivedSpace >> 20));
    return 0;
}
