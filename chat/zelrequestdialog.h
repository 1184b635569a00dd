#ifndef ZELREQUESTDIALOG_H
#define ZELREQUESTDIALOG_H

#include /* form */ "ui/ui_zelrequestdialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCloseEvent;

// Pop-up asking one yes/no question about another user's request: a
// conference invitation ("CHAT"), a contact addition ("ADD") or a voice chat.
// It answers by signal and destroys itself when closed.
class ZELRequestDialog : public QDialog, public Ui_ZELRequestDialog
{
    Q_OBJECT

public:
    explicit ZELRequestDialog(QWidget *parent);

    // Kind and the whole parsed server message; sets the pop-up up and shows it.
    void setRequestDetails(QString kind, QStringList details);

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

protected:
    void closeEvent(QCloseEvent *event) override;
};

#endif
