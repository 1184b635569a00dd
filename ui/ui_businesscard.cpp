#include /* form */ "ui/ui_businesscard.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QPalette>

namespace {

QLabel *cardLine(QWidget *parent, const char *name, int y, int pointSize, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(58, y, 130, 15);
    QFont font = parent->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setScaledContents(true);
    return label;
}

} // namespace

void Ui_BusinessCard::setupUi(QWidget *BusinessCard)
{
    if (BusinessCard->objectName().isEmpty())
        BusinessCard->setObjectName(QString::fromLatin1("BusinessCard"));
    BusinessCard->resize(191, 68);
    BusinessCard->setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 6));
    // A light face; every showing paints the background picture over it.
    QPalette palette = BusinessCard->palette();
    palette.setColor(QPalette::Window, QColor(244, 251, 255));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    BusinessCard->setPalette(palette);

    m_businessCardPixel = new QLabel(BusinessCard);
    m_businessCardPixel->setObjectName(QString::fromLatin1("m_businessCardPixel"));
    m_businessCardPixel->setGeometry(6, 0, 51, 61);
    m_businessCardLoginId = cardLine(BusinessCard, "m_businessCardLoginId", 5, 7, true);
    m_businessCardUserNameLable = cardLine(BusinessCard, "m_businessCardUserNameLable", 20, 7, false);
    m_businessCardUserNameLable->setWordWrap(true);
    m_businessCardDepartment = cardLine(BusinessCard, "m_businessCardDepartment", 35, 7, false);
    m_businessCardStatus = cardLine(BusinessCard, "m_businessCardStatus", 50, 7, true);

    retranslateUi(BusinessCard);
}

void Ui_BusinessCard::retranslateUi(QWidget *BusinessCard)
{
    BusinessCard->setWindowTitle(QCoreApplication::translate("BusinessCard", "Business Card"));
}
