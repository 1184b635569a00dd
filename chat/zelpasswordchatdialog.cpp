#include "chat/zelpasswordchatdialog.h"
#include "style/zelsharedsheet.h"

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"

#include <QCloseEvent>
#include <QColor>
#include <QIcon>
#include <QScrollBar>

ZELPasswordChatDialog::ZELPasswordChatDialog(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    defaultSettings();
    initializeMemberVariables();
    setZELStyle();
}

ZELPasswordChatDialog::~ZELPasswordChatDialog() = default;

QString ZELPasswordChatDialog::banner()
{
    return QStringLiteral("<table bgcolor = ") + QColor(240, 255, 255).name()
           + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' align='center'><h3><b>"
                            "<font color = 'blue'><img src = ':images/unlock.gif' width='20' height='20'>&nbsp;"
                            "Password Protected Message</font></h3></b></td></tr></table>");
}

void ZELPasswordChatDialog::windowSettings(QWidget *parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    // Frame pieces, background, drag by the title, the resize corner and the mask.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground);
    m_frame->setParentWindow(parent, Qt::Dialog);
    setWindowModality(Qt::WindowModal);
}

void ZELPasswordChatDialog::signalsAndSlots()
{
    // The frame helper wires m_closeButton to close().
    connect(m_cancelButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_replyButton, &QAbstractButton::clicked, this, &ZELPasswordChatDialog::onReplyButtonClicked);
}

void ZELPasswordChatDialog::defaultSettings()
{
    m_closeButton->installEventFilter(this);
    installEventFilter(this);
    m_passwordTextBrowser->setHtml(banner());
}

void ZELPasswordChatDialog::initializeMemberVariables()
{
    m_dragging = false;
    m_resizing = false;
}

void ZELPasswordChatDialog::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    for (QWidget *w : {static_cast<QWidget *>(m_passwordTextBrowser),
                       static_cast<QWidget *>(m_passwordTextBrowser->horizontalScrollBar()),
                       static_cast<QWidget *>(m_passwordTextBrowser->verticalScrollBar())})
        ZELSharedSheet::setFitted(w, sheet);
}

void ZELPasswordChatDialog::onReplyButtonClicked()
{
    emit replyPasswordProtectedMessageSignal();
    close();
}

bool ZELPasswordChatDialog::eventFilter(QObject *, QEvent *)
{
    // The close button's hover pictures are the frame helper's; nothing is taken.
    return false;
}

void ZELPasswordChatDialog::mousePressEvent(QMouseEvent *event)
{
    m_dragging = m_frame->isDragging();
    m_resizing = m_frame->isResizing();
    QDialog::mousePressEvent(event);
}

void ZELPasswordChatDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    m_resizing = false;
    QDialog::mouseReleaseEvent(event);
}

void ZELPasswordChatDialog::mouseMoveEvent(QMouseEvent *event)
{
    m_dragPosition = m_frame->dragPosition();
    QDialog::mouseMoveEvent(event);
}

void ZELPasswordChatDialog::closeEvent(QCloseEvent *event)
{
    deleteLater();
    event->accept();
}
