#ifndef ZELGROUPMESSAGEDISPLAY_H
#define ZELGROUPMESSAGEDISPLAY_H

#include /* form */ "ui/ui_zelgroupmessagedisplay.h"

#include <QStringList>
#include <QWidget>

class ZELFramelessHelper;

// Shows one group message received while online. A top-level window of its
// own per message; it reports its closing and deletes itself.
class ZELGroupMessageDisplay : public QWidget, public Ui_ZELGroupMessageDisplay
{
    Q_OBJECT

public:
    ZELGroupMessageDisplay();
    ~ZELGroupMessageDisplay() override;

    // The heading row above a message: sender and time of arrival.
    static QString headingHtml(const QString &sender, const QString &time);

    ZELFramelessHelper *frame() const { return m_frame; }

    // How many messages wait for a window, shown after the title while any do.
    void setWaitingCount(qsizetype waiting);

signals:
    void groupMessageDialogCloseSignal(ZELGroupMessageDisplay *window);

public slots:
    void minimizedWindow();
    // The parsed message: [2] the body, [4] the sender.
    void showGroupMessageDialog(QStringList message);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings();
    void signalsAndSlots();
    void setZELStyle();

    void showTitle();

    ZELFramelessHelper *m_frame = nullptr;
    QString m_title;
    qsizetype m_waiting = 0;
};

#endif
