#ifndef ZELSTATUSMESSAGEDIALOG_H
#define ZELSTATUSMESSAGEDIALOG_H

#include /* form */ "ui/ui_zelstatusmessagedialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class ZELFramelessHelper;

// Asks for the message that goes with a newly chosen status. Made by the main
// widget for one prompt, shown at once, window-modal over it; it ends by Ok
// (the status and the edited list), Close (the status alone) or any other
// close (nothing), and deletes itself when closed.
class ZELStatusMessageDialog : public QDialog, public Ui_ZELStatusMessageDialog
{
    Q_OBJECT

public:
    // The longest message, counted after white space is simplified.
    static constexpr int MessageLimit = 50;

    explicit ZELStatusMessageDialog(QWidget *parent);

    void showStatusMessageDialog(QString status, QStringList settings);

    // Which element of the status message list holds the message of a status word.
    static int messagePosition(const QString &status);

    QString m_status;
    QStringList m_statusMessageSettings;

public slots:
    void onOkButtonClicked();
    void onCancelButtonClicked();
    void textChangeEventSignal();

signals:
    void sendStatusMessageSignal(QString &status, QStringList &settings);
    void cancelStatusMessageSignal(QString &status);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();

    ZELFramelessHelper *m_frame = nullptr;
    bool m_answered = false;
};

#endif
