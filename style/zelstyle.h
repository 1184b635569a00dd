#ifndef ZELSTYLE_H
#define ZELSTYLE_H

#include <QColor>
#include <QPixmap>
#include <QProxyStyle>
#include <QRect>
#include <QString>

class QPainter;

// The application style: the toolkit's "Windows" style with push buttons,
// check boxes, radio buttons and group boxes painted from resource images,
// tabs and tab frames drawn with lines and cached gradients, and a few sizes
// of its own. Install once, before the main widget exists:
//
//     QApplication::setStyle(new ZELStyle);   // the application owns it
//
// Widgets that must keep the plain look get a ZELPlainStyle of their own instead;
// both bound the text a row is measured and painted from.
class ZELStyle : public QProxyStyle
{
public:
    ZELStyle();
    ~ZELStyle() override;

    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;

    // Light-blue capsule over the rectangle; leaves pen, brush and hints changed.
    void paintHoverPill(QPainter *painter, const QRect &rect) const;

    // Window background of every top-level window and palette.
    static QColor windowColor() { return QColor(241, 241, 241, 255); }
    static QColor hoverPillColor() { return QColor(215, 228, 255, 255); }
    static QColor frameBorderColor() { return QColor(144, 209, 247, 255); }

private:
    void drawThinFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawGroupFrame(const QStyleOption *option, QPainter *painter) const;
    void drawTabWidgetFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawTabBarBase(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawPushButtonPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawIndicator(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const;
    void drawTabShape(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawGroupBox(const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const;
};

// The resource image at the path, decoded once and then kept in QPixmapCache
// under the path; a null pixmap (and no cache entry) when it cannot be loaded.
QPixmap loadCachedPixmap(const QString &path);

// Per channel (a * factor + b * (100 - factor)) / 100, keeping a's alpha.
QColor mixColors(const QColor &a, const QColor &b, int factor);

// Cache key of a gradient pixmap: "<w>x<h>-<start argb>-<stop argb>".
QString cachedGradientKey(const QSize &size, const QColor &start, const QColor &stop);

// Vertical gradient from start (top) to stop (bottom), rendered once per size
// and colours and then drawn from QPixmapCache.
void paintCachedGradient(QPainter *painter, const QRect &rect, const QColor &start,
                         const QColor &stop);

#endif // ZELSTYLE_H
