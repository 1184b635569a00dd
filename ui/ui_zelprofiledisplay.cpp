#include /* form */ "ui/ui_zelprofiledisplay.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QPalette>
#include <QtWidgets/QApplication>

namespace {

QPalette lightButtonPalette(QPalette palette)
{
    const QColor black(0, 0, 0), white(255, 255, 255), grey(122, 125, 127), face(244, 251, 255),
        midlight(249, 253, 255);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        palette.setColor(group, QPalette::WindowText, off ? grey : black);
        palette.setColor(group, QPalette::Text, off ? grey : black);
        palette.setColor(group, QPalette::ButtonText, off ? grey : black);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Light, white);
        palette.setColor(group, QPalette::Midlight, midlight);
        palette.setColor(group, QPalette::Dark, grey);
        palette.setColor(group, QPalette::Mid, QColor(163, 167, 170));
        palette.setColor(group, QPalette::BrightText, white);
        palette.setColor(group, QPalette::Base, off ? face : white);
        palette.setColor(group, QPalette::Shadow, black);
        palette.setColor(group, QPalette::AlternateBase, off ? face : midlight);
    }
    return palette;
}

QFont tahoma(const QFont &base, int pointSize = -1, int weight = -1)
{
    QFont font(base);
    font.setFamily(QStringLiteral("Tahoma"));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    if (weight >= 0)
        font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace

void Ui_ZELProfileDisplay::setupUi(QWidget *ZELProfileDisplay)
{
    if (ZELProfileDisplay->objectName().isEmpty())
        ZELProfileDisplay->setObjectName(QString::fromLatin1("ZELProfileDisplay"));
    ZELProfileDisplay->resize(276, 72);
    const QFont formFont = QApplication::font();
    ZELProfileDisplay->setFont(formFont);
    ZELProfileDisplay->setAutoFillBackground(true);

    m_frameBoxControl = new QLabel(ZELProfileDisplay);
    m_frameBoxControl->setObjectName(QString::fromLatin1("m_frameBoxControl"));
    m_frameBoxControl->setGeometry(0, 0, 275, 70);

    m_userStatusLabel = new QLabel(ZELProfileDisplay);
    m_userStatusLabel->setObjectName(QString::fromLatin1("m_userStatusLabel"));
    m_userStatusLabel->setGeometry(60, 24, 90, 13);
    m_userStatusLabel->setFont(tahoma(formFont, 7, QFont::Bold));
    QPalette statusPalette = m_userStatusLabel->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor colour = group == QPalette::Disabled ? QColor(118, 116, 108) : QColor(85, 170, 0);
        statusPalette.setColor(group, QPalette::WindowText, colour);
        statusPalette.setColor(group, QPalette::ButtonText, colour);
    }
    m_userStatusLabel->setPalette(statusPalette);
    m_userStatusLabel->setAutoFillBackground(true);

    m_chatToolButton = new QToolButton(ZELProfileDisplay);
    m_chatToolButton->setObjectName(QString::fromLatin1("m_chatToolButton"));
    m_chatToolButton->setGeometry(170, 20, 20, 20);
    m_chatToolButton->setPalette(lightButtonPalette(m_chatToolButton->palette()));
    m_chatToolButton->setCursor(Qt::PointingHandCursor);
    m_chatToolButton->setIconSize(QSize(18, 18));
    m_chatToolButton->setAutoRaise(true);

    m_userName = new QLabel(ZELProfileDisplay);
    m_userName->setObjectName(QString::fromLatin1("m_userName"));
    m_userName->setGeometry(26, 1, 550, 18);
    m_userName->setFont(tahoma(formFont));

    m_userStatusPixmap = new QLabel(ZELProfileDisplay);
    m_userStatusPixmap->setObjectName(QString::fromLatin1("m_userStatusPixmap"));
    m_userStatusPixmap->setGeometry(1, 1, 25, 18);
    m_userStatusPixmap->setFont(tahoma(formFont));
    m_userStatusPixmap->setScaledContents(true);

    m_userPixmap = new QLabel(ZELProfileDisplay);
    m_userPixmap->setObjectName(QString::fromLatin1("m_userPixmap"));
    m_userPixmap->setGeometry(10, 25, 35, 35);
    m_userPixmap->setFont(tahoma(formFont));
    m_userPixmap->setAutoFillBackground(false);

    m_userTimeLabel = new QLabel(ZELProfileDisplay);
    m_userTimeLabel->setObjectName(QString::fromLatin1("m_userTimeLabel"));
    m_userTimeLabel->setGeometry(60, 54, 90, 13);
    m_userTimeLabel->setFont(tahoma(formFont, 7, QFont::Normal));
    m_userTimeLabel->setAutoFillBackground(true);

    m_statusMessageLabel = new QLabel(ZELProfileDisplay);
    m_statusMessageLabel->setObjectName(QString::fromLatin1("m_statusMessageLabel"));
    m_statusMessageLabel->setGeometry(60, 38, 205, 16);
    m_statusMessageLabel->setFont(tahoma(formFont, 7));
    m_statusMessageLabel->setTextFormat(Qt::PlainText);

    m_menuToolButton = new QToolButton(ZELProfileDisplay);
    m_menuToolButton->setObjectName(QString::fromLatin1("m_menuToolButton"));
    m_menuToolButton->setGeometry(200, 21, 50, 17);
    m_menuToolButton->setMinimumSize(0, 0);
    m_menuToolButton->setPalette(lightButtonPalette(m_menuToolButton->palette()));
    m_menuToolButton->setCursor(Qt::PointingHandCursor);
    m_menuToolButton->setIconSize(QSize(20, 20));
    m_menuToolButton->setPopupMode(QToolButton::DelayedPopup);
    m_menuToolButton->setAutoRaise(true);

    retranslateUi(ZELProfileDisplay);
}

void Ui_ZELProfileDisplay::retranslateUi(QWidget *ZELProfileDisplay)
{
    ZELProfileDisplay->setWindowTitle(QCoreApplication::translate("ZELProfileDisplay", "Profile"));
    ZELProfileDisplay->setStyleSheet(QString());
    m_frameBoxControl->setStyleSheet(QString());
    m_frameBoxControl->setText(QString());
    const QString placeholder = QCoreApplication::translate("ZELProfileDisplay", "TextLabel");
    for (QLabel *label : {m_userStatusLabel, m_userName, m_userTimeLabel, m_statusMessageLabel})
        label->setText(placeholder);
    // The two picture labels hold pictures only.
    m_userStatusPixmap->setText(QString());
    m_userPixmap->setText(QString());
    m_menuToolButton->setStyleSheet(QString());
    m_menuToolButton->setToolTip(QCoreApplication::translate("ZELProfileDisplay", "Menu"));
    m_menuToolButton->setText(QCoreApplication::translate("ZELProfileDisplay", "Menu"));
}
