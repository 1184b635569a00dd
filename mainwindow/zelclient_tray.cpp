#include "core/zelclient.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "mainwindow/zelcontactrow.h"

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

bool unseen(const ZELClient &client)
{
    // A window the display does not show (unmapped, on another desktop,
    // iconified by the window manager) is as unseen as a hidden one.
    const QWindow *window = client.windowHandle();
    return !client.isVisible() || client.isMinimized() || !window || !window->isExposed();
}

// Nobody sees the main window while it is hidden, minimised or not exposed:
// the scrolling line pauses (at the latest on its next step), the server's
// banner picture stops turning its frames, and both go on when the window
// shows again. They also rest once keyboard and mouse have been still for a
// while, and go on at the next key or move.
class MarqueePause : public QObject
{
public:
    explicit MarqueePause(ZELClient &client) : QObject(&client), m_client(client)
    {
        setObjectName(QStringLiteral("zelMarqueePause"));
        client.installEventFilter(this);
        watchWindow();
        m_sinceInput.start();
    }

    // One sample of the activity monitor: whether a key or the cursor moved.
    void noteInput(bool input)
    {
        if (input) {
            m_sinceInput.restart();
            if (m_resting) {
                m_resting = false;
                if (!unseen(m_client))
                    resume();
            }
        } else if (m_sinceInput.elapsed() >= m_client.m_marqueeRestMs) {
            m_resting = true;
            pause();
        }
    }

    void pause()
    {
        watchWindow();
        if (m_client.m_textScrollTimer->isActive()) {
            m_client.m_textScrollTimer->stop();
            m_scrollPaused = true;
        }
        QMovie *banner = bannerMovie();
        if (banner && banner->state() == QMovie::Running) {
            banner->setPaused(true);
            m_bannerPaused = banner;
        }
    }

    void resume()
    {
        if (m_resting)
            return;
        if (m_scrollPaused) {
            m_scrollPaused = false;
            m_client.m_textScrollTimer->start(30);
        }
        // Only the banner paused here goes on: a modal dialog may have
        // stopped the animations meanwhile, and a new banner starts itself.
        QMovie *banner = m_bannerPaused;
        m_bannerPaused = nullptr;
        if (banner && banner == bannerMovie() && !m_client.m_animationsPaused
            && banner->state() == QMovie::Paused)
            banner->setPaused(false);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // A window shown is exposed only a moment later: showing resumes at
        // once, and a window left unexposed pauses on the next step or expose.
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            if (!m_client.isVisible() || m_client.isMinimized())
                pause();
            else
                resume();
            break;
        case QEvent::Expose:
            if (unseen(m_client))
                pause();
            else
                resume();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Asked of the banner's label, which forgets a deleted movie: the window
    // hides once more while it is destroyed, after its movies are gone.
    QMovie *bannerMovie() const { return m_client.label ? m_client.label->movie() : nullptr; }

    // The window's exposure arrives at its QWindow, not at the widget.
    void watchWindow()
    {
        QWindow *window = m_client.windowHandle();
        if (window && window != m_window) {
            window->installEventFilter(this);
            m_window = window;
        }
    }

    ZELClient &m_client;
    bool m_scrollPaused = false;
    bool m_resting = false;
    QElapsedTimer m_sinceInput;
    QPointer<QWindow> m_window;
    QPointer<QMovie> m_bannerPaused;
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
    const QIcon frame =
        ZELContactRow::icon(QStringLiteral(":images/icon") + QString::number(m_trayAnimationFrame) + QStringLiteral(".png"));
    m_trayIcon->setIcon(frame);
    setWindowIcon(frame);
    m_trayAnimationFrame = m_trayAnimationFrame >= 3 ? 0 : m_trayAnimationFrame + 1;
}

void ZELClient::watchWhetherSeen()
{
    marqueePause(*this);
}

void ZELClient::noteUserInput(bool input)
{
    marqueePause(*this)->noteInput(input);
}

void ZELClient::movingText()
{
    marqueePause(*this);
    prepareMarquee(*this);
    m_textScrollTimer->start(30);
}

void ZELClient::textScrolling()
{
    if (m_textScrollTimer->isActive() && unseen(*this)) {
        m_textScrollTimer->stop();
        marqueePause(*this)->pause();
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
