#include /* form */ "ui/ui_zelgroupmessagedisplay.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QPalette>
#include <QtWidgets/QSpacerItem>

namespace {

QLabel *frameLabel(QWidget *parent, const char *name, QSizePolicy::Policy h, QSizePolicy::Policy v)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setSizePolicy(h, v);
    label->setAutoFillBackground(true);
    return label;
}

QSpacerItem *vgap(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QSpacerItem *hgap(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Fixed, QSizePolicy::Minimum);
}

QPushButton *titleButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFixedSize(12, 11);
    button->setAutoFillBackground(true);
    button->setFlat(true);
    return button;
}

QPalette titlePalette()
{
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QColor active, QColor inactive, QColor disabled) {
        p.setColor(QPalette::Active, role, active);
        p.setColor(QPalette::Inactive, role, inactive);
        p.setColor(QPalette::Disabled, role, disabled);
    };
    const QColor black(0, 0, 0), white(255, 255, 255), beige(236, 233, 216), grey(118, 116, 108);
    set(QPalette::WindowText, black, black, grey);
    set(QPalette::Button, beige, beige, beige);
    set(QPalette::Light, white, white, white);
    set(QPalette::Midlight, QColor(241, 239, 226), QColor(241, 239, 226), QColor(245, 244, 235));
    set(QPalette::Dark, QColor(172, 168, 153), QColor(172, 168, 153), QColor(172, 168, 153));
    set(QPalette::Mid, QColor(157, 155, 144), QColor(157, 155, 144), QColor(157, 155, 144));
    set(QPalette::Text, black, black, grey);
    set(QPalette::BrightText, white, white, white);
    set(QPalette::ButtonText, black, black, grey);
    set(QPalette::Base, white, white, beige);
    set(QPalette::Window, beige, beige, beige);
    set(QPalette::Shadow, QColor(113, 111, 100), QColor(113, 111, 100), black);
    set(QPalette::Highlight, QColor(49, 106, 197), beige, QColor(49, 106, 197));
    set(QPalette::HighlightedText, white, black, white);
    set(QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255), QColor(0, 0, 255));
    set(QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255), QColor(255, 0, 255));
    set(QPalette::AlternateBase, QColor(233, 231, 227), QColor(233, 231, 227), QColor(245, 244, 235));
    return p;
}

} // namespace

void Ui_ZELGroupMessageDisplay::setupUi(QWidget *ZELGroupMessageDisplay)
{
    QWidget *w = ZELGroupMessageDisplay;
    if (w->objectName().isEmpty())
        w->setObjectName(QString::fromLatin1("ZELGroupMessageDisplay"));
    w->resize(506, 400);
    w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w->setMinimumSize(400, 400);

    gridLayout = new QGridLayout(w);
    gridLayout->setObjectName(QString::fromLatin1("gridLayout"));
    gridLayout->setHorizontalSpacing(0);
    gridLayout->setVerticalSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    hboxLayout = new QHBoxLayout();
    hboxLayout->setSpacing(0);
    hboxLayout->setContentsMargins(0, 0, 0, 0);
    m_leftTopCorner = frameLabel(w, "m_leftTopCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_leftTopCorner->setFixedSize(11, 20);
    hboxLayout->addWidget(m_leftTopCorner);
    m_logoLabel = new QLabel(w);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setMinimumSize(450, 20);
    m_logoLabel->setMaximumSize(16777215, 20);
    m_logoLabel->setPalette(titlePalette());
    {
        QFont font(QStringLiteral("Verdana"), 8);
        font.setWeight(QFont::Bold);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        m_logoLabel->setFont(font);
    }
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setTextFormat(Qt::PlainText);
    hboxLayout->addWidget(m_logoLabel);
    hboxLayout->addItem(hgap(4, 12));
    m_minimizeButton = titleButton(w, "m_minimizeButton");
    hboxLayout->addWidget(m_minimizeButton);
    hboxLayout->addItem(hgap(4, 20));
    m_closeButton = titleButton(w, "m_closeButton");
    hboxLayout->addWidget(m_closeButton);
    m_rightTopCorner = frameLabel(w, "m_rightTopCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_rightTopCorner->setFixedSize(11, 20);
    hboxLayout->addWidget(m_rightTopCorner);
    gridLayout->addLayout(hboxLayout, 0, 0, 1, 1);

    hboxLayout1 = new QHBoxLayout();
    hboxLayout1->setSpacing(0);
    hboxLayout1->setContentsMargins(0, 0, 0, 0);
    m_leftStretch = frameLabel(w, "m_leftStretch", QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_leftStretch->setMinimumSize(11, 239);
    m_leftStretch->setMaximumSize(11, 16777215);
    hboxLayout1->addWidget(m_leftStretch);
    hboxLayout1->addItem(hgap(10, 20));
    vboxLayout = new QVBoxLayout();
    vboxLayout->setSpacing(0);
    vboxLayout->setContentsMargins(10, 10, 10, 10);
    vboxLayout->addItem(vgap(2, 10));
    vboxLayout->addItem(vgap(20, 20));
    vboxLayout->addItem(vgap(20, 0));
    m_gMessageTextBrowser = new ZELMessageBrowser(w);
    m_gMessageTextBrowser->setObjectName(QString::fromLatin1("m_gMessageTextBrowser"));
    vboxLayout->addWidget(m_gMessageTextBrowser);
    vboxLayout->addItem(vgap(20, 20));
    hboxLayout2 = new QHBoxLayout();
    hboxLayout2->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_cancelButton = new QPushButton(w);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    hboxLayout2->addWidget(m_cancelButton);
    hboxLayout2->addItem(hgap(20, 1));
    vboxLayout->addLayout(hboxLayout2);
    vboxLayout->addItem(vgap(20, 10));
    vboxLayout->addItem(vgap(20, 0));
    hboxLayout1->addLayout(vboxLayout);
    hboxLayout1->addItem(hgap(10, 20));
    m_rightStretch = frameLabel(w, "m_rightStretch", QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_rightStretch->setMinimumSize(11, 239);
    m_rightStretch->setMaximumSize(11, 16777215);
    hboxLayout1->addWidget(m_rightStretch);
    gridLayout->addLayout(hboxLayout1, 1, 0, 1, 1);

    hboxLayout3 = new QHBoxLayout();
    hboxLayout3->setSpacing(0);
    hboxLayout3->setContentsMargins(0, 0, 0, 0);
    m_leftBottomCorner = frameLabel(w, "m_leftBottomCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_leftBottomCorner->setFixedSize(11, 11);
    hboxLayout3->addWidget(m_leftBottomCorner);
    m_bottomStretch = frameLabel(w, "m_bottomStretch", QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_bottomStretch->setMinimumSize(474, 11);
    m_bottomStretch->setMaximumSize(16777215, 11);
    hboxLayout3->addWidget(m_bottomStretch);
    m_rightBottomCorner = frameLabel(w, "m_rightBottomCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_rightBottomCorner->setFixedSize(11, 11);
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    hboxLayout3->addWidget(m_rightBottomCorner);
    gridLayout->addLayout(hboxLayout3, 2, 0, 1, 1);

    QWidget::setTabOrder(m_gMessageTextBrowser, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_minimizeButton);
    QWidget::setTabOrder(m_minimizeButton, m_closeButton);

    retranslateUi(w);
    QMetaObject::connectSlotsByName(w);
}

void Ui_ZELGroupMessageDisplay::retranslateUi(QWidget *ZELGroupMessageDisplay)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELGroupMessageDisplay", text); };
    ZELGroupMessageDisplay->setWindowTitle(tr("Group Message"));
    m_leftTopCorner->setText(QString());
    m_logoLabel->setText(tr("Group Message"));
    m_minimizeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_rightTopCorner->setText(QString());
    m_leftStretch->setText(QString());
    m_cancelButton->setToolTip(tr("Cancel"));
    m_cancelButton->setText(tr("Close"));
    m_rightStretch->setText(QString());
    m_leftBottomCorner->setText(QString());
    m_bottomStretch->setText(QString());
    m_rightBottomCorner->setText(QString());
}
