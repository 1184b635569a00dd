#include "style/zelplainstyle.h"

#include "style/zeltextbounds.h"

#include <QStyleFactory>
#include <QStyleOptionViewItem>
#include <QWidget>

namespace {

QStyle *createWindowsStyle()
{
    QStyle *base = QStyleFactory::create(QStringLiteral("Windows"));
    if (!base)
        base = QStyleFactory::create(QStringLiteral("Fusion"));
    return base;
}

} // namespace

ZELPlainStyle::ZELPlainStyle()
    : QProxyStyle(createWindowsStyle())
{
}

QStyle *ZELPlainStyle::setOn(QWidget *widget)
{
    auto *style = new ZELPlainStyle;
    style->setParent(widget);
    widget->setStyle(style);
    return style;
}

const QStyleOption *ZELPlainStyle::boundedItem(bool bound, const QStyleOption *option, QStyleOptionViewItem *copy)
{
    const auto *item = bound ? qstyleoption_cast<const QStyleOptionViewItem *>(option) : nullptr;
    if (!item || item->text.size() <= ItemTextLength)
        return option;
    *copy = *item;
    copy->text = ZELTextBounds::elided(item->text, ItemTextLength);
    return copy;
}

void ZELPlainStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    QStyleOptionViewItem item;
    QProxyStyle::drawControl(element, boundedItem(element == CE_ItemViewItem, option, &item), painter, widget);
}

QSize ZELPlainStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                      const QWidget *widget) const
{
    QStyleOptionViewItem item;
    return QProxyStyle::sizeFromContents(type, boundedItem(type == CT_ItemViewItem, option, &item), size, widget);
}

QRect ZELPlainStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    QStyleOptionViewItem item;
    return QProxyStyle::subElementRect(element, boundedItem(true, option, &item), widget);
}
