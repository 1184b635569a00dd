#include "core/zelclient.h"

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int MarqueeStartX = 290;
constexpr int MarqueeY = 525;
constexpr int MarqueeGap = 10;

QFont marqueeFont()
{
    return QFont(QStringLiteral("verdana"), 11);
}

// Measures the text and sizes the label to it; the scroll starts at the right.
void prepareMarquee(ZELClient &client)
{
    const QFontMetrics metrics(marqueeFont());
    client.m_marqueeTextWidth = metrics.horizontalAdvance(client.m_marqueeText);
    client.m_animateText->setText(client.m_marqueeText);
    const QRect old = client.m_animateText->geometry();
    client.m_animateText->setGeometry(old.x(), old.y(), client.m_marqueeTextWidth + MarqueeGap, metrics.height());
    client.m_marqueeSpan = client.m_marqueeTextWidth + MarqueeGap;
    client.m_marqueeX = MarqueeStartX;
    client.m_marqueeY = MarqueeY;
}

} // namespace

void ZELClient::rotateSystemTrayIcon()
{
    const QIcon frame(QStringLiteral(":images/icon") + QString::number(m_trayAnimationFrame) + QStringLiteral(".png"));
    m_trayIcon->setIcon(frame);
    setWindowIcon(frame);
    m_trayAnimationFrame = m_trayAnimationFrame >= 3 ? 0 : m_trayAnimationFrame + 1;
}

void ZELClient::movingText()
{
    prepareMarquee(*this);
    m_textScrollTimer->start(30);
}

void ZELClient::textScrolling()
{
    // The sign-in may have put a new text into the label and started the
    // timer itself: measure the new text before its first step.
    if (m_animateText->text() != m_marqueeText) {
        m_marqueeText = m_animateText->text();
        prepareMarquee(*this);
    }
    --m_marqueeX;
    if (m_marqueeX > -m_marqueeSpan)
        m_animateText->move(m_marqueeX, m_marqueeY);
    else
        m_marqueeX = MarqueeStartX;
}

void ZELClient::trayIconSignInSlot()
{
    if (m_signInAction->text() == QLatin1String("Sign Out")) {
        fileMenuSignOut();
        return;
    }
    raise();
    showNormal();
    verifyAccountInfo();
}

void ZELClient::showConnectedTrayMessage()
{
    const QSystemTrayIcon::MessageIcon icon = m_connectionStateText == QLatin1String("Connected")
                                                  ? QSystemTrayIcon::Information
                                                  : QSystemTrayIcon::Critical;
    m_trayIcon->showMessage(QStringLiteral("ZEL"), m_connectionStateText, icon, 15000);
}

void ZELClient::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        if (isMinimized()) {
            showNormal();
            activateWindow();
        } else if (isHidden()) {
            trayIconMaximizedSlot();
        } else {
            activateWindow();
        }
        break;
    case QSystemTrayIcon::MiddleClick:
        showConnectedTrayMessage();
        break;
    default:
        break;
    }
}
