#include "core/zelclient.h"

#include "mainwindow/zelpopup.h"
#include "style/zeltextbounds.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

void ZELClient::showPasswordProtectPopup(QString key, QString senderName)
{
    ZELPopup *popup = m_notificationPopup.get();
    if (!popup || popup->isVisible())
        return;
    const QString text = QStringLiteral("<br><br><font color=") + QStringLiteral("#C34A2C")
                         + QStringLiteral("><b>&nbsp;&nbsp;&nbsp;&nbsp;You have received a password <br>"
                                          "&nbsp;&nbsp;&nbsp;&nbsp;protected message from ")
                         + ZELTextBounds::shownName(senderName).toHtmlEscaped() + QStringLiteral("</b></font>");
    // A click on the pop-up brings this chat window forward.
    m_popupChatUser = key;
    popup->m_messageLabel->setText(text);
    popup->m_messageLabel->setCursor(Qt::PointingHandCursor);
    QTimer::singleShot(3000, this, &ZELClient::popupChatHideSlot);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->geometry().size() : QSize(1024, 768);
    const int y = desktop.height() - 150;
    popup->setGeometry(desktop.width() - 200, y, 300, 90);
    popup->m_noticeLabel->hide();
    popup->m_messageLabel->show();
    popup->show();
    if (!m_screenCaptureActive) {
        for (int i = 0; i < 350; ++i)
            popup->move(desktop.width() - i, y);
    }
}

void ZELClient::sendPwdMessageStatus(QStringList &request)
{
    convertXMLSendToServer(request);
}
