#include "style/zelframelabels.h"

#include <QtGui/QFont>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSizePolicy>

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

void ZELFrameLabels::createFrameLabels(QWidget *form, int minimumSideHeight, int minimumBottomWidth)
{
    const auto corner = [form](const char *name, int height) {
        QLabel *label = frameLabel(form, name, QRect());
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label->setFixedSize(Edge, height);
        return label;
    };
    const auto side = [form, minimumSideHeight](const char *name) {
        QLabel *label = frameLabel(form, name, QRect());
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        label->setMinimumSize(Edge, minimumSideHeight);
        label->setMaximumSize(Edge, QWIDGETSIZE_MAX);
        return label;
    };
    m_leftTopCorner = corner("m_leftTopCorner", TitleHeight);
    m_rightTopCorner = corner("m_rightTopCorner", TitleHeight);
    m_leftStretch = side("m_leftStretch");
    m_rightStretch = side("m_rightStretch");
    m_leftBottomCorner = corner("m_leftBottomCorner", Edge);
    m_rightBottomCorner = corner("m_rightBottomCorner", Edge);
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    m_bottomStretch = frameLabel(form, "m_bottomStretch", QRect());
    m_bottomStretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_bottomStretch->setMinimumSize(minimumBottomWidth, Edge);
    m_bottomStretch->setMaximumSize(QWIDGETSIZE_MAX, Edge);
}

QLabel *ZELFrameLabels::layoutTitleLabel(QWidget *form, int minimumWidth)
{
    QLabel *label = titleLabel(form, QRect());
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    label->setMinimumSize(minimumWidth, TitleHeight);
    label->setMaximumSize(QWIDGETSIZE_MAX, TitleHeight);
    return label;
}

QPushButton *ZELFrameLabels::layoutTitleButton(QWidget *form, const char *name)
{
    QPushButton *button = titleButton(form, name, QRect());
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFixedSize(12, 11);
    button->setAutoFillBackground(true);
    return button;
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
    // Titles name peers; a name is never markup.
    label->setTextFormat(Qt::PlainText);
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
