// Prints what the shared style sheet costs a chat window, for three ways of
// giving it to the window's six views and fields: the whole sheet set on each
// (as the client once did), only the rules that reach each (as it does now),
// and the sheet parsed once, carried by the window with its rules narrowed to
// the six (every other widget of the window then comes under a sheet too).
// Each way opens and shows ten chat windows in a process of its own, offscreen,
// and prints the heap and time per window and the sheet text parsed for it.
//
//     bench_sheets [windows]        (default 10)
#include "chat/zelchatwindow.h"
#include "mainwindow/zelmainwindowlook.h"
#include "style/zelsharedsheet.h"
#include "zelbenchhome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cstdio>
#include <malloc.h>

namespace {

QList<QWidget *> sharing(ZELChatWindow &window)
{
    return {window.totalMessage, window.serverMessage, window.m_onlineUsersListBox, window.m_chatRoomListBox,
            window.filePages().m_defaultFileLocation, window.m_findTextLineEdit};
}

// Opens `count` chat windows given the sheet `way`; prints "heap ms chars".
int runOne(const QString &way, int count)
{
    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    if (sheet.isEmpty())
        return 1;
    QList<ZELChatWindow *> windows;
    // A first window, not counted, loads what every window shares (images, fonts).
    windows << new ZELChatWindow;
    windows.constFirst()->show();
    QCoreApplication::processEvents();
    malloc_trim(0);

    const double before = zelBenchHeapKiB();
    qint64 chars = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        auto *window = new ZELChatWindow;
        const QList<QWidget *> targets = sharing(*window);
        if (way == QLatin1String("whole")) {
            for (QWidget *w : targets) {
                w->setStyleSheet(sheet);
                chars += sheet.size();
            }
        } else if (way == QLatin1String("carried")) {
            for (QWidget *w : targets) {
                w->setStyleSheet(QString());
                w->setProperty(ZELSharedSheet::MarkProperty, true);
            }
            const QString carried = ZELSharedSheet::scoped(ZELSharedSheet::fitted(sheet, window));
            window->setStyleSheet(carried);
            chars += carried.size();
        } else {
            for (QWidget *w : targets)
                chars += w->styleSheet().size();
        }
        window->show();
        QCoreApplication::processEvents();
        windows << window;
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%.1f %.2f %lld\n", (zelBenchHeapKiB() - before) / count, ms / count,
                static_cast<long long>(chars / count));
    qDeleteAll(windows);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);

    if (argc > 3 && QByteArray(argv[1]) == "--one")
        return runOne(QString::fromLatin1(argv[2]), QByteArray(argv[3]).toInt());

    const QByteArray count = argc > 1 ? QByteArray(argv[1]) : QByteArray("10");
    std::printf("the shared sheet in a chat window (views and fields: 6), %s windows each, offscreen\n",
                count.constData());
    std::printf("%-44s%12s%12s%12s\n", "", "heap (KB)", "time (ms)", "sheet chars");
    const struct {
        const char *way;
        const char *label;
    } ways[] = {
        {"whole", "whole sheet on each (before)"},
        {"fitted", "rules that reach each (now)"},
        {"carried", "one sheet carried by the window"},
    };
    for (const auto &way : ways) {
        int exitCode = -1;
        const QList<QByteArray> figures =
            zelBenchRunSelf({QStringLiteral("--one"), QString::fromLatin1(way.way), QString::fromLatin1(count)},
                            300000, &exitCode)
                .simplified()
                .split(' ');
        if (exitCode != 0 || figures.size() != 3) {
            std::printf("%-44s failed\n", way.label);
            continue;
        }
        std::printf("%-44s%12s%12s%12s\n", way.label, figures.at(0).constData(), figures.at(1).constData(),
                    figures.at(2).constData());
    }
    return 0;
}
