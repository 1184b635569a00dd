#ifndef ZELFRAMELESSHELPER_H
#define ZELFRAMELESSHELPER_H

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

class QAbstractButton;
class QLabel;
class QWidget;

// The frameless look and behaviour every window shares: the frame labels and
// their images, the title buttons with their hover pictures, the drag by the
// title band, the bottom-right resize corner, the maximise toggle and the
// rectangular mask. A window keeps none of this code itself.
//
// Use, after the form's setupUi():
//
//     auto *frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner
//                                                | ZELFramelessHelper::WindowBackground);
//
// The helper is a child of the window and lives as long as it. On construction
// it finds the frame widgets of the form by their names (m_logoLabel,
// m_leftTopCorner, m_rightTopCorner, m_leftStretch, m_rightStretch,
// m_leftBottomCorner, m_rightBottomCorner, m_bottomStretch, m_closeButton or
// m_exitButton, m_minimizeButton, m_maximizeButton), paints their images, wires
// close -> window->close(), minimise -> showMinimized(), maximise ->
// toggleMaximized(), adds Qt::FramelessWindowHint to the window's flags and
// filters the window's mouse events. Forms with other names call the setters.
//
// Create it before the window is first shown (changing window flags hides a
// window). Re-parent the window with setParentWindow() so that it stays
// frameless. Windows with a shaped mask of their own (the main widget) pass
// KeepMask; windows without a title band (request and status-message
// dialogs) pass DragAnywhere; a title band under another name is given with
// setTitleLabel().
//
// What the window still does itself: its closeEvent (deleteLater or keep), and
// anything extra after windowResized() (a table stretching its header).
class ZELFramelessHelper : public QObject
{
    Q_OBJECT

public:
    enum Option {
        NoOptions = 0x00,
        ResizeCorner = 0x01,     // the bottom-right 15 x 15 square resizes the window
        WindowBackground = 0x02, // ":images/bg_span.png" as the window's background
        TitleBackground = 0x04,  // ":images/top_1px.jpg" fills the title band
        DragAnywhere = 0x08,     // windows without a title band: a press anywhere drags
        KeepMask = 0x10,         // the window keeps a shaped mask of its own
        KeepWindowFlags = 0x20,  // do not touch the window flags
        NoAutoDefault = 0x40     // Return keeps the meaning the window gives it, never
                                 // "press the default button"
    };
    Q_DECLARE_FLAGS(Options, Option)

    // Height of the strip below the title band that still starts a drag.
    static constexpr int DragZoneExtra = 10;
    // Side of the bottom-right resize square.
    static constexpr int ResizeCornerSize = 15;

    explicit ZELFramelessHelper(QWidget *window, Options options = NoOptions);

    // The set-up the framed dialogs share, after their setupUi: the
    // application icon, a helper with these options (owned by the dialog),
    // shown as a dialog of parent's window and modal to it.
    static ZELFramelessHelper *frameDialog(QWidget *dialog, QWidget *parent, Options options = WindowBackground);

    QWidget *window() const { return m_window; }
    Options options() const { return m_options; }

    // Frame widgets (found by name on construction; call these for other names).
    void setTitleLabel(QLabel *label);
    void setFrameLabels(QLabel *leftTopCorner, QLabel *rightTopCorner,
                        QLabel *leftStretch, QLabel *rightStretch,
                        QLabel *leftBottomCorner, QLabel *rightBottomCorner,
                        QLabel *bottomStretch);
    void setCloseButton(QAbstractButton *button);
    void setMinimizeButton(QAbstractButton *button);
    void setMaximizeButton(QAbstractButton *button);
    // Any other widget whose picture changes under the pointer.
    void addHoverButton(QAbstractButton *button, const QString &normalImage,
                        const QString &hoverImage);

    // Re-parents the window (flags usually Qt::Dialog) and keeps it frameless.
    void setParentWindow(QWidget *parent, Qt::WindowFlags flags = Qt::Dialog);

    // The window's drag handle in window coordinates: the title label's own
    // rectangle from the window's top-left corner, widened 10 pixels downward.
    QRect dragZone() const;
    QRect resizeCorner() const;

    bool isDragging() const { return m_dragging; }
    bool isResizing() const { return m_resizing; }
    QPoint dragPosition() const { return m_dragPosition; }

    // Repaints the window background from ":images/bg_span.png".
    void updateBackground(bool smooth = true);

    // Picture and shape of a title button: Button brush and the picture's mask.
    static void setButtonImage(QAbstractButton *button, const QString &path);
    // Image of a frame label as its Window brush (tiled along stretching labels).
    static void setLabelImage(QLabel *label, const QString &path);
    // The widget holds the keyboard focus of its window: a click gave it, or
    // the window gave it, whether or not the window is the active one (no
    // window manager activates a window that is clicked).
    static bool holdsWindowFocus(const QWidget *widget);

public slots:
    void toggleMaximized();

signals:
    // After a corner resize or a maximise toggle, for contents layouts do not follow.
    void windowResized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct HoverButton {
        QPointer<QAbstractButton> button;
        QString normalImage;
        QString hoverImage;
    };

    void findFormWidgets();
    void applyMask();
    void updateMaximizeButton(bool hover);
    bool handleMouse(QEvent *event);

    QWidget *m_window;
    Options m_options;
    QPointer<QLabel> m_titleLabel;
    QPointer<QLabel> m_rightBottomCorner;
    QPointer<QAbstractButton> m_closeButton;
    QPointer<QAbstractButton> m_minimizeButton;
    QPointer<QAbstractButton> m_maximizeButton;
    QVector<HoverButton> m_hoverButtons;
    QRect m_normalGeometry;
    QPoint m_dragPosition;
    bool m_dragging = false;
    bool m_resizing = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ZELFramelessHelper::Options)

#endif // ZELFRAMELESSHELPER_H
