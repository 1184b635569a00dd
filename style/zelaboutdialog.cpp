#include "style/zelaboutdialog.h"

#include "style/zelframelesshelper.h"
#include "style/zellinkrule.h"
#include "style/zelstyle.h"
#include "style/zelplainstyle.h"

#include <QCloseEvent>
#include <QEvent>
#include <QIcon>

ZELAboutDialog::ZELAboutDialog(QWidget *parent)
    : QDialog(parent)
{
    windowSettings();
    signalsAndSlots();
    setZELStyle();
}

ZELAboutDialog::~ZELAboutDialog() = default;

QString ZELAboutDialog::logoHoverStyleSheet()
{
    return QStringLiteral("border: 1px solid gray; border-radius: 5px;padding: 1px1px;"
                          "background-color:qconicalgradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5,"
                          "stop: 0 #1891D0, stop: 1 white);");
}

void ZELAboutDialog::windowSettings()
{
    setupUi(this);
    setWindowIcon(QIcon(loadCachedPixmap(QStringLiteral(":images/icon.png"))));
    setParent(parentWidget(), Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    m_applicationLogoLabel->installEventFilter(this);
    m_applicationLogoLabel->setPixmap(loadCachedPixmap(QStringLiteral(":images/ZEL_logo.png")));
    ZELLinkRule::routeLinks(label_3);
}

void ZELAboutDialog::signalsAndSlots()
{
    connect(m_aboutCloseButton, &QPushButton::clicked, this, &QWidget::close);
    // The frame's close button is wired by the frame helper. Escape ends the
    // dialog without a close event: it must not leave a hidden box behind.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void ZELAboutDialog::setZELStyle()
{
    // The box keeps the toolkit's plain look; only its Ok button takes the
    // application style.
    ZELPlainStyle::setOn(this);
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::WindowBackground);
}

bool ZELAboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_applicationLogoLabel) {
        if (event->type() == QEvent::Enter)
            m_applicationLogoLabel->setStyleSheet(logoHoverStyleSheet());
        else if (event->type() == QEvent::Leave)
            m_applicationLogoLabel->setStyleSheet(QString());
    }
    return false;
}

void ZELAboutDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}
