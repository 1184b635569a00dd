#include /* form */ "ui/ui_zelvoicemaildialog.h"

#include <QtCore/QCoreApplication>

void Ui_ZELVoiceMailDialog::setupUi(QDialog *ZELVoiceMailDialog)
{
    if (ZELVoiceMailDialog->objectName().isEmpty())
        ZELVoiceMailDialog->setObjectName(QString::fromLatin1("ZELVoiceMailDialog"));

    m_playButton = new QPushButton(ZELVoiceMailDialog);
    m_playButton->setObjectName(QString::fromLatin1("m_playButton"));
    m_playButton->setGeometry(260, 140, 60, 23);
    m_playButton->setCursor(Qt::PointingHandCursor);
    m_sendButton = new QPushButton(ZELVoiceMailDialog);
    m_sendButton->setObjectName(QString::fromLatin1("m_sendButton"));
    m_sendButton->setGeometry(340, 140, 60, 23);
    m_sendButton->setCursor(Qt::PointingHandCursor);

    retranslateUi(ZELVoiceMailDialog);
}

void Ui_ZELVoiceMailDialog::retranslateUi(QDialog *ZELVoiceMailDialog)
{
    Q_UNUSED(ZELVoiceMailDialog);
    m_playButton->setText(QCoreApplication::translate("ZELVoiceMailDialog", "Play"));
    m_playButton->setToolTip(QCoreApplication::translate("ZELVoiceMailDialog", "Play"));
    m_sendButton->setText(QCoreApplication::translate("ZELVoiceMailDialog", "Send"));
    m_sendButton->setToolTip(QCoreApplication::translate("ZELVoiceMailDialog", "Send"));
}
