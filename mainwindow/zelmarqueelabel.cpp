#include "mainwindow/zelmarqueelabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLine>

ZELMarqueeLabel::ZELMarqueeLabel(QWidget *parent)
    : QLabel(parent)
{
}

// The cached line stands in for QLabel's own drawing only where the two agree:
// left-to-right plain text on one line, without frame, margin, indent
// or word wrap.
bool ZELMarqueeLabel::plainSingleLine() const
{
    const QString shown = text();
    return frameShape() == QFrame::NoFrame && margin() == 0 && indent() <= 0 && !wordWrap()
           && textFormat() != Qt::RichText && !(textFormat() == Qt::AutoText && Qt::mightBeRichText(shown))
           && !shown.contains(QLatin1Char('\n')) && !shown.contains(QLatin1Char('&'))
           && !shown.contains(QLatin1Char('\t')) && !shown.isRightToLeft();
}

// What else decides where QLabel puts the text; read on every paint, so cheap.
ZELMarqueeLabel::LayoutKey ZELMarqueeLabel::layoutKey() const
{
    return {int(alignment()), int(textFormat()), frameWidth(), margin(), indent(), wordWrap() ? 1 : 0};
}

// Lays the line out as QPainter::drawText does for a label's rectangle: one
// line, its natural width placed by the label's alignment.
void ZELMarqueeLabel::layOut()
{
    m_laidOutText = text();
    m_laidOutKey = layoutKey();
    m_layout.setText(m_laidOutText);
    m_layout.setFont(font());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(Qt::LeftToRight);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(qMax(0, contentsRect().width()));
        line.setPosition(QPointF(0, 0));
    }
    m_layout.endLayout();

    const QRect area = contentsRect();
    const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    const qreal width = line.isValid() ? line.naturalTextWidth() : 0;
    const qreal height = line.isValid() ? line.height() : 0;
    qreal x = 0;
    if (align & Qt::AlignRight)
        x = area.width() - width;
    else if (align & Qt::AlignHCenter)
        x = (area.width() - width) / 2;
    qreal y = 0;
    if (align & Qt::AlignBottom)
        y = area.height() - height;
    else if (align & Qt::AlignVCenter)
        y = (area.height() - height) / 2;
    m_origin = QPointF(area.x() + x, area.y() + y);
    m_laidOut = true;
}

void ZELMarqueeLabel::paintEvent(QPaintEvent *event)
{
    if (!m_laidOut || m_laidOutText != text() || m_laidOutKey != layoutKey()) {
        m_plain = plainSingleLine();
        layOut();
    }
    if (!m_plain || !isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    m_layout.draw(&painter, m_origin);
}

void ZELMarqueeLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        m_laidOut = false;
    QLabel::changeEvent(event);
}

void ZELMarqueeLabel::resizeEvent(QResizeEvent *event)
{
    m_laidOut = false;
    QLabel::resizeEvent(event);
}
