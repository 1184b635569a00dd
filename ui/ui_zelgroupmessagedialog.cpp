#include /* form */ "ui/ui_zelgroupmessagedialog.h"

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

QSpacerItem *spacer(int w, int h, QSizePolicy::Policy hp, QSizePolicy::Policy vp)
{
    return new QSpacerItem(w, h, hp, vp);
}

QSpacerItem *vgap(int w, int h)
{
    return spacer(w, h, QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QSpacerItem *hgap(int w, int h)
{
    return spacer(w, h, QSizePolicy::Fixed, QSizePolicy::Minimum);
}

QFont verdana8(int weight)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(weight >= 75 ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

// The title label's colours, as the other framed windows give theirs.
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

QRadioButton *radio(QGroupBox *box, const char *name, int x, int w)
{
    auto *button = new QRadioButton(box);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 5, w, 18);
    return button;
}

QPushButton *bottomButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFixedSize(75, 23);
    button->setFont(verdana8(50));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

void Ui_ZELGroupMessageDialog::setupUi(QDialog *ZELGroupMessageDialog)
{
    QDialog *d = ZELGroupMessageDialog;
    if (d->objectName().isEmpty())
        d->setObjectName(QString::fromLatin1("ZELGroupMessageDialog"));
    d->resize(498, 690);
    d->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    d->setMinimumSize(360, 550);

    gridLayout = new QGridLayout(d);
    gridLayout->setObjectName(QString::fromLatin1("gridLayout"));
    gridLayout->setHorizontalSpacing(0);
    gridLayout->setVerticalSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    // Title band.
    hboxLayout = new QHBoxLayout();
    hboxLayout->setSpacing(0);
    hboxLayout->setContentsMargins(0, 0, 0, 0);
    m_leftTopCorner = frameLabel(d, "m_leftTopCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_leftTopCorner->setFixedSize(11, 20);
    hboxLayout->addWidget(m_leftTopCorner);
    m_logoLabel = new QLabel(d);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setMinimumSize(300, 20);
    m_logoLabel->setMaximumSize(16777215, 20);
    m_logoLabel->setPalette(titlePalette());
    m_logoLabel->setFont(verdana8(75));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    hboxLayout->addWidget(m_logoLabel);
    hboxLayout->addItem(hgap(4, 12));
    hboxLayout->addItem(hgap(4, 20));
    m_closeButton = new QPushButton(d);
    m_closeButton->setObjectName(QString::fromLatin1("m_closeButton"));
    m_closeButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_closeButton->setFixedSize(12, 11);
    m_closeButton->setAutoFillBackground(true);
    m_closeButton->setFlat(true);
    hboxLayout->addWidget(m_closeButton);
    m_rightTopCorner = frameLabel(d, "m_rightTopCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_rightTopCorner->setFixedSize(11, 20);
    hboxLayout->addWidget(m_rightTopCorner);
    gridLayout->addLayout(hboxLayout, 0, 0, 1, 1);

    // Body band.
    hboxLayout1 = new QHBoxLayout();
    hboxLayout1->setSpacing(0);
    hboxLayout1->setContentsMargins(0, 0, 0, 0);
    m_leftStretch = frameLabel(d, "m_leftStretch", QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_leftStretch->setMinimumSize(11, 239);
    m_leftStretch->setMaximumSize(11, 16777215);
    hboxLayout1->addWidget(m_leftStretch);

    vboxLayout = new QVBoxLayout();
    vboxLayout->setSpacing(0);
    vboxLayout->setContentsMargins(10, 0, 10, 5);
    vboxLayout->addItem(vgap(20, 10));

    hboxLayout2 = new QHBoxLayout();
    m_groupLogoLabel = new QLabel(d);
    m_groupLogoLabel->setObjectName(QString::fromLatin1("m_groupLogoLabel"));
    m_groupLogoLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_groupLogoLabel->setFixedSize(46, 40);
    hboxLayout2->addWidget(m_groupLogoLabel);
    hboxLayout2->addItem(hgap(5, 40));
    label_2 = new QLabel(d);
    label_2->setObjectName(QString::fromLatin1("label_2"));
    label_2->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label_2->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    hboxLayout2->addWidget(label_2);
    hboxLayout2->addItem(hgap(5, 20));
    vboxLayout1 = new QVBoxLayout();
    vboxLayout1->setSpacing(0);
    vboxLayout1->addItem(vgap(20, 5));
    m_contactsGroupBox = new QGroupBox(d);
    m_contactsGroupBox->setObjectName(QString::fromLatin1("m_contactsGroupBox"));
    m_contactsGroupBox->setMinimumSize(160, 25);
    m_offlineRadioButto = radio(m_contactsGroupBox, "m_offlineRadioButto", 7, 71);
    m_onlineRadioButto = radio(m_contactsGroupBox, "m_onlineRadioButto", 80, 69);
    vboxLayout1->addWidget(m_contactsGroupBox);
    vboxLayout1->addItem(vgap(20, 5));
    hboxLayout2->addLayout(vboxLayout1);
    hboxLayout2->addItem(spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    vboxLayout->addLayout(hboxLayout2);

    vboxLayout->addItem(vgap(20, 2));
    vboxLayout->addItem(vgap(29, 1));
    m_onlineUsersListWidget = new QTreeWidget(d);
    m_onlineUsersListWidget->setObjectName(QString::fromLatin1("m_onlineUsersListWidget"));
    m_onlineUsersListWidget->setSelectionBehavior(QAbstractItemView::SelectItems);
    vboxLayout->addWidget(m_onlineUsersListWidget);
    vboxLayout->addItem(vgap(20, 0));
    vboxLayout->addItem(vgap(20, 5));

    hboxLayout3 = new QHBoxLayout();
    hboxLayout3->setSpacing(0);
    m_selectAllCheckBox = new QCheckBox(d);
    m_selectAllCheckBox->setObjectName(QString::fromLatin1("m_selectAllCheckBox"));
    m_selectAllCheckBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_selectAllCheckBox->setMinimumWidth(140);
    hboxLayout3->addWidget(m_selectAllCheckBox);
    hboxLayout3->addItem(hgap(5, 20));
    vboxLayout2 = new QVBoxLayout();
    vboxLayout2->setSpacing(0);
    vboxLayout2->addItem(vgap(20, 5));
    m_listGroupBox = new QGroupBox(d);
    m_listGroupBox->setObjectName(QString::fromLatin1("m_listGroupBox"));
    m_listGroupBox->setMinimumSize(170, 28);
    m_userRadioButton = radio(m_listGroupBox, "m_userRadioButton", 7, 55);
    m_deptRadioButton = radio(m_listGroupBox, "m_deptRadioButton", 64, 100);
    vboxLayout2->addWidget(m_listGroupBox);
    vboxLayout2->addItem(vgap(20, 5));
    hboxLayout3->addLayout(vboxLayout2);
    hboxLayout3->addItem(spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    vboxLayout->addLayout(hboxLayout3);

    vboxLayout->addItem(vgap(20, 10));
    m_displayErrorMessage = new QLabel(d);
    m_displayErrorMessage->setObjectName(QString::fromLatin1("m_displayErrorMessage"));
    {
        QFont font;
        font.setFamily(QStringLiteral("Verdana"));
        font.setWeight(QFont::Normal);
        m_displayErrorMessage->setFont(font);
    }
    m_displayErrorMessage->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    vboxLayout->addWidget(m_displayErrorMessage);
    vboxLayout->addItem(vgap(20, 1));
    m_dockedWidget = new QWidget(d);
    m_dockedWidget->setObjectName(QString::fromLatin1("m_dockedWidget"));
    m_dockedWidget->setMinimumHeight(40);
    m_dockedWidget->setMaximumSize(16777215, 40);
    m_dockedWidget->setAutoFillBackground(true);
    vboxLayout->addWidget(m_dockedWidget);
    vboxLayout->addItem(vgap(20, 1));
    m_groupMessageTextEdit = new QTextEdit(d);
    m_groupMessageTextEdit->setObjectName(QString::fromLatin1("m_groupMessageTextEdit"));
    m_groupMessageTextEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_groupMessageTextEdit->setMaximumHeight(115);
    {
        QFont font;
        font.setFamily(QStringLiteral("Verdana"));
        m_groupMessageTextEdit->setFont(font);
    }
    vboxLayout->addWidget(m_groupMessageTextEdit);
    vboxLayout->addItem(vgap(20, 10));

    hboxLayout4 = new QHBoxLayout();
    hboxLayout4->setSpacing(0);
    hboxLayout4->setContentsMargins(0, 0, 0, 0);
    hboxLayout4->addItem(spacer(40, 20, QSizePolicy::MinimumExpanding, QSizePolicy::Minimum));
    m_sendMessageButton = bottomButton(d, "m_sendMessageButton");
    hboxLayout4->addWidget(m_sendMessageButton);
    hboxLayout4->addItem(hgap(15, 20));
    m_cancelButton = bottomButton(d, "m_cancelButton");
    hboxLayout4->addWidget(m_cancelButton);
    hboxLayout4->addItem(spacer(33, 20, QSizePolicy::MinimumExpanding, QSizePolicy::Minimum));
    vboxLayout->addLayout(hboxLayout4);
    vboxLayout->addItem(vgap(20, 10));
    hboxLayout1->addLayout(vboxLayout);

    m_rightStretch = frameLabel(d, "m_rightStretch", QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_rightStretch->setMinimumSize(11, 239);
    m_rightStretch->setMaximumSize(11, 16777215);
    hboxLayout1->addWidget(m_rightStretch);
    gridLayout->addLayout(hboxLayout1, 1, 0, 1, 1);

    // Bottom band.
    hboxLayout5 = new QHBoxLayout();
    hboxLayout5->setSpacing(0);
    hboxLayout5->setContentsMargins(0, 0, 0, 0);
    m_leftBottomCorner = frameLabel(d, "m_leftBottomCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_leftBottomCorner->setFixedSize(11, 11);
    hboxLayout5->addWidget(m_leftBottomCorner);
    m_bottomStretch = frameLabel(d, "m_bottomStretch", QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_bottomStretch->setMinimumSize(474, 11);
    m_bottomStretch->setMaximumSize(16777215, 11);
    hboxLayout5->addWidget(m_bottomStretch);
    m_rightBottomCorner = frameLabel(d, "m_rightBottomCorner", QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_rightBottomCorner->setFixedSize(11, 11);
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    hboxLayout5->addWidget(m_rightBottomCorner);
    gridLayout->addLayout(hboxLayout5, 2, 0, 1, 1);

    QWidget::setTabOrder(m_offlineRadioButto, m_onlineRadioButto);
    QWidget::setTabOrder(m_onlineRadioButto, m_onlineUsersListWidget);
    QWidget::setTabOrder(m_onlineUsersListWidget, m_selectAllCheckBox);
    QWidget::setTabOrder(m_selectAllCheckBox, m_userRadioButton);
    QWidget::setTabOrder(m_userRadioButton, m_deptRadioButton);
    QWidget::setTabOrder(m_deptRadioButton, m_groupMessageTextEdit);
    QWidget::setTabOrder(m_groupMessageTextEdit, m_sendMessageButton);
    QWidget::setTabOrder(m_sendMessageButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(d);
    QMetaObject::connectSlotsByName(d);
}

void Ui_ZELGroupMessageDialog::retranslateUi(QDialog *ZELGroupMessageDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELGroupMessageDialog", text); };
    ZELGroupMessageDialog->setWindowTitle(tr("Sending Group Message"));
    m_leftTopCorner->setText(QString());
    m_logoLabel->setText(tr("Sending Group Message"));
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_rightTopCorner->setText(QString());
    m_leftStretch->setText(QString());
    m_groupLogoLabel->setText(tr("TextLabel"));
    label_2->setText(tr("Contacts"));
    m_contactsGroupBox->setTitle(QString());
    m_offlineRadioButto->setToolTip(tr("Offline Contacts"));
    m_offlineRadioButto->setText(tr("Offline"));
    m_onlineRadioButto->setToolTip(tr("Online Contacts"));
    m_onlineRadioButto->setText(tr("Online"));
    m_onlineUsersListWidget->headerItem()->setText(0, tr("1"));
    m_onlineUsersListWidget->setStyleSheet(QString::fromLatin1(
        "QTreeView {\n border: 1px solid gray;\n border-radius: 5px;\n padding: 1px 1px 1px 1px;\n}\n"
        "QTreeView::branch:has-siblings:!adjoins-item {\n border-image: url(:images/vline.png) 0;\n}\n"
        "QTreeView::branch:has-siblings:adjoins-item {\n border-image: url(:images/branch-more.png) 0;\n}\n"
        "QTreeView::branch:!has-children:!has-siblings:adjoins-item {\n border-image: url(:images/branch-end.png) 0;\n}\n"
        "QTreeView::branch:has-children:!has-siblings:closed,\n"
        "QTreeView::branch:closed:has-children:has-siblings {\n border-image: none;\n image: url(:images/branch-closed.png);\n}\n"
        "QTreeView::branch:open:has-children:!has-siblings,\n"
        "QTreeView::branch:open:has-children:has-siblings {\n border-image: none;\n image: url(:images/branch-open.png);\n}\n"));
    m_selectAllCheckBox->setToolTip(tr("Select / Unselect all Contacts"));
    m_selectAllCheckBox->setText(tr("  Select all Contacts"));
    m_listGroupBox->setTitle(QString());
    m_userRadioButton->setToolTip(tr("User List"));
    m_userRadioButton->setText(tr("User"));
    m_deptRadioButton->setToolTip(tr("Department List"));
    m_deptRadioButton->setText(tr("Department"));
    m_displayErrorMessage->setText(tr("Group Message"));
    m_sendMessageButton->setToolTip(tr("Send Group Message"));
    m_sendMessageButton->setText(tr("Send"));
    m_cancelButton->setToolTip(tr("Close"));
    m_cancelButton->setText(tr("Close"));
    m_rightStretch->setText(QString());
    m_leftBottomCorner->setText(QString());
    m_bottomStretch->setText(QString());
    m_rightBottomCorner->setText(QString());
}
