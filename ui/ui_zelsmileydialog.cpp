#include /* form */ "ui/ui_zelsmileydialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>

void Ui_ZELSmileyDialog::setupUi(QDialog *ZELSmileyDialog)
{
    if (ZELSmileyDialog->objectName().isEmpty())
        ZELSmileyDialog->setObjectName(QString::fromLatin1("ZELSmileyDialog"));
    ZELSmileyDialog->resize(124, 210);
    ZELSmileyDialog->setMinimumSize(124, 210);
    ZELSmileyDialog->setMaximumSize(124, 210);

    m_smileyListBox = new QListWidget(ZELSmileyDialog);
    m_smileyListBox->setObjectName(QString::fromLatin1("m_smileyListBox"));
    m_smileyListBox->setGeometry(QRect(0, 0, 124, 210));
    m_smileyListBox->setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    m_smileyListBox->setMinimumSize(124, 210);
    m_smileyListBox->setMaximumSize(124, 210);
    m_smileyListBox->setFrameShape(QFrame::Box);
    m_smileyListBox->setFrameShadow(QFrame::Plain);
    m_smileyListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_smileyListBox->setViewMode(QListView::IconMode);
    m_smileyListBox->setMovement(QListView::Static);

    retranslateUi(ZELSmileyDialog);
    QMetaObject::connectSlotsByName(ZELSmileyDialog);
}

void Ui_ZELSmileyDialog::retranslateUi(QDialog *ZELSmileyDialog)
{
    ZELSmileyDialog->setWindowTitle(QCoreApplication::translate("ZELSmileyDialog", "Smiley"));
}
