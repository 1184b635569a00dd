#ifndef ZELPLAINSTYLE_H
#define ZELPLAINSTYLE_H

#include <QProxyStyle>

class QStyleOptionViewItem;
class QWidget;

// The toolkit's plain "Windows" look, which some windows and widgets keep
// whatever the application style is, with the one bound the application style
// adds: a list, tree or table row is measured and painted from at most
// ItemTextLength characters of its text. The toolkit lays out and elides a
// row's text whole each time, in a time that grows with its length, and a
// name or status a peer sent may be megabytes long. The item keeps its text
// whole for whatever reads it back.
//
//     ZELPlainStyle::setOn(window);   // in place of QStyleFactory::create("Windows")
class ZELPlainStyle : public QProxyStyle
{
public:
    enum { ItemTextLength = 1024 };

    ZELPlainStyle();

    // A plain style of the widget's own, owned by it (setStyle() does not take ownership).
    static QStyle *setOn(QWidget *widget);

    // The option itself, or with `bound` a copy in *copy whose row text is bounded.
    static const QStyleOption *boundedItem(bool bound, const QStyleOption *option, QStyleOptionViewItem *copy);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    // An item's text and icon places measure its text too.
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
};

#endif
