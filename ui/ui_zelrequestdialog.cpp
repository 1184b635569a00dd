#include /* form */ "ui/ui_zelrequestdialog.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QFont>

void Ui_ZELRequestDialog::setupUi(QDialog *ZELRequestDialog)
{
    if (ZELRequestDialog->objectName().isEmpty())
        ZELRequestDialog->setObjectName(QString::fromLatin1("ZELRequestDialog"));
    ZELRequestDialog->resize(311, 148);
    QFont font = ZELRequestDialog->font();
    font.setFamily(QString::fromLatin1("Verdana"));
    ZELRequestDialog->setFont(font);
    ZELRequestDialog->setAutoFillBackground(true);

    m_requestAcceptButton = new QPushButton(ZELRequestDialog);
    m_requestAcceptButton->setObjectName(QString::fromLatin1("m_requestAcceptButton"));
    m_requestAcceptButton->setFont(font);
    m_requestAcceptButton->setGeometry(110, 70, 75, 23);
    m_requestAcceptButton->setCursor(Qt::PointingHandCursor);
    m_requestRejectButton = new QPushButton(ZELRequestDialog);
    m_requestRejectButton->setObjectName(QString::fromLatin1("m_requestRejectButton"));
    m_requestRejectButton->setFont(font);
    m_requestRejectButton->setGeometry(200, 70, 75, 23);
    m_requestRejectButton->setCursor(Qt::PointingHandCursor);
    m_displayTextLable = new QLabel(ZELRequestDialog);
    m_displayTextLable->setObjectName(QString::fromLatin1("m_displayTextLable"));
    m_displayTextLable->setFont(font);
    // The question stands on the plain part of the picture, between the
    // header band (its lower edge is row 26 of both pictures) and the buttons,
    // as wide as the picture allows so that it wraps as little as it can.
    m_displayTextLable->setGeometry(10, 30, 286, 38);
    m_displayTextLable->setAlignment(Qt::AlignCenter);
    m_displayTextLable->setWordWrap(true);
    m_decideLaterButton = new QPushButton(ZELRequestDialog);
    m_decideLaterButton->setObjectName(QString::fromLatin1("m_decideLaterButton"));
    m_decideLaterButton->setGeometry(150, 110, 90, 23);
    m_decideLaterButton->setCursor(Qt::PointingHandCursor);

    retranslateUi(ZELRequestDialog);
}

void Ui_ZELRequestDialog::retranslateUi(QDialog *ZELRequestDialog)
{
    ZELRequestDialog->setWindowTitle(QCoreApplication::translate("ZELRequestDialog", "Accept"));
    m_requestAcceptButton->setText(QCoreApplication::translate("ZELRequestDialog", "Accept"));
    m_requestAcceptButton->setToolTip(QCoreApplication::translate("ZELRequestDialog", "Accept"));
    m_requestRejectButton->setText(QCoreApplication::translate("ZELRequestDialog", "Reject"));
    m_requestRejectButton->setToolTip(QCoreApplication::translate("ZELRequestDialog", "Reject"));
    m_decideLaterButton->setText(QCoreApplication::translate("ZELRequestDialog", "Decide Later"));
    m_decideLaterButton->setToolTip(QCoreApplication::translate("ZELRequestDialog", "Decide Later"));
}
