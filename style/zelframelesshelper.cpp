#include "style/zelframelesshelper.h"

#include "style/zelstyle.h"
#include "style/zelplainstyle.h"

#include <QAbstractButton>
#include <QBitmap>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {

const char CloseImage[] = ":images/index_r2_c11.jpg";
const char CloseHoverImage[] = ":images/mouseOverClose.jpg";
const char MinimizeImage[] = ":images/index_r2_c8.jpg";
const char MinimizeHoverImage[] = ":images/mouseOverMinimize.jpg";
const char MaximizeImage[] = ":images/maxbut.jpg";
const char MaximizeHoverImage[] = ":images/mouseOverMax.png";
const char RestoredImage[] = ":images/maxbut.png";
const char RestoreImage[] = ":images/restore.png";
const char RestoreHoverImage[] = ":images/restoreOver.png";
const char BackgroundImage[] = ":images/bg_span.png";
const char TitleImage[] = ":images/top_1px.jpg";

// Finds a form widget by name without looking into child windows (a window's
// own message boxes carry frame widgets of the same names).
template<typename T>
T *findFormChild(QWidget *root, const QString &name)
{
    for (QObject *object : root->children()) {
        QWidget *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow())
            continue;
        if (child->objectName() == name) {
            if (T *typed = qobject_cast<T *>(child))
                return typed;
        }
        if (T *found = findFormChild<T>(child, name))
            return found;
    }
    return nullptr;
}

// Title buttons keep the toolkit's plain look: the application style would
// paint its button images over their pictures.
void givePlainStyle(QWidget *widget)
{
    ZELPlainStyle::setOn(widget);
}

} // namespace

ZELFramelessHelper::ZELFramelessHelper(QWidget *window, Options options)
    : QObject(window)
    , m_window(window)
    , m_options(options)
{
    Q_ASSERT(window);
    if (!(m_options & KeepWindowFlags))
        m_window->setWindowFlags(m_window->windowFlags() | Qt::FramelessWindowHint);
    if (m_options & NoAutoDefault) {
        for (QPushButton *button : m_window->findChildren<QPushButton *>())
            button->setAutoDefault(false);
    }
    findFormWidgets();
    m_window->installEventFilter(this);
    applyMask();
    updateBackground();
}

ZELFramelessHelper *ZELFramelessHelper::frameDialog(QWidget *dialog, QWidget *parent, Options options)
{
    dialog->setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    auto *frame = new ZELFramelessHelper(dialog, options);
    frame->setParentWindow(parent, Qt::Dialog);
    dialog->setWindowModality(Qt::WindowModal);
    return frame;
}

void ZELFramelessHelper::findFormWidgets()
{
    if (QLabel *title = findFormChild<QLabel>(m_window, QStringLiteral("m_logoLabel")))
        setTitleLabel(title);

    setFrameLabels(findFormChild<QLabel>(m_window, QStringLiteral("m_leftTopCorner")),
                   findFormChild<QLabel>(m_window, QStringLiteral("m_rightTopCorner")),
                   findFormChild<QLabel>(m_window, QStringLiteral("m_leftStretch")),
                   findFormChild<QLabel>(m_window, QStringLiteral("m_rightStretch")),
                   findFormChild<QLabel>(m_window, QStringLiteral("m_leftBottomCorner")),
                   findFormChild<QLabel>(m_window, QStringLiteral("m_rightBottomCorner")),
                   findFormChild<QLabel>(m_window, QStringLiteral("m_bottomStretch")));

    QAbstractButton *close = findFormChild<QAbstractButton>(m_window, QStringLiteral("m_closeButton"));
    if (!close)
        close = findFormChild<QAbstractButton>(m_window, QStringLiteral("m_exitButton"));
    if (close)
        setCloseButton(close);
    if (QAbstractButton *minimize = findFormChild<QAbstractButton>(m_window, QStringLiteral("m_minimizeButton")))
        setMinimizeButton(minimize);
    if (QAbstractButton *maximize = findFormChild<QAbstractButton>(m_window, QStringLiteral("m_maximizeButton")))
        setMaximizeButton(maximize);
}

void ZELFramelessHelper::setTitleLabel(QLabel *label)
{
    m_titleLabel = label;
    // A title is one plain line, and many carry a name a peer chose: never
    // markup, which the label would read pictures for.
    if (label)
        label->setTextFormat(Qt::PlainText);
    if (label && (m_options & TitleBackground))
        setLabelImage(label, QString::fromLatin1(TitleImage));
}

void ZELFramelessHelper::setFrameLabels(QLabel *leftTopCorner, QLabel *rightTopCorner,
                                        QLabel *leftStretch, QLabel *rightStretch,
                                        QLabel *leftBottomCorner, QLabel *rightBottomCorner,
                                        QLabel *bottomStretch)
{
    setLabelImage(leftTopCorner, QStringLiteral(":images/corner1.jpg"));
    setLabelImage(rightTopCorner, QStringLiteral(":images/corner2.jpg"));
    setLabelImage(leftBottomCorner, QStringLiteral(":images/corner3.jpg"));
    setLabelImage(rightBottomCorner, QStringLiteral(":images/corner4.png"));
    setLabelImage(leftStretch, QStringLiteral(":images/1px_transp_left.png"));
    setLabelImage(rightStretch, QStringLiteral(":images/1px_transp_right.png"));
    setLabelImage(bottomStretch, QStringLiteral(":images/1px_transp_bottom.png"));
    m_rightBottomCorner = rightBottomCorner;
    if (rightBottomCorner && (m_options & ResizeCorner))
        rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
}

void ZELFramelessHelper::addHoverButton(QAbstractButton *button, const QString &normalImage,
                                        const QString &hoverImage)
{
    if (!button)
        return;
    for (HoverButton &entry : m_hoverButtons) {
        if (entry.button == button) {
            entry.normalImage = normalImage;
            entry.hoverImage = hoverImage;
            setButtonImage(button, normalImage);
            return;
        }
    }
    m_hoverButtons.append({button, normalImage, hoverImage});
    setButtonImage(button, normalImage);
    button->installEventFilter(this);
}

void ZELFramelessHelper::setCloseButton(QAbstractButton *button)
{
    if (!button || button == m_closeButton)
        return;
    m_closeButton = button;
    givePlainStyle(button);
    addHoverButton(button, QString::fromLatin1(CloseImage), QString::fromLatin1(CloseHoverImage));
    connect(button, &QAbstractButton::clicked, m_window, &QWidget::close);
}

void ZELFramelessHelper::setMinimizeButton(QAbstractButton *button)
{
    if (!button || button == m_minimizeButton)
        return;
    m_minimizeButton = button;
    givePlainStyle(button);
    addHoverButton(button, QString::fromLatin1(MinimizeImage), QString::fromLatin1(MinimizeHoverImage));
    connect(button, &QAbstractButton::clicked, m_window, &QWidget::showMinimized);
}

void ZELFramelessHelper::setMaximizeButton(QAbstractButton *button)
{
    if (!button || button == m_maximizeButton)
        return;
    m_maximizeButton = button;
    givePlainStyle(button);
    button->setToolTip(tr("Maximize"));
    button->installEventFilter(this);
    updateMaximizeButton(false);
    connect(button, &QAbstractButton::clicked, this, &ZELFramelessHelper::toggleMaximized);
}

void ZELFramelessHelper::setParentWindow(QWidget *parent, Qt::WindowFlags flags)
{
    if (!(m_options & KeepWindowFlags))
        flags |= Qt::FramelessWindowHint;
    m_window->setParent(parent, flags);
}

QRect ZELFramelessHelper::dragZone() const
{
    if (m_options & DragAnywhere)
        return m_window->rect();
    if (!m_titleLabel)
        return QRect();
    return QRect(0, 0, m_titleLabel->width(), m_titleLabel->height() + DragZoneExtra);
}

QRect ZELFramelessHelper::resizeCorner() const
{
    if (!(m_options & ResizeCorner))
        return QRect();
    return QRect(m_window->width() - ResizeCornerSize, m_window->height() - ResizeCornerSize,
                 ResizeCornerSize, ResizeCornerSize);
}

void ZELFramelessHelper::applyMask()
{
    if (!(m_options & KeepMask))
        m_window->setMask(QRegion(m_window->rect()));
}

void ZELFramelessHelper::updateBackground(bool smooth)
{
    if (!(m_options & WindowBackground))
        return;
    const QPixmap strip = loadCachedPixmap(QString::fromLatin1(BackgroundImage));
    if (strip.isNull())
        return;
    // Scaled to the strip's own width: a window under 1024 pixels shows the
    // strip's top rows, a taller one gets a stretched strip.
    const QPixmap scaled = strip.scaled(strip.width(), m_window->height(),
                                        Qt::KeepAspectRatioByExpanding,
                                        smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
    QPalette palette = m_window->palette();
    palette.setBrush(QPalette::Window, QBrush(scaled));
    m_window->setPalette(palette);
}

void ZELFramelessHelper::setButtonImage(QAbstractButton *button, const QString &path)
{
    if (!button)
        return;
    const QPixmap picture = loadCachedPixmap(path);
    if (picture.isNull()) {
        button->clearMask();
        return;
    }
    QPalette palette = button->palette();
    palette.setBrush(QPalette::Button, QBrush(picture));
    button->setPalette(palette);
    // A flat button paints its face only by filling its background.
    button->setAutoFillBackground(true);
    // Only the picture's opaque shape is the button.
    const QBitmap shape = picture.mask();
    if (shape.isNull())
        button->clearMask();
    else
        button->setMask(shape);
}

bool ZELFramelessHelper::holdsWindowFocus(const QWidget *widget)
{
    return widget && widget->window()->focusWidget() == widget;
}

void ZELFramelessHelper::setLabelImage(QLabel *label, const QString &path)
{
    if (!label)
        return;
    const QPixmap picture = loadCachedPixmap(path);
    if (picture.isNull())
        return;
    QPalette palette = label->palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    label->setPalette(palette);
}

void ZELFramelessHelper::updateMaximizeButton(bool hover)
{
    if (!m_maximizeButton)
        return;
    const bool maximized = m_window->isMaximized();
    const char *image = maximized ? (hover ? RestoreHoverImage : RestoreImage)
                                  : (hover ? MaximizeHoverImage : MaximizeImage);
    setButtonImage(m_maximizeButton, QString::fromLatin1(image));
}

void ZELFramelessHelper::toggleMaximized()
{
    if (m_window->isMaximized()) {
        m_window->showNormal();
        // Without a window manager nothing restores the old geometry for us.
        if (m_normalGeometry.isValid())
            m_window->setGeometry(m_normalGeometry);
        applyMask();
        if (m_rightBottomCorner)
            m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
        updateBackground(false);
        if (m_maximizeButton) {
            setButtonImage(m_maximizeButton, QString::fromLatin1(RestoredImage));
            m_maximizeButton->setToolTip(tr("Maximize"));
        }
    } else {
        m_normalGeometry = m_window->geometry();
        // The window system sizes a maximised window; setting a geometry here
        // would drop the maximised state again.
        m_window->showMaximized();
        applyMask();
        if (m_rightBottomCorner)
            m_rightBottomCorner->setCursor(Qt::ArrowCursor);
        updateBackground();
        if (m_maximizeButton) {
            setButtonImage(m_maximizeButton, QString::fromLatin1(RestoreImage));
            m_maximizeButton->setToolTip(tr("Restore Down"));
        }
    }
    if (m_maximizeButton)
        m_maximizeButton->clearFocus();
    emit windowResized();
}

bool ZELFramelessHelper::handleMouse(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint pos = mouse->position().toPoint();
    const QPoint global = mouse->globalPosition().toPoint();

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        bool started = false;
        if (resizeCorner().contains(pos)) {
            m_resizing = true;
            started = true;
        }
        if (dragZone().contains(pos)) {
            m_dragPosition = global;
            m_dragging = true;
            started = true;
        }
        return started;
    }
    case QEvent::MouseMove: {
        if (m_window->isMaximized())
            return m_dragging || m_resizing;
        bool handled = false;
        if (m_resizing) {
            m_window->resize(pos.x(), pos.y());
            applyMask();
            emit windowResized();
            handled = true;
        }
        if (m_dragging) {
            m_window->move(m_window->pos() + global - m_dragPosition);
            m_dragPosition = global;
            handled = true;
        }
        return handled;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        m_resizing = false;
        return false;
    case QEvent::MouseButtonDblClick:
        if (m_maximizeButton && mouse->button() == Qt::LeftButton && dragZone().contains(pos)) {
            toggleMaximized();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool ZELFramelessHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return handleMouse(event);
        case QEvent::Resize:
            applyMask();
            updateBackground();
            break;
        case QEvent::Polish:
        case QEvent::Show:
            // The application style replaces a window's background when it
            // polishes the window: put the image back afterwards.
            updateBackground();
            break;
        default:
            break;
        }
        return false;
    }

    if (event->type() != QEvent::Enter && event->type() != QEvent::Leave)
        return false;
    const bool hover = event->type() == QEvent::Enter;
    if (watched == m_maximizeButton) {
        updateMaximizeButton(hover);
        return false;
    }
    for (const HoverButton &entry : std::as_const(m_hoverButtons)) {
        if (entry.button == watched) {
            setButtonImage(entry.button, hover ? entry.hoverImage : entry.normalImage);
            break;
        }
    }
    return false;
}
