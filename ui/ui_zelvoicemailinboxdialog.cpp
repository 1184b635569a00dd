#include /* form */ "ui/ui_zelvoicemailinboxdialog.h"

#include <QtCore/QCoreApplication>

void Ui_ZELVoiceMailInboxDialog::setupUi(QDialog *ZELVoiceMailInboxDialog)
{
    if (ZELVoiceMailInboxDialog->objectName().isEmpty())
        ZELVoiceMailInboxDialog->setObjectName(QString::fromLatin1("ZELVoiceMailInboxDialog"));

    m_voiceMailTableWidget = new QTableWidget(ZELVoiceMailInboxDialog);
    m_voiceMailTableWidget->setObjectName(QString::fromLatin1("m_voiceMailTableWidget"));
    m_voiceMailTableWidget->setGeometry(6, 10, 441, 93);
    m_voiceMailTableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_openFileButton = new QPushButton(ZELVoiceMailInboxDialog);
    m_openFileButton->setObjectName(QString::fromLatin1("m_openFileButton"));
    m_openFileButton->setGeometry(270, 110, 75, 23);
    m_openFileButton->setCursor(Qt::PointingHandCursor);

    retranslateUi(ZELVoiceMailInboxDialog);
}

void Ui_ZELVoiceMailInboxDialog::retranslateUi(QDialog *ZELVoiceMailInboxDialog)
{
    Q_UNUSED(ZELVoiceMailInboxDialog);
    m_openFileButton->setText(QCoreApplication::translate("ZELVoiceMailInboxDialog", "Open"));
    m_openFileButton->setToolTip(QCoreApplication::translate("ZELVoiceMailInboxDialog", "Open Voice Mail"));
}
