#include "platform/zelqtinputmonitor.h"
#include "platform/zelx11keyboard.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

struct KeyCode
{
    int qtKey;
    int virtualKey;
};

// Keys whose code differs from the toolkit's; letters, digits and space share theirs.
constexpr KeyCode keyTable[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13}, {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
    {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24}, {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28}, {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E}, {Qt::Key_Meta, 0x5B},
    {Qt::Key_Menu, 0x5D}, {Qt::Key_NumLock, 0x90}, {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Plus, 0xBB}, {Qt::Key_Equal, 0xBB},
    {Qt::Key_Comma, 0xBC}, {Qt::Key_Minus, 0xBD}, {Qt::Key_Period, 0xBE},
    {Qt::Key_Slash, 0xBF}, {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC}, {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
};

quint64 packPoint(const QPoint &p)
{
    return (quint64(quint32(p.x())) << 32) | quint32(p.y());
}

QPoint unpackPoint(quint64 v)
{
    return QPoint(qint32(quint32(v >> 32)), qint32(quint32(v)));
}

} // namespace

ZELQtInputMonitor::ZELQtInputMonitor(QObject *parent)
    : QObject(parent)
    , m_cursorTimer(this)
{
    m_cursorTimer.setInterval(CursorSampleInterval);
    connect(&m_cursorTimer, &QTimer::timeout, this, &ZELQtInputMonitor::sampleCursor);
}

void ZELQtInputMonitor::attach()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || m_cursorTimer.isActive())
        return;
    app->installEventFilter(this);
    sampleCursor();
    m_cursorTimer.start();
}

quint16 ZELQtInputMonitor::asyncKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey >= KeyCount)
        return 0;
    return m_keys[virtualKey].fetch_and(quint16(~PressedSinceLastRead));
}

QPoint ZELQtInputMonitor::cursorPosition() const
{
    return unpackPoint(m_cursor.load());
}

qint16 ZELQtInputMonitor::keyState(int virtualKey) const
{
    if (virtualKey < 0 || virtualKey >= KeyCount)
        return 0;
    // High bit: held down now; low bit: toggled on (known for Caps Lock only).
    quint16 state = m_keys[virtualKey].load() & KeyDown;
    if (virtualKey == CapsLockKey && capsLockOn())
        state |= 0x0001;
    return qint16(state);
}

void ZELQtInputMonitor::setLedFolder(const QString &folder)
{
    m_ledFolder = folder;
}

bool ZELQtInputMonitor::capsLockOn() const
{
    // On X the server's lock state is the one that counts (the display may be
    // remote or virtual); elsewhere the local keyboard's LED is all there is.
    if (const std::optional<bool> x11 = ZELX11Keyboard::capsLockOn())
        return *x11;
    return capsLockLedOn();
}

bool ZELQtInputMonitor::capsLockLedOn() const
{
    const QStringList leds = QDir(m_ledFolder).entryList({QStringLiteral("*::capslock")},
                                                         QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &led : leds) {
        QFile brightness(m_ledFolder + '/' + led + QStringLiteral("/brightness"));
        if (brightness.open(QIODevice::ReadOnly) && brightness.readAll().trimmed().toInt() > 0)
            return true;
    }
    return false;
}

int ZELQtInputMonitor::virtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        || qtKey == Qt::Key_Space)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + (qtKey - Qt::Key_F1);
    for (const KeyCode &code : keyTable) {
        if (code.qtKey == qtKey)
            return code.virtualKey;
    }
    return OtherKey;
}

int ZELQtInputMonitor::virtualKeyOfButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 0x01;
    case Qt::RightButton: return 0x02;
    case Qt::MiddleButton: return 0x04;
    case Qt::BackButton: return 0x05;
    case Qt::ForwardButton: return 0x06;
    default: return OtherKey;
    }
}

bool ZELQtInputMonitor::eventFilter(QObject *watched, QEvent *event)
{
    // The same event passes here once per receiver on its way up; recording it
    // again is harmless.
    switch (event->type()) {
    case QEvent::KeyPress:
        press(virtualKeyOf(static_cast<QKeyEvent *>(event)->key()));
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            release(virtualKeyOf(static_cast<QKeyEvent *>(event)->key()));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        press(virtualKeyOfButton(mouse->button()));
        storeCursor(mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        release(virtualKeyOfButton(mouse->button()));
        storeCursor(mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseMove:
        storeCursor(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ZELQtInputMonitor::press(int virtualKey)
{
    m_keys[virtualKey].store(KeyDown | PressedSinceLastRead);
}

void ZELQtInputMonitor::release(int virtualKey)
{
    m_keys[virtualKey].fetch_and(quint16(~KeyDown));
}

void ZELQtInputMonitor::storeCursor(const QPoint &position)
{
    m_cursor.store(packPoint(position));
}

void ZELQtInputMonitor::sampleCursor()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    storeCursor(QCursor::pos());
    if (const std::optional<ZELX11Keyboard::Keymap> keys = ZELX11Keyboard::keysDown())
        takeKeysDown(*keys);
}

void ZELQtInputMonitor::takeKeysDown(const std::array<quint8, 32> &keys)
{
    bool anyDown = false;
    bool newlyDown = false;
    for (size_t i = 0; i < keys.size(); ++i) {
        anyDown = anyDown || keys[i] != 0;
        newlyDown = newlyDown || (keys[i] & ~m_keysDown[i]) != 0;
    }
    m_keysDown = keys;
    if (newlyDown)
        press(OtherKey);
    else if (!anyDown)
        release(OtherKey);
}
