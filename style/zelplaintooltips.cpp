#include "style/zelplaintooltips.h"

#include "style/zeltextbounds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

void ZELPlainToolTips::install()
{
    static ZELPlainToolTips *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new ZELPlainToolTips(qApp);
    qApp->installEventFilter(filter);
}

QString ZELPlainToolTips::shown(const QString &text)
{
    if (text.size() <= ZELTextBounds::LineLength && !Qt::mightBeRichText(text))
        return text;
    return Qt::convertFromPlainText(ZELTextBounds::shownLine(text), Qt::WhiteSpaceNormal);
}

bool ZELPlainToolTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const auto *help = static_cast<QHelpEvent *>(event);
    QString text;
    QRect area;
    auto *view = qobject_cast<QAbstractItemView *>(widget->parentWidget());
    if (view && view->viewport() == widget) {
        const QModelIndex index = view->indexAt(help->pos());
        text = index.data(Qt::ToolTipRole).toString();
        area = view->visualRect(index);
    } else {
        text = widget->toolTip();
    }
    const QString plain = shown(text);
    if (plain == text)
        return false; // the toolkit shows it as it is
    QToolTip::showText(help->globalPos(), plain, widget, area, widget->toolTipDuration());
    return true;
}
