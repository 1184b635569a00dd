#include "reminders/zelreminderpopup.h"
#include "style/zelsharedsheet.h"

#include "mainwindow/zelmainwindowlook.h"
#include "style/zelframelesshelper.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>

ZELReminderPopup::ZELReminderPopup()
    : QDialog(nullptr)
{
    windowSettings();
    defaultSettings();
    setZELStyle();
    signalsAndSlots();
    hide();
}

void ZELReminderPopup::windowSettings()
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/ZEL_logo.png")));
    setMask(QRegion(0, 0, PopupWidth, PopupHeight));
    // The form draws its own title strip and frame: on X11 the window system's
    // frame would otherwise show around the 300 x 160 area.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint);
    // It rings over whatever the user is doing without taking the keyboard:
    // keys meant for another window must not snooze or dismiss it unread.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::WindowBackground);
}

void ZELReminderPopup::defaultSettings()
{
    disconnected = false;
    m_keyEditBox->setReadOnly(true);
    m_keyEditBox->hide();
    m_snoozeTime->addItems({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                             QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30"),
                             QStringLiteral("60") });
    m_snoozeTime->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,2}")), this));
}

void ZELReminderPopup::setZELStyle()
{
    ZELMainWindowLook::setPlainStyle(this);
    ZELMainWindowLook::setPlainStyle(m_closeButton);

    QPalette palette = m_reminderDisplayText->palette();
    const QColor lightBlue(144, 209, 247);
    ZELMainWindowLook::setRole(palette, QPalette::Light, QColor(Qt::white));
    ZELMainWindowLook::setRole(palette, QPalette::Midlight, lightBlue);
    ZELMainWindowLook::setRole(palette, QPalette::Dark, QColor(Qt::white));
    ZELMainWindowLook::setRole(palette, QPalette::Shadow, lightBlue);
    ZELMainWindowLook::setRole(palette, QPalette::Highlight, lightBlue);
    ZELMainWindowLook::setRole(palette, QPalette::Text, QColor(Qt::black));
    ZELMainWindowLook::setRole(palette, QPalette::Button, QColor(240, 245, 251));
    ZELMainWindowLook::setRole(palette, QPalette::ButtonText, QColor(104, 104, 88));
    ZELMainWindowLook::setRole(palette, QPalette::Window, lightBlue);
    m_snoozeTime->setPalette(palette);
    m_reminderDisplayText->setPalette(palette);

    const QString sheet = ZELMainWindowLook::sharedStyleSheet();
    ZELSharedSheet::setFitted(m_reminderDisplayText, sheet);
    ZELSharedSheet::setFitted(m_snoozeTime, sheet);
}

// The close button, its hover pictures and the drag by the title strip come
// from the frame helper.
void ZELReminderPopup::signalsAndSlots()
{
    connect(m_snoozeButton, &QPushButton::clicked, this, &ZELReminderPopup::snoozeReminder);
    connect(m_dismissButton, &QPushButton::clicked, this, &ZELReminderPopup::dismissReminder);
}

void ZELReminderPopup::disablePopupButtons()
{
    disconnected = true;
    m_snoozeButton->setEnabled(false);
    m_dismissButton->setEnabled(false);
}

void ZELReminderPopup::enablePopupButtons()
{
    disconnected = false;
    m_snoozeButton->setEnabled(true);
    m_dismissButton->setEnabled(true);
}

QPoint ZELReminderPopup::restingPlace(int desktopHeight, int popupHeight)
{
    const int x = desktopHeight / 2;
    const int end = desktopHeight / 2 - popupHeight;
    return QPoint(x, end > 0 ? end - 1 : 0);
}

// The pop-up slides down from the top to just above the desktop's middle
// height; the steps ran without pause, so only the last place is seen.
void ZELReminderPopup::moveReminderDialog()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int desktopHeight = screen ? screen->virtualGeometry().height() : 0;
    if (desktopHeight / 2 - height() <= 0)
        return;
    move(restingPlace(desktopHeight, height()));
}

void ZELReminderPopup::snoozeReminder()
{
    QStringList idAndMinutes { m_keyEditBox->text(), m_snoozeTime->currentText() };
    emit snoozeClicked(idAndMinutes);
    closeAnswered();
}

void ZELReminderPopup::dismissReminder()
{
    QString id = m_keyEditBox->text();
    emit dismissClicked(id);
    closeAnswered();
}

// A close after an answer must not snooze again: a dismissed reminder would
// otherwise come back as a snooze of an id the main widget just deleted.
void ZELReminderPopup::closeAnswered()
{
    m_answered = true;
    close();
    m_answered = false;
}

void ZELReminderPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        snoozeReminder();
    // Every other key is dropped; the dialog's default keys never run.
}

void ZELReminderPopup::closeEvent(QCloseEvent *event)
{
    if (!disconnected && !m_answered && isVisible())
        snoozeReminder();
    event->accept();
}
