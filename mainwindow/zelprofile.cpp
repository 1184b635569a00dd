#include "mainwindow/zelprofile.h"
#include "style/zelplainstyle.h"

#include <QCloseEvent>
#include <QEvent>
#include <QStyle>

const char *const ZELProfile::PhotoFrameStyle =
    "border: 1px solid gray; border-radius: 5px;padding: 1px1px;background-color:qconicalgradient("
    "x1: 0, y1: 0, x2: 0.5, y2: 0.5,stop: 0 #1891D0, stop: 1 white);";

namespace {

const char *const stripStyle =
    "background-color:qconicalgradient(cx:0.488, cy:0.527711, angle:0, stop:0.0518207 rgba(231, 245, 247, 255), "
    "stop:0.238095 rgba(241, 242, 247, 130), stop:0.24037 rgba(254, 255, 247, 69), "
    "stop:0.374422 rgba(210, 241, 247, 145), stop:0.451613 rgba(210, 241, 247, 208), "
    "stop:0.513324 rgba(210, 241, 247, 130), stop:0.650771 rgba(170, 255, 255, 130), "
    "stop:0.719495 rgba(170, 255, 255, 69));";

} // namespace

ZELProfile::ZELProfile()
    : QWidget(nullptr)
{
    windowSettings();
    setZELStyle();
}

ZELProfile::~ZELProfile() = default;

void ZELProfile::windowSettings()
{
    setupUi(this);
    installEventFilter(this);
    m_userPixmap->installEventFilter(this);
    m_userPixmap->setScaledContents(true);
    m_userPixmap->setPixmap(QPixmap(QStringLiteral(":images/userimage.png")));
    connect(m_menuToolButton, &QToolButton::clicked, this, &ZELProfile::showProfileMenu);
    m_defaultPicture = false;
}

void ZELProfile::setZELStyle()
{
    // The card keeps its plain look whatever the application style is.
    ZELPlainStyle::setOn(this);
    m_frameBoxControl->setStyleSheet(QStringLiteral("border: 1px solid gray;border-radius: 5px;"));
    m_userStatusPixmap->setStyleSheet(QString::fromLatin1(stripStyle));
    m_userPixmap->setStyleSheet(QString::fromLatin1(PhotoFrameStyle));
    m_userName->setStyleSheet(QString::fromLatin1(stripStyle));
}

void ZELProfile::showProfileMenu()
{
    m_menuToolButton->showMenu();
}

bool ZELProfile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_userPixmap) {
        // A photo sits in the gradient frame and turns plain under the
        // pointer; the default picture is framed only under the pointer.
        if (event->type() == QEvent::Enter)
            m_userPixmap->setStyleSheet(m_defaultPicture ? QString::fromLatin1(PhotoFrameStyle)
                                                         : QStringLiteral("border: 1px solid gray; border-radius:5px;"));
        else if (event->type() == QEvent::Leave)
            m_userPixmap->setStyleSheet(m_defaultPicture ? QString() : QString::fromLatin1(PhotoFrameStyle));
    }
    return false;
}

void ZELProfile::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}
