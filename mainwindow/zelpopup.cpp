#include "mainwindow/zelpopup.h"
#include "style/zelplainstyle.h"

#include <QBitmap>
#include <QLabel>
#include <QPixmap>
#include <QStyle>

ZELPopup::ZELPopup(QWidget *parent)
    : QWidget(nullptr)
{
    Q_UNUSED(parent);
    // On top and without a frame, but never taking the keyboard or a click
    // meant for the window the user works in.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    ZELPlainStyle::setOn(this);
    setStyleSheet(QStringLiteral("background-image:url(:images/image1.png);"));
    const QPixmap background(QStringLiteral(":images/image1.png"));
    if (!background.isNull())
        setMask(background.mask());

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("m_messageLabel"));
    m_messageLabel->setGeometry(0, 0, 300, 90);
    m_messageLabel->setAlignment(Qt::AlignTop);
    m_noticeLabel = new QLabel(this);
    m_noticeLabel->setObjectName(QStringLiteral("m_noticeLabel"));
    m_noticeLabel->setGeometry(0, 0, 300, 90);
    resize(300, 90);
    hide();
}

// The labels are children and go with the pop-up.
ZELPopup::~ZELPopup() = default;
