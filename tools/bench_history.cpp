// Prints what a stored conversation costs the windows that show it: how long
// until the last message is shown, and the longest time the window could not
// answer meanwhile (goal: 100 ms), for
// - the chat history window reading a day from the local history (the
//   selection of a session, a click) and receiving it from the server;
// - a conversation replayed into an open chat window (CHATHISTORYTOCLIENT);
// - hostile replays of 4 MB in several shapes.
// Server messages are written to the client's own socket by a local peer and
// go through the real receive path and dispatcher, offscreen.
//
//     bench_history                 days of 600 and 1,500 messages, then the 4 MB replays
//     bench_history 3000            a day of that many messages only
//     bench_history --hostile       the 4 MB replays only
//     bench_history --show 600      the history window left on screen with a day of 600

#include "chat/zelchatwindow.h"
#include "core/zelclient.h"
#include "messages/zelchathistorylistwindow.h"
#include "zelbenchhold.h"
#include "zelbenchhome.h"
#include "zelconversationday.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Runs posted events and timers until nothing is left for 50 ms.
void drainEvents()
{
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 50) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (pass.elapsed() > 5)
            idle.restart();
    }
}

struct Shown
{
    double clearMs = 0;  // emptying the view of what it showed before
    double ms = 0;       // from the start until the last message is shown
    double holdMs = 0;   // the longest single event meanwhile
    qsizetype characters = 0;
    bool lastShown = false;
};

// Runs `start` and waits until `view` has shown it all. A user's click runs
// as an event of its own (`asEvent`); a server's message is written by the
// peer's thread, outside the client's time.
Shown measure(ZELBenchHoldApplication &app, ZELMessageBrowser *view, const std::function<void()> &start,
              const QString &last, bool asEvent = false, bool clearFirst = true)
{
    bool shown = false;
    const QMetaObject::Connection done =
        QObject::connect(view, &ZELMessageBrowser::conversationShown, view, [&shown] { shown = true; });
    drainEvents();
    Shown result;
    QElapsedTimer timer;
    timer.start();
    if (clearFirst)
        view->clear();
    result.clearMs = timer.nsecsElapsed() / 1e6;
    drainEvents();
    app.resetLongest();
    shown = false;
    timer.start();
    if (asEvent)
        QTimer::singleShot(0, view, start);
    else
        start();
    while (!shown && timer.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    result.ms = timer.nsecsElapsed() / 1e6;
    drainEvents();
    result.holdMs = app.longest;
    QObject::disconnect(done);
    const QString text = view->toPlainText();
    result.characters = text.size();
    result.lastShown = !last.isEmpty() && text.contains(last);
    return result;
}

void print(const char *what, qsizetype bytes, const Shown &shown)
{
    std::printf("%-46s %8lld KB %10.1f %9.1f %10lld  %-5s %9.1f\n", what, static_cast<long long>(bytes / 1024), shown.ms,
                shown.holdMs, static_cast<long long>(shown.characters), shown.lastShown ? "yes" : "no", shown.clearMs);
    std::fflush(stdout);
}

QString repeatedTo(const QString &piece, qsizetype size)
{
    return piece.repeated(std::max<qsizetype>(1, size / piece.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    ZELBenchHoldApplication app(argc, argv);
    Q_INIT_RESOURCE(images);

    QList<int> days;
    bool show = false;
    bool hostileOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--show")
            show = true;
        else if (QByteArray(argv[i]) == "--hostile")
            hostileOnly = true;
        else
            days << QByteArray(argv[i]).toInt();
    }
    const bool hostile = days.isEmpty();
    if (days.isEmpty() && !hostileOnly)
        days = {600, 1500};

    ZELClient client;
    client.m_loginId = QStringLiteral("anita");
    client.m_ownDisplayName = QStringLiteral("Anita Rao");
    client.m_signedIn = true;
    ZELChatHistoryListWindow *history = client.m_chatHistoryWindow.get();
    history->resize(900, 600);
    history->show();

    if (show) {
        history->showTranscript(ZELConversationDay::localDay(days.first()));
        QObject::connect(history->m_historyDisplay, &ZELMessageBrowser::conversationShown, history, [history] {
            history->m_historyDisplay->verticalScrollBar()->setValue(history->m_historyDisplay->verticalScrollBar()->maximum());
        });
        QObject::connect(history, &QDialog::finished, &app, &QCoreApplication::quit);
        return app.exec();
    }

    ZELBenchPeerThread server;
    if (!server.connect(client.m_tcpSocket))
        return 1;
    client.createChatWindow(QStringLiteral("ravi"));
    ZELChatWindow *chat = client.m_chatWindows.value(QStringLiteral("ravi"));
    chat->showNormal();
    chat->resize(600, 500);
    drainEvents();
    const auto fromServer = [&server](const QString &message) {
        const QByteArray frame = ZELTestPeer::textFrame(message);
        return [&server, frame] { server.run([&server, frame] { server.peer.sendRaw(frame); }); };
    };

    std::printf("%-46s %11s %10s %9s %10s  %-5s %9s\n", "shown where", "size", "shown ms", "hold ms", "characters",
                "last", "clear ms");
    for (const int count : std::as_const(days)) {
        const QString last = ZELConversationDay::messageText(count - 1);
        const QString local = ZELConversationDay::localDay(count);
        const QString fromDay = ZELConversationDay::serverDay(count);
        const QByteArray what = QByteArray::number(count) + " messages";
        print(("history window, local day of " + what).constData(), local.size(),
              measure(app, history->m_historyDisplay, [history, local] { history->showTranscript(local); }, last,
                      true));
        print("  the same read back from its own HTML", 0,
              measure(app, history->m_historyDisplay, [history] { history->m_historyDisplay->reloadFromHtml(); },
                      last, true, false));
        print(("history window, server day of " + what).constData(), fromDay.size(),
              measure(app, history->m_historyDisplay,
                      fromServer(ZELTestPeer::message("CHATHISTORYFROMSERVER", {{"HISTORY", fromDay}})), last));
        print(("chat window replay of " + what).constData(), fromDay.size(),
              measure(app, chat->totalMessage,
                      fromServer(ZELTestPeer::message("CHATHISTORYTOCLIENT",
                                                      {{"TRANSCRIPT", fromDay}, {"CHATUSERNAME", "ravi"}})),
                      last));
        // What the conversation costs afterwards: one more message, and the
        // conversion to a conference, which reads the transcript back from its HTML.
        QElapsedTimer timer;
        timer.start();
        chat->totalMessage->appendMessage(QStringLiteral("one more"));
        std::printf("%-46s %11s %10.1f\n", "  one more message after it", "", timer.nsecsElapsed() / 1e6);
        print("  the same read back from its own HTML", 0,
              measure(app, chat->totalMessage, [chat] { chat->totalMessage->reloadFromHtml(); },
                      QStringLiteral("one more"), true, false));
    }
    if (!hostile)
        return 0;

    const qsizetype size = 4 * 1024 * 1024;
    const QString row = QStringLiteral("<table bgcolor = #f0f8ff width='100%' cellspacing='0' border='0'><tr>"
                                       "<td width='80%'><font color=Chocolate><b>Mona says ::</td><td width='20%' "
                                       "align='right'><font color=darkgray><b>10:00:00 am</td></tr></table>");
    const QString nearBound = row + QStringLiteral("<p>") + repeatedTo(QStringLiteral("words and more "), 31000)
                              + QStringLiteral("</p>");
    const struct
    {
        const char *name;
        QString transcript;
    } replays[] = {
        {"4 MB: one word", QString(size, QLatin1Char('w'))},
        {"4 MB: paragraphs without a heading", repeatedTo(QStringLiteral("<p>a line of the same message</p>"), size)},
        {"4 MB: rows of a few characters", repeatedTo(QStringLiteral("<p>m says ::</p>"), size)},
        {"4 MB: tables of a few characters", repeatedTo(QStringLiteral("<table><tr><td>m says ::</td></tr></table>"), size)},
        {"4 MB: messages just within the bound", repeatedTo(nearBound, size)},
        {"4 MB: headed messages of the day", repeatedTo(ZELConversationDay::serverDay(100), size)},
        // {"4 MB: nested 100,000 deep, then rows", QStringLiteral("<b>").repeated(100000)
        //                                              + repeatedTo(QStringLiteral("<p>m says ::</p>"), size - 300000)},
    };
    for (const auto &replay : replays) {
        if (qEnvironmentVariableIsSet("ZELBENCHONLY") && !QByteArray(replay.name).contains(qgetenv("ZELBENCHONLY")))
            continue;
        if (qEnvironmentVariableIsSet("ZELBENCHDIRECT")) {
            const QString text = replay.transcript;
            print(replay.name, text.size(), measure(app, chat->totalMessage, [chat, text] { chat->totalMessage->showConversation(text); }, QString(), true));
            continue;
        }
        print(replay.name, replay.transcript.size(),
              measure(app, chat->totalMessage,
                      fromServer(ZELTestPeer::message("CHATHISTORYTOCLIENT",
                                                      {{"TRANSCRIPT", replay.transcript}, {"CHATUSERNAME", "ravi"}})),
                      QString()));
    }
    std::printf("goal: the last message shown, every hold under 100 ms\n");
    return 0;
}
