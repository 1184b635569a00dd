#include "style/zelstyle.h"

#include "style/zelplainstyle.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>

namespace {

const char TitleCapLeftImage[] = ":images/title_cap_left.png";
const char TitleCapRightImage[] = ":images/title_cap_right.png";
const char TitleStretchImage[] = ":images/title_stretch.png";

QPixmap image(const char *path)
{
    return loadCachedPixmap(QString::fromLatin1(path));
}

QStyle *createBaseStyle()
{
    QStyle *base = QStyleFactory::create(QStringLiteral("Windows"));
    if (!base)
        base = QStyleFactory::create(QStringLiteral("Fusion"));
    return base;
}

bool isRoundedShape(QTabBar::Shape shape)
{
    return shape == QTabBar::RoundedNorth || shape == QTabBar::RoundedSouth
        || shape == QTabBar::RoundedWest || shape == QTabBar::RoundedEast;
}

bool takesHover(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) || qobject_cast<const QRadioButton *>(widget)
        || qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QSlider *>(widget);
}

// Colours every drawing derives from the option's palette.
struct Colors {
    QColor background;
    QColor cornerBlend;
    QColor frameLight;
    QColor frameShadow;
    QColor tabTop;
    QColor tabBottom;
    QColor hoverTop;
    QColor hoverBottom;
    QColor innerLight;
    QColor innerHighlight;
    QColor innerShadow;
    QColor innerShadowEnd;
    QColor hoverInnerLine;
    QColor hoverLine;

    Colors(const QStyleOption *option, const QWidget *widget)
    {
        const QColor button = option->palette.color(QPalette::Button);
        const QColor highlight = option->palette.color(QPalette::Highlight);
        background = widget ? widget->palette().color(widget->backgroundRole())
                            : option->palette.color(QPalette::Window);
        cornerBlend = mixColors(background, ZELStyle::frameBorderColor(), 50);
        frameLight = button.lighter(105);
        frameShadow = button.darker(115);
        tabTop = button.lighter(104);
        tabBottom = button.darker(105);
        hoverTop = button.lighter(101);
        hoverBottom = mixColors(button, highlight, 85);
        innerLight = hoverTop.lighter(105);
        innerHighlight = hoverBottom.lighter(105);
        innerShadow = button.darker(115);
        innerShadowEnd = button.darker(120);
        hoverInnerLine = mixColors(button, highlight, 35);
        hoverLine = mixColors(button, highlight, 58);
    }
};

QPen gradientPen(const QPoint &from, const QPoint &to, const QColor &start, const QColor &stop)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, stop);
    QPen pen(QBrush(gradient), 1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    return pen;
}

} // namespace

QPixmap loadCachedPixmap(const QString &path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(QImage(path), Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (pixmap.isNull())
        return QPixmap();
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QColor mixColors(const QColor &a, const QColor &b, int factor)
{
    QColor mixed = a;
    mixed.setRed(a.red() * factor / 100 + b.red() * (100 - factor) / 100);
    mixed.setGreen(a.green() * factor / 100 + b.green() * (100 - factor) / 100);
    mixed.setBlue(a.blue() * factor / 100 + b.blue() * (100 - factor) / 100);
    return mixed;
}

QString cachedGradientKey(const QSize &size, const QColor &start, const QColor &stop)
{
    return QString::asprintf("%dx%d-%x-%x", size.width(), size.height(), start.rgba(), stop.rgba());
}

void paintCachedGradient(QPainter *painter, const QRect &rect, const QColor &start, const QColor &stop)
{
    if (rect.isEmpty())
        return;
    const QString key = cachedGradientKey(rect.size(), start, stop);
    QPixmap cached;
    if (!QPixmapCache::find(key, &cached)) {
        cached = QPixmap(rect.size());
        cached.fill(Qt::white);
        QPainter cachePainter(&cached);
        const QRect local(0, 0, rect.width(), rect.height());
        const int x = local.center().x();
        QLinearGradient gradient(x, local.top(), x, local.bottom());
        gradient.setColorAt(0, start);
        gradient.setColorAt(1, stop);
        cachePainter.fillRect(local, gradient);
        cachePainter.end();
        QPixmapCache::insert(key, cached);
    }
    painter->drawPixmap(rect, cached);
}

ZELStyle::ZELStyle()
    : QProxyStyle(createBaseStyle())
{
}

ZELStyle::~ZELStyle() = default;

void ZELStyle::polish(QPalette &palette)
{
    palette.setColor(QPalette::Window, windowColor());
}

void ZELStyle::polish(QWidget *widget)
{
    if (!widget)
        return;
    if (QLayout *layout = widget->layout()) {
        if (qobject_cast<QGroupBox *>(widget)) {
            // Nested group boxes need room around them; a leaf group box packs tight.
            if (widget->findChildren<QGroupBox *>().isEmpty())
                layout->setSpacing(0);
            else
                layout->setContentsMargins(10, 10, 10, 10);
        }
    }
    if (takesHover(widget))
        widget->setAttribute(Qt::WA_Hover, true);
    if (widget->isWindow()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, windowColor());
        widget->setPalette(palette);
    }
}

void ZELStyle::unpolish(QWidget *widget)
{
    if (takesHover(widget))
        widget->setAttribute(Qt::WA_Hover, false);
}

int ZELStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ComboBoxFrameWidth:
        return 8;
    case PM_TabBarTabOverlap:
        return 20;
    case PM_TabBarTabHSpace:
        return 25;
    case PM_TabBarTabVSpace:
        return 13;
    case PM_TabBarTabShiftHorizontal:
        return 1;
    case PM_TabBarTabShiftVertical:
        return -9;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize ZELStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                 const QWidget *widget) const
{
    QStyleOptionViewItem item;
    QSize result = QProxyStyle::sizeFromContents(type, ZELPlainStyle::boundedItem(type == CT_ItemViewItem, option, &item), size, widget);
    switch (type) {
    case CT_PushButton:
        result.setHeight(23);
        break;
    case CT_CheckBox:
    case CT_RadioButton:
        result.setWidth(result.width() + 20);
        break;
    default:
        break;
    }
    return result;
}

QRect ZELStyle::subElementRect(SubElement element, const QStyleOption *option,
                               const QWidget *widget) const
{
    // An item's text and icon places (the item widgets of a list are laid over them) measure its text too.
    QStyleOptionViewItem item;
    option = ZELPlainStyle::boundedItem(true, option, &item);
    QRect rect;
    switch (element) {
    case SE_RadioButtonClickRect:
    case SE_CheckBoxClickRect:
        rect = widget ? widget->rect() : QProxyStyle::subElementRect(element, option, widget);
        break;
    case SE_RadioButtonContents:
    case SE_CheckBoxContents:
        rect = widget ? widget->rect().adjusted(20, 0, 0, 0)
                      : QProxyStyle::subElementRect(element, option, widget);
        break;
    default:
        rect = QProxyStyle::subElementRect(element, option, widget);
        break;
    }
    if (qobject_cast<const QRadioButton *>(widget) || qobject_cast<const QCheckBox *>(widget))
        rect.adjust(5, 0, -5, 0);
    return rect;
}

QRect ZELStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                               SubControl subControl, const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);

    if (control == CC_GroupBox) {
        const auto *groupBox = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (!groupBox)
            return QRect();
        switch (subControl) {
        case SC_GroupBoxLabel: {
            const QPixmap capLeft = image(TitleCapLeftImage);
            const QPixmap capRight = image(TitleCapRightImage);
            const QPixmap stretch = image(TitleStretchImage);
            const int textWidth = groupBox->fontMetrics.horizontalAdvance(groupBox->text) + 20;
            rect = QRect(groupBox->rect.center().x() - textWidth / 2 + capLeft.width(), 0,
                         textWidth - capLeft.width() - capRight.width(), stretch.height());
            break;
        }
        case SC_GroupBoxContents:
            rect.adjust(0, -8, 0, 0);
            break;
        case SC_GroupBoxFrame:
            rect = groupBox->rect;
            break;
        default:
            break;
        }
    }

    if (control == CC_Slider) {
        if (subControl == SC_SliderHandle) {
            rect.setWidth(13);
            rect.setHeight(27);
        } else if (subControl == SC_SliderGroove) {
            rect.setHeight(9);
            rect.moveTop(9);
        }
    }
    return rect;
}

void ZELStyle::paintHoverPill(QPainter *painter, const QRect &rect) const
{
    const qreal h = rect.height();
    QPainterPath path;
    path.addRect(QRectF(rect.x() + h / 2, rect.y(), rect.width() - h, h));
    path.addEllipse(QRectF(rect.x(), rect.y(), h, h));
    path.addEllipse(QRectF(rect.x() + rect.width() - h, rect.y(), h, h));
    path.setFillRule(Qt::WindingFill);
    painter->setPen(Qt::NoPen);
    painter->setBrush(hoverPillColor());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->drawPath(path);
}

void ZELStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    switch (element) {
    case PE_FrameDockWidget:
    case PE_FrameMenu:
    case PE_FrameStatusBarItem:
        drawThinFrame(option, painter, widget);
        return;
    case PE_FrameFocusRect:
        return; // no focus rectangle anywhere
    case PE_FrameGroupBox:
        drawGroupFrame(option, painter);
        return;
    case PE_FrameTabWidget:
        drawTabWidgetFrame(option, painter, widget);
        return;
    case PE_FrameTabBarBase:
        drawTabBarBase(option, painter, widget);
        return;
    case PE_PanelButtonCommand:
        drawPushButtonPanel(option, painter, widget);
        return;
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton:
        drawIndicator(element, option, painter, widget);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
}

void ZELStyle::drawThinFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const Colors colors(option, widget);
    const QRect &r = option->rect;
    const QPen oldPen = painter->pen();
    painter->setPen(QColor(0, 0, 0, 255));
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    painter->setPen(mixColors(colors.background, QColor(0, 0, 0, 255), 50));
    painter->drawPoint(r.topLeft());
    painter->drawPoint(r.topRight());
    painter->drawPoint(r.bottomLeft());
    painter->drawPoint(r.bottomRight());
    painter->setPen(oldPen);
}

void ZELStyle::drawGroupFrame(const QStyleOption *option, QPainter *painter) const
{
    if (!qstyleoption_cast<const QStyleOptionFrame *>(option))
        return;
    const QRect r = option->rect;
    painter->save();

    QPainterPath clip;
    clip.moveTo(14, 0);
    clip.arcTo(QRectF(r.right() - 28, 0, 28, 28), 90, -90);
    clip.arcTo(QRectF(r.right() - 28, r.bottom() - 28, 28, 28), 0, -90);
    clip.arcTo(QRectF(r.left(), r.bottom() - 28, 28, 28), 270, -90);
    clip.arcTo(QRectF(r.left(), r.top(), 28, 28), 180, -90);
    painter->setClipPath(clip);

    const QPixmap titleStretch = image(TitleStretchImage);
    const QPixmap topLeft = image(":images/groupframe_topleft.png");
    const QPixmap topRight = image(":images/groupframe_topright.png");
    const QPixmap bottomLeft = image(":images/groupframe_bottom_left.png");
    const QPixmap bottomRight = image(":images/groupframe_bottom_right.png");
    const QPixmap leftStretch = image(":images/groupframe_left_stretch.png");
    const QPixmap topStretch = image(":images/groupframe_top_stretch.png");
    const QPixmap rightStretch = image(":images/groupframe_right_stretch.png");
    const QPixmap bottomStretch = image(":images/groupframe_bottom_stretch.png");

    const int titleHeight = titleStretch.height();
    QLinearGradient fill(0, 0, 0, r.height());
    fill.setColorAt(0, QColor(224, 224, 224, 255));
    fill.setColorAt(1, QColor(255, 255, 255, 255));
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawRect(r.adjusted(0, titleHeight / 2, 0, 0));
    painter->setClipping(false);

    // The frame starts halfway down the title pill.
    const int offset = titleHeight / 2 - 2;
    painter->drawPixmap(r.topLeft() + QPoint(0, offset), topLeft);
    painter->drawPixmap(r.topRight() - QPoint(topRight.width() - 1, 0) + QPoint(0, offset), topRight);
    painter->drawPixmap(r.bottomLeft() - QPoint(0, bottomLeft.height() - 1), bottomLeft);
    painter->drawPixmap(r.bottomRight() - QPoint(bottomRight.width() - 1, bottomRight.height() - 1),
                        bottomRight);

    const QRect leftStrip(r.x(), r.y() + topLeft.height() + offset, leftStretch.width(),
                          r.height() - topLeft.height() - bottomLeft.height() - offset);
    const QRect topStrip(r.x() + topLeft.width(), r.y() + offset,
                         r.width() - topLeft.width() - topRight.width(), topLeft.height());
    const QRect rightStrip(r.right() - rightStretch.width() + 1, r.y() + topRight.height() + offset,
                           rightStretch.width(),
                           r.height() - topRight.height() - bottomRight.height() - offset);
    const QRect bottomStrip(r.x() + bottomLeft.width(), r.bottom() - bottomStretch.height() + 1,
                            r.width() - bottomLeft.width() - bottomRight.width(), bottomLeft.height());
    if (!leftStretch.isNull() && leftStrip.isValid())
        painter->drawTiledPixmap(leftStrip, leftStretch);
    if (!topStretch.isNull() && topStrip.isValid())
        painter->drawTiledPixmap(topStrip, topStretch);
    if (!rightStretch.isNull() && rightStrip.isValid())
        painter->drawTiledPixmap(rightStrip, rightStretch);
    if (!bottomStretch.isNull() && bottomStrip.isValid())
        painter->drawTiledPixmap(bottomStrip, bottomStretch);

    painter->restore();
}

void ZELStyle::drawTabWidgetFrame(const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option);
    if (!frame)
        return;
    if (!isRoundedShape(frame->shape)) {
        QProxyStyle::drawPrimitive(PE_FrameTabWidget, option, painter, widget);
        return;
    }
    const Colors colors(option, widget);
    const int thickness = pixelMetric(PM_TabBarBaseOverlap, option, widget);
    const bool reverse = frame->direction == Qt::RightToLeft;
    painter->save();

    const QRect r = option->rect;
    const QSize tabs = frame->tabBarSize;
    const QSize corner = frame->leftCornerWidgetSize;
    const int tabsX = reverse ? r.right() - corner.width() - tabs.width() + 1 : r.left() + corner.width();
    QRect tabBarRect;
    switch (frame->shape) {
    case QTabBar::RoundedNorth:
        tabBarRect = QRect(tabsX, r.top(), tabs.width(), thickness);
        break;
    case QTabBar::RoundedSouth:
        tabBarRect = QRect(tabsX, r.bottom() - thickness + 1, tabs.width(), thickness);
        break;
    case QTabBar::RoundedWest:
        tabBarRect = QRect(r.left(), r.top() + corner.height(), thickness, tabs.height());
        break;
    default:
        tabBarRect = QRect(r.right() - thickness + 1, r.top() + corner.height(), thickness, tabs.height());
        break;
    }
    painter->setClipRegion(QRegion(r).subtracted(QRegion(tabBarRect)));

    const QLine left(r.topLeft() + QPoint(0, 2), r.bottomLeft() - QPoint(0, 2));
    const QLine right(r.topRight() + QPoint(0, 2), r.bottomRight() - QPoint(0, 2));
    const QLine bottom(r.bottomLeft() + QPoint(2, 0), r.bottomRight() - QPoint(2, 0));
    const QLine top(r.topLeft() + QPoint(2, 0), r.topRight() - QPoint(2, 0));
    const QLine innerLeft = left.translated(1, 0);
    const QLine innerRight = right.translated(-1, 0);
    const QLine innerBottom = bottom.translated(0, -1);
    const QLine innerTop = top.translated(0, 1);

    const QPoint outerCorners[4] = {
        innerLeft.p2() + QPoint(0, 1), innerRight.p2() + QPoint(0, 1),
        innerRight.p1() - QPoint(0, 1), innerLeft.p1() - QPoint(0, 1)};
    const QPoint innerCorners[8] = {
        left.p2() + QPoint(0, 1), bottom.p1() - QPoint(1, 0),
        right.p2() + QPoint(0, 1), bottom.p2() + QPoint(1, 0),
        right.p1() - QPoint(0, 1), top.p2() + QPoint(1, 0),
        left.p1() - QPoint(0, 1), top.p1() - QPoint(1, 0)};

    painter->setPen(frameBorderColor());
    painter->drawLine(top);
    painter->drawLine(left);
    painter->drawLine(right);
    painter->drawLine(bottom);
    painter->drawPoints(outerCorners, 4);
    painter->setPen(colors.frameLight);
    painter->drawLine(innerLeft);
    painter->drawLine(innerTop);
    painter->setPen(colors.frameShadow);
    painter->drawLine(innerRight);
    painter->drawLine(innerBottom);
    painter->setPen(colors.cornerBlend);
    painter->drawPoints(innerCorners, 8);
    painter->restore();
}

void ZELStyle::drawTabBarBase(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *base = qstyleoption_cast<const QStyleOptionTabBarBase *>(option);
    if (!base)
        return;
    if (!isRoundedShape(base->shape)) {
        QProxyStyle::drawPrimitive(PE_FrameTabBarBase, option, painter, widget);
        return;
    }
    const Colors colors(option, widget);
    const bool south = base->shape == QTabBar::RoundedSouth;
    const QRect &r = option->rect;
    painter->save();
    painter->setClipRegion(QRegion(r).subtracted(QRegion(base->tabBarRect)));
    painter->setPen(south ? colors.cornerBlend : frameBorderColor());
    painter->drawLine(r.bottomLeft() - QPoint(0, 1), r.bottomRight() - QPoint(0, 1));
    painter->setPen(south ? frameBorderColor() : colors.frameLight);
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}

void ZELStyle::drawPushButtonPanel(const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    if (!qstyleoption_cast<const QStyleOptionButton *>(option))
        return;
    const bool hovered = (option->state & State_Enabled) && (option->state & State_MouseOver);
    painter->save();

    const auto *button = qobject_cast<const QPushButton *>(widget);
    if (button && qobject_cast<const QGroupBox *>(button->parentWidget())) {
        // Continue the group box's own gradient behind the button's images.
        const QWidget *groupBox = button->parentWidget();
        QLinearGradient fill(0, 0, 0, groupBox->height());
        fill.setColorAt(0, QColor(224, 224, 224, 255));
        fill.setColorAt(1, QColor(255, 255, 255, 255));
        painter->setPen(Qt::NoPen);
        painter->setBrush(fill);
        painter->setBrushOrigin(-button->pos());
        painter->drawRect(option->rect);
        painter->setBrushOrigin(0, 0);
    }

    const bool pressed = button && (option->state & (State_Sunken | State_On));
    QPixmap left;
    QPixmap right;
    QPixmap middle;
    if (!pressed && hovered) {
        left = image(":images/buttonMouseOverLeft.jpg");
        right = image(":images/buttonMouseOverRight.jpg");
        middle = image(":images/buttonMouseOver.jpg");
    } else {
        left = image(":images/buttonLeft.jpg");
        right = image(":images/buttonRight.jpg");
        middle = image(":images/buttonMid.jpg");
    }

    const QRect &r = option->rect;
    painter->drawPixmap(r.topLeft(), left);
    const QRect middleRect(r.x() + left.width(), r.y(), r.width() - left.width() - right.width(),
                           left.height());
    if (!middle.isNull() && middleRect.isValid())
        painter->drawTiledPixmap(middleRect, middle);
    painter->drawPixmap(QPoint(r.x() + r.width() - right.width(), r.y()), right);
    painter->restore();
}

void ZELStyle::drawIndicator(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    if (!qstyleoption_cast<const QStyleOptionButton *>(option))
        return;
    painter->save();
    const bool hovered = (option->state & State_Enabled) && (option->state & State_MouseOver);
    if (widget && (hovered || (option->state & State_HasFocus)))
        paintHoverPill(painter, widget->rect());

    QPixmap picture;
    if (element == PE_IndicatorRadioButton) {
        picture = (option->state & (State_Sunken | State_On)) ? image(":images/radiobutton-on.png")
                                                              : image(":images/radiobutton-off.png");
    } else {
        // While the mouse button is held down the box shows empty, whatever its state.
        if (option->state & State_Sunken)
            picture = image(":images/checkBox.jpg");
        else if (option->state & State_On)
            picture = image(":images/checkBox_3.jpg");
        else
            picture = image(":images/checkBox.jpg");
    }
    painter->drawPixmap(option->rect.topLeft(), picture);
    painter->restore();
}

void ZELStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                           const QWidget *widget) const
{
    if (element == CE_TabBarTabShape) {
        drawTabShape(option, painter, widget);
        return;
    }
    if (element == CE_CheckBox || element == CE_RadioButton) {
        // The base style would place indicator and label by its own rectangles;
        // ours move them in from the left.
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (!button)
            return;
        const bool radio = element == CE_RadioButton;
        QStyleOptionButton part = *button;
        part.rect = subElementRect(radio ? SE_RadioButtonIndicator : SE_CheckBoxIndicator, button, widget);
        drawPrimitive(radio ? PE_IndicatorRadioButton : PE_IndicatorCheckBox, &part, painter, widget);
        part.rect = subElementRect(radio ? SE_RadioButtonContents : SE_CheckBoxContents, button, widget);
        drawControl(radio ? CE_RadioButtonLabel : CE_CheckBoxLabel, &part, painter, widget);
        return;
    }
    QStyleOptionViewItem item;
    QProxyStyle::drawControl(element, ZELPlainStyle::boundedItem(element == CE_ItemViewItem, option, &item), painter, widget);
}

void ZELStyle::drawTabShape(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
    if (!tab)
        return;
    if (!isRoundedShape(tab->shape)) {
        QProxyStyle::drawControl(CE_TabBarTabShape, option, painter, widget);
        return;
    }
    const Colors colors(option, widget);
    painter->save();

    const State state = option->state;
    const bool disabled = !(state & State_Enabled);
    const bool onlyOne = tab->position == QStyleOptionTab::OnlyOneTab;
    const bool selected = (state & State_Selected) || onlyOne;
    const bool mouseOver = (state & State_MouseOver) && !selected && !disabled;
    const bool prevSelected = tab->selectedPosition == QStyleOptionTab::PreviousIsSelected;
    const bool nextSelected = tab->selectedPosition == QStyleOptionTab::NextIsSelected;
    const bool leftCorner = tab->cornerWidgets & QStyleOptionTab::LeftCornerWidget;
    const bool reverse = tab->direction == Qt::RightToLeft;
    const bool beginning = tab->position == QStyleOptionTab::Beginning || onlyOne;
    // Unselected tabs start 9 pixels further from the tab's outer edge.
    const int lowerTop = selected ? 0 : 9;
    const bool atEnd = tab->position == QStyleOptionTab::End || onlyOne;
    const bool atBegin = beginning && !leftCorner;
    const int thickness = pixelMetric(PM_TabBarBaseOverlap, option, widget);
    const int marginLeft = ((atBegin && !selected) || (selected && leftCorner && beginning)) ? 1 : 0;
    bool reverseShadow = false;

    // One coordinate frame for every orientation: up points away from the
    // bar's base, left toward the tab's start.
    const QRect r = option->rect;
    QPoint up, down, left, right;
    QPoint topLeft, topRight, bottomLeft, bottomRight;
    QColor baseColor1 = frameBorderColor();
    QColor baseColor2;
    switch (tab->shape) {
    case QTabBar::RoundedNorth:
        up = QPoint(0, -1);
        down = QPoint(0, 1);
        baseColor2 = colors.innerLight;
        if (!reverse) {
            left = QPoint(-1, 0);
            right = QPoint(1, 0);
            topLeft = r.topLeft();
            topRight = r.topRight();
            bottomLeft = r.bottomLeft();
            bottomRight = r.bottomRight();
        } else {
            left = QPoint(1, 0);
            right = QPoint(-1, 0);
            topLeft = r.topRight();
            topRight = r.topLeft();
            bottomLeft = r.bottomRight();
            bottomRight = r.bottomLeft();
            reverseShadow = true;
        }
        break;
    case QTabBar::RoundedSouth:
        up = QPoint(0, 1);
        down = QPoint(0, -1);
        baseColor2 = colors.innerShadow;
        if (!reverse) {
            left = QPoint(-1, 0);
            right = QPoint(1, 0);
            topLeft = r.bottomLeft();
            topRight = r.bottomRight();
            bottomLeft = r.topLeft();
            bottomRight = r.topRight();
        } else {
            left = QPoint(1, 0);
            right = QPoint(-1, 0);
            topLeft = r.bottomRight();
            topRight = r.bottomLeft();
            bottomLeft = r.topRight();
            bottomRight = r.topLeft();
            reverseShadow = true;
        }
        break;
    case QTabBar::RoundedWest:
        up = QPoint(-1, 0);
        down = QPoint(1, 0);
        left = QPoint(0, -1);
        right = QPoint(0, 1);
        topLeft = r.topLeft();
        topRight = r.bottomLeft();
        bottomLeft = r.topRight();
        bottomRight = r.bottomRight();
        baseColor2 = colors.innerLight;
        break;
    default: // RoundedEast
        up = QPoint(1, 0);
        down = QPoint(-1, 0);
        left = QPoint(0, -1);
        right = QPoint(0, 1);
        topLeft = r.topRight();
        topRight = r.bottomRight();
        bottomLeft = r.topLeft();
        bottomRight = r.bottomLeft();
        baseColor2 = colors.innerShadow;
        break;
    }

    if (atEnd) {
        topRight += left;
        bottomRight += left;
    }

    // Outline.
    QPoint topLineStart = topLeft + right * (marginLeft + (prevSelected ? 0 : 1)) + down * lowerTop;
    if (atBegin || selected)
        topLineStart += right;
    QPoint topLineEnd = topRight + down * lowerTop;
    if (atEnd || selected)
        topLineEnd += left * 2;
    QPoint leftLineStart = topLeft + right * marginLeft + down * (lowerTop + 1);
    if (atBegin || selected)
        leftLineStart += down;
    QPoint leftLineEnd = bottomLeft + right * marginLeft + up * thickness;
    if (atBegin && selected)
        leftLineEnd += down * thickness;
    else if (selected)
        leftLineEnd += up;
    const QPoint rightLineStart = topRight + down * (lowerTop + 2);
    QPoint rightLineEnd = bottomRight + up * thickness;
    if (selected)
        rightLineEnd += up;

    // Background.
    if (state & State_Enabled) {
        QPoint backgroundStart = topLineStart + down + left;
        if (mouseOver)
            backgroundStart += down;
        const QRect background = QRect(backgroundStart, rightLineEnd).normalized();
        if (background.isValid()) {
            if (selected)
                painter->fillRect(background, painter->brush());
            else if (mouseOver)
                paintCachedGradient(painter, background, colors.hoverTop, colors.hoverBottom);
            else
                paintCachedGradient(painter, background, colors.tabTop, colors.tabBottom);
        }
    }

    painter->setPen(frameBorderColor());
    painter->drawLine(topLineStart, topLineEnd);
    if (mouseOver) {
        painter->setPen(colors.hoverLine);
        painter->drawLine(topLineStart + down * 2 + left, topLineEnd + down * 2 + right);
        painter->setPen(frameBorderColor());
    }
    if (!prevSelected)
        painter->drawLine(leftLineStart, leftLineEnd);
    if (atEnd || selected) {
        painter->drawLine(rightLineStart, rightLineEnd);
        painter->drawPoint(topRight + left + down * (lowerTop + 1));
    }
    if (atBegin || selected)
        painter->drawPoint(topLeft + right * (marginLeft + 1) + down * (lowerTop + 1));
    if (selected) {
        painter->drawPoint(rightLineEnd + right + down);
        painter->drawPoint(leftLineEnd + left + down);
    }

    // Blended corners.
    painter->setPen(colors.cornerBlend);
    if (atBegin || selected)
        painter->drawPoint(topLineStart + left);
    if (!prevSelected)
        painter->drawPoint(leftLineStart + up);
    if (atEnd || selected) {
        painter->drawPoint(topLineEnd + right);
        painter->drawPoint(rightLineStart + up);
    }
    if (selected) {
        painter->drawPoint(rightLineEnd + right + down + left);
        if (!atBegin) {
            painter->drawPoint(leftLineEnd + left + down + right);
            if (leftCorner && beginning)
                painter->drawPoint(leftLineEnd + left + down + down);
        }
    }

    // Inner top line.
    const QPoint innerTopStart = topLineStart + down;
    const QPoint innerTopEnd = topLineEnd + down;
    if (selected)
        painter->setPen(colors.innerLight);
    else if (mouseOver)
        painter->setPen(QPen(colors.hoverInnerLine, 1));
    else
        painter->setPen(gradientPen(innerTopStart, innerTopEnd, colors.innerLight, colors.innerHighlight));
    painter->drawLine(innerTopStart, innerTopEnd);

    // Inner side lines.
    QPoint innerLeftStart = leftLineStart + right + down;
    const QPoint innerLeftEnd = leftLineEnd + right;
    QPoint innerRightStart = rightLineStart + left + down;
    const QPoint innerRightEnd = rightLineEnd + left;
    if (selected) {
        innerLeftStart += up;
        innerRightStart += up;
    }
    if (selected || atBegin) {
        if (selected)
            painter->setPen(colors.innerLight);
        else
            painter->setPen(gradientPen(innerLeftStart, innerLeftEnd, colors.innerLight,
                                        colors.innerHighlight));
        if (reverseShadow)
            painter->drawLine(innerRightStart, innerRightEnd);
        else
            painter->drawLine(innerLeftStart, innerLeftEnd);
    }
    if (selected || atEnd) {
        if (selected)
            painter->setPen(colors.innerShadow);
        else
            painter->setPen(gradientPen(innerRightStart, innerRightEnd, colors.innerShadow,
                                        colors.innerShadowEnd));
        if (reverseShadow)
            painter->drawLine(innerLeftStart, innerLeftEnd);
        else
            painter->drawLine(innerRightStart, innerRightEnd);
    }

    // Base lines toward the bar's base; the selected tab opens into the page.
    QPoint baseStart = bottomLeft + right * 2 * marginLeft;
    QPoint baseEnd = bottomRight;
    if (atEnd && !selected)
        baseEnd += right;
    if (nextSelected)
        baseEnd += left;
    if (prevSelected)
        baseStart += right;
    painter->setPen(baseColor2);
    if (!selected)
        painter->drawLine(baseStart, baseEnd);
    if (atEnd && !selected)
        painter->drawPoint(baseEnd + right);
    painter->setPen(baseColor1);
    if (!selected)
        painter->drawLine(bottomLeft + up + (atBegin ? right : QPoint()), baseEnd + up);
    if (atEnd && !selected)
        painter->drawPoint(bottomRight + up);
    if (atBegin && !selected)
        painter->drawPoint(baseStart + left);
    painter->setPen(colors.cornerBlend);
    if (nextSelected)
        painter->drawPoint(bottomRight + up);
    else if (selected)
        painter->drawPoint(bottomRight + up + right);
    if (atBegin && !selected)
        painter->drawPoint(baseStart + left * 2);

    painter->restore();
}

void ZELStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                  QPainter *painter, const QWidget *widget) const
{
    if (control != CC_GroupBox) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    drawGroupBox(option, painter, widget);
}

void ZELStyle::drawGroupBox(const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const
{
    const auto *groupBox = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (!groupBox)
        return;

    QStyleOptionGroupBox withoutTitle(*groupBox);
    withoutTitle.subControls &= ~SC_GroupBoxLabel;
    QProxyStyle::drawComplexControl(CC_GroupBox, &withoutTitle, painter, widget);

    if (!(groupBox->subControls & SC_GroupBoxLabel))
        return;

    // The title pill always sits on the top edge, centred.
    const QPixmap capLeft = image(TitleCapLeftImage);
    const QPixmap capRight = image(TitleCapRightImage);
    const QPixmap stretch = image(TitleStretchImage);
    const int textWidth = groupBox->fontMetrics.horizontalAdvance(groupBox->text) + 20;
    painter->drawPixmap(QPoint(groupBox->rect.center().x() - textWidth / 2, 0), capLeft);
    const QRect label = subControlRect(CC_GroupBox, groupBox, SC_GroupBoxLabel, widget);
    if (!stretch.isNull() && label.isValid())
        painter->drawTiledPixmap(label, stretch);
    painter->drawPixmap(QPoint(label.x() + label.width(), 0), capRight);

    // White text over a soft three-pass shadow.
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter;
    painter->setPen(QColor(0, 0, 0, 31));
    painter->drawText(label.translated(0, 1), flags, groupBox->text);
    painter->drawText(label.translated(2, 1), flags, groupBox->text);
    painter->setPen(QColor(0, 0, 0, 62));
    painter->drawText(label.translated(1, 1), flags, groupBox->text);
    painter->setPen(QColor(Qt::white));
    painter->drawText(label, flags, groupBox->text);
}
