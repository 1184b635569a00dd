#include /* form */ "ui/ui_zeladdcontactdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>

void Ui_ZELAddContactDialog::setupUi(QDialog *ZELAddContactDialog)
{
    if (ZELAddContactDialog->objectName().isEmpty())
        ZELAddContactDialog->setObjectName(QString::fromLatin1("ZELAddContactDialog"));
    ZELAddContactDialog->resize(650, 375);

    auto *column = new QVBoxLayout(ZELAddContactDialog);
    auto *search = new QHBoxLayout();
    search->setSpacing(1);
    m_keywordOrUser = new QLineEdit(ZELAddContactDialog);
    m_keywordOrUser->setObjectName(QString::fromLatin1("m_keywordOrUser"));
    m_searchButton = new QPushButton(ZELAddContactDialog);
    m_searchButton->setObjectName(QString::fromLatin1("m_searchButton"));
    m_searchButton->setCursor(Qt::PointingHandCursor);
    m_showALLButton = new QPushButton(ZELAddContactDialog);
    m_showALLButton->setObjectName(QString::fromLatin1("m_showALLButton"));
    m_showALLButton->setCursor(Qt::PointingHandCursor);
    search->addWidget(m_keywordOrUser, 1);
    search->addWidget(m_searchButton);
    search->addWidget(m_showALLButton);
    column->addLayout(search);

    m_resultLabel = new QLabel(ZELAddContactDialog);
    m_resultLabel->setObjectName(QString::fromLatin1("m_resultLabel"));
    column->addWidget(m_resultLabel);
    m_resulttable = new QTableWidget(ZELAddContactDialog);
    m_resulttable->setObjectName(QString::fromLatin1("m_resulttable"));
    m_resulttable->setSelectionBehavior(QAbstractItemView::SelectRows);
    column->addWidget(m_resulttable, 1);

    auto *buttons = new QHBoxLayout();
    m_addButton = new QPushButton(ZELAddContactDialog);
    m_addButton->setObjectName(QString::fromLatin1("m_addButton"));
    m_addButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton = new QPushButton(ZELAddContactDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_cancelButton);
    column->addLayout(buttons);

    retranslateUi(ZELAddContactDialog);
}

void Ui_ZELAddContactDialog::retranslateUi(QDialog *ZELAddContactDialog)
{
    ZELAddContactDialog->setWindowTitle(QCoreApplication::translate("ZELAddContactDialog", "Company Manager"));
    m_searchButton->setText(QCoreApplication::translate("ZELAddContactDialog", "Search"));
    m_searchButton->setToolTip(QCoreApplication::translate("ZELAddContactDialog", "Search"));
    m_showALLButton->setText(QCoreApplication::translate("ZELAddContactDialog", "Show All"));
    m_showALLButton->setToolTip(QCoreApplication::translate("ZELAddContactDialog", "Show All Users List"));
    m_resultLabel->setText(QCoreApplication::translate("ZELAddContactDialog", "TextLabel"));
    m_addButton->setText(QCoreApplication::translate("ZELAddContactDialog", "Add"));
    m_addButton->setToolTip(QCoreApplication::translate("ZELAddContactDialog", "Add"));
    m_cancelButton->setText(QCoreApplication::translate("ZELAddContactDialog", "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate("ZELAddContactDialog", "Close"));
}
