#include /* form */ "ui/ui_zeldeletecontactdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QSpacerItem>

void Ui_ZELDeleteContactDialog::setupUi(QDialog *ZELDeleteContactDialog)
{
    if (ZELDeleteContactDialog->objectName().isEmpty())
        ZELDeleteContactDialog->setObjectName(QString::fromLatin1("ZELDeleteContactDialog"));
    ZELDeleteContactDialog->resize(650, 375);
    ZELDeleteContactDialog->setMinimumSize(500, 375);
    setupChrome(ZELDeleteContactDialog, true);
    const QFont verdana8(QStringLiteral("Verdana"), 8);

    vboxLayout->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));
    label = new QLabel(ZELDeleteContactDialog);
    label->setObjectName(QString::fromLatin1("label"));
    label->setFixedSize(211, 18);
    label->setFont(verdana8);
    vboxLayout->addWidget(label);
    vboxLayout->addItem(new QSpacerItem(20, 6, QSizePolicy::Minimum, QSizePolicy::Fixed));

    m_deleteContactList = new QTableWidget(ZELDeleteContactDialog);
    m_deleteContactList->setObjectName(QString::fromLatin1("m_deleteContactList"));
    styleTable(m_deleteContactList);
    m_deleteContactList->setSortingEnabled(false);
    vboxLayout->addWidget(m_deleteContactList, 1);

    m_displayErrorMessage = new QLabel(ZELDeleteContactDialog);
    m_displayErrorMessage->setObjectName(QString::fromLatin1("m_displayErrorMessage"));
    QPalette red = m_displayErrorMessage->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        red.setColor(group, QPalette::WindowText, QColor(255, 0, 0));
    m_displayErrorMessage->setPalette(red);
    QFont bold(QStringLiteral("Verdana"));
    bold.setBold(true);
    m_displayErrorMessage->setFont(bold);
    m_displayErrorMessage->setAlignment(Qt::AlignCenter);
    vboxLayout->addWidget(m_displayErrorMessage);
    vboxLayout->addItem(new QSpacerItem(20, 6, QSizePolicy::Minimum, QSizePolicy::Fixed));

    auto *buttons = new QHBoxLayout();
    m_okButton = new QPushButton(ZELDeleteContactDialog);
    m_okButton->setObjectName(QString::fromLatin1("m_okButton"));
    m_okButton->setFixedSize(75, 23);
    m_okButton->setFont(verdana8);
    m_okButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton = new QPushButton(ZELDeleteContactDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setFixedSize(75, 23);
    m_cancelButton->setFont(verdana8);
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addItem(new QSpacerItem(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    vboxLayout->addLayout(buttons);
    vboxLayout->addItem(new QSpacerItem(20, 3, QSizePolicy::Minimum, QSizePolicy::Fixed));

    QWidget::setTabOrder(m_deleteContactList, m_okButton);
    QWidget::setTabOrder(m_okButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_maximizeButton);
    QWidget::setTabOrder(m_maximizeButton, m_closeButton);

    retranslateUi(ZELDeleteContactDialog);
}

void Ui_ZELDeleteContactDialog::retranslateUi(QDialog *ZELDeleteContactDialog)
{
    const char *context = "ZELDeleteContactDialog";
    ZELDeleteContactDialog->setWindowTitle(QCoreApplication::translate(context, "Delete Contact"));
    retranslateChrome(context, "Remove Contact");
    label->setText(QCoreApplication::translate(context, "Contact Names"));
    m_displayErrorMessage->setText(QString());
    m_okButton->setText(QCoreApplication::translate(context, "Remove"));
    m_okButton->setToolTip(QCoreApplication::translate(context, "Remove Contact"));
    m_cancelButton->setText(QCoreApplication::translate(context, "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate(context, "Close"));
}
