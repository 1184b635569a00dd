#include "mainwindow/zelbusinesscarddetails.h"
#include "style/zelplainstyle.h"

#include <QBitmap>
#include <QEvent>
#include <QPixmap>
#include <QStyle>

ZELBusinessCardDetails::ZELBusinessCardDetails(QWidget *parent)
    : QWidget(nullptr)
{
    Q_UNUSED(parent);
    setupUi(this);
    // On top and without a frame, but never taking the keyboard or a click
    // meant for the window the user works in.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    ZELPlainStyle::setOn(this);
    installEventFilter(this);
    hide();
}

void ZELBusinessCardDetails::setBackgroundPicture(const QString &picture)
{
    const QPixmap background(picture);
    if (background.isNull())
        return;
    QPalette face = palette();
    face.setBrush(QPalette::Window, QBrush(background));
    setPalette(face);
    setAutoFillBackground(true);
    setMask(background.mask());
}

bool ZELBusinessCardDetails::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::Leave)
        close();
    return false;
}
