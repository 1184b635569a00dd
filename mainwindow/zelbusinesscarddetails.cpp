#include "mainwindow/zelbusinesscarddetails.h"

#include <QBitmap>
#include <QEvent>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>

ZELBusinessCardDetails::ZELBusinessCardDetails(QWidget *parent)
    : QWidget(nullptr)
{
    Q_UNUSED(parent);
    setupUi(this);
    setWindowFlags(Qt::Popup);
    if (QStyle *plain = QStyleFactory::create(QStringLiteral("Windows"))) {
        plain->setParent(this);
        setStyle(plain);
    }
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
