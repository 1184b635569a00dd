// The dispatcher fed parsed server messages with hostile fields, on one client
// that lives through the whole run (offscreen, its own data and config folders).
//
// Input: messages separated by 0x1e; in each, the first byte picks the type (in
// the dispatch table, so every branch it gains is fuzzed too) and the rest are
// its fields, separated by 0x1f. Between inputs, posted events and deferred
// deletions run, as the event loop would run them between deliveries.
#include <QApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "core/zelclient.h"

namespace {

ZELClient *client = nullptr;
QStringList types;

void quiet(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}

} // namespace

// At namespace scope and outside the C-linkage entry points: the macro declares
// the resource's own C++ function.
static void initResources()
{
    Q_INIT_RESOURCE(images);
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QTemporaryDir root;
    for (const char *sub : {"data", "config", "home"})
        QDir().mkpath(root.path() + QLatin1Char('/') + QLatin1String(sub));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.path() + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + "/config"));
    qputenv("HOME", QFile::encodeName(root.path() + "/home"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The client talks about every refused write on its unconnected socket.
    qInstallMessageHandler(quiet);
    // The application and the client live on to the very end: among the exit
    // handlers, Qt's own storage is already gone and widgets cannot be torn down.
    static QApplication *app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    initResources();
    client = new ZELClient;
    types = ZELClient::dispatchTypes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &record : input.split('\x1e')) {
        if (record.isEmpty())
            continue;
        QStringList message{types.at(uchar(record.at(0)) % types.size())};
        if (record.size() > 1) {
            for (const QByteArray &field : record.mid(1).split('\x1f'))
                message << QString::fromUtf8(field);
        }
        client->dispatchMessage(message);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return 0;
}
