#ifndef ZELREMINDERPOPUP_H
#define ZELREMINDERPOPUP_H

#include /* form */ "ui/ui_zelreminderpopup.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCloseEvent;
class QKeyEvent;
class ZELFramelessHelper;

// The alarm of a due reminder: Snooze for some minutes or Dismiss. One
// top-level instance for the whole run, always on top; closing only hides it.
// It never talks to the server: the main widget turns its two signals into
// requests.
class ZELReminderPopup : public QDialog, public Ui_ZELReminderPopup
{
    Q_OBJECT

public:
    static constexpr int PopupWidth = 300;
    static constexpr int PopupHeight = 160;

    ZELReminderPopup();

    void windowSettings();
    void defaultSettings();
    void setZELStyle();
    void signalsAndSlots();
    void disablePopupButtons();
    void enablePopupButtons();

    // Where moveReminderDialog() leaves the pop-up on a desktop of that height.
    static QPoint restingPlace(int desktopHeight, int popupHeight);

    bool disconnected = false; // while set, closing does not snooze

signals:
    void snoozeClicked(QStringList &idAndMinutes);
    void dismissClicked(QString &id);

public slots:
    void snoozeReminder();
    void dismissReminder();
    void moveReminderDialog();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void closeAnswered();

    ZELFramelessHelper *m_frame = nullptr;
    bool m_answered = false;
};

#endif
