#include "chat/zelsmileydialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidgetItem>

ZELSmileyDialog::ZELSmileyDialog()
    : QDialog(nullptr)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral("icons/user_group.png")));

    for (const QString &name : smileyNames()) {
        m_item = new QListWidgetItem(QIcon(QStringLiteral("Smileys/") + name + QStringLiteral(".png")),
                                     QString(), m_smileyListBox);
        m_item->setToolTip(name);
        m_item->setSizeHint(QSize(26, 26));
    }

    QPalette palette = QApplication::palette();
    const auto set = [&palette](QPalette::ColorRole role, const QColor &colour) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, role, QBrush(colour));
    };
    set(QPalette::Button, QColor(240, 245, 251));
    set(QPalette::ButtonText, QColor(104, 104, 88));
    set(QPalette::Light, QColor(255, 255, 255));
    set(QPalette::Dark, QColor(255, 255, 255));
    set(QPalette::Midlight, QColor(144, 209, 247));
    set(QPalette::Shadow, QColor(144, 209, 247));
    set(QPalette::Highlight, QColor(144, 209, 247));
    set(QPalette::Text, QColor(0, 0, 0));
    m_smileyListBox->setPalette(palette);

    connect(m_smileyListBox, &QListWidget::itemClicked, this, &ZELSmileyDialog::onSmileyClicked);
    installEventFilter(this);
    m_smileyListBox->installEventFilter(this);
}

ZELSmileyDialog::~ZELSmileyDialog() = default;

QStringList ZELSmileyDialog::smileyNames()
{
    return {QStringLiteral("Good"),          QStringLiteral("Party"),        QStringLiteral("Lightning"),
            QStringLiteral("Stormycloud"),   QStringLiteral("Smile"),        QStringLiteral("Umbrella"),
            QStringLiteral("StickingOutTongue"), QStringLiteral("Hot"),      QStringLiteral("Surprised"),
            QStringLiteral("Confused"),      QStringLiteral("embarrassed"),  QStringLiteral("Angry"),
            QStringLiteral("Sick"),          QStringLiteral("Secrettelling"), QStringLiteral("crying"),
            QStringLiteral("Sad"),           QStringLiteral("sleepy"),       QStringLiteral("Disappointed"),
            QStringLiteral("Grin"),          QStringLiteral("Nerd"),         QStringLiteral("DogFace"),
            QStringLiteral("Coffeeup"),      QStringLiteral("Clock"),        QStringLiteral("Island"),
            QStringLiteral("heart"),         QStringLiteral("Birthdaycake"), QStringLiteral("Rose"),
            QStringLiteral("SleepingMoon"),  QStringLiteral("Note")};
}

void ZELSmileyDialog::onSmileyClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString name = item->toolTip();
    // Hidden before the window acts, so its input gets the focus back.
    close();
    emit sendSelectedSmiley(name);
}

bool ZELSmileyDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate) {
        close();
    } else if (watched == m_smileyListBox && event->type() == QEvent::KeyPress
               && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return) {
        if (QListWidgetItem *current = m_smileyListBox->currentItem())
            onSmileyClicked(current);
    }
    return false;
}

void ZELSmileyDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
}
