#ifndef ZELQTINPUTMONITOR_H
#define ZELQTINPUTMONITOR_H

#include "platform/zelinputmonitor.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <atomic>

// Input state as the toolkit sees it. The GUI thread records key and mouse-button
// presses through an application-wide event filter and samples the cursor
// once a second; any thread reads the result from atomics. On X the samples
// also take the keys held down on the whole display, so typing in another
// program counts as activity (under OtherKey); elsewhere only input that reaches
// the client's own windows is seen. The cursor position is the global one. The toolkit does not report
// lock states: on X, Caps Lock is asked of the X server; elsewhere it is read from
// the keyboard's LED as the kernel shows it, and without such a LED (a remote or
// virtual session) it reads as off.
class ZELQtInputMonitor : public QObject, public ZELInputMonitor
{
    Q_OBJECT

public:
    // The idle check reads the input once a second, and a sample only counts
    // there as the latest one: sampling faster costs two X round trips a time
    // and changes nothing.
    static constexpr int CursorSampleInterval = 1000; // ms
    // Code for keys without a virtual-key equivalent of their own.
    static constexpr int OtherKey = 0xFF;

    explicit ZELQtInputMonitor(QObject *parent = nullptr);

    // Installs the event filter and starts cursor sampling; GUI thread only.
    void attach();

    quint16 asyncKeyState(int virtualKey) override;
    QPoint cursorPosition() const override;
    qint16 keyState(int virtualKey) const override;

    // Where the kernel lists LEDs; entries ending in "::capslock" are read.
    void setLedFolder(const QString &folder);

    // One sample of the keys held down on the whole display (one bit per
    // key code): a key newly down presses OtherKey, none down releases it.
    void takeKeysDown(const std::array<quint8, 32> &keys);

    // The virtual-key code of a toolkit key or mouse button.
    static int virtualKeyOf(int qtKey);
    static int virtualKeyOfButton(Qt::MouseButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(int virtualKey);
    void release(int virtualKey);
    void storeCursor(const QPoint &position);
    void sampleCursor();

    bool capsLockOn() const;
    bool capsLockLedOn() const;

    std::array<std::atomic<quint16>, KeyCount> m_keys{};
    QString m_ledFolder = QStringLiteral("/sys/class/leds");
    std::atomic<quint64> m_cursor{0};
    std::array<quint8, 32> m_keysDown{};
    QTimer m_cursorTimer;
};

#endif
