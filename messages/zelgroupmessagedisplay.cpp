#include "messages/zelgroupmessagedisplay.h"
#include "style/zelsharedsheet.h"

#include <QCloseEvent>
#include <QColor>
#include <QDateTime>
#include <QScrollBar>

#include "protocol/zelparsedmessage.h"
#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"
#include "style/zeltextbounds.h"

namespace {

enum GroupMessageValue { Body = 2, Sender = 4 };

} // namespace

ZELGroupMessageDisplay::ZELGroupMessageDisplay()
    : QWidget(nullptr)
{
    windowSettings();
    signalsAndSlots();
    m_gMessageTextBrowser->setHtml(
        QStringLiteral("<table bgcolor = ") + QColor(240, 255, 255).name()
        + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='100%' align='center'><h3><b>"
                         "<font color = 'blue'><img src = ':images/groupChat.png' width='20' height='20'>"
                         "&nbsp;Group Message</font></h3></b></td></tr></table>"));
    setZELStyle();
}

ZELGroupMessageDisplay::~ZELGroupMessageDisplay() = default;

void ZELGroupMessageDisplay::windowSettings()
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/groupChat.png")));
    setWindowFlags(Qt::WindowMinimizeButtonHint);
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner | ZELFramelessHelper::WindowBackground);
}

void ZELGroupMessageDisplay::signalsAndSlots()
{
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_minimizeButton, &QPushButton::clicked, this, &ZELGroupMessageDisplay::minimizedWindow);
}

void ZELGroupMessageDisplay::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);
    ZELMainWindowLook::setPlainStyle(m_minimizeButton);
    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    for (QWidget *w : {static_cast<QWidget *>(m_gMessageTextBrowser),
                       static_cast<QWidget *>(m_gMessageTextBrowser->horizontalScrollBar()),
                       static_cast<QWidget *>(m_gMessageTextBrowser->verticalScrollBar())})
        ZELSharedSheet::setFitted(w, sheet);
}

QString ZELGroupMessageDisplay::headingHtml(const QString &sender, const QString &time)
{
    return QStringLiteral("<table bgcolor = ") + QColor(240, 248, 255).name()
        + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'><font color=Chocolate><b>")
        + ZELTextBounds::shownName(sender).toHtmlEscaped()
        + QStringLiteral(" says ::</td><td width='20%' align='right'><font color=darkgray><b>") + time
        + QStringLiteral("</td></tr></table>");
}

void ZELGroupMessageDisplay::showGroupMessageDialog(QStringList message)
{
    const QString sender = messageValue(message, Sender);
    // Always the 12-hour form, whatever the chat windows use.
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss ap"));
    m_gMessageTextBrowser->append(headingHtml(sender, time));
    m_gMessageTextBrowser->appendMessage(messageValue(message, Body));
    m_title = QStringLiteral("Group Message received from ")
              + ZELTextBounds::elided(sender, ZELTextBounds::TitleNameLength);
    showTitle();
}

void ZELGroupMessageDisplay::setWaitingCount(qsizetype waiting)
{
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    showTitle();
}

void ZELGroupMessageDisplay::showTitle()
{
    const QString title = m_waiting > 0 ? m_title + QStringLiteral(" (") + QString::number(m_waiting)
                                              + QStringLiteral(" more waiting)")
                                        : m_title;
    setWindowTitle(title);
    m_logoLabel->setText(title);
}

void ZELGroupMessageDisplay::minimizedWindow()
{
    showMinimized();
}

void ZELGroupMessageDisplay::closeEvent(QCloseEvent *event)
{
    emit groupMessageDialogCloseSignal(this);
    event->accept();
    deleteLater();
}
