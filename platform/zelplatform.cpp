#include "platform/zelplatform.h"

#include "platform/zellockfileinstancecheck.h"
#include "platform/zelqtchoosers.h"
#include "platform/zelqtdesktopservices.h"
#include "platform/zelqtfilepermissions.h"
#include "platform/zelqtinputmonitor.h"
#include "platform/zelqtscreengrabber.h"
#include "platform/zelqtsoundplayer.h"
#include "platform/zelqtsystemtray.h"
#include "platform/zelstandardfolders.h"
#include "platform/zelwaveaudiorecorder.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

std::atomic<ZELInstanceCheck *> installedInstanceCheck{nullptr};
std::atomic<ZELSystemFolders *> installedSystemFolders{nullptr};
std::atomic<ZELInputMonitor *> installedInputMonitor{nullptr};
std::atomic<ZELSoundRecorder *> installedSoundRecorder{nullptr};
std::atomic<ZELSoundPlayer *> installedSoundPlayer{nullptr};
std::atomic<ZELDesktopServices *> installedDesktopServices{nullptr};
std::atomic<ZELScreenGrabber *> installedScreenGrabber{nullptr};
std::atomic<ZELChoosers *> installedChoosers{nullptr};
std::atomic<ZELFilePermissions *> installedFilePermissions{nullptr};
std::atomic<ZELSystemTray *> installedSystemTray{nullptr};

QMutex defaultsLock;
// Layers that hold toolkit objects live as children of the application object,
// so they go with it; the others live as long as the process.
std::atomic<ZELQtInputMonitor *> ownInputMonitor{nullptr};
std::atomic<ZELWaveAudioRecorder *> ownSoundRecorder{nullptr};
std::atomic<ZELQtSoundPlayer *> ownSoundPlayer{nullptr};

template <typename Layer>
Layer *processWide()
{
    static Layer layer;
    return &layer;
}

// Creates a QObject-based layer owned by the application object, on its thread.
template <typename Layer>
Layer *applicationOwned(std::atomic<Layer *> &slot)
{
    if (Layer *layer = slot.load())
        return layer;
    QMutexLocker locker(&defaultsLock);
    if (Layer *layer = slot.load())
        return layer;
    auto *layer = new Layer;
    slot.store(layer);
    QObject::connect(layer, &QObject::destroyed, [&slot] { slot.store(nullptr); });
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return layer; // nothing to attach to; lives as long as the process
    if (QThread::currentThread() == app->thread()) {
        layer->setParent(app);
        layer->attach();
    } else {
        layer->moveToThread(app->thread());
        QMetaObject::invokeMethod(layer, [layer, app] {
            layer->setParent(app);
            layer->attach();
        }, Qt::QueuedConnection);
    }
    return layer;
}

template <typename Layer>
Layer *installedOr(const std::atomic<Layer *> &slot, Layer *(*fallback)())
{
    if (Layer *layer = slot.load())
        return layer;
    return fallback();
}

} // namespace

ZELInstanceCheck *ZELPlatform::instanceCheck()
{
    return installedOr<ZELInstanceCheck>(installedInstanceCheck, [] () -> ZELInstanceCheck * {
        static std::unique_ptr<ZELLockFileInstanceCheck> own;
        QMutexLocker locker(&defaultsLock);
        if (!own)
            own = std::make_unique<ZELLockFileInstanceCheck>();
        return own.get();
    });
}

ZELSystemFolders *ZELPlatform::systemFolders()
{
    return installedOr<ZELSystemFolders>(installedSystemFolders, [] () -> ZELSystemFolders * {
        return processWide<ZELStandardFolders>();
    });
}

ZELInputMonitor *ZELPlatform::inputMonitor()
{
    return installedOr<ZELInputMonitor>(installedInputMonitor, [] () -> ZELInputMonitor * {
        return applicationOwned(ownInputMonitor);
    });
}

ZELSoundRecorder *ZELPlatform::soundRecorder()
{
    return installedOr<ZELSoundRecorder>(installedSoundRecorder, [] () -> ZELSoundRecorder * {
        return applicationOwned(ownSoundRecorder);
    });
}

ZELSoundPlayer *ZELPlatform::soundPlayer()
{
    return installedOr<ZELSoundPlayer>(installedSoundPlayer, [] () -> ZELSoundPlayer * {
        return applicationOwned(ownSoundPlayer);
    });
}

ZELDesktopServices *ZELPlatform::desktopServices()
{
    return installedOr<ZELDesktopServices>(installedDesktopServices, [] () -> ZELDesktopServices * {
        return processWide<ZELQtDesktopServices>();
    });
}

ZELScreenGrabber *ZELPlatform::screenGrabber()
{
    return installedOr<ZELScreenGrabber>(installedScreenGrabber, [] () -> ZELScreenGrabber * {
        return processWide<ZELQtScreenGrabber>();
    });
}

ZELChoosers *ZELPlatform::choosers()
{
    return installedOr<ZELChoosers>(installedChoosers, [] () -> ZELChoosers * {
        return processWide<ZELQtChoosers>();
    });
}

void ZELPlatform::setInstanceCheck(ZELInstanceCheck *layer) { installedInstanceCheck.store(layer); }
void ZELPlatform::setSystemFolders(ZELSystemFolders *layer) { installedSystemFolders.store(layer); }
void ZELPlatform::setInputMonitor(ZELInputMonitor *layer) { installedInputMonitor.store(layer); }
void ZELPlatform::setSoundRecorder(ZELSoundRecorder *layer) { installedSoundRecorder.store(layer); }
void ZELPlatform::setSoundPlayer(ZELSoundPlayer *layer) { installedSoundPlayer.store(layer); }
void ZELPlatform::setDesktopServices(ZELDesktopServices *layer) { installedDesktopServices.store(layer); }
void ZELPlatform::setScreenGrabber(ZELScreenGrabber *layer) { installedScreenGrabber.store(layer); }
void ZELPlatform::setChoosers(ZELChoosers *layer) { installedChoosers.store(layer); }

ZELFilePermissions *ZELPlatform::filePermissions()
{
    return installedOr<ZELFilePermissions>(installedFilePermissions, [] () -> ZELFilePermissions * {
        return processWide<ZELQtFilePermissions>();
    });
}

void ZELPlatform::setFilePermissions(ZELFilePermissions *layer) { installedFilePermissions.store(layer); }

ZELSystemTray *ZELPlatform::systemTray()
{
    return installedOr<ZELSystemTray>(installedSystemTray, [] () -> ZELSystemTray * {
        return processWide<ZELQtSystemTray>();
    });
}

void ZELPlatform::setSystemTray(ZELSystemTray *layer) { installedSystemTray.store(layer); }

QString ZELPlatform::dataFolder()
{
    return systemFolders()->applicationDataFolder() + QStringLiteral("/ZEL");
}
