#ifndef ZELREMINDERPOPUP_H
#define ZELREMINDERPOPUP_H

#include /* form */ "ui/ui_zelreminderpopup.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCloseEvent;
class QKeyEvent;

// The alarm of a due reminder: Snooze for some minutes or Dismiss. One
// top-level instance for the whole run; closing only hides it.
class ZELReminderPopup : public QDialog, public Ui_ZELReminderPopup
{
    Q_OBJECT

public:
    ZELReminderPopup();

    void disablePopupButtons();
    void enablePopupButtons();

    bool dragging = false;
    bool disconnected = false; // while set, closing does not snooze

signals:
    void snoozeClicked(QStringList &idAndMinutes);
    void dismissClicked(QString &id);

public slots:
    void snoozeReminder();
    void dismissReminder();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void closeAnswered();

    bool m_answered = false;
};

#endif
