#include /* form */ "ui/ui_zelprofilesettings.h"

#include <QtCore/QCoreApplication>

namespace {

const QColor LightBlue(144, 209, 247);
const QColor Beige(236, 233, 216);

// The palette of the editable fields; readOnly keeps the text black while disabled.
QPalette fieldPalette(bool readOnly)
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Midlight, LightBlue);
        palette.setColor(group, QPalette::Shadow, LightBlue);
        palette.setColor(group, QPalette::Highlight, disabled ? QColor(120, 174, 206) : LightBlue);
        palette.setColor(group, QPalette::HighlightedText, group == QPalette::Inactive ? Qt::black : Qt::white);
        palette.setColor(group, QPalette::Base, disabled ? Beige : QColor(Qt::white));
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Dark, Qt::white);
        palette.setColor(group, QPalette::Mid, QColor(157, 155, 144));
        palette.setColor(group, QPalette::Window, Beige);
        palette.setColor(group, QPalette::Button, Beige);
        const QColor text = disabled && !readOnly ? QColor(Qt::white) : QColor(Qt::black);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 255));
        palette.setColor(group, QPalette::LinkVisited, QColor(255, 0, 255));
        palette.setColor(group, QPalette::AlternateBase, QColor(232, 232, 232));
    }
    return palette;
}

QPalette listPalette()
{
    QPalette palette = fieldPalette(false);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Button, LightBlue);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::AlternateBase,
                         group == QPalette::Disabled ? QColor(245, 244, 235) : QColor(233, 231, 227));
    }
    return palette;
}

QFont verdana8(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(bold);
    return font;
}

QFont verdanaNormal()
{
    QFont font;
    font.setFamily(QStringLiteral("Verdana"));
    font.setBold(false);
    return font;
}

QFont verdanaFamily()
{
    QFont font;
    font.setFamily(QStringLiteral("Verdana"));
    return font;
}

template<typename W>
W *make(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

QLabel *rowLabel(QWidget *parent, const char *name, int x, int y, int w, int h, const QFont &font)
{
    QLabel *label = make<QLabel>(parent, name, x, y, w, h);
    label->setFont(font);
    return label;
}

QLineEdit *field(QWidget *parent, const char *name, int x, int y, int w, int h, const QPalette &palette)
{
    QLineEdit *edit = make<QLineEdit>(parent, name, x, y, w, h);
    edit->setPalette(palette);
    edit->setFont(verdana8(false));
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, int x, int y, int w, int h, const QFont &font)
{
    QPushButton *push = make<QPushButton>(parent, name, x, y, w, h);
    push->setFont(font);
    push->setCursor(Qt::PointingHandCursor);
    return push;
}

} // namespace

void Ui_ZELProfileSettings::setupUi(QDialog *ZELProfileSettings)
{
    if (ZELProfileSettings->objectName().isEmpty())
        ZELProfileSettings->setObjectName(QString::fromLatin1("ZELProfileSettings"));
    ZELProfileSettings->resize(678, 515);
    ZELProfileSettings->setMinimumSize(678, 515);
    ZELProfileSettings->setMaximumSize(678, 515);
    QFont windowFont(QStringLiteral("MS Shell Dlg 2"), 8);
    windowFont.setBold(true);
    ZELProfileSettings->setFont(windowFont);

    m_logoLabel = titleLabel(ZELProfileSettings, QRect(11, 0, 626, 20));
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setupFrameLabels(ZELProfileSettings, QSize(678, 515));

    m_resetButton = button(ZELProfileSettings, "m_resetButton", 190, 460, 75, 23, verdana8(false));
    m_updateButton = button(ZELProfileSettings, "m_updateButton", 300, 460, 75, 23, verdana8(false));
    m_cancelButton = button(ZELProfileSettings, "m_cancelButton", 400, 460, 75, 23, verdana8(false));
    m_closeButton = titleButton(ZELProfileSettings, "m_closeButton", QRect(655, 7, 12, 11));
    m_closeButton->setAutoFillBackground(true);

    m_connectGroupBox = make<QGroupBox>(ZELProfileSettings, "m_connectGroupBox", 40, 35, 600, 410);
    QWidget *box = m_connectGroupBox;
    const QPalette fields = fieldPalette(false);
    const QPalette readOnly = fieldPalette(true);
    label_12 = rowLabel(box, "label_12", 30, 300, 60, 19, verdana8(false));
    m_phoneLineEdit = field(box, "m_phoneLineEdit", 120, 210, 155, 19, fields);
    m_zipCodeLineEdit = field(box, "m_zipCodeLineEdit", 120, 300, 155, 19, fields);
    label_3 = rowLabel(box, "label_3", 30, 30, 81, 19, verdana8(false));
    label_6 = rowLabel(box, "label_6", 30, 240, 60, 19, verdana8(false));
    label_8 = rowLabel(box, "label_8", 30, 150, 60, 19, verdana8(false));
    m_country = make<QComboBox>(box, "m_country", 120, 270, 155, 18);
    m_country->setPalette(listPalette());
    m_country->setFont(verdanaFamily());
    label_13 = rowLabel(box, "label_13", 30, 210, 60, 19, verdana8(false));
    label_10 = rowLabel(box, "label_10", 30, 180, 60, 16, verdana8(false));
    m_stateLineEdit = field(box, "m_stateLineEdit", 120, 180, 155, 19, fields);
    m_cityLineEdit = field(box, "m_cityLineEdit", 120, 150, 155, 19, fields);
    m_streetLineEdit = field(box, "m_streetLineEdit", 120, 60, 155, 19, fields);
    m_firstNameLineEdit = field(box, "m_firstNameLineEdit", 120, 30, 155, 19, readOnly);
    m_firstNameLineEdit->setEnabled(false);
    label_9 = rowLabel(box, "label_9", 30, 120, 60, 19, verdana8(false));
    m_eMailAddressLineEdit = field(box, "m_eMailAddressLineEdit", 120, 240, 155, 19, readOnly);
    m_eMailAddressLineEdit->setEnabled(false);
    label_7 = rowLabel(box, "label_7", 30, 60, 60, 19, verdana8(false));
    label_11 = rowLabel(box, "label_11", 30, 270, 60, 19, verdana8(false));
    m_areaLineEdit = field(box, "m_areaLineEdit", 120, 120, 155, 19, fields);
    label = rowLabel(box, "label", 30, 340, 61, 16, verdanaNormal());
    m_timeLabel = rowLabel(box, "m_timeLabel", 120, 380, 151, 15, verdanaNormal());
    groupBox = make<QGroupBox>(box, "groupBox", 310, 70, 261, 201);
    m_displayImageLabel = make<QLabel>(groupBox, "m_displayImageLabel", 20, 50, 91, 101);
    m_displayImageLabel->setScaledContents(true);
    m_changeImageButton = button(groupBox, "m_changeImageButton", 142, 70, 101, 23, verdanaNormal());
    m_resetImageButton = button(groupBox, "m_resetImageButton", 142, 110, 101, 23, verdanaNormal());
    m_timeZoneComboBox = make<QComboBox>(box, "m_timeZoneComboBox", 120, 340, 155, 18);
    m_timeZoneComboBox->setPalette(listPalette());
    m_timeZoneComboBox->setFont(verdanaFamily());
    m_displayErrorMessage = make<QLabel>(box, "m_displayErrorMessage", 30, 383, 551, 16);
    m_displayErrorMessage->setAlignment(Qt::AlignCenter);
    QPalette error = m_displayErrorMessage->palette();
    error.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 0));
    error.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 0));
    error.setColor(QPalette::Disabled, QPalette::WindowText, QColor(118, 116, 108));
    m_displayErrorMessage->setPalette(error);
    label_2 = rowLabel(box, "label_2", 30, 380, 61, 15, verdanaNormal());
    label_4 = rowLabel(box, "label_4", 30, 90, 82, 16, verdanaNormal());
    m_buildingName = make<QLineEdit>(box, "m_buildingName", 120, 90, 155, 20);
    QPalette highlight = m_buildingName->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        highlight.setColor(group, QPalette::Midlight, LightBlue);
        highlight.setColor(group, QPalette::Shadow, LightBlue);
        highlight.setColor(group, QPalette::Highlight, group == QPalette::Disabled ? QColor(49, 106, 197) : LightBlue);
    }
    m_buildingName->setPalette(highlight);

    QWidget::setTabOrder(m_firstNameLineEdit, m_streetLineEdit);
    QWidget::setTabOrder(m_streetLineEdit, m_buildingName);
    QWidget::setTabOrder(m_buildingName, m_areaLineEdit);
    QWidget::setTabOrder(m_areaLineEdit, m_cityLineEdit);
    QWidget::setTabOrder(m_cityLineEdit, m_stateLineEdit);
    QWidget::setTabOrder(m_stateLineEdit, m_phoneLineEdit);
    QWidget::setTabOrder(m_phoneLineEdit, m_eMailAddressLineEdit);
    QWidget::setTabOrder(m_eMailAddressLineEdit, m_country);
    QWidget::setTabOrder(m_country, m_zipCodeLineEdit);
    QWidget::setTabOrder(m_zipCodeLineEdit, m_timeZoneComboBox);
    QWidget::setTabOrder(m_timeZoneComboBox, m_changeImageButton);
    QWidget::setTabOrder(m_changeImageButton, m_resetImageButton);
    QWidget::setTabOrder(m_resetImageButton, m_resetButton);
    QWidget::setTabOrder(m_resetButton, m_updateButton);
    QWidget::setTabOrder(m_updateButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_closeButton);

    retranslateUi(ZELProfileSettings);
}

void Ui_ZELProfileSettings::retranslateUi(QDialog *ZELProfileSettings)
{
    const char *c = "ZELProfileSettings";
    auto tr = [c](const char *text) { return QCoreApplication::translate(c, text); };
    ZELProfileSettings->setWindowTitle(tr("Profile Settings"));
    m_logoLabel->setText(tr("My Profile"));
    for (QLabel *frame : {m_leftTopCorner, m_rightTopCorner, m_bottomStretch, m_leftBottomCorner, m_leftStretch,
                          m_rightStretch, m_rightBottomCorner, m_timeLabel, m_displayImageLabel, m_displayErrorMessage})
        frame->setText(QString());
    m_resetButton->setText(tr("Reset"));
    m_resetButton->setToolTip(tr("Reset Profile"));
    m_updateButton->setText(tr("Update"));
    m_updateButton->setToolTip(tr("Update Profile"));
    m_cancelButton->setText(tr("Close"));
    m_cancelButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_connectGroupBox->setTitle(tr("Profile Details"));
    label_12->setText(tr("ZIP Code"));
    label_3->setText(tr("Display Name"));
    label_6->setText(tr("E-Mail *"));
    label_8->setText(tr("City"));
    label_13->setText(tr("Phone"));
    label_10->setText(tr("State"));
    m_firstNameLineEdit->setText(QString());
    label_9->setText(tr("Area"));
    m_eMailAddressLineEdit->setText(QString());
    label_7->setText(tr("Street"));
    label_11->setText(tr("Country *"));
    label->setText(tr("Time Zone"));
    groupBox->setTitle(tr("Display Image"));
    m_changeImageButton->setText(tr("Change Image"));
    m_changeImageButton->setToolTip(tr("Change Image"));
    m_resetImageButton->setText(tr("Reset Image"));
    m_resetImageButton->setToolTip(tr("Reset Image"));
    label_2->setText(tr("Time"));
    label_4->setText(tr("Building Name"));
}
