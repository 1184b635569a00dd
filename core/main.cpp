#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QSplashScreen>

#include "core/zelclient.h"
#include "core/zelruntimefolder.h"
#include "platform/zelinstancecheck.h"
#include "platform/zelplatform.h"
#include "style/zelstyle.h"

// The toolkit's diagnostics are not for the user: drop them all.
static void messageSink(QtMsgType, const QMessageLogContext &, const QString &)
{
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(messageSink);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    // Smileys are read by relative name: from the build or the installed data
    // folder, whatever folder the client was started from.
    ZELRuntimeFolder::enter(QCoreApplication::applicationDirPath());

    // One client per user and data folder: a running one holds the claim,
    // whether its window is shown or hidden to the tray.
    if (ZELPlatform::instanceCheck()->otherInstanceRunning()) {
        QMessageBox::information(nullptr, QStringLiteral("Zembrio"),
                                 QStringLiteral("Already one instance running"),
                                 QMessageBox::Ok, QMessageBox::NoButton);
        QCoreApplication::quit();
        return 0;
    }

    // The splash goes, picture and all, once the main window is up: finish()
    // closes it and it deletes itself.
    auto *splash = new QSplashScreen;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    {
        const QPixmap splashPixmap(QStringLiteral(":images/zel.jpg"));
        splash->setPixmap(splashPixmap);
        QPalette pal = splash->palette();
        pal.setBrush(QPalette::Window, QBrush(splashPixmap));
        if (!splashPixmap.isNull())
            splash->setMask(splashPixmap.mask());
        splash->setPalette(pal);
    }
    splash->setWindowFlags(Qt::SplashScreen);
    splash->show();
    QCoreApplication::processEvents();

    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, true);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
    QApplication::setStyle(new ZELStyle);

    ZELClient *client = new ZELClient;
    splash->finish(client);
    const int code = app.exec();
    delete client;
    return code;
}
