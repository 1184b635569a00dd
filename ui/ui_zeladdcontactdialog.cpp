#include /* form */ "ui/ui_zeladdcontactdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QSpacerItem>

void Ui_ZELAddContactDialog::setupUi(QDialog *ZELAddContactDialog)
{
    if (ZELAddContactDialog->objectName().isEmpty())
        ZELAddContactDialog->setObjectName(QString::fromLatin1("ZELAddContactDialog"));
    ZELAddContactDialog->resize(650, 375);
    ZELAddContactDialog->setMinimumSize(582, 375);
    setupChrome(ZELAddContactDialog, true);
    const QFont verdana8(QStringLiteral("Verdana"), 8);

    vboxLayout->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));
    label = new QLabel(ZELAddContactDialog);
    label->setObjectName(QString::fromLatin1("label"));
    label->setFixedSize(211, 18);
    label->setFont(verdana8);
    vboxLayout->addWidget(label);

    auto *search = new QHBoxLayout();
    search->setSpacing(1);
    m_keywordOrUser = new QLineEdit(ZELAddContactDialog);
    m_keywordOrUser->setObjectName(QString::fromLatin1("m_keywordOrUser"));
    m_keywordOrUser->setMinimumSize(345, 18);
    m_keywordOrUser->setMaximumSize(343, 18);
    QFont verdana(QStringLiteral("Verdana"));
    m_keywordOrUser->setFont(verdana);
    search->addWidget(m_keywordOrUser);
    m_searchButton = new QPushButton(ZELAddContactDialog);
    m_searchButton->setObjectName(QString::fromLatin1("m_searchButton"));
    m_searchButton->setFont(verdana);
    m_searchButton->setCursor(Qt::PointingHandCursor);
    search->addWidget(m_searchButton);
    m_showALLButton = new QPushButton(ZELAddContactDialog);
    m_showALLButton->setObjectName(QString::fromLatin1("m_showALLButton"));
    m_showALLButton->setCursor(Qt::PointingHandCursor);
    search->addWidget(m_showALLButton);
    search->addStretch(1);
    vboxLayout->addLayout(search);

    m_resultLabel = new QLabel(ZELAddContactDialog);
    m_resultLabel->setObjectName(QString::fromLatin1("m_resultLabel"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setBold(true);
    m_resultLabel->setFont(tahoma);
    QPalette red = m_resultLabel->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_resultLabel->setPalette(red);
    vboxLayout->addWidget(m_resultLabel);

    vboxLayout->addItem(new QSpacerItem(20, 6, QSizePolicy::Minimum, QSizePolicy::Fixed));
    m_resulttable = new QTableWidget(ZELAddContactDialog);
    m_resulttable->setObjectName(QString::fromLatin1("m_resulttable"));
    m_resulttable->setFocusPolicy(Qt::WheelFocus);
    styleTable(m_resulttable);
    vboxLayout->addWidget(m_resulttable, 1);
    vboxLayout->addItem(new QSpacerItem(20, 15, QSizePolicy::Minimum, QSizePolicy::Fixed));

    auto *buttons = new QHBoxLayout();
    m_addButton = new QPushButton(ZELAddContactDialog);
    m_addButton->setObjectName(QString::fromLatin1("m_addButton"));
    m_addButton->setFixedSize(75, 23);
    m_addButton->setFont(verdana8);
    m_addButton->setCursor(Qt::PointingHandCursor);
    m_cancelButton = new QPushButton(ZELAddContactDialog);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setFixedSize(75, 23);
    m_cancelButton->setFont(verdana8);
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(m_addButton);
    buttons->addItem(new QSpacerItem(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    vboxLayout->addLayout(buttons);
    vboxLayout->addItem(new QSpacerItem(20, 3, QSizePolicy::Minimum, QSizePolicy::Fixed));

    QWidget::setTabOrder(m_keywordOrUser, m_searchButton);
    QWidget::setTabOrder(m_searchButton, m_showALLButton);
    QWidget::setTabOrder(m_showALLButton, m_resulttable);
    QWidget::setTabOrder(m_resulttable, m_addButton);
    QWidget::setTabOrder(m_addButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_maximizeButton);
    QWidget::setTabOrder(m_maximizeButton, m_closeButton);

    retranslateUi(ZELAddContactDialog);
}

void Ui_ZELAddContactDialog::retranslateUi(QDialog *ZELAddContactDialog)
{
    const char *context = "ZELAddContactDialog";
    ZELAddContactDialog->setWindowTitle(QCoreApplication::translate(context, "Company Manager"));
    retranslateChrome(context, "Add Contact");
    label->setText(QCoreApplication::translate(context, "Search by Login Id (or) Keyword"));
    m_searchButton->setText(QCoreApplication::translate(context, "Search"));
    m_searchButton->setToolTip(QCoreApplication::translate(context, "Search"));
    m_showALLButton->setText(QCoreApplication::translate(context, "Show All"));
    m_showALLButton->setToolTip(QCoreApplication::translate(context, "Show All Users List"));
    m_resultLabel->setText(QCoreApplication::translate(context, "TextLabel"));
    m_addButton->setText(QCoreApplication::translate(context, "Add"));
    m_addButton->setToolTip(QCoreApplication::translate(context, "Add"));
    m_cancelButton->setText(QCoreApplication::translate(context, "Close"));
    m_cancelButton->setToolTip(QCoreApplication::translate(context, "Close"));
}
