#include "style/zelframelabels.h"

#include <QtGui/QFont>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace {

const int Edge = 11;
const int TitleHeight = 20;

QLabel *frameLabel(QWidget *form, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(form);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

void ZELFrameLabels::setupFrameLabels(QWidget *form, const QSize &size)
{
    const int right = size.width() - Edge;
    const int bottom = size.height() - Edge;
    const int sideHeight = bottom - TitleHeight;
    m_leftTopCorner = frameLabel(form, "m_leftTopCorner", QRect(0, 0, Edge, TitleHeight));
    m_rightTopCorner = frameLabel(form, "m_rightTopCorner", QRect(right, 0, Edge, TitleHeight));
    m_leftStretch = frameLabel(form, "m_leftStretch", QRect(0, TitleHeight, Edge, sideHeight));
    m_rightStretch = frameLabel(form, "m_rightStretch", QRect(right, TitleHeight, Edge, sideHeight));
    m_leftBottomCorner = frameLabel(form, "m_leftBottomCorner", QRect(0, bottom, Edge, Edge));
    m_rightBottomCorner = frameLabel(form, "m_rightBottomCorner", QRect(right, bottom, Edge, Edge));
    m_bottomStretch = frameLabel(form, "m_bottomStretch", QRect(Edge, bottom, right - Edge, Edge));
    // Corners keep their size and stretches their thickness; only the
    // stretches' length may follow the form.
    for (QLabel *corner : {m_leftTopCorner, m_rightTopCorner, m_leftBottomCorner, m_rightBottomCorner})
        corner->setFixedSize(corner->size());
    m_leftStretch->setFixedWidth(Edge);
    m_rightStretch->setFixedWidth(Edge);
    m_bottomStretch->setFixedHeight(Edge);
}

QLabel *ZELFrameLabels::titleLabel(QWidget *form, const QRect &geometry)
{
    auto *label = new QLabel(form);
    label->setObjectName(QStringLiteral("m_logoLabel"));
    label->setGeometry(geometry);
    label->setFixedHeight(TitleHeight);
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton *ZELFrameLabels::titleButton(QWidget *form, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(form);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFlat(true);
    return button;
}
