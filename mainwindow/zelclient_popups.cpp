#include "core/zelclient.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "chat/zelchatwindow.h"
#include "style/zellinkrule.h"
#include "protocol/zelparsedmessage.h"
#include "style/zeltextbounds.h"
#include "protocol/zelsettingslists.h"
#include "mainwindow/zelbusinesscarddetails.h"
#include "mainwindow/zelpopup.h"
#include "media/zelvoicemailinbox.h"

namespace {

const QString Highlight = QStringLiteral("#C34A2C");
const QString Indent = QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");

QSize desktopSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

// The slides are plain one-pixel loops, as fast as the window system repaints.
void slideIn(QWidget *window, int y, int distance)
{
    const int width = desktopSize().width();
    for (int i = 0; i < distance; ++i)
        window->move(width - i, y);
}

void slideOut(QWidget *window, int y, int distance)
{
    const int width = desktopSize().width();
    for (int i = distance; i >= 1 && window->isVisible(); --i)
        window->move(width - i, y);
}

int toastY()
{
    return desktopSize().height() - 110;
}

int popupY()
{
    return desktopSize().height() - 150;
}

// A long chat line gets a break and an indent every 40 characters.
QString withLineBreaks(const QString &text)
{
    if (text.size() <= 40)
        return text;
    QString broken;
    for (int at = 0; at < text.size(); at += 40) {
        if (at > 0)
            broken += QStringLiteral("<br>") + Indent;
        broken += text.mid(at, 40);
    }
    return broken;
}

} // namespace

void ZELClient::raisePopUp(QString name, QString status)
{
    QTimer::singleShot(3000, this, &ZELClient::popupHideSlot);
    const QSize desktop = desktopSize();
    ZELBusinessCardDetails *toast = m_businessCardPopup.get();
    toast->setGeometry(desktop.width() - 200, toastY(), 200, 70);
    const bool online = status == QLatin1String("Online");
    toast->setBackgroundPicture(online ? QStringLiteral(":images/status_img.png")
                                       : QStringLiteral(":images/status_offline.png"));
    toast->m_businessCardUserNameLable->setText(QStringLiteral("<b>") + ZELTextBounds::shownName(name).toHtmlEscaped());
    toast->m_businessCardDepartment->setText(online ? QStringLiteral("<font color = 'green'><b>Online")
                                                    : QStringLiteral("<font color = 'red'><b>Logout"));
    toast->m_businessCardLoginId->clear();
    toast->m_businessCardStatus->clear();
    toast->show();
    if (!m_screenCaptureActive)
        slideIn(toast, toastY(), 250);
}

void ZELClient::popupHideSlot()
{
    ZELBusinessCardDetails *toast = m_businessCardPopup.built();
    if (!toast)
        return; // never raised
    if (!m_screenCaptureActive)
        slideOut(toast, toastY(), 250);
    if (toast->isVisible() && !toast->underMouse())
        toast->close();
}

void ZELClient::hidePopUp()
{
    if (m_businessCardPopup.isVisible() && !m_businessCardPopup->underMouse())
        m_businessCardPopup->close();
}

void ZELClient::showChatPopupWidget(QStringList message, QString fullSenderName)
{
    ZELPopup *popup = m_notificationPopup.get();
    if (popup->isVisible())
        return;
    // A preview: the name and the start of the message, never the whole of a long one.
    // The name goes into the pop-up's markup; the message is markup already.
    const QString senderName = ZELTextBounds::shownName(fullSenderName).toHtmlEscaped();
    const auto preview = [&](int position) { return ZELTextBounds::shownLine(messageValue(message, position)); };
    const QString type = messageValue(message, 0);
    const bool hasValues = message.size() > 6;
    const QString heading = QStringLiteral("<br><font color=") + Highlight + QStringLiteral("><b>") + Indent
                            + senderName + QStringLiteral(" says ::</b></font>");
    QString text;

    auto picturePreview = [&] {
        QString html = ZELTextBounds::breakableHtml(messageValue(message, 3), ZELTextBounds::LineLength);
        int at = -1;
        for (const char *extension : {".jpg", ".png", ".gif", ".bmp"}) {
            at = html.indexOf(QLatin1String(extension));
            if (at >= 0)
                break;
        }
        html.insert(qMin(at + 6, int(html.size())), QStringLiteral("width='60' height='50'"));
        m_popupChatUser = messageValue(message, 2);
        text = heading + Indent + html;
    };

    if (type == QLatin1String("CHAT") && hasValues) {
        if (messageValue(message, 5).isEmpty()) {
            m_popupChatUser = messageValue(message, 2);
            QString body = withLineBreaks(preview(7));
            body.replace(QLatin1Char('?'), QStringLiteral(":)"));
            text = QStringLiteral("<br>") + Indent + QStringLiteral("<font color=") + Highlight + QStringLiteral("><b>")
                   + senderName + QStringLiteral(" says ::</b></font>") + QStringLiteral("<br>") + Indent + body;
        } else {
            picturePreview();
        }
    } else if (type == QLatin1String("CONFERENCECHATMESSAGE") && hasValues) {
        if (messageValue(message, 5).isEmpty()) {
            m_popupChatUser = messageValue(message, 2);
            const QString raw = preview(7);
            QString body = withLineBreaks(raw);
            body.remove(QLatin1Char('?'));
            if (raw.contains(QLatin1Char('?')))
                body += QStringLiteral(" :) ");
            text = heading + QStringLiteral("<br>") + Indent + body;
        } else {
            picturePreview();
        }
    } else if (type == QLatin1String("FTPREADY") || type == QLatin1String("CONFERENCECHATFTPREADY")) {
        text = QStringLiteral("<br><br><font color=") + Highlight + QStringLiteral("><b>") + Indent
               + QStringLiteral("You have received a file from <br>") + Indent + senderName + QStringLiteral("</b></font>");
        m_popupChatUser = messageValue(message, 2);
    }
    if (text.isEmpty())
        return;

    // The label would read any picture the peer names.
    popup->m_messageLabel->setText(ZELLinkRule::withoutForeignPictures(text));
    QTimer::singleShot(3000, this, &ZELClient::popupChatHideSlot);
    popup->m_messageLabel->setCursor(Qt::PointingHandCursor);
    popup->setGeometry(desktopSize().width() - 200, popupY(), 300, 90);
    popup->m_noticeLabel->hide();
    popup->m_messageLabel->show();
    popup->show();
    if (!m_screenCaptureActive)
        slideIn(popup, popupY(), 350);
}

void ZELClient::popupChatHideSlot()
{
    ZELPopup *popup = m_notificationPopup.get();
    if (!m_screenCaptureActive && !popup->underMouse())
        slideOut(popup, popupY(), 350);
    if (popup->isVisible() && !popup->underMouse())
        popup->close();
}

void ZELClient::showChatWidgetPopup()
{
    ZELPopup *popup = m_notificationPopup.get();
    const QString text = popup->m_messageLabel->text();
    popup->close();
    ZELChatWindow *window = m_chatWindows.value(m_popupChatUser);
    if (!window)
        return;
    const QString head = text.section(QStringLiteral("says"), 0, 0);
    if (!head.contains(m_popupChatUser) && text.contains(QLatin1String("You have received a password"))) {
        auto *password = window->findChild<QLineEdit *>(QStringLiteral("m_passwordLineEdit"));
        if (password && password->parentWidget()) {
            password->parentWidget()->show();
            password->setFocus();
        }
    }
    window->restoreWindowState();
    if (text.contains(QLatin1String("You have received a file from")))
        window->Chat->setCurrentIndex(2);
}

void ZELClient::showVoiceMailPopup(QString text)
{
    ZELPopup *popup = m_notificationPopup.get();
    QTimer::singleShot(4000, this, &ZELClient::popupLoginHideSlot);
    popup->setCursor(Qt::PointingHandCursor);
    popup->setGeometry(desktopSize().width() - 200, popupY(), 300, 90);
    popup->m_noticeLabel->setAlignment(m_noticeAlignTop ? Qt::Alignment(Qt::AlignTop)
                                                        : Qt::Alignment(Qt::AlignCenter));
    popup->m_noticeLabel->setText(text);
    popup->m_messageLabel->hide();
    popup->m_noticeLabel->show();
    popup->show();
    // A notice slides in even during a screen capture.
    slideIn(popup, popupY(), 350);
    m_noticeAlignTop = false;
}

void ZELClient::popupLoginHideSlot()
{
    ZELPopup *popup = m_notificationPopup.get();
    if (popup->underMouse())
        return;
    slideOut(popup, popupY(), 350);
    if (!popup->isVisible() || popup->underMouse())
        return;
    const QString closed = popup->m_noticeLabel->text();
    popup->close();

    // The notices after sign-in follow one another.
    if (m_newVoiceMailCount > 0 && closed.contains(QLatin1String("Offline Message(s)"))) {
        if (m_notificationSettings.value(ZELNotificationList::SendsVoiceMail) == QLatin1String("TRUE"))
            showVoiceMailPopup(QStringLiteral("<b><font color = '#C34A2C'>You have received ")
                               + QString::number(m_newVoiceMailCount) + QStringLiteral(" new Voice Mail(s)<b>"));
    } else if (m_newVoiceMailCount > 0 && m_requestedCount > 0 && closed.contains(QLatin1String("Voice Mail(s)"))) {
        showVoiceMailPopup(QStringLiteral("<font color='#C34A2C'><b>You have received ")
                           + QString::number(m_requestedCount) + QStringLiteral(" add contact request</b></font>"));
    }
}

void ZELClient::showVoiceMailOfflineMessageWindow()
{
    ZELPopup *popup = m_notificationPopup.get();
    const QString text = popup->m_noticeLabel->text();
    if (popup->isVisible())
        popup->close();
    if (text.contains(QLatin1String("Offline Message(s)")) || text.contains(QLatin1String("new files(s)"))) {
        generateWindow();
    } else if (text.contains(QLatin1String("Voice Mail(s)"))) {
        showVoiceMailInboxDialog();
    } else if (text.contains(QLatin1String("add contact request"))) {
        requestedAddContactWindow();
    }
}

bool ZELClient::popupLabelEvent(QObject *watched, QEvent *event)
{
    ZELPopup *popup = m_notificationPopup.get();
    if (!popup || (watched != popup->m_messageLabel && watched != popup->m_noticeLabel))
        return false;
    if (event->type() == QEvent::Leave) {
        slideOut(popup, popupY(), 350);
        popup->close();
    } else if (event->type() == QEvent::MouseButtonPress && popup->underMouse()) {
        if (watched == popup->m_messageLabel)
            showChatWidgetPopup();
        else
            showVoiceMailOfflineMessageWindow();
    }
    return false;
}

void ZELClient::showExampleNotification(QString &which)
{
    const QString start = QStringLiteral("<font color=") + Highlight + QStringLiteral("><b>");
    if (which == QLatin1String("OnlinePopup") || which == QLatin1String("OfflinePopup")) {
        const bool online = which == QLatin1String("OnlinePopup");
        ZELBusinessCardDetails *toast = m_businessCardPopup.get();
        QTimer::singleShot(4000, this, &ZELClient::popupHideSlot);
        toast->setGeometry(desktopSize().width() - 200, toastY(), 200, 70);
        toast->setBackgroundPicture(online ? QStringLiteral(":images/status_img.png")
                                           : QStringLiteral(":images/status_offline.png"));
        toast->m_businessCardUserNameLable->setText(QStringLiteral("<b>xxx</b>"));
        toast->m_businessCardDepartment->setText(online ? QStringLiteral("<font color = 'green'><b>Online</b>")
                                                        : QStringLiteral("<font color = 'red'><b>Logout</b>"));
        toast->m_businessCardLoginId->clear();
        toast->m_businessCardStatus->clear();
        toast->show();
        slideIn(toast, toastY(), 250);
    } else if (which == QLatin1String("FilePopup")) {
        m_noticeAlignTop = true;
        showVoiceMailPopup(QStringLiteral("<br><br>") + start + Indent + QStringLiteral("You have received a file from <br>")
                           + Indent + QStringLiteral("xxx</b></font>"));
    } else if (which == QLatin1String("NewMessagePopup")) {
        m_noticeAlignTop = true;
        showVoiceMailPopup(QStringLiteral("<br><br>") + start + Indent + QStringLiteral("xxx says ::</b></font>")
                           + QStringLiteral("<br><br>") + Indent + QStringLiteral("Hi <img src = 'Smileys/Grin.png'>"));
    } else if (which == QLatin1String("OfflineMessagePopup")) {
        showVoiceMailPopup(start + QStringLiteral("You have received 5 new offline messages <br>&nbsp;& &nbsp;2 files</b></font>"));
    } else {
        showVoiceMailPopup(start + QStringLiteral("You have received 2 new voice mails</b></font>"));
    }
}
