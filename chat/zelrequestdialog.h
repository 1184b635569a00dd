#ifndef ZELREQUESTDIALOG_H
#define ZELREQUESTDIALOG_H

#include /* form */ "ui/ui_zelrequestdialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCloseEvent;
class QEvent;
class ZELFramelessHelper;

// Pop-up asking one yes/no question about another user's request: a
// conference invitation ("CHAT"), a contact addition ("ADD") or a voice chat.
// It answers by signal and destroys itself when closed: every way out
// (an answer, Escape, a close by the owner) goes through closeEvent, which
// reports requestDialogCloseSignal and schedules deleteLater.
class ZELRequestDialog : public QDialog, public Ui_ZELRequestDialog
{
    Q_OBJECT

public:
    explicit ZELRequestDialog(QWidget *parent);

    // Kind and the whole parsed server message; sets the pop-up up and shows it.
    void setRequestDetails(QString kind, QStringList details);

    // The answer Reject gives for a kind of request.
    static QString refusal(const QString &kind);

    // Longest name the question shows; the message itself is kept whole.
    static constexpr int MaxShownNameLength = 128;

    QString m_requestType;
    QStringList m_requestDetails;

signals:
    void sendAcceptRejectSignal(QString &kind, QString &answer, QStringList &details);
    void requestDialogCloseSignal(ZELRequestDialog *dialog);
    void decideLaterUserContact();

public slots:
    void onAcceptButtonClicked();
    void onRejectButtonClicked();
    void onDecideLaterClicked();
    // QDialog's own way out (Escape in a focused child) is a refusal, never a bare hide.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    // Closes the pop-up; false when it has answered already.
    bool finish();

    ZELFramelessHelper *m_frame = nullptr;
    bool m_answered = false;
};

#endif
