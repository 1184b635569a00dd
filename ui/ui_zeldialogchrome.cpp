#include /* form */ "ui/ui_zeldialogchrome.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QLinearGradient>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QSpacerItem>

namespace {

QLabel *frameLabel(QDialog *dialog, const char *name, QSize minimum, QSize maximum)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumSize(minimum);
    label->setMaximumSize(maximum);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton *titleButton(QDialog *dialog, const char *name)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(12, 11);
    button->setFlat(true);
    button->setAutoFillBackground(true);
    return button;
}

} // namespace

void Ui_ZELDialogChrome::setupChrome(QDialog *dialog, bool withMaximize)
{
    gridLayout = new QGridLayout(dialog);
    gridLayout->setSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setObjectName(QString::fromLatin1("gridLayout"));

    auto *title = new QHBoxLayout();
    title->setSpacing(0);
    m_leftTopCorner = frameLabel(dialog, "m_leftTopCorner", QSize(11, 20), QSize(11, 20));
    title->addWidget(m_leftTopCorner);
    m_logoLabel = new QLabel(dialog);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setMinimumSize(450, 20);
    m_logoLabel->setMaximumSize(QWIDGETSIZE_MAX, 20);
    m_logoLabel->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    title->addWidget(m_logoLabel);
    title->addItem(new QSpacerItem(4, 12, QSizePolicy::Fixed, QSizePolicy::Minimum));
    if (withMaximize) {
        m_maximizeButton = titleButton(dialog, "m_maximizeButton");
        title->addWidget(m_maximizeButton);
        title->addItem(new QSpacerItem(4, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    }
    m_closeButton = titleButton(dialog, "m_closeButton");
    title->addWidget(m_closeButton);
    m_rightTopCorner = frameLabel(dialog, "m_rightTopCorner", QSize(11, 20), QSize(11, 20));
    title->addWidget(m_rightTopCorner);
    gridLayout->addLayout(title, 0, 0);

    auto *body = new QHBoxLayout();
    body->setSpacing(0);
    m_leftStretch = frameLabel(dialog, "m_leftStretch", QSize(11, 239), QSize(11, QWIDGETSIZE_MAX));
    body->addWidget(m_leftStretch);
    vboxLayout = new QVBoxLayout();
    vboxLayout->setObjectName(QString::fromLatin1("vboxLayout"));
    vboxLayout->setContentsMargins(15, 0, 15, 0);
    body->addLayout(vboxLayout, 1);
    m_rightStretch = frameLabel(dialog, "m_rightStretch", QSize(11, 239), QSize(11, QWIDGETSIZE_MAX));
    body->addWidget(m_rightStretch);
    gridLayout->addLayout(body, 1, 0);

    auto *bottom = new QHBoxLayout();
    bottom->setSpacing(0);
    m_leftBottomCorner = frameLabel(dialog, "m_leftBottomCorner", QSize(11, 11), QSize(11, 11));
    bottom->addWidget(m_leftBottomCorner);
    m_bottomStretch = frameLabel(dialog, "m_bottomStretch", QSize(474, 11), QSize(QWIDGETSIZE_MAX, 11));
    bottom->addWidget(m_bottomStretch);
    m_rightBottomCorner = frameLabel(dialog, "m_rightBottomCorner", QSize(11, 11), QSize(11, 11));
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    bottom->addWidget(m_rightBottomCorner);
    gridLayout->addLayout(bottom, 2, 0);
}

void Ui_ZELDialogChrome::retranslateChrome(const char *context, const char *title)
{
    m_logoLabel->setText(QCoreApplication::translate(context, title));
    m_closeButton->setToolTip(QCoreApplication::translate(context, "Close"));
    if (m_maximizeButton)
        m_maximizeButton->setToolTip(QCoreApplication::translate(context, "Maximize"));
}

void Ui_ZELDialogChrome::styleTable(QTableWidget *table)
{
    table->setMinimumSize(380, 200);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setCornerButtonEnabled(false);
    QPalette palette = table->palette();
    QLinearGradient highlight(0, 0, 0.5, 0.5);
    highlight.setCoordinateMode(QGradient::ObjectBoundingMode);
    highlight.setColorAt(0, QColor(0xff, 0x92, 0xbb));
    highlight.setColorAt(1, Qt::white);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Button, QColor(0x61, 0x61, 0x61));
        palette.setColor(group, QPalette::Light, QColor(0xf0, 0xf5, 0xfb));
        palette.setColor(group, QPalette::Shadow, QColor(0x90, 0xd1, 0xf7));
        palette.setBrush(group, QPalette::Highlight, QBrush(highlight));
        palette.setColor(group, QPalette::HighlightedText, QColor(85, 0, 0));
        palette.setColor(group, QPalette::AlternateBase, QColor(0xf8, 0xfc, 0xff));
    }
    table->setPalette(palette);
    table->setStyleSheet(QStringLiteral(
        "QTableCornerButton::section { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
        "stop:0 #616161, stop:0.5 #505050, stop:0.6 #434343, stop:1 #656565); }"));
}
