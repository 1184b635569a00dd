#include "core/zelclient.h"

#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSettings>

#include "platform/zelplatform.h"
#include "platform/zelscreengrabber.h"
#include "style/zelplainstyle.h"

void ZELClient::displayClientWidget()
{
    // With a stored server the connection starts before the window shows;
    // on a first run the window is up before the server dialog opens over it.
    if (m_preferencesFile.exists()) {
        connectToSocket();
        createSubDialogForSignOut();
    } else {
        createSubDialogForSignOut();
        connectToSocket();
    }
}

void ZELClient::connectToSocket()
{
    if (m_preferencesFile.exists()) {
        readUserList();
        // The one user who signs in by himself shows on the sign-in page as
        // his automatic sign-in fills it: a server out of reach leaves him
        // there, ready for Sign In. The sign-in itself waits for the banner.
        const QStringList &entries = m_autoLoginList;
        if (entries.size() == 3 && entries.at(1) == QLatin1String("TRUE") && !entries.at(2).isEmpty())
            selectAutoLoginUser(entries);
    } else
        getHostNameAndPortValue();
}

void ZELClient::createSubDialogForSignOut()
{
    m_signOutOverlay = new QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    ZELPlainStyle::setOn(m_signOutOverlay);

    m_trayIcon->show();

    QSettings settings(QStringLiteral("VORLIX"), QStringLiteral("ZEL Chat"));
    settings.beginGroup(QStringLiteral("MainWindow"));
    move(settings.value(QStringLiteral("pos"), QPoint(200, 200)).toPoint());
    settings.endGroup();

    show();
}

void ZELClient::showGrayScaleWidget()
{
    const QRect area(x() + 8, y() + 34, width() - 8, height() - 9);
    QPixmap grabbed = ZELPlatform::screenGrabber()->grabDesktop(area);
    QImage image = grabbed.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < image.height(); ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            const int grey = qGray(line[column]);
            line[column] = qRgba(grey, grey, grey, qAlpha(line[column]));
        }
    }
    const QPixmap greyed = QPixmap::fromImage(image);
    QPalette pal = m_signOutOverlay->palette();
    pal.setBrush(QPalette::Window, QBrush(greyed));
    if (!greyed.isNull())
        m_signOutOverlay->setMask(greyed.mask());
    m_signOutOverlay->setPalette(pal);
    m_signOutOverlay->setGeometry(area);
    m_signOutOverlay->setWindowModality(Qt::ApplicationModal);
    m_signOutOverlay->show();
}
