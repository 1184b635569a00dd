// Prints what starting the client costs: the time until the main window is on
// screen, the widgets and style sheets built for it (sheets set and parsed are
// counted by a library loaded ahead of Qt, see zelstylecount.cpp), and the
// memory held 3 s after start. Starts as the program does (splash, style, main widget), with
// its own empty data folders, on the display it is given (offscreen without).
//
// Each figure comes from a fresh process, side by side: the start as it is, and
// a baseline that also builds every long-lived window at start, as the client
// once did. `--runs N` takes the best of N starts of each (default 3);
// `--one lazy|eager` runs one start and prints its raw figures, and with
// ZEL_BENCH_LIST set lists the top-level windows built at start.
// `--preferences FILE` starts as a returning user with that preferences file
// (else as on a first run, which opens the server dialog).

#include "core/zelclient.h"
#include "style/zelstyle.h"
#include "zelbenchhome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QMap>
#include <QProcess>
#include <QSplashScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <functional>
#include <malloc.h>
#include <unistd.h>

// Outside any namespace, as the resource initialiser must be called.
static void initImages()
{
    Q_INIT_RESOURCE(images);
}

namespace {

// VmRSS, RssAnon and RssFile of this process, in KiB.
QMap<QByteArray, long> residentKiB()
{
    QMap<QByteArray, long> figures;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return figures;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.startsWith("VmRSS") + line.startsWith("RssAnon") + line.startsWith("RssFile"))
            figures.insert(line.left(colon), line.mid(colon + 1).trimmed().split(' ').value(0).toLong());
    }
    return figures;
}

// As the client did before its long-lived windows were built on first use.
void buildEveryLongLivedWindow(ZELClient &client)
{
    client.m_addContactDialog.get();
    client.m_approvalAddContactDialog.get();
    client.m_approvalRequestedUserDialog.get();
    client.m_deleteContactDialog.get();
    client.m_businessCardPopup.get();
    client.m_reminderDialog.get();
    client.m_reminderPopup.get();
    client.m_chatHistoryWindow.get();
    client.m_voiceMailRecorder.get();
    client.m_voiceMailInbox.get();
    client.m_offlineMessagesWidget.get();
    client.m_notificationPopup.get();
}

// Style sheet work is counted by a small library loaded ahead of Qt into each
// start's process (see startChild); without it the counts are left out.
using StyleCounts = void (*)(int *, int *);

StyleCounts styleCounts()
{
    return reinterpret_cast<StyleCounts>(dlsym(RTLD_DEFAULT, "zelStyleSheetCounts"));
}

// Characters of style sheet text handed to setStyleSheet so far, or -1.
double styleSheetKB()
{
    using Chars = long long (*)();
    const auto chars = reinterpret_cast<Chars>(dlsym(RTLD_DEFAULT, "zelStyleSheetChars"));
    return chars ? chars() / 1024.0 : -1.0;
}

// One start in this process; prints "name value" lines.
int runOnce(int argc, char *argv[], bool eager, bool settle, const QString &preferences)
{
    const StyleCounts counts = styleCounts();
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTemporaryDir home;
    zelBenchUseHome(home);
    if (!preferences.isEmpty()) {
        QDir().mkpath(home.path() + QStringLiteral("/data/ZEL"));
        QFile::copy(preferences, home.path() + QStringLiteral("/data/ZEL/zelPreferencesSettings.xml"));
    }
    QApplication app(argc, argv);
    initImages();

    // As the program: the splash deletes itself when finish() closes it.
    auto *splash = new QSplashScreen(QPixmap(QStringLiteral(":images/zel.jpg")));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QCoreApplication::processEvents();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
    QApplication::setStyle(new ZELStyle);

    const double beforeClient = sinceStart.nsecsElapsed() / 1e6;
    auto *client = new ZELClient;
    if (eager)
        buildEveryLongLivedWindow(*client);
    const double built = sinceStart.nsecsElapsed() / 1e6;
    splash->finish(client);
    client->show();
    const bool shown = zelBenchWaitUntil([&]() { return client->windowHandle() && client->windowHandle()->isExposed(); },
                                 10000);
    const double onScreen = sinceStart.nsecsElapsed() / 1e6;
    int callsOnScreen = -1;
    int parsesOnScreen = -1;
    if (counts)
        counts(&callsOnScreen, &parsesOnScreen);
    const double sheetKBOnScreen = styleSheetKB();

    const QWidgetList widgets = QApplication::allWidgets();
    int styled = 0;
    for (QWidget *widget : widgets) {
        if (!widget->styleSheet().isEmpty())
            ++styled;
    }
    int windows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        windows += widget->isWindow() ? 1 : 0;
        // What is built at start, window by window.
        if (qEnvironmentVariableIsSet("ZEL_BENCH_LIST"))
            std::fprintf(stderr, "%-28s %-28s %4lld widgets%s\n", widget->metaObject()->className(),
                         qPrintable(widget->objectName()),
                         static_cast<long long>(widget->findChildren<QWidget *>().size()),
                         widget->isVisible() ? ", shown" : "");
    }

    // Settle as a user would see it: the event loop idle until 3 s after start.
    if (settle) {
        // exit(), not quit(): the main window refuses to close, as it does for the user.
        QTimer::singleShot(qMax<qint64>(0, 3000 - sinceStart.elapsed()), &app, [] { QCoreApplication::exit(0); });
        app.exec();
    }
    const QMap<QByteArray, long> resident = residentKiB();
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("ready %.1f\n", beforeClient);
    std::printf("built %.1f\n", built);
    std::printf("shown %.1f\n", shown ? onScreen : -1.0);
    std::printf("widgets %lld\n", static_cast<long long>(widgets.size()));
    std::printf("windows %d\n", windows);
    std::printf("styled %d\n", styled);
    std::printf("rss %.1f\n", resident.value("VmRSS") / 1024.0);
    std::printf("anon %.1f\n", resident.value("RssAnon") / 1024.0);
    std::printf("file %.1f\n", resident.value("RssFile") / 1024.0);
    std::printf("heap %.1f\n", double(mallinfo2().uordblks) / 1024.0 / 1024.0);
    if (counts) {
        int calls = 0;
        int parses = 0;
        counts(&calls, &parses);
        std::printf("sheetcalls %d\n", callsOnScreen);
        std::printf("sheetparses %d\n", parsesOnScreen);
        std::printf("sheetcalls3s %d\n", calls);
        std::printf("sheetparses3s %d\n", parses);
        std::printf("sheetkb %.1f\n", sheetKBOnScreen);
        std::printf("sheetkb3s %.1f\n", styleSheetKB());
    }
    delete client;
    return 0;
}

// Runs one start in a fresh process and reads its figures back.
QMap<QString, QString> startChild(const QString &mode, bool settle, const QString &preferences)
{
    QStringList arguments{QStringLiteral("--one"), mode};
    if (!settle)
        arguments << QStringLiteral("--no-settle");
    if (!preferences.isEmpty())
        arguments << QStringLiteral("--preferences") << preferences;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifdef ZEL_STYLE_COUNT_MODULE
    if (access(ZEL_STYLE_COUNT_MODULE, R_OK) == 0)
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ZEL_STYLE_COUNT_MODULE));
#endif
    QMap<QString, QString> figures;
    const QList<QByteArray> lines = zelBenchRunSelf(arguments, 60000, nullptr, environment).split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            figures.insert(QString::fromUtf8(line.left(space)), QString::fromUtf8(line.mid(space + 1)));
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool settle = !arguments.contains(QStringLiteral("--no-settle"));
    const qsizetype preferencesAt = arguments.indexOf(QStringLiteral("--preferences"));
    const QString preferences =
        preferencesAt >= 0 ? QFileInfo(arguments.value(preferencesAt + 1)).absoluteFilePath() : QString();
    const qsizetype one = arguments.indexOf(QStringLiteral("--one"));
    if (one >= 0)
        return runOnce(argc, argv, arguments.value(one + 1) == QLatin1String("eager"), settle, preferences);

    QCoreApplication app(argc, argv);
    const qsizetype runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = std::max(1, runsAt >= 0 ? arguments.value(runsAt + 1).toInt() : 3);

    // Best of the runs per figure: the least any start needed.
    QMap<QString, QMap<QString, double>> best;
    QString platform;
    for (int run = 0; run < runs; ++run) {
        for (const QString &mode : {QStringLiteral("lazy"), QStringLiteral("eager")}) {
            const QMap<QString, QString> figures = startChild(mode, settle, preferences);
            platform = figures.value(QStringLiteral("platform"), platform);
            for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
                bool ok = false;
                const double value = it.value().toDouble(&ok);
                if (!ok)
                    continue;
                QMap<QString, double> &kept = best[mode];
                kept.insert(it.key(), kept.contains(it.key()) ? std::min(kept.value(it.key()), value) : value);
            }
        }
    }

    struct Row {
        const char *key;
        const char *label;
        const char *format;
    };
    const Row rows[] = {
        {"ready", "toolkit and splash ready (ms)", "%10.1f"},
        {"built", "main widget built (ms)", "%10.1f"},
        {"shown", "main window on screen (ms, goal < 100)", "%10.1f"},
        {"widgets", "widgets constructed", "%10.0f"},
        {"windows", "top-level windows", "%10.0f"},
        {"styled", "widgets with a style sheet of their own", "%10.0f"},
        {"rss", "resident at 3 s (MB, goal < 45)", "%10.1f"},
        {"anon", "  of it private (MB)", "%10.1f"},
        {"file", "  of it mapped files (MB)", "%10.1f"},
        {"heap", "heap in use at 3 s (MB)", "%10.1f"},
        {"sheetcalls", "setStyleSheet calls until on screen", "%10.0f"},
        {"sheetparses", "style sheets parsed until on screen", "%10.0f"},
        {"sheetcalls3s", "setStyleSheet calls until 3 s", "%10.0f"},
        {"sheetparses3s", "style sheets parsed until 3 s", "%10.0f"},
        {"sheetkb", "style sheet text set until on screen (KB)", "%10.1f"},
        {"sheetkb3s", "style sheet text set until 3 s (KB)", "%10.1f"},
    };
    std::printf("platform: %s; best of %d start(s) each%s; %s\n", qPrintable(platform), runs,
                settle ? "" : "; not settled, memory is at once after showing",
                preferences.isEmpty() ? "a first run" : "a returning user's start");
    std::printf("%-42s%10s%10s\n", "", "now", "baseline");
    for (const Row &row : rows) {
        std::printf("%-42s", row.label);
        for (const char *mode : {"lazy", "eager"}) {
            const QMap<QString, double> &figures = best.value(QString::fromLatin1(mode));
            if (figures.contains(QString::fromLatin1(row.key)))
                std::printf(row.format, figures.value(QString::fromLatin1(row.key)));
            else
                std::printf("%10s", "-");
        }
        std::printf("\n");
    }
    std::printf("(baseline: the same start, also building every long-lived window at once)\n");
    return 0;
}
