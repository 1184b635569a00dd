#include "core/zelclient.h"

#include <QAction>
#include <QEvent>
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

// Nobody sees the line while the window is hidden or minimised: the scroll
// pauses on its first step there and goes on when the window shows again.
class MarqueePause : public QObject
{
public:
    explicit MarqueePause(ZELClient &client) : QObject(&client), m_client(client)
    {
        setObjectName(QStringLiteral("zelMarqueePause"));
        client.installEventFilter(this);
    }

    bool paused = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (paused && (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)
            && m_client.isVisible() && !m_client.isMinimized()) {
            paused = false;
            m_client.m_textScrollTimer->start(30);
        }
        return false;
    }

private:
    ZELClient &m_client;
};

MarqueePause *marqueePause(ZELClient &client)
{
    // Found by name: the class has no meta-object of its own to find it by.
    QObject *pause = client.findChild<QObject *>(QStringLiteral("zelMarqueePause"), Qt::FindDirectChildrenOnly);
    return pause ? static_cast<MarqueePause *>(pause) : new MarqueePause(client);
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
    if (m_textScrollTimer->isActive() && (!isVisible() || isMinimized())) {
        m_textScrollTimer->stop();
        marqueePause(*this)->paused = true;
        return;
    }
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
